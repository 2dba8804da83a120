// Pruebas del diálogo del tipo de apoyo en zanja: la cama elegida llega al
// registro y a la ventana principal, medidas, valores de c, Apoyo Directo,
// Cancelar y ayuda.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "apoyo_zanja.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "numero.h"

class PruebaClases : public BancoVentanas {
    Q_OBJECT

    QPointer<TClases> d;  // hijo de la ventana principal, que lo destruye

    // Los datos tecleados en la ventana principal.
    void Datos(int instalacion, const QString& hr, const QString& h2r = "0",
               const QString& di = "1000")
    {
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        Lista("EditDi")->setEditText(di);
        Caja("EditHr")->setText(hr);
        Caja("EditH2r")->setText(h2r);
        guion.vistos.clear();
        p->Modificado = 0;
        p->Tipo = 0;
    }

    // Los datos y el diálogo mostrado.
    void Caso(int instalacion, const QString& hr, const QString& h2r = "0",
              const QString& di = "1000")
    {
        Datos(instalacion, hr, h2r, di);
        d = new TClases(*p, f.get());
        d->show();
    }

    // "&Predefinidos" y en el diálogo el botón dado (0: Cancelar); devuelve la
    // ventana modal que se abra después (la del ancho de zanja), ya cerrada.
    QString Predefinidos(int boton)
    {
        QString despues;
        bool clasesVisible = true;
        QPointer<QWidget> clases;
        QTimer siguiente;  // espera a que se abra otra modal
        connect(&siguiente, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == clases)
                return;
            despues = modal->metaObject()->className();
            clasesVisible = clases && clases->isVisible();
            modal->close();
        });
        const QString abierta =
            AbreCon([this] { Hijo<QPushButton>(f, "Button2")->click(); },
                    [&](QWidget* modal) {
                        clases = modal;
                        siguiente.start(10);
                        modal
                            ->findChild<QPushButton*>(boton == 0 ? QString("CancelBtn")
                                                                 : QString("Button%1").arg(boton))
                            ->click();
                    });
        if (abierta != "TClases")
            return "no se abrió TClases sino " + abierta;
        if (!despues.isEmpty() && clasesVisible)
            return "el diálogo de camas seguía abierto";
        return despues;
    }

    QString Rotulo(const QString& nombre) { return d->findChild<QLabel*>(nombre)->text(); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // La elección llega al registro y a las casillas: Fa, código, hr y h''r.
    void Elecciones_data()
    {
        QTest::addColumn<int>("instalacion");
        QTest::addColumn<QString>("hr");
        QTest::addColumn<QString>("h2r");
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("fap");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("quedan");  // hr y h''r en la ventana principal
        QTest::newRow("zanja: hr 0.3 sube a 0.5") << 0 << "0.3"
                                                  << "0" << 1 << "4" << 3 << "0.5 0.30";
        QTest::newRow("terraplenada: hr 0.3 se queda") << 2 << "0.3"
                                                       << "0.5" << 6 << "2" << 8 << "0.3 0.5";
        // h''r = hr/8 con tres decimales en la casilla y en el registro.
        QTest::newRow("Button9, hr 4.1") << 2 << "4.1"
                                         << "0.1" << 9 << "1.7" << 11 << "4.1 0.512";
        QTest::newRow("apoyo directo") << 0 << "2"
                                       << "0" << 11 << "1.1" << 13 << "2 0.3";
    }

    void Elecciones()
    {
        QFETCH(int, instalacion);
        QFETCH(QString, hr);
        QFETCH(QString, h2r);
        QFETCH(int, boton);
        QFETCH(QString, fap);
        QFETCH(int, tipo);
        QFETCH(QString, quedan);
        Datos(instalacion, hr, h2r);
        p->ApoyoDirecto = boton == 11 ? 0 : 1;
        guion.respuestas = {RespuestaNo};  // solo pregunta el apoyo directo
        QCOMPARE(Predefinidos(boton), QString());
        QCOMPARE(guion.vistos.size(), boton == 11 ? 1 : 0);
        QCOMPARE(Caja("EFap")->text(), fap);
        QCOMPARE(p->Fa, LeeNumero(fap.toStdString()).valor);
        // Código (no el 14 de un factor tecleado), apoyo directo y modificado.
        QCOMPARE(
            QString("%1 %2 %3").arg(int(p->Tipo)).arg(int(p->ApoyoDirecto)).arg(int(p->Modificado)),
            QString("%1 %2 1").arg(tipo).arg(boton == 11 ? 1 : 0));
        QCOMPARE(Caja("EditHr")->text() + " " + Caja("EditH2r")->text(), quedan);
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
        const QString cunas[12] = {"",      "0.2", "0.2", "0.1",   "0.1",   "0.067",
                                   "0.067", "0.2", "",    "0.067", "0.067", ""};
        Caso(0, "4", "0", "300");
        for (int boton = 1; boton <= 11; ++boton) {
            if (!cunas[boton].isEmpty())
                QCOMPARE(Rotulo(QString("LCuna%1").arg(boton)), cunas[boton]);
            QCOMPARE(Rotulo(QString("LMinimo%1").arg(boton)), QString(boton >= 9 ? "0.5" : "0.30"));
        }
    }

    void ValoresDeC()
    {
        const std::tuple<const char*, const char*, const char*> casos[] = {{"700", "0.1", "0.15"},
                                                                           {"1600", "0.15", "0.3"}};
        const auto c = [this] { return d->LSuelo->text() + " " + d->LRoca->text(); };
        for (const auto& [di, suelo, roca] : casos) {
            Lista("EditDi")->setEditText(di);
            d = new TClases(*p, f.get());
            Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(2);
            d->show();  // abre en "Hormigón"
            QCOMPARE(Hijo<QTabWidget>(d, "TabbedNotebook1")->currentIndex(), 0);
            QCOMPARE(c(), QString(suelo) + " " + roca);
            Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(2);  // "Directo": sin cama
            QCOMPARE(c(), QString("0 0"));
            Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(1);
            QCOMPARE(c(), QString(suelo) + " " + roca);
        }
    }

    void ApoyoDirecto()
    {
        for (int respuesta : {RespuestaSi, RespuestaNo}) {
            Datos(0, "2");
            guion.respuestas = {respuesta};
            // Solo con Sí se abre el ancho de zanja, con la cama ya elegida y su diálogo cerrado.
            QCOMPARE(Predefinidos(11), respuesta == RespuestaSi ? QString("TFTalud") : QString());
            QCOMPARE(
                guion.Textos(),
                QStringList{"Como usted selecciono Apoyo Directo, el valor del ancho de zanja "
                            "debe ser recalculado.¿Desea abrir la ventana de ancho de zanja?"});
            QCOMPARE(guion.vistos[0].titulo, QString("Aviso"));
            QCOMPARE(guion.vistos[0].botones, BotonesSiNo | IconoPregunta);
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
        d->close();
        p->Tipo = 5;
        p->Modificado = 0;
        QCOMPARE(Predefinidos(0), QString());
        QCOMPARE(QString("%1 %2 %3 %4").arg(p->Fa).arg(int(p->Tipo)).arg(p->hr).arg(p->h2r),
                 QString("0 5 0.3 0.1"));
        QCOMPARE(int(p->Modificado), 0);
        QCOMPARE(Caja("EFap")->text(), QString("0"));
    }
};

QTEST_MAIN(PruebaClases)
#include "apoyo_zanja_test.moc"
