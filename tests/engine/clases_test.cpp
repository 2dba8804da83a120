#include <gtest/gtest.h>

#include <tuple>

#include "apoyo.h"
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

// Cada celda es el cálculo de cargas con el factor de apoyo de su fila y el
// relleno de su columna, con el texto y el color de su clase.
void CompruebaHoja(const Proyecto& inicial, HojaResultados hoja)
{
    const double faZanja[11] = {4.0, 2.8, 2.3, 3.0, 2.2, 2.0, 2.1, 1.9, 1.7, 1.5, 1.1};
    Proyecto p = inicial;
    RespondeNo no;
    const MatrizResultados matriz = RellenaResultados(p, no, hoja, p.ModoCalculo);
    ASSERT_EQ(matriz.size(), static_cast<std::size_t>(FilasHoja(hoja)));
    for (int fila = 0; fila < FilasHoja(hoja); ++fila) {
        for (int columna = 0; columna < 6; ++columna) {
            Proyecto copia = inicial;  // la columna 6 con el peso tecleado
            const double fa = hoja == HojaResultados::Zanjas
                                  ? faZanja[fila]
                                  : *CalculaFa(copia, InstalacionTerraplen, std::uint8_t(fila + 1));
            double x = Calcula(copia, std::uint8_t(columna), fa).carga;
            std::string clase, texto;
            if (inicial.ModoCalculo == 1) {
                clase = ClaseUNE(x, inicial.Di);
                texto = (clase == "NO" ? "NO" : "C " + clase) + "   " + TextoCelda(x);
            } else {
                const ClasificacionASTM astm = ClaseASTM(x / 1.5);
                clase = astm.clase;
                x = astm.valor;
                texto = (clase == "NO" ? "NO" : "Clase " + clase) + " " + TextoCelda(x);
            }
            EXPECT_EQ(matriz[fila][columna].texto, texto) << fila << " " << columna;
            EXPECT_TRUE(matriz[fila][columna].color == ColorClase(clase));
        }
    }
}

TEST(RellenaResultados, CadaCeldaConSuCamaYSuRelleno)
{
    // Relleno de usuario más ligero que los tabulados; las celdas van de 60 a NO.
    Proyecto p = CasoZanja();
    p.RellenoIndex = RellenoUsuario;
    p.fi = 30, p.fi1 = 25, p.gamma = 18;
    p.Di = 1.0, p.Es = 0.1, p.De = 1.2, p.b = 1.8, p.hr = 6.0;
    for (const std::uint8_t modo : {1, 2})
        p.ModoCalculo = modo, CompruebaHoja(p, HojaResultados::Zanjas);
    p.InstalacionIndex = InstalacionTerraplen, p.hr1 = 0.6;
    CompruebaHoja(p, HojaResultados::Terraplen);
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
