// Impresión de una ventana: escala y centrado, paso de rectángulos, corte del
// texto en trozos y su colocación; y una ventana de prueba impresa de verdad a
// PDF (qué se imprime, copias, fallos, abortar), su imagen, la vista previa y
// la exportación a PDF.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "dialogos_guion.h"
#include "dibujos.h"
#include "impresion.h"
#include "impresora.h"

namespace {

// Un dibujo de prueba: escribe su nombre (queda como texto en el PDF), cuenta
// las veces que se pinta y hace algo mientras.
struct Pintado {
    int veces = 0;
    std::function<void()> alPintar;
};

Croquis* NuevoCroquis(QWidget* padre, const QString& nombre, Pintado& pintado, QRect sitio)
{
    auto* croquis = new Croquis(
        [nombre, &pintado](QPainter& pintor, const QRectF& zona) {
            ++pintado.veces;
            if (pintado.alPintar)
                pintado.alPintar();
            pintor.drawText(zona, Qt::AlignCenter, nombre);
        },
        padre);
    croquis->setGeometry(sitio);
    return croquis;
}

QLabel* Etiqueta(QWidget* padre, const QString& texto, QRect sitio,
                 Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(sitio);
    etiqueta->setAlignment(alineacion | Qt::AlignTop);
    return etiqueta;
}

// Una ventana de 400 × 300 con un elemento de cada clase.
struct VentanaPrueba {
    QWidget ventana;
    Pintado marcado;
    Pintado sinMarcar;
    QLabel* derecha;
    QLabel* coloreada;
    QLabel* tapada;
    QWidget* marco;

    VentanaPrueba()
    {
        ventana.resize(400, 300);
        QFont letra("Liberation Sans");
        letra.setPixelSize(11);
        ventana.setFont(letra);
        Etiqueta(&ventana, "Izquierda", {10, 10, 120, 16});
        derecha = Etiqueta(&ventana, "qr= 12.34 kN/m", {200, 10, 136, 16}, Qt::AlignRight);
        coloreada = Etiqueta(&ventana, "Coloreada", {10, 40, 100, 20});
        coloreada->setAutoFillBackground(true);
        QPalette paleta = coloreada->palette();
        paleta.setColor(QPalette::Window, Qt::yellow);
        coloreada->setPalette(paleta);
        auto* caja = new QPlainTextEdit("LineaUno\nLineaDos\nLineaFuera", &ventana);
        caja->setGeometry(10, 70, 150, 20);
        MarcaParaImprimir(NuevoCroquis(&ventana, "DibujoMarcado", marcado, {200, 60, 150, 80}));
        NuevoCroquis(&ventana, "DibujoSinMarcar", sinMarcar, {200, 150, 150, 60});
        // Una etiqueta y, creado después, el marco que la cubre.
        tapada = Etiqueta(&ventana, "Tapada", {30, 160, 80, 16});
        marco = new QFrame(&ventana);
        marco->setGeometry(20, 150, 120, 40);
        MarcaComoMarco(marco);
        new QPushButton("Boton", &ventana);
        auto* panel = new QFrame(&ventana);
        panel->setGeometry(10, 220, 150, 40);
        Etiqueta(panel, "EnPanel", {5, 5, 100, 16});
        Etiqueta(&ventana, "Oculta", {200, 220, 100, 16})->hide();
        Etiqueta(&ventana, "Ultima", {200, 260, 100, 16});
    }
};

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    proceso.waitForFinished(30000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// Un campo de pdfinfo ("Pages", "Title").
QString CampoPdf(const QString& archivo, const QString& campo)
{
    return Ejecuta("pdfinfo", {archivo}).section(campo + ":", 1).section('\n', 0, 0).trimmed();
}

// Medidas de letra de prueba: 10 de ancho por letra, 20 de alto.
const auto Anchura = [](const QString& trozo) { return 10 * int(trozo.size()); };
const auto Altura = [](const QString&) { return 20; };

}  // namespace

class PruebaImpresion : public QObject {
    Q_OBJECT

    DialogosGuion guion;
    QTemporaryDir carpeta;

