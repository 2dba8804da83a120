#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ayudas_pruebas.h"
#include "clases.h"

namespace {

TEST(ClaseUNE, LimitesDeCargaYDiametro)
{
    // Di tecleado 0.8 (igual que 800/1000) no tiene clase 60; 0.8001 sí.
    const std::tuple<double, double, const char*> casos[] = {
        {60, 1.0, "60"},      {60.01, 1.0, "90"},  {50, 0.8, "90"},    {60, 0.8001, "60"},
        {90, 1.0, "90"},      {90.01, 1.0, "135"}, {135, 2.49, "135"}, {100, 2.5, "NO"},
        {135.01, 1.6, "180"}, {180, 1.79, "180"},  {150, 1.8, "NO"},   {180.01, 1.0, "NO"}};
    for (const auto& [x, Di, clase] : casos)
        EXPECT_EQ(ClaseUNE(x, Di), clase) << "x " << x << " Di " << Di;
}

TEST(ClaseASTM, ClaseValorYFactor)
{
    // Hasta 100 el valor es 1.5·y; por encima, 1.25·y.
    const std::pair<double, const char*> casos[] = {
        {40, "I"},     {40.01, "II"}, {50, "II"},    {50.01, "III"}, {65, "III"},
        {65.01, "IV"}, {100, "IV"},   {100.01, "V"}, {140, "V"},     {140.01, "NO"}};
    for (const auto& [y, clase] : casos) {
        const ClasificacionASTM astm = ClaseASTM(y);
        EXPECT_EQ(astm.clase, clase) << y;
        EXPECT_EQ(astm.factor, y <= 100 ? "1.5 · Qtotal" : "1.25 · Qtotal") << y;
        EXPECT_DOUBLE_EQ(astm.valor, (y <= 100 ? 1.5 : 1.25) * y) << y;
    }
}

TEST(ColorClase, ColorDeCadaClaseYTextoDeLaCelda)
{
    // Cada color, con las clases UNE y ASTM que lo llevan.
    const std::pair<ColorRGB, std::vector<std::string>> casos[] = {
        {{128, 128, 128}, {"I"}},         {{0, 128, 128}, {"60", "II"}},
        {{192, 192, 192}, {"90", "III"}}, {{0, 255, 255}, {"135", "IV"}},
        {{255, 255, 255}, {"180", "V"}},  {{255, 0, 0}, {"NO"}}};
    for (const auto& [color, clases] : casos)
        for (const std::string& clase : clases)
            EXPECT_TRUE(ColorClase(clase) == color) << clase;
    EXPECT_FALSE(ColorClase("--").has_value());
    EXPECT_EQ(TextoCelda(0), "    0.00");            // dos decimales en ocho caracteres
    EXPECT_EQ(TextoCelda(123456.789), "123456.79");  // no se corta
}

// Cada fila de la hoja, sus seis celdas unidas por "|".
std::vector<std::string> Filas(const Proyecto& inicial, HojaResultados hoja, std::uint8_t modo)
{
    Proyecto p = inicial;
    RespondeNo no;
    std::vector<std::string> filas;
    for (const auto& fila : RellenaResultados(p, no, hoja, modo)) {
        std::string texto;
        for (const CeldaResultado& celda : fila) {
            texto += (texto.empty() ? "" : "|") + celda.texto;
            EXPECT_TRUE(celda.color == ColorClase(celda.clase)) << celda.texto;
        }
        filas.push_back(texto);
    }
    return filas;
}

// Cada celda con el factor de apoyo de su fila y el relleno de su columna (las hojas enteras de
// los ejemplos, en las salidas de calculo-tubos-cli): la primera y la última cama de la hoja de
// zanjas y la clase A del terraplén, con el sexto relleno, el del usuario, más ligero que los
// tabulados; en ASTM V, 1.25 veces la carga.
TEST(RellenaResultados, CadaCeldaConSuCamaYSuRelleno)
{
    Proyecto p = CasoZanja();
    p.RellenoIndex = RellenoUsuario;
    p.fi = 30, p.fi1 = 25, p.gamma = 18;
    p.Di = 1.0, p.Es = 0.1, p.De = 1.2, p.b = 1.8, p.hr = 6.0;
    const std::vector<std::string> une = Filas(p, HojaResultados::Zanjas, 1);
    ASSERT_EQ(une.size(), 11u);
    EXPECT_EQ(une[0], "C 90      60.27|C 60      52.01|C 60      49.15|C 60      43.23|C 60      "
                      "43.40|C 60      45.39");
    EXPECT_EQ(une[10], "NO     219.17|NO     189.12|C 180     178.74|C 180     157.20|C 180     "
                       "157.83|C 180     165.06");
    const std::vector<std::string> astm = Filas(p, HojaResultados::Zanjas, 2);
    ASSERT_EQ(astm.size(), 11u);
    EXPECT_EQ(astm[0], "Clase II    60.27|Clase I    52.01|Clase I    49.15|Clase I    43.23|Clase "
                       "I    43.40|Clase I    45.39");
    EXPECT_EQ(astm[9], "Clase V   133.94|Clase IV   138.69|Clase IV   131.08|Clase IV   "
                       "115.28|Clase IV   115.74|Clase IV   121.04");
    EXPECT_EQ(astm[10], "NO   182.64|Clase V   157.60|Clase V   148.95|Clase V   131.00|Clase V   "
                        "131.52|Clase V   137.55");
    p.InstalacionIndex = InstalacionTerraplen, p.hr1 = 0.6;
    const std::vector<std::string> terraplen = Filas(p, HojaResultados::Terraplen, 1);
    ASSERT_EQ(terraplen.size(), 3u);
    EXPECT_EQ(terraplen[0], "C 90      83.82|C 90      78.70|C 90      80.64|C 90      75.19|C 90 "
                            "     83.54|C 90      79.18");
}

TEST(RellenaResultados, CalculoFallidoMuestraError)
{
    // Si el cálculo falla, sin el color de ninguna clase.
    // Sin altura falla la carga del relleno; Di nulo; en terraplén, el factor de apoyo.
    using H = HojaResultados;
    const std::tuple<H, double, double> casos[] = {
        {H::Zanjas, 0, 0.5}, {H::Zanjas, 3.0, 0}, {H::Terraplen, 0, 0.5}};
    for (const auto& [hoja, hr, Di] : casos) {
        Proyecto p = CasoZanja();
        if (hoja == H::Terraplen)
            p.InstalacionIndex = InstalacionTerraplen;
        p.hr1 = 0.3, p.hr = hr, p.Di = Di, p.ModoCalculo = 1;
        RespondeNo no;
        for (const auto& fila : RellenaResultados(p, no, hoja, p.ModoCalculo))
            for (const auto& celda : fila)
                EXPECT_TRUE(celda.texto == "error" && !celda.color) << hr << " " << Di;
    }
}

}  // namespace
