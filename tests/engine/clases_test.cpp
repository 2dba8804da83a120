#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "apoyo.h"
#include "ayudas_pruebas.h"
#include "clases.h"

namespace {

TEST(ClaseUNE, LimitesDeCargaYDiametro)
{
    const struct {
        double x, Di;
        const char* clase;
    } casos[] = {
        {0, 1.0, "60"},       {60, 1.0, "60"},     {60.01, 1.0, "90"},  {50, 0.8, "90"},
        {60, 0.81, "60"},     {90, 1.0, "90"},     {90.01, 1.0, "135"}, {100, 2.4, "135"},
        {100, 2.5, "NO"},     {135, 2.49, "135"},  {135.01, 1.6, "180"}, {150, 1.6, "180"},
        {150, 1.8, "NO"},     {180, 1.79, "180"},  {180.01, 1.0, "NO"}, {181, 0.5, "NO"},
        {181, 3.0, "NO"},
        // Diámetros tecleados en milímetros: 800 cuenta como 0.8 y 1800 llega a 1.8.
        {50, 800 / 1000.0, "90"}, {150, 1800 / 1000.0, "NO"}};
    for (const auto& caso : casos)
        EXPECT_EQ(ClaseUNE(caso.x, caso.Di), caso.clase) << "x " << caso.x << " Di " << caso.Di;
}

TEST(ClaseASTM, ClaseValorYFactor)
{
    const struct {
        double y;
        const char* clase;
        double valor;
    } casos[] = {{0, "I", 0},          {40, "I", 60},          {40.01, "II", 60.015},
                 {50, "II", 75},       {50.01, "III", 75.015}, {65, "III", 97.5},
                 {65.01, "IV", 97.515}, {100, "IV", 150},      {101, "V", 126.25},
                 {140, "V", 175},      {140.01, "NO", 175.0125}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.y);
        double v = -1;
        std::string factor, clase;
        ClaseASTM(v, factor, clase, caso.y);
        EXPECT_EQ(clase, caso.clase);
        EXPECT_NEAR(v, caso.valor, 1e-9);
        EXPECT_EQ(factor, caso.y <= 100 ? "1.5 · Qtotal" : "1.25 · Qtotal");
    }
}

TEST(ColorClase, ColorDeCadaClase)
{
    const std::vector<std::pair<std::string, ColorRGB>> casos = {
        {"I", {128, 128, 128}},  {"60", {0, 128, 128}},   {"II", {0, 128, 128}},
        {"90", {192, 192, 192}}, {"III", {192, 192, 192}}, {"135", {0, 255, 255}},
        {"IV", {0, 255, 255}},   {"180", {255, 255, 255}}, {"V", {255, 255, 255}},
        {"NO", {255, 0, 0}}};
    for (const auto& [clase, color] : casos)
        EXPECT_TRUE(ColorClase(clase) == color) << clase;
    EXPECT_FALSE(ColorClase("--").has_value());
}

TEST(TextoCelda, DosDecimalesEnOchoCaracteres)
{
    EXPECT_EQ(TextoCelda(45.678), "   45.68");
    EXPECT_EQ(TextoCelda(0), "    0.00");
    EXPECT_EQ(TextoCelda(1234.5), " 1234.50");
    EXPECT_EQ(TextoCelda(123456.789), "123456.79");  // no se corta
}

// Zanja con relleno de usuario cuyas celdas van de la clase 60 a NO.
Proyecto CasoHoja(std::uint8_t modo)
{
    Proyecto p = CasoZanja();
    p.RellenoIndex = RellenoUsuario;
    p.fi = 30;
    p.fi1 = 25;
    p.gamma = 18;
    p.Di = 1.0;
    p.Es = 0.1;
    p.De = 1.2;
    p.b = 1.8;
    p.hr = 6.0;
    p.ModoCalculo = modo;
    return p;
}

