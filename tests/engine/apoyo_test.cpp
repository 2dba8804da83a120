#include <gtest/gtest.h>

#include "apoyo.h"
#include "ayudas_pruebas.h"
#include "relleno.h"

namespace {

// Tubo de 1 m de diámetro exterior en terraplén de arena arcillosa.
Proyecto CasoTerraplen(double hr1)
{
    Proyecto p;
    InicializaDatos(p);
    p.InstalacionIndex = InstalacionTerraplen;
    p.De = 1.0;
    p.Di = 0.8;
    p.hr = 3.0;
    p.hr1 = hr1;
    return p;
}

TEST(CalculaFa, SinProyeccionEsElCocienteDeLaClase)
{
    const double esperado[4] = {2.834, 2.024, 1.704, 1.092};
    for (std::uint8_t clase = 1; clase <= 4; ++clase) {
        Proyecto p = CasoTerraplen(0);
        const auto fa = CalculaFa(p, InstalacionTerraplen, clase);
        ASSERT_TRUE(fa.has_value());
        EXPECT_NEAR(*fa, esperado[clase - 1], 5e-4) << "clase " << int(clase);
    }
}

TEST(CalculaFa, ParametroDePresionLateralInterpolado)
{
    const double N[4] = {0.505, 0.707, 0.840, 1.310};
    const struct {
        std::uint8_t clase;
        double p, x;  // h'r/De y parámetro de presión lateral
    } casos[] = {{1, 0.3, 0.743}, {1, 0.4, 0.7995}, {2, 0.4, 0.32}, {3, 0.8, 0.6245},
                 {1, 1.0, 0.638}, {2, 1.0, 0.638},  {4, 1.0, 0.638}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << "clase " << int(caso.clase) << " p " << caso.p);
        Proyecto p = CasoTerraplen(caso.p);
        p.lambdaFaEdit = 0.4;
        const auto fa = CalculaFa(p, InstalacionTerraplen, caso.clase);
        ASSERT_TRUE(fa.has_value());
        // q con el Ct que el propio cálculo deja en el registro.
        const double q = 0.4 * caso.p / p.Ct * (caso.p * p.De / (2 * p.hr) + 1);
        EXPECT_NEAR(*fa, 1.431 / (N[caso.clase - 1] - caso.x * q), 1e-9);
    }
}

TEST(CalculaFa, DejaEnElRegistroLambdaYCoeficientesDelTerraplen)
{
    Proyecto p = CasoTerraplen(0.3);
    p.De = 0.6;
    p.lambdaFa = 0.5;  // el que traía el archivo
    p.lambdaFaEdit = 0.4;
    ASSERT_TRUE(CalculaFa(p, InstalacionTerraplen, 2).has_value());
    EXPECT_EQ(p.lambdaFa, 0.4);
    EXPECT_EQ(p.lambdami, 0.15);
    EXPECT_EQ(p.gamma, 19.2);
    EXPECT_NEAR(p.ho, 0.7277, 1e-4);  // los de la carga del relleno del mismo caso
    EXPECT_NEAR(p.Ct, 1.3824, 1e-4);
}

TEST(CalculaFa, ZanjaInducidaFijaNYProlongaLaTabla)
{
    Proyecto p = CasoTerraplen(0.2);
    p.InstalacionIndex = InstalacionZanjaInducida;
    p.b2 = 1.2;
    p.hr2 = 0.3;  // hr2/b2 = 0.25: razón de asiento −0.4
    ASSERT_TRUE(CalculaFa(p, InstalacionZanjaInducida, 1).has_value());
    EXPECT_EQ(p.n, 0.25);
    EXPECT_NEAR(p.ho, ResuelvePlano(FormaPlano::Negativa, 1 + 0.3 * 0.3 * 0.4) * 1.2 / 0.3, 1e-9);
    EXPECT_LE(p.Ct, 1.0);
}

TEST(CalculaFa, SinValorSiFallaOLaClaseNoExiste)
{
    Proyecto p = CasoTerraplen(0.3);
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 0).has_value());
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 5).has_value());
    p.hr = 0;
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 1).has_value());
    p = CasoTerraplen(0.3);
    p.RellenoIndex = RellenoUsuario;  // fi = 0: λ·μ nulo
    EXPECT_FALSE(CalculaFa(p, InstalacionTerraplen, 1).has_value());
}

}  // namespace
