// Pruebas de las hojas de resultados de zanja y de terraplén: títulos,
// celdas frente a la matriz del cálculo, sexta columna, zoom de cada cama o
// clase, impresión y PDF.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "clases.h"
#include "ayuda.h"
#include "dibujos.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "hoja_terraplen.h"
#include "hoja_zanjas.h"
#include "interlocutor.h"
#include "proyecto.h"

namespace {

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

int PaginasPdf(const QString& archivo)
{
    for (const QString& linea : Ejecuta("pdfinfo", {archivo}).split('\n'))
        if (linea.startsWith("Pages:"))
            return linea.mid(6).trimmed().toInt();
    return 0;
}

// Texto del PDF con los blancos reducidos a uno, como el de las etiquetas
// con simplified(): pdftotext no conserva las series de blancos.
QString TextoPdf(const QString& archivo)
{
    return Ejecuta("pdftotext", {archivo, "-"}).simplified();
}

// Textos de las etiquetas colocadas directamente en la hoja (lo imprimible).
QStringList TextosHoja(const THojaResultados& hoja)
{
    QStringList textos;
    for (QLabel* rotulo : hoja.Hoja->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        textos.append(rotulo->text());
    return textos;
}

QLabel* Etiqueta(QWidget* ventana, const char* nombre)
{
    return ventana->findChild<QLabel*>(nombre);
}

}  // namespace

class PruebaHojas : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    DialogosGuion guion;
    QTemporaryDir carpeta;
    QTimer vigia;
    QStringList modalesCerrados;

    // Tubo de 1000 mm con 100 mm de pared bajo 2 m de relleno, en la
    // instalación y el modo dados.
    void Caso(int instalacion, int relleno, int modo)
    {
        p->InstalacionIndex = static_cast<std::uint8_t>(instalacion);
        p->RellenoIndex = static_cast<std::uint8_t>(relleno);
        p->ModoCalculo = static_cast<std::uint8_t>(modo);
        p->Di = 1.0;
        p->Es = 0.1;
        p->De = 1.2;
        p->hr = 2;
        p->b = 2.2;
        p->h2r = 1.5;
        p->hr1 = 0.6;
        p->n = 0.5;
        p->hr2 = 0.8;
        p->b2 = 1.0;
        p->BaseIndex = 1;
        p->fi = 30;
        p->fi1 = 20;
        p->gamma = 20;
    }

    std::unique_ptr<THojaResultados> Hoja(int instalacion)
    {
        if (instalacion == InstalacionZanja || instalacion == InstalacionZanjaTerraplenada)
            return std::make_unique<TResultadoZanjas>(*p, *f);
        return std::make_unique<TResultadoTerraplen>(*p, *f);
    }

    // Guion del diálogo de imprimir: acepta y escribe en el PDF dado; mientras,
    // anota qué se veía en la hoja.
    QString Imprimir(THojaResultados& hoja, QStringList& mientras)
    {
        const QString archivo = carpeta.filePath("hoja.pdf");
        QFile::remove(archivo);
        guion.imprimir = [&hoja, &mientras, archivo](QPrinter& impresora) {
            for (const char* nombre : {"BImprimir", "BAbortar", "LZoom", "ImagenPanel", "Panel1", "Panel"}) {
                auto* control = hoja.findChild<QWidget*>(nombre);
                if (control && control->isVisible())
                    mientras.append(nombre);
            }
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(archivo);
            impresora.setCopyCount(1);
            return true;
        };
        return archivo;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(carpeta.isValid());
    }

