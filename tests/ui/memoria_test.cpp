// Pruebas de la memoria de cálculo: los textos de la página por instalación y
// por modo, las cargas truncadas, la línea de tráfico, los avisos de la carga
// del relleno, el cálculo que no llega a la carga, los dibujos y la impresión.
// Los números del cálculo se prueban en el motor; aquí, lo que añade la ventana.

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "ayuda.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "informe_dibujos.h"
#include "proyecto.h"
#include "memoria.h"

namespace {

// Una instalación: tubo de De (Es = 0.05 m), cama o clase Tipo y sus medidas.
struct Caso {
    int instalacion = 0;
    int tipo = 5;
    double b = 0.9, De = 0.6, hr = 3, hr1 = 0, h2r = 0, b2 = 0, hr2 = 0;
    bool talud = false;
};

QString Ejecuta(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

}  // namespace

Q_DECLARE_METATYPE(Caso)

class PruebaInforme : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TCalculos> c;
    DialogosGuion guion;
    QTimer vigia;
    QStringList modalesCerrados;

    // Arena arcillosa sobre base de suelo natural, sin tráfico ni otras cargas:
    // zanja de 0.9 m, De 0.6 m y 3 m de relleno (qr ≈ 32.769 kN/m), cama de
    // 120º con Fa 2.8, clase UNE.
    void Base()
    {
        p->Di = 0.5;
        p->Es = 0.05;
        p->De = 0.6;
        p->b = 0.9;
        p->hr = 3;
        p->RellenoIndex = 2;
        p->BaseIndex = 1;
        p->TraficoIndex = 0;
        p->CarreteraIndex = 0;
        p->InstalacionIndex = 0;
        p->Tipo = 5;
        p->Fa = 2.8;
        p->ModoCalculo = 1;
    }

    void Pon(const Caso& caso)
    {
        p->InstalacionIndex = static_cast<std::uint8_t>(caso.instalacion);
        p->Tipo = static_cast<std::int8_t>(caso.tipo);
        p->b = caso.b;
        p->De = caso.De;
        p->Di = caso.De - 0.1;
        p->hr = caso.hr;
        p->hr1 = caso.hr1;
        p->h2r = caso.h2r;
        p->b2 = caso.b2;
        p->hr2 = caso.hr2;
        p->TaludDefinido = caso.talud;
        p->Resguardo = 0.3;
    }

    // Abre la memoria como la abre una orden de cálculo (se rellena al mostrarse).
    void Abre()
    {
        c = std::make_unique<TCalculos>(*p, *f);
        c->show();
    }

    QLabel* Rotulo(const QString& nombre)
    {
        return c->Pagina()->findChild<QLabel*>(nombre, Qt::FindDirectChildrenOnly);
    }
    QString Texto(const QString& nombre)
    {
        QLabel* rotulo = Rotulo(nombre);
        return rotulo ? rotulo->text() : QString("<no existe %1>").arg(nombre);
    }

    // Cada "Nombre=texto" de la lista es lo que muestra ese rótulo.
    void CompruebaTextos(const QStringList& textos)
    {
        for (const QString& par : textos) {
            const QString nombre = par.section('=', 0, 0);
            const QString esperado = par.mid(nombre.size() + 1);
            QVERIFY2(Texto(nombre) == esperado,
                     qPrintable(nombre + ": «" + Texto(nombre) + "» en vez de «" + esperado + "»"));
        }
    }

    void CompruebaVisibles(const QStringList& visibles, const QStringList& ocultos)
    {
        for (const QString& nombre : visibles)
            QVERIFY2(Rotulo(nombre) && Rotulo(nombre)->isVisible(), qPrintable(nombre));
        for (const QString& nombre : ocultos)
            QVERIFY2(Rotulo(nombre) && !Rotulo(nombre)->isVisible(), qPrintable(nombre));
    }

private slots:
    void init()
    {
        FijaDialogos(&guion);
        guion = DialogosGuion();
        modalesCerrados.clear();
        p = std::make_unique<Proyecto>();
        f = std::make_unique<TForm1>(*p);
        Base();
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
        c.reset();
        p->Modificado = 0;
        f.reset();
        FijaDialogos(nullptr);
    }

