// Impresión de una ventana: escala, rectángulos, corte del texto en trozos y su colocación; y
// una ventana de prueba impresa a PDF (qué sale, copias, fallos, abortar), en imagen y exportada.

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "banco_ventanas.h"
#include "dibujos.h"
#include "impresion.h"
#include "impresora.h"

namespace {

QLabel* Etiqueta(QWidget* padre, const QString& texto, QRect sitio,
                 Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(sitio);
    etiqueta->setAlignment(alineacion | Qt::AlignTop);
    return etiqueta;
}

// Una ventana de 400 × 300 con un elemento de cada clase. Los dibujos escriben su nombre (queda
// como texto en el PDF); el marcado cuenta las veces que se pinta y, si se pide, aborta al
// pintarse.
struct VentanaPrueba {
    QWidget ventana;
    int veces = 0;
    bool aborta = false;
    QLabel* derecha;

    VentanaPrueba()
    {
        ventana.resize(400, 300);
        QFont letra("Liberation Sans");
        letra.setPixelSize(11);
        ventana.setFont(letra);
        Etiqueta(&ventana, "Izquierda", {10, 10, 120, 16});
        derecha = Etiqueta(&ventana, "qr= 12.34 kN/m", {200, 10, 136, 16}, Qt::AlignRight);
        auto* caja = new QPlainTextEdit("LineaUno\nLineaDos\nLineaFuera", &ventana);
        caja->setGeometry(10, 70, 150, 20);
        auto* marcado = new Croquis(
            [this](QPainter& pintor, const QRectF& zona) {
                ++veces;
                if (aborta)
                    AbortaImpresion();
                pintor.drawText(zona, Qt::AlignCenter, "DibujoMarcado");
            },
            &ventana);
        marcado->setGeometry(200, 60, 150, 80);
        MarcaParaImprimir(marcado);
        auto* sinMarcar = new Croquis(
            [](QPainter& pintor, const QRectF& zona) {
                pintor.drawText(zona, Qt::AlignCenter, "DibujoSinMarcar");
            },
            &ventana);
        sinMarcar->setGeometry(200, 150, 150, 60);
        new QPushButton("Boton", &ventana);
        auto* panel = new QFrame(&ventana);
        panel->setGeometry(10, 220, 150, 40);
        Etiqueta(panel, "EnPanel", {5, 5, 100, 16});
        Etiqueta(&ventana, "Oculta", {200, 220, 100, 16})->hide();
        MarcaSoloPantalla(Etiqueta(&ventana, "SoloPantalla", {10, 40, 100, 16}));
        Etiqueta(&ventana, "Ultima", {200, 260, 100, 16});
    }
};

// Medidas de letra de prueba: 10 de ancho por letra, 20 de alto.
const auto Anchura = [](const QString& trozo) { return 10 * int(trozo.size()); };
const auto Altura = [](const QString&) { return 20; };

}  // namespace

class PruebaImpresion : public QObject {
    Q_OBJECT

    DialogosGuion guion;
    QTemporaryDir carpeta;

private slots:
    void initTestCase()
    {
        QVERIFY(carpeta.isValid());
        FijaDialogos(&guion);
    }
    void init() { guion = DialogosGuion(); }
    void cleanupTestCase() { FijaDialogos(nullptr); }

    // s = 0.8·min(W/w, H/h), centrada; los desplazamientos, por truncamiento. Por el ancho:
    // ocupa 4004 × 4004 (500.5 y 2498.5 de margen); más alta que la página: 3202 × 6404.
    void escala()
    {
        const std::tuple<int, int, int, int, double, int, int> casos[] = {
            {5005, 9001, 1000, 1000, 4.004, 500, 2498}, {5001, 8005, 500, 1000, 6.404, 899, 800}};
        for (const auto& [W, H, w, h, s, dx, dy] : casos) {
            const EscalaPagina escala = CalculaEscala(W, H, w, h);
            QCOMPARE(escala.s, s);
            QCOMPARE(escala.dx, dx);
            QCOMPARE(escala.dy, dy);
        }
    }

