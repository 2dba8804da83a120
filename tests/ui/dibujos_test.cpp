// Croquis de las instalaciones y de las camas de apoyo: dibujan dentro de su
// zona, sin deformar y centrados, se distinguen entre sí, un código
// desconocido no dibuja, el pintor queda como estaba y el lienzo los muestra.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>

#include "camas.h"
#include "dibujos.h"

namespace {

using Dibujo = std::function<void(QPainter&, const QRectF&)>;
using Funcion = void (*)(QPainter&, const QRectF&, int);

Dibujo Con(Funcion funcion, int codigo)
{
    return [=](QPainter& p, const QRectF& z) { funcion(p, z, codigo); };
}

// Las cuatro instalaciones, las once camas de zanja y las cuatro clases de terraplén.
QList<QPair<QString, Dibujo>> Todos()
{
    QList<QPair<QString, Dibujo>> todos;
    for (int i = 0; i <= 3; ++i)
        todos.append({QString("instalación %1").arg(i), Con(DibujaInstalacion, i)});
    for (int tipo = 3; tipo <= 13; ++tipo)
        todos.append({QString("cama %1").arg(tipo), Con(DibujaCama, tipo)});
    for (int clase = 0; clase <= 3; ++clase)
        todos.append({QString("clase %1").arg(clase), Con(DibujaClaseTerraplen, clase)});
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
    void DibujaSoloDentroDeSuZona()
    {
        for (QSize lienzo : {QSize(130, 110), QSize(880, 600)})
            for (const auto& [nombre, dibujo] : Todos()) {
                // Zona con coordenadas no enteras y margen blanco alrededor.
                const QRectF zona(7.5, 5.25, lienzo.width() - 20.0, lienzo.height() - 15.0);
                const auto [caja, oscuros] = Mancha(Pinta(dibujo, lienzo, zona));
                QVERIFY2(zona.toAlignedRect().contains(caja), qPrintable(nombre));
                // En el lienzo pequeño las instalaciones llevan poco trazo.
                QVERIFY2(oscuros > zona.width() * (lienzo.width() > 200 ? 2 : 0.5), qPrintable(nombre));
            }
    }

    void NoSeDeformaYQuedaCentrado()
    {
        // Una zona tres veces más ancha no estira el dibujo: ocupa lo mismo, en el centro.
        for (const auto& [nombre, dibujo] : Todos()) {
            const QRect justo = Mancha(Pinta(dibujo, {300, 160}, QRectF(0, 0, 300, 160))).first;
            const QRect ancho = Mancha(Pinta(dibujo, {900, 160}, QRectF(0, 0, 900, 160))).first;
            QVERIFY2(std::abs(justo.width() - ancho.width()) <= 2 && std::abs(justo.height() - ancho.height()) <= 2
                         && std::abs(ancho.center().x() - 450) <= 3,
                     qPrintable(nombre));
        }
    }

    void CadaDibujoSeDistingue()
    {
        const auto todos = Todos();
        QList<QImage> imagenes;
        for (const auto& [nombre, dibujo] : todos)
            imagenes.append(Pinta(dibujo, {220, 160}, QRectF(0, 0, 220, 160)));
        for (int i = 0; i < imagenes.size(); ++i)
            for (int j = i + 1; j < imagenes.size(); ++j)
                QVERIFY2(imagenes[i] != imagenes[j], qPrintable(todos[i].first + " = " + todos[j].first));
    }

    void CodigoDesconocidoNoDibuja()
    {
        const std::pair<Funcion, QList<int>> casos[] = {
            {DibujaInstalacion, {-1, 4}}, {DibujaCama, {-1, 0, 2, 14, 100}}, {DibujaClaseTerraplen, {-1, 4}}};
        for (const auto& [funcion, codigos] : casos)
            for (int codigo : codigos)
                QVERIFY(Mancha(Pinta(Con(funcion, codigo), {220, 160}, QRectF(0, 0, 220, 160))).first.isNull());
    }

    void DejaElPintorComoEstaba()
    {
        for (const auto& [nombre, dibujo] : Todos()) {
            QImage imagen(220, 150, QImage::Format_RGB32);
            QPainter pintor(&imagen);
            const QPen pluma(Qt::red, 3);
            pintor.setPen(pluma);
            pintor.setBrush(Qt::blue);
            pintor.translate(5, 7);
            const QFont letra = pintor.font();
            const auto ayudas = pintor.renderHints();
            dibujo(pintor, QRectF(0, 0, 200, 130));
            QVERIFY2(pintor.pen() == pluma && pintor.brush() == QBrush(Qt::blue) && pintor.font() == letra
                         && pintor.renderHints() == ayudas && pintor.transform() == QTransform::fromTranslate(5, 7)
                         && !pintor.hasClipping(),
                     qPrintable(nombre));
        }
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
