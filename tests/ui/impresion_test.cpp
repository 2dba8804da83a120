// Impresión de una ventana: la escala y el centrado en la página, el paso de
// rectángulos, el corte del texto en trozos y su colocación; y una ventana de
// prueba impresa de verdad a PDF (qué se imprime y qué no, una página por
// copia, cancelar, fallos, abortar), su imagen (alineación y marcos), la
// vista previa y la exportación a PDF.

#include <QApplication>
#include <QAction>
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

#include "dialogos_guion.h"
#include "dibujos.h"
#include "impresion.h"
#include "impresora.h"

namespace {

const QString AvisoImpresora = "La impresora no responde correctamente, reintentar";

// Veces que se pinta un dibujo de prueba, y algo que hacer mientras se pinta.
// El dibujo escribe su nombre, que queda como texto en el PDF.
struct Pintado {
    int veces = 0;
    std::function<void()> alPintar;
};

Croquis* NuevoCroquis(QWidget* padre, const QString& nombre, Pintado& pintado)
{
    return new Croquis(
        [nombre, &pintado](QPainter& pintor, const QRectF& zona) {
            ++pintado.veces;
            if (pintado.alPintar)
                pintado.alPintar();
            pintor.drawText(zona, Qt::AlignCenter, nombre);
        },
        padre);
}

QLabel* Etiqueta(QWidget* padre, const QString& texto, QRect rectangulo,
                 Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(rectangulo);
    etiqueta->setAlignment(alineacion | Qt::AlignTop);
    QFont letra("Liberation Sans");
    letra.setPixelSize(11);
    etiqueta->setFont(letra);
    return etiqueta;
}

// Una ventana con un elemento de cada clase, en posiciones fijas.
struct VentanaPrueba {
    QWidget ventana;
    Pintado marcado;
    Pintado sinMarcar;
    QLabel* izquierda;
    QLabel* derecha;
    QLabel* coloreada;
    QLabel* tapada;
    QWidget* marco;
    QLabel* ultima;

    VentanaPrueba()
    {
        ventana.resize(400, 300);
        izquierda = Etiqueta(&ventana, "Izquierda", {10, 10, 120, 16});
        derecha = Etiqueta(&ventana, "qr= 12.34 kN/m", {200, 10, 136, 16}, Qt::AlignRight);
        coloreada = Etiqueta(&ventana, "Coloreada", {10, 40, 100, 20});
        coloreada->setAutoFillBackground(true);
        QPalette paleta = coloreada->palette();
        paleta.setColor(QPalette::Window, Qt::yellow);
        coloreada->setPalette(paleta);

        auto* caja = new QPlainTextEdit("LineaUno\nLineaDos\nLineaFuera", &ventana);
        caja->setGeometry(10, 70, 150, 20);
        QFont letraCaja("Liberation Sans");
        letraCaja.setPixelSize(11);
        caja->setFont(letraCaja);

        auto* dibujo = NuevoCroquis(&ventana, "DibujoMarcado", marcado);
        dibujo->setGeometry(200, 60, 150, 80);
        MarcaParaImprimir(dibujo);
        NuevoCroquis(&ventana, "DibujoSinMarcar", sinMarcar)->setGeometry(200, 150, 150, 60);

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
        ultima = Etiqueta(&ventana, "Ultima", {200, 260, 100, 16});
    }
};

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// Un campo de pdfinfo ("Pages", "Title").
QString CampoPdf(const QString& archivo, const QString& campo)
{
    for (const QString& linea : Ejecuta("pdfinfo", {archivo}).split('\n'))
        if (linea.startsWith(campo + ":"))
            return linea.mid(campo.size() + 1).trimmed();
    return {};
}

int PaginasPdf(const QString& archivo)
{
    return CampoPdf(archivo, "Pages").toInt();
}

QString TextoPdf(const QString& archivo)
{
    return Ejecuta("pdftotext", {archivo, "-"});
}

bool Oscuro(QRgb color)
{
    return qGray(color) < 128;
}

}  // namespace

class PruebaImpresion : public QObject {
    Q_OBJECT

