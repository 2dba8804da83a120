// Pruebas del diálogo del ancho de zanja: resguardo mínimo por ángulo y
// diámetro, límites del talud, anchuras en suelo, roca y apoyo directo,
// mensajes de la selección, salida del resguardo, cancelar y croquis.
//
// El diálogo recuerda entre vistas (para todo el programa) el talud de su
// último repintado, que es el que decide el ángulo al mostrarse: por eso
// Abre() lo muestra una vez antes con el talud que se quiere. La primera
// prueba cuenta con que aún no se ha mostrado ninguno.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "ayuda.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "numero.h"
#include "proyecto.h"
#include "talud.h"

namespace {

const QString AvisoMinimo02 =
    "El resguardo lateral de la zanja ha de ser como mínimo 0.2, que esta en función del diámetro "
    "nominal instalado. Por tanto será corregido automaticamente";
const QString AvisoAngulo = "Como angulo seleccionado es menor o igual a 60º se recomienda que el "
                            "resguardo lateral sea como mínimo 0,2";

QString Recomendacion(const QString& minimo)
{
    return "Es recomendable que el resguardo lateral de la zanja sea, como mínimo un valor igual a " +
           minimo + " que está en función del diámetro nominal instalado. Por tanto será corregido "
                    "automáticamente.";
}

bool Oscuro(const QImage& imagen, int x, int y)
{
    return qGray(imagen.pixel(x, y)) < 60;
}

}  // namespace

class PruebaTalud : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TFTalud> d;
    DialogosGuion guion;
    QTimer vigia;
    QStringList modalesCerrados;

    // Tubo de diámetro interior di (mm) y, si se da, espesor es (mm).
    void Tubo(const QString& di, const QString& es = {})
    {
        f->EditDi->setEditText(di);
        if (!es.isEmpty())
            f->EditEs->setText(es);
        guion.vistos.clear();
    }

    // Muestra el diálogo con el talud h:v; una vista anterior lo deja como
    // talud del último repintado, del que sale el ángulo.
    bool Abre(double h, double v)
    {
        p->TaludH = h;
        p->TaludV = v;
        {
            TFTalud previo(*p, *f, f.get());
            previo.show();
            previo.reject();
        }
        d = std::make_unique<TFTalud>(*p, *f, f.get());
        d->show();
        // Activarse cuenta como repintar: que ocurra antes de tocar nada.
        return QTest::qWaitForWindowActive(d.get());
    }

    void Teclea(QLineEdit* casilla, const QString& texto) { casilla->setText(texto); }

