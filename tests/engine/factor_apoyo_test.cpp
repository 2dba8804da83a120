#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ayudas_pruebas.h"
#include "factor_apoyo.h"
#include "numero.h"
#include "relleno.h"

namespace {

TEST(EligeCama, FactorCodigoYAlturasMinimas)
{
    const std::string directo = "Como usted selecciono Apoyo Directo, el valor del ancho de zanja "
                                "debe ser recalculado.¿Desea abrir la ventana de ancho de zanja?";
    const auto Z = InstalacionZanja, ZT = InstalacionZanjaTerraplenada;
    // Botón, instalación, hr, h''r, Fa, código, lo que queda en hr y h''r y el texto de sus
    // casillas ("" si no se tocan).
    const std::tuple<int, std::uint8_t, double, double, const char*, int, double, const char*,
                     double, const char*>
        casos[] = {
            {1, Z, 2, 0.5, "4", 3, 2, "", 0.5, ""},
            {2, Z, 2, 0.5, "3", 4, 2, "", 0.5, ""},
            {3, Z, 2, 0.5, "2.8", 5, 2, "", 0.5, ""},
            {4, Z, 2, 0.5, "2.2", 6, 2, "", 0.5, ""},
            {5, Z, 2, 0.5, "2.3", 7, 2, "", 0.5, ""},
            {6, Z, 2, 0.5, "2", 8, 2, "", 0.5, ""},
            {7, Z, 2, 0.5, "1.9", 10, 2, "", 0.5, ""},
            {8, Z, 2, 0.5, "2.1", 9, 2, "", 0.5, ""},
            {9, Z, 2, 0.5, "1.7", 11, 2, "", 0.5, "0.5"},  // siempre se reescribe
            {10, Z, 2, 0.5, "1.5", 12, 2, "", 0.5, "0.5"},
            {11, Z, 2, 0.5, "1.1", 13, 2, "", 0.5, "0.5"},
            // hr en zanja: 0.5 como mínimo; en zanja terraplenada no.
            {1, Z, 0.49999, 0.5, "4", 3, 0.5, "0.5", 0.5, ""},
            {1, Z, 0.5, 0.5, "4", 3, 0.5, "", 0.5, ""},
            {1, ZT, 0.3, 0.5, "4", 3, 0.3, "", 0.5, ""},
            // h''r: 0.30 como mínimo.
            {3, ZT, 2, 0.29999, "2.8", 5, 2, "", 0.3, "0.30"},
            {3, ZT, 2, 0.3, "2.8", 5, 2, "", 0.3, ""},
            // Camas de 90 grados y directa: h''r como mínimo max(hr/8, 0.3).
            {9, ZT, 4, 0.1, "1.7", 11, 4, "", 0.5, "0.5"},
            {9, ZT, 2, 0.1, "1.7", 11, 2, "", 0.3, "0.3"},
            {10, ZT, 2.4, 0, "1.5", 12, 2.4, "", 0.3, "0.3"},
            {10, ZT, 2.41, 0, "1.5", 12, 2.41, "", 0.30125, "0.301"},
            {10, ZT, 4, 0.8, "1.5", 12, 4, "", 0.8, "0.8"},
            {11, Z, 0.3, 0, "1.1", 13, 0.5, "0.5", 0.3, "0.3"},
        };
    for (const auto& [boton, instalacion, hr, h2r, textoFa, tipo, quedaHr, textoHr, quedaH2r,
                      textoH2r] : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = instalacion;
        p.hr = hr, p.h2r = h2r;
        const EleccionCama e = EligeCama(p, boton);
        EXPECT_EQ(std::tie(e.textoFa, e.tipo, e.hr, e.textoHr, e.h2r, e.textoH2r),
                  std::make_tuple(std::string(textoFa), tipo, quedaHr, std::string(textoHr),
                                  quedaH2r, std::string(textoH2r)))
            << "botón " << boton << " hr " << hr << " h2r " << h2r;
        EXPECT_EQ(e.fa, LeeNumero(textoFa).valor) << boton;
        EXPECT_TRUE(e.apoyoDirecto == (boton == 11) && e.pregunta == (boton == 11 ? directo : ""))
            << boton;
    }
}

TEST(MedidasDeCama, CunaYMinimoSobreLaClave)
{
    // Tubo de De 0.4 m: cunas De/2, De/4 y De/6; mínimo max(hr/8, 0.30) en 9 a 11.
    const std::tuple<int, double, const char*, const char*> casos[] = {
        {1, 4, "0.2", "0.30"},     {2, 2, "0.2", "0.30"},       {3, 2, "0.1", "0.30"},
        {6, 2, "0.067", "0.30"},   {7, 2, "0.2", "0.30"},       {8, 2, "", "0.30"},
        {9, 2.4, "0.067", "0.30"}, {9, 2.41, "0.067", "0.301"}, {10, 4, "0.067", "0.5"},
        {11, 4, "", "0.5"},        {11, 2, "", "0.30"},
    };
    for (const auto& [boton, hr, cuna, minimo] : casos) {
        const MedidasCama m = MedidasDeCama(boton, 0.4, hr);
        EXPECT_EQ(m.cuna, cuna) << boton << " " << hr;
        EXPECT_EQ(m.minimo, minimo) << boton << " " << hr;
    }
    EXPECT_STREQ(CamaDeBoton(5).titulo, "Fap=2.3");
}

TEST(EspesorCamaTerraplen, PorBaseYDiametro)
{
    // Sobre roca, las bandas de EspesorCamaMinimo; en otra base, 0.08 hasta Di 0.7.
    const std::tuple<std::uint8_t, double, double> casos[] = {
        {0, 0.7, 0.15}, {1, 0.7, 0.08}, {1, 0.701, 0.1}, {1, 1.6, 0.15}, {2, 0.5, 0.08}};
    for (const auto& [base, Di, c] : casos)
        EXPECT_EQ(EspesorCamaTerraplen(base, Di), c) << int(base) << " " << Di;
}

TEST(MedidasDeClases, RotulosYClasesOfrecidas)
{
    // De 0.4, Di 0.3, n 0.5 y C 0.1.
    const MedidasClases m = MedidasDeClases(0.4, 0.3, 0.5, 0.1);
    EXPECT_EQ(std::string(m.a[0] + "|" + m.a[1] + "|" + m.a[2] + "|" + m.a[3]),
              "0.6 m|0.2 m|0.1 m|0.075 m");
    EXPECT_EQ(std::string(m.b[0] + "|" + m.b[1] + "|" + m.b[2] + "|" + m.b[3]),
              "0.5 m|0.2 m|0.16 m|0.1 m");
    EXPECT_EQ(std::string(m.c[0] + "|" + m.c[1] + "|" + m.c[2] + "|" + m.c[3]),
              "0.5 m|0.2 m|0.068 m|0.1 m");
    EXPECT_EQ(m.d, "0.2 m");
    const std::tuple<double, bool, bool> casos[] = {
        {0.601, true, true}, {0.602, false, true}, {0.83, false, true}, {0.831, false, false}};
    for (const auto& [n, claseB, claseC] : casos) {
        const MedidasClases c = MedidasDeClases(1.218, 1, n, 0.23);
        EXPECT_EQ(c.claseB, claseB) << n;
        EXPECT_EQ(c.claseC, claseC) << n;
    }
}

// Tubo de Di 1 m (De 1.218 m) con h'r = n·De y zanja inducida de b2 2 y hr2 1.
Proyecto CasoClase(std::uint8_t instalacion, double hr, double n)
{
    Proyecto p = Nuevo();
    p.InstalacionIndex = instalacion;
    p.Di = 1, p.De = 1.218, p.hr = hr, p.hr1 = n * 1.218, p.b2 = 2, p.hr2 = 1;
    return p;
}

TEST(RotuloFaClase, FactorConTopeDeOchoOSinFactor)
{
    const std::tuple<std::uint8_t, double, double, std::uint8_t, double, double, const char*,
                     double>
        casos[] = {
            // Sin proyección Fa = 1.431/N.
            {InstalacionTerraplen, 3, 0, 1, 2, 1, "Fa = 2.834", 2.833663366},
            {InstalacionTerraplen, 3, 0, 2, 2, 1, "Fa = 2.024", 2.024045262},
            {InstalacionTerraplen, 3, 0, 3, 2, 1, "Fa = 1.704", 1.703571429},
            {InstalacionTerraplen, 3, 0, 4, 2, 1, "Fa = 1.092", 1.092366412},
            // Tope de 8 a ambos lados.
            {InstalacionTerraplen, 0.711, 0.9, 1, 2, 1, "Fa = 8", 8},
            {InstalacionTerraplen, 0.712, 0.9, 1, 2, 1, "Fa = 7.996", 7.996297713},
            // Un factor negativo no es un factor.
            {InstalacionTerraplen, 0.3, 0.9, 1, 2, 1, "Fa = --", 0},
            {InstalacionZanjaInducida, 3, 0.45, 1, 2, 1, "Fa = 4.229", 4.228592839},
            {InstalacionZanjaInducida, 3, 0.45, 4, 2, 1, "Fa = 1.158", 1.158485474},
            {InstalacionZanjaInducida, 3, 0.45, 1, 0.01, 0.01, "Fa = 3.946", 3.945875923},
            {InstalacionZanjaInducida, 3, 0.45, 1, 2, 0.0099, "Fa = --", -1},
            {InstalacionZanjaInducida, 3, 0.45, 1, 0.0099, 1, "Fa = --", -1},
        };
    for (const auto& [instalacion, hr, n, clase, b2, hr2, rotulo, fa] : casos) {
        Proyecto p = CasoClase(instalacion, hr, n);
        p.b2 = b2, p.hr2 = hr2;
        EXPECT_EQ(RotuloFaClase(p, clase), rotulo) << hr << " " << int(clase);
        if (fa >= 0) {
            EXPECT_NEAR(FactorClaseTerraplen(p, clase), fa, 1e-9) << hr;
        }
    }
    // Sin diámetro, o relleno de usuario sin rozamiento (λ·μ nulo).
    Proyecto p = CasoClase(InstalacionTerraplen, 3, 0.5);
    p.RellenoIndex = RellenoUsuario;
    EXPECT_EQ(RotuloFaClase(p, 1), "Fa = --");
    EXPECT_EQ(FactorClaseTerraplen(p, 1), 0);
    p = CasoClase(InstalacionTerraplen, 3, 0.5);
    p.De = 0;
    EXPECT_EQ(RotuloFaClase(p, 1), "Fa = --");
}

TEST(EligeClaseTerraplen, CodigoLetraYAlturaSobreLaBase)
{
    const std::tuple<std::uint8_t, double, double, int, const char*, const char*, double> casos[] =
        {{1, 0.45, 1.218, 0, "A", "0.548", 0.548},
         {2, 0.3, 0.4, 1, "B", "0.12", 0.12},
         {3, 0.83, 1.218, 2, "C", "1.011", 1.011},
         {4, 0, 1.218, 3, "D", "0", 0}};
    for (const auto& [clase, n, De, tipo, letra, textoHr1, hr1] : casos) {
        const EleccionClase e = EligeClaseTerraplen(clase, n, De);
        EXPECT_EQ(std::tie(e.tipo, e.letra, e.textoHr1, e.hr1),  // hr1, como la muestra su casilla
                  std::make_tuple(tipo, std::string(letra), std::string(textoHr1), hr1));
    }
    for (const auto& [letra, clase] : {std::pair{"A", 1}, {"D", 4}, {"", 0}, {"E", 0}, {"a", 0}})
        EXPECT_EQ(ClaseDeLetra(letra), clase) << letra;
}

// El Fa de una clase sigue a los datos en toda instalación de terraplén, con tres
// decimales y el tope de 8; sin los datos de su fórmula es 0; un Fa tecleado o
// de una cama no se toca.
TEST(FaDeLaClase, SigueALosDatosSoloConClase)
{
    const std::tuple<std::uint8_t, double, double, double, double, int, double> casos[] = {
        // instalación, hr, n, b2, hr2, Tipo → Fa (-1: no se rehace)
        {InstalacionTerraplen, 3, 0.5, 2, 1, 1, 2.205},
        {InstalacionTerraplen, 3, 0.5, 0, 0, 1, 2.205},  // sin b2 ni hr2, también
        {InstalacionTerraplen, 6, 0.5, 0, 0, 1, 2.188},
        {InstalacionTerraplen, 0.3, 0.9, 2, 1, 0, 0},  // factor negativo
        {InstalacionZanjaInducida, 3, 0.45, 2, 1, 3, 1.158},
        {InstalacionZanjaInducida, 3, 0.45, 0, 1, 3, 0},  // sin b2 no hay fórmula
        {InstalacionTerraplen, 3, 0.5, 2, 1, 14, -1},     // tecleado
        {InstalacionZanja, 3, 0.5, 2, 1, 1, -1},
        {InstalacionZanjaTerraplenada, 3, 0.5, 2, 1, 3, -1},  // la cama 1, no la clase D
    };
    for (const auto& [instalacion, hr, n, b2, hr2, tipo, fa] : casos) {
        Proyecto p = CasoClase(instalacion, hr, n);
        p.b2 = b2, p.hr2 = hr2, p.Tipo = static_cast<std::int8_t>(tipo);
        EXPECT_EQ(FaDeLaClase(p).value_or(-1), fa) << int(instalacion) << " " << hr << " " << tipo;
    }
}

// La clase B hasta h'r/De 0.6 y la C hasta 0.83, con el medio milímetro de h'r guardada.
TEST(ClaseFueraDeProyeccion, ComoLasOfreceElDialogo)
{
    const std::string b = "La clase de apoyo B solo se admite con h'r/De hasta 0.6 y h'r/De vale "
                          "0.7: elija otra clase o corrija h'r.";
    const std::tuple<int, double, std::string> casos[] = {
        {1, 0.601, ""}, {1, 0.6014, ""}, {1, 0.7, b}, {2, 0.83, ""}, {0, 1, ""}, {3, 1, ""}};
    for (const auto& [tipo, n, rechazo] : casos) {
        Proyecto p = CasoClase(InstalacionTerraplen, 3, n);
        p.Tipo = static_cast<std::int8_t>(tipo);
        EXPECT_EQ(ClaseFueraDeProyeccion(p), rechazo) << tipo << " " << n;
    }
}

TEST(LeeFactorApoyo, SoloUnValorNuevoCambiaYEsTecleado)
{
    const std::tuple<double, double, bool, double> casos[] = {
        {2.3, 0, true, 2.3}, {-2.3, 0, true, 2.3}, {2.3, 2.3, false, 2.3}, {0, 0, false, 0}};
    for (const auto& [leido, actual, cambia, fa] : casos) {
        const FactorTecleado t = LeeFactorApoyo(leido, actual);
        EXPECT_EQ(t.cambia, cambia) << leido << " " << actual;
        EXPECT_EQ(t.fa, fa);
        EXPECT_EQ(t.tipo.value_or(-1), cambia ? 14 : -1) << leido;
    }
}

}  // namespace

