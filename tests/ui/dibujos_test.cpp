// Croquis de instalaciones y camas: dibujan dentro de su zona, se distinguen,
// un código desconocido no dibuja y el lienzo los muestra. Croquis y fórmulas de la memoria.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "camas.h"
#include "dibujos.h"
#include "informe_dibujos.h"

namespace {

using Dibujo = std::function<void(QPainter&, const QRectF&)>;
using Funcion = void (*)(QPainter&, const QRectF&, int);

Dibujo Con(Funcion funcion, int codigo)
{
    return [=](QPainter& p, const QRectF& z) { funcion(p, z, codigo); };
}

QList<QPair<QString, Dibujo>> Todos()
{
    QList<QPair<QString, Dibujo>> todos;
    const std::tuple<const char*, Funcion, int, int> familias[] = {
        {"instalación", DibujaInstalacion, 0, 3},
        {"cama", DibujaCama, 3, 13},
        {"clase", DibujaClaseTerraplen, 0, 3}};
    for (const auto& [nombre, funcion, desde, hasta] : familias)
        for (int i = desde; i <= hasta; ++i)
            todos.append({QString("%1 %2").arg(nombre).arg(i), Con(funcion, i)});
    return todos;
}

QImage Pinta(const Dibujo& dibujo, QSize lienzo, const QRectF& zona)
{
    QImage imagen(lienzo, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    dibujo(pintor, zona);
    return imagen;
}

// Caja de lo que no es blanco y número de píxeles oscuros.
std::pair<QRect, int> Mancha(const QImage& imagen)
{
    QRect caja;
    int oscuros = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QRgb color = imagen.pixel(x, y);
            if (color != qRgb(255, 255, 255))
                caja |= QRect(x, y, 1, 1);
            oscuros += qGray(color) < 100;
        }
    return {caja, oscuros};
}

}  // namespace

class DibujosTest : public QObject {
    Q_OBJECT
private slots:
    // Cada uno dibuja solo dentro de su zona y ninguno es igual a otro.
    void DibujaDentroDeSuZonaYSeDistingue()
    {
        const auto todos = Todos();
        for (QSize lienzo : {QSize(130, 110), QSize(880, 600)}) {
            // Zona con coordenadas no enteras y margen blanco alrededor.
            const QRectF zona(7.5, 5.25, lienzo.width() - 20.0, lienzo.height() - 15.0);
            QList<QImage> imagenes;
            for (const auto& [nombre, dibujo] : todos) {
                imagenes.append(Pinta(dibujo, lienzo, zona));
                const auto [caja, oscuros] = Mancha(imagenes.last());
                QVERIFY2(zona.toAlignedRect().contains(caja), qPrintable(nombre));
                // En el lienzo pequeño las instalaciones llevan poco trazo.
                QVERIFY2(oscuros > zona.width() * (lienzo.width() > 200 ? 2 : 0.5),
                         qPrintable(nombre));
            }
            for (int i = 0; i < imagenes.size(); ++i)
                for (int j = i + 1; j < imagenes.size(); ++j)
                    QVERIFY2(imagenes[i] != imagenes[j],
                             qPrintable(todos[i].first + " = " + todos[j].first));
        }
    }

    // Los de la memoria pintan, y solo dentro de su zona (lo que no es casi blanco), a la escala
    // de la pantalla y a la de la impresora.
    void DibujosDeLaMemoria()
    {
        for (const bool formula : {false, true})
            for (const QString& nombre :
                 formula ? NombresFormulaInforme() : NombresCroquisInforme())
                for (const double escala : {1.0, 5.0}) {
                    const QSizeF tamano = (formula ? QSizeF(278, 75) : QSizeF(147, 145)) * escala;
                    const QRectF zona(QPointF(10, 10) * escala, tamano);
                    const QImage imagen = Pinta(
                        [&](QPainter& p, const QRectF& z) {
                            formula ? DibujaFormula(p, z, nombre)
                                    : DibujaCroquisInforme(p, z, nombre);
                        },
                        (tamano + QSizeF(20, 20) * escala).toSize(), zona);
                    int dentro = 0, fuera = 0;
                    for (int y = 0; y < imagen.height(); ++y)
                        for (int x = 0; x < imagen.width(); ++x)
                            if (qGray(imagen.pixel(x, y)) <= 200)
                                (zona.contains(QPointF(x + 0.5, y + 0.5)) ? dentro : fuera)++;
                    QVERIFY2(fuera == 0 && dentro > 200 * escala,
                             qPrintable(QString("%1 ×%2: %3 dentro, %4 fuera")
                                            .arg(nombre)
                                            .arg(escala)
                                            .arg(dentro)
                                            .arg(fuera)));
                }
    }

    void CodigoDesconocidoNoDibuja()
    {
        const std::pair<Funcion, QList<int>> casos[] = {{DibujaInstalacion, {-1, 4}},
                                                        {DibujaCama, {-1, 0, 2, 14, 100}},
                                                        {DibujaClaseTerraplen, {-1, 4}}};
        for (const auto& [funcion, codigos] : casos)
            for (int codigo : codigos)
                QVERIFY(Mancha(Pinta(Con(funcion, codigo), {220, 160}, QRectF(0, 0, 220, 160)))
                            .first.isNull());
    }

    void ElCroquisMuestraElDibujoQueSeLeDa()
    {
        Croquis croquis(Con(DibujaInstalacion, 0));
        croquis.resize(croquis.sizeHint());
        const QImage zanja = croquis.grab().toImage();
        QCOMPARE(zanja.pixel(0, 0), qRgb(255, 255, 255));
        croquis.FijaDibujo(Con(DibujaInstalacion, 1));
        QVERIFY(croquis.grab().toImage() != zanja);
    }
};

QTEST_MAIN(DibujosTest)
#include "dibujos_test.moc"
