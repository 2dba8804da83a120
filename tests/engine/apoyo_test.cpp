#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "apoyo.h"
#include "ayudas_pruebas.h"

// Tubo de 1 m de diámetro exterior en terraplén de arena arcillosa.
static Proyecto CasoTerraplen(double hr1)
{
    Proyecto p = Nuevo();
    p.InstalacionIndex = InstalacionTerraplen;
    p.De = 1.0, p.Di = 0.8, p.hr = 3.0, p.hr1 = hr1;
    return p;
}

// Fa = 1.431/(N − x·q) por clase y h'r/De (sin proyección, en RotuloFaClase), con el λ del
// diálogo y no el del archivo; 0.95 cae en el último tramo de las dos tablas.
TEST(CalculaFa, ValorPorClaseYProyeccion)
{
    const std::tuple<std::uint8_t, double, double> casos[] = {
        {1, 0.4, 3.5677595195}, {2, 0.4, 2.1505511145},  {3, 0.8, 2.1035754213},
        {4, 1.0, 1.2945856352}, {1, 0.95, 4.6955244113}, {3, 0.95, 2.2246129784}};
    for (const auto& [clase, proyeccion, fa] : casos) {
        Proyecto p = CasoTerraplen(proyeccion);
        p.lambdaFa = 0.5, p.lambdaFaEdit = 0.4;
        EXPECT_NEAR(CalculaFa(p, InstalacionTerraplen, clase).value_or(0), fa, 1e-9)
            << int(clase) << " " << proyeccion;
        EXPECT_EQ(p.lambdaFa, 0.4);
    }
}

TEST(CalculaFa, ZanjaInducidaConSuTablaYSinValorSiFalla)
{
    // Zanja inducida: n = hr2/b2 y la razón de asiento sale de su tabla (−0.4).
    Proyecto p = CasoTerraplen(0.2);
    p.InstalacionIndex = InstalacionZanjaInducida;
    p.b2 = 1.2, p.hr2 = 0.3;
    ASSERT_TRUE(CalculaFa(p, InstalacionZanjaInducida, 1).has_value());
    EXPECT_EQ(p.n, 0.25);
    EXPECT_NEAR(p.ho, 1.1235372439, 1e-9);  // raíz de e^(−t) + t = 1 + 0.3·0.3·0.4

    p = CasoTerraplen(0.3);
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 0).has_value());
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 5).has_value());
    p.RellenoIndex = RellenoUsuario;  // fi = 0: λ·μ nulo
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 1).has_value());
}

TEST(LetraClaseTerraplen, SoloLosCodigosDeClaseTienenLetra)
{
    const std::pair<int, const char*> casos[] = {{0, "A"}, {1, "B"}, {2, "C"},   {3, "D"},
                                                 {4, ""},  {14, ""}, {-128, ""}, {127, ""}};
    for (const auto& [tipo, letra] : casos)
        EXPECT_EQ(LetraClaseTerraplen(static_cast<std::int8_t>(tipo)), letra) << tipo;
}

TEST(CorrigeHr2, NuncaUnaProfundidadNegativa)
{
    using A = CorreccionHr2::Accion;
    const std::string corrige =
        "hr2 debe ser como maximo dos veces la anchura de la zanja inducida "
        "(b2), por lo que se corrige automáticante el valor.";
    const std::string corrigeAlCalcular =
        "hr2 debe ser como maximo dos veces la anchura de la zanja inducida (b2), por lo que para "
        "realizar el cálculo se corregirá automáticante el valor.";
    const std::string pideB2 = "hr2 debe ser como máximo dos veces la anchura de la zanja inducida "
                               "(b2): introduzca una anchura b2 mayor.";
    const std::string sinB2 = "Introduzca la anchura de la zanja inducida (b2) antes de calcular.";
    // 2.4 es justo el doble; con 0.1 y 0.03, 2·b2 − 0.1 = −0.04 y con 0.2 y 0.05, ni 0.
    const std::tuple<double, double, bool, A, double, std::string> casos[] = {
        {3, 1.2, false, A::Corrige, 2.3, corrige},
        {3, 1.2, true, A::Corrige, 2.3, corrigeAlCalcular},
        {0.2, 0.06, false, A::Corrige, 0.02, corrige},
        {2.4, 1.2, false, A::Ninguna, 2.4, ""},
        {0.01, 0, true, A::Ninguna, 0.01, ""},
        {1, 0, true, A::PideB2, 1, sinB2},
        {0.1, 0.03, false, A::PideB2, 0.1, pideB2},
        {0.2, 0.05, false, A::PideB2, 0.2, pideB2}};
    for (const auto& [hr2, b2, alCalcular, accion, queda, mensaje] : casos) {
        const CorreccionHr2 c = CorrigeHr2(hr2, b2, alCalcular);
        EXPECT_EQ(c.accion, accion) << hr2 << " " << b2;
        EXPECT_NEAR(c.hr2, queda, 1e-12) << hr2 << " " << b2;
        EXPECT_EQ(c.mensaje, mensaje);
    }
}
