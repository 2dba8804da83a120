// Croquis de instalaciones y camas: dibujan dentro de su zona, se distinguen,
// un código desconocido no dibuja y el lienzo los muestra. Croquis y fórmulas de la memoria.
// Perfil longitudinal de los tramos: qué altura y qué clase toma de cada tramo y que
// cualquier colección de tramos se dibuja, con sus colores de clase, y deprisa.
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "camas.h"
#include "clases.h"
#include "dibujos.h"
#include "informe_dibujos.h"
#include "perfil_tramos.h"

Q_DECLARE_METATYPE(std::vector<TramoPerfil>)

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

// Un tramo ya calculado a mano: su hr tras las correcciones y sus clases.
TramoCalculado Calculado(double hr, const std::string& une, const std::string& astm)
{
    TramoCalculado c;
    c.calculado = true;
    c.proyecto.hr = hr;
    c.une.clase = une;
    c.astm.clase = astm;
    return c;
}

Tramo DeFila(double pk0, double pk1, double hr)
{
    Tramo t;
    t.pkInicial = pk0, t.pkFinal = pk1, t.proyecto.hr = hr;
    return t;
}

// Número de píxeles de un color exacto.
int Pixeles(const QImage& imagen, QRgb color)
{
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            n += imagen.pixel(x, y) == color;
    return n;
}

