// Una orden, una respuesta por todas las vías: la ventana (con un No a cada
// pregunta), la orden del motor, una fila de tramos, la herramienta (el caso
// guardado y leído), la curva y la línea de estado dan la misma carga, clase y
// validez, o el mismo rechazo. Una vía nueva se añade aquí.

#include <QLabel>

#include <functional>

#include "archivo.h"
#include "banco_ventanas.h"
#include "caso.h"
#include "clase_en_vivo.h"
#include "curva_clase.h"
#include "interlocutor.h"
#include "ordenes.h"
#include "textos_informe.h"
#include "tramos.h"

namespace {

// "carga|clase|validez" de una memoria, con los textos de la página.
QString Memoria(const Proyecto& p, const ResultadoInforme& r)
{
    const TextosInforme t = TextosDelInforme(p, r);
    return QString::fromStdString(t.textos.at("LDCarga") + "|" + t.textos.at("LDres") + "|" +
                                  t.textos.at("LDhrMax"));
}

QString Rechazo(const std::string& texto)
{
    return "rechazo: " + QString::fromStdString(texto);
}

Proyecto Ejemplo(const char* nombre)
{
    Proyecto p;
    std::vector<std::string> errores;
    LeeProyecto(std::string(CARPETA_EJEMPLOS "/") + nombre, p, errores);
    return p;
}

// Tubo de 1000 mm en zanja de 2.6 m bajo 2 m de arena arcillosa, cama de Fa 1.9, sin tráfico.
Proyecto Zanja(const std::function<void(Proyecto&)>& cambia = {})
{
    Proyecto p;
    InicializaDatos(p);
    p.Di = 1, p.Es = 0.109, p.De = 1.218, p.b = 2.6, p.hr = 2, p.Fa = 1.9, p.Tipo = 10;
    p.CarreteraIndex = 0;
    if (cambia)
        cambia(p);
    return p;
}

// Terraplén de clase A (Tipo 0) con un Fa guardado que ya no es el de sus datos.
Proyecto Terraplen(double hr1)
{
    return Zanja([hr1](Proyecto& p) {
        p.InstalacionIndex = InstalacionTerraplen, p.Tipo = 0, p.hr1 = hr1, p.Fa = 4.5;
    });
}

}  // namespace

Q_DECLARE_METATYPE(Proyecto)

class PruebaVias : public BancoVentanas {
    Q_OBJECT

    // Lo que abre la orden de la ventana, respondiendo No; el rechazo si no abre.
    QString Ventana(void (TForm1::*orden)())
    {
        guion.respuestas = QList<int>(8, RespuestaNo);
        guion.vistos.clear();
        QString vista;
        AbreCon([&] { (f.get()->*orden)(); },
                [&](QWidget* memoria) {
                    for (const char* nombre : {"LDCarga", "LDres", "LDhrMax"})
                        vista += (vista.isEmpty() ? "" : "|") +
                                 memoria->findChild<QLabel*>(nombre)->text();
                });
        return vista.isEmpty() && !guion.vistos.isEmpty() ? "rechazo: " + guion.vistos.last().texto
                                                          : vista;
    }

private slots:
    BANCO_VENTANAS_INIT_CLEANUP

