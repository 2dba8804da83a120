#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ayudas_pruebas.h"
#include "trafico.h"

// La carga y la rama que la dio: A alta, B baja, G baja con De > 2 m, F fuera del método;
// ≥ o < según De frente a c (alta) o b (baja); 1 si en el carro manda un eje.
std::string Rama(const RamaCarretera& r)
{
    const char* alturas = "NFABG";
    return std::string(1, alturas[r.altura]) + (r.deMayor ? "≥" : "<") + (r.unEje ? "1" : "");
}

TEST(CargaCarretera, FormulasPorAlturaYLimitesDelMetodo)
{
    // Vehículo (1 eje de 70 kN, 2 eje de 130 kN, 3 carro de 600 kN), Di, De, hr, carga y rama.
    const std::tuple<int, double, double, double, double, const char*> casos[] = {
        {1, 1.8, 2.0, 1.21, 8.763145, "B≥"},
        {1, 1.8, 2.0, 1.22, 8.758628, "A≥"},  // baja y alta
        {2, 1.0, 1.2, 0.6, 28.260870, "B<"},
        {2, 1.0, 1.2, 0.75, 20.717131, "B<"},  // impacto 1.2, 1.1
        {2, 1.0, 1.2, 0.9, 15.417457, "B<"},
        {2, 1.0, 1.2, 1.0, 13.636364, "A≥"},  // impacto 1.0
        {2, 2.2, 2.5, 0.8, 23.392873, "G≥"},  // tubo grande
        {3, 1.0, 1.2, 1.0, 35.516724, "A≥"},
        {3, 1.0, 1.2, 0.5, 58.467263, "B<"},
        {3, 0.4, 0.5, 0.5, 28.990553, "B<1"},  // el carro estrecho: manda un eje
        {3, 1.0, 1.2, 4.0, 16.343641, "A<"},
        {3, 3.0, 3.6, 2.0, 59.510069, "A≥"},  // hr 4.0, Di 3.0
        {3, 1.0, 1.2, 4.01, 0, "F<"},
        {3, 0.15, 0.2, 2.0, 0, "F<"}};  // fuera
    for (const auto& [vehiculo, Di, De, hr, carga, rama] : casos) {
        const CargaDeCarretera r = CargaCarretera(std::uint8_t(vehiculo), Di, De, hr);
        EXPECT_NEAR(r.q, carga, 1e-5) << vehiculo << " Di " << Di << " hr " << hr;
        EXPECT_EQ(Rama(r.rama), rama) << vehiculo << " Di " << Di << " hr " << hr;
    }
}

// Tubo de 1.2 m bajo el tráfico dado.
static Proyecto CasoTrafico(std::uint8_t trafico, double hr)
{
    Proyecto p = Nuevo();
    p.TraficoIndex = trafico;
    p.De = 1.2, p.hr = hr;
    return p;
}

TEST(CargaFerrocarril, ImpactoYViasQueCargan)
{
    // Vía (1 Renfe, 2 UIC), sentido (1 transversal), NVias, hr, V, dh, carga y vías que cargan.
    const double casos[][8] = {
        // Renfe parado: el impacto 0.8 sube a 1.0; la cuenta longitudinal pasa de NVias.
        {1, 0, 1, 2.0, 0, 0, 66.763636, 2},  {1, 0, 1, 2.0, 100, 0, 75.442909, 2},
        {1, 0, 1, 10.0, 0, 0, 18.835369, 5}, {1, 0, 0, 2.0, 0, 0, 0, 0},  // sin vías
        {2, 1, 3, 2.0, 0, 0, 121.035986, 3},  // UIC transversal sobre la vía, a 25 m y lejos
        {2, 1, 3, 2.0, 0, 25, 80.690657, 2}, {2, 1, 3, 2.0, 0, 100, 0, 0}};
    for (const auto [via, sentido, vias, hr, V, dh, carga, actuantes] : casos) {
        Proyecto p = CasoTrafico(1, hr);
        p.ViaIndex = std::uint8_t(via), p.SentidoViaIndex = std::uint8_t(sentido);
        p.NVias = std::uint8_t(vias), p.V = V, p.dh = dh, p.NViasActuantes = 99;
        RespondeNo no;
        EXPECT_NEAR(CargaTrafico(p, no), carga, 1e-5) << carga;
        EXPECT_EQ(p.NViasActuantes, actuantes) << carga;
    }
}

