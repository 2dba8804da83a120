// Texto de los archivos: Windows-1252, un byte por carácter.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texto1252.h"

namespace {

struct Par {
    std::string utf8, bytes;
};

}  // namespace

TEST(Texto1252, CaracteresEspanolesOcupanUnByte)
{
    const std::vector<Par> casos = {
        {"é", "\xE9"}, {"ñ", "\xF1"}, {"º", "\xBA"}, {"²", "\xB2"}, {"³", "\xB3"},
        {"€", "\x80"}, {"´", "\xB4"}, {"Á", "\xC1"}, {"…", "\x85"}, {"abc 1.5", "abc 1.5"},
        {"Cálculo mecánico", "C\xE1lculo mec\xE1nico"},
    };
    for (const Par& caso : casos) {
        SCOPED_TRACE(caso.utf8);
        EXPECT_EQ(A1252(caso.utf8), caso.bytes);
        EXPECT_EQ(De1252(caso.bytes), caso.utf8);
    }
}

TEST(Texto1252, CaracterSinByteSeEscribeInterrogacion)
{
    const std::vector<Par> casos = {
        {"λ", "?"}, {"γ=20", "?=20"}, {"中", "?"}, {"😀", "?"},
        {"\xC3", "?"},        // UTF-8 cortado
        {"a\xFFz", "a?z"},    // byte que no es UTF-8
    };
    for (const Par& caso : casos)
        EXPECT_EQ(A1252(caso.utf8), caso.bytes) << caso.utf8;
}

TEST(Texto1252, TodoByteVuelveIgual)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        EXPECT_EQ(A1252(De1252(original)), original) << byte;
    }
}

TEST(Texto1252, IgualesSinMayusculasIncluidasLasAcentuadas)
{
    struct Caso {
        std::string a, b;
        bool iguales;
    };
    const std::vector<Caso> casos = {
        {"ZANJA INDUCIDA", "zanja inducida", true}, {"ESTÁTICO", "Estático", true},
        {"DINÁMICO", "dinámico", true},             {"Ñ", "ñ", true},
        {"Estatico", "Estático", false},  // el acento cuenta
        {"ZANJA", "ZANJA ", false},                 {"ZANJA", "ZANJ", false},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(IgualesSinMayusculas(caso.a, caso.b), caso.iguales) << caso.a << " / " << caso.b;
}
