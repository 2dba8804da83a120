// Diálogo del tipo de apoyo en zanja: la cama elegida llega al registro y a la ventana
// principal; medidas, valores de c, Apoyo Directo, Cancelar y ayuda.

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "apoyo_zanja.h"
#include "ayuda.h"
#include "banco_ventanas.h"
#include "numero.h"

class PruebaClases : public BancoVentanas {
    Q_OBJECT

    QPointer<TClases> d;  // hijo de la ventana principal, que lo destruye

    // Los datos tecleados en la ventana principal y, si se pide, el diálogo mostrado.
    void Caso(int instalacion, const QString& hr, const QString& h2r = "0",
              const QString& di = "1000", bool muestra = true)
    {
        Hijo<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(instalacion);
        Lista("EditDi")->setEditText(di);
        Caja("EditHr")->setText(hr);
        Caja("EditH2r")->setText(h2r);
        guion.vistos.clear();
        p->Modificado = 0;
        p->Tipo = 0;
        if (!muestra)
            return;
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

    // La elección llega al registro y a las casillas: Fa, código, hr y h''r. Apoyo Directo pregunta
    // si se abre el ancho de zanja, y solo con Sí lo abre, con la cama ya elegida y su diálogo
    // cerrado.
    void Elecciones()
    {
        const QString directo = "Aviso · 36 · Como usted selecciono Apoyo Directo, el valor del "
                                "ancho de zanja debe ser recalculado.¿Desea abrir la ventana de "
                                "ancho de zanja?";
        // Instalación, hr, h''r, botón, respuesta, Fa, código, hr y h''r que quedan, ventana
        // abierta después.
        const std::tuple<int, const char*, const char*, int, int, const char*, int, const char*,
                         const char*>
            casos[] = {
                {0, "0.3", "0", 1, 0, "4", 3, "0.5 0.30", ""},  // sube hr y h''r
                {0, "2", "0", 11, RespuestaNo, "1.1", 13, "2 0.3", ""},
                {0, "2", "0", 11, RespuestaSi, "1.1", 13, "2 0.3", "TFTalud"},
                {2, "3", "0.5", 2, 0, "3", 4, "3 0.5", ""},  // no toca hr ni h''r: modificado
            };
        for (const auto& [instalacion, hr, h2r, boton, respuesta, fap, tipo, quedan, despues] :
             casos) {
            Caso(instalacion, hr, h2r, "1000", false);
            p->ApoyoDirecto = boton == 11 ? 0 : 1;
            guion.respuestas = {respuesta};
            QCOMPARE(Predefinidos(boton), QString(despues));
            QCOMPARE(guion.Vistos(), boton == 11 ? QStringList{directo} : QStringList());
            QCOMPARE(Caja("EFap")->text(), QString(fap));
            QCOMPARE(p->Fa, LeeNumero(fap).valor);
            // Código (no el 14 de un factor tecleado), apoyo directo y modificado.
            QCOMPARE(std::tuple(int(p->Tipo), int(p->ApoyoDirecto), int(p->Modificado)),
                     std::tuple(tipo, boton == 11 ? 1 : 0, 1));
            QCOMPARE(Caja("EditHr")->text() + " " + Caja("EditH2r")->text(), QString(quedan));
            QCOMPARE(p->hr, LeeNumero(QString(quedan).section(' ', 0, 0).toStdString()).valor);
            QCOMPARE(p->h2r, LeeNumero(QString(quedan).section(' ', 1).toStdString()).valor);
        }
    }

    // Abrir y cerrar el diálogo no deja controles sueltos (sin padre, nadie los libera).
    void SinControlesSueltos()
    {
        const auto antes = QApplication::allWidgets().size();
        Caso(0, "2");
        delete d;
        QCOMPARE(QApplication::allWidgets().size(), antes);
    }

    // Di 300 mm y hr 4: una cuna De/4 y los dos mínimos (las reglas, en el motor).
    void Medidas()
    {
        Caso(0, "4", "0", "300");
        QCOMPARE(QStringList({Rotulo("LCuna3"), Rotulo("LMinimo3"), Rotulo("LMinimo10")}),
                 QStringList({"0.1", "0.30", "0.5"}));
    }

    // Los valores de c del Di 700, salvo en "Directo", sin cama; abre en "Hormigón".
    void ValoresDeC()
    {
        const auto c = [this] { return d->LSuelo->text() + " " + d->LRoca->text(); };
        Lista("EditDi")->setEditText("700");
        d = new TClases(*p, f.get());
        Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(2);
        d->show();
        QCOMPARE(Hijo<QTabWidget>(d, "TabbedNotebook1")->currentIndex(), 0);
        QCOMPARE(c(), QString("0.1 0.15"));
        Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(2);
        QCOMPARE(c(), QString("0 0"));
        Hijo<QTabWidget>(d, "TabbedNotebook1")->setCurrentIndex(1);
        QCOMPARE(c(), QString("0.1 0.15"));
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
