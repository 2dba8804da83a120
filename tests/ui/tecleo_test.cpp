// Teclear en las casillas de la ventana principal como lo hace un usuario:
// números a medio escribir, coma decimal, salir de la casilla, y los atajos de
// los menús con el cursor dentro de una casilla.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <map>

#include "banco_ventanas.h"

class PruebaTecleo : public BancoVentanas {
    Q_OBJECT

    QLineEdit* Casilla(const QString& nombre) { return f->findChild<QLineEdit*>(nombre); }

    bool Activa()
    {
        f->activateWindow();
        return QTest::qWaitForWindowActive(f.get());
    }

    // Sale de la casilla como con el tabulador, hacia otro control.
    void Sale() { Lista("ComboBase")->setFocus(Qt::TabFocusReason); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void NumerosAMedias_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<QString>("teclas");  // en la casilla, que tenía 7
        QTest::addColumn<double>("valor");    // el registro con el cursor aún en ella
        QTest::addColumn<QString>("queda");   // la casilla después de salir
        QTest::addColumn<double>("final");    // el registro después de salir
        QTest::newRow("hr coma") << "EditHr"
                                 << "2,5" << 2.5 << "2,5" << 2.5;
        QTest::newRow("hr punto inicial") << "EditHr"
                                          << ".75" << 0.75 << ".75" << 0.75;
        QTest::newRow("hr exponente") << "EditHr"
                                      << "1e1" << 10.0 << "1e1" << 10.0;
        QTest::newRow("hr vacía") << "EditHr"
                                  << "" << 7.0 << "0" << 0.0;
        QTest::newRow("hr sin exponente") << "EditHr"
                                          << "3e-" << 3.0 << "3" << 3.0;
        QTest::newRow("hr miles") << "EditHr"
                                  << "1.000," << 1.0 << "1" << 1.0;
        QTest::newRow("Es negativo, en mm") << "EditEs"
                                            << "-130" << 130.0 << "-130" << 130.0;
        QTest::newRow("qs coma inicial") << "EditQs"
                                         << ",8" << 0.8 << ",8" << 0.8;
        QTest::newRow("qs signo") << "EditQs"
                                  << "+" << 7.0 << "0" << 0.0;
        QTest::newRow("fi solo signo") << "EditFi"
                                       << "-" << 7.0 << "0" << 0.0;
        QTest::newRow("Fap coma") << "EFap"
                                  << "1,9" << 1.9 << "1,9" << 1.9;
        QTest::newRow("Fap vacío vuelve al anterior") << "EFap"
                                                      << "" << 7.0 << "7" << 7.0;
        QTest::newRow("vías vacía") << "EditNVias"
                                    << "" << 7.0 << "0" << 0.0;
        QTest::newRow("vías decimales") << "EditNVias"
                                        << "2," << 2.0 << "2" << 2.0;
    }

    void NumerosAMedias()
    {
        QFETCH(QString, casilla);
        QFETCH(QString, teclas);
        QFETCH(double, valor);
        QFETCH(QString, queda);
        QFETCH(double, final);
        const std::map<QString, std::function<double()>> campos = {{"EditHr", [this] { return p->hr; }},
                                                                   {"EditEs", [this] { return p->Es * 1000; }},
                                                                   {"EditQs", [this] { return p->qs; }},
                                                                   {"EditFi", [this] { return p->fi; }},
                                                                   {"EFap", [this] { return p->Fa; }},
                                                                   {"EditNVias", [this] { return double(p->NVias); }}};
        QVERIFY(Activa());
        QLineEdit* caja = Casilla(casilla);
        caja->setText("7");
        Reescribe(caja, teclas);
        QCOMPARE(campos.at(casilla)(), valor);
        Sale();
        QCOMPARE(caja->text(), queda);
        QCOMPARE(campos.at(casilla)(), final);
        guion.vistos.clear();
    }