std::vector<TramoPerfil> Seguidos(int n, double largo, int porClase,
                                  std::vector<std::string> clases)
{
    std::vector<TramoPerfil> perfil;
    for (int i = 0; i < n; ++i)
        perfil.push_back({i * largo, (i + 1) * largo, 1 + (i % 7) * 0.5,
                          clases[static_cast<std::size_t>(i / porClase) % clases.size()]});
    return perfil;
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
                         qPrintable(nombre + QString(": %1 píxeles oscuros").arg(oscuros)));
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

    // De cada tramo, tal como vienen (el dibujo los ordena): sus PK, la hr del registro
    // calculado (corregida) si se calculó y, si no, la de su fila, y la clase de la norma pedida;
    // ninguna en un tramo con errores o sin clase suficiente, o aún sin calcular.
    void DatosDelPerfil()
    {
        Tramo conErrores = DeFila(300, 250, 1.5);
        conErrores.errores = {"Línea 4, columna «hr»: no es un número"};
        TramoCalculado fallido;
        fallido.errores = conErrores.errores;
        const std::vector<Tramo> tramos{DeFila(0, 100, 0.4), DeFila(100, 250, 2), conErrores,
                                        DeFila(300, 400, 9)};
        const std::vector<TramoCalculado> calculos{Calculado(1.0, "90", "III"),
                                                   Calculado(2, "135", "IV"), fallido,
                                                   Calculado(9, "NO", "V")};
        const auto texto = [](const std::vector<TramoPerfil>& perfil) {
            QStringList tramos;
            for (const TramoPerfil& t : perfil)
                tramos << QString("%1-%2 %3 %4")
                              .arg(t.pkInicial)
                              .arg(t.pkFinal)
                              .arg(t.hr)
                              .arg(QString::fromStdString(t.clase));
            return tramos.join(" | ");
        };
        QCOMPARE(texto(PerfilDeTramos(tramos, calculos, 1)),
                 "0-100 1 90 | 100-250 2 135 | 300-250 1.5  | 300-400 9 ");
        QCOMPARE(texto(PerfilDeTramos(tramos, calculos, 2)),
                 "0-100 1 III | 100-250 2 IV | 300-250 1.5  | 300-400 9 V");
        QCOMPARE(texto(PerfilDeTramos(tramos, {}, 1)),
                 "0-100 0.4  | 100-250 2  | 300-250 1.5  | 300-400 9 ");
    }

    void Dibuja_data()
    {
        QTest::addColumn<std::vector<TramoPerfil>>("perfil");
        QTest::addColumn<QStringList>("clases");    // clases cuyo color ocupa la franja
        QTest::addColumn<bool>("sinClase");         // rayado de tramos sin clase
        QTest::addColumn<QStringList>("ausentes");  // clases que no se ven: otra predomina

        QTest::newRow("uno") << std::vector<TramoPerfil>{{0, 120, 2.5, "90"}} << QStringList{"90"}
                             << false << QStringList{};
        QTest::newRow("desordenados e invertidos")
            << std::vector<TramoPerfil>{{500, 300, 1, "135"},
                                        {0, 150, 3, "60"},
                                        {300, 150, 2, "90"}}
            << QStringList{"60", "90", "135"} << false << QStringList{};
        QTest::newRow("solapados y con huecos")
            << std::vector<TramoPerfil>{{0, 200, 2, "60"}, {150, 300, 4, "180"}, {600, 900, 1, ""}}
            << QStringList{"60"} << true << QStringList{};
        QTest::newRow("uno dentro de otro más resistente")
            << std::vector<TramoPerfil>{{0, 300, 2, "135"}, {100, 200, 3, "60"}}
            << QStringList{"135"} << false << QStringList{"60"};
        QTest::newRow("longitud nula y hr 0")
            << std::vector<TramoPerfil>{{50, 50, 0, "90"}, {50, 400, 0, "90"}, {700, 700, 3, ""}}
            << QStringList{"90"} << true << QStringList{};
        QTest::newRow("todos en un punto")
            << std::vector<TramoPerfil>{{1200, 1200, 2, "60"}, {1200, 1200, 5, "135"}}
            << QStringList{} << false << QStringList{"60"};
        QTest::newRow("ASTM sin clase")
            << std::vector<TramoPerfil>{{0, 80, 1, "II"}, {80, 90, 1.2, ""}, {90, 300, 1, "IV"}}
            << QStringList{"II", "IV"} << true << QStringList{};
        QTest::newRow("diez mil") << Seguidos(10000, 0.75, 100, {"60", "90", "135", ""})
                                  << QStringList{"60", "90", "135"} << true << QStringList{};
        QTest::newRow("valores imposibles")
            << std::vector<TramoPerfil>{{0, 100, std::numeric_limits<double>::quiet_NaN(), "60"},
                                        {100, std::numeric_limits<double>::infinity(), 2, "90"},
                                        {100, 200, 1e300, "60"}}
            << QStringList{"60"} << false << QStringList{};
        QTest::newRow("ninguno") << std::vector<TramoPerfil>{} << QStringList{} << false
                                 << QStringList{};
    }

    // Cualquier colección se dibuja dentro de su zona, con el color de cada
    // clase presente ocupando su franja (donde los tramos se solapan o
    // comparten un punto, el de la más resistente), el rayado de los tramos
    // sin clase y diez mil tramos en un momento.
    void Dibuja()
    {
        QFETCH(std::vector<TramoPerfil>, perfil);
        QFETCH(QStringList, clases);
        QFETCH(bool, sinClase);
        QFETCH(QStringList, ausentes);
        const bool astm = QString(QTest::currentDataTag()).contains("ASTM");
        QImage imagen(900, 500, QImage::Format_RGB32);
        imagen.fill(Qt::black);
        const QRectF zona(10.5, 10.25, 860, 470);
        QElapsedTimer reloj;
        {
            QPainter pintor(&imagen);
            reloj.start();
            DibujaPerfilTramos(pintor, zona, perfil, astm ? 2 : 1);
        }
        QVERIFY2(reloj.elapsed() < 500, qPrintable(QString::number(reloj.elapsed())));
        // Fuera de la zona no se pinta; dentro, fondo blanco y trazo negro.
        QCOMPARE(imagen.pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(imagen.pixel(895, 495), qRgb(0, 0, 0));
        QVERIFY(Pixeles(imagen, qRgb(255, 255, 255)) > 100000);
        // La muestra de la leyenda no llega a 400 píxeles: más es la franja.
        for (const QString& clase : clases) {
            const std::optional<ColorRGB> c = ColorClase(clase.toStdString());
            QVERIFY(c);
            QVERIFY2(Pixeles(imagen, qRgb(c->rojo, c->verde, c->azul)) > 1000, qPrintable(clase));
        }
        QCOMPARE(Pixeles(imagen, qRgb(232, 228, 220)) > 100, sinClase);
        for (const QString& clase : ausentes) {
            const std::optional<ColorRGB> c = ColorClase(clase.toStdString());
            QVERIFY2(Pixeles(imagen, qRgb(c->rojo, c->verde, c->azul)) == 0, qPrintable(clase));
        }
    }
};

QTEST_MAIN(DibujosTest)
#include "dibujos_test.moc"
