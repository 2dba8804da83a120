#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ayudas_pruebas.h"
#include "relleno.h"

namespace {

// Arena arcillosa sobre suelo natural ordinario en la instalación dada.
Proyecto CasoArena(std::uint8_t instalacion, double b, double De)
{
    Proyecto p = Nuevo();
    p.InstalacionIndex = instalacion;
    p.b = b, p.De = De;
    return p;
}

TEST(CargaRelleno, ValoresDeLasCuatroInstalaciones)
{
    Proyecto terraplen = CasoArena(InstalacionTerraplen, 0, 0.6);
    terraplen.hr1 = 0.3;
    Proyecto rigida = terraplen, asentable = terraplen;
    rigida.BaseIndex = 0, asentable.BaseIndex = 2;
    Proyecto terraplenada = CasoArena(InstalacionZanjaTerraplenada, 1.0, 0.6);
    terraplenada.h2r = 1.0;
    Proyecto inducida = CasoArena(InstalacionZanjaInducida, 0, 0.6);
    inducida.b2 = inducida.hr2 = 0.6;
    using P = Proyecto;
    const struct {
        const char* nombre;
        Proyecto p;
        double H, carga;
        std::vector<std::pair<double P::*, double>> coeficientes;
    } casos[] = {
        {"zanja estrecha", CasoArena(InstalacionZanja, 0.9, 0.6), 3.0, 32.769,
         {{&P::Cz, 0.6321}, {&P::ho, 1.0039}, {&P::Ct, 1.5338}}},
        {"terraplen", terraplen, 3.0, 47.775, {{&P::ho, 0.7277}, {&P::Ct, 1.3824}}},
        {"terraplen sobre base rigida", rigida, 3.0, 53.008, {}},
        {"terraplen sobre base asentable", asentable, 3.0, 44.849, {}},
        {"zanja terraplenada", terraplenada, 4.0, 53.600,
         {{&P::ho, 1.5217}, {&P::Czt, 0.6979}, {&P::Ct, 1.5633}}},
        {"zanja inducida", inducida, 5.0, 31.662, {{&P::ho, 1.4526}, {&P::Ci, 0.5497}}},
        // Sin proyección el plano de igual asiento está en la clave: carga γ·H·De.
        {"terraplen sin proyeccion", CasoArena(InstalacionTerraplen, 0, 0.6), 3.0,
         19.2 * 3.0 * 0.6, {{&P::Ct, 1.0}}},
    };
    for (auto caso : casos) {
        SCOPED_TRACE(caso.nombre);
        caso.p.ZanjaComoTerraplen = 7;
        std::string mensaje = "previo";
        EXPECT_NEAR(CargaRelleno(caso.p, 2, mensaje, caso.H), caso.carga, 1e-3);
        EXPECT_EQ(caso.p.ZanjaComoTerraplen, 0);
        EXPECT_EQ(mensaje, "previo");  // sin AvisoCalculo no hay texto
        for (const auto& [campo, valor] : caso.coeficientes)
            EXPECT_NEAR(caso.p.*campo, valor, 1e-4) << valor;
    }
}

TEST(CargaRelleno, AvisoDeZanjaCalculadaComoTerraplen)
{
    Proyecto terraplenada = CasoArena(InstalacionZanjaTerraplenada, 3.0, 0.6);
    terraplenada.h2r = 1.0;
    const struct { Proyecto p; double H, carga; const char* mensaje; } casos[] = {
        {CasoArena(InstalacionZanja, 2.0, 0.5), 1.0, 13.023,
         "Carga del relleno calculada para TERRAPLÉN con (13.023 kN/m) es inferior a la "
         "obtenida para instalación en ZANJA (35.659 kN/m), tomándose el valor inferior. "
         "¿Quiere mantener activado este aviso?"},
        {terraplenada, 2.0, 33.977,
         "Carga del relleno calculada para TERRAPLÉN (33.977kN/m) es inferior a la obtenida para "
         "instalación en ZANJA TERRAPLENADA (107.916kN/m), tomándose el valor inferior. ¿Quiere "
         "mantener activado este aviso?"}};
    for (auto caso : casos) {
        caso.p.AvisoCalculo = 1;
        std::string mensaje;
        EXPECT_NEAR(CargaRelleno(caso.p, 2, mensaje, caso.H), caso.carga, 1e-3);
        EXPECT_EQ(caso.p.ZanjaComoTerraplen, 1);
        EXPECT_EQ(mensaje, caso.mensaje);
        // ho queda el del terraplén (λμ = 0.15, c1 = 0.5).
        EXPECT_NEAR(caso.p.ho, ResuelvePlano(FormaPlano::Positiva, 1.15) * caso.p.De / 0.3, 1e-9);
    }
}

TEST(CargaRelleno, FalloNumericoDaCeroYTextoDeError)
{
    Proyecto terraplen = CasoArena(InstalacionTerraplen, 0, 0);  // De nulo
    terraplen.hr1 = 0.3;
    const struct { Proyecto p; std::uint8_t relleno; double H; } casos[] = {
        {CasoArena(InstalacionZanja, 0.9, 0.6), 2, 0},  // altura nula
        {terraplen, 2, 3.0},
        {CasoArena(InstalacionZanja, 0.9, 0.6), RellenoUsuario, 3.0}};  // fi = 0
    for (auto caso : casos) {
        caso.p.gamma = 18;
        caso.p.ZanjaComoTerraplen = 1;
        std::string mensaje;
        EXPECT_EQ(CargaRelleno(caso.p, caso.relleno, mensaje, caso.H), 0);
        EXPECT_EQ(mensaje, "Error calculando la carga del relleno");
        EXPECT_EQ(caso.p.ZanjaComoTerraplen, 0);
    }
}

TEST(CargaRelleno, PesoYRozamientoDeCadaRelleno)
{
    // Zanja estrecha: qr = Cz·γ·H·b con el λμ′ y el γ de la tabla de rellenos.
    const double qr[5] = {40.1818, 34.6720, 32.7691, 28.8200, 28.9349};
    for (std::uint8_t relleno = 0; relleno < 5; ++relleno) {
        Proyecto p = CasoZanja();
        p.lambda = 0.77;
        std::string mensaje;
        EXPECT_NEAR(CargaRelleno(p, relleno, mensaje, p.hr), qr[relleno], 1e-4) << int(relleno);
        EXPECT_EQ(p.lambda, 0.77);  // solo el relleno de usuario calcula λ
    }
    // El relleno de usuario conserva su peso y calcula λ de Rankine.
    Proyecto p = CasoZanja();
    p.fi = 30, p.fi1 = 20, p.gamma = 18.5;
    std::string mensaje;
    CargaRelleno(p, RellenoUsuario, mensaje, p.hr);
    const double pi = std::acos(-1.0);
    EXPECT_NEAR(p.lambda, 1.0 / 3.0, 1e-5);
    EXPECT_NEAR(p.lambdami, std::tan(pi / 6) / 3, 1e-5);
    EXPECT_NEAR(p.lambdami1, std::tan(pi / 9) / 3, 1e-5);
    EXPECT_EQ(p.gamma, 18.5);
}

}  // namespace