    // Guion del diálogo de imprimir: acepta (o no) con tantas copias y al PDF dado.
    void Imprimir(const QString& archivo, int copias, bool acepta)
    {
        guion.imprimir = [archivo, copias, acepta](QPrinter& impresora) {
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(archivo);
            impresora.setCopyCount(copias);
            return acepta;
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(carpeta.isValid());
        FijaDialogos(&guion);
    }
    void init() { guion = DialogosGuion(); }
    void cleanupTestCase() { FijaDialogos(nullptr); }

    // s = 0.8·min(W/w, H/h), centrada; los desplazamientos, por truncamiento.
    void escala()
    {
        // Por el ancho: s = 0.8·5.005 y ocupa 4004 × 4004 (500.5 y 2498.5 de margen).
        const EscalaPagina ancho = CalculaEscala(5005, 9001, 1000, 1000);
        QCOMPARE(ancho.s, 4.004);
        QCOMPARE(ancho.dx, 500);
        QCOMPARE(ancho.dy, 2498);
        // Más alta, en proporción, que la página: s = 0.8·8.005, ocupa 3202 × 6404.
        const EscalaPagina alto = CalculaEscala(5001, 8005, 500, 1000);
        QCOMPARE(alto.s, 6.404);
        QCOMPARE(alto.dx, 899);
        QCOMPARE(alto.dy, 800);
    }

    void rectangulos()
    {
        const EscalaPagina escala{2.5, 100, 50};
        // Cada medida por separado: el borde derecho es L + parte entera de
        // ancho·s, no (l + ancho)·s.
        QCOMPARE(MapeaRectangulo({3, 5, 33, 7}, escala), QRect(107, 62, 82, 17));
        QCOMPARE(RectanguloDibujo({3, 5, 33, 7}, {33, 7}, escala), QRect(107, 62, 82, 17));
        // Otra proporción: el dibujo llena un lado y conserva la suya.
        QCOMPARE(RectanguloDibujo({10, 20, 100, 50}, {200, 50}, escala), QRect(125, 100, 250, 62));
        QCOMPARE(RectanguloDibujo({10, 20, 100, 50}, {100, 100}, escala),
                 QRect(125, 100, 125, 125));
    }

    // Cada blanco, salvo uno inicial, termina un trozo; el décimo lleva el resto.
    void trozos()
    {
        const QList<std::pair<QString, QStringList>> casos{
            {"12.34 kN/m", {"12.34 ", "kN/m"}},
            {" a b", {" a ", "b"}},
            {"a  b", {"a ", " ", "b"}},
            {"ab ", {"ab "}},
            {"", {}},
            {"1 2 3 4 5 6 7 8 9 10", {"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10"}},
            {"1 2 3 4 5 6 7 8 9 10 11 12",
             {"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10 11 12"}}};
        for (const auto& [texto, trozos] : casos) {
            const std::vector<QString> cortados = CortaEnTrozos(texto);
            QCOMPARE(QStringList(cortados.begin(), cortados.end()), trozos);
        }
    }

    // Un trozo que no cabe en lo que queda de línea pasa a la siguiente (en una
    // línea vacía se queda aunque se salga); se para tras escribir el primero
    // que empieza por debajo del fondo. Con s = 1.5 el margen es 3.
    void colocacion()
    {
        struct Caso {
            QString texto;
            int ancho, alto;
            QList<QPoint> posiciones;
        };
        for (const Caso& caso : {Caso{"ab cd", 100, 50, {{3, 3}, {33, 3}}},
                                 Caso{"aaa bbb ccc", 70, 100, {{3, 3}, {3, 23}, {3, 43}}},
                                 Caso{"aaa bbb ccc ddd", 70, 30, {{3, 3}, {3, 23}, {3, 43}}},
                                 Caso{"abcdefghij", 50, 50, {{3, 3}}}}) {
            QList<QPoint> colocadas;
            QString juntos;
            for (const TrozoColocado& trozo :
                 ColocaTrozos(caso.texto, caso.ancho, caso.alto, 1.5, Anchura, Altura)) {
                colocadas.append({trozo.x, trozo.y});
                juntos += trozo.texto;
            }
            QCOMPARE(colocadas, caso.posiciones);
            if (size_t(colocadas.size()) == CortaEnTrozos(caso.texto).size())
                QCOMPARE(juntos, caso.texto);
        }
    }

    // Un valor alineado a la derecha se escribe en una línea y acaba en el
    // borde derecho, o poco antes (una décima de su ancho como mucho).
    void alineadoDerecha()
    {
        const int derecha = 1000;
        for (const auto& [texto, s] : {std::pair{QString("12.34 kN/m"), 1.5}, {"0 m", 4.0}}) {
            const int ancho = Anchura(texto);
            const int izquierda = IzquierdaAlineadaDerecha(derecha, ancho, s);
            const auto colocados =
                ColocaTrozos(texto, derecha - izquierda, int(16 * s), s, Anchura, Altura);
            QVERIFY(!colocados.empty());
            for (const TrozoColocado& trozo : colocados)
                QCOMPARE(trozo.y, int(2 * s));
            const int fin = izquierda + colocados.back().x + Anchura(colocados.back().texto);
            QVERIFY2(fin <= derecha && fin >= derecha - ancho / 10, qPrintable(texto));
        }
    }

    // Abortar deja la página a medias y sin las copias que faltan; fuera de un
    // trabajo no hace nada. Entera se imprimen, hasta el último control, las
    // etiquetas, las líneas de una caja que caben y los dibujos marcados; no
    // los botones, lo que está dentro de un panel ni lo oculto.
    void textoImpreso()
    {
        AbortaImpresion();
        VentanaPrueba prueba;
        prueba.marcado.alPintar = [] { AbortaImpresion(); };
        const QString archivo = carpeta.filePath("ventana.pdf");
        Imprimir(archivo, 2, true);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(prueba.marcado.veces, 1);
        QVERIFY(!Ejecuta("pdftotext", {archivo, "-"}).contains("Ultima"));

        prueba.marcado.alPintar = nullptr;
        Imprimir(archivo, 1, true);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(prueba.marcado.veces, 2);
        QCOMPARE(guion.Textos(), QStringList());
        QCOMPARE(CampoPdf(archivo, "Pages"), QString("1"));
        QCOMPARE(CampoPdf(archivo, "Title"), QString("Calculo Mecánico Tubos"));
        const QString texto = Ejecuta("pdftotext", {archivo, "-"});
        for (const char* palabra :
             {"Izquierda", "12.34", "Coloreada", "LineaDos", "DibujoMarcado", "Ultima"})
            QVERIFY2(texto.contains(palabra), palabra);
        for (const char* palabra : {"LineaFuera", "DibujoSinMarcar", "Boton", "EnPanel", "Oculta"})
            QVERIFY2(!texto.contains(palabra), palabra);
    }

    // Un trabajo por copia pedida; cada copia que falla avisa una vez. Las
    // copias pedidas siguen siendo las del diálogo.
    void copias_data()
    {
        QTest::addColumn<int>("copias");
        QTest::addColumn<bool>("acepta");
        QTest::addColumn<bool>("seEscribe");
        QTest::addColumn<int>("trabajos");
        QTest::addColumn<int>("avisos");
        QTest::newRow("dos copias") << 2 << true << true << 2 << 0;
        QTest::newRow("cancelar") << 2 << false << true << 0 << 0;
        QTest::newRow("cero copias") << 0 << true << true << 0 << 0;
        QTest::newRow("impresora que no responde") << 2 << true << false << 0 << 2;
    }
    void copias()
    {
        QFETCH(int, copias);
        QFETCH(bool, acepta);
        QFETCH(bool, seEscribe);
        QFETCH(int, trabajos);
        QFETCH(int, avisos);
        VentanaPrueba prueba;
        const QString archivo = carpeta.filePath(seEscribe ? "copias.pdf" : "no-existe/copias.pdf");
        QFile::remove(archivo);
        Imprimir(archivo, copias, acepta);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(guion.impresiones, 1);
        QCOMPARE(prueba.marcado.veces, trabajos);
        QCOMPARE(guion.Textos(),
                 QStringList(avisos, "La impresora no responde correctamente, reintentar"));
        if (avisos > 0)
            QVERIFY(guion.vistos[0].titulo == "Atención" &&
                    guion.vistos[0].botones == BotonAceptar);
        QCOMPARE(QFile::exists(archivo), trabajos > 0);
        if (trabajos > 0)
            QCOMPARE(CampoPdf(archivo, "Pages"), QString("1"));
        QCOMPARE(ImpresoraPrograma().copyCount(), copias);
    }

    // La página en una imagen: el valor alineado a la derecha acaba en su
    // borde derecho, la etiqueta coloreada sale en blanco con su borde y un
    // marco tapa lo creado antes bajo él.
    void imagen()
    {
        VentanaPrueba prueba;
        QImage pagina(1240, 1754, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        {
            QPainter pintor(&pagina);
            DibujaVentana(pintor, prueba.ventana);
        }
        const EscalaPagina escala = CalculaEscala(pagina.width(), pagina.height(), 400, 300);
        const auto oscuro = [&](int x, int y) { return qGray(pagina.pixel(x, y)) < 128; };
        // Columnas con tinta en la zona.
        const auto tinta = [&](QRect zona) {
            QList<int> columnas;
            zona = zona.intersected(pagina.rect());
            for (int x = zona.left(); x <= zona.right(); ++x)
                for (int y = zona.top(); y <= zona.bottom(); ++y)
                    if (oscuro(x, y)) {
                        columnas.append(x);
                        break;
                    }
            return columnas;
        };

        const QRect derecha = MapeaRectangulo(prueba.derecha->geometry(), escala);
        const int borde = derecha.left() + derecha.width();
        const QList<int> valor = tinta(derecha.adjusted(-derecha.width(), 0, derecha.width(), 0));
        QVERIFY(!valor.isEmpty());
        QVERIFY2(valor.last() < borde && valor.last() >= borde - 8 * escala.s,
                 qPrintable(QString("%1 %2").arg(valor.last()).arg(borde)));
        QVERIFY(valor.first() > derecha.left() + derecha.width() / 3);

        const QRect coloreada = MapeaRectangulo(prueba.coloreada->geometry(), escala);
        const int medio = coloreada.top() + coloreada.height() / 2;
        QVERIFY(oscuro(coloreada.left(), medio));
        QCOMPARE(pagina.pixel(coloreada.right() - 5, medio), qRgb(255, 255, 255));

        const QRect marco = MapeaRectangulo(prueba.marco->geometry(), escala);
        QVERIFY(oscuro(marco.left(), marco.top() + marco.height() / 2));
        QVERIFY(tinta(MapeaRectangulo(prueba.tapada->geometry(), escala)).isEmpty());
    }

    // Una página en la vista previa, con lo mismo que se imprime.
    void vistaPrevia()
    {
        VentanaPrueba prueba;
        QString titulo;
        int paginas = 0;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* vista = qobject_cast<QPrintPreviewDialog*>(modal)) {
                titulo = vista->windowTitle();
                paginas = vista->findChild<QPrintPreviewWidget*>()->pageCount();
            }
            if (modal)
                modal->close();
        });
        VistaPrevia(prueba.ventana);
        QCOMPARE(titulo, QString("Vista previa"));
        QCOMPARE(paginas, 1);
        QVERIFY(prueba.marcado.veces > 0);
        QCOMPARE(prueba.sinMarcar.veces, 0);
    }

