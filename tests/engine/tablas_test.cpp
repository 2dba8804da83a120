#include <gtest/gtest.h>

#include <cmath>

#include "espesores.h"
#include "interpola.h"
#include "relleno.h"

namespace {

TEST(Interpola, RectaEntreDosFilasYCeroSiFalla)
{
    EXPECT_DOUBLE_EQ(Interpola(1.5, 1, 2, 10, 20), 15);
    EXPECT_DOUBLE_EQ(Interpola(3, 1, 2, 10, 20), 30);  // prolonga la recta
    EXPECT_NEAR(Interpola(0.25, 0.5, 1.0, -0.1, -0.3), 0, 1e-12);
    EXPECT_EQ(Interpola(1, 2, 2, 5, 6), 0);               // claves iguales
    EXPECT_EQ(Interpola(1e308, 0, 1e-308, 0, 1e308), 0);  // desbordamiento
}

TEST(BuscaEnTabla, RazonesDeAsientoPorProyeccion)
{
    const struct {
        const FilaTabla* tabla;
        double p, razon;
    } casos[] = {
        {TablaZanjaTerraplenada, 0.25, 0.0}, {TablaZanjaTerraplenada, 0.5, -0.1},
        {TablaZanjaTerraplenada, 0.75, -0.2}, {TablaZanjaTerraplenada, 1.0, -0.3},
        {TablaZanjaTerraplenada, 2.0, -1.0}, {TablaZanjaTerraplenada, 3.0, -1.0},
        {TablaZanjaInducida, 0.25, -0.4},    {TablaZanjaInducida, 1.25, -0.85},
        {TablaZanjaInducida, 2.0, -2.0},     {TablaZanjaInducida, 2.5, -2.0}};
    for (const auto& caso : casos)
        EXPECT_NEAR(BuscaEnTabla(caso.tabla, 4, caso.p), caso.razon, 1e-12)
            << (caso.tabla == TablaZanjaInducida ? "inducida " : "terraplenada ") << caso.p;
}

TEST(EspesorCamaMinimo, PorTerrenoYDiametro)
{
    const struct {
        int activo;
        std::uint8_t terreno;
        double Di, espesor;
    } casos[] = {
        {1, 0, 0.69, 0.15}, {1, 0, 700 / 1000.0, 0.15},  // 0.7 tecleado cuenta como menor
        {1, 0, 0.71, 0.23}, {1, 0, 1.5, 0.23}, {1, 0, 1.51, 0.3}, {1, 1, 0.3, 0.1},
        {1, 1, 1.5, 0.1},   {1, 1, 1.51, 0.15}, {0, 0, 3.0, 0},   {0, 1, 0.5, 0}};
    for (const auto& caso : casos)
        EXPECT_EQ(EspesorCamaMinimo(caso.activo, caso.terreno, caso.Di), caso.espesor)
            << caso.activo << " " << int(caso.terreno) << " " << caso.Di;
}

TEST(EspesorNormalizado, DiametrosDeLaTablaYCeroFuera)
{
    const double milimetros[17] = {150,  200,  250,  300,  400,  500,  600,  800, 1000,
                                   1200, 1400, 1500, 1600, 1800, 2000, 2500, 3000};
    const double espesores[17] = {0.022, 0.029, 0.032, 0.05,  0.059, 0.067, 0.075, 0.092, 0.109,
                                  0.125, 0.142, 0.15,  0.159, 0.175, 0.192, 0.234, 0.3};
    for (int i = 0; i < 17; ++i)  // el diámetro llega tecleado en milímetros
        EXPECT_EQ(EspesorNormalizado(milimetros[i] / 1000), espesores[i]) << milimetros[i];
    EXPECT_EQ(EspesorNormalizado(0.9), 0);
    EXPECT_EQ(EspesorNormalizado(0), 0);
}

TEST(ResuelvePlano, RaizDeLaEcuacionDeIgualAsiento)
{
    for (const double C0 : {1.05, 1.15, 2.0, 5.0}) {
        const double t = ResuelvePlano(FormaPlano::Positiva, C0);
        EXPECT_GT(t, 0);
        EXPECT_NEAR(std::exp(t) - t, C0, 1e-9);
        const double s = ResuelvePlano(FormaPlano::Negativa, C0);
        EXPECT_GT(s, 0);
        EXPECT_NEAR(std::exp(-s) + s, C0, 1e-9);
    }
    // Con C0 = 1 el plano está en la clave.
    EXPECT_NEAR(ResuelvePlano(FormaPlano::Positiva, 1.0), 0, 1e-5);
}

}  // namespace
