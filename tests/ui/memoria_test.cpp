// Memoria de cálculo: la página muestra los textos del motor, la leyenda queda en el registro,
// avisos, dibujos e impresión. Los textos de cada caso se prueban en el motor.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <tuple>

#include "banco_ventanas.h"
#include "informe_dibujos.h"
#include "memoria.h"

namespace {

using Ajuste = std::function<void(Proyecto&)>;

// Arena arcillosa sobre suelo natural, sin tráfico, Fa 2.8, clase UNE y un tubo
// de De (Es = 0.05 m) en la instalación y cama o clase dadas. Por omisión: zanja
// de 0.9 m, De 0.6 m, 3 m de relleno (qr ≈ 32.769 kN/m), cama de 120º.
Ajuste Caso(int instalacion = 0, int tipo = 5, double b = 0.9, double De = 0.6, double hr = 3,
            double hr1 = 0, double h2r = 0, double b2 = 0, double hr2 = 0, bool talud = false)
{
    return [=](Proyecto& p) {
        p.InstalacionIndex = static_cast<std::uint8_t>(instalacion);
        p.Tipo = static_cast<std::int8_t>(tipo);
        p.b = b, p.De = De, p.Es = 0.05, p.Di = De - 0.1, p.hr = hr;
        p.hr1 = hr1, p.h2r = h2r, p.b2 = b2, p.hr2 = hr2, p.TaludDefinido = talud;
        p.Resguardo = 0.3, p.RellenoIndex = 2, p.BaseIndex = 1;
        p.TraficoIndex = p.CarreteraIndex = 0;
        p.Fa = 2.8, p.ModoCalculo = 1;
    };
}

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    proceso.waitForFinished(30000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

}  // namespace

Q_DECLARE_METATYPE(Ajuste)

class PruebaInforme : public BancoVentanas {
    Q_OBJECT

    std::unique_ptr<TCalculos> c;

    // Se rellena al mostrarse, como al abrirla una orden de cálculo.
    void Abre()
    {
        c = std::make_unique<TCalculos>(*p, guion, *f);
        c->show();
    }

