// Pruebas del diálogo del tipo de apoyo en zanja: Fa y código de cada cama,
// mínimos de hr y h''r, medidas mostradas, valores de c, Apoyo Directo,
// Cancelar y ayuda.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include "ayuda.h"
#include "apoyo_zanja.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "numero.h"
#include "proyecto.h"

class PruebaClases : public QObject {
    Q_OBJECT

    std::unique_ptr<Proyecto> p;
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TClases> d;
    DialogosGuion guion;
    QTimer vigia;
    QStringList modalesCerrados;
    int taludes = 0;
    bool dialogoVisibleAlAbrirTalud = false;

    // Tubo de diámetro interior `di` mm en la instalación dada, con hr y h''r;
    // luego el diálogo, mostrado.
    void Caso(int instalacion, const QString& hr, const QString& h2r = "0",
              const QString& di = "1000")
    {
        f->TabbedNotebook1->setCurrentIndex(instalacion);
        f->EditDi->setEditText(di);
        f->EditHr->setText(hr);
        f->EditH2r->setText(h2r);
        guion.vistos.clear();
        p->Modificado = 0;
        p->Tipo = 0;
        d = std::make_unique<TClases>(*p, *f, [this] {
            ++taludes;
            dialogoVisibleAlAbrirTalud = d->isVisible();
        });
        d->show();
    }

    QPushButton* Boton(int numero)
    {
        return d->findChild<QPushButton*>(QString("Button%1").arg(numero));
    }

    QString Rotulo(const QString& nombre)
    {
        auto* rotulo = d->findChild<QLabel*>(nombre);
        return rotulo ? rotulo->text() : QString("(no existe %1)").arg(nombre);
    }

private slots:
    void init()
    {
        FijaDialogos(&guion);
        guion = DialogosGuion();
        modalesCerrados.clear();
        taludes = 0;
        dialogoVisibleAlAbrirTalud = false;
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

    void Elecciones_data()
    {
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<double>("fa");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("apoyoDirecto");
        QTest::newRow("hormigón compactado 180") << 1 << "Fap=4.0" << 4.0 << 3 << 0;
        QTest::newRow("hormigón sin compactar 180") << 2 << "Fap=3.0" << 3.0 << 4 << 0;
        QTest::newRow("hormigón compactado 120") << 3 << "Fap=2.8" << 2.8 << 5 << 0;
        QTest::newRow("hormigón sin compactar 120") << 4 << "Fap=2.2" << 2.2 << 6 << 0;
        QTest::newRow("hormigón compactado 90") << 5 << "Fap=2.3" << 2.3 << 7 << 0;
        QTest::newRow("hormigón sin compactar 90") << 6 << "Fap=2.0" << 2.0 << 8 << 0;
        QTest::newRow("granular 180") << 7 << "Fap=1.9" << 1.9 << 10 << 0;
        QTest::newRow("granular compactado") << 8 << "Fap=2.1" << 2.1 << 9 << 0;
        QTest::newRow("granular 90") << 9 << "Fap=1.7" << 1.7 << 11 << 0;
        QTest::newRow("granular sin compactar 90") << 10 << "Fap=1.5" << 1.5 << 12 << 0;
        QTest::newRow("apoyo directo") << 11 << "Fap=1.1" << 1.1 << 13 << 1;
    }

    void Elecciones()
    {
        QFETCH(int, boton);
        QFETCH(QString, titulo);
        QFETCH(double, fa);
        QFETCH(int, tipo);
        QFETCH(int, apoyoDirecto);
        for (int instalacion : {0, 2}) {
            Caso(instalacion, "2", "0.5");
            p->ApoyoDirecto = 1 - apoyoDirecto;
            if (boton == 11)
                guion.respuestas = {RespuestaNo};
            QCOMPARE(Boton(boton)->text(), titulo);
            Boton(boton)->click();
            QCOMPARE(guion.vistos.size(), boton == 11 ? 1 : 0);
            QCOMPARE(p->Fa, fa);
            QCOMPARE(f->EFap->text(), titulo.mid(4).remove(QRegularExpression("\\.0$")));
            QCOMPARE(int(p->Tipo), tipo); // no el 14 de un factor tecleado
            QCOMPARE(int(p->ApoyoDirecto), apoyoDirecto);
            QCOMPARE(int(p->Modificado), 1);
            QCOMPARE(d->result(), int(QDialog::Accepted));
            QVERIFY(!d->isVisible());
        }
    }

    void AlturasMinimas_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("h2r");
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("textoHr");
        QTest::addColumn<QString>("textoH2r");
        QTest::newRow("zanja: hr 0.3 sube a 0.5") << 0 << "0.3" << "0" << 1 << "0.5" << "0.30";
        QTest::newRow("terraplenada: hr 0.3 se queda") << 2 << "0.3" << "0.1" << 1 << "0.3" << "0.30";
        QTest::newRow("terraplenada: hormigón sube h″r 0.1") << 2 << "2" << "0.1" << 3 << "2" << "0.30";
        QTest::newRow("Button9, hr 4: h″r = hr/8") << 2 << "4" << "0.1" << 9 << "4" << "0.5";
        QTest::newRow("Button9, hr 2: h″r 0.3") << 2 << "2" << "0.1" << 9 << "2" << "0.3";
        QTest::newRow("Button10, hr 4: h″r 0.8 se queda") << 2 << "4" << "0.8" << 10 << "4" << "0.8";
        QTest::newRow("Button11, hr 2.8: h″r 0.35") << 2 << "2.8" << "0" << 11 << "2.8" << "0.35";
        QTest::newRow("zanja, Button11, hr 0.3") << 0 << "0.3" << "0" << 11 << "0.5" << "0.3";
    }

