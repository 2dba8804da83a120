// Diálogo de las clases de apoyo en terraplén: pasos al mostrarse, n y sus flechas, clases
// ofrecidas, medidas, rótulos de Fa, λ, la clase elegida en la ventana principal, Cancelar y ayuda.

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "apoyo_terraplen.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "numero.h"

class PruebaClasesTerra : public BancoVentanas {
    Q_OBJECT

    QPointer<TClasesTerra> d;  // hijo de la ventana principal, que lo destruye

    // Los datos tecleados en la ventana principal y, si se pide, el diálogo mostrado.
    void Caso(int instalacion = 1, const QString& di = "1000", const QString& hr = "2",
              const QString& h1r = "0", const QString& b2 = "0", const QString& hr2 = "0",
              bool muestra = true)
    {
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        Lista("EditDi")->setEditText(di);  // 1000: De = 1.218 m
        Caja("EditHr")->setText(hr);
        Caja("EditH1r")->setText(h1r);
        Caja("EditB2")->setText(b2);
        Caja("EditHr2")->setText(hr2);
        guion.vistos.clear();
        p->Modificado = 0;
        if (!muestra)
            return;
        d = new TClasesTerra(*p, f.get());
        d->show();
    }

    QStringList RotulosFa() const
    {
        return {d->LFa_A->text(), d->LFa_B->text(), d->LFa_C->text(), d->LFa_D->text()};
    }