TEST(ProyeccionTerraplen, InicialCasillaYFlechas)
{
    Proyecto p = Nuevo();
    const std::tuple<double, double, double, double> iniciales[] = {
        // De, h'r, n guardado → n inicial (h'r/De, entre 0 y 1; sin tubo, el guardado)
        {0.6, 0.3, 0.9, 0.5},
        {0.6, 0.9, 0.2, 1.0},
        {0.0009, 0.3, 0.7, 0.7},
        {0.001, 0, 0.7, 0}};
    for (const auto& [De, hr1, n, inicial] : iniciales) {
        p.De = De, p.hr1 = hr1, p.n = n;
        EXPECT_DOUBLE_EQ(ProyeccionInicial(p), inicial) << De << " " << hr1;
    }
    EXPECT_TRUE(ProyeccionValida(0) && ProyeccionValida(1));
    EXPECT_FALSE(ProyeccionValida(-0.001) || ProyeccionValida(1.001));
    const std::tuple<double, int, std::optional<double>> giros[] = {
        {0.5, +1, 0.51}, {0.99, +1, 1.0}, {0.995, +1, std::nullopt},
        {0.5, -1, 0.49}, {0.01, -1, 0.0}, {0.005, -1, std::nullopt}};
    for (const auto& [n, sentido, queda] : giros) {
        const std::optional<double> girado = GiraProyeccion(n, sentido);
        ASSERT_EQ(girado.has_value(), queda.has_value()) << n << " " << sentido;
        if (queda) {
            EXPECT_NEAR(*girado, *queda, 1e-12) << n << " " << sentido;
        }
    }
}
