// Diálogo del ancho de zanja: talud, resguardo mínimo, anchuras y selección.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>
#include <map>

#include "banco_ventanas.h"
#include "talud.h"

class PruebaTalud : public BancoVentanas {
    Q_OBJECT

    QPointer<TFTalud> d;  // hijo de la ventana principal, que lo destruye

    // Tubo de Di en mm (y espesor, si se da) y diálogo con el talud h:v.
    bool Abre(const QString& di, double h, double v, const QString& es = {})
    {
        Lista("EditDi")->setEditText(di);
        if (!es.isEmpty())
            Caja("EditEs")->setText(es);
        guion.vistos.clear();
        p->TaludH = h;
        p->TaludV = v;
        {
            TFTalud previo(*p, f.get());
            previo.show();
            previo.reject();
        }
        d = new TFTalud(*p, f.get());
        d->show();
        return QTest::qWaitForWindowActive(d);  // activarse cuenta como repintar
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // El mínimo que se propone es el del talud que se ve, no el de la vista
    // anterior: 1:1 (45°) propone 0.2 la primera vez y 1:5 (78.7°) después 0.35.
    void ResguardoDelTaludQueSeVe()
    {
        Lista("EditDi")->setEditText("500");  // De = 0.634
        p->TaludH = p->TaludV = 1;
        d = new TFTalud(*p, f.get());
        d->show();
        QCOMPARE(d->windowTitle(), QString("Cálculo del ancho de zanja"));
        QCOMPARE(d->Edit3->text(), QString("0.2"));
        QCOMPARE(p->ResguardoMinimo, 0.2);
        QCOMPARE(d->Edit1->text() + ":" + d->Edit2->text(), QString("1:1"));
        QCOMPARE(d->Label15->text(), QString("500 mm."));
        QCOMPARE(d->Lde->text(), QString("de= 0.634 m."));
        QCOMPARE(d->LC1->text() + " " + d->LC2->text(), QString("0.1 0.15"));
        QCOMPARE(QStringList({Hijo<QPushButton>(d, "Button1")->text(),
                              Hijo<QPushButton>(d, "Button2")->text(), d->CancelBtn->text(),
                              d->HelpBtn->text()}),
                 QStringList({"<- S&eleccionar", "<- Se&leccionar", "&Cancelar", "&Ayuda"}));
        delete d;
        p->TaludV = 5;
        d = new TFTalud(*p, f.get());
        d->show();
        QCOMPARE(d->Edit3->text(), QString("0.35"));
        QVERIFY(guion.vistos.isEmpty());
    }

    void GiroYCancelar()
    {
        QVERIFY(Abre("1000", 98, 2));
        const QString b = d->Lb1->text();
        d->SpinButton1Up->click();
        d->SpinButton1Up->click();  // 100 no se admite
        QCOMPARE(d->Edit1->text(), QString("99"));
        QVERIFY(d->Lb1->text() != b);  // la anchura sigue al talud
        d->SpinButton2Down->click();
        d->SpinButton2Down->click();  // ni 0
        QCOMPARE(d->Edit2->text(), QString("1"));
        d->Edit1->setText("1");
        d->SpinButton1Down->click();
        d->Edit2->setText("99");
        d->SpinButton2Up->click();
        d->Edit3->setText("0.5");
        QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        // El talud y el resguardo se escriben al momento; la anchura no.
        QCOMPARE(QString("%1:%2 %3").arg(p->TaludH).arg(p->TaludV).arg(p->Resguardo),
                 QString("1:99 0.5"));
        QVERIFY(!d->AnchuraElegida());
    }

    void Casillas()
    {
        QVERIFY(Abre("1000", 3, 4));  // De = 1.218, c = 0.1 en suelo y 0.23 en roca
        // H y V: enteros de 1 a 99; lo demás deja el valor anterior.
        const std::tuple<QLineEdit*, const char*, const char*> casos[] = {{d->Edit1, "1", "1:4"},
                                                                          {d->Edit1, "100", "1:4"},
                                                                          {d->Edit2, "0", "1:4"},
                                                                          {d->Edit2, "5", "1:5"}};
        for (const auto& [caja, texto, queda] : casos) {
            caja->setText(texto);
            QCOMPARE(d->Edit1->text() + ":" + d->Edit2->text(), QString(queda));
            QCOMPARE(QString("%1:%2").arg(p->TaludH).arg(p->TaludV), QString(queda));
        }
        d->Edit3->setText("0.5");
        QCOMPARE(p->Resguardo, 0.5);
        QCOMPARE(d->Lb1->text(), QString("2.74 m."));  // 1.218 + 1 + 2·1.318/5
        d->Edit3->setText("1e308");  // ninguna zanja: se avisa y vuelve el resguardo
        QCOMPARE(d->Edit3->text(), QString("0.5"));
        QCOMPARE(guion.Textos(), QStringList{"Valor no válido"});
        guion.vistos.clear();
        d->Edit1->setText("2");
        d->Edit2->setText("3");
        QCOMPARE(d->Lb1->text() + " " + d->Lb2->text(),
                 QString("3.97 m. 4.14 m."));  // 3.97533 y 4.14866
        QVERIFY(guion.vistos.isEmpty());
    }

    void Tecleo_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<double>("valor");   // H, V o resguardo con el cursor aún en la casilla
        QTest::addColumn<QString>("queda");  // la casilla al salir de ella
        QTest::addColumn<double>("final");
        QTest::newRow("H") << "Edit1"
                           << "12" << 12.0 << "12" << 12.0;
        QTest::newRow("H vacía") << "Edit1"
                                 << "" << 3.0 << "3" << 3.0;
        QTest::newRow("V signo") << "Edit2"
                                 << "-" << 4.0 << "4" << 4.0;
        QTest::newRow("V decimal") << "Edit2"
                                   << "2," << 2.0 << "2" << 2.0;
        QTest::newRow("resguardo coma") << "Edit3"
                                        << "0,5" << 0.5 << "0,5" << 0.5;
        QTest::newRow("resguardo coma inicial") << "Edit3"
                                                << ",35" << 0.35 << ",35" << 0.35;
        QTest::newRow("resguardo vacío") << "Edit3"
                                         << "" << 0.2 << "0.2" << 0.2;
        QTest::newRow("resguardo exponente") << "Edit3"
                                             << "3e-" << 3.0 << "3" << 3.0;
    }

