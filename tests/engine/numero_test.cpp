#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numero.h"

namespace {

TEST(TextoNumero, TresDecimalesSinCerosFinales)
{
    const std::vector<std::pair<double, std::string>> casos = {{0, "0"},
                                                               {100, "100"},
                                                               {1.5, "1.5"},
                                                               {2.0004, "2"},
                                                               {0.1236, "0.124"},
                                                               {-2.25, "-2.25"},
                                                               {-0.0004, "0"},  // sin "-0"
                                                               {1e12, "1000000000000"},
                                                               {1234567.891, "1234567.891"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoNumero(x), texto) << x;
}

TEST(TextoGeneral, QuinceCifrasYExponenteFueraDeRango)
{
    const std::vector<std::pair<double, std::string>> casos = {
        {0, "0"},
        {0.1 + 0.2, "0.3"},  // el ruido, tras la cifra 15
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {1e-5, "0.00001"},
        {-1.5e-6, "-1.5E-6"},
        {123456789012345678.0, "1.23456789012346E17"}};
    for (const auto& [x, texto] : casos)
        EXPECT_EQ(TextoGeneral(x), texto);
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
    // Texto, número válido y su valor (vacío: no importa), entero válido.
    struct Caso {
        std::string texto;
        bool numero;
        std::optional<double> valor;
        bool entero;
    };
    const Caso casos[] = {{"12.5", true, 12.5, false},  {"  3", true, 3, true},
                          {"+4", true, 4, true},        {"-3", true, -3, true},
                          {"1.5e3", true, 1500, false}, {".5", true, 0.5, false},
                          {"7.", true, 7, false},       {"-2E-2", true, -0.02, false},
                          {"1e-999", true, 0, false},  // por debajo del menor double vale cero
                          {"", false, 0, false},        {"abc", false, 0, false},
                          {"-", false, 0, false},       {"1.5 ", false, {}, false},
                          {"3 ", false, {}, false},     {"1,5", false, {}, false},
                          {"1e", false, {}, false},     {"1e999", false, {}, false},
                          {"-nan", false, 0, false},    {"nan", false, 0, false},
                          {"inf", false, 0, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE("[" + caso.texto + "]");
        const NumeroLeido numero = LeeNumero(caso.texto);
        EXPECT_EQ(numero.valido, caso.numero);
        EXPECT_EQ(numero.valor, caso.valor.value_or(numero.valor));
        const EnteroLeido entero = LeeEntero(caso.texto);
        EXPECT_EQ(entero.valido, caso.entero);
        EXPECT_EQ(entero.valor, caso.entero ? static_cast<long long>(*caso.valor) : entero.valor);
    }
}

}  // namespace

TEST(LeeTecleado, ComaDecimalYNumerosAMedias)
{
    // Lo tecleado, su estado y el valor leído (el de la parte inicial si no es válido).
    struct Caso {
        std::string texto;
        Tecleo estado;
        double valor;
    };
    const Caso casos[] = {
        {"2,5", Tecleo::Valido, 2.5},
        {"0,8", Tecleo::Valido, 0.8},
        {",75", Tecleo::Valido, 0.75},
        {"2,", Tecleo::Valido, 2},
        {"2.5E-1", Tecleo::Valido, 0.25},
        {"-130", Tecleo::Valido, -130},
        {"", Tecleo::AMedias, 0},
        {"+", Tecleo::AMedias, 0},
        {"-", Tecleo::AMedias, 0},
        {".", Tecleo::AMedias, 0},
        {",", Tecleo::AMedias, 0},
        {" -,", Tecleo::AMedias, 0},
        {"1e", Tecleo::AMedias, 1},
        {"1e-", Tecleo::AMedias, 1},
        {"2,5E+", Tecleo::AMedias, 2.5},
        {"2x", Tecleo::Imposible, 2},
        {"1,000,5", Tecleo::Imposible, 1},  // sin separador de miles
        {"1.000,5", Tecleo::Imposible, 1},
        {"2 ", Tecleo::Imposible, 2},
        {"e", Tecleo::Imposible, 0},
        {"-e", Tecleo::Imposible, 0},
        {"1e999", Tecleo::Imposible, 0},
        {"1e5x", Tecleo::Imposible, 1e5},
        {std::string(400, '9') + "e", Tecleo::Imposible, 0}};  // ningún exponente lo arregla
    for (const auto& caso : casos) {
        SCOPED_TRACE("[" + caso.texto + "]");
        const NumeroTecleado leido = LeeTecleado(caso.texto);
        EXPECT_EQ(leido.estado, caso.estado);
        EXPECT_EQ(leido.valor, caso.valor);
    }
    // Un entero a medias es solo el texto vacío o un signo.
    const std::pair<std::string, Tecleo> enteros[] = {
        {"12", Tecleo::Valido},    {"", Tecleo::AMedias},     {" -", Tecleo::AMedias},
        {"+", Tecleo::AMedias},    {"1.", Tecleo::Imposible}, {"1e", Tecleo::Imposible},
        {"1,5", Tecleo::Imposible}};
    for (const auto& [texto, estado] : enteros)
        EXPECT_EQ(LeeEnteroTecleado(texto).estado, estado) << "[" << texto << "]";
}