private slots:
    void init()
    {
        FijaDialogos(&guion);
        guion = DialogosGuion();
        modalesCerrados.clear();
        p = std::make_unique<Proyecto>();
        f = std::make_unique<TForm1>(*p);
        f->show();
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
        d.reset();
        p->Modificado = 0;  // cerrar sin preguntar
        f.reset();
        FijaDialogos(nullptr);
    }

    // Tiene que ser la primera: antes del primer repintado del programa el
    // ángulo es el de 1:5 (78.69°), aunque el registro diga 1:1.
    void PrimeraVistaConTalud1a5()
    {
        Tubo("500");  // De = 0.634
        p->TaludH = 1;
        p->TaludV = 1;
        d = std::make_unique<TFTalud>(*p, *f, f.get());
        d->show();
        QCOMPARE(d->windowTitle(), QString("Cálculo del ancho de zanja"));
        QCOMPARE(d->Edit3->text(), QString("0.35"));
        QCOMPARE(p->Resguardo, 0.35);
        QCOMPARE(p->ResguardoMinimo, 0.35);
        QCOMPARE(d->Edit1->text(), QString("1"));
        QCOMPARE(d->Edit2->text(), QString("1"));
        QCOMPARE(d->Label15->text(), QString("500 mm."));
        QCOMPARE(d->Lde->text(), QString("de= 0.634 m."));
        QCOMPARE(d->LC1->text(), QString("0.1"));
        QCOMPARE(d->LC2->text(), QString("0.15"));
        QVERIFY(d->Button2->isVisible() && d->Lb2->isVisible() && d->LTerreno->isVisible());
        d.reset();

        // La vista anterior se pintó con 1:1 (45°): ahora el mínimo es 0.2.
        d = std::make_unique<TFTalud>(*p, *f, f.get());
        d->show();
        QCOMPARE(d->Edit3->text(), QString("0.2"));
        QCOMPARE(p->ResguardoMinimo, 0.2);
        QVERIFY(guion.vistos.isEmpty());
    }

    void ControlesYAyuda()
    {
        Tubo("1000");
        QVERIFY(Abre(1, 5));
        const std::pair<QPushButton*, const char*> botones[] = {
            {d->Button1, "<- S&eleccionar"},
            {d->Button2, "<- Se&leccionar"},
            {d->CancelBtn, "&Cancelar"},
            {d->HelpBtn, "&Ayuda"},
        };
        for (const auto& [boton, texto] : botones)
            QCOMPARE(boton->text(), QString::fromUtf8(texto));
        for (const char* nombre : {"Edit1", "Edit2", "Edit3", "SpinButton1", "SpinButton2", "LC1",
                                   "LC2", "Lb1", "Lb2", "Lde", "Label15", "Button1", "Button2",
                                   "CancelBtn", "HelpBtn"})
            QVERIFY2(d->findChild<QWidget*>(nombre), nombre);
        // El croquis, a la izquierda de las casillas.
        QVERIFY(d->Dibujo->mapTo(d.get(), QPoint(d->Dibujo->width(), 0)).x() <=
                d->Edit1->mapTo(d.get(), QPoint(0, 0)).x());

        QVERIFY(QFile::exists(":/ayuda/51.html"));
        QCOMPARE(ContextoAyuda(d->Edit3), 51);
        QTest::mouseClick(d->HelpBtn, Qt::LeftButton);
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 51);
        VentanaAyuda::Unica().close();
    }

    void ResguardoMinimo_data()
    {
        QTest::addColumn<QString>("di");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("minimo");
        QTest::newRow("Di 0.35, 78.7°") << "350" << 1.0 << 5.0 << "0.25";
        QTest::newRow("Di 0.36, 78.7°") << "360" << 1.0 << 5.0 << "0.35";
        QTest::newRow("Di 0.7") << "700" << 1.0 << 5.0 << "0.35";
        QTest::newRow("Di 0.71") << "710" << 1.0 << 5.0 << "0.43";
        QTest::newRow("Di 1.2") << "1200" << 1.0 << 5.0 << "0.43";
        QTest::newRow("Di 1.21") << "1210" << 1.0 << 5.0 << "0.5";
        QTest::newRow("Di 3.0") << "3000" << 1.0 << 99.0 << "0.5";
        QTest::newRow("Di 0.35, 45°") << "350" << 1.0 << 1.0 << "0.2";
        QTest::newRow("3:5, 59.03°") << "2000" << 3.0 << 5.0 << "0.2";
        QTest::newRow("15:26, 60.01°") << "2000" << 15.0 << 26.0 << "0.5";
        // 60.0013° de verdad, pero 59.995° con 57.29 grados por radián.
        QTest::newRow("56:97, 57.29") << "2000" << 56.0 << 97.0 << "0.2";
    }

    void ResguardoMinimo()
    {
        QFETCH(QString, di);
        QFETCH(double, h);
        QFETCH(double, v);
        QFETCH(QString, minimo);
        Tubo(di);
        QVERIFY(Abre(h, v));
        QCOMPARE(d->Edit3->text(), minimo);
        QCOMPARE(p->Resguardo, minimo.toDouble());
        QCOMPARE(p->ResguardoMinimo, minimo.toDouble());
        QVERIFY(guion.vistos.isEmpty());
    }

    void BotonesDeGiro()
    {
        Tubo("1000");
        QVERIFY(Abre(98, 2));
        const QString b = d->Lb1->text();
        QTest::mouseClick(d->SpinButton1Up, Qt::LeftButton);
        QCOMPARE(p->TaludH, 99.0);
        QCOMPARE(d->Edit1->text(), QString("99"));
        QVERIFY(d->Lb1->text() != b);  // la anchura sigue al talud
        QTest::mouseClick(d->SpinButton1Up, Qt::LeftButton);  // 100 no se admite
        QCOMPARE(p->TaludH, 99.0);
        QCOMPARE(d->Edit1->text(), QString("99"));

        QTest::mouseClick(d->SpinButton2Down, Qt::LeftButton);
        QCOMPARE(p->TaludV, 1.0);
        QTest::mouseClick(d->SpinButton2Down, Qt::LeftButton);  // ni 0
        QCOMPARE(p->TaludV, 1.0);
        QCOMPARE(d->Edit2->text(), QString("1"));
        QTest::mouseClick(d->SpinButton2Up, Qt::LeftButton);
        QCOMPARE(p->TaludV, 2.0);

        d->Edit1->setText("1");
        QTest::mouseClick(d->SpinButton1Down, Qt::LeftButton);
        QCOMPARE(p->TaludH, 1.0);
        d->Edit2->setText("99");
        QTest::mouseClick(d->SpinButton2Up, Qt::LeftButton);
        QCOMPARE(p->TaludV, 99.0);
        QCOMPARE(d->Edit2->text(), QString("99"));
        QVERIFY(guion.vistos.isEmpty());
    }

    void CasillasDelTalud_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<double>("valor");
        // Se parte de H = 3 y V = 4.
        QTest::newRow("H 7") << "Edit1" << "7" << "7" << 7.0;
        QTest::newRow("H 99") << "Edit1" << "99" << "99" << 99.0;
        QTest::newRow("H 1") << "Edit1" << "1" << "1" << 1.0;
        QTest::newRow("H 0") << "Edit1" << "0" << "3" << 3.0;
        QTest::newRow("H negativa") << "Edit1" << "-2" << "3" << 3.0;
        QTest::newRow("H 100") << "Edit1" << "100" << "3" << 3.0;
        QTest::newRow("H con letras") << "Edit1" << "abc" << "3" << 3.0;
        QTest::newRow("H 1x") << "Edit1" << "1x" << "3" << 3.0;
        QTest::newRow("H decimal") << "Edit1" << "2.5" << "3" << 3.0;
        QTest::newRow("H vacía") << "Edit1" << "" << "3" << 3.0;
        QTest::newRow("V 12") << "Edit2" << "12" << "12" << 12.0;
        QTest::newRow("V 0") << "Edit2" << "0" << "4" << 4.0;
        QTest::newRow("V negativa") << "Edit2" << "-1" << "4" << 4.0;
        QTest::newRow("V 100") << "Edit2" << "100" << "4" << 4.0;
        QTest::newRow("V con letras") << "Edit2" << "x" << "4" << 4.0;
    }

    void CasillasDelTalud()
    {
        QFETCH(QString, casilla);
        QFETCH(QString, texto);
        QFETCH(QString, queda);
        QFETCH(double, valor);
        Tubo("1000");
        QVERIFY(Abre(3, 4));
        auto* caja = d->findChild<QLineEdit*>(casilla);
        QVERIFY(caja);
        caja->setText(texto);
        QCOMPARE(caja->text(), queda);
        QCOMPARE(casilla == "Edit1" ? p->TaludH : p->TaludV, valor);
        QVERIFY(guion.vistos.isEmpty());
    }

    void CasillaDelResguardo()
    {
        Tubo("1000");  // De = 1.218, c = 0.1 en suelo
        QVERIFY(Abre(1, 5));
        QCOMPARE(p->Resguardo, 0.43);
        d->Edit3->setText("0.5");
        QCOMPARE(p->Resguardo, 0.5);
        QCOMPARE(d->Lb1->text(), QString("2.74 m."));  // 1.218 + 1 + 2·1.318/5
        d->Edit3->setText("-0.1");                      // negativo: no se toma
        QCOMPARE(d->Edit3->text(), QString("-0.1"));
        QCOMPARE(p->Resguardo, 0.5);
        d->Edit3->setText("abc");  // no válido: vuelve el resguardo
        QCOMPARE(d->Edit3->text(), QString("0.5"));
        d->Edit3->setText("");
        QCOMPARE(d->Edit3->text(), QString("0.5"));
        QVERIFY(guion.vistos.isEmpty());
    }

    void AnchoDeZanja_data()
    {
        QTest::addColumn<int>("apoyoDirecto");
        QTest::addColumn<bool>("roca");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("rotulo1");
        QTest::addColumn<QString>("rotulo2");
        QTest::addColumn<QString>("anchura");
        // Di = 1 m: De = 1.218, resguardo 0.43, talud 1:5.
        // b = De + 2·0.43 + 2·(De + c)/5, con c = 0.1 en suelo y 0.23 en roca.
        QTest::newRow("suelo") << 0 << false << "0.1" << "2.6 m." << "2.65 m." << "2.605";
        QTest::newRow("roca") << 0 << true << "0.1" << "2.6 m." << "2.65 m." << "2.657";
        // Apoyo directo: sin cama, b = De + 2·0.43 + 2·De/5.
        QTest::newRow("apoyo directo") << 1 << false << "0" << "2.56 m." << "2.56 m." << "2.565";
    }

    void AnchoDeZanja()
    {
        QFETCH(int, apoyoDirecto);
        QFETCH(bool, roca);
        QFETCH(QString, c1);
        QFETCH(QString, rotulo1);
        QFETCH(QString, rotulo2);
        QFETCH(QString, anchura);
        Tubo("1000");
        p->ApoyoDirecto = static_cast<std::uint8_t>(apoyoDirecto);
        QVERIFY(Abre(1, 5));
        QCOMPARE(d->LC1->text(), c1);
        QCOMPARE(d->LC2->text(), QString(apoyoDirecto ? "0" : "0.23"));
        QCOMPARE(d->Lb1->text(), rotulo1);
        QCOMPARE(d->Lb2->text(), rotulo2);
        // Con apoyo directo solo se ofrece el suelo.
        for (QWidget* control : {static_cast<QWidget*>(d->Button2), static_cast<QWidget*>(d->Lb2),
                                 static_cast<QWidget*>(d->LC2), static_cast<QWidget*>(d->LRoca),
                                 static_cast<QWidget*>(d->LSuelo), static_cast<QWidget*>(d->LTerreno),
                                 static_cast<QWidget*>(d->PanelRoca)})
            QCOMPARE(control->isVisible(), apoyoDirecto == 0);
        QVERIFY(d->Button1->isVisible() && d->Lb1->isVisible());

        QTest::mouseClick(roca ? d->Button2 : d->Button1, Qt::LeftButton);
        QVERIFY(guion.vistos.isEmpty());
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(f->EditB->text(), anchura);
        QCOMPARE(p->b, anchura.toDouble());
        QCOMPARE(p->TaludDefinido, 1);
        QCOMPARE(p->Resguardo, 0.43);
        QCOMPARE(p->ResguardoMinimo, 0.43);
    }

    void AnchoConOtroTalud()
    {
        Tubo("1000");
        QVERIFY(Abre(1, 5));
        d->Edit3->setText("0.5");
        d->Edit1->setText("2");
        d->Edit2->setText("3");
        // b = 1.218 + 1 + 2·2·(1.218 + c)/3
        QCOMPARE(d->Lb1->text(), QString("3.97 m."));  // 3.97533
        QCOMPARE(d->Lb2->text(), QString("4.14 m."));  // 4.14866
    }

    void RotuloTruncadoAnchoEntero()
    {
        Tubo("320", "54.25");  // De = 0.4285, c = 0.1, resguardo mínimo 0.25
        QCOMPARE(p->De, 0.4285);
        QVERIFY(Abre(1, 5));
        d->Edit3->setText("0.3");
        // b = 0.4285 + 0.6 + 2·0.5285/5 = 1.2399
        QCOMPARE(d->Lb1->text(), QString("1.23 m."));
        QTest::mouseClick(d->Button1, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(f->EditB->text(), QString("1.24"));
        QCOMPARE(p->b, 1.24);
        QCOMPARE(p->TaludDefinido, 1);
    }

    void MensajesDeSeleccion_data()
    {
        QTest::addColumn<QString>("di");
        QTest::addColumn<double>("v");    // talud 1:v al abrir
        QTest::addColumn<QString>("vNueva");  // V tecleada antes de elegir, o nada
        QTest::addColumn<QString>("resguardo");
        QTest::addColumn<bool>("roca");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QList<int>>("botones");
        QTest::addColumn<bool>("abierto");
        QTest::addColumn<QString>("queda");

        const int informacion = BotonAceptar | IconoInformacion;
        const int confirmacion = BotonSi | IconoPregunta;
        QTest::newRow("45°, 0.1: sube a 0.2") << "500" << 1.0 << "" << "0.1" << false
            << QStringList{AvisoMinimo02} << QStringList{"Información"} << QList<int>{informacion}
            << true << "0.2";
        QTest::newRow("45°, 0.2 basta") << "500" << 1.0 << "" << "0.2" << true << QStringList{}
            << QStringList{} << QList<int>{} << false << "0.2";
        QTest::newRow("45°, resguardo negativo") << "500" << 1.0 << "" << "-1" << true
            << QStringList{AvisoMinimo02} << QStringList{"Información"} << QList<int>{informacion}
            << true << "0.2";
        QTest::newRow("78.7°, Di 0.5, 0.3: sube a 0.35") << "500" << 5.0 << "" << "0.3" << true
            << QStringList{Recomendacion("0.35")} << QStringList{"Confirmación"}
            << QList<int>{confirmacion} << true << "0.35";
        QTest::newRow("78.7°, Di 1.5, 0.45: sube a 0.5") << "1500" << 5.0 << "" << "0.45" << false
            << QStringList{Recomendacion("0.5")} << QStringList{"Confirmación"}
            << QList<int>{confirmacion} << true << "0.5";
        QTest::newRow("78.7°, Di 0.3, 0.3 basta") << "300" << 5.0 << "" << "0.3" << false
            << QStringList{} << QStringList{} << QList<int>{} << false << "0.3";
        // El ángulo de los pasos 1 y 2 es el del último repintado (78.7°); el
        // talud nuevo 1:1 (45°) solo trae la recomendación del paso 5.
        QTest::newRow("talud cambiado a 45°") << "500" << 5.0 << "1" << "0.35" << false
            << QStringList{AvisoAngulo} << QStringList{TituloPrograma} << QList<int>{BotonAceptar}
            << false << "0.35";
        QTest::newRow("talud cambiado a 45°, roca") << "500" << 5.0 << "1" << "0.3" << true
            << QStringList{Recomendacion("0.35"), AvisoAngulo}
            << QStringList{"Confirmación", TituloPrograma} << QList<int>{confirmacion, BotonAceptar}
            << true << "0.35";
        QTest::newRow("talud cambiado, aún empinado") << "500" << 5.0 << "2" << "0.35" << false
            << QStringList{} << QStringList{} << QList<int>{} << false << "0.35";
    }

    void MensajesDeSeleccion()
    {
        QFETCH(QString, di);
        QFETCH(double, v);
        QFETCH(QString, vNueva);
        QFETCH(QString, resguardo);
        QFETCH(bool, roca);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, titulos);
        QFETCH(QList<int>, botones);
        QFETCH(bool, abierto);
        QFETCH(QString, queda);
        Tubo(di);
        QVERIFY(Abre(1, v));
        if (!vNueva.isEmpty())
            d->Edit2->setText(vNueva);
        d->Edit3->setText(resguardo);
        QTest::mouseClick(roca ? d->Button2 : d->Button1, Qt::LeftButton);

        QCOMPARE(guion.Textos(), textos);
        QStringList vistos;
        QList<int> tipos;
        for (const auto& visto : guion.vistos) {
            vistos.append(visto.titulo);
            tipos.append(visto.botones);
        }
        QCOMPARE(vistos, titulos);
        QCOMPARE(tipos, botones);
        QCOMPARE(d->isVisible(), abierto);
        QCOMPARE(d->Edit3->text(), queda);
        QCOMPARE(p->Resguardo, queda.toDouble());
        QCOMPARE(p->ResguardoMinimo, queda.toDouble());
        // La anchura pasa a la ventana principal aunque el diálogo siga abierto.
        QCOMPARE(p->TaludDefinido, 1);
        const double c = roca ? 0.15 : 0.1;
        const double b = p->De + 2 * queda.toDouble() + 2 * p->TaludH * (p->De + c) / p->TaludV;
        QCOMPARE(f->EditB->text(), QString::fromStdString(TextoNumero(b)));
    }

    void SalirDelResguardo_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("resguardo");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("queda");
        // Di = 0.5: el mínimo al abrir es 0.2 con 1:1 y 0.35 con 1:5.
        QTest::newRow("45°, 0.1") << 1.0 << "0.1" << QStringList{AvisoMinimo02} << "0.2";
        QTest::newRow("45°, 0.2") << 1.0 << "0.2" << QStringList{} << "0.2";
        QTest::newRow("78.7°, 0.3") << 5.0 << "0.3" << QStringList{Recomendacion("0.35")} << "0.35";
        QTest::newRow("78.7°, 0.1") << 5.0 << "0.1" << QStringList{Recomendacion("0.35")} << "0.35";
        QTest::newRow("78.7°, 0.4") << 5.0 << "0.4" << QStringList{} << "0.4";
    }

    void SalirDelResguardo()
    {
        QFETCH(double, v);
        QFETCH(QString, resguardo);
        QFETCH(QStringList, textos);
        QFETCH(QString, queda);
        Tubo("500");
        QVERIFY(Abre(1, v));
        d->Edit3->setFocus();
        QVERIFY(d->Edit3->hasFocus());
        d->Edit3->setText(resguardo);
        d->Edit1->setFocus();  // salir de la casilla hacia otro control
        QCOMPARE(guion.Textos(), textos);
        QCOMPARE(d->Edit3->text(), queda);
        QCOMPARE(p->Resguardo, queda.toDouble());
        QVERIFY(d->isVisible());
    }

    void CancelarNoTocaLaAnchura()
    {
        Tubo("1000");
        f->EditB->setText("3");
        p->TaludDefinido = 1;
        QVERIFY(Abre(1, 5));
        QTest::mouseClick(d->SpinButton1Up, Qt::LeftButton);
        d->Edit3->setText("0.5");
        QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        // El talud y el resguardo se escriben al momento; la anchura no.
        QCOMPARE(p->TaludH, 2.0);
        QCOMPARE(p->Resguardo, 0.5);
        QCOMPARE(f->EditB->text(), QString("3"));
        QCOMPARE(p->b, 3.0);
        QCOMPARE(p->TaludDefinido, 1);
        QVERIFY(guion.vistos.isEmpty());
    }

    void CroquisSigueAlTalud()
    {
        Tubo("1000");
        QVERIFY(Abre(1, 5));  // e = 110 + 26 = 136
        const QImage empinado = d->Dibujo->grab().toImage();
        QVERIFY(Oscuro(empinado, 30, 100));  // eje
        QVERIFY(Oscuro(empinado, 60, 160));  // fondo
        QVERIFY(Oscuro(empinado, 130, 30));  // terreno hasta e
        QVERIFY(Oscuro(empinado, 124, 95));  // pared, a media altura
        QVERIFY(Oscuro(empinado, 136, 15));  // cota b / 2 hasta e
        QVERIFY(!Oscuro(empinado, 200, 30));
        QCOMPARE(empinado.pixel(200, 100), QColor(0, 128, 128).rgb());  // fondo teal

        d->Edit2->setText("1");  // e = 110 + 130 = 240
        const QImage tendido = d->Dibujo->grab().toImage();
        QVERIFY(Oscuro(tendido, 200, 30));
        QVERIFY(Oscuro(tendido, 176, 95));
        QVERIFY(Oscuro(tendido, 238, 15));
        QVERIFY(!Oscuro(tendido, 124, 95));  // la pared anterior se borró
        QVERIFY(Oscuro(tendido, 30, 100));
    }
};

QTEST_MAIN(PruebaTalud)
#include "talud_test.moc"
