#include <gtest/gtest.h>

#include "compactacion.h"

namespace {

TEST(CargaCompactacion, CoeficientePorTipoYAltura)
{
    const struct {
        const char* nombre;
        std::uint8_t compactador;
        double pq, hr, carga;  // kN/m con De = 1 m
    } casos[] = {
        {"no aplicado", 0, 2, 1.0, 0},
        {"estatico", 1, 2, 1.0, 12.477750},
        {"estatico sin carga", 1, 0, 1.0, 0},
        {"estatico con hr nula", 1, 2, 0, 0},
        {"dinamico justo sobre 0.3", 2, 2, 0.31, 241.504841},
        {"dinamico en 2.0 usa 117.6", 2, 2, 2.0, 37.433250},
        {"dinamico en 3.0 usa 98.0", 2, 2, 3.0, 20.796250},
        {"dinamico sobre 3.0 usa 78.4", 2, 2, 3.0001, 16.636446},
        {"dinamico en 0.3 no tiene coeficiente", 2, 2, 0.3, 0},
        {"dinamico con hr nula", 2, 2, 0, 0}};
    for (const auto& caso : casos)
        EXPECT_NEAR(CargaCompactacion(caso.compactador, 1.0, caso.pq, caso.hr), caso.carga, 1e-5)
            << caso.nombre;
}

}  // namespace
