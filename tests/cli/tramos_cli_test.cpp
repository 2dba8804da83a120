#include <gtest/gtest.h>

#include "tramos_cli.h"

// Solo un tramo sin errores y con clase en las dos normas sale con 0; «NO» no es una clase.
TEST(TramosLineaDeOrdenes, CodigoDeSalidaDeCadaTramo)
{
    const struct {
        const char *une, *astm;
        bool error;
        int codigo;
    } casos[] = {
        {"90", "III", false, 0},
        {"90", "NO", false, 1},
        {"NO", "V", false, 1},
        {"90", "III", true, 1},
    };
    for (const auto& c : casos) {
        TramoCalculado calculo;
        calculo.calculado = true;
        calculo.une.clase = c.une;
        calculo.astm.clase = c.astm;
        if (c.error)
            calculo.errores = {"Línea 2, columna «hr»: «x» no es un número"};
        EXPECT_EQ(CodigoDeTramo(calculo), c.codigo) << c.une << "/" << c.astm << c.error;
    }
}
