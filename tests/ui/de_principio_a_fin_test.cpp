// De principio a fin, como lo haría un usuario nuevo: un tubo de 1000 mm en
// zanja, una cama elegida con "Predefinidos" y "Calcular Clase Resistente
// UNE"; la memoria en pantalla, su PDF y su página impresa dicen la misma clase.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "banco_ventanas.h"
#include "dialogos_guion.h"
#include "form1.h"
#include "proyecto.h"

namespace {

// Ejecuta accion sobre la ventana modal que abra la orden, cuando ya esté abierta.
void ConLaModal(QObject* contexto, const std::function<void(QWidget*)>& accion)
{
    QTimer::singleShot(0, contexto, [accion] {
        if (QWidget* modal = QApplication::activeModalWidget())
            accion(modal);
    });
}

QString TextoDelPdf(const QString& archivo)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", archivo, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int PaginasDelPdf(const QString& archivo)
{
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {archivo});
    pdfinfo.waitForFinished();
    for (const QString& linea : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n'))
        if (linea.startsWith("Pages:"))
            return linea.section(':', 1).trimmed().toInt();
    return 0;
}

}  // namespace

class PruebaDePrincipioAFin : public QObject {
    Q_OBJECT

private slots:
    void TuboEnZanjaHastaElPapel()
    {
        QTemporaryDir carpeta;
        DialogosGuion guion;
        FijaDialogos(&guion);
        Proyecto p;
        TForm1 f(p);
        f.show();

        Hijo<QComboBox>(&f, "EditDi")->setEditText("1000");
        Hijo<QLineEdit>(&f, "EditHr")->setText("2.5");
        Hijo<QLineEdit>(&f, "EditB")->setText("2.6");
        f.CompruebaB();
        ConLaModal(this,
                   [](QWidget* clases) { clases->findChild<QPushButton*>("Button7")->click(); });
        Hijo<QPushButton>(&f, "Button2")
            ->click();  // "Predefinidos": cama granular compactada a 180º
        QCOMPARE(p.Fa, 1.9);

        const QString impreso = carpeta.filePath("impreso.pdf");
        const QString exportado = carpeta.filePath("memoria.pdf");
        guion.imprimir = [&](QPrinter& impresora) {
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(impreso);
            return true;
        };
        guion.nombres = {exportado};
        QString enPantalla;
        ConLaModal(this, [&](QWidget* memoria) {
            enPantalla = memoria->findChild<QLabel*>("LDres")->text();
            for (QAction* opcion : memoria->findChildren<QAction*>())
                if (opcion->text() == "&Imprimir" || opcion->text() == "Exportar PDF…")
                    opcion->trigger();
            memoria->close();
        });
        f.CalcularClaseResistenteUNE();

        QVERIFY2(enPantalla.startsWith("Clase "), qPrintable(enPantalla));
        QCOMPARE(QString("Clase ") + QString::fromStdString(p.ClaseTexto), enPantalla);
        for (const QString& pdf : {impreso, exportado}) {
            QCOMPARE(PaginasDelPdf(pdf), 1);
            QVERIFY2(TextoDelPdf(pdf).contains(enPantalla), qPrintable(pdf));
        }
        QVERIFY2(guion.imprevistos.isEmpty(), qPrintable(guion.imprevistos.join(" | ")));
        p.Modificado = 0;
        FijaDialogos(nullptr);
    }
};

QTEST_MAIN(PruebaDePrincipioAFin)
#include "de_principio_a_fin_test.moc"
