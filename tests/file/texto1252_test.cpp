// Texto de los archivos: Windows-1252, un byte por carácter.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "texto1252.h"

using Pares = std::vector<std::pair<std::string, std::string>>;

TEST(Texto1252, CaracteresEspanolesOcupanUnByte)
{
    const Pares casos = {{"ñ", "\xF1"}, {"º", "\xBA"}, {"²", "\xB2"}, {"€", "\x80"},
                         {"´", "\xB4"}, {"…", "\x85"}, {"Cálculo 1.5", "C\xE1lculo 1.5"}};
    for (const auto& [utf8, bytes] : casos) {
        EXPECT_EQ(A1252(utf8), bytes);
        EXPECT_EQ(De1252(bytes), utf8);
    }
    // Sin byte en 1252, o UTF-8 mal formado: "?".
    const Pares sinByte = {{"γ=20", "?=20"}, {"中", "?"}, {"😀", "?"}, {"\xC3", "?"},
                           {"a\xFFz", "a?z"}};
    for (const auto& [utf8, bytes] : sinByte)
        EXPECT_EQ(A1252(utf8), bytes) << utf8;
}

TEST(Texto1252, TodoByteVuelveIgual)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        EXPECT_EQ(A1252(De1252(original)), original) << byte;
    }
}

TEST(Texto1252, IgualesSinMayusculasEnTodasLasLetrasDe1252)
{
    EXPECT_TRUE(IgualesSinMayusculas("ÀÑÚ ŠŽŒŸ", "àñú šžœÿ"));
    EXPECT_FALSE(IgualesSinMayusculas("×", "÷"));  // signos, no letras
}
