#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numero.h"

namespace {

TEST(TextoNumero, TresDecimalesSinCerosFinales)
{
    const std::vector<std::pair<double, std::string>> casos = {
        {0, "0"},          {100, "100"},     {1.5, "1.5"},   {2.0004, "2"},
        {0.1236, "0.124"}, {-2.25, "-2.25"}, {-0.0004, "0"},  // sin "-0"
        {1e12, "1000000000000"}, {1234567.891, "1234567.891"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoNumero(x), texto) << x;
}

TEST(TextoGeneral, QuinceCifrasYExponenteFueraDeRango)
{
    const std::vector<std::pair<double, std::string>> casos = {
        {0, "0"},           {-2.5, "-2.5"},     {0.1 + 0.2, "0.3"},  // el ruido, tras la cifra 15
        {1.0 / 3.0, "0.333333333333333"},       {999999999999999, "999999999999999"},
        {1e15, "1E15"},     {1e-5, "0.00001"},  {1.5e-6, "1.5E-6"},  {-1.5e-6, "-1.5E-6"},
        {123456789012345678.0, "1.23456789012346E17"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoGeneral(x), texto);
}

TEST(Trunca2, CortaHaciaCeroSinRedondear)
{
    EXPECT_DOUBLE_EQ(Trunca2(12.349), 12.34);
    EXPECT_DOUBLE_EQ(Trunca2(-1.999), -1.99);
}

struct CasoLectura {
    std::string texto;
    bool valido;
    std::optional<double> valor;  // vacío: el valor no importa
};

TEST(LeeNumero, NotacionNormalYExponencialConPunto)
{
    const std::vector<CasoLectura> casos = {
        {"12.5", true, 12.5}, {"  3", true, 3},  {"+4", true, 4},   {"1.5e3", true, 1500},
        {".5", true, 0.5},    {"7.", true, 7},   {"-2E-2", true, -0.02},
        {"1e-999", true, 0},  // por debajo del menor double vale cero
        {"", false, 0},       {"abc", false, 0}, {"-", false, 0},   {"1.5 ", false, {}},
        {"1,5", false, {}},   {"1e", false, {}}, {"1e999", false, {}}, {"-nan", false, 0},
        {"inf", false, 0}};
    for (const auto& caso : casos) {
        const NumeroLeido leido = LeeNumero(caso.texto);
        EXPECT_EQ(leido.valido, caso.valido) << "[" << caso.texto << "]";
        EXPECT_EQ(leido.valor, caso.valor.value_or(leido.valor)) << "[" << caso.texto << "]";
    }
}

TEST(LeeEntero, SoloCifrasConSigno)
{
    const std::vector<CasoLectura> casos = {
        {"12", true, 12},   {" 7", true, 7},    {"-3", true, -3}, {"+5", true, 5},
        {"1.5", false, {}}, {"1e3", false, {}}, {"", false, 0},   {"3 ", false, {}}};
    for (const auto& caso : casos) {
        const EnteroLeido leido = LeeEntero(caso.texto);
        EXPECT_EQ(leido.valido, caso.valido) << "[" << caso.texto << "]";
        EXPECT_EQ(leido.valor, caso.valor ? static_cast<long long>(*caso.valor) : leido.valor)
            << "[" << caso.texto << "]";
    }
}

}  // namespace
