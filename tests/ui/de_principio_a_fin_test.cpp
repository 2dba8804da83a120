// De principio a fin, como lo haría un usuario nuevo: un tubo de 1000 mm en
// zanja, una cama elegida con "Predefinidos" y "Calcular Clase Resistente
// UNE"; la memoria en pantalla, su PDF y su página impresa dicen la misma clase.

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>

#include "banco_ventanas.h"

namespace {

// Ejecuta accion sobre la ventana modal que abra la orden, cuando ya esté abierta.
void ConLaModal(QObject* contexto, const std::function<void(QWidget*)>& accion)
{
    QTimer::singleShot(0, contexto, [accion] {
        if (QWidget* modal = QApplication::activeModalWidget())
            accion(modal);
    });
}

// Lo que dice una herramienta de poppler (pdftotext, pdfinfo) del archivo.
QString Poppler(const QString& herramienta, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(herramienta, argumentos);
    proceso.waitForFinished();
    return QString::fromUtf8(proceso.readAllStandardOutput());
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
        // "Predefinidos": cama granular compactada a 180º.
        ConLaModal(this, [](QWidget* clases) { Hijo<QPushButton>(clases, "Button7")->click(); });
        Hijo<QPushButton>(&f, "Button2")->click();
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
            Opcion(memoria, "&Imprimir")->trigger();
            Opcion(memoria, "Exportar PDF…")->trigger();
            memoria->close();
        });
        f.CalcularClaseResistenteUNE();

        QCOMPARE(enPantalla, "Clase " + QString::fromStdString(p.ClaseTexto));
        for (const QString& pdf : {impreso, exportado}) {
            QVERIFY2(Poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n")),
                     qPrintable(pdf));
            QVERIFY2(Poppler("pdftotext", {"-layout", pdf, "-"}).contains(enPantalla),
                     qPrintable(pdf));
        }
        QVERIFY2(guion.imprevistos.isEmpty(), qPrintable(guion.imprevistos.join(" | ")));
        p.Modificado = 0;
        FijaDialogos(nullptr);
    }
};

QTEST_MAIN(PruebaDePrincipioAFin)
#include "de_principio_a_fin_test.moc"
