// Pruebas del diálogo de las clases de apoyo en terraplén: pasos al mostrarse,
// n y sus flechas, clases ofrecidas, medidas, rótulos de Fa, λ, elección de
// clase, Cancelar y ayuda.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "ayuda.h"
#include "apoyo_terraplen.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "numero.h"
#include "proyecto.h"

class PruebaClasesTerra : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TClasesTerra> d;
    DialogosGuion guion;
    QTimer vigia;
    QStringList modalesCerrados;

    struct Datos {
        int instalacion = 1;
        QString di = "1000"; // De = 1.218 m
        QString hr = "2";
        QString h1r = "0";
        QString b2 = "0";
        QString hr2 = "0";
    };

    // Los datos en la ventana principal, como los teclea el usuario, y el
    // diálogo mostrado.
    void Caso(const Datos& datos)
    {
        f->TabbedNotebook1->setCurrentIndex(datos.instalacion);
        f->EditDi->setEditText(datos.di);
        f->EditHr->setText(datos.hr);
        f->EditH1r->setText(datos.h1r);
        f->EditB2->setText(datos.b2);
        f->EditHr2->setText(datos.hr2);
        guion.vistos.clear();
        p->Modificado = 0;
        d = std::make_unique<TClasesTerra>(*p, *f);
        d->show();
    }

    QStringList RotulosFa() const
    {
        return {d->LFa_A->text(), d->LFa_B->text(), d->LFa_C->text(), d->LFa_D->text()};
    }

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
        p->Modificado = 0; // cerrar sin preguntar
        f.reset();
        FijaDialogos(nullptr);
    }

    void Mostrar_data()
    {
        QTest::addColumn<QString>("h1r");
        QTest::addColumn<QString>("n");
        QTest::newRow("h′r 0") << "0" << "0";
        QTest::newRow("h′r = De/2") << "0.609" << "0.5";
        QTest::newRow("h′r = De") << "1.218" << "0.99";
        QTest::newRow("h′r mayor que De") << "2" << "0.99";
    }

    void Mostrar()
    {
        QFETCH(QString, h1r);
        QFETCH(QString, n);
        d = std::make_unique<TClasesTerra>(*p, *f);
        QVERIFY(!d->ButtonClaseD->isEnabled()); // hasta la primera actualización
        Caso({1, "1000", "2", h1r});
        QCOMPARE(d->Edit_n->text(), n);
        QCOMPARE(p->n, LeeNumero(n.toStdString()).valor);
        QCOMPARE(p->hr1, p->n * p->De);
        QVERIFY(d->ButtonClaseD->isEnabled());
    }

    void ClasesOfrecidas_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<bool>("claseB");
        QTest::addColumn<bool>("claseC");
        QTest::newRow("n 0.6") << "0.6" << true << true;
        QTest::newRow("n 0.601 tecleado") << "0.601" << true << true;
        QTest::newRow("n 0.602") << "0.602" << false << true;
        QTest::newRow("n 0.7") << "0.7" << false << true;
        QTest::newRow("n 0.83 tecleado") << "0.83" << false << true;
        QTest::newRow("n 0.9") << "0.9" << false << false;
    }

    void ClasesOfrecidas()
    {
        QFETCH(QString, n);
        QFETCH(bool, claseB);
        QFETCH(bool, claseC);
        Caso({});
        d->Edit_n->setText(n);
        QCOMPARE(d->ButtonClaseB->isVisible(), claseB);
        QCOMPARE(d->ButtonClaseC->isVisible(), claseC);
        QVERIFY(d->ButtonClaseA->isVisible() && d->ButtonClaseD->isVisible());
    }

    void CasillaN_data()
    {
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("accion"); // "arriba", "abajo" o lo que se teclea
        QTest::addColumn<QString>("queda");
        QTest::newRow("0.5 arriba") << "0.5" << "arriba" << "0.51";
        QTest::newRow("0.99 arriba llega a 1") << "0.99" << "arriba" << "1";
        QTest::newRow("1 arriba no pasa") << "1" << "arriba" << "1";
        QTest::newRow("0.5 abajo") << "0.5" << "abajo" << "0.49";
        QTest::newRow("0.01 abajo llega a 0") << "0.01" << "abajo" << "0";
        QTest::newRow("0.005 abajo no baja") << "0.005" << "abajo" << "0.005";
        QTest::newRow("letras") << "0.4" << "abc" << "0.4";
        QTest::newRow("mayor que 1") << "0.4" << "1.5" << "0.4";
        QTest::newRow("negativo") << "0.4" << "-0.2" << "0.4";
        QTest::newRow("vacío") << "0.4" << "" << "0.4";
    }

    void CasillaN()
    {
        QFETCH(QString, desde);
        QFETCH(QString, accion);
        QFETCH(QString, queda);
        Caso({});
        d->Edit_n->setText(desde);
        if (accion == "arriba" || accion == "abajo")
            (accion == "arriba" ? d->SpinButton1Arriba : d->SpinButton1Abajo)->click();
        else
            d->Edit_n->setText(accion);
        QCOMPARE(d->Edit_n->text(), queda);
        QCOMPARE(p->n, LeeNumero(queda.toStdString()).valor);
        QCOMPARE(p->hr1, p->n * p->De);
    }

    void Medidas_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("di");
        QTest::addColumn<QString>("c");
        QTest::newRow("base rígida, Di 0.7") << 0 << "700" << "0.15 m";
        QTest::newRow("base rígida, Di 0.71") << 0 << "710" << "0.23 m";
        QTest::newRow("base rígida, Di 1.6") << 0 << "1600" << "0.3 m";
        QTest::newRow("suelo, Di 0.7") << 1 << "700" << "0.08 m";
        QTest::newRow("suelo, Di 0.71") << 1 << "710" << "0.1 m";
        QTest::newRow("muy asentable, Di 1.5") << 2 << "1500" << "0.1 m";
        QTest::newRow("muy asentable, Di 1.6") << 2 << "1600" << "0.15 m";
    }

    void Medidas()
    {
        QFETCH(int, base);
        QFETCH(QString, di);
        QFETCH(QString, c);
        f->ComboBase->setCurrentIndex(base);
        Caso({1, di});
        QCOMPARE(d->Label_b4->text(), c);
        QCOMPARE(d->Label_c4->text(), c);
        QCOMPARE(p->C, LeeNumero(c.chopped(2).toStdString()).valor);
    }

    void MedidasDelTubo()
    {
        Caso({1, "300"}); // De = 0.4 m
        d->Edit_n->setText("0.5");
        const std::pair<QLabel*, QString> rotulos[] = {
            {d->label_a1, "0.6 m"},   {d->Label_a2, "0.2 m"}, {d->Label_a3, "0.1 m"},
            {d->Label_a4, "0.075 m"}, {d->Label_b1, "0.5 m"}, {d->Label_b2, "0.2 m"},
            {d->Label_b3, "0.16 m"},  {d->Label_c1, "0.5 m"}, {d->Label_c2, "0.2 m"},
            {d->Label_c3, "0.068 m"}, {d->Label_d1, "0.2 m"},
        };
        for (const auto& [rotulo, texto] : rotulos)
            QCOMPARE(rotulo->text(), texto);
    }

    void FactorMaximo()
    {
        Caso({1, "1000", "0.5"});
        d->Edit_n->setText("0.9");
        QCOMPARE(d->LFa_A->text(), QString("Fa = 8")); // la fórmula da 13.2
        d->ButtonClaseA->click();
        QCOMPARE(p->Fa, 8.0);
        QCOMPARE(f->EFap->text(), QString("8"));
    }

    void SinDatosNoHayFactor_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("di");
        QTest::addColumn<QString>("b2");
        QTest::addColumn<QString>("hr2");
        QTest::addColumn<bool>("calculable");
        QTest::newRow("inducida sin hr2") << 3 << "1000" << "2" << "0" << false;
        QTest::newRow("inducida sin b2") << 3 << "1000" << "0" << "1" << false;
        QTest::newRow("inducida con los dos") << 3 << "1000" << "2" << "1" << true;
        QTest::newRow("terraplén sin diámetro") << 1 << "0" << "0" << "0" << false;
    }

    void SinDatosNoHayFactor()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, di);
        QFETCH(QString, b2);
        QFETCH(QString, hr2);
        QFETCH(bool, calculable);
        Caso({instalacion, di, "3", "0.6", b2, hr2});
        for (const QString& rotulo : RotulosFa())
            QCOMPARE(rotulo == "Fa = --", !calculable);
    }

    void Lambda()
    {
        p->lambdaFa = 0.4; // como lo deja la lectura de un proyecto
        Caso({});
        QCOMPARE(d->Edit1->text(), QString("0.4"));
        QCOMPARE(p->lambdaFaEdit, 0.4);
        d->Edit_n->setText("0.5"); // con n = 0 el factor no depende de λ
        const QStringList antes = RotulosFa();
        d->Edit1->setText("0,5");
        QCOMPARE(guion.Textos(), QStringList{"Valor no válido"});
        QCOMPARE(p->lambdaFaEdit, 0.4);
        QCOMPARE(RotulosFa(), antes);
        d->Edit1->setText("0.5");
        QCOMPARE(p->lambdaFaEdit, 0.5);
        const QStringList despues = RotulosFa();
        for (int i = 0; i < 4; ++i)
            QVERIFY2(antes[i] != despues[i], qPrintable(antes[i]));
    }

    void EligeClase_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("letra");
        QTest::newRow("terraplén A") << 1 << "3" << "0.45" << "ButtonClaseA" << 0 << "A";
        QTest::newRow("terraplén B") << 1 << "3" << "0.45" << "ButtonClaseB" << 1 << "B";
        QTest::newRow("terraplén C") << 1 << "3" << "0.45" << "ButtonClaseC" << 2 << "C";
        QTest::newRow("terraplén D") << 1 << "3" << "0.45" << "ButtonClaseD" << 3 << "D";
        // Con h'r redondeado a tres decimales, el Fa de estas cambiaría en la
        // tercera cifra.
        QTest::newRow("zanja inducida A") << 3 << "1.5" << "0.2" << "ButtonClaseA" << 0 << "A";
        QTest::newRow("zanja inducida B") << 3 << "1.5" << "0.09" << "ButtonClaseB" << 1 << "B";
        QTest::newRow("zanja inducida D") << 3 << "3" << "0.45" << "ButtonClaseD" << 3 << "D";
    }

    void EligeClase()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, hr);
        QFETCH(QString, n);
        QFETCH(QString, boton);
        QFETCH(int, tipo);
        QFETCH(QString, letra);
        Caso({instalacion, "1000", hr, "0", "2", "1"});
        d->Edit_n->setText(n);
        const double hr1 = LeeNumero(n.toStdString()).valor * p->De;
        auto* pulsador = d->findChild<QPushButton*>(boton);
        const QString rotulo = d->findChild<QLabel*>("LFa_" + letra)->text();
        pulsador->click();
        QCOMPARE(int(p->Tipo), tipo); // no el 14 de un factor tecleado
        QCOMPARE(f->claseFa->text(), letra);
        QCOMPARE(f->EditH1r->text(), QString::fromStdString(TextoNumero(hr1)));
        QCOMPARE(p->hr1, hr1);
        // Se guarda el factor que mostraba la clase.
        QCOMPARE("Fa = " + f->EFap->text(), rotulo);
        QCOMPARE(int(p->Modificado), 1);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(!d->isVisible());
    }

    void CancelarDevuelveHr1_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("botón Cancelar") << false;
        QTest::newRow("tecla Esc") << true;
    }

    void CancelarDevuelveHr1()
    {
        QFETCH(bool, escape);
        Caso({1, "1000", "2", "2"}); // h'r mayor que De: el diálogo la pone en 0.99·De
        p->Tipo = 2;
        d->Edit_n->setText("0.3");
        QVERIFY(p->hr1 != 2.0);
        if (escape)
            QTest::keyClick(d.get(), Qt::Key_Escape);
        else
            d->CancelBtn->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(p->hr1, 2.0);
        QCOMPARE(f->EditH1r->text(), QString("2"));
        QCOMPARE(p->Fa, 0.0);
        QCOMPARE(int(p->Tipo), 2);
        QCOMPARE(f->claseFa->text(), QString());
    }

    void Ayuda_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<int>("contexto");
        QTest::newRow("terraplén") << 1 << 41;
        QTest::newRow("zanja inducida") << 3 << 43;
    }

    void Ayuda()
    {
        QFETCH(int, instalacion);
        QFETCH(int, contexto);
        Caso({instalacion});
        d->HelpBtn->click();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), contexto);
        QCOMPARE(ContextoAyuda(d->Edit_n), contexto);
        VentanaAyuda::Unica().close();
    }
};

QTEST_MAIN(PruebaClasesTerra)
#include "apoyo_terraplen_test.moc"
