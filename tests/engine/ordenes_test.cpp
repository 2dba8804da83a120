#include <gtest/gtest.h>

#include <string>

#include "ayudas_pruebas.h"
#include "ordenes.h"

namespace {

TEST(OrdenesDeCalculo, TraficoYRellenoMinimoDeLasHojas)
{
    const std::string minimo = "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige "
                               "automáticamente";
    const struct {
        double hr;
        int aeropuerto, via;
        double queda;
        std::string mensaje;
    } casos[] = {{0, 0, 0, 0.5, minimo},   {0.49999, 0, 0, 0.5, minimo}, {0.5, 0, 0, 0.5, ""},
                 {0.999, 0, 0, 0.999, ""}, {1.0, 2, 3, 1.0, ""},         {2.5, 2, 3, 2.5, ""}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.hr = c.hr, p.AeropuertoIndex = 2, p.ViaIndex = 3;
        const TraficoCalculado t = TraficoSegunRelleno(p);
        EXPECT_EQ(t.aeropuerto, c.aeropuerto) << c.hr;
        EXPECT_EQ(t.via, c.via) << c.hr;
        EXPECT_EQ(RellenoMinimoHojas(p).valor, c.queda) << c.hr;
        EXPECT_EQ(RellenoMinimoHojas(p).mensaje, c.mensaje) << c.hr;
    }
}

TEST(OrdenesDeCalculo, HojaYModoPorInstalacion)
{
    const struct {
        std::uint8_t instalacion;
        int tag;
        int modo;
        bool zanjas;
    } casos[] = {{InstalacionZanja, 0, 1, true},
                 {InstalacionZanjaTerraplenada, 1, 2, true},
                 {InstalacionTerraplen, 0, 1, false},
                 {InstalacionZanjaInducida, 1, 2, false}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = c.instalacion;
        EXPECT_EQ(PreparaHojas(p, c.tag).modo, c.modo) << int(c.instalacion);
        EXPECT_EQ(PreparaHojas(p, c.tag).zanjas, c.zanjas) << int(c.instalacion);
        EXPECT_EQ(PreparaMemoria(p).compruebaB, c.zanjas) << int(c.instalacion);
    }
}

TEST(OrdenesDeCalculo, LaMemoriaPideFactorYDatosDelRelleno)
{
    const std::string relleno =
        "Si los datos del relleno son a definir por el usuario, asegurese de "
        "que los valores sean distintos de cero";
    const struct {
        double Fa;
        std::uint8_t relleno;
        double fi, fi1, gamma;
        std::string sinFactor, sinRelleno;
    } casos[] = {{0, 2, 0, 0, 0, "Debe indicar el Factor de Apoyo", ""},
                 {1.9, 2, 0, 0, 0, "", ""},
                 {1.9, RellenoUsuario, 30, 20, 18, "", ""},
                 {1.9, RellenoUsuario, 0, 20, 18, "", relleno},
                 {1.9, RellenoUsuario, 30, 0, 18, "", relleno},
                 {1.9, RellenoUsuario, 30, 20, 0, "", relleno},
                 {0, RellenoUsuario, 30, 20, 0, "Debe indicar el Factor de Apoyo", relleno}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.Fa = c.Fa, p.RellenoIndex = c.relleno, p.fi = c.fi, p.fi1 = c.fi1, p.gamma = c.gamma;
        const OrdenMemoria orden = PreparaMemoria(p);
        EXPECT_EQ(orden.sinFactor, c.sinFactor) << c.Fa << " " << c.gamma;
        EXPECT_EQ(orden.tituloSinFactor, c.sinFactor.empty() ? "" : "¡ Atención !");
        EXPECT_EQ(orden.sinRelleno, c.sinRelleno) << c.fi << " " << c.fi1 << " " << c.gamma;
    }
}

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

}  // namespace
