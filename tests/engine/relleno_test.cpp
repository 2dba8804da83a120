#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ayudas_pruebas.h"
#include "numero.h"
#include "relleno.h"

namespace {

// Arena arcillosa sobre suelo natural ordinario en la instalación dada.
Proyecto CasoArena(std::uint8_t instalacion, double b, double De)
{
    Proyecto p;
    InicializaDatos(p);
    p.InstalacionIndex = instalacion;
    p.b = b;
    p.De = De;
    return p;
}

struct Coeficiente {
    double Proyecto::*campo;
    double valor;
};

struct CasoMarston {
    const char* nombre;
    Proyecto p;
    double H, carga;
    std::uint8_t zanjaComoTerraplen;
    std::vector<Coeficiente> coeficientes;
};

TEST(CargaRelleno, ValoresDeLasCuatroInstalaciones)
{
    Proyecto terraplen = CasoArena(InstalacionTerraplen, 0, 0.6);
    terraplen.hr1 = 0.3;
    Proyecto terraplenada = CasoArena(InstalacionZanjaTerraplenada, 1.0, 0.6);
    terraplenada.h2r = 1.0;
    Proyecto inducida = CasoArena(InstalacionZanjaInducida, 0, 0.6);
    inducida.b2 = inducida.hr2 = 0.6;
    using P = Proyecto;
    const std::vector<CasoMarston> casos = {
        {"zanja estrecha", CasoArena(InstalacionZanja, 0.9, 0.6), 3.0, 32.769, 0,
         {{&P::Cz, 0.6321}, {&P::ho, 1.0039}, {&P::Ct, 1.5338}}},
        {"zanja ancha", CasoArena(InstalacionZanja, 2.0, 0.5), 1.0, 13.023, 1,
         {{&P::Cz, 0.9286}, {&P::ho, 0.8366}, {&P::Ct, 1.3565}}},
        {"terraplen", terraplen, 3.0, 47.775, 0, {{&P::ho, 0.7277}, {&P::Ct, 1.3824}}},
        {"zanja terraplenada", terraplenada, 4.0, 53.600, 0,
         {{&P::ho, 1.5217}, {&P::Czt, 0.6979}, {&P::Ct, 1.5633}}},
        {"zanja inducida", inducida, 5.0, 31.662, 0, {{&P::ho, 1.4526}, {&P::Ci, 0.5497}}},
        // Sin proyección el plano de igual asiento está en la clave: carga γ·H·De.
        {"terraplen sin proyeccion", CasoArena(InstalacionTerraplen, 0, 0.6), 3.0, 19.2 * 3.0 * 0.6,
         0, {{&P::Ct, 1.0}}},
    };
    for (auto caso : casos) {
        SCOPED_TRACE(caso.nombre);
        caso.p.ZanjaComoTerraplen = 7;
        std::string mensaje = "previo";
        EXPECT_NEAR(CargaRelleno(caso.p, 2, mensaje, caso.H), caso.carga, 1e-3);
        EXPECT_EQ(caso.p.ZanjaComoTerraplen, caso.zanjaComoTerraplen);
        EXPECT_EQ(mensaje, "previo");  // sin AvisoCalculo no hay texto
        for (std::size_t i = 0; i < caso.coeficientes.size(); ++i)
            EXPECT_NEAR(caso.p.*caso.coeficientes[i].campo, caso.coeficientes[i].valor, 1e-4)
                << "coeficiente " << i;
    }
}

TEST(CargaRelleno, AvisoDeZanjaCalculadaComoTerraplen)
{
    Proyecto p = CasoArena(InstalacionZanja, 2.0, 0.5);
    p.AvisoCalculo = 1;
    std::string mensaje;
    EXPECT_NEAR(CargaRelleno(p, 2, mensaje, 1.0), 13.023, 1e-3);
    EXPECT_EQ(mensaje,
              "Carga del relleno calculada para TERRAPLÉN con (13.023 kN/m) es inferior a la "
              "obtenida para instalación en ZANJA (35.659 kN/m), tomándose el valor inferior. "
              "¿Quiere mantener activado este aviso?");
}

TEST(CargaRelleno, AvisoDeZanjaTerraplenadaCalculadaComoTerraplen)
{
    // Zanja mucho más ancha que el tubo: carga menos como terraplén.
    Proyecto p = CasoArena(InstalacionZanjaTerraplenada, 3.0, 0.6);
    p.h2r = 1.0;
    p.AvisoCalculo = 1;
    std::string mensaje;
    const double carga = CargaRelleno(p, 2, mensaje, 2.0);
    ASSERT_EQ(p.ZanjaComoTerraplen, 1);
    const double qt = p.Ct * 19.2 * 2.0 * p.De;
    const double qzt = p.Czt * 19.2 * 2.0 * p.b;
    EXPECT_NEAR(carga, qt, 1e-9);
    EXPECT_LT(qt, qzt);
    // ho pasa a ser el del terraplén (λμ = 0.15, c1 = 0.5).
    EXPECT_NEAR(p.ho, ResuelvePlano(FormaPlano::Positiva, 1 + 0.3 * 0.5) * p.De / 0.3, 1e-9);
    EXPECT_EQ(mensaje, "Carga del relleno calculada para TERRAPLÉN (" + TextoNumero(qt) +
                           "kN/m) es inferior a la obtenida para instalación en ZANJA "
                           "TERRAPLENADA (" + TextoNumero(qzt) + "kN/m), tomándose el valor "
                           "inferior. ¿Quiere mantener activado este aviso?");
}

TEST(CargaRelleno, FalloNumericoDaCeroYTextoDeError)
{
    Proyecto terraplen = CasoArena(InstalacionTerraplen, 0, 0);
    terraplen.hr1 = 0.3;
    const struct {
        const char* nombre;
        Proyecto p;
        std::uint8_t relleno;
        double H;
    } casos[] = {
        {"altura nula", CasoArena(InstalacionZanja, 0.9, 0.6), 2, 0},
        {"zanja sin anchura", CasoArena(InstalacionZanja, 0, 0.6), 2, 3.0},
        {"diametro exterior nulo", terraplen, 2, 3.0},
        {"relleno de usuario sin rozamiento", CasoArena(InstalacionZanja, 0.9, 0.6),
         RellenoUsuario, 3.0},
    };
    for (auto caso : casos) {
        SCOPED_TRACE(caso.nombre);
        caso.p.gamma = 18;  // fi y fi1 quedan a 0
        caso.p.ZanjaComoTerraplen = 1;
        std::string mensaje;
        EXPECT_EQ(CargaRelleno(caso.p, caso.relleno, mensaje, caso.H), 0);
        EXPECT_EQ(mensaje, "Error calculando la carga del relleno");
        EXPECT_EQ(caso.p.ZanjaComoTerraplen, 0);
    }
}

TEST(CargaRelleno, ConstantesDelRellenoYDeLaBase)
{
    const double lambdami[5] = {0.11, 0.13, 0.15, 0.165, 0.192};
    const double gamma[5] = {21.0, 19.2, 19.2, 17.6, 19.0};
    const double razon[3] = {1.0, 0.5, 0.3};
    for (std::uint8_t relleno = 0; relleno < 5; ++relleno) {
        SCOPED_TRACE(int(relleno));
        Proyecto p = CasoZanja();
        p.lambda = 0.77;
        p.gamma = 18;
        p.BaseIndex = relleno % 3;
        std::string mensaje;
        CargaRelleno(p, relleno, mensaje, p.hr);
        EXPECT_EQ(p.lambdami, lambdami[relleno]);
        EXPECT_EQ(p.lambdami1, lambdami[relleno]);
        EXPECT_EQ(p.gamma, gamma[relleno]);
        EXPECT_EQ(p.lambda, 0.77);  // solo el relleno de usuario calcula λ
        EXPECT_EQ(p.c1, razon[relleno % 3]);
    }
    // El relleno de usuario conserva su peso y calcula λ de Rankine.
    Proyecto p = CasoZanja();
    p.fi = 30;
    p.fi1 = 20;
    p.gamma = 18.5;
    std::string mensaje;
    CargaRelleno(p, RellenoUsuario, mensaje, p.hr);
    const double pi = std::acos(-1.0);
    EXPECT_NEAR(p.lambda, 1.0 / 3.0, 1e-5);
    EXPECT_NEAR(p.lambdami, std::tan(pi / 6) / 3, 1e-5);
    EXPECT_NEAR(p.lambdami1, std::tan(pi / 9) / 3, 1e-5);
    EXPECT_EQ(p.gamma, 18.5);
}

}  // namespace
