// Pruebas del diálogo del tipo de apoyo en zanja: Fa y código de cada cama,
// mínimos de hr y h''r, medidas, valores de c, Apoyo Directo, Cancelar y ayuda.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "apoyo_zanja.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "numero.h"

class PruebaClases : public BancoVentanas {
    Q_OBJECT

    QPointer<TClases> d;  // hijo de la ventana principal, que lo destruye
    int taludes = 0;
    bool visibleAlAbrirTalud = false;

    // Tubo de Di mm en la instalación dada, con hr y h''r; luego el diálogo.
    void Caso(int instalacion, const QString& hr, const QString& h2r = "0", const QString& di = "1000")
    {
        f->TabbedNotebook1->setCurrentIndex(instalacion);
        f->EditDi->setEditText(di);
        f->EditHr->setText(hr);
        f->EditH2r->setText(h2r);
        guion.vistos.clear();
        p->Modificado = 0;
        p->Tipo = 0;
        taludes = 0;
        d = new TClases(*p, *f, [this] { ++taludes, visibleAlAbrirTalud = d->isVisible(); }, f.get());
        d->show();
    }

    QPushButton* Boton(int numero) { return d->findChild<QPushButton*>(QString("Button%1").arg(numero)); }
    QString Rotulo(const QString& nombre) { return d->findChild<QLabel*>(nombre)->text(); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void Elecciones_data()
    {
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("tipo");
        QTest::newRow("hormigón compactado 180") << 1 << "Fap=4.0" << 3;
        QTest::newRow("hormigón sin compactar 180") << 2 << "Fap=3.0" << 4;
        QTest::newRow("hormigón compactado 120") << 3 << "Fap=2.8" << 5;
        QTest::newRow("hormigón sin compactar 120") << 4 << "Fap=2.2" << 6;
        QTest::newRow("hormigón compactado 90") << 5 << "Fap=2.3" << 7;
        QTest::newRow("hormigón sin compactar 90") << 6 << "Fap=2.0" << 8;
        QTest::newRow("granular 180") << 7 << "Fap=1.9" << 10;
        QTest::newRow("granular compactado") << 8 << "Fap=2.1" << 9;
        QTest::newRow("granular 90") << 9 << "Fap=1.7" << 11;
        QTest::newRow("granular sin compactar 90") << 10 << "Fap=1.5" << 12;
        QTest::newRow("apoyo directo") << 11 << "Fap=1.1" << 13;
    }

    void Elecciones()
    {
        QFETCH(int, boton);
        QFETCH(QString, titulo);
        QFETCH(int, tipo);
        Caso(0, "2", "0.5");
        p->ApoyoDirecto = boton == 11 ? 0 : 1;
        guion.respuestas = {RespuestaNo};  // solo pregunta el apoyo directo
        QCOMPARE(Boton(boton)->text(), titulo);
        Boton(boton)->click();
        QCOMPARE(guion.vistos.size(), boton == 11 ? 1 : 0);
        QCOMPARE(p->Fa, titulo.mid(4).toDouble());
        QCOMPARE(f->EFap->text() + (f->EFap->text().contains('.') ? "" : ".0"), titulo.mid(4));
        // Código (no el 14 de un factor tecleado), apoyo directo y modificado.
        QCOMPARE(QString("%1 %2 %3").arg(int(p->Tipo)).arg(int(p->ApoyoDirecto)).arg(int(p->Modificado)),
                 QString("%1 %2 1").arg(tipo).arg(boton == 11 ? 1 : 0));
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }

    void AlturasMinimas_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("h2r");
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("quedan");  // hr y h''r en la ventana principal
        QTest::newRow("zanja: hr 0.3 sube a 0.5") << 0 << "0.3" << "0" << 1 << "0.5 0.30";
        QTest::newRow("terraplenada: hr 0.3 se queda") << 2 << "0.3" << "0.1" << 1 << "0.3 0.30";
        QTest::newRow("hormigón: h″r 0.1 sube") << 2 << "2" << "0.1" << 3 << "2 0.30";
        QTest::newRow("Button9, hr 4: h″r = hr/8") << 2 << "4" << "0.1" << 9 << "4 0.5";
        QTest::newRow("Button9, hr 2: h″r 0.3") << 2 << "2" << "0.1" << 9 << "2 0.3";
        QTest::newRow("Button10, hr 4: h″r 0.8 se queda") << 2 << "4" << "0.8" << 10 << "4 0.8";
    }