    void DiametroAMedias()
    {
        QVERIFY(Activa());
        Lista("EditDi")->setEditText("600");
        Lista("EditDi")->setFocus(Qt::TabFocusReason);
        Lista("EditDi")->lineEdit()->selectAll();
        QTest::keyClick(Lista("EditDi")->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(Lista("EditDi")->lineEdit(), "-");
        // Borrar para escribir otro diámetro no es un error...
        QVERIFY(guion.vistos.isEmpty());
        QCOMPARE(p->Di, 0.6);
        // ...dejarlo así al salir sí, y solo se avisa una vez.
        Sale();
        QCOMPARE(guion.Textos(), QStringList{"Valor no válido"});
        QCOMPARE(p->Di, 0.6);
        QCOMPARE(Lista("EditDi")->currentText(), QString("-"));
        Lista("EditDi")->setFocus(Qt::TabFocusReason);
        Lista("EditDi")->lineEdit()->selectAll();
        QTest::keyClicks(Lista("EditDi")->lineEdit(), "1200");
        Sale();
        QCOMPARE(p->Di, 1.2);
        QCOMPARE(Caja("EditEs")->text(), QString("125"));
    }

    void AtajosDesdeUnaCasilla_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<int>("tecla");      // con Ctrl
        QTest::addColumn<QString>("orden");  // el mensaje o la ventana que prueba que se ejecutó
        const QString sinFactor = "Debe indicar el Factor de Apoyo";
        QTest::newRow("Ctrl+T todo UNE") << "EditHr" << int(Qt::Key_T) << "TResultadoZanjas";
        QTest::newRow("Ctrl+X todo ASTM") << "EditHr" << int(Qt::Key_X) << "TResultadoZanjas";
        QTest::newRow("Ctrl+L carga") << "EditQs" << int(Qt::Key_L) << sinFactor;
        QTest::newRow("Ctrl+U clase UNE") << "EditHr" << int(Qt::Key_U) << sinFactor;
        QTest::newRow("Ctrl+U en el diámetro") << "EditDi" << int(Qt::Key_U) << sinFactor;
        QTest::newRow("Ctrl+S clase ASTM") << "EFap" << int(Qt::Key_S) << sinFactor;
        QTest::newRow("Ctrl+B abrir")
            << "EditHr" << int(Qt::Key_B) << "¿Sobreescribir con nuevos datos?";
        QTest::newRow("Ctrl+D limpiar")
            << "EditHr" << int(Qt::Key_D) << "¿Seguro que quiere borrar todos los datos?";
        QTest::newRow("Ctrl+G guardar") << "EditHr" << int(Qt::Key_G) << "guardar";
        QTest::newRow("Ctrl+O guardar como") << "EditHr" << int(Qt::Key_O) << "guardar";
        QTest::newRow("Ctrl+E impresora") << "EditHr" << int(Qt::Key_E) << "impresora";
    }

    void AtajosDesdeUnaCasilla()
    {
        QFETCH(QString, casilla);
        QFETCH(int, tecla);
        QFETCH(QString, orden);
        QVERIFY(Activa());
        Lista("EditDi")->setEditText("1000");
        Caja("EditHr")->setText("2.5");
        guion.vistos.clear();
        QWidget* control = casilla == "EditDi" ? static_cast<QWidget*>(Lista("EditDi")->lineEdit())
                                               : Casilla(casilla);
        control->setFocus(Qt::TabFocusReason);
        auto* caja = qobject_cast<QLineEdit*>(control);
        const QString antes = caja->text();
        caja->selectAll();  // con el texto marcado, Ctrl+X cortaría
        guion.respuestas = {RespuestaCancelar};
        const QString abierta =
            AbreCon([&] { QTest::keyClick(control, Qt::Key(tecla), Qt::ControlModifier); });
        QCOMPARE(caja->text(), antes);
        if (orden == "guardar")
            QCOMPARE(guion.propuestos.size(), 1);
        else if (orden == "impresora")
            QCOMPARE(guion.configuraciones, 1);
        else if (orden.startsWith("T"))
            QCOMPARE(abierta, orden);
        else
            QCOMPARE(guion.Textos().value(0), orden);
        guion.respuestas.clear();
        guion.vistos.clear();
    }

    void AnchuraConComaAlCambiarDeInstalacion()
    {
        // Cambiar de página relee la anchura: "2,6" sigue siendo 2.6, no 0.
        Caja("EditB")->setText("2,6");
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(2);
        QCOMPARE(p->b, 2.6);
        QCOMPARE(Caja("EditB")->text(), QString("2,6"));
        guion.vistos.clear();
    }

    void OrdenConNumeroAMedias()
    {
        // Una orden dada con "-" a medio escribir en hr calcula con lo que la
        // casilla muestra después, no con el valor anterior escondido.
        QVERIFY(Activa());
        Caja("EditHr")->setText("2.5");
        Reescribe(Caja("EditHr"), "-");
        QCOMPARE(p->hr, 2.5);
        QTest::keyClick(Caja("EditHr"), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Caja("EditHr")->text(), QString("0"));
        QCOMPARE(p->hr, 0.0);
        guion.vistos.clear();
    }
};

QTEST_MAIN(PruebaTecleo)
#include "tecleo_test.moc"
