#include <gtest/gtest.h>

#include <cmath>

#include <string>

#include "apoyo.h"
#include "ayudas_pruebas.h"
#include "comprobaciones.h"
#include "curva_clase.h"
#include "informe.h"
#include "ordenes.h"

// Validez que da la orden de cálculo.
static std::string ValidezDeLaMemoria(Proyecto p, std::uint8_t modo)
{
    RespondeNo no;
    return OrdenMemoria(p, no, modo).informe.validez;
}

static std::string Tramos(const CurvaClase& c)
{
    std::string texto;
    for (std::size_t i = 0; i < c.tramos.size(); ++i)
        texto += (i ? "; " : "") + TextoTramo(c, c.tramos[i], i + 1 == c.tramos.size());
    return texto;
}

static std::string Bandas(const CurvaClase& c)
{
    std::string texto;
    for (std::size_t i = 0; i < c.bandas.size(); ++i)
        texto += (i ? "; " : "") + c.bandas[i].clase +
                 (c.bandas[i].sinTecho ? "" : " <=" + TextoNumero(c.bandas[i].hasta));
    return texto;
}

// Terraplén de clase A: su Fa cambia con la altura.
static Proyecto TerraplenA(double hr)
{
    Proyecto p = CasoZanja();
    p.InstalacionIndex = InstalacionTerraplen;
    p.Di = 1.0, p.Es = 0.1, p.De = 1.2, p.hr1 = 0.6, p.hr = hr, p.Tipo = 0;
    p.Fa = *CalculaFa(p, 1, 1);
    return p;
}