    void AlturasMinimas()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, hr);
        QFETCH(QString, h2r);
        QFETCH(int, boton);
        QFETCH(QString, textoHr);
        QFETCH(QString, textoH2r);
        Caso(instalacion, hr, h2r);
        if (boton == 11)
            guion.respuestas = {RespuestaNo};
        Boton(boton)->click();
        QCOMPARE(f->EditHr->text(), textoHr);
        QCOMPARE(p->hr, LeeNumero(textoHr.toStdString()).valor);
        QCOMPARE(f->EditH2r->text(), textoH2r);
        QCOMPARE(p->h2r, LeeNumero(textoH2r.toStdString()).valor);
    }

    void Medidas_data()
    {
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("minimo");
        // Di 300 mm: De = 0.4 m, cunas De/2, De/4 y De/6.
        QTest::newRow("hr/8 por debajo de 0.3") << "2" << "0.30";
        QTest::newRow("hr/8 justo 0.3") << "2.4" << "0.30";
        QTest::newRow("hr/8 por encima de 0.3") << "4" << "0.5";
    }

    void Medidas()
    {
        QFETCH(QString, hr);
        QFETCH(QString, minimo);
        Caso(0, hr, "0", "300");
        const QString cunas[12] = {"",      "0.2", "0.2", "0.1",   "0.1",   "0.067",
                                   "0.067", "0.2", "",    "0.067", "0.067", ""};
        for (int boton = 1; boton <= 11; ++boton) {
            const QString cuna = Rotulo(QString("LCuna%1").arg(boton));
            if (!cunas[boton].isEmpty())
                QCOMPARE(cuna, cunas[boton]);
            const QString esperado = boton >= 9 ? minimo : QString("0.30");
            QCOMPARE(Rotulo(QString("LMinimo%1").arg(boton)), esperado);
        }
    }

    void ValoresDeC_data()
    {
        QTest::addColumn<QString>("di");
        QTest::addColumn<QString>("suelo");
        QTest::addColumn<QString>("roca");
        QTest::newRow("Di 0.7") << "700" << "0.1" << "0.15";
        QTest::newRow("Di 0.71") << "710" << "0.1" << "0.23";
        QTest::newRow("Di 1.5") << "1500" << "0.1" << "0.23";
        QTest::newRow("Di 1.6") << "1600" << "0.15" << "0.3";
    }

    void ValoresDeC()
    {
        QFETCH(QString, di);
        QFETCH(QString, suelo);
        QFETCH(QString, roca);
        f->EditDi->setEditText(di);
        d = std::make_unique<TClases>(*p, *f, [] {});
        d->TabbedNotebook1->setCurrentIndex(2);
        d->show(); // abre en "Hormigón"
        QCOMPARE(d->TabbedNotebook1->currentIndex(), 0);
        QCOMPARE(d->LSuelo->text(), suelo);
        QCOMPARE(d->LRoca->text(), roca);
        d->TabbedNotebook1->setCurrentIndex(2); // "Directo": sin cama
        QCOMPARE(d->LSuelo->text(), QString("0"));
        QCOMPARE(d->LRoca->text(), QString("0"));
        d->TabbedNotebook1->setCurrentIndex(1);
        QCOMPARE(d->LSuelo->text(), suelo);
        QCOMPARE(d->LRoca->text(), roca);
    }

    void ApoyoDirecto_data()
    {
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<int>("taludesAbiertos");
        QTest::newRow("Sí abre el ancho de zanja") << int(RespuestaSi) << 1;
        QTest::newRow("No lo abre") << int(RespuestaNo) << 0;
    }

    void ApoyoDirecto()
    {
        QFETCH(int, respuesta);
        QFETCH(int, taludesAbiertos);
        Caso(0, "2");
        guion.respuestas = {respuesta};
        d->TabbedNotebook1->setCurrentIndex(2);
        d->Button11->click();
        QCOMPARE(guion.vistos.size(), 1);
        QCOMPARE(
            guion.vistos[0].texto,
            QString("Como usted selecciono Apoyo Directo, el valor del ancho de zanja debe ser "
                    "recalculado.¿Desea abrir la ventana de ancho de zanja?"));
        QCOMPARE(guion.vistos[0].titulo, QString("Aviso"));
        QCOMPARE(guion.vistos[0].botones, BotonesSiNo | IconoPregunta);
        QCOMPARE(taludes, taludesAbiertos);
        QVERIFY(!dialogoVisibleAlAbrirTalud); // la cama ya está elegida y el diálogo cerrado
        QCOMPARE(int(p->ApoyoDirecto), 1);
        QCOMPARE(int(p->Tipo), 13);
    }

    void CancelarNoCambiaNada()
    {
        Caso(0, "0.3", "0.1");
        p->Tipo = 5;
        p->Modificado = 0;
        d->CancelBtn->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!d->isVisible());
        QCOMPARE(p->Fa, 0.0);
        QCOMPARE(int(p->Tipo), 5);
        QCOMPARE(p->hr, 0.3);
        QCOMPARE(p->h2r, 0.1);
        QCOMPARE(int(p->Modificado), 0);
        QCOMPARE(f->EFap->text(), QString("0"));
    }

    void Ayuda()
    {
        Caso(0, "2");
        QCOMPARE(d->windowTitle(), QString("Factor de apoyo en zanja y zanja terraplenada"));
        d->HelpBtn->click();
        QCOMPARE(VentanaAyuda::Unica().Contexto(), 42);
        QCOMPARE(ContextoAyuda(d->Button5), 42);
        VentanaAyuda::Unica().close();
    }
};

QTEST_MAIN(PruebaClases)
#include "apoyo_zanja_test.moc"