    void init()
    {
        FijaDialogos(&guion);
        guion = DialogosGuion();
        modalesCerrados.clear();
        p = std::make_unique<Proyecto>();
        f = std::make_unique<TForm1>(*p);
        // Una ventana modal que nadie cierra haría esperar a la prueba para siempre.
        connect(&vigia, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalesCerrados.append(modal->objectName() + " " + modal->windowTitle());
                modal->close();
            }
        });
        vigia.start(200);
    }

    void cleanup()
    {
        vigia.stop();
        vigia.disconnect();
        QVERIFY2(guion.imprevistos.isEmpty(), qPrintable(guion.imprevistos.join(" | ")));
        QVERIFY2(modalesCerrados.isEmpty(), qPrintable(modalesCerrados.join(" | ")));
        p->Modificado = 0;
        f.reset();
        FijaDialogos(nullptr);
    }

    void Titulos_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("zanja") << 0 << "Resultados"
                               << "Zanja. De=1.2m  Es=0.1m  Di=1m  hr=2m  b=2.2m.";
        // Tras h"r no va unidad.
        QTest::newRow("zanja terraplenada") << 2 << "Resultados"
                                            << "Zanja Terraplenada. De=1.2m  Es=0.1m  Di=1m  hr=2m  "
                                               "h\"r=1.5  b=2.2m.";
        QTest::newRow("terraplén") << 1 << "ResultadoTerraplen"
                                   << "Terraplén. De=1.2m  Es=0.1m  Di=1m  hr=2m  h´r=0.6m  h´r/De=0.5";
        // El cálculo de la zanja inducida deja hr2/b2 = 0.8 en el campo n; el
        // título da h'r/De.
        QTest::newRow("zanja inducida") << 3 << "ResultadoTerraplen"
                                        << "Terraplén. De=1.2m  Es=0.1m  Di=1m  hr=2m  h´r=0.6m  "
                                           "h´r/De=0.5";
    }

    void Titulos()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, caption);
        QFETCH(QString, titulo);
        Caso(instalacion, 2, 1);
        auto hoja = Hoja(instalacion);
        hoja->show();
        QCOMPARE(hoja->windowTitle(), caption);
        QCOMPARE(hoja->titulo->text(), titulo);
        QCOMPARE(hoja->titulo->parentWidget(), hoja->Hoja);
        if (instalacion == InstalacionZanjaTerraplenada)
            QVERIFY(hoja->titulo->text().contains("m  h\"r=1.5  b="));
    }

    void Rotulos_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("zanja") << 0
                               << QStringList{"Apoyo", "Relleno", "Hormigón", "Compactado",
                                              "Selec. Sin Compactar", "180º", "120º", "90º",
                                              " Granular", " Apoyo directo", "Arcilla plástica",
                                              "Zahorras", "Def. por usuario", "Clase mínima",
                                              "Carga Cálculo (kN/m²)    ",
                                              "Pulsar sobre los iconos para ZOOM"};
        QTest::newRow("terraplén") << 1
                                   << QStringList{"A", "Hormigón", "B", "Material Granular ", "C",
                                                  "Compactado 95% P.N.", "Arcilla ordinaria",
                                                  "Arenas y gravas", "Leyenda:", "Clase mínima",
                                                  "Carga Cálculo (kN/m²)       "};
    }

    // Los rótulos son etiquetas de la propia hoja: se imprimen.
    void Rotulos()
    {
        QFETCH(int, instalacion);
        QFETCH(QStringList, textos);
        Caso(instalacion, 2, 1);
        auto hoja = Hoja(instalacion);
        const QStringList enHoja = TextosHoja(*hoja);
        for (const QString& texto : textos)
            QVERIFY2(enHoja.contains(texto), qPrintable(texto));
    }

    // Cada rótulo de cama está a la altura de las celdas de su fila.
    void FilasAlineadas()
    {
        Caso(0, 2, 1);
        TResultadoZanjas hoja(*p, *f);
        hoja.show();
        for (int fila = 1; fila <= 11; ++fila) {
            const int centro = hoja.Celda(fila, 1)->geometry().center().y();
            auto* rotulo = hoja.Hoja->findChild<QLabel*>(QString("LCama%1_1").arg(fila));
            QVERIFY(rotulo);
            QCOMPARE(rotulo->geometry().center().y(), centro);
            auto* icono = hoja.Hoja->findChild<QWidget*>(QString("Image%1").arg(fila));
            QVERIFY(icono);
            QVERIFY(std::abs(icono->geometry().center().y() - centro) <= 1);
        }
    }

    void Celdas_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("relleno");
        QTest::addColumn<int>("modo");
        QTest::addColumn<double>("Di");
        QTest::newRow("zanja UNE arena arcillosa") << 0 << 2 << 1 << 1.0;
        QTest::newRow("zanja terraplenada ASTM usuario") << 2 << 5 << 2 << 1.0;
        QTest::newRow("zanja UNE usuario, tubo grande") << 0 << 5 << 1 << 2.0;
        QTest::newRow("terraplén UNE usuario") << 1 << 5 << 1 << 1.0;
        QTest::newRow("zanja inducida ASTM zahorras") << 3 << 4 << 2 << 1.0;
        QTest::newRow("zanja sin modo") << 0 << 2 << 0 << 1.0;
        QTest::newRow("zanja sin diámetro: error") << 0 << 5 << 1 << 0.0;
    }

    // Cada celda Lffc muestra el texto y el color de la fila f y la columna c
    // de la matriz del cálculo; sin color, el fondo de la hoja.
    void Celdas()
    {
        QFETCH(int, instalacion);
        QFETCH(int, relleno);
        QFETCH(int, modo);
        QFETCH(double, Di);
        Caso(instalacion, relleno, modo);
        p->Di = Di;
        auto hoja = Hoja(instalacion);
        const HojaResultados tipo = instalacion == InstalacionZanja ||
                                            instalacion == InstalacionZanjaTerraplenada
                                        ? HojaResultados::Zanjas
                                        : HojaResultados::Terraplen;
        const int filas = FilasHoja(tipo);
        int celdas = 0;
        for (QLabel* rotulo : hoja->Hoja->findChildren<QLabel*>())
            celdas += rotulo->objectName().size() == 4 && rotulo->objectName().startsWith("L");
        QCOMPARE(celdas, filas * 6);
        for (int fila = 1; fila <= filas; ++fila)
            for (int columna = 1; columna <= 6; ++columna)
                QCOMPARE(Etiqueta(hoja->Hoja, qPrintable(QString("L%1%2")
                                                             .arg(fila, 2, 10, QChar('0'))
                                                             .arg(columna)))
                             ->text(),
                         QString("---"));

        Proyecto copia = *p;
        RespondeNo no;
        const MatrizResultados matriz = RellenaResultados(copia, no, tipo);
        hoja->show();
        const QColor fondo = hoja->Hoja->palette().color(QPalette::Window);
        QSet<QString> distintos;
        for (int fila = 1; fila <= filas; ++fila)
            for (int columna = 1; columna <= 6; ++columna) {
                const CeldaResultado& esperada = matriz[fila - 1][columna - 1];
                const QString nombre =
                    QString("L%1%2").arg(fila, 2, 10, QChar('0')).arg(columna);
                QLabel* celda = Etiqueta(hoja->Hoja, qPrintable(nombre));
                QCOMPARE(celda->text(), QString::fromStdString(esperada.texto));
                if (Di == 0)
                    QCOMPARE(celda->text(), QString("error"));  // el fallo se ve tal cual
                distintos.insert(celda->text());
                const QColor color = celda->palette().color(QPalette::Window);
                if (esperada.color) {
                    QVERIFY(celda->autoFillBackground());
                    QCOMPARE(color, QColor(esperada.color->rojo, esperada.color->verde,
                                           esperada.color->azul));
                    // La letra se lee sobre el color de la clase.
                    const QColor letra = celda->palette().color(QPalette::WindowText);
                    QVERIFY2(std::abs(qGray(letra.rgb()) - qGray(color.rgb())) > 90,
                             qPrintable(nombre));
                } else {
                    QVERIFY(!celda->autoFillBackground() || color == fondo);
                }
                const bool usuario = relleno == RellenoUsuario;
                QCOMPARE(celda->isVisible(), columna < 6 || usuario);
            }
        // Filas y columnas no se confunden: la matriz tiene textos distintos.
        if (modo != 0 && Di > 0)
            QVERIFY(distintos.size() > filas);
        QLabel* cabecera = nullptr;
        for (QLabel* rotulo : hoja->Hoja->findChildren<QLabel*>())
            if (rotulo->text() == "Def. por usuario")
                cabecera = rotulo;
        QVERIFY(cabecera);
        QCOMPARE(cabecera->isVisible(), relleno == RellenoUsuario);
    }

    void ColoresTerraplen()
    {
        Caso(1, 2, 1);
        TResultadoTerraplen hoja(*p, *f);
        hoja.show();
        QCOMPARE(hoja.Hoja->palette().color(QPalette::Window), QColor(128, 0, 0));
        QCOMPARE(hoja.titulo->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(hoja.BAbortar->text(), QString("Parar..."));
        QVERIFY(!hoja.BAbortar->isVisible());
        QVERIFY(!hoja.Panel->isVisible());
    }

    void ZoomZanja_data()
    {
        QTest::addColumn<int>("fila");
        QTest::addColumn<double>("hr");
        QTest::addColumn<double>("Di");
        QTest::addColumn<int>("tipo");  // cama elegida en la ventana principal
        QTest::addColumn<QStringList>("esperado");  // L1, L2, L3 visible, LSuelo, LRoca, LRelleno, LBase
        const QString compactado = "Relleno Compactado 95% P.N.";
        const QString seleccionado = "Relleno Seleccionado sin compactar";
        const QString granular = "Material Granular Compactado 95% P.N.";
        // Di = 1 y Es = 0.1: De = 1.2.
        QTest::newRow("01") << 1 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.6 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
        QTest::newRow("02") << 2 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.3 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
        QTest::newRow("03") << 3 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.2 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
        QTest::newRow("04") << 4 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.6 m", "sí", "0.1 m", "0.23 m", seleccionado, "Hormigón"};
        QTest::newRow("05") << 5 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.3 m", "sí", "0.1 m", "0.23 m", seleccionado, "Hormigón"};
        QTest::newRow("06") << 6 << 2.0 << 1.0 << 3
                            << QStringList{"0.30 m", "0.2 m", "sí", "0.1 m", "0.23 m", seleccionado, "Hormigón"};
        QTest::newRow("07 sin cuna") << 7 << 2.0 << 1.0 << 3
                                     << QStringList{"0.30 m", "", "sí", "0.1 m", "0.23 m", granular, ""};
        QTest::newRow("08 con hr alta") << 8 << 4.0 << 1.0 << 3
                                        << QStringList{"0.30 m", "0.6 m", "sí", "0.1 m", "0.23 m", compactado, granular};
        QTest::newRow("09 hr 3.2") << 9 << 3.2 << 1.0 << 3
                                   << QStringList{"0.4 m", "0.2 m", "sí", "0.1 m", "0.23 m", compactado, granular};
        QTest::newRow("09 hr 2") << 9 << 2.0 << 1.0 << 3
                                 << QStringList{"0.3 m", "0.2 m", "sí", "0.1 m", "0.23 m", compactado, granular};
        QTest::newRow("10 hr 4") << 10 << 4.0 << 1.0 << 3
                                 << QStringList{"0.5 m", "0.2 m", "sí", "0.1 m", "0.23 m", seleccionado, granular};
        QTest::newRow("11 hr 0.8") << 11 << 0.8 << 1.0 << 3
                                   << QStringList{"0.15 m", "", "no", "0 m", "0 m", "Relleno fino", ""};
        QTest::newRow("11 hr 2") << 11 << 2.0 << 1.0 << 13
                                 << QStringList{"0.25 m", "", "no", "0 m", "0 m", "Relleno fino", ""};
        // Di = 0.7 cae en la banda central; Es = 0.1 da De = 0.9.
        QTest::newRow("Di 0.7") << 3 << 2.0 << 0.7 << 3
                                << QStringList{"0.30 m", "0.15 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
        QTest::newRow("Di 0.69") << 1 << 2.0 << 0.69 << 3
                                 << QStringList{"0.30 m", "0.445 m", "sí", "0.08 m", "0.15 m", compactado, "Hormigón"};
        QTest::newRow("Di 1.5") << 1 << 2.0 << 1.5 << 3
                                << QStringList{"0.30 m", "0.85 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
        QTest::newRow("Di 1.51") << 1 << 2.0 << 1.51 << 3
                                 << QStringList{"0.30 m", "0.855 m", "sí", "0.15 m", "0.3 m", compactado, "Hormigón"};
        // La cama sin espesor es la de la fila (apoyo directo), no la elegida
        // en la ventana principal.
        QTest::newRow("Tipo 13 elegido, fila 01") << 1 << 2.0 << 1.0 << 13
                                                  << QStringList{"0.30 m", "0.6 m", "sí", "0.1 m", "0.23 m", compactado, "Hormigón"};
    }

    void ZoomZanja()
    {
        QFETCH(int, fila);
        QFETCH(double, hr);
        QFETCH(double, Di);
        QFETCH(int, tipo);
        QFETCH(QStringList, esperado);
        Caso(0, 2, 1);
        p->hr = hr;
        p->Di = Di;
        p->De = Di + 2 * p->Es;
        p->Tipo = static_cast<std::int8_t>(tipo);
        TResultadoZanjas hoja(*p, *f);
        hoja.show();
        QVERIFY(!hoja.Panel1->isVisible());
        // Se pulsa antes otro icono: el segundo reemplaza lo que mostraba el panel.
        QTest::mouseClick(hoja.findChild<QWidget*>(fila == 7 ? "Image1" : "Image7"), Qt::LeftButton);
        QTest::mouseClick(hoja.findChild<QWidget*>(qPrintable(QString("Image%1").arg(fila))),
                          Qt::LeftButton);
        QVERIFY(hoja.Panel1->isVisible());
        QVERIFY(hoja.ImagenPanel->isVisible());
        const QStringList visto{hoja.L1->text(),
                                hoja.L2->text(),
                                hoja.L3->isVisible() ? "sí" : "no",
                                hoja.LSuelo->text(),
                                hoja.LRoca->text(),
                                hoja.LRelleno->text(),
                                hoja.LBase->text()};
        QCOMPARE(visto, esperado);
        QCOMPARE(hoja.L3->text(), QString("c"));
        QTest::mouseClick(hoja.BCerrar, Qt::LeftButton);
        QVERIFY(!hoja.Panel1->isVisible());
    }

    void ZoomTerraplen_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("base");
        QTest::addColumn<double>("Di");
        QTest::addColumn<QStringList>("esperado");  // L1..L4
        // Es = 0.1 y h'r = 0.6.
        QTest::newRow("A") << 1 << 1 << 1 << 1.0 << QStringList{"1.4 m", "0.6 m", "0.3 m", "0.25 m"};
        QTest::newRow("A base rígida") << 1 << 1 << 0 << 1.0
                                       << QStringList{"1.4 m", "0.6 m", "0.3 m", "0.25 m"};
        QTest::newRow("B suelo") << 1 << 2 << 1 << 1.0 << QStringList{"1.5 m", "0.6 m", "0.48 m", "0.1 m"};
        QTest::newRow("B base rígida Di 0.7") << 1 << 2 << 0 << 0.7
                                              << QStringList{"1.125 m", "0.6 m", "0.36 m", "0.23 m"};
        QTest::newRow("B suelo Di 0.7") << 1 << 2 << 2 << 0.7
                                        << QStringList{"1.125 m", "0.6 m", "0.36 m", "0.1 m"};
        QTest::newRow("C suelo Di 0.5") << 1 << 3 << 1 << 0.5
                                        << QStringList{"0.875 m", "0.6 m", "0.119 m", "0.08 m"};
        QTest::newRow("C base rígida Di 2") << 1 << 3 << 0 << 2.0
                                            << QStringList{"2.75 m", "0.6 m", "0.374 m", "0.3 m"};
        QTest::newRow("C base rígida Di 0.5") << 1 << 3 << 0 << 0.5
                                              << QStringList{"0.875 m", "0.6 m", "0.119 m", "0.15 m"};
        // En la zanja inducida h'r sigue siendo h'r, no hr2/b2·De.
        QTest::newRow("zanja inducida B") << 3 << 2 << 1 << 1.0
                                          << QStringList{"1.5 m", "0.6 m", "0.48 m", "0.1 m"};
    }

    void ZoomTerraplen()
    {
        QFETCH(int, instalacion);
        QFETCH(int, fila);
        QFETCH(int, base);
        QFETCH(double, Di);
        QFETCH(QStringList, esperado);
        Caso(instalacion, 2, 1);
        p->BaseIndex = static_cast<std::uint8_t>(base);
        p->Di = Di;
        p->De = Di + 2 * p->Es;
        TResultadoTerraplen hoja(*p, *f);
        hoja.show();
        QTest::mouseClick(hoja.findChild<QWidget*>(fila == 1 ? "Image3" : "Image1"), Qt::LeftButton);
        QTest::mouseClick(hoja.findChild<QWidget*>(qPrintable(QString("Image%1").arg(fila))),
                          Qt::LeftButton);
        QVERIFY(hoja.Panel->isVisible());
        const QStringList visto{hoja.L1->text(), hoja.L2->text(), hoja.L3->text(), hoja.L4->text()};
        QCOMPARE(visto, esperado);
        QTest::mouseClick(hoja.BCerrar, Qt::LeftButton);
        QVERIFY(!hoja.Panel->isVisible());
    }

    void Imprimir_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("relleno");
        QTest::addColumn<QStringList>("mientrasImprime");
        QTest::addColumn<QStringList>("nunca");  // textos que no salen en papel
        const QStringList zoomZanja{"Tipo de Terreno", "Valores de c", "Suelo", "Roca",
                                    "Relleno fino", "Pulsar sobre los iconos", "Cerrar", "Imprimir"};
        QTest::newRow("zanja") << 0 << 2 << QStringList{"BAbortar", "Panel1"}
                               << (zoomZanja + QStringList{"Def. por usuario"});
        QTest::newRow("zanja terraplenada usuario") << 2 << 5 << QStringList{"BAbortar", "Panel1"}
                                                    << zoomZanja;
        QTest::newRow("terraplén") << 1 << 5 << QStringList{"BAbortar"}
                                   << QStringList{"Clase C:", "Cerrar", "Parar", "Imprimir"};
    }

    // Se imprime una página con las celdas, sin el zoom ni los botones, y los
    // botones vuelven a su sitio.
    void Imprimir()
    {
        QFETCH(int, instalacion);
        QFETCH(int, relleno);
        QFETCH(QStringList, mientrasImprime);
        QFETCH(QStringList, nunca);
        Caso(instalacion, relleno, 1);
        auto hoja = Hoja(instalacion);
        hoja->show();
        auto* zanjas = dynamic_cast<TResultadoZanjas*>(hoja.get());
        auto* terraplen = dynamic_cast<TResultadoTerraplen*>(hoja.get());
        if (zanjas)
            zanjas->ImageClick(11);
        else
            terraplen->ImageClick(3);
        QStringList visto;
        const QString archivo = Imprimir(*hoja, visto);
        QTest::mouseClick(hoja->BImprimir, Qt::LeftButton);
        QCOMPARE(guion.impresiones, 1);
        // El panel de zanjas sigue abierto (no se imprime); el de terraplén se cierra.
        QCOMPARE(visto, mientrasImprime);
        QCOMPARE(PaginasPdf(archivo), 1);
        const QString texto = TextoPdf(archivo);
        QVERIFY2(texto.contains(hoja->titulo->text().simplified()), qPrintable(texto));
        const int filas = zanjas ? 11 : 3;
        const int columnas = relleno == RellenoUsuario ? 6 : 5;
        for (int fila = 1; fila <= filas; ++fila)
            for (int columna = 1; columna <= columnas; ++columna)
                QVERIFY2(texto.contains(hoja->Celda(fila, columna)->text().simplified()),
                         qPrintable(hoja->Celda(fila, columna)->text()));
        QVERIFY(texto.contains("Clase mínima"));
        QVERIFY(texto.contains("Carga Cálculo (kN/m²)"));
        for (const QString& ausente : nunca)
            QVERIFY2(!texto.contains(ausente), qPrintable(ausente));
        QVERIFY(hoja->BImprimir->isVisible());
        QVERIFY(!hoja->BAbortar->isVisible());
        if (zanjas) {
            QVERIFY(zanjas->LZoom->isVisible());
            // El panel abierto sigue con su croquis.
            QVERIFY(zanjas->Panel1->isVisible() && zanjas->ImagenPanel->isVisible());
        } else {
            QVERIFY(!terraplen->Panel->isVisible());
        }
    }

    void Parar_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::newRow("zanja") << 0;
        QTest::newRow("terraplén") << 1;
    }

    // Parar, pulsado mientras se imprime, devuelve los botones; sin trabajo
    // en curso no aborta nada y la hoja sale igual.
    void Parar()
    {
        QFETCH(int, instalacion);
        Caso(instalacion, 2, 1);
        auto hoja = Hoja(instalacion);
        hoja->show();
        const QString archivo = carpeta.filePath("parar.pdf");
        QFile::remove(archivo);
        bool pulsado = false;
        guion.imprimir = [&](QPrinter& impresora) {
            pulsado = hoja->BAbortar->isVisible();
            QTest::mouseClick(hoja->BAbortar, Qt::LeftButton);
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(archivo);
            impresora.setCopyCount(1);
            return true;
        };
        hoja->BImprimirClick();
        QVERIFY(pulsado);
        QVERIFY(hoja->BImprimir->isVisible());
        QVERIFY(!hoja->BAbortar->isVisible());
        QCOMPARE(PaginasPdf(archivo), 1);
    }

    void ExportarPdf_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("archivoProyecto");
        QTest::addColumn<QString>("propuesto");
        QTest::newRow("zanja sin archivo") << 0 << "" << "resultados.pdf";
        QTest::newRow("terraplén con archivo") << 1 << "/datos/obra.v2/tubo.txt"
                                               << "/datos/obra.v2/tubo.pdf";
    }

    void ExportarPdf()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, archivoProyecto);
        QFETCH(QString, propuesto);
        Caso(instalacion, 2, 2);
        p->FileName = archivoProyecto.toStdString();
        auto hoja = Hoja(instalacion);
        hoja->show();
        const QString archivo = carpeta.filePath("exportada.pdf");
        guion.nombres = {archivo};
        QTest::mouseClick(hoja->BExportarPdf, Qt::LeftButton);
        QCOMPARE(guion.propuestos, QStringList{propuesto});
        QCOMPARE(PaginasPdf(archivo), 1);
        QVERIFY(TextoPdf(archivo).contains(hoja->Celda(2, 3)->text().simplified()));
    }

    void CancelarYAyuda_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::newRow("zanja") << 0;
        QTest::newRow("terraplén") << 1;
    }

    void CancelarYAyuda()
    {
        QFETCH(int, instalacion);
        Caso(instalacion, 2, 1);
        auto hoja = Hoja(instalacion);
        hoja->show();
        QCOMPARE(hoja->BImprimir->text(), QString("&Imprimir"));
        QCOMPARE(hoja->BCancelar->text(), QString("&Cancelar"));
        QTest::mouseClick(hoja->BAyuda, Qt::LeftButton);
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 22);
        QCOMPARE(ContextoAyuda(hoja->Celda(1, 1)), 22);
        VentanaAyuda::Unica().close();
        QTest::mouseClick(hoja->BCancelar, Qt::LeftButton);
        QVERIFY(!hoja->isVisible());
        QCOMPARE(hoja->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(PruebaHojas)
#include "hojas_test.moc"
