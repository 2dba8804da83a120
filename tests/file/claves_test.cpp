// Las 58 líneas clave del archivo de proyecto.

#include <gtest/gtest.h>

#include <string>

#include "ayudas_archivo.h"

namespace {

// Caracteres, no bytes UTF-8.
std::size_t Caracteres(std::string_view texto)
{
    std::size_t n = 0;
    for (const char c : texto)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::size_t SubrayadosFinales(std::string_view texto)
{
    std::size_t n = 0;
    while (n < texto.size() && texto[texto.size() - 1 - n] == '_')
        ++n;
    return n;
}

}  // namespace

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
    ASSERT_EQ(NumeroClaves, 58);
    for (int k = 1; k <= NumeroClaves; ++k) {
        SCOPED_TRACE("clave " + std::to_string(k));
        EXPECT_EQ(Caracteres(Claves[k - 1]), static_cast<std::size_t>(largos[k - 1]));
        EXPECT_EQ(SubrayadosFinales(Claves[k - 1]), static_cast<std::size_t>(subrayados[k - 1]));
    }
}

TEST(Claves, LineasEnteras)
{
    struct Caso {
        int clave;
        std::string linea;
    };
    const std::vector<Caso> casos = {
        {1, "Obra:" + std::string(72, '_')},
        {19, "\"fi\"     Ángulo de rozamiento interno del relleno, en grados sexagesimales.__"},
        {21, "ho       Altura del plano de igual asentamiento sobre plano de clave, en metros."},
        {33, "Cálculo mecánico de tubos de hormigón armado según UNE 127.010."},
        {42, "Valor C´ Segundo valor C calculado" + std::string(44, '_')},
        {44, "Componente horizontal del talud " + std::string(46, '_')},
        {53, "Pq       Carga del Compactador por m de ancho de rodillo" + std::string(22, '_')},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE("clave " + std::to_string(caso.clave));
        EXPECT_EQ(K(caso.clave), caso.linea);
    }
}

TEST(BuscaClave, CadaLineaDaSuNumero)
{
    for (int k = 1; k <= NumeroClaves; ++k)
        EXPECT_EQ(BuscaClave(Claves[k - 1]), k) << Claves[k - 1];
}

TEST(BuscaClave, SoloLaLineaExactaEsClave)
{
    const std::string obra = K(1);
    const std::vector<std::string> casos = {
        "",
        "OBRA:" + obra.substr(5),                          // otra caja
        obra.substr(0, obra.size() - 1),                   // un subrayado menos
        obra + "_",                                        // uno más
        obra + " ",                                        // blanco final
        " " + obra,                                        // blanco inicial
        "cálculo mecánico de tubos de hormigón armado según UNE 127.010.",
        "Cálculo mecánico de tubos de hormigón armado según UNE 127.010",
        "Obra:",
    };
    for (const std::string& linea : casos)
        EXPECT_EQ(BuscaClave(linea), 0) << "[" << linea << "]";
}
