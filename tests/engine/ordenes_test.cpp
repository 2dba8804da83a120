#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ayudas_pruebas.h"
#include "ordenes.h"

TEST(OrdenesDeCalculo, PredefinidosAbreElDialogoDeLaInstalacionOLoRechaza)
{
    using D = DialogoApoyo;
    const std::string zanja = "No se puede utilizar Predefinidos si la Altura de relleno (hr), la "
                              "Anchura de la zanja (b2) o la Altura de la zanja (hr2) valen 0";
    const std::string relleno = "Si los datos del relleno son a definir por el usuario, asegurese "
                                "de que los valores sean distintos de cero";
    const struct {
        std::uint8_t instalacion, relleno;
        double hr, b2, hr2, fi;
        D dialogo;
        std::string rechazo, titulo;
    } casos[] = {{InstalacionZanja, RellenoUsuario, 0, 0, 0, 0, D::Cama, "", ""},
                 {InstalacionZanjaTerraplenada, 2, 3, 0, 0, 0, D::Cama, "", ""},
                 {InstalacionTerraplen, 2, 3, 0, 0, 0, D::ClaseTerraplen, "", ""},
                 {InstalacionTerraplen, RellenoUsuario, 3, 0, 0, 0, D::Ninguno, relleno,
                  "Cálculo mecánico de Tubos"},
                 {InstalacionZanjaInducida, RellenoUsuario, 3, 1, 1, 30, D::ClaseTerraplen, "", ""},
                 {InstalacionZanjaInducida, 2, 0, 1, 1, 0, D::Ninguno, zanja, "Aviso"},
                 {InstalacionZanjaInducida, 2, 3, 0, 1, 0, D::Ninguno, zanja, "Aviso"},
                 {InstalacionZanjaInducida, 2, 3, 1, 0, 0, D::Ninguno, zanja, "Aviso"}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = c.instalacion, p.RellenoIndex = c.relleno;
        p.hr = c.hr, p.b2 = c.b2, p.hr2 = c.hr2, p.fi = c.fi;
        const OrdenPredefinidos orden = PreparaPredefinidos(p);
        EXPECT_EQ(orden.dialogo, c.dialogo) << int(c.instalacion) << " " << c.hr << c.b2 << c.hr2;
        EXPECT_EQ(orden.rechazo, c.rechazo) << int(c.instalacion);
        EXPECT_EQ(orden.tituloRechazo, c.titulo) << int(c.instalacion);
    }
}
