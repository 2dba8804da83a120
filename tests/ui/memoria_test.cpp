// Memoria de cálculo: la página muestra los textos del motor (cada caso se prueba en
// TextosDelInforme), la leyenda queda en el registro, avisos e impresión.

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include "banco_ventanas.h"
#include "informe.h"
#include "memoria.h"
#include "textos_informe.h"

class PruebaInforme : public BancoVentanas {
    Q_OBJECT

    std::unique_ptr<TCalculos> c;

    // Zanja de 0.9 m con arena arcillosa, tubo de De 0.6 m (Es = 0.05 m) bajo 3 m de relleno
    // (qr ≈ 32.769 kN/m), cama de 120º, Fa 2.8, clase UNE.
    void Caso(int tipo = 5, double b = 0.9, double De = 0.6, double hr = 3)
    {
        p->InstalacionIndex = 0, p->Tipo = std::int8_t(tipo), p->TaludDefinido = true;
        p->b = b, p->De = De, p->Es = 0.05, p->Di = De - 0.1, p->hr = hr, p->Resguardo = 0.3;
        p->RellenoIndex = 2, p->BaseIndex = 1, p->TraficoIndex = p->CarreteraIndex = 0;
        p->Fa = 2.8, p->ModoCalculo = 1;
    }

    // Se rellena al mostrarse, como al abrirla una orden de cálculo.
    void Abre()
    {
        RespondeNo no;
        const ResultadoInforme resultado = CalculaInforme(*p, no, p->ModoCalculo);
        c = std::make_unique<TCalculos>(*p, resultado, guion);
        c->show();
    }

