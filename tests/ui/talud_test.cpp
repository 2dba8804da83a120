// Diálogo del ancho de zanja: lo que muestra y escribe, flechas, mensajes y selección.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>
#include <tuple>

#include "banco_ventanas.h"
#include "talud.h"

class PruebaTalud : public BancoVentanas {
    Q_OBJECT

    QPointer<TFTalud> d;  // hijo de la ventana principal, que lo destruye

    // Tubo de Di en mm y diálogo con el talud h:v, tras otro ya cerrado con el mismo talud.
    bool Abre(const QString& di, double h, double v)
    {
        Lista("EditDi")->setEditText(di);
        guion.vistos.clear();
        p->TaludH = h;
        p->TaludV = v;
        {
            TFTalud previo(*p, f.get());
            previo.show();
            previo.reject();
        }
        delete d;
        d = new TFTalud(*p, f.get());
        d->show();
        return QTest::qWaitForWindowActive(d);  // activarse cuenta como repintar
    }
    QPushButton* Boton(bool roca) { return Hijo<QPushButton>(d, roca ? "Button2" : "Button1"); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // El mínimo propuesto es el del talud que se ve: 1:1 (45°) da 0.2 y 1:5 (78.7°) 0.35.
    void Muestra()
    {
        QVERIFY(Abre("500", 1, 1));  // De = 0.634
        QCOMPARE(d->windowTitle(), QString("Cálculo del ancho de zanja"));
        QCOMPARE(QStringList({d->Edit1->text(), d->Edit2->text(), d->Edit3->text(),
                              d->Label15->text(), d->Lde->text(), d->LC1->text(), d->LC2->text()}),
                 QStringList({"1", "1", "0.2", "500 mm.", "de= 0.634 m.", "0.1", "0.15"}));
        QCOMPARE(d->Datos().ResguardoMinimo, 0.2);
        QCOMPARE(QStringList({Boton(false)->text(), Boton(true)->text(), d->CancelBtn->text(),
                              d->HelpBtn->text()}),
                 QStringList({"<- S&eleccionar", "<- Se&leccionar", "&Cancelar", "&Ayuda"}));
        QVERIFY(Abre("500", 1, 5));
        QCOMPARE(d->Edit3->text(), QString("0.35"));
        QVERIFY(guion.vistos.isEmpty());
    }

    // Cada flecha mueve su componente y la anchura. Cancelar deja escritos el talud y el
    // resguardo, pero no elige anchura.
    void FlechasYCancelar()
    {
        QVERIFY(Abre("1000", 98, 2));
        QString b = d->Lb1->text();
        const std::pair<QToolButton*, const char*> flechas[] = {{d->SpinButton1Up, "99:2"},
                                                                {d->SpinButton2Down, "99:1"},
                                                                {d->SpinButton1Down, "98:1"},
                                                                {d->SpinButton2Up, "98:2"}};
        for (const auto& [flecha, talud] : flechas) {
            flecha->click();
            QCOMPARE(d->Edit1->text() + ":" + d->Edit2->text(), QString(talud));
            QVERIFY(d->Lb1->text() != b);
            b = d->Lb1->text();
        }
        d->Edit3->setText("0.5");
        QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        const Proyecto& q = d->Datos();
        QCOMPARE(QString("%1:%2 %3").arg(q.TaludH).arg(q.TaludV).arg(q.Resguardo),
                 QString("98:2 0.5"));
        QVERIFY(!d->AnchuraElegida());
    }

    // Di 1000 y talud 3:4 (mínimo 0.2): b = 1.218 + 2·resguardo + 2·1.318·H/V. Casilla, teclas,
    // valor con el cursor aún en ella y al salir, texto al salir, Lb1 y mensaje.
    void Tecleo()
    {
        const std::tuple<int, const char*, double, const char*, const char*, const char*> casos[] =
            {
                {0, "12", 12, "12", "9.526 m.", ""},
                {0, "", 3, "3", "3.595 m.", ""},
                {1, "-", 4, "4", "3.595 m.", ""},
                {2, "0,5", 0.5, "0,5", "4.195 m.", ""},
                {2, "", 0.2, "0.2", "3.595 m.", ""},
                {2, "200", 20, "20", "43.195 m.", "Valor no válido"},
            };
        for (const auto& [i, teclas, valor, queda, anchura, mensaje] : casos) {
            QVERIFY(Abre("1000", 3, 4));
            QLineEdit* const caja = QList{d->Edit1, d->Edit2, d->Edit3}[i];
            const Proyecto& q = d->Datos();
            const double& campo = *QList{&q.TaludH, &q.TaludV, &q.Resguardo}[i];
            Reescribe(caja, teclas);
            const QString caso = QString("%1 %2").arg(caja->objectName(), teclas);
            QVERIFY2(campo == valor, qPrintable(caso));
            (i == 0 ? d->Edit2 : d->Edit1)->setFocus(Qt::TabFocusReason);
            QVERIFY2(caja->text() == queda && campo == valor && d->Lb1->text() == anchura &&
                         guion.Textos().join("") == mensaje,
                     qPrintable(caso + ": " + caja->text() + " " + d->Lb1->text()));
            if (*mensaje)
                QCOMPARE(guion.vistos[0].titulo, QString(TituloAtencion));
        }
    }

    // Di = 1 m, talud 1:5: con apoyo directo no hay cama ni roca; se elige la anchura entera.
    void Seleccion()
    {
        const std::tuple<int, bool, const char*, double> casos[] = {
            {0, true, "0.1 0.23 2.605 m. 2.657 m.", 2.6572},
            {1, false, "0 0 2.565 m. 2.565 m.", 2.5652}};
        for (const auto& [directo, roca, rotulos, anchura] : casos) {
            p->ApoyoDirecto = static_cast<std::uint8_t>(directo);
            QVERIFY(Abre("1000", 1, 5));
            QCOMPARE(d->LC1->text() + " " + d->LC2->text() + " " + d->Lb1->text() + " " +
                         d->Lb2->text(),
                     QString(rotulos));
            QVERIFY(d->PanelRoca->isVisible() == roca && d->LTerreno->isVisible() == roca);
            QTest::mouseClick(Boton(roca), Qt::LeftButton);
            QVERIFY(guion.vistos.isEmpty());
            QCOMPARE(d->result(), int(QDialog::Accepted));
            QVERIFY(std::fabs(d->AnchuraElegida().value_or(0) - anchura) < 1e-12);
        }
    }

    // La ventana principal pone en b la anchura entera, no la del rótulo
    // (1.2399, no 1.23), y con Cancelar no toca ni b ni TaludDefinido.
    void AnchuraALaVentanaPrincipal()
    {
        Lista("EditDi")->setEditText("320");
        Caja("EditEs")->setText("54.25");  // De = 0.4285, c = 0.1
        Caja("EditB")->setText("3");
        p->TaludDefinido = 1;
        p->TaludH = 1;
        p->TaludV = 5;
        auto elige = [](QPushButton* TFTalud::*boton) {
            return [boton](QWidget* modal) {
                auto* talud = qobject_cast<TFTalud*>(modal);
                talud->Edit3->setText("0.3");
                QCOMPARE(talud->Lb1->text(), QString("1.24 m."));
                (talud->*boton)->click();
            };
        };
        const auto abre = [this] { f->Button1Click(); };
        QCOMPARE(AbreCon(abre, elige(&TFTalud::CancelBtn)), QString("TFTalud"));
        QCOMPARE(Caja("EditB")->text() + " " + QString::number(p->TaludDefinido), QString("3 1"));
        p->TaludDefinido = 0;
        QCOMPARE(AbreCon(abre, elige(&TFTalud::Button1)), QString("TFTalud"));
        QCOMPARE(Caja("EditB")->text() + " " + QString::number(p->TaludDefinido),
                 QString("1.24 1"));
        QCOMPARE(p->b, 1.24);
        QVERIFY(guion.vistos.isEmpty());
    }

    // Di = 0.5: el mínimo es 0.2 con 1:1 y 0.35 con 1:5, según el talud que se ve al
    // elegir (las bandas, en el motor). Si el diálogo sigue abierto con una corrección, la
    // anchura no ha pasado aún.
    void MensajesDelResguardo()
    {
        const QString min02 =
            "Información · 64 · El resguardo lateral de la zanja ha de ser como mínimo 0.2, que "
            "esta en función del diámetro nominal instalado. Por tanto será corregido "
            "automaticamente";
        const QString min035 = "Confirmación · 8224 · Es recomendable que el resguardo lateral "
                               "de la zanja sea, como mínimo un valor igual a 0.35 que está en "
                               "función del diámetro nominal instalado. Por tanto será corregido "
                               "automáticamente.";
        const QString angulo = TituloPrograma + QString(" · 0 · Como angulo seleccionado es menor "
                                                        "o igual a 60º se recomienda que el "
                                                        "resguardo lateral sea como mínimo 0,2");
        // Talud 1:v al abrir, V tecleada después, resguardo, acción (suelo, roca o salir de la
        // casilla), mensaje, si sigue abierto y resguardo que queda.
        const std::tuple<double, QString, QString, QString, QString, bool, QString> casos[] = {
            {1, "", "0.1", "suelo", min02, true, "0.2"},
            {5, "", "0.3", "roca", min035, true, "0.35"},
            {5, "1", "0.3", "roca", angulo, false, "0.3"},
            {1, "", "0.1", "salir", min02, true, "0.2"},
            {5, "", "0.1", "salir", min035, true, "0.35"}};
        for (const auto& [v, vNueva, resguardo, accion, vistos, abierto, queda] : casos) {
            QVERIFY(Abre("500", 1, v));
            if (!vNueva.isEmpty())
                d->Edit2->setText(vNueva);
            d->Edit3->setFocus();
            d->Edit3->setText(resguardo);
            if (accion == "salir")
                d->Edit1->setFocus();  // sale de la casilla hacia otro control
            else
                Boton(accion == "roca")->click();
            const QString caso = QString("1:%1 V=%2 %3 %4").arg(v).arg(vNueva, resguardo, accion);
            QVERIFY2(guion.Vistos() == QStringList{vistos},
                     qPrintable(caso + ": " + guion.Vistos().join(" | ")));
            QVERIFY2(d->isVisible() == abierto && d->Edit3->text() == queda &&
                         d->Datos().Resguardo == queda.toDouble() &&
                         d->Datos().ResguardoMinimo == d->Datos().Resguardo &&
                         d->AnchuraElegida().has_value() == !abierto,
                     qPrintable(caso));
        }
    }
};

QTEST_MAIN(PruebaTalud)
#include "talud_test.moc"
