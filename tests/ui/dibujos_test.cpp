// Croquis de las instalaciones: dibujan dentro de su zona, se distinguen entre
// sí, no alteran el pintor y el lienzo los muestra.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "dibujos.h"

// Zona con coordenadas no enteras y margen blanco alrededor.
static QRectF ZonaEn(QSize lienzo)
{
    return {17.5, 11.25, lienzo.width() - 40.0, lienzo.height() - 30.0};
}

static QImage Pinta(int instalacion, QSize lienzo)
{
    QImage imagen(lienzo, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    DibujaInstalacion(pintor, ZonaEn(lienzo), instalacion);
    return imagen;
}

class DibujosTest : public QObject {
    Q_OBJECT
private slots:
    void DibujaSoloDentroDeSuZona()
    {
        for (QSize lienzo : {QSize(220, 150), QSize(880, 600)})
            for (int i = 0; i < 4; ++i) {
                const QImage imagen = Pinta(i, lienzo);
                const QRectF zona = ZonaEn(lienzo);
                int oscuros = 0, fuera = 0;
                for (int y = 0; y < imagen.height(); ++y)
                    for (int x = 0; x < imagen.width(); ++x) {
                        const QRectF pixel(x, y, 1, 1);
                        const QRgb color = imagen.pixel(x, y);
                        oscuros += zona.contains(pixel) && qGray(color) < 100;
                        fuera += !zona.intersects(pixel) && color != qRgb(255, 255, 255);
                    }
                QVERIFY2(oscuros > zona.width() * 2, qPrintable(QString::number(i)));
                QCOMPARE(fuera, 0);
            }
    }
    void CadaInstalacionSeDistingue()
    {
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                QVERIFY(Pinta(i, {220, 150}) != Pinta(j, {220, 150}));
    }
    void DejaElPintorComoEstaba()
    {
        QImage imagen(220, 150, QImage::Format_RGB32);
        QPainter pintor(&imagen);
        const QPen pluma(Qt::red, 3);
        pintor.setPen(pluma);
        pintor.setBrush(Qt::blue);
        pintor.translate(5, 7);
        const QFont letra = pintor.font();
        const auto ayudas = pintor.renderHints();
        DibujaInstalacion(pintor, QRectF(0, 0, 200, 130), 3);
        QCOMPARE(pintor.pen(), pluma);
        QCOMPARE(pintor.brush(), QBrush(Qt::blue));
        QCOMPARE(pintor.font(), letra);
        QCOMPARE(pintor.renderHints(), ayudas);
        QCOMPARE(pintor.transform(), QTransform::fromTranslate(5, 7));
    }
    void ElCroquisMuestraElDibujoQueSeLeDa()
    {
        Croquis croquis([](QPainter& p, const QRectF& z) { DibujaInstalacion(p, z, 0); });
        croquis.resize(croquis.sizeHint());
        const QImage zanja = croquis.grab().toImage();
        QCOMPARE(zanja.pixel(0, 0), qRgb(255, 255, 255));
        croquis.FijaDibujo([](QPainter& p, const QRectF& z) { DibujaInstalacion(p, z, 1); });
        QVERIFY(croquis.grab().toImage() != zanja);
    }
};

QTEST_MAIN(DibujosTest)
#include "dibujos_test.moc"
