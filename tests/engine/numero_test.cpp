#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "numero.h"

using Escrito = std::pair<double, std::string>;

TEST(TextoNumero, TresDecimalesSinCerosFinales)
{
    // -0.0004 sin "-0".
    const Escrito casos[] = {{0, "0"},
                             {100, "100"},
                             {1.5, "1.5"},
                             {2.0004, "2"},
                             {0.1236, "0.124"},
                             {-2.25, "-2.25"},
                             {-0.0004, "0"},
                             {1e12, "1000000000000"},
                             {1234567.891, "1234567.891"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoNumero(x), texto) << x;
}

TEST(TextoGeneral, QuinceCifrasYExponenteFueraDeRango)
{
    // 0.1 + 0.2: el ruido, tras la cifra 15.
    const Escrito casos[] = {{0, "0"},
                             {0.1 + 0.2, "0.3"},
                             {999999999999999, "999999999999999"},
                             {1e15, "1E15"},
                             {1e-5, "0.00001"},
                             {-1.5e-6, "-1.5E-6"},
                             {123456789012345678.0, "1.23456789012346E17"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoGeneral(x), texto) << x;
}

TEST(Trunca2, CortaElValorDecimalNoElBinario)
{
    // 3.56 y 1.72 hechos con cuentas quedan un poco por debajo del decimal, y
    // 0.29·100 da 28.999…: ninguno pierde un céntimo.
    const std::pair<double, double> casos[] = {
        {0.01 + 3.55, 3.56}, {0.57 + 1.15, 1.72}, {0.29, 0.29}, {1.2399, 1.23},
        {-2.567, -2.56},     {89.2399, 89.23},    {1e20, 1e20}, {1.5e-6, 0}};
    for (const auto& [x, cortado] : casos)
        EXPECT_EQ(Trunca2(x), cortado) << x;
}

TEST(LeeNumero, NumerosYEnterosConPuntoYExponente)
{
    // Texto, número válido y su valor (vacío: no importa), entero válido; 1e-999 vale cero.
    const std::tuple<std::string, bool, std::optional<double>, bool> casos[] = {
        {"12.5", true, 12.5, false}, {"  3", true, 3, true},        {"+4", true, 4, true},
        {"-3", true, -3, true},      {"1.5e3", true, 1500, false},  {".5", true, 0.5, false},
        {"7.", true, 7, false},      {"-2E-2", true, -0.02, false}, {"1e-999", true, 0, false},
        {"", false, 0, false},       {"abc", false, 0, false},      {"-", false, 0, false},
        {"1.5 ", false, {}, false},  {"3 ", false, {}, false},      {"1,5", false, {}, false},
        {"1e", false, {}, false},    {"1e999", false, {}, false},   {"-nan", false, 0, false},
        {"nan", false, 0, false},    {"inf", false, 0, false}};
    for (const auto& [texto, numero, valor, entero] : casos) {
        SCOPED_TRACE("[" + texto + "]");
        const NumeroLeido n = LeeNumero(texto);
        EXPECT_EQ(n.valido, numero);
        EXPECT_EQ(n.valor, valor.value_or(n.valor));
        const EnteroLeido e = LeeEntero(texto);
        EXPECT_EQ(e.valido, entero);
        EXPECT_EQ(e.valor, entero ? static_cast<long long>(*valor) : e.valor);
    }
}

TEST(LeeTecleado, ComaDecimalYNumerosAMedias)
{
    // Lo tecleado, su estado y el valor leído (el de la parte inicial si no es válido); sin
    // separador de miles, y ningún exponente arregla 400 nueves.
    const auto V = Tecleo::Valido, M = Tecleo::AMedias, I = Tecleo::Imposible;
    const std::tuple<std::string, Tecleo, double> casos[] = {
        {"2,5", V, 2.5}, {"0,8", V, 0.8},     {",75", V, 0.75},
        {"2,", V, 2},    {"2.5E-1", V, 0.25}, {"-130", V, -130},
        {"", M, 0},      {"+", M, 0},         {"-", M, 0},
        {".", M, 0},     {",", M, 0},         {" -,", M, 0},
        {"1e", M, 1},    {"1e-", M, 1},       {"2,5E+", M, 2.5},
        {"2x", I, 2},    {"1,000,5", I, 1},   {"1.000,5", I, 1},
        {"2 ", I, 2},    {"e", I, 0},         {"-e", I, 0},
        {"1e999", I, 0}, {"1e5x", I, 1e5},    {std::string(400, '9') + "e", I, 0}};
    for (const auto& [texto, estado, valor] : casos) {
        EXPECT_EQ(LeeTecleado(texto).estado, estado) << "[" << texto << "]";
        EXPECT_EQ(LeeTecleado(texto).valor, valor) << "[" << texto << "]";
    }
    // Un entero a medias es solo el texto vacío o un signo.
    const std::pair<std::string, Tecleo> enteros[] = {{"12", V}, {"", M},   {" -", M}, {"+", M},
                                                      {"1.", I}, {"1e", I}, {"1,5", I}};
    for (const auto& [texto, estado] : enteros)
        EXPECT_EQ(LeeEnteroTecleado(texto).estado, estado) << "[" << texto << "]";
}
