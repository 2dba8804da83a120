// Croquis de las camas de apoyo: dibujan dentro de su zona y sin deformar,
// cada cama se distingue, un código desconocido no dibuja y el pintor queda
// como estaba.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>

#include "camas.h"

namespace {

using Dibujo = std::function<void(QPainter&, const QRectF&)>;

// Las once camas de zanja y las cuatro clases de terraplén.
QList<QPair<QString, Dibujo>> Todos()
{
    QList<QPair<QString, Dibujo>> todos;
    for (int tipo = 3; tipo <= 13; ++tipo)
        todos.append({QString("cama %1").arg(tipo),
                      [tipo](QPainter& p, const QRectF& z) { DibujaCama(p, z, tipo); }});
    for (int clase = 0; clase <= 3; ++clase)
        todos.append(
            {QString("clase %1").arg(QChar('A' + clase)),
             [clase](QPainter& p, const QRectF& z) { DibujaClaseTerraplen(p, z, clase); }});
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

// Rectángulo que ocupa lo que no es blanco.
QRect Ocupado(const QImage& imagen)
{
    QRect caja;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixel(x, y) != qRgb(255, 255, 255))
                caja |= QRect(x, y, 1, 1);
    return caja;
}

} // namespace

class CamasTest : public QObject {
    Q_OBJECT
private slots:
    void DibujaSoloDentroDeSuZona()
    {
        for (QSize lienzo : {QSize(130, 110), QSize(880, 600)})
            for (const auto& [nombre, dibujo] : Todos()) {
                // Zona con coordenadas no enteras y margen blanco alrededor.
                const QRectF zona(7.5, 5.25, lienzo.width() - 20.0, lienzo.height() - 15.0);
                const QImage imagen = Pinta(dibujo, lienzo, zona);
                int oscuros = 0, fuera = 0;
                for (int y = 0; y < imagen.height(); ++y)
                    for (int x = 0; x < imagen.width(); ++x) {
                        const QRectF pixel(x, y, 1, 1);
                        const QRgb color = imagen.pixel(x, y);
                        oscuros += zona.contains(pixel) && qGray(color) < 100;
                        fuera += !zona.intersects(pixel) && color != qRgb(255, 255, 255);
                    }
                QVERIFY2(oscuros > zona.width(), qPrintable(nombre));
                QVERIFY2(fuera == 0, qPrintable(nombre));
            }
    }

    void NoSeDeformaYQuedaCentrado()
    {
        // Con la altura como límite, una zona tres veces más ancha no estira
        // el dibujo: ocupa lo mismo, en el centro.
        for (const auto& [nombre, dibujo] : Todos()) {
            const QRect justo = Ocupado(Pinta(dibujo, {300, 160}, QRectF(0, 0, 300, 160)));
            const QRect ancho = Ocupado(Pinta(dibujo, {900, 160}, QRectF(0, 0, 900, 160)));
            QVERIFY2(std::abs(justo.width() - ancho.width()) <= 2, qPrintable(nombre));
            QVERIFY2(std::abs(justo.height() - ancho.height()) <= 2, qPrintable(nombre));
            QVERIFY2(std::abs(ancho.center().x() - 450) <= 3, qPrintable(nombre));
        }
    }

    void CadaCamaSeDistingue()
    {
        const auto todos = Todos();
        QList<QImage> imagenes;
        for (const auto& [nombre, dibujo] : todos)
            imagenes.append(Pinta(dibujo, {220, 160}, QRectF(0, 0, 220, 160)));
        for (int i = 0; i < imagenes.size(); ++i)
            for (int j = i + 1; j < imagenes.size(); ++j)
                QVERIFY2(imagenes[i] != imagenes[j],
                         qPrintable(todos[i].first + " = " + todos[j].first));
    }

    void CodigoDesconocidoNoDibuja()
    {
        const QRectF zona(0, 0, 220, 160);
        for (int tipo : {-1, 0, 2, 14, 100})
            QVERIFY(Ocupado(Pinta([tipo](QPainter& p, const QRectF& z) { DibujaCama(p, z, tipo); },
                                  {220, 160}, zona))
                        .isNull());
        for (int clase : {-1, 4})
            QVERIFY(Ocupado(Pinta([clase](QPainter& p,
                                          const QRectF& z) { DibujaClaseTerraplen(p, z, clase); },
                                  {220, 160}, zona))
                        .isNull());
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
            QCOMPARE(pintor.pen(), pluma);
            QCOMPARE(pintor.brush(), QBrush(Qt::blue));
            QCOMPARE(pintor.font(), letra);
            QCOMPARE(pintor.renderHints(), ayudas);
            QCOMPARE(pintor.transform(), QTransform::fromTranslate(5, 7));
            QVERIFY(!pintor.hasClipping());
        }
    }
};

QTEST_MAIN(CamasTest)
#include "camas_test.moc"