    // n en la casilla y en los datos del diálogo, con hr1 = n·De como la muestra su casilla.
    void CompruebaN(const QString& n)
    {
        QCOMPARE(d->Edit_n->text(), n);
        QCOMPARE(d->Datos().n, LeeNumero(n.toStdString()).valor);
        QCOMPARE(d->Datos().hr1, ComoSeMuestra(d->Datos().n * d->Datos().De));
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void Mostrar()
    {
        d = new TClasesTerra(*p, f.get());
        QVERIFY(!d->ButtonClaseD->isEnabled());  // hasta la primera actualización
        // n = h′r/De, como mucho 1; subir y bajar un paso deja 1 en 0.99.
        for (const auto& [h1r, n] : {std::pair{"0", "0"}, {"0.609", "0.5"}, {"2", "0.99"}}) {
            Caso(1, "1000", "2", h1r);
            CompruebaN(n);
            QVERIFY(d->ButtonClaseD->isEnabled());
        }
        QCOMPARE(d->windowTitle(), QString("Factores de apoyo en terraplén"));
    }

    // Desde, lo que se hace ("+", "-" o lo que se teclea) y lo que queda.
    void CasillaN()
    {
        Caso();
        const std::tuple<const char*, const char*, const char*> casos[] = {
            {"0.99", "+", "1"},      {"1", "+", "1"},       {"0.01", "-", "0"},
            {"0.005", "-", "0.005"}, {"0.4", "abc", "0.4"}, {"0.4", "1.5", "0.4"},
            {"0.4", "-0.2", "0.4"},  {"0,5", "+", "0.51"}};  // la coma decimal vale
        for (const auto& [desde, accion, queda] : casos) {
            d->Edit_n->setText(desde);
            if (QString(accion) == "+" || QString(accion) == "-")
                (QString(accion) == "+" ? d->SpinButton1Arriba : d->SpinButton1Abajo)->click();
            else
                d->Edit_n->setText(accion);
            CompruebaN(queda);
        }
    }

    // Base rígida y Di 710: el de roca (las demás bandas, en el motor).
    void EspesorDeCama()
    {
        Lista("ComboBase")->setCurrentIndex(0);
        Caso(1, "710");
        QCOMPARE(d->Label_b4->text() + " " + d->Label_c4->text(), QString("0.23 m 0.23 m"));
        QCOMPARE(d->Datos().C, 0.23);
    }

    // Un rótulo de cada clase del tubo de De 0.4 m con n 0.5, y clases B y C según n.
    void MedidasYClases()
    {
        Caso(1, "300");
        d->Edit_n->setText("0.5");
        QStringList textos;
        for (const char* rotulo : {"Label_a4", "Label_b3", "Label_c3", "Label_d1"})
            textos << Hijo<QLabel>(d, rotulo)->text();
        QCOMPARE(textos, QStringList({"0.075 m", "0.16 m", "0.068 m", "0.2 m"}));
        for (const auto& [n, claseBC] : {std::pair{"0.84", false}, {"0.601", true}}) {
            d->Edit_n->setText(n);
            QVERIFY(d->ButtonClaseB->isVisible() == claseBC &&
                    d->ButtonClaseC->isVisible() == claseBC);
            QVERIFY(d->ButtonClaseA->isVisible() && d->ButtonClaseD->isVisible());
        }
    }

    // λ tecleado rehace los rótulos; zanja inducida sin hr2: ningún factor.
    void LambdaYSinDatos()
    {
        p->lambdaFa = 0.4;  // como lo deja la lectura de un proyecto
        Caso();
        QCOMPARE(d->Edit1->text(), QString("0.4"));
        QCOMPARE(d->Datos().lambdaFaEdit, 0.4);
        d->Edit_n->setText("0.5");  // con n = 0 el factor no depende de λ
        const QStringList antes = RotulosFa();
        d->Edit1->setText("0.5x");
        QCOMPARE(guion.Textos(), QStringList{"Valor no válido"});
        QCOMPARE(guion.vistos[0].titulo, QString(TituloAtencion));
        QCOMPARE(d->Datos().lambdaFaEdit, 0.4);
        QCOMPARE(RotulosFa(), antes);
        d->Edit1->setText("-");  // a medio escribir: ni aviso ni cambio
        QCOMPARE(guion.vistos.size(), 1);
        d->Edit1->setText("0,5");  // la coma decimal vale
        QCOMPARE(d->Datos().lambdaFaEdit, 0.5);
        const QStringList despues = RotulosFa();
        for (int i = 0; i < 4; ++i)
            QVERIFY2(antes[i] != despues[i], qPrintable(antes[i]));
        Caso(3, "1000", "3", "0.6", "2", "0");
        QCOMPARE(RotulosFa(), QStringList({"Fa = --", "Fa = --", "Fa = --", "Fa = --"}));
    }

    // "&Predefinidos", n y la clase: la ventana principal guarda lo que mostraba el diálogo, con
    // h'r como la muestra su casilla (la guarda así el archivo). En zanja inducida, con h'r
    // redondeado a tres decimales el Fa cambiaría en la tercera cifra.
    void EligeClase()
    {
        const std::tuple<int, const char*, const char*, const char*, const char*> casos[] = {
            {1, "3", "0.45", "D", "0.548"}, {3, "1.5", "0.09", "B", "0.11"}};
        for (const auto& [instalacion, hr, n, letra, hr1] : casos) {
            Caso(instalacion, "1000", hr, "0", "2", "1", false);
            QString rotulo;
            const QString abierta =
                AbreCon([this] { Hijo<QPushButton>(f, "Button2")->click(); },
                        [&](QWidget* modal) {
                            modal->findChild<QLineEdit*>("Edit_n")->setText(n);
                            rotulo = modal->findChild<QLabel*>(QString("LFa_") + letra)->text();
                            modal->findChild<QPushButton*>(QString("ButtonClase") + letra)->click();
                        });
            QCOMPARE(abierta, QString("TClasesTerra"));
            QCOMPARE(int(p->Tipo), letra[0] - 'A');  // no el 14 de un factor tecleado
            QCOMPARE(Hijo<QLabel>(f, "claseFa")->text(), QString(letra));
            QCOMPARE(Caja("EditH1r")->text(), QString(hr1));
            QCOMPARE(p->hr1, QString(hr1).toDouble());
            QCOMPARE("Fa = " + Caja("EFap")->text(), rotulo);  // el factor que se mostraba
            QCOMPARE(p->Fa, LeeNumero(Caja("EFap")->text().toStdString()).valor);  // y se guarda
            QCOMPARE(int(p->Modificado), 1);
        }
    }

    void CancelarDevuelveHr1()
    {
        Caso(1, "1000", "2", "2");  // h'r mayor que De: el diálogo la pone en 0.99·De
        p->Tipo = 2;
        d->Edit_n->setText("0.3");
        d->CancelBtn->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!d->Eleccion());
        QCOMPARE(QString("%1 %2 %3").arg(p->hr1).arg(p->Fa).arg(int(p->Tipo)), QString("2 0 2"));
        QCOMPARE(Caja("EditH1r")->text() + "|" + Hijo<QLabel>(f, "claseFa")->text(), QString("2|"));
    }

    void Ayuda()
    {
        for (const auto& [instalacion, contexto] : {std::pair{1, 41}, {3, 43}}) {
            Caso(instalacion);
            d->HelpBtn->click();
            QCOMPARE(VentanaAyuda::Unica().Contexto(), contexto);
            QCOMPARE(ContextoAyuda(d->Edit_n), contexto);
            VentanaAyuda::Unica().close();
        }
    }
};

QTEST_MAIN(PruebaClasesTerra)
#include "apoyo_terraplen_test.moc"
