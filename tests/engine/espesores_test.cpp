#include <gtest/gtest.h>

#include "espesores.h"

TEST(EspesorNormalizado, CadaDiametroDeLaTablaYNingunoFuera)
{
    // Diámetro interior y espesor de pared (m); 0 si no es de la tabla.
    const double casos[][2] = {{0.15, 0.022}, {0.2, 0.029}, {0.25, 0.032}, {0.3, 0.05},
                               {0.4, 0.059},  {0.5, 0.067}, {0.6, 0.075},  {0.8, 0.092},
                               {1.0, 0.109},  {1.2, 0.125}, {1.4, 0.142},  {1.5, 0.15},
                               {1.6, 0.159},  {1.8, 0.175}, {2.0, 0.192},  {2.5, 0.234},
                               {3.0, 0.3},    {0.35, 0},    {0.7, 0},      {3.5, 0}};
    for (const auto& caso : casos)
        EXPECT_EQ(EspesorNormalizado(caso[0]), caso[1]) << caso[0];
}

TEST(EspesorCama, TresBandasEnRocaYEnSuelo)
{
    // Terreno (0 roca, 1 suelo), Di, mínimo y el de la norma con y sin el
    // 0.7 tecleado en la primera banda.
    const double casos[][5] = {{0, 0.69, 0.15, 0.15, 0.15}, {0, 0.7, 0.15, 0.15, 0.23},
                               {0, 1.5, 0.23, 0.23, 0.23},  {0, 1.51, 0.3, 0.3, 0.3},
                               {1, 0.69, 0.1, 0.08, 0.08},  {1, 0.7, 0.1, 0.08, 0.1},
                               {1, 1.5, 0.1, 0.1, 0.1},     {1, 1.51, 0.15, 0.15, 0.15}};
    for (const auto [terreno, Di, minimo, memoria, hojas] : casos) {
        const auto t = static_cast<std::uint8_t>(terreno);
        SCOPED_TRACE(testing::Message() << terreno << " Di " << Di);
        EXPECT_EQ(EspesorCamaMinimo(1, t, Di), minimo);
        EXPECT_EQ(EspesorCamaMinimo(0, t, Di), 0);
        EXPECT_EQ(EspesorCamaNorma(t, Di, true), memoria);
        EXPECT_EQ(EspesorCamaNorma(t, Di, false), hojas);
    }
}