    QLabel* Rotulo(const QString& nombre)
    {
        return c->Pagina()->findChild<QLabel*>(nombre, Qt::FindDirectChildrenOnly);
    }

private slots:
    void init()
    {
        Prepara();
        Caso();
    }
    void cleanup()
    {
        c.reset();
        const QString fallos = Termina();
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos));
    }

    // Cada texto y cada rótulo visible u oculto del motor (los textos de cada caso, en
    // TextosDelInforme), en su sitio; los avisos de la carga del relleno ("título · botones ·
    // texto"), con la respuesta en el registro.
    void Pagina_data()
    {
        QTest::addColumn<double>("hr");
        QTest::addColumn<int>("aviso");
        QTest::addColumn<QList<int>>("respuestas");
        QTest::addColumn<QString>("mensajes");  // su comienzo
        QTest::addColumn<int>("avisoCalculo");
        // Sin altura no hay carga del relleno: un fallo, no una carga 0 ni una clase.
        QTest::newRow("error del relleno")
            << 0.0 << 0 << QList<int>{}
            << "¡ Atención ! · 48 · Error calculando la carga del relleno" << 0;
        // Con 1 m de relleno la zanja de 2 m se calcula como terraplén.
        const QString terraplen =
            "¡¡ Atención !! · 36 · Carga del relleno calculada para TERRAPLÉN";
        QTest::newRow("como terraplén, Sí")
            << 1.0 << 1 << QList<int>{RespuestaSi} << terraplen << 1;
        QTest::newRow("como terraplén, No")
            << 1.0 << 1 << QList<int>{RespuestaNo} << terraplen << 0;
        QTest::newRow("como terraplén, sin aviso") << 1.0 << 0 << QList<int>{} << "" << 0;
        QTest::newRow("zanja, cama de 120º") << 3.0 << 1 << QList<int>{} << "" << 1;
    }

    void Pagina()
    {
        QFETCH(double, hr);
        QFETCH(int, aviso);
        QFETCH(QList<int>, respuestas);
        QFETCH(QString, mensajes);
        hr == 1 ? Caso(13, 2.0, 0.5, hr) : void(p->hr = hr);
        p->AvisoCalculo = std::uint8_t(aviso), guion.respuestas = respuestas;
        Proyecto copia = *p;
        RespondeNo no;
        const TextosInforme t =
            TextosDelInforme(copia, CalculaInforme(copia, no, copia.ModoCalculo));
        Abre();
        QVERIFY(guion.respuestas.isEmpty());
        // Un solo mensaje, o ninguno.
        const QStringList vistos = guion.Vistos();
        QVERIFY2(mensajes.isEmpty() ? vistos.isEmpty()
                                    : vistos.size() == 1 && vistos[0].startsWith(mensajes),
                 qPrintable(vistos.join(" // ")));
        QTEST(int(p->AvisoCalculo), "avisoCalculo");
        for (const auto& [nombre, texto] : t.textos) {
            QLabel* rotulo = Rotulo(QString::fromStdString(nombre));
            QVERIFY2(rotulo && rotulo->text() == QString::fromStdString(texto), nombre.c_str());
        }
        for (const auto& [nombre, visible] : t.visibles)
            QVERIFY2(Rotulo(QString::fromStdString(nombre))->isVisible() == visible,
                     nombre.c_str());
        QCOMPARE(c->CroquisMostrado(), QString::fromStdString(t.croquis));
        QCOMPARE(c->FormulaMostrada(), QString::fromStdString(t.formula));
        QCOMPARE(Rotulo("LCociente")->text(), QString("Qtotal · 1.5"));  // el motor no lo da en UNE
    }

    // La fracción de la carga de cálculo queda entre sus dos "=", sin tapar nada, con el
    // numerador más largo ("1.25 · Qtotal", ASTM). Los rótulos miden lo que su texto.
    void FraccionEntreLosIguales()
    {
        p->ModoCalculo = 2, p->Fa = 0.5;
        Abre();
        QCOMPARE(Rotulo("LCociente")->text(), QString("1.25 · Qtotal"));
        const QString orden[] = {"Label9", "LCociente", "LIgualCarga", "LDCarga"};
        for (int i = 0; i < 4; ++i) {
            QLabel* rotulo = Rotulo(orden[i]);
            QVERIFY2(rotulo->width() >= rotulo->sizeHint().width(), qPrintable(orden[i]));
            if (i > 0)  // de izquierda a derecha, sin tocarse
                QVERIFY2(Rotulo(orden[i - 1])->geometry().right() < rotulo->x(),
                         qPrintable(orden[i]));
        }
        const QRect divisor = Rotulo("LDivisor")->geometry();
        QVERIFY(Rotulo("Label9")->geometry().right() < divisor.left() &&
                divisor.right() < Rotulo("LIgualCarga")->x());
    }

    // La ventana con los datos de la obra; imprimir escribe una página, con los menús en su estado
    // mientras dura; "Exportar PDF…" propone el nombre del proyecto con .pdf. Mostrarla otra vez
    // no vuelve a calcular.
    void VentanaImpresionYExportacion()
    {
        p->MObra = {"Colector norte", "Tramo 2"};
        p->MCliente = {"Ayuntamiento"};
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath("memoria.pdf");
        bool imprimiendo = false;
        guion.ImprimeEn(archivo, true, 1, [&] {
            imprimiendo = !c->Imprimir1->isEnabled() && c->CancelarImpresion1->isEnabled();
        });
        Abre();
        QCOMPARE(c->windowTitle(), QString("Cálculos"));
        QCOMPARE(Rotulo("LVersion")->text(), QString("Versión: 2.02a"));
        QCOMPARE(c->Pagina()->findChild<QPlainTextEdit*>("DObra")->toPlainText(),
                 QString("Colector norte\nTramo 2"));
        QCOMPARE(c->Pagina()->findChild<QPlainTextEdit*>("DCLiente")->toPlainText(),
                 QString("Ayuntamiento"));
        c->Imprimir1->trigger();
        QVERIFY(imprimiendo && c->Imprimir1->isEnabled() && !c->CancelarImpresion1->isEnabled());
        QAction* exportar = Opcion(c.get(), "Exportar PDF…");
        exportar->trigger();  // sin nombre elegido: nada
        p->FileName = "/obras/colector.txt";
        guion.nombres = {carpeta.filePath("exportada.pdf")};
        exportar->trigger();
        QCOMPARE(guion.propuestos, QStringList({"memoria.pdf", "/obras/colector.pdf"}));
        for (const QString& pdf : {archivo, carpeta.filePath("exportada.pdf")}) {
            QCOMPARE(FaltanEnPdf(pdf, {"qr= 32.76 kN/m", "35.1 kN/m²", "Clase 90",
                                       "Cálculos:", "Colector norte"}),
                     QStringList());
            QVERIFY(!TextoPdf(pdf).contains("h''r="));  // los rótulos ocultos no se imprimen
        }
        p->hr = 5;
        c->hide();
        c->show();
        QCOMPARE(Rotulo("LDhr")->text(), QString("3 m."));
    }
};

QTEST_MAIN(PruebaInforme)
#include "memoria_test.moc"