    DialogosGuion guion;
    QTemporaryDir carpeta;
    QString textoVentana;  // el de la ventana de prueba impresa una vez
    QTimer vigia;
    QStringList modalesCerrados;

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
        VentanaPrueba prueba;
        const QString archivo = carpeta.filePath("ventana.pdf");
        Imprimir(archivo, 1, true);
        ImprimeConDialogo(prueba.ventana);
        textoVentana = TextoPdf(archivo);
        QVERIFY(!textoVentana.isEmpty());
        QCOMPARE(PaginasPdf(archivo), 1);
        QCOMPARE(CampoPdf(archivo, "Title"), QString("Calculo Mecánico Tubos"));
        QCOMPARE(guion.Textos(), QStringList());
    }

    void init()
    {
        guion.vistos.clear();
        guion.nombres.clear();
        guion.propuestos.clear();
        guion.impresiones = 0;
        modalesCerrados.clear();
        // Una ventana modal que nadie cierra haría esperar a la prueba para siempre.
        connect(&vigia, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalesCerrados.append(modal->windowTitle());
                modal->close();
            }
        });
        vigia.start(500);
    }

    void cleanup()
    {
        vigia.stop();
        vigia.disconnect();
        QVERIFY2(modalesCerrados.isEmpty(), qPrintable(modalesCerrados.join(" | ")));
    }

    void cleanupTestCase() { FijaDialogos(nullptr); }

    void escala_data()
    {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        // s = 0.8·5.005: la ventana ocupa 4004 × 4004 y se centra (parte entera de 500.5 y 2498.5).
        QTest::newRow("por el ancho") << 5005 << 9001 << 1000 << 1000 << 4.004 << 500 << 2498;
        // Más alta, en proporción, que la página: s = 0.8·8.005, ocupa 3202 × 6404.
        QTest::newRow("por el alto") << 5001 << 8005 << 500 << 1000 << 6.404 << 899 << 800;
    }
    void escala()
    {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(double, s);
        QFETCH(int, dx);
        QFETCH(int, dy);
        const EscalaPagina escala = CalculaEscala(W, H, w, h);
        QCOMPARE(escala.s, s);
        QCOMPARE(escala.dx, dx);
        QCOMPARE(escala.dy, dy);
    }

    void rectangulos_data()
    {
        QTest::addColumn<QRect>("ventana");
        QTest::addColumn<QSize>("propio");
        QTest::addColumn<QRect>("esperado");
        // s = 2.5, dx = 100, dy = 50. Cada medida se toma por separado: el
        // borde derecho es L + parte entera de ancho·s, no (l + ancho)·s.
        QTest::newRow("rectángulo") << QRect(3, 5, 33, 7) << QSize() << QRect(107, 62, 82, 17);
        QTest::newRow("dibujo de su tamaño")
            << QRect(3, 5, 33, 7) << QSize(33, 7) << QRect(107, 62, 82, 17);
        // Otra proporción: el dibujo llena un lado y conserva la suya.
        QTest::newRow("dibujo apaisado") << QRect(10, 20, 100, 50) << QSize(200, 50)
                                         << QRect(125, 100, 250, 62);
        QTest::newRow("dibujo alto") << QRect(10, 20, 100, 50) << QSize(100, 100)
                                     << QRect(125, 100, 125, 125);
    }
    void rectangulos()
    {
        QFETCH(QRect, ventana);
        QFETCH(QSize, propio);
        QFETCH(QRect, esperado);
        const EscalaPagina escala{2.5, 100, 50};
        const QRect r = propio.isValid() ? RectanguloDibujo(ventana, propio, escala)
                                         : MapeaRectangulo(ventana, escala);
        QCOMPARE(r, esperado);
    }

    void trozos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("trozos");
        QTest::newRow("sin blancos") << "qr=" << QStringList{"qr="};
        QTest::newRow("el blanco queda al final") << "12.34 kN/m" << QStringList{"12.34 ", "kN/m"};
        QTest::newRow("blanco inicial no corta") << " a b" << QStringList{" a ", "b"};
        QTest::newRow("blancos seguidos") << "a  b" << QStringList{"a ", " ", "b"};
        QTest::newRow("blanco final") << "ab " << QStringList{"ab "};
        QTest::newRow("vacío") << "" << QStringList{};
        QTest::newRow("diez palabras")
            << "1 2 3 4 5 6 7 8 9 10"
            << QStringList{"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10"};
        QTest::newRow("el resto en el décimo")
            << "1 2 3 4 5 6 7 8 9 10 11 12"
            << QStringList{"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10 11 12"};
    }
    void trozos()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, trozos);
        const std::vector<QString> cortados = CortaEnTrozos(texto);
        QCOMPARE(QStringList(cortados.begin(), cortados.end()), trozos);
    }

    void colocacion_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("alto");
        QTest::addColumn<QList<QPoint>>("posiciones");
        // Letras de 10 de ancho, líneas de 20 de alto; s = 1.5 deja un margen de 3.
        QTest::newRow("en una línea") << "ab cd" << 100 << 50 << QList<QPoint>{{3, 3}, {33, 3}};
        QTest::newRow("salta en el borde derecho")
            << "aaa bbb ccc" << 70 << 100 << QList<QPoint>{{3, 3}, {3, 23}, {3, 43}};
        // Se para tras escribir el primer trozo que empieza por debajo del fondo.
        QTest::newRow("se para pasado el fondo")
            << "aaa bbb ccc ddd" << 70 << 30 << QList<QPoint>{{3, 3}, {3, 23}, {3, 43}};
        QTest::newRow("trozo más ancho que el rectángulo")
            << "abcdefghij" << 50 << 50 << QList<QPoint>{{3, 3}};
    }
    void colocacion()
    {
        QFETCH(QString, texto);
        QFETCH(int, ancho);
        QFETCH(int, alto);
        QFETCH(QList<QPoint>, posiciones);
        const auto anchura = [](const QString& trozo) { return 10 * int(trozo.size()); };
        const auto altura = [](const QString&) { return 20; };
        QList<QPoint> colocadas;
        QString juntos;
        for (const TrozoColocado& trozo : ColocaTrozos(texto, ancho, alto, 1.5, anchura, altura)) {
            colocadas.append({trozo.x, trozo.y});
            juntos += trozo.texto;
        }
        QCOMPARE(colocadas, posiciones);
        if (size_t(colocadas.size()) == CortaEnTrozos(texto).size())
            QCOMPARE(juntos, texto);
    }

    // Un valor alineado a la derecha se escribe en una línea y acaba en el
    // borde derecho, o poco antes (una décima de su ancho como mucho).
    void alineadoDerecha_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("s");
        QTest::newRow("carga") << "12.34 kN/m" << 1.5;
        QTest::newRow("valor corto") << "0 m" << 4.0;
    }
    void alineadoDerecha()
    {
        QFETCH(QString, texto);
        QFETCH(double, s);
        const auto anchura = [](const QString& trozo) { return 10 * int(trozo.size()); };
        const auto altura = [](const QString&) { return 20; };
        const int derecha = 1000;
        const int ancho = 10 * int(texto.size());
        const int izquierda = IzquierdaAlineadaDerecha(derecha, ancho, s);
        const auto colocados =
            ColocaTrozos(texto, derecha - izquierda, int(16 * s), s, anchura, altura);
        QVERIFY(!colocados.empty());
        for (const TrozoColocado& trozo : colocados)
            QCOMPARE(trozo.y, int(2 * s));
        const int fin = izquierda + colocados.back().x + anchura(colocados.back().texto);
        QVERIFY2(fin <= derecha && fin >= derecha - ancho / 10, qPrintable(QString::number(fin)));
    }

    void textoImpreso_data()
    {
        QTest::addColumn<QString>("palabra");
        QTest::addColumn<bool>("impresa");
        QTest::newRow("etiqueta") << "Izquierda" << true;
        QTest::newRow("alineada a la derecha") << "12.34" << true;
        QTest::newRow("coloreada") << "Coloreada" << true;
        QTest::newRow("primera línea de la caja") << "LineaUno" << true;
        QTest::newRow("segunda línea de la caja") << "LineaDos" << true;
        QTest::newRow("línea bajo el fondo de la caja") << "LineaFuera" << false;
        QTest::newRow("dibujo marcado") << "DibujoMarcado" << true;
        QTest::newRow("dibujo sin marcar") << "DibujoSinMarcar" << false;
        QTest::newRow("botón") << "Boton" << false;
        QTest::newRow("dentro de un panel") << "EnPanel" << false;
        QTest::newRow("oculta") << "Oculta" << false;
        QTest::newRow("la última") << "Ultima" << true;
    }
    void textoImpreso()
    {
        QFETCH(QString, palabra);
        QFETCH(bool, impresa);
        QVERIFY2(textoVentana.contains(palabra) == impresa, qPrintable(textoVentana));
    }

    // Un trabajo por copia pedida; cada copia que falla avisa una vez.
    void copias_data()
    {
        QTest::addColumn<int>("copias");
        QTest::addColumn<bool>("acepta");
        QTest::addColumn<bool>("seEscribe");
        QTest::addColumn<int>("trabajos");
        QTest::addColumn<int>("avisos");
        QTest::newRow("una copia") << 1 << true << true << 1 << 0;
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
        const QString archivo =
            seEscribe ? carpeta.filePath("copias.pdf") : carpeta.filePath("no-existe/copias.pdf");
        QFile::remove(archivo);
        Imprimir(archivo, copias, acepta);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(guion.impresiones, 1);
        QCOMPARE(prueba.marcado.veces, trabajos);
        QCOMPARE(guion.Textos(), QStringList(avisos, AvisoImpresora));
        if (avisos > 0) {
            QCOMPARE(guion.vistos[0].titulo, QString("Atención"));
            QCOMPARE(guion.vistos[0].botones, int(BotonAceptar));
        }
        QCOMPARE(QFile::exists(archivo), trabajos > 0);
        if (trabajos > 0)
            QCOMPARE(PaginasPdf(archivo), 1);
        // Las copias pedidas siguen siendo las del diálogo.
        QCOMPARE(ImpresoraPrograma().copyCount(), copias);
    }

    // Abortar deja la página a medias y sin las copias que faltan; fuera de
    // un trabajo no hace nada.
    void abortar()
    {
        AbortaImpresion();
        VentanaPrueba prueba;
        prueba.marcado.alPintar = [] { AbortaImpresion(); };
        const QString archivo = carpeta.filePath("abortada.pdf");
        Imprimir(archivo, 2, true);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(prueba.marcado.veces, 1);
        QCOMPARE(guion.Textos(), QStringList());
        QVERIFY(!TextoPdf(archivo).contains("Ultima"));

        prueba.marcado.alPintar = nullptr;
        Imprimir(archivo, 1, true);
        ImprimeConDialogo(prueba.ventana);
        QCOMPARE(prueba.marcado.veces, 2);
        QVERIFY(TextoPdf(archivo).contains("Ultima"));
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
        const auto oscuros = [&](const QRect& zona) {
            QList<int> columnas;
            const QRect dentro = zona.intersected(pagina.rect());
            for (int x = dentro.left(); x <= dentro.right(); ++x)
                for (int y = dentro.top(); y <= dentro.bottom(); ++y)
                    if (Oscuro(pagina.pixel(x, y))) {
                        columnas.append(x);
                        break;
                    }
            return columnas;
        };

        const QRect derecha = MapeaRectangulo(prueba.derecha->geometry(), escala);
        const int borde = derecha.left() + derecha.width();
        const QList<int> tinta = oscuros(derecha.adjusted(-derecha.width(), 0, derecha.width(), 0));
        QVERIFY(!tinta.isEmpty());
        QVERIFY2(tinta.last() < borde && tinta.last() >= borde - 8 * escala.s,
                 qPrintable(QString("%1 %2").arg(tinta.last()).arg(borde)));
        QVERIFY(tinta.first() > derecha.left() + derecha.width() / 3);

        const QRect izquierda = MapeaRectangulo(prueba.izquierda->geometry(), escala);
        QVERIFY(oscuros(izquierda).first() < izquierda.left() + 4 * escala.s);

        const QRect coloreada = MapeaRectangulo(prueba.coloreada->geometry(), escala);
        const int medio = coloreada.top() + coloreada.height() / 2;
        QVERIFY(Oscuro(pagina.pixel(coloreada.left(), medio)));
        QCOMPARE(pagina.pixel(coloreada.left() + coloreada.width() - 5, medio),
                 qRgb(255, 255, 255));

        const QRect marco = MapeaRectangulo(prueba.marco->geometry(), escala);
        QVERIFY(Oscuro(pagina.pixel(marco.left(), marco.top() + marco.height() / 2)));
        const QRect tapada = MapeaRectangulo(prueba.tapada->geometry(), escala);
        QVERIFY(oscuros(tapada).isEmpty());
    }

    void vistaPrevia()
    {
        VentanaPrueba prueba;
        QString titulo;
        int paginas = 0;
        bool imprimirALaVista = true;
        QTimer::singleShot(0, this, [&] {
            auto* vista = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(vista);
            titulo = vista->windowTitle();
            paginas = vista->findChild<QPrintPreviewWidget*>()->pageCount();
            const QString imprimir = QCoreApplication::translate("QPrintPreviewDialog", "Print");
            imprimirALaVista = false;
            for (QAction* accion : vista->findChildren<QAction*>())
                imprimirALaVista |= accion->text() == imprimir && accion->isVisible();
            vista->close();
        });
        VistaPrevia(prueba.ventana);
        QCOMPARE(titulo, QString("Vista previa"));
        QCOMPARE(paginas, 1);
        QVERIFY(prueba.marcado.veces > 0);
        QCOMPARE(prueba.sinMarcar.veces, 0);
        // Se imprime con "Imprimir" y su diálogo, no desde la vista.
        QVERIFY(!imprimirALaVista);
    }

    void exportaPdf_data()
    {
        QTest::addColumn<QString>("propuesto");
        QTest::addColumn<QString>("visto");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<bool>("escrito");
        QTest::newRow("proyecto") << "/obras/puente.txt"
                                  << "/obras/puente.pdf"
                                  << "puente.pdf" << true;
        QTest::newRow("ya en pdf") << "informe.PDF" << "informe.PDF" << "informe.pdf" << true;
        QTest::newRow("cancelar") << "obra.txt" << "obra.pdf" << "" << false;
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
            QCOMPARE(PaginasPdf(archivo), 1);
        const bool falla = !escrito && !archivo.isEmpty();
        QCOMPARE(guion.Textos(), falla ? QStringList{"No se ha podido guardar el archivo " +
                                                     archivo + "."}
                                       : QStringList());
    }
};

QTEST_MAIN(PruebaImpresion)
#include "impresion_test.moc"
