#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ayudas_pruebas.h"
#include "trafico.h"

namespace {

TEST(CargaCarretera, FormulasPorAlturaYLimitesDelMetodo)
{
    const struct {
        const char* nombre;
        std::uint8_t vehiculo;
        double Di, De, hr, carga;
    } casos[] = {
        {"eje 70 kN en hr 1.21 usa la formula baja", 1, 1.8, 2.0, 1.21, 8.763145},
        {"eje 70 kN en hr 1.22 usa la formula alta", 1, 1.8, 2.0, 1.22, 8.758628},
        {"impacto 1.2 en hr 0.6", 2, 1.0, 1.2, 0.6, 28.260870},
        {"impacto 1.1 entre 0.6 y 0.9", 2, 1.0, 1.2, 0.75, 20.717131},
        {"impacto 1.0 en hr 0.9", 2, 1.0, 1.2, 0.9, 15.417457},
        {"eje 130 kN en hr 1.0", 2, 1.0, 1.2, 1.0, 13.636364},
        {"eje 130 kN tubo grande", 2, 2.2, 2.5, 0.8, 23.392873},
        {"carro en hr 1.0", 3, 1.0, 1.2, 1.0, 35.516724},
        {"carro en hr 0.5", 3, 1.0, 1.2, 0.5, 58.467263},
        {"carro en hr 4.0", 3, 1.0, 1.2, 4.0, 16.343641},
        {"carro con Di 3.0", 3, 3.0, 3.6, 2.0, 59.510069},
        {"carro con Di 0.16", 3, 0.16, 0.2, 2.0, 6.483433},
        {"hr 4.01 fuera", 3, 1.0, 1.2, 4.01, 0},
        {"Di 0.15 fuera", 3, 0.15, 0.2, 2.0, 0},
        {"ninguno", 0, 1.0, 1.2, 2.0, 0}};
    for (const auto& caso : casos)
        EXPECT_NEAR(CargaCarretera(caso.vehiculo, caso.Di, caso.De, caso.hr), caso.carga, 1e-5)
            << caso.nombre;
}

// Tubo de 1.2 m bajo una o varias vías.
Proyecto CasoVia(std::uint8_t via, std::uint8_t sentido, std::uint8_t vias, double hr)
{
    Proyecto p;
    InicializaDatos(p);
    p.TraficoIndex = 1;
    p.ViaIndex = via;
    p.SentidoViaIndex = sentido;
    p.NVias = vias;
    p.De = 1.2;
    p.hr = hr;
    return p;
}

TEST(CargaFerrocarril, ImpactoYViasQueCargan)
{
    const struct {
        const char* nombre;
        std::uint8_t via, sentido, vias;
        double hr, V, dh, carga;
        int actuantes;
    } casos[] = {
        // Renfe parado: el impacto 0.8 sube a 1.0; la cuenta longitudinal pasa de NVias.
        {"Renfe longitudinal parado", 1, 0, 1, 2.0, 0, 0, 66.763636, 2},
        {"Renfe longitudinal a 100 km/h", 1, 0, 1, 2.0, 100, 0, 75.442909, 2},
        {"Renfe longitudinal hr 10", 1, 0, 1, 10.0, 0, 0, 18.835369, 5},
        {"UIC longitudinal", 2, 0, 2, 3.0, 0, 0, 54.801119, 2},
        {"UIC transversal sobre la via", 2, 1, 3, 2.0, 0, 0, 121.035986, 3},
        {"UIC transversal a 25 m", 2, 1, 3, 2.0, 0, 25, 80.690657, 2},
        {"UIC transversal lejos", 2, 1, 3, 2.0, 0, 100, 0, 0},
        {"sin vias", 1, 0, 0, 2.0, 0, 0, 0, 0},
        {"via ninguna", 0, 0, 2, 2.0, 0, 0, 0, 0}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto p = CasoVia(caso.via, caso.sentido, caso.vias, caso.hr);
        p.V = caso.V;
        p.dh = caso.dh;
        p.NViasActuantes = 99;
        RespondeNo respuesta;
        EXPECT_NEAR(CargaTrafico(p, respuesta), caso.carga, 1e-5);
        EXPECT_EQ(p.NViasActuantes, caso.actuantes);
        EXPECT_TRUE(respuesta.preguntas.empty());
    }
}

TEST(CargaFerrocarril, PocaAlturaPreguntaYCalculaConLaAlturaRecibida)
{
    const std::string pregunta =
        "En la determinación de la carga ferroviaria la altura de relleno por encima de la clave "
        "del tubo debe ser como mínimo de 1 m.. No obstante se recomienda un valor no menor de "
        "1.5 m. Por tanto el valor se corregirá automaticamente.";
    RespondeNo no;
    Proyecto p = CasoVia(1, 0, 1, 0.8);
    EXPECT_EQ(CargaFerrocarril(p, no), 0);
    EXPECT_EQ(no.preguntas, std::vector<std::string>{pregunta});
    EXPECT_EQ(p.hr, 0.8);

    RespondeSi si;
    p = CasoVia(1, 0, 1, 0.8);
    EXPECT_EQ(CargaFerrocarril(p, si), 0);  // este cálculo sigue con 0.8
    EXPECT_EQ(si.preguntas, std::vector<std::string>{pregunta});
    EXPECT_EQ(p.hr, 1.0);

    p = CasoVia(0, 0, 1, 0.8);  // sin vía no se pregunta
    EXPECT_EQ(CargaFerrocarril(p, si), 0);
    EXPECT_EQ(si.preguntas.size(), 1u);
}

Proyecto CasoAvion(std::uint8_t avion, double hr)
{
    Proyecto p;
    InicializaDatos(p);
    p.TraficoIndex = 2;
    p.AeropuertoIndex = avion;
    p.De = 1.2345;
    p.hr = hr;
    return p;
}

TEST(CargaAeropuerto, PresionDeLaTablaPorDiametro)
{
    const struct {
        std::uint8_t avion;
        double hr, presion;  // kN/m² en la clave
    } casos[] = {{1, 1.5, 68.6},  {1, 1.0, 98.0},  {1, 2.0, 39.2}, {2, 2.5, 53.9}, {4, 12.5, 12.25},
                 {5, 15.0, 14.7}, {5, 20.0, 14.7}, {3, 9.0, 14.7}, {0, 2.0, 0}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << int(caso.avion) << " hr " << caso.hr);
        RespondeNo respuesta;
        Proyecto p = CasoAvion(caso.avion, caso.hr);
        EXPECT_NEAR(CargaTrafico(p, respuesta), caso.presion * 1.2345, 1e-9);
        EXPECT_TRUE(respuesta.preguntas.empty());
    }
}

TEST(CargaAeropuerto, PocaAlturaPreguntaYConSiCalculaConUnMetro)
{
    const std::string pregunta =
        "Para el correcto cálculo de la carga producida por el tráfico aéreo, hr debe tomar como "
        "mínimo el valor 1. No obstante se recomienda un valor no menor a 1.5 m. Por tanto el "
        "valor se corregirá automaticamente. ";
    RespondeSi si;
    Proyecto p = CasoAvion(2, 0.8);
    EXPECT_DOUBLE_EQ(CargaAeropuerto(p, si), 145.177);  // 117.6·1.2345 con tres decimales
    EXPECT_EQ(p.hr, 1.0);
    EXPECT_EQ(si.preguntas, std::vector<std::string>{pregunta});

    RespondeNo no;
    p = CasoAvion(2, 0.8);
    EXPECT_EQ(CargaAeropuerto(p, no), 0);
    EXPECT_EQ(p.hr, 0.8);
    EXPECT_EQ(no.preguntas, std::vector<std::string>{pregunta});

    p = CasoAvion(0, 0.8);  // sin avión no se pregunta
    EXPECT_EQ(CargaAeropuerto(p, si), 0);
    EXPECT_EQ(si.preguntas.size(), 1u);
}

}  // namespace