    void AlturasMinimas()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, hr);
        QFETCH(QString, h2r);
        QFETCH(int, boton);
        QFETCH(QString, quedan);
        Caso(instalacion, hr, h2r);
        Boton(boton)->click();
        QCOMPARE(f->EditHr->text() + " " + f->EditH2r->text(), quedan);
        QCOMPARE(p->hr, LeeNumero(quedan.section(' ', 0, 0).toStdString()).valor);
        QCOMPARE(p->h2r, LeeNumero(quedan.section(' ', 1).toStdString()).valor);
    }

    // Abrir y cerrar el diálogo no deja controles sueltos (sin padre, nadie los libera).
    void SinControlesSueltos()
    {
        const auto antes = QApplication::allWidgets().size();
        Caso(0, "2");
        delete d;
        QCOMPARE(QApplication::allWidgets().size(), antes);
    }

    void Medidas()
    {
        // Di 300 mm: De = 0.4 m, cunas De/2, De/4 y De/6; mínimo max(hr/8, 0.30)
        // en las camas 9 a 11 y 0.30 en las demás.
        const QString cunas[12] = {"", "0.2", "0.2", "0.1", "0.1", "0.067", "0.067", "0.2", "", "0.067", "0.067", ""};
        for (const auto& [hr, minimo] : {std::pair{"2", "0.30"}, {"2.4", "0.30"}, {"4", "0.5"}}) {
            Caso(0, hr, "0", "300");
            for (int boton = 1; boton <= 11; ++boton) {
                if (!cunas[boton].isEmpty())
                    QCOMPARE(Rotulo(QString("LCuna%1").arg(boton)), cunas[boton]);
                QCOMPARE(Rotulo(QString("LMinimo%1").arg(boton)), QString(boton >= 9 ? minimo : "0.30"));
            }
        }
    }

    void ValoresDeC()
    {
        const std::tuple<const char*, const char*, const char*> casos[] = {
            {"700", "0.1", "0.15"}, {"710", "0.1", "0.23"}, {"1500", "0.1", "0.23"}, {"1600", "0.15", "0.3"}};
        const auto c = [this] { return d->LSuelo->text() + " " + d->LRoca->text(); };
        for (const auto& [di, suelo, roca] : casos) {
            f->EditDi->setEditText(di);
            d = new TClases(*p, *f, [] {}, f.get());
            d->TabbedNotebook1->setCurrentIndex(2);
            d->show();  // abre en "Hormigón"
            QCOMPARE(d->TabbedNotebook1->currentIndex(), 0);
            QCOMPARE(c(), QString(suelo) + " " + roca);
            d->TabbedNotebook1->setCurrentIndex(2);  // "Directo": sin cama
            QCOMPARE(c(), QString("0 0"));
            d->TabbedNotebook1->setCurrentIndex(1);
            QCOMPARE(c(), QString(suelo) + " " + roca);
        }
    }

    void ApoyoDirecto()
    {
        for (int respuesta : {RespuestaSi, RespuestaNo}) {
            Caso(0, "2");
            guion.respuestas = {respuesta};
            d->TabbedNotebook1->setCurrentIndex(2);
            d->Button11->click();
            QCOMPARE(guion.Textos(), QStringList{"Como usted selecciono Apoyo Directo, el valor del ancho de zanja "
                                                 "debe ser recalculado.¿Desea abrir la ventana de ancho de zanja?"});
            QCOMPARE(guion.vistos[0].titulo, QString("Aviso"));
            QCOMPARE(guion.vistos[0].botones, BotonesSiNo | IconoPregunta);
            QCOMPARE(taludes, respuesta == RespuestaSi ? 1 : 0);  // solo con Sí se abre el ancho de zanja
            QVERIFY(!visibleAlAbrirTalud);  // la cama ya está elegida y el diálogo cerrado
            QCOMPARE(int(p->ApoyoDirecto), 1);
            QCOMPARE(int(p->Tipo), 13);
        }
    }

    void CancelarYAyuda()
    {
        Caso(0, "0.3", "0.1");
        QCOMPARE(d->windowTitle(), QString("Factor de apoyo en zanja y zanja terraplenada"));
        d->HelpBtn->click();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 42);
        QCOMPARE(ContextoAyuda(d->Button5), 42);
        VentanaAyuda::Unica().close();
        p->Tipo = 5;
        p->Modificado = 0;
        d->CancelBtn->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(QString("%1 %2 %3 %4").arg(p->Fa).arg(int(p->Tipo)).arg(p->hr).arg(p->h2r), QString("0 5 0.3 0.1"));
        QCOMPARE(int(p->Modificado), 0);
        QCOMPARE(f->EFap->text(), QString("0"));
    }
};

QTEST_MAIN(PruebaClases)
#include "apoyo_zanja_test.moc"
