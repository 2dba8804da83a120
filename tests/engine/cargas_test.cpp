#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "ayudas_pruebas.h"
#include "compactacion.h"

TEST(CalculaCargas, SumaTodasLasCargas)
{
    // Eje de 70 kN, 5 t a 1 m, 1 t/m² y compactador estático de 2 t/m.
    Proyecto p = CasoZanja();
    p.CarreteraIndex = 1, p.qp = 5, p.D = 1, p.qs = 1, p.CompactadorIndex = 1, p.pq = 2;
    const EntregaCargas c = Calcula(p, 2, 2.0);
    ASSERT_TRUE(c.Entregada());
    EXPECT_NEAR(p.qr, 32.76913, 1e-5);
    EXPECT_NEAR(p.qm, 1.85553, 1e-5);
    EXPECT_NEAR(p.fp, 3.76532, 1e-5);
    EXPECT_NEAR(p.fs, 3.24470, 1e-5);  // en zanja: e^(−2λμ·hr/b)·9.8·qs·b
    EXPECT_NEAR(p.fc, 2.49555, 1e-5);
    EXPECT_NEAR(p.qTotal, 44.13023, 1e-5);
    EXPECT_NEAR(c.carga, 66.19535, 1e-5);  // 1.5·qTotal/(Fa·Di)
    EXPECT_EQ(p.CargaCalculo, c.carga);
    EXPECT_EQ(c.mensaje, "");

    // Sobrecarga de 1 t/m² en otras instalaciones y rellenos; el indicador de
    // zanja como terraplén queda el del relleno real, no el de la altura añadida.
    // En terraplén, De·9.8·qs·e^(2λμ·ho/De); con relleno de usuario en zanja, λμ y no λμ′.
    const std::tuple<std::uint8_t, std::uint8_t, double, double, double, int> casos[] = {
        {InstalacionTerraplen, 2, 0.9, 3.0, 8.46033, 0},
        {InstalacionZanja, RellenoUsuario, 0.9, 3.0, 2.44494, 0},
        {InstalacionZanjaTerraplenada, 2, 1.0, 1.0, 8.37259, 1}};
    for (const auto& [instalacion, relleno, b, hr, fs, comoTerraplen] : casos) {
        p = CasoZanja();
        p.InstalacionIndex = instalacion, p.b = b, p.hr = hr, p.qs = 1;
        p.hr1 = 0.3, p.h2r = 1.0, p.fi = 30, p.fi1 = 20, p.gamma = 18;
        ASSERT_TRUE(Calcula(p, relleno, 2.0).Entregada());
        EXPECT_NEAR(p.fs, fs, 1e-5) << fs;
        EXPECT_EQ(p.ZanjaComoTerraplen, comoTerraplen) << fs;
    }
}

TEST(CalculaCargas, UnFalloDetieneElCalculoEnSuPaso)
{
    // Mensaje: solo el fallo de la carga del relleno lo entrega; carga, ninguno.
    struct Caso {
        std::uint8_t relleno;
        std::function<void(Proyecto&)> prepara;
        PasoCarga paso;
        const char* mensaje = "";
    };
    const Caso casos[] = {
        {2, [](Proyecto& p) { p.Di = 0; }, PasoCarga::CargaCalculo},
        {2, [](Proyecto& p) { p.hr = 1e-200, p.qp = 5, p.D = 1; }, PasoCarga::Puntual},  // 0/0
        {RellenoUsuario,  // sobrecarga en terraplén con peso nulo
         [](Proyecto& p) {
             p.InstalacionIndex = InstalacionTerraplen;
             p.hr1 = 0.3, p.fi = p.fi1 = 30, p.gamma = 0, p.qs = 1;
         },
         PasoCarga::Superficie},
        // La altura equivalente a la sobrecarga desborda la segunda carga del relleno.
        {2,
         [](Proyecto& p) { p.InstalacionIndex = InstalacionTerraplen, p.De = 2, p.qs = 1.5e307; },
         PasoCarga::Superficie},
        {2, [](Proyecto& p) { p.hr = 0; }, PasoCarga::Relleno,
         "Error calculando la carga del relleno"},
        {2, [](Proyecto& p) { p.b = 0; }, PasoCarga::Relleno,
         "Error calculando la carga del relleno"}};
    // Campos de cada paso, en su orden.
    using P = Proyecto;
    double P::*const campos[] = {&P::qr, &P::qm,     &P::fp,          &P::fs,
                                 &P::fc, &P::qTotal, &P::CargaCalculo};
    for (const auto& caso : casos) {
        SCOPED_TRACE(static_cast<int>(caso.paso));
        Proyecto p = CasoZanja();
        caso.prepara(p);
        for (auto campo : campos)
            p.*campo = -777;
        const EntregaCargas c = Calcula(p, caso.relleno, 2.0);
        EXPECT_EQ(c.fallo, caso.paso);
        EXPECT_EQ(c.carga, 0);  // no se entrega
        EXPECT_EQ(c.mensaje, caso.mensaje);
        // Lo anterior al paso fallido se escribió; lo demás conserva su valor.
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(p.*campos[i] == -777, i + 1 >= static_cast<int>(caso.paso)) << "campo " << i;
    }
}

TEST(CargaCompactacion, CoeficientePorTipoYAltura)
{
    // Carga en kN/m con De = 1 m y pq = 2 t/m; con hr nula, 0 sin fallo.
    // El dinámico no tiene coeficiente en 0.3.
    const double casos[][3] = {{0, 1.0, 0},
                               {1, 1.0, 12.477750},
                               {1, 0, 0},
                               {2, 0.31, 241.504841},
                               {2, 2.0, 37.433250},
                               {2, 3.0, 20.796250},
                               {2, 3.0001, 16.636446},
                               {2, 0.3, 0}};
    for (const auto [compactador, hr, carga] : casos)
        EXPECT_NEAR(CargaCompactacion(std::uint8_t(compactador), 1.0, 2, hr), carga, 1e-5)
            << compactador << " hr " << hr;
}
