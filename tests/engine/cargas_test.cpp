#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "ayudas_pruebas.h"
#include "relleno.h"

namespace {

TEST(CalculaCargas, SinSobrecargasElTotalEsElRelleno)
{
    Proyecto p = CasoZanja();
    const Calculo c = Calcula(p, 2, 2.0);
    ASSERT_TRUE(c.entrega.Entregada());
    EXPECT_NEAR(p.qr, 32.769, 1e-3);
    EXPECT_EQ(p.qTotal, p.qr);
    EXPECT_DOUBLE_EQ(c.carga, 1.5 * p.qr / (2.0 * 0.5));
    EXPECT_EQ(p.CargaCalculo, c.carga);
    EXPECT_EQ(c.mensaje, "");

    // El fallo de la carga del relleno llega como texto y no detiene el cálculo.
    p.hr = 0;
    const Calculo sinRelleno = Calcula(p, 2, 2.0);
    ASSERT_TRUE(sinRelleno.entrega.Entregada());
    EXPECT_EQ(sinRelleno.carga, 0);
    EXPECT_EQ(sinRelleno.mensaje, "Error calculando la carga del relleno");
}

TEST(CalculaCargas, CargaPuntual)
{
    const struct {
        double qp, D, hr, De, fp;
    } casos[] = {
        {5, 1.0, 2.0, 0.6, 6.3111},
        {5, 0, 2.0, 0.6, 14.7 * 5 * 0.6 / 4},  // justo encima del tubo
        {2, 0, 3.0, 1.0, 14.7 * 2 / 9},
        {0, 1.0, 2.0, 0.6, 0}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.qp << " t a " << caso.D << " m, hr " << caso.hr);
        Proyecto p = CasoZanja();
        p.qp = caso.qp;
        p.D = caso.D;
        p.hr = caso.hr;
        p.De = caso.De;
        p.b = caso.De + 0.6;
        ASSERT_TRUE(Calcula(p, 2, 2.0).entrega.Entregada());
        EXPECT_NEAR(p.fp, caso.fp, 1e-4);
        EXPECT_DOUBLE_EQ(p.qTotal, p.qr + p.fp);
    }
}

// fs de 1 t/m² con un relleno de usuario de peso gamma, con poco relleno sobre
// un tubo que sobresale entero de base rígida: las dos alturas quedan bajo el
// plano de igual asiento (por encima, la carga crece en línea recta con la
// altura y la diferencia ya no depende del peso).
double CargaSuperficie(std::uint8_t instalacion, double gamma)
{
    Proyecto p = CasoZanja();
    p.InstalacionIndex = instalacion;
    p.BaseIndex = 0;
    p.hr1 = p.De;
    p.hr = 0.5;
    p.fi = p.fi1 = 30;
    p.gamma = gamma;
    p.qs = 1;
    EXPECT_TRUE(Calcula(p, RellenoUsuario, 2.0).entrega.Entregada());
    return p.fs;
}

TEST(CalculaCargas, SobrecargaRepartida)
{
    Proyecto p = CasoZanja();
    p.hr = 2.0;
    p.b = 1.0;
    p.qs = 1;
    ASSERT_TRUE(Calcula(p, 2, 2.0).entrega.Entregada());
    EXPECT_NEAR(p.fs, 5.3784, 1e-4);  // e^−0.6·9.8

    // En zanja no depende del peso del relleno; en terraplén sí.
    EXPECT_EQ(CargaSuperficie(InstalacionZanja, 18), CargaSuperficie(InstalacionZanja, 22));
    EXPECT_GT(std::fabs(CargaSuperficie(InstalacionTerraplen, 18) -
                        CargaSuperficie(InstalacionTerraplen, 22)), 0.01);
}

TEST(CalculaCargas, SobrecargaNoCambiaZanjaComoTerraplen)
{
    Proyecto p = CasoZanja();
    p.InstalacionIndex = InstalacionZanjaTerraplenada;
    p.b = 1.0;
    p.h2r = 0.4;
    p.hr = 2.0;
    p.qs = 2;  // 1.02 m más de relleno equivalente
    Proyecto prueba = p;
    std::string m;
    CargaRelleno(prueba, 2, m, 2.0);
    ASSERT_EQ(prueba.ZanjaComoTerraplen, 1);
    CargaRelleno(prueba, 2, m, 2.0 + 9.8 * 2 / 19.2);
    ASSERT_EQ(prueba.ZanjaComoTerraplen, 0);

    ASSERT_TRUE(Calcula(p, 2, 2.0).entrega.Entregada());
    EXPECT_EQ(p.ZanjaComoTerraplen, 1);
}

TEST(CalculaCargas, UnFalloDetieneElCalculoEnSuPaso)
{
    struct Caso {
        const char* nombre;
        std::uint8_t relleno;
        std::function<void(Proyecto&)> prepara;
        PasoCarga paso;
    };
    const std::vector<Caso> casos = {
        {"Di nulo", 2, [](Proyecto& p) { p.Di = 0; }, PasoCarga::CargaCalculo},
        {"hr nula con carga puntual", 2, [](Proyecto& p) { p.hr = 0; p.qp = 5; p.D = 1; },
         PasoCarga::Puntual},
        {"peso nulo con sobrecarga en terraplen", RellenoUsuario,
         [](Proyecto& p) {
             p.InstalacionIndex = InstalacionTerraplen;
             p.hr1 = 0.3;
             p.fi = p.fi1 = 30;
             p.gamma = 0;
             p.qs = 1;
         },
         PasoCarga::Superficie}};
    // Campos de cada paso, en su orden.
    double Proyecto::*const campos[] = {&Proyecto::qr, &Proyecto::qm,     &Proyecto::fp,
                                         &Proyecto::fs, &Proyecto::fc,     &Proyecto::qTotal,
                                         &Proyecto::CargaCalculo};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto p = CasoZanja();
        caso.prepara(p);
        for (auto campo : campos)
            p.*campo = -777;
        const Calculo c = Calcula(p, caso.relleno, 2.0);
        EXPECT_EQ(c.entrega.fallo, caso.paso);
        EXPECT_EQ(c.carga, -123);
        EXPECT_EQ(c.mensaje, "previo");
        // Lo anterior al paso fallido se escribió; lo demás conserva su valor.
        const int fallido = static_cast<int>(caso.paso) - 1;
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(p.*campos[i] == -777, i >= fallido) << "campo " << i;
    }
}

}  // namespace
