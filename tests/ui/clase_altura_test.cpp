// Clase según altura de relleno: la orden del menú (con los rechazos de la
// memoria), el punto señalado con el ratón y el PDF con las listas y los rótulos.

#include <QLabel>
#include <QTemporaryDir>

#include <tuple>

#include "banco_ventanas.h"
#include "clase_altura.h"
#include "dibujos.h"

class PruebaClaseAltura : public BancoVentanas {
    Q_OBJECT

    // Tubo de 500 mm en zanja de 0.9 m bajo 0.6 m de arena arcillosa con un
    // carro de 600 kN: la clase baja y vuelve a subir con hr.
    void Caso()
    {
        p->InstalacionIndex = 0, p->RellenoIndex = 2, p->Tipo = 14;
        p->b = 0.9, p->Di = 0.5, p->Es = 0.05, p->De = 0.6, p->hr = 0.6, p->Fa = 1.5;
        p->TraficoIndex = 0, p->CarreteraIndex = 3;
    }

    QString Punto(TCurvaClase& ventana) { return Hijo<QLabel>(&ventana, "LPunto")->text(); }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    // Sin factor de apoyo o sin datos del relleno del usuario no se abre; el
    // registro no cambia en ningún caso (ni hr por debajo del mínimo).
    void Menu()
    {
        // Fa, fi, ventana abierta y mensajes.
        const std::tuple<double, double, const char*, QString> casos[] = {
            {1.5, 30, "TCurvaClase", ""},
            {0, 30, "", "¡ Atención ! · 0 · Debe indicar el Factor de Apoyo"},
            {1.5, 0, "",
             "Cálculo Mecánico Tubos · 0 · Si los datos del relleno son a definir por el "
             "usuario, asegurese de que los valores sean distintos de cero"}};
        for (const auto& [Fa, fi, abierta, mensajes] : casos) {
            Caso();
            p->Fa = Fa, p->RellenoIndex = 5, p->fi = fi, p->fi1 = 20, p->gamma = 19;
            p->hr = 0.3, p->Modificado = 0, p->qr = 7;
            guion.vistos.clear();
            QCOMPARE(AbreCon([&] { Opcion(f.get(), "Clase según altura de relleno")->trigger(); }),
                     QString(abierta));
            QCOMPARE(guion.Vistos().join(" | "), mensajes);
            QCOMPARE(QString("%1 %2 %3").arg(p->hr).arg(p->Modificado).arg(p->qr),
                     QString("0.3 0 7"));
        }
    }

    // El rótulo del punto: al pulsar sobre un gráfico y por altura, con la
    // carga truncada a dos decimales y la clase de cada norma.
    void PuntoSenalado()
    {
        Caso();
        TCurvaClase ventana(*p, guion);
        ventana.show();
        const std::tuple<int, double, const char*> casos[] = {
            {1, 2.35, "hr 2.35 m · 87.1 kN/m² · UNE 90"},
            {2, 2.35, "hr 2.35 m · 87.1 kN/m² · ASTM III"},
            {1, 0.5, "hr 0.5 m · 79.01 kN/m² · UNE 90"}};
        for (const auto& [modo, hr, texto] : casos) {
            auto* grafico = Hijo<Croquis>(&ventana, modo == 2 ? "CurvaASTM" : "CurvaUNE");
            QTest::mouseClick(grafico, Qt::LeftButton, {}, grafico->rect().center());
            QVERIFY(Punto(ventana).startsWith("hr "));
            QVERIFY(Punto(ventana).contains(modo == 2 ? " · ASTM " : " · UNE "));
            ventana.MuestraPunto(std::uint8_t(modo), hr);
            QCOMPARE(Punto(ventana), QString::fromUtf8(texto));
        }
    }

    // El PDF lleva los rótulos de los gráficos y las listas de tramos.
    void ExportaPdf()
    {
        Caso();
        TCurvaClase ventana(*p, guion);
        ventana.show();
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath("curva.pdf");
        guion.nombres = {archivo};
        ventana.ExportarPdfClick();
        QCOMPARE(FaltanEnPdf(archivo, {"Carga de cálculo (kN/m²)", "hr (m)", "hr mín. 0.5 m",
                                       "hr = 0.6 m", "Con hr = 0.6 m: UNE 90",
                                       "(Válido para hr <=1.38 m.)", "UNE 135 hasta hr 1.54 m",
                                       "Con hr = 0.6 m: ASTM II", "(Válido para hr <=1.09 m.)",
                                       "ASTM IV desde hr 8.46 m", "UNE 180", "ASTM V"}),
                 QStringList());
        QVERIFY(!TextoPdf(archivo).contains("Pase el ratón"));
    }
};

QTEST_MAIN(PruebaClaseAltura)
#include "clase_altura_test.moc"