    void UnaRespuesta_data()
    {
        QTest::addColumn<Proyecto>("caso");
        QTest::addColumn<QString>("une");    // carga|clase|validez, o "rechazo: …"
        QTest::addColumn<QString>("astm");   // vacío en un rechazo
        QTest::addColumn<QString>("linea");  // la línea de estado antes de calcular

        QTest::newRow("zanja") << Ejemplo("zanja.txt")
                               << "89.24 kN/m²|Clase 90|(Válido para hr <=2.53 m.)"
                               << "89.24 kN/m²|Clase III|(Válido para hr <=2.89 m.)"
                               << "Carga de cálculo 89.24 kN/m² · UNE 90 (hasta hr 2.53 m) · ASTM "
                                  "III (hasta hr 2.89 m)";
        QTest::newRow("terraplén")
            << Ejemplo("terraplen.txt") << "112.69 kN/m²|Clase 135|(Válido para hr <=5.28 m.)"
            << "112.69 kN/m²|Clase IV|(Válido para hr <=5.92 m.)"
            << "Carga de cálculo 112.69 kN/m² · UNE 135 (hasta hr 5.28 m) · "
               "ASTM IV (hasta hr 5.92 m)";
        QTest::newRow("zanja terraplenada")
            << Ejemplo("zanja_terraplenada.txt") << "73.4 kN/m²|Clase 90|(Válido para hr <=4.05 m.)"
            << "73.4 kN/m²|Clase II|(Válido para hr <=3.1 m.)"
            << "Carga de cálculo 73.4 kN/m² · UNE 90 (hasta hr 4.05 m) · ASTM II (hasta hr 3.1 m)";
        QTest::newRow("zanja inducida")
            << Ejemplo("zanja_inducida.txt") << "65.4 kN/m²|Clase 90|(Válido para hr <=12.12 m.)"
            << "65.4 kN/m²|Clase II|(Válido para hr <=9.62 m.)"
            << "Carga de cálculo 65.4 kN/m² · UNE 90 (hasta hr 12.12 m) · ASTM II (hasta hr "
               "9.62 m)";
        QTest::newRow("hr corregida") << Zanja([](Proyecto& p) { p.hr = 0.3; })
                                      << "9.82 kN/m²|Clase 60|(Válido para hr <=2.4 m.)"
                                      << "9.82 kN/m²|Clase I|(Válido para hr <=2.4 m.)"
                                      << "Al calcular se corregirá hr a 0.5 m";
        QTest::newRow("espesor delgado, respondido No")
            << Zanja([](Proyecto& p) { p.Es = 0.1, p.De = 1.2, p.AvisoEspesor = 1; })
            << "47.19 kN/m²|Clase 60|(Válido para hr <=2.42 m.)"
            << "47.19 kN/m²|Clase I|(Válido para hr <=2.42 m.)"
            << "Al calcular se preguntará por el espesor de pared";
        QTest::newRow("sin factor") << Zanja([](Proyecto& p) { p.Fa = 0; })
                                    << Rechazo("Debe indicar el Factor de Apoyo") << ""
                                    << "Falta el factor de apoyo";
        QTest::newRow("terraplén: Fa de la clase rehecho")
            << Terraplen(0.6) << "23.53 kN/m²|Clase 60|(Válido para hr <=4.53 m.)"
            << "23.53 kN/m²|Clase I|(Válido para hr <=4.53 m.)"
            << "Al calcular se corregirá Fa a 3.774";
        QTest::newRow("terraplén: h'r mayor que De")
            << Terraplen(1.3)
            << Rechazo("h´r debe ser menor o igual al diámetro exterior (De) del tubo.") << ""
            << "h´r debe ser menor o igual al diámetro exterior (De) del tubo.";
        QTest::newRow("terraplén: clase B fuera de su proyección")
            << Zanja([](Proyecto& p) {
                   p.InstalacionIndex = InstalacionTerraplen, p.Tipo = 1, p.hr1 = 0.9;
               })
            << Rechazo("La clase de apoyo B solo se admite con h'r/De hasta 0.6 y h'r/De vale "
                       "0.739: elija otra clase o corrija h'r.")
            << ""
            << "La clase de apoyo B solo se admite con h'r/De hasta 0.6 y h'r/De vale 0.739: "
               "elija otra clase o corrija h'r.";
        QTest::newRow("zanja inducida honda") << Zanja([](Proyecto& p) {
            p.InstalacionIndex = InstalacionZanjaInducida, p.Tipo = 0, p.hr1 = 0.3;
            p.b2 = 1.3, p.hr2 = 3, p.hr = 5;
        }) << "32.22 kN/m²|Clase 60|(Válido para hr <=60.74 m.)"
                                              << "32.22 kN/m²|Clase I|(Válido para hr <=60.74 m.)"
                                              << "Al calcular se corregirá hr2 a 2.5 m";
        QTest::newRow("zanja inducida sin b2") << Zanja([](Proyecto& p) {
            p.InstalacionIndex = InstalacionZanjaInducida, p.Fa = 2, p.hr2 = 1;
        }) << Rechazo("Introduzca la anchura de la zanja inducida (b2) antes de calcular.")
                                               << ""
                                               << "Falta la anchura b2 de la zanja inducida";
        QTest::newRow("hr2 de otra instalación")
            << Zanja([](Proyecto& p) { p.hr2 = 3; })
            << "47.71 kN/m²|Clase 60|(Válido para hr <=2.4 m.)"
            << "47.71 kN/m²|Clase I|(Válido para hr <=2.4 m.)"
            << "Carga de cálculo 47.71 kN/m² · UNE 60 (hasta hr 2.4 m) · ASTM I (hasta hr 2.4 m)";
        QTest::newRow("zanja terraplenada bajo h''r")
            << Zanja([](Proyecto& p) {
                   p.InstalacionIndex = InstalacionZanjaTerraplenada, p.h2r = 2.5;
               })
            << "66.01 kN/m²|Clase 90|(Válido para hr <=3.38 m.)"
            << "66.01 kN/m²|Clase II|(Válido para hr <=2.89 m.)"
            << "Al calcular se corregirá hr a 2.6 m";
        QTest::newRow("avión bajo 1 m")
            << Zanja([](Proyecto& p) { p.hr = 0.8, p.TraficoIndex = 2, p.AeropuertoIndex = 3; })
            << "16.32 kN/m²|Clase 60|(Válido para hr <=0.99 m.)"
            << "16.32 kN/m²|Clase I|(Válido para hr <=0.99 m.)"
            << "Carga de cálculo 16.32 kN/m² · UNE 60 (hasta hr 0.99 m) · ASTM I (hasta hr 0.99 m) "
               "· sin el avión (hr < 1 m)";
    }