// Comprueba cada celda con el cálculo de cargas del caso inicial, con el
// factor de apoyo de su fila y el relleno de su columna.
void CompruebaHoja(const Proyecto& inicial, HojaResultados hoja)
{
    const double faZanja[11] = {4.0, 2.8, 2.3, 3.0, 2.2, 2.0, 2.1, 1.9, 1.7, 1.5, 1.1};
    Proyecto p = inicial;
    RespondeNo respuesta;
    const MatrizResultados matriz = RellenaResultados(p, respuesta, hoja);
    ASSERT_EQ(matriz.size(), hoja == HojaResultados::Zanjas ? 11u : 3u);
    int noes = 0;
    for (int fila = 1; fila <= FilasHoja(hoja); ++fila) {
        for (int columna = 1; columna <= 6; ++columna) {
            SCOPED_TRACE(testing::Message() << "fila " << fila << " columna " << columna);
            Proyecto copia = inicial;
            const auto clase = static_cast<std::uint8_t>(fila);
            const double fa = hoja == HojaResultados::Zanjas
                                  ? faZanja[fila - 1]
                                  : *CalculaFa(copia, copia.InstalacionIndex, clase);
            double x = Calcula(copia, static_cast<std::uint8_t>(columna - 1), fa).carga;
            std::string texto, factor, esperada;
            if (inicial.ModoCalculo == 1) {
                esperada = ClaseUNE(x, inicial.Di);
                texto = (esperada == "NO" ? "NO" : "C " + esperada) + "   " + TextoCelda(x);
            } else {
                ClaseASTM(x, factor, esperada, x / 1.5);
                texto = (esperada == "NO" ? "NO" : "Clase " + esperada) + " " + TextoCelda(x);
            }
            noes += esperada == "NO";
            const CeldaResultado& celda = matriz[fila - 1][columna - 1];
            EXPECT_EQ(celda.texto, texto);
            EXPECT_TRUE(celda.color == ColorClase(esperada));
        }
    }
    EXPECT_TRUE(noes > 0 || hoja == HojaResultados::Terraplen);
    // La sexta columna usa el peso tecleado, aunque las tabuladas lo hayan cambiado.
    EXPECT_EQ(p.gamma, inicial.gamma);
}

TEST(RellenaResultados, CadaCeldaConSuCamaYSuRelleno)
{
    {
        SCOPED_TRACE("zanjas UNE");
        CompruebaHoja(CasoHoja(1), HojaResultados::Zanjas);
    }
    {
        SCOPED_TRACE("zanjas ASTM");
        CompruebaHoja(CasoHoja(2), HojaResultados::Zanjas);
    }
    {
        SCOPED_TRACE("terraplen UNE");
        Proyecto p = CasoHoja(1);
        p.InstalacionIndex = InstalacionTerraplen;
        p.hr1 = 0.6;
        CompruebaHoja(p, HojaResultados::Terraplen);
    }
}

TEST(RellenaResultados, TextosDeLasCeldas)
{
    // Zanja estrecha de arena arcillosa: qr = 32.769 kN/m con Di = 0.5 m.
    Proyecto p = CasoZanja();
    RespondeNo respuesta;
    const char* const esperados[3][2] = {{"", ""},
                                         {"C 90      24.58", "C 90      89.37"},
                                         {"Clase I    24.58", "Clase III    89.37"}};
    for (std::uint8_t modo = 0; modo < 3; ++modo) {
        p.ModoCalculo = modo;
        const MatrizResultados matriz = RellenaResultados(p, respuesta, HojaResultados::Zanjas);
        EXPECT_EQ(matriz[0][2].texto, esperados[modo][0]);   // Fa 4.0
        EXPECT_EQ(matriz[10][2].texto, esperados[modo][1]);  // Fa 1.1
    }
}

TEST(RellenaResultados, CargaNulaOCalculoFallidoMuestraError)
{
    const struct {
        const char* nombre;
        HojaResultados hoja;
        std::uint8_t instalacion;
        double hr, Di;
    } casos[] = {
        {"sin relleno la carga es 0", HojaResultados::Zanjas, InstalacionZanja, 0, 0.5},
        {"Di nulo", HojaResultados::Zanjas, InstalacionZanja, 3.0, 0},
        {"factor de apoyo imposible", HojaResultados::Terraplen, InstalacionTerraplen, 0, 0.5}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto p = CasoZanja();
        p.InstalacionIndex = caso.instalacion;
        p.hr1 = 0.3;
        p.hr = caso.hr;
        p.Di = caso.Di;
        p.ModoCalculo = 1;
        RespondeNo respuesta;
        for (const auto& fila : RellenaResultados(p, respuesta, caso.hoja))
            for (const auto& celda : fila)
                EXPECT_EQ(celda.texto, "error");
    }
    // Con carga 0 la celda conserva el color de la clase que le tocaría.
    Proyecto p = CasoZanja();
    p.hr = 0;
    p.ModoCalculo = 1;
    RespondeNo respuesta;
    EXPECT_TRUE(RellenaResultados(p, respuesta, HojaResultados::Zanjas)[0][0].color ==
                ColorClase("90"));
}

}  // namespace