    // La letra impresa mide 0.9·s veces la de la ventana, truncada; los puntos, a la resolución
    // de la ventana; nunca menos de un píxel. Negrita y subrayado se conservan.
    void letraImpresa()
    {
        const std::tuple<int, double, int, double, int> casos[] = {
            {11, 0, 96, 4.004, 39}, {0, 8, 96, 2, 19}, {0, 8, 72, 2, 14}, {1, 0, 96, 0.5, 1}};
        for (const auto& [pixeles, puntos, ppp, s, impresa] : casos) {
            QFont letra("Liberation Sans");
            pixeles > 0 ? letra.setPixelSize(pixeles) : letra.setPointSizeF(puntos);
            letra.setBold(true);
            letra.setUnderline(true);
            const QFont vista = LetraImpresa(letra, s, ppp);
            QCOMPARE(vista.pixelSize(), impresa);
            QVERIFY(vista.bold() && vista.underline());
        }
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

    // Un trozo que no cabe en lo que queda de línea pasa a la siguiente (en una línea vacía se
    // queda aunque se salga); se para tras escribir el primero que empieza por debajo del fondo.
    // Con s = 1.5 el margen es 3.
    void colocacion()
    {
        const std::tuple<QString, int, int, QList<QPoint>> casos[] = {
            {"ab cd", 100, 50, {{3, 3}, {33, 3}}},
            {"aaa bbb ccc", 70, 100, {{3, 3}, {3, 23}, {3, 43}}},
            {"aaa bbb ccc ddd", 70, 30, {{3, 3}, {3, 23}, {3, 43}}},
            {"abcdefghij", 50, 50, {{3, 3}}}};
        for (const auto& [texto, ancho, alto, posiciones] : casos) {
            QList<QPoint> colocadas;
            QString juntos;
            for (const TrozoColocado& trozo :
                 ColocaTrozos(texto, ancho, alto, 1.5, Anchura, Altura)) {
                colocadas.append({trozo.x, trozo.y});
                juntos += trozo.texto;
            }
            QCOMPARE(colocadas, posiciones);
            if (size_t(colocadas.size()) == CortaEnTrozos(texto).size())
                QCOMPARE(juntos, texto);
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

    // Un trabajo por copia pedida; cada copia que falla avisa una vez; las copias pedidas siguen
    // siendo las del diálogo. Abortar deja la página a medias y sin las copias que faltan; fuera
    // de un trabajo no hace nada. Entera se imprimen, hasta el último control, las etiquetas, las
    // líneas de una caja que caben y los dibujos marcados; no los botones, lo que está en un
    // panel, lo oculto ni lo que es solo para la pantalla.
    void copias()
    {
        // Copias, si se acepta, si se puede escribir, si aborta, trabajos y avisos.
        const std::tuple<int, bool, bool, bool, int, int> casos[] = {
            {2, true, true, false, 2, 0},
            {2, false, true, false, 0, 0},
            {0, true, true, false, 0, 0},
            {2, true, false, false, 0, 2},  // no responde
            {2, true, true, true, 1, 0}};
        for (const auto& [copias, acepta, seEscribe, aborta, trabajos, avisos] : casos) {
            guion = DialogosGuion();
            AbortaImpresion();
            VentanaPrueba prueba;
            prueba.aborta = aborta;
            const QString archivo =
                carpeta.filePath(seEscribe ? "copias.pdf" : "no-existe/copias.pdf");
            QFile::remove(archivo);
            guion.ImprimeEn(archivo, acepta, copias);
            ImprimeConDialogo(prueba.ventana, guion);
            QCOMPARE(guion.impresiones, 1);
            QCOMPARE(prueba.veces, trabajos);
            QCOMPARE(guion.Textos(),
                     QStringList(avisos, "La impresora no responde correctamente, reintentar"));
            if (avisos > 0)
                QVERIFY(guion.vistos[0].titulo == "Atención" &&
                        guion.vistos[0].botones == BotonAceptar);
            QCOMPARE(QFile::exists(archivo), trabajos > 0);
            if (trabajos == 0)
                continue;
            const QString texto = TextoPdf(archivo);
            QCOMPARE(texto.contains("Ultima"), !aborta);
            if (aborta)
                continue;
            QCOMPARE(FaltanEnPdf(archivo, {"Izquierda", "12.34", "LineaDos", "DibujoMarcado"}),
                     QStringList());
            QCOMPARE(CampoPdf(archivo, "Title"), QString("Calculo Mecánico Tubos"));
            for (const char* palabra :
                 {"LineaFuera", "DibujoSinMarcar", "Boton", "EnPanel", "Oculta", "SoloPantalla"})
                QVERIFY2(!texto.contains(palabra), palabra);
            QCOMPARE(ImpresoraPrograma().copyCount(), copias);
        }
    }

    // En la página impresa, el valor alineado a la derecha acaba en el borde de su etiqueta.
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
        const QRect derecha = MapeaRectangulo(prueba.derecha->geometry(), escala);
        const int borde = derecha.left() + derecha.width();
        // Columnas con tinta en la franja de la etiqueta, ensanchada a los dos lados.
        const QRect zona =
            derecha.adjusted(-derecha.width(), 0, derecha.width(), 0).intersected(pagina.rect());
        int primera = -1, ultima = -1;
        for (int x = zona.left(); x <= zona.right(); ++x)
            for (int y = zona.top(); y <= zona.bottom(); ++y)
                if (qGray(pagina.pixel(x, y)) < 128)
                    ultima = x, primera = primera < 0 ? x : primera;
        QVERIFY2(ultima < borde && ultima >= borde - 8 * escala.s,
                 qPrintable(QString("%1 %2").arg(ultima).arg(borde)));
        QVERIFY(primera > derecha.left() + derecha.width() / 3);
    }

    // Propone el nombre con .pdf y escribe una página; si no puede, lo dice.
    void exportaPdf()
    {
        // Nombre propuesto, el que se ofrece, el elegido (vacío: cancelar) y si se escribe.
        const std::tuple<QString, QString, QString, bool> casos[] = {
            {"/obras/puente.txt", "/obras/puente.pdf", "puente.pdf", true},
            {"informe.PDF", "informe.PDF", "informe.pdf", true},
            {"/obras.2024/colector", "/obras.2024/colector.pdf", "", false},  // punto en la carpeta
            {"", "", "no-existe/x.pdf", false}};  // carpeta que no existe
        for (const auto& [propuesto, visto, elegido, escrito] : casos) {
            guion = DialogosGuion();
            VentanaPrueba prueba;
            const QString archivo = elegido.isEmpty() ? QString() : carpeta.filePath(elegido);
            guion.nombres = {archivo};
            QCOMPARE(ExportaPdf(prueba.ventana, propuesto, guion, {}), escrito);
            QCOMPARE(guion.propuestos, QStringList{visto});
            QCOMPARE(guion.impresiones, 0);
            if (escrito)
                QCOMPARE(CampoPdf(archivo, "Pages"), QString("1"));
            const bool falla = !escrito && !archivo.isEmpty();
            QCOMPARE(guion.Textos(), falla ? QStringList{"No se ha podido guardar el archivo " +
                                                         archivo + ": la carpeta no existe."}
                                           : QStringList());
        }
    }
};

QTEST_MAIN(PruebaImpresion)
#include "impresion_test.moc"
