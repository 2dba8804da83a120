// Las 58 líneas clave del archivo de proyecto.

#include <gtest/gtest.h>

#include "ayudas_archivo.h"

TEST(Claves, AnchuraYSubrayadosDeCadaLinea)
{
    // Por clave, de la 1 a la 58: longitud en caracteres y subrayados finales.
    const int largos[NumeroClaves] = {
        77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77,
        80, 77, 76, 78, 77, 77, 78, 77, 78, 77, 77, 77, 63, 78, 78, 78, 78, 78, 78, 78,
        78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78};
    const int subrayados[NumeroClaves] = {
        72, 64, 69, 64, 57, 61, 61, 16, 51, 32, 36, 23, 49, 30, 30, 40, 52, 0,  2,  11,
        0,  14, 0,  0,  45, 22, 0,  39, 0,  8,  11, 0,  0,  2,  2,  28, 35, 12, 52, 52,
        52, 44, 21, 46, 48, 38, 54, 52, 55, 16, 51, 59, 22, 43, 37, 55, 59, 61};
    for (int k = 1; k <= NumeroClaves; ++k) {
        const std::string linea = K(k);
        int caracteres = 0;  // no bytes UTF-8
        for (const char c : linea)
            caracteres += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        const auto fin = linea.find_last_not_of('_');
        EXPECT_EQ(caracteres, largos[k - 1]) << "clave " << k;
        EXPECT_EQ(linea.size() - 1 - fin, static_cast<std::size_t>(subrayados[k - 1])) << k;
        EXPECT_EQ(BuscaClave(linea), k);
    }
    EXPECT_EQ(K(19),
              "\"fi\"     Ángulo de rozamiento interno del relleno, en grados sexagesimales.__");
    EXPECT_EQ(K(33), "Cálculo mecánico de tubos de hormigón armado según UNE 127.010.");
    EXPECT_EQ(K(42), "Valor C´ Segundo valor C calculado" + std::string(44, '_'));
}
