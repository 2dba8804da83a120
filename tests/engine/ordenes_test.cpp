#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ayudas_pruebas.h"
#include "ordenes.h"

TEST(OrdenesDeCalculo, TraficoYRellenoMinimoDeLasHojas)
{
    const std::string minimo = "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige "
                               "automáticamente";
    // hr; aviones y vías que quedan, hr que queda y mensaje.
    const std::tuple<double, int, int, double, std::string> casos[] = {
        {0, 0, 0, 0.5, minimo},   {0.49999, 0, 0, 0.5, minimo}, {0.5, 0, 0, 0.5, ""},
        {0.999, 0, 0, 0.999, ""}, {1.0, 2, 3, 1.0, ""},         {2.5, 2, 3, 2.5, ""}};
    for (const auto& [hr, aeropuerto, via, queda, mensaje] : casos) {
        Proyecto p = Nuevo();
        p.hr = hr, p.AeropuertoIndex = 2, p.ViaIndex = 3;
        const TraficoCalculado t = TraficoSegunRelleno(p);
        EXPECT_EQ(std::tie(t.aeropuerto, t.via), std::tie(aeropuerto, via)) << hr;
        EXPECT_EQ(RellenoMinimoHojas(p).valor, queda) << hr;
        EXPECT_EQ(RellenoMinimoHojas(p).mensaje, mensaje) << hr;
    }
}

TEST(OrdenesDeCalculo, HojaYModoPorInstalacion)
{
    const std::tuple<std::uint8_t, int, int, bool> casos[] = {
        {InstalacionZanja, 0, 1, true},
        {InstalacionZanjaTerraplenada, 1, 2, true},
        {InstalacionTerraplen, 0, 1, false},
        {InstalacionZanjaInducida, 1, 2, false}};
    for (const auto& [instalacion, tag, modo, zanjas] : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = instalacion;
        EXPECT_EQ(PreparaHojas(p, tag).modo, modo) << int(instalacion);
        EXPECT_EQ(PreparaHojas(p, tag).zanjas, zanjas) << int(instalacion);
        EXPECT_EQ(PreparaMemoria(p).compruebaB, zanjas) << int(instalacion);
    }
}

TEST(OrdenesDeCalculo, LaMemoriaPideFactorYDatosDelRelleno)
{
    const std::string texto = "Si los datos del relleno son a definir por el usuario, asegurese de "
                              "que los valores sean distintos de cero";
    const std::string fa = "Debe indicar el Factor de Apoyo";
    const std::uint8_t U = RellenoUsuario;
    const std::tuple<double, std::uint8_t, double, double, double, std::string, std::string>
        casos[] = {{0, 2, 0, 0, 0, fa, ""},        {1.9, 2, 0, 0, 0, "", ""},
                   {1.9, U, 30, 20, 18, "", ""},   {1.9, U, 0, 20, 18, "", texto},
                   {1.9, U, 30, 0, 18, "", texto}, {1.9, U, 30, 20, 0, "", texto},
                   {0, U, 30, 20, 0, fa, texto}};
    for (const auto& [Fa, relleno, fi, fi1, gamma, sinFactor, sinRelleno] : casos) {
        Proyecto p = Nuevo();
        p.Fa = Fa, p.RellenoIndex = relleno, p.fi = fi, p.fi1 = fi1, p.gamma = gamma;
        const OrdenMemoria orden = PreparaMemoria(p);
        EXPECT_EQ(orden.sinFactor, sinFactor) << Fa << " " << gamma;
        EXPECT_EQ(orden.tituloSinFactor, sinFactor.empty() ? "" : "¡ Atención !");
        EXPECT_EQ(orden.sinRelleno, sinRelleno) << fi << " " << fi1 << " " << gamma;
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
