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

    // Una fila por manejador: el registro y la casilla (que tenía 7) con el cursor aún en
    // ella y, después de salir, la casilla, el registro, si el caso quedó modificado y los
    // mensajes.
    void NumerosAMedias()
    {
        const QString tope = "La máxima velocidad permitida en la Memoria es 200 km/h., por lo "
                             "que se corrige automáticante el valor.";
        using Campo = std::function<double(Proyecto&)>;
        const Campo hr = [](Proyecto& p) { return p.hr; };
        const Campo vias = [](Proyecto& p) { return double(p.NVias); };
        const struct {
            const char *casilla, *teclas;
            Campo campo;
            double valor;
            const char *texto, *queda;
            double final;
            int modificado;
            QString mensaje;
        } casos[] = {
            {"EditHr", "2,5", hr, 2.5, "2,5", "2.5", 2.5, 1, ""},
            {"EditHr", "1.", hr, 1, "1.", "1", 1, 1, ""},
            {"EditHr", "", hr, 7, "", "0", 0, 1, ""},
            {"EditHr", "-3", hr, 3, "-3", "3", 3, 1, ""},
            {"EFap", "", [](Proyecto& p) { return p.Fa; }, 7, "", "7", 7, 0, ""},  // el anterior
            {"EditGamma", "x", [](Proyecto& p) { return p.gamma; }, 0, "0", "0", 0, 1, ""},
            {"EditB", "abc", [](Proyecto& p) { return p.b; }, 7, "7", "7", 7, 0, ""},
            {"EditNVias", "2,", vias, 2, "2", "2", 2, 1, ""},
            {"EditNVias", "-3", vias, 10, "10", "10", 10, 1, ""},
            {"EditVTren", "250", [](Proyecto& p) { return p.V; }, 200, "200", "200", 200, 1, tope},
        };
        QVERIFY(Activa());
        for (const auto& c : casos) {
            QLineEdit* caja = Caja(c.casilla);
            caja->setText("7");
            p->Modificado = 0;
            guion.vistos.clear();
            Reescribe(caja, c.teclas);
            const QString caso = QString("%1 [%2]").arg(c.casilla, c.teclas);
            QVERIFY2(c.campo(*p) == c.valor && caja->text() == c.texto, qPrintable(caso));
            Sale();
            QVERIFY2(caja->text() == c.queda && c.campo(*p) == c.final &&
                         p->Modificado == c.modificado,
                     qPrintable(caso + ": " + caja->text()));
            QCOMPARE(guion.Textos(), c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje});
        }
    }

    // Un diámetro normalizado trae su espesor. Borrar el diámetro para escribir otro no es un
    // error; dejarlo así al salir sí, como un espesor no válido: cada uno avisa una vez y vuelve
    // a su valor.
    void Diametro()
    {
        QVERIFY(Activa());
        QLineEdit* caja = Lista("EditDi")->lineEdit();
        Pon({{"EditDi", "300"}});
        QCOMPARE(Ve({"EditEs", "EditDe"}), QStringList({"50", "400"}));
        Reescribe(caja, "-");
        QVERIFY(guion.vistos.isEmpty());
        Sale();
        QCOMPARE(p->Di, 0.3);
        Reescribe(Caja("EditEs"), "x");
        Sale();
        QCOMPARE(guion.Vistos(), QStringList(2, "¡¡ Atención !! · 0 · Valor no válido"));
        QCOMPARE(Ve({"EditDi", "EditEs"}), QStringList({"300", "50"}));
        Reescribe(caja, "1200");
        Sale();
        QCOMPARE(p->Di, 1.2);
        QCOMPARE(Ve({"EditEs"}), QStringList{"125"});
    }

    // Con menos de 1 m de relleno, la carretera aconseja más; el tren y el avión preguntan si
    // se sube a 1 m al elegir su lista o al salir de hr, nunca a media tecla ("0,8" perdería
    // ",8"). Con No, hr queda; elegida la lista, también la carga del tráfico.
    void TraficoConPocoRelleno()
    {
        const QString carretera = "Aviso · 64 · Para la determinación de la carga producida por "
                                  "el tráfico automovilístico es recomendable que hr sea no "
                                  "menor de 1m.";
        const QString tren = "Aviso · 36 · En la determinación de la carga ferroviaria la altura "
                             "de relleno por encima de la clave del tubo debe ser como mínimo de "
                             "1 m.. No obstante se recomienda un valor no menor de 1.5 m. Por "
                             "tanto el valor se corregirá automaticamente.";
        const QString avion = "Aviso · 36 · Para el correcto cálculo de la carga producida por el "
                              "tráfico aéreo, hr debe tomar como mínimo el valor 1. No obstante "
                              "se recomienda un valor no menor a 1.5 m. Por tanto el valor se "
                              "corregirá automaticamente. ";
        // Página, lista y elección, si se teclea hr (si no, se elige la lista con hr = 0.8),
        // respuesta, mensaje y hr que queda.
        const std::tuple<int, const char*, int, bool, int, QString, const char*> casos[] = {
            {0, "ComboCarretera", 1, false, RespuestaAceptar, carretera, "0.8"},
            {1, "ComboVia", 1, false, RespuestaNo, tren, "0.8"},
            {1, "ComboVia", 2, false, RespuestaSi, tren, "1"},
            {1, "ComboVia", 1, true, RespuestaNo, tren, "0.8"},
            {2, "ComboAeropuerto", 1, true, RespuestaNo, avion, "0.8"}};
        for (const auto& [pagina, lista, indice, teclea, respuesta, mensaje, queda] : casos) {
            QVERIFY(Activa());
            Pon({{"EditDi", "1000"}, {"EditHr", "2"}, {"ComboCarretera", 0}, {"EditNVias", "1"}});
            Pon({{"TabTrafico", pagina}, {lista, teclea ? indice : 0}});
            if (!teclea)
                Pon({{"EditHr", "0.8"}});
            const QStringList carga = Ve({"Lqt"});
            guion = DialogosGuion();
            guion.respuestas = {respuesta};
            if (teclea) {
                Reescribe(Caja("EditHr"), "0,8");
                QVERIFY(guion.vistos.isEmpty());
                QCOMPARE(p->hr, 0.8);
                Sale();
            } else {
                Pon({{lista, indice}});
            }
            QCOMPARE(guion.Vistos(), QStringList{mensaje});
            QCOMPARE(Ve({"EditHr"}), QStringList{queda});
            QCOMPARE(p->hr, QString(queda).toDouble());
            if (respuesta == RespuestaNo && !teclea)
                QCOMPARE(Ve({"Lqt"}), carga);
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
        QLabel* linea = Hijo<QLabel>(f, "ClaseEnVivo");
        QTRY_VERIFY(linea->toolTip().startsWith("Carga de cálculo 89.24"));  // la del archivo
        Reescribe(Caja("EditHr"), "3.2");
        QTRY_COMPARE(linea->toolTip(),
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