    void exportaPdf_data()
    {
        QTest::addColumn<QString>("propuesto");
        QTest::addColumn<QString>("visto");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<bool>("escrito");
        QTest::newRow("proyecto") << "/obras/puente.txt" << "/obras/puente.pdf" << "puente.pdf"
                                  << true;
        QTest::newRow("ya en pdf") << "informe.PDF" << "informe.PDF" << "informe.pdf" << true;
        QTest::newRow("cancelar, punto en la carpeta")
            << "/obras.2024/colector" << "/obras.2024/colector.pdf" << "" << false;
        QTest::newRow("carpeta que no existe") << "" << "" << "no-existe/x.pdf" << false;
    }
    void exportaPdf()
    {
        QFETCH(QString, propuesto);
        QFETCH(QString, visto);
        QFETCH(QString, elegido);
        QFETCH(bool, escrito);
        VentanaPrueba prueba;
        const QString archivo = elegido.isEmpty() ? QString() : carpeta.filePath(elegido);
        guion.nombres = {archivo};
        QCOMPARE(ExportaPdf(prueba.ventana, propuesto), escrito);
        QCOMPARE(guion.propuestos, QStringList{visto});
        QCOMPARE(guion.impresiones, 0);
        if (escrito)
            QCOMPARE(CampoPdf(archivo, "Pages"), QString("1"));
        const bool falla = !escrito && !archivo.isEmpty();
        QCOMPARE(guion.Textos(), falla ? QStringList{"No se ha podido guardar el archivo " +
                                                     archivo + "."}
                                       : QStringList());
    }
};

QTEST_MAIN(PruebaImpresion)
#include "impresion_test.moc"