    void Instalaciones_data()
    {
        QTest::addColumn<Caso>("caso");
        QTest::addColumn<QString>("croquis");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("visibles");
        QTest::addColumn<QStringList>("ocultos");

        const QString soloTerreno = "LCTerreno=Carga producida por terreno (qr):";
        Caso caso;
        caso.talud = true;
        QTest::newRow("zanja, cama de 120º")
            << caso << "IBNZAN120" << "Formula1"
            << QStringList{"LInstalacion=Instalación en Zanja;Relleno: Arena Arcillosa",
                           soloTerreno, "Lmrelleno=λμ′ =", "LDa=a=0.15 m.", "LDb=b=0.9 m.",
                           "LDc=c=0.08 m.(Suelo)", "LDC2=c=0.15 m.(Roca)",
                           "LTalud=Talud= 1:5", "LResguardo=Resguardo=0.3 m.",
                           "LRelleno=Relleno Compactado 95% P.N.", "LBase=Hormigón",
                           "LDde=0.6 m.", "LDdi=0.5 m.", "LDEs=50 mm.", "LDhr=3 m.",
                           "LDFap=2.8", "LDgamma=19.2 kN/m³", "LDLambda=0.15"}
            << QStringList{"Lc1", "LDC2"}
            << QStringList{"Lh1r", "LDh1r", "Lh2r", "LDH2r", "LDH0", "LDH0_1"};

        caso = Caso{0, 13, 2.0, 0.5, 1.0};
        QTest::newRow("zanja ancha, calculada como terraplén")
            << caso << "IBNZAN180" << "Formula3"
            << QStringList{"LCTerreno=Carga producida por terreno (qr): calculada como terraplén "
                           "por sobrepasar el ancho de zanja b la anchura de transición.",
                           "Lmrelleno=λμ =", "LDa=a=0.25 m.", "LDc=c = 0 m.", "LDC2=",
                           "LRelleno=Relleno fino", "LBase=Idem", "LTalud=", "LResguardo="}
            << QStringList{"LDH0", "LDH0_1"}
            << QStringList{"Lc1", "LDC2", "Lh1r", "LDh1r", "Lh2r", "LDH2r"};

        caso = Caso{1, 1, 0, 0.6, 0.5, 0.3};
        QTest::newRow("terraplén clase B, hr bajo h0")
            << caso << "ITerraplen" << "Formula2"
            << QStringList{"LInstalacion=Instalación en Terraplén (Clase B);Relleno: Arena "
                           "Arcillosa;Base: Base de suelo natural ordinario",
                           soloTerreno, "Lmrelleno=λμ =", "LDa=a=0.24 m.", "LDb=b>=0.75 m.",
                           "LDc=c>=0.08 m.(Suelo)", "LDC2=c>=0.15 m.(Roca)",
                           "LBase=Material Granular Compactado 95% P.N.", "LRelleno=",
                           "LDh1r=0.3 m."}
            << QStringList{"Lh1r", "LDh1r", "LDH0", "Lc1", "LDC2"}
            << QStringList{"Lh2r", "LDH2r"};

        // La clase D no tiene cama: ni a, ni b, ni base de hormigón.
        caso = Caso{1, 3, 0, 0.6, 3, 0.3};
        QTest::newRow("terraplén clase D")
            << caso << "ITerraplen" << "Formula3"
            << QStringList{"LInstalacion=Instalación en Terraplén;Relleno: Arena Arcillosa;Base: "
                           "Base de suelo natural ordinario",
                           "LDa=", "LDb=", "LBase="}
            << QStringList{"LDC2"} << QStringList{};

        // Sus fórmulas usan λμ: el rótulo es el del valor que se muestra.
        caso = Caso{2, 8, 1.0, 0.6, 4, 0, 1.0};
        QTest::newRow("zanja terraplenada, cama de 90º")
            << caso << "IBNZTE090" << "Formula5"
            << QStringList{"LInstalacion=Instalación en Zanja Terraplenada;Relleno: Arena Arcillosa",
                           soloTerreno, "Lmrelleno=λμ =", "LDa=a=0.1 m.", "LDb=b=1 m.",
                           "LRelleno=Relleno Seleccionado sin compactar", "LBase=Hormigón",
                           "LDH2r=1 m.", "LTalud="}
            << QStringList{"Lh2r", "LDH2r", "LDH0", "LDH0_1"}
            << QStringList{"Lh1r", "LDh1r"};

        caso = Caso{2, 10, 1.0, 0.6, 1.5, 0, 1.0};
        QTest::newRow("zanja terraplenada, hr bajo h0")
            << caso << "IBNZTE180" << "Formula4"
            << QStringList{"LRelleno=Relleno Compactado 95% P.N.",
                           "LBase=Material Granular Compactado 95% P.N."}
            << QStringList{} << QStringList{};

        caso = Caso{3, 0, 0, 0.6, 5, 0.3, 0, 0.6, 0.6};
        QTest::newRow("zanja inducida clase A")
            << caso << "IZanInd" << "Formula7"
            << QStringList{"LInstalacion=Instalación en Zanja Inducida (Clase A);Relleno: Arena "
                           "Arcillosa;Base: Base de suelo natural ordinario",
                           "LTalud=hr2= 0.6", "LResguardo=b2= 0.6", "LDa=a=0.15 m.",
                           "LDb=b>=0.8 m.", "LDc=c>=0.125 m.", "LDC2=", "LBase=Hormigón"}
            << QStringList{"Lh1r", "LDh1r", "LDH0"}
            << QStringList{"Lh2r", "LDH2r", "Lc1", "LDC2"};

        caso = Caso{3, 2, 0, 0.6, 1.0, 0.3, 0, 0.6, 0.6};
        QTest::newRow("zanja inducida, hr bajo h0")
            << caso << "IZanInd" << "Formula6"
            << QStringList{"LDa=a=0.102 m.", "LDb=b>=0.75 m."} << QStringList{}
            << QStringList{};

        // Fa tecleado a mano: no se sabe la cama.
        caso = Caso{0, 14};
        QTest::newRow("zanja con Fa tecleado")
            << caso << "" << "Formula1"
            << QStringList{"LInstalacion=", "LBase=", "LRelleno=", "LDa=", "LDb=b=0.9 m."}
            << QStringList{} << QStringList{};
    }