TEST(CargaAeropuerto, PresionDeLaTablaPorAltura)
{
    // Presión en kN/m² de cada avión a media altura entre dos filas de la
    // tabla (1.5, 2.5 ... 9.5 y 12.5 m): cada valor de la tabla entra en dos.
    const double alturas[10] = {1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5, 8.5, 9.5, 12.5};
    const double presiones[5][10] = {
        {68.6, 29.4, 17.15, 12.25, 9.8, 7.35, 4.9, 4.9, 4.9, 4.9},
        {93.1, 53.9, 31.85, 22.05, 17.15, 12.25, 9.8, 9.8, 9.8, 7.35},
        {110.25, 73.5, 49.0, 34.3, 26.95, 22.05, 17.15, 14.7, 14.7, 9.8},
        {122.5, 93.1, 68.6, 49.0, 36.75, 29.4, 24.5, 22.05, 17.15, 12.25},
        {132.3, 102.9, 83.3, 66.15, 46.55, 36.75, 31.85, 26.95, 22.05, 17.15}};
    const auto Presion = [](int avion, double hr) {
        Proyecto p = CasoTrafico(2, hr);
        p.AeropuertoIndex = static_cast<std::uint8_t>(avion);
        RespondeNo no;
        return CargaTrafico(p, no);
    };
    for (int avion = 1; avion <= 5; ++avion)
        for (int k = 0; k < 10; ++k)
            EXPECT_NEAR(Presion(avion, alturas[k]), presiones[avion - 1][k] * 1.2, 1e-9)
                << avion << " hr " << alturas[k];
    // Pasados 15 m, la de la última fila; sin avión, nada.
    EXPECT_NEAR(Presion(5, 20.0), 14.7 * 1.2, 1e-9);
    EXPECT_EQ(Presion(0, 2.0), 0);
}

TEST(CargaTrafico, PocaAlturaPreguntaSiSubirlaAUnMetro)
{
    Proyecto tren = CasoTrafico(1, 0.8), avion = CasoTrafico(2, 0.8);
    tren.ViaIndex = 1, tren.NVias = 1;
    avion.AeropuertoIndex = 2, avion.De = 1.2345;
    // Con el tren el cálculo en curso sigue con 0.8; el avión, 117.6·1.2345 con tres decimales.
    const std::tuple<Proyecto, double, std::vector<std::string>> casos[] = {
        {tren,
         0,
         {"En la determinación de la carga ferroviaria la altura de relleno por encima de la "
          "clave del tubo debe ser como mínimo de 1 m.. No obstante se recomienda un valor no "
          "menor de 1.5 m. Por tanto el valor se corregirá automaticamente."}},
        {avion,
         145.177,
         {"Para el correcto cálculo de la carga producida por el tráfico aéreo, hr debe tomar "
          "como mínimo el valor 1. No obstante se recomienda un valor no menor a 1.5 m. Por tanto "
          "el valor se corregirá automaticamente. "}}};
    for (const auto& [inicial, conSi, pregunta] : casos) {
        for (const bool si : {false, true}) {
            Proyecto p = inicial;
            Responde interlocutor(si);
            EXPECT_DOUBLE_EQ(p.TraficoIndex == 1 ? CargaFerrocarril(p, interlocutor)
                                                 : CargaAeropuerto(p, interlocutor),
                             si ? conSi : 0);
            EXPECT_EQ(interlocutor.preguntas, pregunta);
            EXPECT_EQ(p.hr, si ? 1.0 : 0.8);
            // El cálculo de cargas no los cuenta ni pregunta: solo desde 1 m.
            Proyecto calculo = inicial;
            Responde sinPregunta(si);
            EXPECT_EQ(CargaTrafico(calculo, sinPregunta), 0);
            EXPECT_TRUE(sinPregunta.preguntas.empty());
        }
    }
}