// Con aviones o trenes y menos de 1 m de relleno, la orden los quita del registro y la memoria
// busca la validez sin ellos; la curva, a cada altura, calcula lo que daría esa altura
// tecleada: a partir de 1 m con el avión, y la memoria tampoco da validez más allá.
TEST(CalculaCurva, TramosYValidezComoLaMemoria)
{
    Proyecto carretera = CasoZanja();  // la carga baja y vuelve a subir con hr
    carretera.CarreteraIndex = 3, carretera.hr = 0.6, carretera.Fa = 1.5;
    Proyecto grande = CasoZanja();  // Di >= 2.5: pasado 90 no hay clase UNE
    grande.Di = 2.6, grande.Es = 0.25, grande.De = 3.1, grande.b = 3.5;
    Proyecto puntual = CasoZanja();  // "NO" bajo la carga puntual, luego 90
    puntual.qp = 5, puntual.hr = 1;
    Proyecto sinDiametro = CasoZanja();  // ninguna altura se calcula
    sinDiametro.Di = 0;
    Proyecto terraplenada = CasoZanja();  // hr empieza pasado h''r
    terraplenada.InstalacionIndex = InstalacionZanjaTerraplenada, terraplenada.h2r = 1;
    terraplenada.hr = 0.4;
    Proyecto avion = CasoZanja();
    avion.TraficoIndex = 2, avion.AeropuertoIndex = 3, avion.hr = 0.6;
    const struct {
        const char* nombre;
        Proyecto p;
        std::uint8_t modo;
        double minimo, actual;
        const char *validez, *tramos, *bandas;
    } casos[] = {
        {"carretera UNE", carretera, 1, 0.5, 0.6, "(Válido para hr <=1.38 m.)",
         "UNE 90 hasta hr 1.38 m; UNE 135 hasta hr 1.54 m; UNE 90 hasta hr 3.23 m; UNE 135 "
         "hasta hr 4 m; UNE 90 hasta hr 6.07 m; UNE 135 desde hr 6.08 m",
         "90 <=90; 135 <=135; 180 <=180; NO"},
        {"carretera ASTM", carretera, 2, 0.5, 0.6, "(Válido para hr <=1.09 m.)",
         "ASTM III hasta hr 0.58 m; ASTM II hasta hr 1.09 m; ASTM III hasta hr 8.45 m; ASTM IV "
         "desde hr 8.46 m",
         "I <=60; II <=75; III <=97.5; IV <=150; V <=210; NO"},
        {"terraplén A", TerraplenA(2), 1, 0.5, 2, "(Válido para hr <=4.6 m.)",
         "UNE 60 hasta hr 4.6 m; UNE 90 hasta hr 6.73 m; UNE 135 hasta hr 9.91 m; UNE 180 desde "
         "hr 9.92 m",
         "60 <=60; 90 <=90; 135 <=135; 180 <=180; NO"},
        {"clase NO", grande, 1, 0.5, 3, "(Válido para hr <=3.59 m.)",
         "UNE 60 hasta hr 3.59 m; UNE 90 hasta hr 5.92 m; UNE NO desde hr 5.93 m",
         "60 <=60; 90 <=90; NO"},
        {"puntual", puntual, 1, 0.5, 1, "(Válido para cualquier altura de relleno hr)",
         "UNE NO hasta hr 0.62 m; UNE 180 hasta hr 0.74 m; UNE 135 hasta hr 0.98 m; UNE 90 "
         "desde hr 0.99 m",
         "90 <=90; 135 <=135; 180 <=180; NO"},
        {"sin cálculo", sinDiametro, 1, 0.5, 3, "", "Sin cálculo desde hr 0.5 m",
         "90 <=90; 135 <=135; 180 <=180; NO"},
        {"zanja terraplenada", terraplenada, 1, 1.1, 1.1, "(Válido para hr <=5.35 m.)",
         "UNE 90 hasta hr 5.35 m; UNE 135 hasta hr 8.27 m; UNE 180 desde hr 8.28 m",
         "90 <=90; 135 <=135; 180 <=180; NO"},
        {"avión bajo 1 m", avion, 1, 0.5, 0.6, "(Válido para hr <=0.99 m.)",
         "UNE 90 hasta hr 0.99 m; UNE 180 hasta hr 1.27 m; UNE 135 hasta hr 4.87 m; UNE 90 desde "
         "hr 4.88 m",
         "90 <=90; 135 <=135; 180 <=180; NO"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const CurvaClase c = CalculaCurva(caso.p, caso.modo, 200);
        ASSERT_EQ(c.puntos.size(), 200u);
        EXPECT_EQ(c.hrMinimo, caso.minimo);
        EXPECT_EQ(c.hrMaximo, 10);
        EXPECT_EQ(c.actual.hr, caso.actual);
        EXPECT_EQ(c.puntos.front().hr, caso.minimo);
        EXPECT_EQ(TextoValidez(c.validez), caso.validez);
        EXPECT_EQ(ValidezDeLaMemoria(caso.p, caso.modo), caso.validez);
        EXPECT_EQ(Tramos(c), caso.tramos);
        EXPECT_EQ(Bandas(c), caso.bandas);
    }
    // Con más de 3.33 m de relleno, la curva llega a tres veces la altura.
    Proyecto hondo = CasoZanja();
    hondo.hr = 5;
    EXPECT_EQ(CalculaCurva(hondo, 1, 20).hrMaximo, 15);
}

TEST(CalculaCurva, EjemplosComoLaMemoria)
{
    for (const char* ejemplo :
         {"zanja.txt", "terraplen.txt", "zanja_inducida.txt", "zanja_terraplenada.txt"}) {
        SCOPED_TRACE(ejemplo);
        Proyecto p = Ejemplo(ejemplo);
        for (const double hr : {p.hr, 1.234}) {
            p.hr = hr;
            for (const std::uint8_t modo : {1, 2}) {
                const std::string memoria = ValidezDeLaMemoria(p, modo);
                EXPECT_FALSE(memoria.empty());
                const CurvaClase curva = CalculaCurva(p, modo, 200);
                EXPECT_EQ(TextoValidez(curva.validez), memoria) << int(modo);
                // Cada cambio de clase, en la rejilla de 0.01 m de la memoria, con los
                // puntos que dibuje la ventana o el anejo.
                for (std::size_t i = 1; i < curva.tramos.size(); ++i)
                    EXPECT_NEAR(std::remainder(curva.tramos[i].desde - hr, 0.01), 0, 1e-9)
                        << curva.tramos[i].desde;
                EXPECT_EQ(LineasCurva(CalculaCurva(p, modo, 57)), LineasCurva(curva));
            }
        }
    }
}

// Con mucha altura los puntos se separan metros: los cambios de clase que
// caen entre dos puntos se listan todos, en las alturas de siempre.
TEST(CalculaCurva, CambiosEntreDosPuntosSeparados)
{
    // Puntos cada 15 m; la rejilla de 0.01 m pasa por las mismas alturas.
    const std::string tramos = Tramos(CalculaCurva(TerraplenA(1000), 1, 200));
    EXPECT_EQ(tramos.substr(0, 72),
              "UNE 60 hasta hr 4.6 m; UNE 90 hasta hr 6.73 m; UNE 135 hasta hr 9.91 m; ")
        << tramos;
}
