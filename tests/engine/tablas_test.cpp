#include <gtest/gtest.h>

#include "espesores.h"
#include "interpola.h"
#include "relleno.h"

namespace {

TEST(Interpola, RectaEntreDosFilasYCeroSiFalla)
{
    EXPECT_DOUBLE_EQ(Interpola(1.5, 1, 2, 10, 20), 15);
    EXPECT_DOUBLE_EQ(Interpola(3, 1, 2, 10, 20), 30);     // prolonga la recta
    EXPECT_EQ(Interpola(1, 2, 2, 5, 6), 0);               // claves iguales
    EXPECT_EQ(Interpola(1e308, 0, 1e-308, 0, 1e308), 0);  // desbordamiento
}

TEST(BuscaEnTabla, RazonesDeAsientoPorProyeccion)
{
    const struct { const FilaTabla* tabla; double p, razon; } casos[] = {
        {TablaZanjaTerraplenada, 0.25, 0.0},  // antes de la primera fila prolonga la recta
        {TablaZanjaTerraplenada, 0.75, -0.2}, {TablaZanjaTerraplenada, 2.0, -1.0},
        {TablaZanjaTerraplenada, 3.0, -1.0},  // después de la última, su valor
        {TablaZanjaInducida, 1.25, -0.85},    {TablaZanjaInducida, 1.75, -1.5}};
    for (const auto& caso : casos)
        EXPECT_NEAR(BuscaEnTabla(caso.tabla, 4, caso.p), caso.razon, 1e-12)
            << (caso.tabla == TablaZanjaInducida ? "inducida " : "terraplenada ") << caso.p;
}

TEST(EspesorCamaMinimo, PorTerrenoYDiametro)
{
    const struct { int activo; std::uint8_t terreno; double Di, espesor; } casos[] = {
        {1, 0, 0.7, 0.15},  // 0.7 tecleado cuenta como menor
        {1, 0, 0.71, 0.23}, {1, 0, 1.5, 0.23}, {1, 0, 1.51, 0.3},
        {1, 1, 1.5, 0.1},   {1, 1, 1.51, 0.15}, {0, 0, 3.0, 0}};
    for (const auto& caso : casos)
        EXPECT_EQ(EspesorCamaMinimo(caso.activo, caso.terreno, caso.Di), caso.espesor)
            << caso.activo << " " << int(caso.terreno) << " " << caso.Di;
}

TEST(EspesorCamaNorma, BandasSegunQuienPregunta)
{
    // La memoria cuenta un 0.7 tecleado como menor que 0.7; la ampliación de
    // las hojas lo pone en la banda central.
    const struct { std::uint8_t terreno; double Di; bool memoria; double espesor; } casos[] = {
        {1, 0.7, true, 0.08},  {0, 0.7, true, 0.15},  {1, 0.7, false, 0.1}, {0, 0.7, false, 0.23},
        {1, 1.5, true, 0.1},   {0, 1.5, false, 0.23}, {1, 1.6, true, 0.15}, {0, 1.6, false, 0.3}};
    for (const auto& caso : casos)
        EXPECT_EQ(EspesorCamaNorma(caso.terreno, caso.Di, caso.memoria), caso.espesor)
            << int(caso.terreno) << " " << caso.Di << " " << caso.memoria;
}

TEST(EspesorNormalizado, DiametrosDeLaTablaYCeroFuera)
{
    // El diámetro llega tecleado en milímetros.
    const double casos[][2] = {{150, 0.022}, {300, 0.05}, {800, 0.092}, {1500, 0.15}, {3000, 0.3},
                               {900, 0}};
    for (const auto& caso : casos)
        EXPECT_EQ(EspesorNormalizado(caso[0] / 1000), caso[1]) << caso[0];
}

}  // namespace
