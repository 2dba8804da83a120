// Texto de los archivos: Windows-1252, un byte por carácter.

#include <gtest/gtest.h>

#include <string>

#include "texto1252.h"

TEST(Texto1252, TodoByteVuelveIgualYCadaLetraOcupaUno)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        EXPECT_EQ(A1252(De1252(original)), original) << byte;
    }
    // Sin byte en 1252, o UTF-8 mal formado: "?", que no vuelve.
    const struct {
        std::string utf8, bytes;
        bool vuelve;
    } casos[] = {{"ñ", "\xF1", true},     {"€", "\x80", true},
                 {"´", "\xB4", true},     {"Cálculo 1.5", "C\xE1lculo 1.5", true},
                 {"γ=20", "?=20", false}, {"a\xFFz", "a?z", false}};
    for (const auto& caso : casos) {
        EXPECT_EQ(A1252(caso.utf8), caso.bytes) << caso.utf8;
        EXPECT_EQ(De1252(caso.bytes), caso.vuelve ? caso.utf8 : De1252(caso.bytes)) << caso.utf8;
    }
}

TEST(Texto1252, IgualesSinMayusculasEnTodasLasLetrasDe1252)
{
    EXPECT_TRUE(IgualesSinMayusculas("ÀÑÚ ŠŽŒŸ", "àñú šžœÿ"));
    EXPECT_FALSE(IgualesSinMayusculas("×", "÷"));  // signos, no letras
}
