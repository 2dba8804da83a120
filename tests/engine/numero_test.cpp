#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "numero.h"

namespace {

struct CasoTexto {
    double x;
    std::string esperado;
};

TEST(TextoNumero, TresDecimalesSinCerosFinales)
{
    const std::vector<CasoTexto> casos = {
        {0, "0"},         {12, "12"},         {100, "100"},     {10, "10"},       {1.5, "1.5"},
        {0.125, "0.125"}, {2.0004, "2"},      {0.1236, "0.124"}, {-2.25, "-2.25"}, {0.0004, "0"},
        {19.2, "19.2"},   {1e12, "1000000000000"}, {1234567.891, "1234567.891"}};
    for (const auto& caso : casos)
        EXPECT_EQ(TextoNumero(caso.x), caso.esperado) << caso.x;
}

TEST(TextoGeneral, QuinceCifrasYExponenteFueraDeRango)
{
    const std::vector<CasoTexto> casos = {
        {0, "0"}, {0.5, "0.5"}, {-2.5, "-2.5"}, {1.23456789012345, "1.23456789012345"},
        {0.1 + 0.2, "0.3"},  // el ruido queda más allá de la cifra 15
        {1.0 / 3.0, "0.333333333333333"}, {1e-5, "0.00001"}, {999999999999999, "999999999999999"},
        {1e15, "1E15"}, {1e20, "1E20"}, {1.5e-6, "1.5E-6"}, {-1.5e-6, "-1.5E-6"},
        {123456789012345678.0, "1.23456789012346E17"}};
    for (const auto& caso : casos)
        EXPECT_EQ(TextoGeneral(caso.x), caso.esperado);
}

TEST(Trunca2, CortaHaciaCeroSinRedondear)
{
    EXPECT_DOUBLE_EQ(Trunca2(12.349), 12.34);
    EXPECT_DOUBLE_EQ(Trunca2(45.678), 45.67);
    EXPECT_DOUBLE_EQ(Trunca2(-1.999), -1.99);
    EXPECT_EQ(TextoNumero(Trunca2(12.3456)), "12.34");
}

struct CasoLectura {
    std::string texto;
    bool valido;
    std::optional<double> valor;  // vacío: el valor no importa
};

TEST(LeeNumero, NotacionNormalYExponencialConPunto)
{
    const std::vector<CasoLectura> casos = {
        {"12.5", true, 12.5}, {"  3", true, 3},     {"-0.25", true, -0.25}, {"+4", true, 4},
        {"1.5e3", true, 1500}, {"2E-2", true, 0.02}, {".5", true, 0.5},      {"7.", true, 7},
        {"", false, 0},       {"abc", false, 0},    {"1.5 ", false, 1.5},   {"1,5", false, 1},
        {"1e", false, 1},     {"1e999", false, {}}, {"nan", false, 0},      {"inf", false, 0},
        {"-nan", false, 0},   {"-", false, 0}};
    for (const auto& caso : casos) {
        SCOPED_TRACE("\"" + caso.texto + "\"");
        const NumeroLeido leido = LeeNumero(caso.texto);
        EXPECT_EQ(leido.valido, caso.valido);
        if (caso.valor) {
            EXPECT_DOUBLE_EQ(leido.valor, *caso.valor);
        }
    }
}

TEST(LeeEntero, SoloCifrasConSigno)
{
    const std::vector<CasoLectura> casos = {
        {"12", true, 12},  {" 7", true, 7},   {"-3", true, -3}, {"+5", true, 5}, {"1.5", false, 1},
        {"1e3", false, 1}, {"", false, 0},    {"x", false, 0},  {"3 ", false, 3}};
    for (const auto& caso : casos) {
        SCOPED_TRACE("\"" + caso.texto + "\"");
        const EnteroLeido leido = LeeEntero(caso.texto);
        EXPECT_EQ(leido.valido, caso.valido);
        EXPECT_EQ(leido.valor, static_cast<long long>(*caso.valor));
    }
}

}  // namespace