    void UnaRespuesta()
    {
        QFETCH(Proyecto, caso);
        QFETCH(QString, une);
        QFETCH(QString, astm);
        QFETCH(QString, linea);

        // La orden del motor, respondiendo No.
        Proyecto motor = caso;
        RespondeNo no;
        const MemoriasUneAstm memorias = OrdenMemorias(motor, no);
        QCOMPARE(memorias.calculadas ? Memoria(memorias.calculado, memorias.une)
                                     : Rechazo(no.Rechazo()->texto),
                 une);
        QCOMPARE(memorias.calculadas ? Memoria(motor, memorias.astm) : "", astm);

        // La línea de estado.
        QCOMPARE(QString::fromStdString(ClaseEnVivo(caso).texto), linea);

        // Una fila de la tabla de tramos sobre el caso.
        const TramoCalculado fila = CalculaTramo(LeeTramo(caso, {{ColumnaTramo::Tramo, "T"}}));
        QCOMPARE(fila.calculado ? Memoria(fila.proyecto, fila.une) : Rechazo(fila.errores.at(0)),
                 une);

        // La herramienta y el anejo: el caso guardado y leído.
        std::istringstream archivo(TextoArchivo(caso));
        const CalculoArchivo leido = CalculaDatos(archivo, "caso.txt");
        QCOMPARE(leido.calculado ? Memoria(leido.proyecto, leido.une) : Rechazo(leido.rechazo),
                 une);
        if (leido.calculado)
            QCOMPARE(Memoria(leido.proyecto, leido.astm), astm);

        // La curva: la validez de la clase en hr.
        for (const auto& [modo, memoria] : {std::pair{1, une}, {2, astm}})
            if (memorias.calculadas)
                QCOMPARE(QString::fromStdString(TextoValidez(CalculaCurva(caso, modo, 50).validez)),
                         memoria.section('|', 2));

        // La ventana, con el caso abierto en ella.
        *p = caso;
        f->PintaVariables();
        QCOMPARE(Ventana(&TForm1::CalcularClaseResistenteUNE), une);
        if (!astm.isEmpty()) {
            QCOMPARE(Ventana(&TForm1::CalcularClaseResistenteASTM), astm);
            // Tras la orden, la línea de estado da la carga de la memoria.
            QTRY_VERIFY(Hijo<QLabel>(f, "ClaseEnVivo")
                            ->toolTip()
                            .startsWith("Carga de cálculo " + une.section(' ', 0, 0) + " kN/m²"));
        }
    }
};

QTEST_MAIN(PruebaVias)
#include "vias_test.moc"
