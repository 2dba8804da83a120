// Ventana principal: que muestra lo que dice el motor (cuyas reglas prueban sus
// tablas), sus mensajes, avisos, ayuda y órdenes de cálculo.

#include <QAction>
#include <QFile>
#include <QPushButton>

#include <functional>
#include <tuple>

#include "ayuda.h"
#include "banco_ventanas.h"
#include "numero.h"

using Textos = QStringList;

class PruebaForm1 : public BancoVentanas {
    Q_OBJECT

    bool Visible(const char* nombre) { return Hijo<QWidget>(f, nombre)->isVisible(); }
    QString Marcas()
    {
        return QString(Hijo<QAction>(f, "Activarmensajes1")->isChecked() ? "A" : "") +
               (Hijo<QAction>(f, "Desactivarmensajes1")->isChecked() ? "D" : "");
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void ValoresIniciales()
    {
        for (int vez = 0; vez < 2; ++vez) {
            QCOMPARE(f->windowTitle(), QString("Cálculo mecánico de tubos [ ]"));
            QCOMPARE(Ve({"ComboRelleno", "ComboCarretera", "EditHr", "LPeso"}),
                     Textos({"Arena Arcillosa", "Carro tres ejes de 600 kN (60 t.)", "0",
                             "19.2 kN/m3"}));
            QVERIFY(!Visible("Editdh") && !Visible("PanelRellenoUsuario") && !Visible("PanelH1r"));
            QVERIFY(Visible("PanelB"));
            QCOMPARE(Marcas(), QString());  // el de la carga empieza apagado: ninguna marca
            QCOMPARE(p->TaludDefinido, 0);
            // "Limpiar Datos" con Aceptar vuelve a lo mismo.
            Pon({{"EditHr", "3"}, {"ComboRelleno", 0}});
            p->TaludDefinido = 1;
            guion.respuestas = {RespuestaAceptar};
            f->LimpiarDatos1Click();
        }
        QCOMPARE(guion.Textos(), Textos(2, "¿Seguro que quiere borrar todos los datos?"));
    }

    void FactorDeApoyo()
    {
        Pon({{"EFap", "2.3"}});
        QCOMPARE(p->Fa, 2.3);
        QCOMPARE(p->Tipo, 14);
        // Con una clase de terraplén, cambiar hr o h'r rehace Fa sin tocar el código,
        // también sin b2 ni hr2; el registro guarda el valor de la casilla.
        Pon({{"EditDi", "1000"}, {"TabbedNotebook1", 1}, {"EditH1r", "1.0962"}});
        p->Tipo = 0;
        Pon({{"EditHr", "0.712"}});
        QCOMPARE(Ve({"EFap"}), Textos{"7.996"});
        QCOMPARE(p->Fa, 7.996);
        Pon({{"EditH1r", "0.5"}});
        QCOMPARE(Ve({"EFap"}), Textos{"3.866"});
        QCOMPARE(p->Tipo, 0);
        f->PintaVariables();
        QCOMPARE(Ve({"LClaseTerraplen"}), Textos{"A"});
        // Un Fa tecleado ya no es el de la clase: no se rehace.
        Pon({{"EFap", "2.5"}, {"EditHr", "3"}});
        QCOMPARE(p->Fa, 2.5);
        QCOMPARE(p->Tipo, 14);
    }

    // Correcciones al salir de una casilla: valor, casilla y mensajes en su orden.
    void SalidasDeCasillas()
    {
        const QString corrige = "por lo que se corrige automáticante el valor.";
        const QString doble =
            "hr2 debe ser como maximo dos veces la anchura de la zanja inducida (b2), " + corrige;
        Pon({{"EditDi", "1000"}, {"ComboCarretera", 0}, {"EditHr", "0.3"}});
        guion.vistos.clear();
        f->CompruebaHr();
        QCOMPARE(p->hr, 0.5);
        QCOMPARE(Ve({"EditHr"}), Textos{"0.5"});
        QCOMPARE(guion.Textos(), Textos{"Para garantizar un correcto reparto de las cargas, hr "
                                        "debe ser mayor o igual a 0.5 m,  " +
                                        corrige});
        QCOMPARE(guion.vistos[0].titulo, QString("Aviso"));

        Pon({{"TabbedNotebook1", 1}, {"EditH1r", "2"}});
        p->Tipo = 0;  // clase A: su Fa sigue a la h'r corregida
        guion.vistos.clear();
        f->EditH1rExit();
        QCOMPARE(Ve({"EditH1r", "EFap"}), Textos({"1.218", "8"}));
        QCOMPARE(
            guion.Textos(),
            Textos{"h´r debe ser menor o igual al diámetro exterior (De) del tubo, " + corrige});

        Pon({{"EditDi", "600"}, {"TabbedNotebook1", 3}, {"EditHr", "2"}, {"EditB2", "1.2"}});
        Pon({{"EditHr2", "3"}});
        guion.vistos.clear();
        f->EditHr2Exit();
        QCOMPARE(p->hr, 3.1);
        QCOMPARE(p->hr2, 2.3);
        QCOMPARE(Ve({"EditHr2"}), Textos{"2.3"});
        QCOMPARE(guion.Textos(),
                 Textos({"hr2 debe ser menor que la altura del relleno (hr), " + corrige, doble}));
        Pon({{"EditB2", "0.5"}});  // menor que De: pasa a De escrito entero
        guion.vistos.clear();
        f->EditB2Exit();
        QCOMPARE(Ve({"EditB2"}), Textos{"0.75"});
        QCOMPARE(guion.Textos(), Textos({"B2 ha de ser un valor como mínimo igual al diámetro "
                                         "exterior de la tubería.",
                                         doble}));
    }

    void Avisos()
    {
        Pon({{"EditDi", "600"}, {"EditEs", "60"}, {"EditHr", "2"}});
        guion.vistos.clear();
        guion.respuestas = {RespuestaNo, RespuestaSi};
        f->CompruebaEs();
        f->CompruebaEs();  // callado con No
        f->Activarmensajes1Click();
        QCOMPARE(Marcas(), QString("A"));
        f->CompruebaEs();
        QCOMPARE(guion.Textos(), Textos(2, "La Norma UNE 127.010 recomienda un espesor de pared "
                                           "mínimo de 75 mm. ¿Quiere mantener activado este "
                                           "aviso?"));
        QCOMPARE(p->AvisoEspesor, 1);
        QCOMPARE(p->Es, 0.06);  // el espesor no se corrige
        // "Activar" marcado con los tres avisos encendidos, "Desactivar" con los tres apagados.
        f->Desactivarmensajes1Click();
        QCOMPARE(Marcas(), QString("D"));
    }

    void AnchuraDeZanja()
    {
        const QString estrecha = "La zanja debe ser mayor que el diámetro exterior (De) del tubo. "
                                 "Se aconseja dejar 0.25m a ambos lados, para De=0.4m. ¿Desea que "
                                 "se corrija automáticamente?";
        const QString consejo = "Es recomendable mantener al menos 0.35 m. a ambos lados del "
                                "tubo. ¿Quiere mantener activado este aviso?";
        const struct {
            double Di, De, b;
            int respuesta;
            QString texto, queda;
            int aviso;
        } casos[] = {{0.3, 0.4, 0.3, RespuestaSi, estrecha, "0.9", 1},
                     {0.3, 0.4, 0.3, RespuestaNo, estrecha, "", 1},
                     {0.6, 0.78, 1.2, RespuestaNo, consejo, "", 0}};
        for (const auto& c : casos) {
            p->Di = c.Di, p->De = c.De, p->b = c.b;
            guion.vistos.clear();
            guion.respuestas = {c.respuesta};
            f->CompruebaB();
            QCOMPARE(guion.Textos(), Textos{c.texto});
            QCOMPARE(p->b, c.queda.isEmpty() ? c.b : c.queda.toDouble());
            if (!c.queda.isEmpty())
                QCOMPARE(Ve({"EditB"}), Textos{c.queda});
            QCOMPARE(int(p->AvisoAnchura), c.aviso);
        }
    }

    void RellenoYPaginas()
    {
        Pon({{"TabbedNotebook1", 1}, {"ComboRelleno", 5}});  // terraplén, relleno del usuario
        QVERIFY(Visible("PanelRellenoUsuario") && !Visible("EditFi1") && !Visible("LRU1"));
        Pon({{"EditFi", "30"}});
        QCOMPARE(p->fi1, 30.0);  // sin paramentos, el rozamiento es el interno
        Pon({{"TabbedNotebook1", 0}});
        QVERIFY(Visible("EditFi1"));
        Pon({{"EFap", "2"}, {"TabbedNotebook1", 3}});  // otra vez sin paramentos: datos a cero
        QCOMPARE(p->fi + p->gamma + p->Fa, 0.0);
        QCOMPARE(Ve({"EFap", "lmrelleno"}), Textos({"0", "λμ ="}));
        QVERIFY(Visible("PanelH1r") && !Visible("PanelB"));
    }

    void SentidoDeViaYCompactador()
    {
        Pon({{"TabTrafico", 1}, {"ComboBox1", 0}});
        QVERIFY(Visible("Editdh"));
        Pon({{"Editdh", "2"}, {"ComboBox1", 1}});
        QVERIFY(!Visible("Editdh") && !Visible("Label42"));
        QCOMPARE(p->dh, 2.0);
        TuboNormal();
        Pon({{"ComboCompactador", 1}, {"EditPq", "2"}});
        // 19.6·2·1.218/(3.141592·2) = 7.5996… se muestra truncado.
        QCOMPARE(Ve({"Lab_comp"}), Textos{"7.59 kN/m"});
    }

    void Ayuda()
    {
        // Toda página de ayuda que usa la ventana (y sus hojas y memoria) existe.
        QList<int> contextos = {22, 23};
        for (const QObject* hijo : f->findChildren<QObject*>())
            if (ContextoAyuda(hijo) >= 0)  // -1: sin contexto propio ni heredado
                contextos.append(ContextoAyuda(hijo));
        for (int contexto : contextos)
            QVERIFY2(QFile::exists(QString(":/ayuda/%1.html").arg(contexto)),
                     qPrintable(QString::number(contexto)));
        InstalaTeclaAyuda(*qApp);
        f->activateWindow();
        Caja("EditHr")->setFocus();
        QTest::keyClick(Caja("EditHr"), Qt::Key_F1);
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 125);
        Opcion(f.get(), "&Memoria de Cálculo")->trigger();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 33);
        Opcion(f.get(), "Ayuda")->trigger();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 0);
        QCOMPARE(ContextoAyuda(Lista("ComboVia")), 111);  // hereda el de su cuaderno
        VentanaAyuda::Unica().close();
    }

    // Orden, instalación, ventana que abre y modo de cálculo.
    void OrdenesDeCalculo()
    {
        const std::tuple<std::function<void()>, int, const char*, int> casos[] = {
            {[this] { f->CalculartodoClick(0); }, 1, "TResultadoTerraplen", 1},
            {[this] { f->CalculartodoClick(1); }, 2, "TResultadoZanjas", 2},
            {[this] { f->CalcularSoloCarga(); }, 0, "TCalculos", 0}};  // UNE y ASTM: vias_test
        for (const auto& [orden, instalacion, ventana, modo] : casos) {
            TuboNormal();
            Pon({{"TabbedNotebook1", instalacion}, {"EditH2r", "0.5"}, {"EditB", "2.6"}});
            Pon({{"EFap", "1.9"}});
            guion.vistos.clear();
            QCOMPARE(AbreCon(orden), QString(ventana));
            QCOMPARE(int(p->ModoCalculo), modo);
        }
    }

    // Sin factor de apoyo la memoria no se abre (Ctrl+L, en tecleo_test) y las hojas usan
    // los suyos (Ctrl+T).
    void CorreccionesAntesDeCalcular()
    {
        // Con menos de 1 m de relleno el avión no carga, pero sigue elegido.
        TuboNormal();
        Pon({{"EditB", "2.6"}, {"ComboCarretera", 0}, {"EditHr", "0.8"}, {"ComboAeropuerto", 1}});
        Pon({{"EFap", "1.9"}});
        guion.vistos.clear();
        AbreCon([this] { f->CalcularClaseResistenteUNE(); });
        QCOMPARE(p->AeropuertoIndex, 1);
        QCOMPARE(Ve({"ComboAeropuerto"}), Textos{"DC 9 (900 kN)"});

        // Sin relleno, las hojas lo suben a 0.5 m con su aviso.
        Pon({{"EditHr", "0"}});
        guion.vistos.clear();
        AbreCon([this] { f->CalculartodoClick(0); });
        QVERIFY(guion.Textos().contains(
            "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige automáticamente"));
        QCOMPARE(p->hr, 0.5);
        QCOMPARE(Ve({"EditHr"}), Textos{"0.5"});

        // Relleno de usuario con un dato nulo, aunque se teclee "0.0".
        Pon({{"ComboRelleno", 5}, {"EditFi", "30"}, {"EditFi1", "20"}, {"EditGamma", "0.0"}});
        guion.vistos.clear();
        QCOMPARE(AbreCon([this] { f->CalcularSoloCarga(); }), QString());
        QCOMPARE(guion.Textos().last(),
                 QString("Si los datos del relleno son a definir por el usuario, "
                         "asegurese de que los valores sean distintos de cero"));
    }

    // Zanja inducida: b2 y hr2 tecleados, la orden (solo carga, hojas o Predefinidos), hr2 que
    // queda y primer mensaje con su título. Sin b2 no se calcula ni se escribe un hr2 negativo;
    // Predefinidos no abre nada con hr2 nula.
    void ZanjaInducidaAntesDeCalcular()
    {
        enum Orden { Carga, Hojas, Predefinidos };
        const std::tuple<const char*, const char*, Orden, const char*, const char*, QString>
            casos[] = {
                {"1.22", "2.5", Carga, "2.34",
                 "hr2 debe ser como maximo dos veces la anchura de la zanja inducida (b2), por lo "
                 "que para realizar el cálculo se corregirá automáticante el valor.",
                 TituloPrograma},
                {"0", "2.5", Hojas, "2.5",
                 "Introduzca la anchura de la zanja inducida (b2) antes de calcular.", "Aviso"},
                {"1.5", "0", Predefinidos, "0",
                 "No se puede utilizar Predefinidos si la Altura de relleno (hr), la Anchura de la "
                 "zanja (b2) o la Altura de la zanja (hr2) valen 0",
                 "Aviso"}};
        for (const auto& [b2, hr2, orden, queda, mensaje, titulo] : casos) {
            TuboNormal();
            Pon({{"TabbedNotebook1", 3}, {"EditHr", "5"}, {"EditB2", b2}});
            Pon({{"EditHr2", hr2}, {"EFap", "2"}});
            guion.vistos.clear();
            const QString abierta = AbreCon([this, orden = orden] {
                orden == Carga   ? f->CalcularSoloCarga()
                : orden == Hojas ? f->CalculartodoClick(0)
                                 : Hijo<QPushButton>(f, "Button2")->click();
            });
            QCOMPARE(abierta.isEmpty(), orden != Carga);
            QCOMPARE(p->hr2, LeeNumero(queda).valor);
            QCOMPARE(Ve({"EditHr2"}), Textos{queda});
            QCOMPARE(guion.vistos.value(0).texto, QString(mensaje));
            QCOMPARE(guion.vistos.value(0).titulo, titulo);
        }
    }
};

QTEST_MAIN(PruebaForm1)
#include "form1_test.moc"