    void Instalaciones()
    {
        QFETCH(Caso, caso);
        QFETCH(QString, croquis);
        QFETCH(QString, formula);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, visibles);
        QFETCH(QStringList, ocultos);
        p->ValorA = p->ValorB = "de otro caso";
        Pon(caso);
        Abre();
        QCOMPARE(c->CroquisMostrado(), croquis);
        QCOMPARE(c->FormulaMostrada(), formula);
        CompruebaTextos(textos);
        CompruebaVisibles(visibles, ocultos);
        // La leyenda queda en el registro, que la guarda el archivo.
        QCOMPARE(QString::fromStdString(p->ValorA), Texto("LDa"));
        QCOMPARE(QString::fromStdString(p->ValorB), Texto("LDb"));
        QCOMPARE(QString::fromStdString(p->ValorC), Texto("LDc"));
        QCOMPARE(QString::fromStdString(p->ValorC2), Texto("LDC2"));
    }

    void EspesorCama_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<double>("Di");
        QTest::addColumn<QString>("suelo");
        QTest::addColumn<QString>("roca");
        QTest::newRow("zanja, Di 0.7") << 0 << 0.7 << "c=0.08 m.(Suelo)" << "c=0.15 m.(Roca)";
        QTest::newRow("zanja, Di 1.5") << 0 << 1.5 << "c=0.1 m.(Suelo)" << "c=0.23 m.(Roca)";
        QTest::newRow("zanja, Di 1.6") << 0 << 1.6 << "c=0.15 m.(Suelo)" << "c=0.3 m.(Roca)";
        QTest::newRow("terraplén, Di 0.7") << 1 << 0.7 << "c>=0.08 m.(Suelo)" << "c>=0.15 m.(Roca)";
    }

    void EspesorCama()
    {
        QFETCH(int, instalacion);
        QFETCH(double, Di);
        QFETCH(QString, suelo);
        QFETCH(QString, roca);
        p->InstalacionIndex = static_cast<std::uint8_t>(instalacion);
        p->Tipo = instalacion == 0 ? 5 : 1;
        p->hr1 = 0.3;
        p->Di = Di;
        p->De = Di + 0.1;
        p->b = Di + 0.6;
        Abre();
        QCOMPARE(Texto("LDc"), suelo);
        QCOMPARE(Texto("LDC2"), roca);
    }

    void Resultado_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<double>("Fa");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("validez");
        QTest::addColumn<QString>("clase");

        // La carga de una zanja estrecha no crece sin límite con hr: la clase vale siempre.
        const QString siempre = "(Válido para cualquier altura de relleno hr)";

        QTest::newRow("solo carga")
            << 0 << 2.8
            << QStringList{"TextoTipoCalculo=Carga calculada:", "LDres=35.1 kN/m²",
                           "LDCarga=35.1 kN/m²", "LDQFisuracion=  ", "LCociente=Qtotal · 1.5"}
            << "" << "sin tocar";
        QTest::newRow("UNE")
            << 1 << 2.8
            << QStringList{"TextoTipoCalculo=Clase mínima UNE-127.010 exigible:",
                           "LDres=Clase 90", "LDCarga=35.1 kN/m²", "LDQFisuracion=  "}
            << siempre << "90";
        QTest::newRow("UNE sin clase")
            << 1 << 0.4 << QStringList{"LDres=Clase NO"} << "" << "NO";
        QTest::newRow("ASTM")
            << 2 << 2.8
            << QStringList{"TextoTipoCalculo=Clase mínima ASTM-C76M exigible:", "LDres=Clase I",
                           "LCociente=1.5 · Qtotal", "LDCarga=35.1 kN/m²",
                           "LDQFisuracion=Carga de Fisuración= 23.4 kN/m²"}
            << siempre << "I";
        QTest::newRow("ASTM clase V")
            << 2 << 0.55
            << QStringList{"LDres=Clase V", "LCociente=1.25 · Qtotal", "LDCarga=148.95 kN/m²"}
            << "(Válido para hr <=4.07 m.)" << "V";
    }

    void Resultado()
    {
        QFETCH(int, modo);
        QFETCH(double, Fa);
        QFETCH(QStringList, textos);
        QFETCH(QString, validez);
        QFETCH(QString, clase);
        p->ModoCalculo = static_cast<std::uint8_t>(modo);
        p->Fa = Fa;
        p->ClaseTexto = "sin tocar";
        Abre();
        CompruebaTextos(textos);
        QCOMPARE(Texto("LDhrMax"), validez);
        QCOMPARE(QString::fromStdString(p->ClaseTexto), clase);
    }

    void CargasTruncadas_data()
    {
        QTest::addColumn<bool>("usuario");
        QTest::addColumn<QString>("qr");
        QTest::newRow("arena arcillosa, qr 32.769") << false << "32.76";
        QTest::newRow("relleno de usuario, qr 12.349") << true << "12.34";
    }

    void CargasTruncadas()
    {
        QFETCH(bool, usuario);
        QFETCH(QString, qr);
        if (usuario) {
            // La carga de tierras es proporcional al peso específico.
            p->RellenoIndex = RellenoUsuario;
            p->fi = 30;
            p->fi1 = 20;
            p->gamma = 1;
            Abre();
            const double unitaria = p->qr;
            QVERIFY(unitaria > 0);
            p->gamma = 12.349 / unitaria;
        }
        Abre();
        QCOMPARE(Texto("LDQ1"), "qr= " + qr + " kN/m");
        QCOMPARE(Texto("LDQtotal"), qr + " kN/m");
        for (const char* nombre : {"LDQ2", "LDQ3", "LDQ4", "LDQ5"})
            QCOMPARE(Texto(nombre), QString("0 kN/m"));
    }

    void LineasDeCargas_data()
    {
        QTest::addColumn<int>("trafico");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("vias");
        QTest::addColumn<double>("dh");
        QTest::addColumn<int>("compactador");
        QTest::addColumn<QStringList>("textos");

        QTest::newRow("carretera, sin compactador")
            << 0 << 2 << 0 << 0.0 << 0
            << QStringList{"LTrafico=Carga Carretera,Eje simple de 130 kN (13 t.)",
                           "LComp=Carga debida a compactador",
                           "LPuntual=Carga puntual de 2t. situada a 1.5 m",
                           "LSup=Carga uniformemente distribuida en superficie de 0.5 t/m²"};
        QTest::newRow("una vía")
            << 1 << 1 << 1 << 0.0 << 1
            << QStringList{"LTrafico=Carga Ferroviaria, Via Renfe 1 via,(1 actuante), dh=0, 100Km/h",
                           "LComp=Carga debida a compactador Estático 2.55 t/m rodillo"};
        QTest::newRow("dos vías, una actuante")
            << 1 << 1 << 2 << 28.0 << 2
            << QStringList{"LTrafico=Carga Ferroviaria, Via Renfe 2 vias,(1 actuante), dh=28, 100Km/h",
                           "LComp=Carga debida a compactador Dinámico 2.55 t/m rodillo"};
        QTest::newRow("dos vías actuantes")
            << 1 << 2 << 2 << 0.0 << 0
            << QStringList{"LTrafico=Carga Ferroviaria, Via UIC 71 2 vias,(2 actuantes), dh=0, "
                           "100Km/h"};
        QTest::newRow("aeropuerto")
            << 2 << 1 << 0 << 0.0 << 0
            << QStringList{"LTrafico=Carga Aeropuerto,DC 9 (900 kN)"};
    }

    void LineasDeCargas()
    {
        QFETCH(int, trafico);
        QFETCH(int, indice);
        QFETCH(int, vias);
        QFETCH(double, dh);
        QFETCH(int, compactador);
        QFETCH(QStringList, textos);
        p->TraficoIndex = static_cast<std::uint8_t>(trafico);
        const auto i = static_cast<std::uint8_t>(indice);
        (trafico == 0 ? p->CarreteraIndex : trafico == 1 ? p->ViaIndex : p->AeropuertoIndex) = i;
        p->NVias = static_cast<std::uint8_t>(vias);
        p->dh = dh;
        p->V = 100;
        p->CompactadorIndex = static_cast<std::uint8_t>(compactador);
        p->pq = 2.559;
        p->qp = 2;
        p->D = 1.5;
        p->qs = 0.5;
        Abre();
        CompruebaTextos(textos);
    }

    // Sin carga de cálculo no hay clase: "Error", nunca la de un cálculo anterior.
    void CalculoInterrumpido_data()
    {
        QTest::addColumn<double>("hr");
        QTest::addColumn<double>("Di");
        QTest::addColumn<QStringList>("sinValor");
        QTest::addColumn<QStringList>("conValor");
        QTest::newRow("carga puntual sin relleno")
            << 0.0 << 0.5 << QStringList{"LDQ3", "LDQ4", "LDQ5", "LDQtotal", "LDCarga"}
            << QStringList{"LDQ2"};
        QTest::newRow("diámetro interior 0")
            << 3.0 << 0.0 << QStringList{"LDCarga"}
            << QStringList{"LDQ2", "LDQ3", "LDQ4", "LDQ5", "LDQtotal"};
    }

    void CalculoInterrumpido()
    {
        QFETCH(double, hr);
        QFETCH(double, Di);
        QFETCH(QStringList, sinValor);
        QFETCH(QStringList, conValor);
        p->hr = hr;
        p->Di = Di;
        p->qp = 1;
        p->ClaseTexto = "135";
        Abre();
        QCOMPARE(Texto("LDres"), QString("Error"));
        QCOMPARE(Texto("LDhrMax"), QString("(No se pudo completar el cálculo de cargas)"));
        QCOMPARE(p->ClaseTexto, std::string("135"));
        for (const QString& nombre : sinValor)
            QVERIFY2(Texto(nombre) == "--", qPrintable(nombre + ": " + Texto(nombre)));
        for (const QString& nombre : conValor)
            QVERIFY2(Texto(nombre).endsWith(" kN/m"), qPrintable(nombre + ": " + Texto(nombre)));
    }

    void AvisoCargaRelleno_data()
    {
        QTest::addColumn<bool>("ancha");
        QTest::addColumn<int>("aviso");
        QTest::addColumn<QList<int>>("respuestas");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("botones");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("avisoDespues");

        const QString terraplen = "Carga del relleno calculada para TERRAPLÉN con (";
        QTest::newRow("error del relleno, con Aceptar")
            << false << 0 << QList<int>{} << "¡ Atención !" << int(BotonAceptar)
            << "Error calculando la carga del relleno" << 0;
        QTest::newRow("zanja como terraplén, Sí mantiene el aviso")
            << true << 1 << QList<int>{RespuestaSi} << "¡¡ Atención !!" << int(BotonesSiNo)
            << terraplen << 1;
        QTest::newRow("zanja como terraplén, No lo apaga")
            << true << 1 << QList<int>{RespuestaNo} << "¡¡ Atención !!" << int(BotonesSiNo)
            << terraplen << 0;
        QTest::newRow("zanja como terraplén, aviso apagado")
            << true << 0 << QList<int>{} << "" << 0 << "" << 0;
    }

    void AvisoCargaRelleno()
    {
        QFETCH(bool, ancha);
        QFETCH(int, aviso);
        QFETCH(QList<int>, respuestas);
        QFETCH(QString, titulo);
        QFETCH(int, botones);
        QFETCH(QString, texto);
        QFETCH(int, avisoDespues);
        if (ancha)
            Pon(Caso{0, 13, 2.0, 0.5, 1.0});
        else
            p->hr = 0;  // sin altura la carga del relleno no se puede calcular
        p->AvisoCalculo = static_cast<std::uint8_t>(aviso);
        guion.respuestas = respuestas;
        Abre();
        if (titulo.isEmpty()) {
            QVERIFY(guion.vistos.isEmpty());
        } else {
            QCOMPARE(guion.vistos.size(), 1);
            QCOMPARE(guion.vistos[0].titulo, titulo);
            QCOMPARE(guion.vistos[0].botones & 0xF, botones);
            QVERIFY2(guion.vistos[0].texto.startsWith(texto), qPrintable(guion.vistos[0].texto));
        }
        QCOMPARE(int(p->AvisoCalculo), avisoDespues);
        QVERIFY(guion.respuestas.isEmpty());
    }

    void Ventana()
    {
        p->MObra = {"Colector norte", "Tramo 2"};
        p->MCliente = {"Ayuntamiento"};
        Abre();
        QCOMPARE(c->windowTitle(), QString("Cálculos"));
        QCOMPARE(c->Pagina()->size(), QSize(625, 615));
        QCOMPARE(c->Desplazamiento()->verticalScrollBar()->value(), 171);
        QCOMPARE(Texto("LVersion"), QString("Versión: 2.02a"));
        auto* obra = c->Pagina()->findChild<QPlainTextEdit*>("DObra");
        QVERIFY(obra);
        QCOMPARE(obra->toPlainText(), QString("Colector norte\nTramo 2"));
        QCOMPARE(c->Pagina()->findChild<QPlainTextEdit*>("DCLiente")->toPlainText(),
                 QString("Ayuntamiento"));
        QVERIFY(c->Imprimir1->isEnabled());
        QVERIFY(!c->CancelarImpresion1->isEnabled());

        // Mostrarla otra vez no vuelve a calcular ni a desplazar.
        c->Desplazamiento()->verticalScrollBar()->setValue(0);
        p->hr = 5;
        c->hide();
        c->show();
        QCOMPARE(Texto("LDhr"), QString("3 m."));
        QCOMPARE(c->Desplazamiento()->verticalScrollBar()->value(), 0);
    }

    void Ayuda()
    {
        Abre();
        QAction* ayuda = nullptr;
        for (QAction* opcion : c->findChildren<QAction*>())
            if (opcion->text() == "&Ayuda")
                ayuda = opcion;
        QVERIFY(ayuda);
        QCOMPARE(ayuda->shortcut(), QKeySequence(Qt::Key_F1));
        ayuda->trigger();
        QVERIFY(VentanaAyuda::Unica().isVisible());
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 23);
        VentanaAyuda::Unica().close();
    }

    // "Exportar PDF…" propone el nombre del proyecto con .pdf y escribe una página.
    void ExportaPdf_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("propuesto");
        QTest::newRow("sin archivo") << "" << "memoria.pdf";
        QTest::newRow("con extensión") << "/obras/colector.txt" << "/obras/colector.pdf";
        QTest::newRow("sin extensión") << "colector" << "colector.pdf";
        QTest::newRow("punto en la carpeta") << "/obras.2024/colector" << "/obras.2024/colector.pdf";
    }

    void ExportaPdf()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, propuesto);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath("elegido.pdf");
        p->FileName = archivo.toStdString();
        guion.nombres = {pdf};
        Abre();
        QAction* exportar = nullptr;
        for (QAction* opcion : c->findChildren<QAction*>())
            if (opcion->text() == "Exportar PDF…")
                exportar = opcion;
        QVERIFY(exportar);
        exportar->trigger();
        QCOMPARE(guion.propuestos, QStringList{propuesto});
        const QString info = Ejecuta("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    }

    // Cada dibujo pinta dentro de su zona, y solo los nombres conocidos pintan.
    void Dibujos_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("formula");
        QTest::addColumn<QSize>("zona");
        for (const QString& nombre : NombresCroquisInforme())
            QTest::newRow(qPrintable(nombre)) << nombre << false << QSize(147, 145);
        for (const QString& nombre : NombresFormulaInforme())
            QTest::newRow(qPrintable(nombre)) << nombre << true << QSize(278, 75);
        QTest::newRow("croquis desconocido") << "IZanja" << false << QSize(147, 145);
        QTest::newRow("fórmula desconocida") << "Formula8" << true << QSize(278, 75);
    }

    void Dibujos()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, formula);
        QFETCH(QSize, zona);
        const bool conocido = (formula ? NombresFormulaInforme() : NombresCroquisInforme())
                                  .contains(nombre);
        // A la escala de la pantalla y a la de la impresora, con margen alrededor.
        for (const double escala : {1.0, 5.0}) {
            const QRectF rect(10 * escala, 10 * escala, zona.width() * escala,
                              zona.height() * escala);
            QImage imagen(QSize(qRound(rect.right() + 10 * escala), qRound(rect.bottom() + 10 * escala)),
                          QImage::Format_RGB32);
            imagen.fill(Qt::white);
            {
                QPainter pintor(&imagen);
                if (formula)
                    DibujaFormula(pintor, rect, nombre);
                else
                    DibujaCroquisInforme(pintor, rect, nombre);
            }
            int dentro = 0, fuera = 0;
            for (int y = 0; y < imagen.height(); ++y)
                for (int x = 0; x < imagen.width(); ++x) {
                    if (qGray(imagen.pixel(x, y)) > 200)
                        continue;
                    (rect.contains(QPointF(x + 0.5, y + 0.5)) ? dentro : fuera)++;
                }
            QCOMPARE(fuera, 0);
            QCOMPARE(dentro > 200 * escala, conocido);
        }
        // Cada fórmula cabe en su sitio de la página con su letra entera de 13 px.
        if (formula && conocido) {
            const QSizeF natural = TamanoFormula(nombre);
            QVERIFY2(natural.width() <= zona.width() && natural.height() <= zona.height(),
                     qPrintable(QString("%1 × %2").arg(natural.width()).arg(natural.height())));
        }
    }

    void ImprimeEnPdf()
    {
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
        c->Imprimir1->trigger();
        QVERIFY(imprimiendo);
        QVERIFY(c->Imprimir1->isEnabled() && !c->CancelarImpresion1->isEnabled());
        QCOMPARE(c->Desplazamiento()->verticalScrollBar()->value(), 171);
        QVERIFY2(QFileInfo::exists(archivo), "la impresión no escribió el PDF");

        const QString info = Ejecuta("pdfinfo", {archivo});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        const QString texto = Ejecuta("pdftotext", {archivo, "-"}).simplified();
        for (const char* buscado :
             {"Clase 90", "qr= 32.76 kN/m", "32.76 kN/m", "35.1 kN/m²", "Cálculos:"})
            QVERIFY2(texto.contains(QString::fromUtf8(buscado)),
                     qPrintable(QString::fromUtf8(buscado) + " no está en: " + texto));
        // Los rótulos ocultos no se imprimen.
        QVERIFY(!texto.contains("h''r="));
    }
};

QTEST_MAIN(PruebaInforme)
#include "memoria_test.moc"
