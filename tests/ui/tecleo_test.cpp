// Teclear en las casillas de la ventana principal como lo hace un usuario:
// números a medio escribir, salir de la casilla, los atajos de los menús con
// el cursor dentro de una casilla y la clase en vivo. Qué se lee de cada texto
// lo prueba el motor.

#include <QTest>

#include <functional>
#include <tuple>

#include "banco_ventanas.h"

class PruebaTecleo : public BancoVentanas {
    Q_OBJECT

    bool Activa()
    {
        f->activateWindow();
        return QTest::qWaitForWindowActive(f.get());
    }

    // Sale de la casilla como con el tabulador, hacia otro control.
    void Sale() { Lista("ComboBase")->setFocus(Qt::TabFocusReason); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // Una fila por manejador: el registro con el cursor aún en la casilla (que
    // tenía 7) y, después de salir, la casilla y el registro.
    void NumerosAMedias()
    {
        const struct {
            const char *casilla, *teclas;
            std::function<double(Proyecto&)> campo;
            double valor;
            const char* queda;
            double final;
        } casos[] = {
            {"EditHr", "2,5", [](Proyecto& p) { return p.hr; }, 2.5, "2.5", 2.5},
            {"EditHr", "1.", [](Proyecto& p) { return p.hr; }, 1, "1", 1},
            {"EditHr", "", [](Proyecto& p) { return p.hr; }, 7, "0", 0},
            {"EFap", "", [](Proyecto& p) { return p.Fa; }, 7, "7", 7},  // vuelve al anterior
            {"EditNVias", "2,", [](Proyecto& p) { return double(p.NVias); }, 2, "2", 2},
        };
        QVERIFY(Activa());
        for (const auto& c : casos) {
            QLineEdit* caja = Caja(c.casilla);
            caja->setText("7");
            Reescribe(caja, c.teclas);
            QCOMPARE(c.campo(*p), c.valor);
            Sale();
            QCOMPARE(caja->text(), QString(c.queda));
            QCOMPARE(c.campo(*p), c.final);
        }
        guion.vistos.clear();
    }

    void DiametroAMedias()
    {
        QVERIFY(Activa());
        QLineEdit* caja = Lista("EditDi")->lineEdit();
        Pon({{"EditDi", "600"}});
        Reescribe(caja, "-");
        // Borrar para escribir otro diámetro no es un error; dejarlo así al salir
        // sí, y solo se avisa una vez.
        QVERIFY(guion.vistos.isEmpty());
        Sale();
        QCOMPARE(guion.Textos(), QStringList{"Valor no válido"});
        QCOMPARE(p->Di, 0.6);
        Reescribe(caja, "1200");
        Sale();
        QCOMPARE(p->Di, 1.2);
        QCOMPARE(Ve({"EditEs"}), QStringList{"125"});
    }

    // Con tren o avión, "0,8" en hr no pregunta a media tecla (se perdería ",8"): al salir.
    void PreguntaAlSalirNoAlTeclear()
    {
        const QString tren = "En la determinación de la carga ferroviaria la altura de relleno "
                             "por encima de la clave del tubo debe ser como mínimo de 1 m.. No "
                             "obstante se recomienda un valor no menor de 1.5 m. Por tanto el "
                             "valor se corregirá automaticamente.";
        const QString avion = "Para el correcto cálculo de la carga producida por el tráfico "
                              "aéreo, hr debe tomar como mínimo el valor 1. No obstante se "
                              "recomienda un valor no menor a 1.5 m. Por tanto el valor se "
                              "corregirá automaticamente. ";
        for (const auto& [pagina, lista, pregunta] :
             {std::tuple{1, "ComboVia", tren}, {2, "ComboAeropuerto", avion}}) {
            QVERIFY(Activa());
            Pon({{"EditDi", "1000"}, {"EditHr", "2"}, {"ComboCarretera", 0}, {"EditNVias", "1"}});
            Pon({{"TabTrafico", pagina}, {lista, 1}});
            guion = DialogosGuion();
            guion.respuestas = {RespuestaNo};
            Reescribe(Caja("EditHr"), "0,8");
            QVERIFY(guion.vistos.isEmpty());
            QCOMPARE(p->hr, 0.8);
            Sale();
            QCOMPARE(guion.Textos(), QStringList{pregunta});
            QCOMPARE(Ve({"EditHr"}), QStringList{"0.8"});
        }
        guion = DialogosGuion();
    }

    void AtajosDesdeUnaCasilla()
    {
        // Casilla, tecla con Ctrl y el mensaje o la ventana que prueba que la orden se ejecutó.
        const QString sinFactor = "Debe indicar el Factor de Apoyo";
        const struct {
            const char* casilla;
            Qt::Key tecla;
            QString orden;
        } casos[] = {{"EditHr", Qt::Key_T, "TResultadoZanjas"},
                     {"EditHr", Qt::Key_X, "TResultadoZanjas"},
                     {"EditQs", Qt::Key_L, sinFactor},
                     {"EditHr", Qt::Key_U, sinFactor},
                     {"EditDi", Qt::Key_U, sinFactor},
                     {"EFap", Qt::Key_S, sinFactor},
                     {"EditHr", Qt::Key_B, "¿Sobreescribir con nuevos datos?"},
                     {"EditHr", Qt::Key_D, "¿Seguro que quiere borrar todos los datos?"},
                     {"EditHr", Qt::Key_G, "guardar"},
                     {"EditHr", Qt::Key_O, "guardar"},
                     {"EditHr", Qt::Key_E, "impresora"}};
        for (const auto& c : casos) {
            QVERIFY(Activa());  // tras cerrar la ventana de la fila anterior
            Pon({{"EditDi", "1000"}, {"EditHr", "2.5"}});
            guion = DialogosGuion();
            guion.respuestas = {RespuestaCancelar};
            QLineEdit* caja =
                QString(c.casilla) == "EditDi" ? Lista("EditDi")->lineEdit() : Caja(c.casilla);
            caja->setFocus(Qt::TabFocusReason);
            const QString antes = caja->text();
            caja->selectAll();  // con el texto marcado, Ctrl+X cortaría
            const QString abierta =
                AbreCon([&] { QTest::keyClick(caja, c.tecla, Qt::ControlModifier); });
            QCOMPARE(caja->text(), antes);
            if (c.orden == "guardar")
                QCOMPARE(guion.propuestos.size(), 1);
            else if (c.orden == "impresora")
                QCOMPARE(guion.configuraciones, 1);
            else if (c.orden.startsWith("T"))
                QCOMPARE(abierta, c.orden);
            else
                QCOMPARE(guion.Textos().value(0), c.orden);
        }
        guion = DialogosGuion();
    }

    void AnchuraConComaAlCambiarDeInstalacion()
    {
        // Cambiar de página relee la anchura: "2,6" sigue siendo 2.6, no 0.
        Pon({{"EditB", "2,6"}, {"TabbedNotebook1", 2}});
        QCOMPARE(p->b, 2.6);
        QCOMPARE(Ve({"EditB"}), QStringList{"2,6"});
        guion.vistos.clear();
    }

    // Cada tecla rehace la línea de la clase en vivo con lo ya leído, sin abrir ningún mensaje
    // (que dice lo mismo que las órdenes lo prueba vias_test).
    void ClaseEnVivoAlTeclear()
    {
        guion.nombres = {CARPETA_EJEMPLOS "/zanja.txt"};
        f->AbrirClick();
        Reescribe(Caja("EditHr"), "3.2");
        QTRY_COMPARE(Hijo<QLabel>(f, "ClaseEnVivo")->toolTip(),
                     "Carga de cálculo 104.58 kN/m² · UNE 135 (hasta hr 4.77 m) · "
                     "ASTM IV (hasta hr 5.27 m)");
        QVERIFY(guion.vistos.isEmpty());
    }

    void OrdenConNumeroAMedias()
    {
        // Una orden dada con "-" a medio escribir en hr calcula con lo que la
        // casilla muestra después, no con el valor anterior escondido.
        QVERIFY(Activa());
        Pon({{"EditHr", "2.5"}});
        Reescribe(Caja("EditHr"), "-");
        QCOMPARE(p->hr, 2.5);
        QTest::keyClick(Caja("EditHr"), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Ve({"EditHr"}), QStringList{"0"});
        QCOMPARE(p->hr, 0.0);
        guion.vistos.clear();
    }
};

QTEST_MAIN(PruebaTecleo)
#include "tecleo_test.moc"