    QLabel* Rotulo(const QString& nombre)
    {
        return c->Pagina()->findChild<QLabel*>(nombre, Qt::FindDirectChildrenOnly);
    }
    // Texto de un rótulo, o el croquis, la fórmula, la clase y el aviso anotados
    // en el registro o los mensajes vistos ("título · botones · texto").
    QString Texto(const QString& nombre)
    {
        if (nombre == "croquis")
            return c->CroquisMostrado();
        if (nombre == "formula")
            return c->FormulaMostrada();
        if (nombre == "clase")
            return QString::fromStdString(p->ClaseTexto);
        if (nombre == "avisoCalculo")
            return QString::number(p->AvisoCalculo);
        if (nombre == "mensajes") {
            QStringList vistos;
            for (const DialogosGuion::Visto& v : guion.vistos)
                vistos.append(
                    QString("%1 · %2 · %3").arg(v.titulo).arg(v.botones & 0xF).arg(v.texto));
            return vistos.join(" // ");
        }
        QLabel* rotulo = Rotulo(nombre);
        return rotulo ? rotulo->text() : "<no existe " + nombre + ">";
    }

private slots:
    void init()
    {
        Prepara();
        Caso()(*p);
    }
    void cleanup()
    {
        c.reset();
        const QString fallos = Termina();
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos));
    }

    // Textos separados por '|': "Nombre=texto" es lo que muestra ("…fin" o
    // "comienzo…" si solo se sabe cómo acaba o empieza), "+Nombre" se ve y
    // "-Nombre" no.
    void Pagina_data()
    {
        QTest::addColumn<Ajuste>("ajuste");
        QTest::addColumn<QString>("textos");

        QTest::newRow("zanja, cama de 120º")
            << Caso(0, 5, 0.9, 0.6, 3, 0, 0, 0, 0, true)
            << "croquis=IBNZAN120|formula=Formula1|LInstalacion=Instalación en Zanja;Relleno: "
               "Arena Arcillosa|LCTerreno=Carga producida por terreno (qr):|Lmrelleno=λμ′ =|"
               "LDa=a=0.15 m.|LDb=b=0.9 m.|LDc=c=0.08 m.(Suelo)|LDC2=c=0.15 m.(Roca)|LTalud=Talud="
               " 1:5|LResguardo=Resguardo=0.3 m.|LRelleno=Relleno Compactado 95% P.N.|LBase="
               "Hormigón|LDEs=50 mm.|LDgamma=19.2 kN/m³|mensajes=|+LDC2|-LDh1r|-LDH2r|-LDH0";
        // La clase D no tiene cama: ni a, ni b, ni base de hormigón.
        QTest::newRow("terraplén clase D")
            << Caso(1, 3, 0, 0.6, 3, 0.3)
            << "formula=Formula3|LInstalacion=Instalación en Terraplén;Relleno: Arena Arcillosa;"
               "Base: Base de suelo natural ordinario|LDa=|LDb=|LBase=|+LDC2|+LDh1r|+LDH0|-LDH2r";
        const QString error = "LDres=Error|LDhrMax=(No se pudo completar el cálculo de cargas)|"
                              "clase=sin tocar|LDCarga=--|";
        // Avisos de la carga del relleno: la respuesta queda en el registro.
        const auto aviso = [this](const Ajuste& caso, int aviso, QList<int> respuestas) {
            return Ajuste([=](Proyecto& p) {
                caso(p), p.AvisoCalculo = std::uint8_t(aviso), guion.respuestas = respuestas;
            });
        };
        // Sin altura la carga del relleno no se puede calcular; la zanja ancha se calcula como
        // terraplén.
        const Ajuste sinAltura = [](Proyecto&p) { p.hr = 0; }, ancha = Caso(0, 13, 2.0, 0.5, 1.0);
        const QString terraplen = "mensajes=¡¡ Atención !! · 4 · Carga del relleno calculada para "
                                  "TERRAPLÉN con (…|avisoCalculo=";
        // Un fallo del relleno no es una carga 0 ni una clase: se muestra como un fallo.
        const QString sinRelleno =
            "mensajes=¡ Atención ! · 0 · Error calculando la carga del relleno|"
            "avisoCalculo=0|" +
            error + "LDQ1=qr= --|LDQ2=--|LDQ5=--|LDQtotal=--";
        QTest::newRow("error del relleno, con Aceptar") << aviso(sinAltura, 0, {}) << sinRelleno;
        QTest::newRow("zanja como terraplén, Sí mantiene el aviso")
            << aviso(ancha, 1, {RespuestaSi}) << terraplen + "1";
        QTest::newRow("zanja como terraplén, No lo apaga")
            << aviso(ancha, 1, {RespuestaNo}) << terraplen + "0";
        QTest::newRow("zanja como terraplén, aviso apagado")
            << aviso(ancha, 0, {}) << "mensajes=|avisoCalculo=0";
    }

    void Pagina()
    {
        QFETCH(Ajuste, ajuste);
        QFETCH(QString, textos);
        p->ValorA = p->ValorB = "de otro caso";
        p->ClaseTexto = "sin tocar";
        ajuste(*p);
        Abre();
        QVERIFY(guion.respuestas.isEmpty());
        for (const QString& texto : textos.split('|')) {
            const QString nombre = texto.section('=', 0, 0);
            const QString esperado = texto.mid(nombre.size() + 1);
            const QString visto = Texto(nombre);
            if (nombre.startsWith('+') || nombre.startsWith('-')) {
                QLabel* rotulo = Rotulo(nombre.mid(1));
                QVERIFY2(rotulo && rotulo->isVisible() == nombre.startsWith('+'),
                         qPrintable(nombre));
            } else {
                const bool bien = esperado.startsWith("…") ? visto.endsWith(esperado.mid(1))
                                  : esperado.endsWith("…") ? visto.startsWith(esperado.chopped(1))
                                                           : visto == esperado;
                QVERIFY2(bien, qPrintable(nombre + ": «" + visto + "» y no «" + esperado + "»"));
            }
        }
        // La leyenda queda en el registro, que la guarda el archivo.
        for (const auto& [valor, rotulo] : {std::pair{&p->ValorA, "LDa"},
                                            {&p->ValorB, "LDb"},
                                            {&p->ValorC, "LDc"},
                                            {&p->ValorC2, "LDC2"}})
            QCOMPARE(QString::fromStdString(*valor), Texto(rotulo));
    }

    // La fracción de la carga de cálculo queda entre sus dos "=", sin tapar nada, también con el
    // numerador ASTM más largo ("1.25 · Qtotal"). Los rótulos miden lo que su texto.
    void FraccionEntreLosIguales()
    {
        for (const auto& [modo, Fa, numerador] : {std::tuple{1, 2.8, "Qtotal · 1.5"},
                                                  {2, 2.8, "1.5 · Qtotal"},
                                                  {2, 0.5, "1.25 · Qtotal"}}) {
            p->ModoCalculo = std::uint8_t(modo), p->Fa = Fa;
            Abre();
            QCOMPARE(Texto("LCociente"), QString(numerador));
            const QString orden[] = {"Label9", "LCociente", "LIgualCarga", "LDCarga"};
            for (int i = 0; i < 4; ++i) {
                QLabel* rotulo = Rotulo(orden[i]);
                QVERIFY2(rotulo->width() >= rotulo->sizeHint().width(), qPrintable(orden[i]));
                if (i > 0)  // de izquierda a derecha, sin tocarse
                    QVERIFY2(Rotulo(orden[i - 1])->geometry().right() < rotulo->x(),
                             qPrintable(orden[i]));
            }
            const QRect divisor = Rotulo("LDivisor")->geometry();
            QVERIFY(Rotulo("Label9")->geometry().right() < divisor.left() &&
                    divisor.right() < Rotulo("LIgualCarga")->x());
            c.reset();
        }
    }

    // Cada dibujo pinta, y solo dentro de su zona, a la escala de la pantalla y a la de la
    // impresora.
    void Dibujos()
    {
        for (const bool formula : {false, true})
            for (const QString& nombre :
                 formula ? NombresFormulaInforme() : NombresCroquisInforme()) {
                const QSize zona = formula ? QSize(278, 75) : QSize(147, 145);
                for (const double escala : {1.0, 5.0}) {
                    const QRectF rect(10 * escala, 10 * escala, zona.width() * escala,
                                      zona.height() * escala);
                    QImage imagen((zona + QSize(20, 20)) * escala, QImage::Format_RGB32);
                    imagen.fill(Qt::white);
                    {
                        QPainter pintor(&imagen);
                        formula ? DibujaFormula(pintor, rect, nombre)
                                : DibujaCroquisInforme(pintor, rect, nombre);
                    }
                    int dentro = 0, fuera = 0;
                    for (int y = 0; y < imagen.height(); ++y)
                        for (int x = 0; x < imagen.width(); ++x)
                            if (qGray(imagen.pixel(x, y)) <= 200)
                                (rect.contains(QPointF(x + 0.5, y + 0.5)) ? dentro : fuera)++;
                    QVERIFY2(fuera == 0 && dentro > 200 * escala,
                             qPrintable(QString("%1 ×%2: %3 dentro, %4 fuera")
                                            .arg(nombre)
                                            .arg(escala)
                                            .arg(dentro)
                                            .arg(fuera)));
                }
            }
    }

    // La ventana con los datos de la obra; imprimir escribe una página, con los menús en su estado
    // mientras dura; "Exportar PDF…" propone el nombre del proyecto con .pdf.
    void VentanaImpresionYExportacion()
    {
        p->MObra = {"Colector norte", "Tramo 2"};
        p->MCliente = {"Ayuntamiento"};
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath("memoria.pdf");
        bool imprimiendo = false;
        guion.imprimir = [&](QPrinter& impresora) {
            imprimiendo = !c->Imprimir1->isEnabled() && c->CancelarImpresion1->isEnabled();
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(archivo);
            return true;
        };
        Abre();
        QCOMPARE(c->windowTitle(), QString("Cálculos"));
        QCOMPARE(Texto("LVersion"), QString("Versión: 2.02a"));
        QCOMPARE(c->Pagina()->findChild<QPlainTextEdit*>("DObra")->toPlainText(),
                 QString("Colector norte\nTramo 2"));
        QCOMPARE(c->Pagina()->findChild<QPlainTextEdit*>("DCLiente")->toPlainText(),
                 QString("Ayuntamiento"));
        c->Imprimir1->trigger();
        QVERIFY(imprimiendo);
        QVERIFY(c->Imprimir1->isEnabled() && !c->CancelarImpresion1->isEnabled());
        const QRegularExpression unaPagina("Pages:\\s+1\\n");
        QVERIFY2(Ejecuta("pdfinfo", {archivo}).contains(unaPagina), "no hay una página");
        const QString texto = Ejecuta("pdftotext", {archivo, "-"}).simplified();
        for (const char* buscado :
             {"Clase 90", "qr= 32.76 kN/m", "35.1 kN/m²", "Cálculos:", "Colector norte"})
            QVERIFY2(texto.contains(QString::fromUtf8(buscado)),
                     qPrintable(QString::fromUtf8(buscado) + " no está en: " + texto));
        QVERIFY(!texto.contains("h''r="));  // los rótulos ocultos no se imprimen

        QAction* exportar = Opcion(c.get(), "Exportar PDF…");
        QVERIFY(exportar);
        exportar->trigger();  // sin nombre elegido: nada
        p->FileName = "/obras/colector.txt";
        guion.nombres = {carpeta.filePath("exportada.pdf")};
        exportar->trigger();
        QCOMPARE(guion.propuestos, QStringList({"memoria.pdf", "/obras/colector.pdf"}));
        QVERIFY(Ejecuta("pdfinfo", {carpeta.filePath("exportada.pdf")}).contains(unaPagina));
        // Mostrarla otra vez no vuelve a calcular.
        p->hr = 5;
        c->hide();
        c->show();
        QCOMPARE(Texto("LDhr"), QString("3 m."));
    }
};

QTEST_MAIN(PruebaInforme)
#include "memoria_test.moc"
