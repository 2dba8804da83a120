// De principio a fin, como lo haría un usuario nuevo: un tubo de 1000 mm en
// zanja, una cama elegida con "Predefinidos" y "Calcular Clase Resistente
// UNE"; la memoria en pantalla, su PDF y su página impresa dicen la misma clase.

#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "banco_ventanas.h"

class PruebaDePrincipioAFin : public BancoVentanas {
    Q_OBJECT

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void TuboEnZanjaHastaElPapel()
    {
        QTemporaryDir carpeta;
        Pon({{"EditDi", "1000"}, {"EditHr", "2.5"}, {"EditB", "2.6"}});
        f->CompruebaB();
        // "Predefinidos": cama granular compactada a 180º.
        AbreCon([this] { Hijo<QPushButton>(f, "Button2")->click(); },
                [](QWidget* clases) { Hijo<QPushButton>(clases, "Button7")->click(); });
        QCOMPARE(p->Fa, 1.9);

        const QString impreso = carpeta.filePath("impreso.pdf");
        const QString exportado = carpeta.filePath("memoria.pdf");
        guion.imprimir = [&](QPrinter& impresora) {
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(impreso);
            return true;
        };
        guion.nombres = {exportado};
        QString enPantalla;
        AbreCon([this] { f->CalcularClaseResistenteUNE(); },
                [&](QWidget* memoria) {
                    enPantalla = memoria->findChild<QLabel*>("LDres")->text();
                    Opcion(memoria, "&Imprimir")->trigger();
                    Opcion(memoria, "Exportar PDF…")->trigger();
                });
        QCOMPARE(enPantalla, "Clase " + QString::fromStdString(p->ClaseTexto));
        for (const QString& pdf : {impreso, exportado}) {
            QCOMPARE(CampoPdf(pdf, "Pages"), QString("1"));
            QVERIFY2(TextoPdf(pdf).contains(enPantalla), qPrintable(pdf));
        }
    }
};

QTEST_MAIN(PruebaDePrincipioAFin)
#include "de_principio_a_fin_test.moc"
