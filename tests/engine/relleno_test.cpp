#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ayudas_pruebas.h"
#include "interpola.h"
#include "relleno.h"

// Arena arcillosa sobre suelo natural ordinario en la instalación dada.
static Proyecto CasoArena(std::uint8_t instalacion, double b, double De)
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
    // Relleno de usuario con λμ = 0.19245 y λμ′ = 0.12132: solo la zanja usa λμ′.
    const auto usuario = [](Proyecto p) {
        p.fi = 30, p.fi1 = 20, p.gamma = 18;
        return p;
    };
    using P = Proyecto;
    using Coeficientes = std::vector<std::pair<double P::*, double>>;
    const std::uint8_t U = RellenoUsuario;
    const Proyecto zanja = CasoArena(InstalacionZanja, 0.9, 0.6);
    // Sin proyección el plano de igual asiento está en la clave: carga γ·H·De = 19.2·3·0.6.
    const std::tuple<Proyecto, double, double, Coeficientes, std::uint8_t> casos[] = {
        {zanja, 3, 32.769, {{&P::Cz, 0.6321}, {&P::ho, 1.0039}, {&P::Ct, 1.5338}}, 2},
        {terraplen, 3, 47.775, {{&P::ho, 0.7277}, {&P::Ct, 1.3824}}, 2},
        {rigida, 3, 53.008, {}, 2},
        {asentable, 3, 44.849, {}, 2},
        {terraplenada, 4, 53.6, {{&P::ho, 1.5217}, {&P::Czt, 0.6979}, {&P::Ct, 1.5633}}, 2},
        {inducida, 5, 31.662, {{&P::ho, 1.4526}, {&P::Ci, 0.5497}}, 2},
        {CasoArena(InstalacionTerraplen, 0, 0.6), 3, 34.56, {{&P::Ct, 1.0}}, 2},
        {usuario(zanja),
         3,
         33.326,
         {{&P::lambdami, 0.19245}, {&P::lambdami1, 0.12132}, {&P::Cz, 0.6857}, {&P::ho, 0.8766}},
         U},
        {usuario(terraplen), 3, 46.908, {{&P::ho, 0.6373}}, U},
        {usuario(terraplenada), 4, 47.244, {{&P::ho, 1.3571}, {&P::Czt, 0.6562}}, U},
        {usuario(inducida), 5, 26.844, {{&P::ho, 1.3032}}, U}};
    for (auto [p, H, carga, coeficientes, relleno] : casos) {
        SCOPED_TRACE(carga);
        p.ZanjaComoTerraplen = 7;
        std::string mensaje = "previo";
        EXPECT_NEAR(CargaRelleno(p, relleno, mensaje, H), carga, 1e-3);
        EXPECT_EQ(p.ZanjaComoTerraplen, 0);
        EXPECT_EQ(mensaje, "previo");  // sin AvisoCalculo no hay texto
        for (const auto& [campo, valor] : coeficientes)
            EXPECT_NEAR(p.*campo, valor, 1e-4) << valor;
    }
}

TEST(CargaRelleno, AvisoDeZanjaComoTerraplenYFalloConTextoDeError)
{
    Proyecto terraplenada = CasoArena(InstalacionZanjaTerraplenada, 3.0, 0.6);
    terraplenada.h2r = 1.0;
    Proyecto terraplen = CasoArena(InstalacionTerraplen, 0, 0);  // De nulo
    terraplen.hr1 = 0.3;
    const Proyecto zanja = CasoArena(InstalacionZanja, 0.9, 0.6);
    const std::string error = "Error calculando la carga del relleno";
    // Carga 0: fallo numérico, sin zanja calculada como terraplén.
    const std::tuple<Proyecto, std::uint8_t, double, double, std::string> casos[] = {
        {CasoArena(InstalacionZanja, 2.0, 0.5), 2, 1.0, 13.023,
         "Carga del relleno calculada para TERRAPLÉN con (13.023 kN/m) es inferior a la "
         "obtenida para instalación en ZANJA (35.659 kN/m), tomándose el valor inferior. "
         "¿Quiere mantener activado este aviso?"},
        {terraplenada, 2, 2.0, 33.977,
         "Carga del relleno calculada para TERRAPLÉN (33.977kN/m) es inferior a la obtenida para "
         "instalación en ZANJA TERRAPLENADA (107.916kN/m), tomándose el valor inferior. ¿Quiere "
         "mantener activado este aviso?"},
        {zanja, 2, 0, 0, error},  // altura nula
        {terraplen, 2, 3.0, 0, error},
        {zanja, RellenoUsuario, 3.0, 0, error}};  // fi = 0
    for (auto [p, relleno, H, carga, aviso] : casos) {
        p.AvisoCalculo = 1, p.gamma = 18, p.ZanjaComoTerraplen = 7;
        std::string mensaje;
        EXPECT_NEAR(CargaRelleno(p, relleno, mensaje, H), carga, carga == 0 ? 0 : 1e-3);
        EXPECT_EQ(mensaje, aviso);
        EXPECT_EQ(p.ZanjaComoTerraplen, carga != 0);
        if (carga != 0) {  // ho queda el del terraplén: raíz de e^t − t = 1.15
            EXPECT_NEAR(p.ho, 0.5019662376 * p.De / 0.3, 1e-9);
        }
    }
}

TEST(ResuelvePlano, RaicesComoAntesYSinRaizCero)
{
    const auto positiva = FormaPlano::Positiva, negativa = FormaPlano::Negativa;
    const std::tuple<FormaPlano, double, double> casos[] = {
        {positiva, 1.15, 0.50196623760457737},  // terraplén, base de suelo ordinario
        {negativa, 1.21, 0.72630899447214692},  // zanja inducida
        {positiva, 1, 7.1061342081298024e-08},  // sin proyección: casi en la clave
        {negativa, 1, 5.0650567555171234e-08},
        {positiva, 10, 2.5279632019821743},
        {positiva, 460, 6.1444956625910194},   // antes, 708 pasos
        {positiva, 1000, 6.9146461285785961},  // antes, e^t desbordaba
        {negativa, 1e300, 1e300},
        {positiva, 0.9, 0},
        {negativa, 0.9, 0},
        {negativa, -5, 0}};
    for (const auto& [forma, C0, t] : casos)
        EXPECT_NEAR(ResuelvePlano(forma, C0), t, std::fabs(t) * 1e-14) << C0;
}

TEST(BuscaEnTabla, RazonesDeAsientoPorProyeccion)
{
    const std::tuple<const FilaTabla*, double, double> casos[] = {
        {TablaZanjaTerraplenada, 0.25, 0.0},  // antes de la primera fila prolonga la recta
        {TablaZanjaTerraplenada, 0.75, -0.2},  {TablaZanjaInducida, 1.25, -0.85},
        {TablaZanjaTerraplenada, 1.75, -0.75}, {TablaZanjaInducida, 1.75, -1.5},  // último tramo
        {TablaZanjaTerraplenada, 3.0, -1.0}};  // después de la última, su valor
    for (const auto& [tabla, p, razon] : casos)
        EXPECT_NEAR(BuscaEnTabla(tabla, 4, p), razon, 1e-12) << p;
}