    void Tecleo()
    {
        QFETCH(QString, casilla);
        QFETCH(QString, teclas);
        QFETCH(double, valor);
        QFETCH(QString, queda);
        QFETCH(double, final);
        QVERIFY(Abre("1000", 3, 4));  // 36.9°: resguardo mínimo 0.2
        auto* caja = d->findChild<QLineEdit*>(casilla);
        const std::map<QString, double*> campos = {
            {"Edit1", &p->TaludH}, {"Edit2", &p->TaludV}, {"Edit3", &p->Resguardo}};
        Reescribe(caja, teclas);
        QCOMPARE(*campos.at(casilla), valor);
        (caja == d->Edit1 ? d->Edit2 : d->Edit1)->setFocus(Qt::TabFocusReason);
        QCOMPARE(caja->text(), queda);
        QCOMPARE(*campos.at(casilla), final);
        QVERIFY(guion.vistos.isEmpty());
    }

    void AnchoDeZanja()
    {
        // Di = 1 m: De = 1.218, resguardo 0.43, talud 1:5; b = De + 2·0.43 +
        // 2·(De + c)/5, c = 0.1 en suelo, 0.23 en roca y 0 con apoyo directo.
        const std::tuple<int, bool, const char*, double> casos[] = {
            {0, true, "0.1 0.23 2.6 m. 2.65 m.", 2.6572},
            {1, false, "0 0 2.56 m. 2.56 m.", 2.5652}};
        for (const auto& [directo, roca, rotulos, anchura] : casos) {
            p->ApoyoDirecto = static_cast<std::uint8_t>(directo);
            QVERIFY(Abre("1000", 1, 5));
            QCOMPARE(d->LC1->text() + " " + d->LC2->text() + " " + d->Lb1->text() + " " +
                         d->Lb2->text(),
                     QString(rotulos));
            // Con apoyo directo solo se ofrece el suelo.
            QVERIFY(d->PanelRoca->isVisible() == (directo == 0) &&
                    d->LTerreno->isVisible() == (directo == 0));
            QTest::mouseClick(roca ? Hijo<QPushButton>(d, "Button2")
                                   : Hijo<QPushButton>(d, "Button1"),
                              Qt::LeftButton);
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
                QCOMPARE(talud->Lb1->text(), QString("1.23 m."));
                (talud->*boton)->click();
            };
        };
        QCOMPARE(AbreCon([this] { f->Button1Click(); }, elige(&TFTalud::CancelBtn)),
                 QString("TFTalud"));
        QCOMPARE(Caja("EditB")->text(), QString("3"));
        QCOMPARE(p->TaludDefinido, 1);
        p->TaludDefinido = 0;
        QCOMPARE(AbreCon([this] { f->Button1Click(); }, elige(&TFTalud::Button1)),
                 QString("TFTalud"));
        QCOMPARE(Caja("EditB")->text(), QString("1.24"));
        QCOMPARE(p->b, 1.24);
        QCOMPARE(p->TaludDefinido, 1);
        QVERIFY(guion.vistos.isEmpty());
    }

    // Di = 0.5: el mínimo es 0.2 con 1:1 y 0.35 con 1:5, según el talud que se ve al
    // elegir. Si el diálogo sigue abierto con una corrección, la anchura no ha pasado aún.
    void MensajesDelResguardo()
    {
        const QStringList min02{
            "El resguardo lateral de la zanja ha de ser como mínimo 0.2, que esta en función "
            "del diámetro nominal instalado. Por tanto será corregido automaticamente",
            "Información", QString::number(BotonAceptar | IconoInformacion)};
        const QStringList min035{
            "Es recomendable que el resguardo lateral de la zanja sea, como mínimo un valor igual "
            "a 0.35 que está en función del diámetro nominal instalado. Por tanto será "
            "corregido automáticamente.",
            "Confirmación", QString::number(BotonSi | IconoPregunta)};
        const QStringList angulo{
            "Como angulo seleccionado es menor o igual a 60º se recomienda que el resguardo "
            "lateral sea como mínimo 0,2",
            TituloPrograma, QString::number(BotonAceptar)};
        // Talud 1:v al abrir, V tecleada después (o nada), resguardo, acción (suelo, roca o salir
        // de la casilla), mensajes (texto, título y botones), si sigue abierto y resguardo que
        // queda.
        const std::tuple<double, QString, QString, QString, QStringList, bool, QString> casos[] = {
            {1, "", "0.1", "suelo", min02, true, "0.2"},
            {1, "", "0.2", "roca", {}, false, "0.2"},
            {5, "", "0.3", "roca", min035, true, "0.35"},
            {5, "1", "0.35", "suelo", angulo, false, "0.35"},
            {5, "1", "0.3", "roca", angulo, false, "0.3"},
            {1, "", "0.1", "salir", min02, true, "0.2"},
            {1, "", "0.2", "salir", {}, true, "0.2"},
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
                (accion == "roca" ? Hijo<QPushButton>(d, "Button2")
                                  : Hijo<QPushButton>(d, "Button1"))
                    ->click();
            const QString caso = QString("1:%1 V=%2 %3 %4").arg(v).arg(vNueva, resguardo, accion);
            QStringList mensajes;
            for (const auto& visto : guion.vistos)
                mensajes << visto.texto << visto.titulo << QString::number(visto.botones);
            QVERIFY2(mensajes == vistos, qPrintable(caso + ": " + mensajes.join(" | ")));
            QVERIFY2(d->isVisible() == abierto && d->Edit3->text() == queda &&
                         p->Resguardo == queda.toDouble() && p->ResguardoMinimo == p->Resguardo,
                     qPrintable(caso));
            // La anchura se elige solo si el diálogo se cierra.
            QVERIFY2(d->AnchuraElegida().has_value() == !abierto, qPrintable(caso));
            delete d;
        }
    }
};

QTEST_MAIN(PruebaTalud)
#include "talud_test.moc"
