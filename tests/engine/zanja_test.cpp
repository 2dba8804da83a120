#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "ayudas_pruebas.h"
#include "zanja.h"

namespace {

const std::string Min02 =
    "El resguardo lateral de la zanja ha de ser como mínimo 0.2, que esta en función "
    "del diámetro nominal instalado. Por tanto será corregido automaticamente";
std::string Recomienda(const std::string& minimo)
{
    return "Es recomendable que el resguardo lateral de la zanja sea, como mínimo un valor igual "
           "a " +
           minimo +
           " que está en función del diámetro nominal instalado. Por tanto será corregido "
           "automáticamente.";
}
const std::string Angulo =
    "Como angulo seleccionado es menor o igual a 60º se recomienda que el resguardo "
    "lateral sea como mínimo 0,2";
const std::optional<double> Nada;

TEST(ResguardoMinimoDe, PorAnguloYBandaDelDiametro)
{
    // Talud H:V con 57.29 grados por radián: 56:97 da 59.995° (60.0013° de verdad).
    const std::tuple<double, double, double, double> casos[] = {
        {1, 5, 0.35, 0.25}, {1, 5, 0.351, 0.35}, {1, 5, 0.7, 0.35}, {1, 5, 0.701, 0.43},
        {1, 5, 1.2, 0.43},  {1, 5, 1.201, 0.5},  {3, 5, 2.0, 0.2},  {56, 97, 2.0, 0.2},
        {15, 26, 2.0, 0.5}, {1, 1, 0.3, 0.2}};
    for (const auto& [H, V, Di, minimo] : casos)
        EXPECT_EQ(ResguardoMinimoDe(AnguloTaludGrados(H, V), Di), minimo)
            << H << ":" << V << " Di " << Di;
    EXPECT_NEAR(AnguloTaludGrados(56, 97), 59.995, 0.001);
    EXPECT_EQ(ResguardoMinimoDe(60, 2.0), 0.2);
    EXPECT_EQ(ResguardoMinimoDe(60.0001, 2.0), 0.5);
}

TEST(CasillasDelTalud, EnterosDe1A99YResguardoHasta100)
{
    using C = ComponenteTecleada::Accion;
    const std::tuple<const char*, C, long long> componentes[] = {
        {"99", C::Toma, 99},    {"1", C::Toma, 1},      {"", C::Espera, 0},
        {"-", C::Espera, 0},    {"0", C::Restaura, 0},  {"100", C::Restaura, 0},
        {"5x", C::Restaura, 0}, {"2.5", C::Restaura, 0}};
    for (const auto& [texto, accion, k] : componentes) {
        const ComponenteTecleada leida = LeeComponenteTalud(LeeEnteroTecleado(texto));
        EXPECT_TRUE(leida.accion == accion && leida.k == k) << texto;
    }
    using R = ResguardoTecleado::Accion;
    const std::tuple<const char*, R, double, const char*> resguardos[] = {
        {"0.5", R::Toma, 0.5, ""},
        {"0,35", R::Toma, 0.35, ""},
        {"0", R::Toma, 0, ""},
        {"100", R::Toma, 100, ""},
        {"100.001", R::Restaura, 0, "Valor no válido"},
        {"1e308", R::Restaura, 0, "Valor no válido"},
        {"-0.1", R::Ignora, 0, ""},
        {"abc", R::Restaura, 0, ""},
        {"", R::Espera, 0, ""},
        {"3e-", R::Espera, 0, ""}};
    for (const auto& [texto, accion, resguardo, mensaje] : resguardos) {
        const ResguardoTecleado leido = LeeResguardoTecleado(LeeTecleado(texto));
        EXPECT_TRUE(leido.accion == accion && leido.resguardo == resguardo &&
                    leido.mensaje == mensaje)
            << texto;
    }
    // Flechas: ni 0 ni 100.
    const std::tuple<double, bool, std::optional<long long>> giros[] = {{98, true, 99},
                                                                        {99, true, std::nullopt},
                                                                        {2, false, 1},
                                                                        {1, false, std::nullopt},
                                                                        {0, true, 1}};
    for (const auto& [actual, sube, k] : giros)
        EXPECT_EQ(GiraComponente(actual, sube), k) << actual << " " << sube;
}

TEST(AvisosDelResguardo, AlSalirYAlSeleccionar)
{
    // Al salir de la casilla: x, ángulo, mínimo propuesto.
    const std::tuple<std::optional<double>, double, double, std::string, bool, double> salidas[] = {
        {0.1, 45, 0.2, Min02, false, 0.2},
        {0.2, 45, 0.2, "", false, 0},
        {0.1, 78.69, 0.35, Recomienda("0.35"), true, 0.35},
        {0.35, 78.69, 0.35, "", false, 0},
        {0.3, 45, 0.35, Recomienda("0.35"), true, 0.35},
        {Nada, 45, 0.2, "", false, 0}};
    for (const auto& [x, angulo, minimo, mensaje, confirma, queda] : salidas) {
        const AvisoResguardo a = CompruebaSalidaResguardo(x, angulo, minimo);
        EXPECT_TRUE(a.mensaje == mensaje && a.confirma == confirma && a.resguardo == queda)
            << x.value_or(-1) << " " << angulo;
    }
    // Al seleccionar: x, ángulo, Di, resguardo en uso.
    const std::tuple<std::optional<double>, double, double, double, std::string, bool, bool, double>
        selecciones[] = {{0.1, 45, 0.5, 0.1, Min02, false, true, 0.2},
                         {0.2, 45, 0.5, 0.2, "", false, false, 0.2},
                         {0.199, 60, 0.5, 0.3, Min02, false, true, 0.2},
                         {0.3, 78.69, 0.5, 0.3, Recomienda("0.35"), true, false, 0.35},
                         {0.35, 78.69, 0.5, 0.2, "", false, false, 0.35},
                         {0.4, 78.69, 1.3, 0.4, Recomienda("0.5"), true, false, 0.5},
                         {Nada, 78.69, 0.5, 0.1, "", false, false, 0.1}};
    for (const auto& [x, angulo, Di, actual, mensaje, confirma, abierto, queda] : selecciones) {
        const ResguardoElegido e = ResguardoAlSeleccionar(x, angulo, Di, actual);
        EXPECT_TRUE(e.mensaje == mensaje && e.confirma == confirma && e.quedaAbierto == abierto &&
                    e.resguardo == queda)
            << x.value_or(-1) << " " << angulo << " Di " << Di;
    }
    // Talud cambiado desde el repintado: H, V y el resguardo que se ve.
    const std::tuple<bool, std::optional<double>, std::optional<double>, std::optional<double>,
                     std::string, std::string>
        taludes[] = {{true, 1, 1, 0.1, Angulo, Recomienda("0,2")},
                     {true, 1, 1, 0.2, Angulo, ""},
                     {true, 3, 5, Nada, Angulo, ""},
                     {true, 1, 2, 0.1, "", ""},
                     {false, 1, 1, 0.1, "", ""},
                     {true, Nada, 1, 0.1, "", ""}};
    for (const auto& [cambiado, H, V, r, aviso, pregunta] : taludes) {
        const AvisoTalud a = AvisoTaludAlSeleccionar(cambiado, H, V, r);
        EXPECT_TRUE(a.aviso == aviso && a.pregunta == pregunta &&
                    a.resguardo == (pregunta.empty() ? 0 : 0.2))
            << cambiado << " " << H.value_or(0) << ":" << V.value_or(0) << " r " << r.value_or(-1);
    }
}

// El rótulo dice la anchura que se elige, con los tres decimales de su casilla.
TEST(AnchuraZanjaTalud, CamaPorTerrenoYRotuloComoLaCasilla)
{
    // Di, De, apoyo directo, H:V, resguardo: c y b en suelo y en roca y sus rótulos.
    const std::tuple<double, double, int, double, double, double, double, double, bool, double,
                     double, const char*>
        casos[] = {
            {1.0, 1.218, 0, 1, 5, 0.43, 0.1, 0.23, true, 2.6052, 2.6572, "2.605 m. 2.657 m."},
            {1.0, 1.218, 1, 1, 5, 0.43, 0, 0, false, 2.5652, 2.5652, "2.565 m. 2.565 m."},
            {0.3, 0.4, 0, 3, 2, 0.2, 0.1, 0.15, true, 2.3, 2.45, "2.3 m. 2.45 m."},
            {0.32, 0.4285, 0, 1, 5, 0.3, 0.1, 0.15, true, 1.2399, 1.2599, "1.24 m. 1.26 m."},
            {0.7, 0.84, 0, 1, 1, 0.2, 0.1, 0.15, true, 3.12, 3.22, "3.12 m. 3.22 m."},
            {1.51, 1.81, 0, 1, 1, 0.2, 0.15, 0.3, true, 6.13, 6.43, "6.13 m. 6.43 m."}};
    for (const auto& [Di, De, directo, H, V, resguardo, cSuelo, cRoca, conRoca, bSuelo, bRoca,
                      rotulos] : casos) {
        Proyecto p = Nuevo();
        p.Di = Di, p.De = De, p.ApoyoDirecto = static_cast<std::uint8_t>(directo);
        p.TaludH = H, p.TaludV = V, p.Resguardo = resguardo;
        const EspesoresTalud e = EspesoresCamaTalud(p);
        EXPECT_TRUE(e.suelo == cSuelo && e.roca == cRoca && e.conRoca == conRoca) << Di;
        const double suelo = AnchuraZanjaTalud(p, e.suelo).value();
        const double roca = AnchuraZanjaTalud(p, e.roca).value();
        EXPECT_NEAR(suelo, bSuelo, 1e-12) << Di;
        EXPECT_NEAR(roca, bRoca, 1e-12) << Di;
        EXPECT_EQ(RotuloAnchura(suelo) + " " + RotuloAnchura(roca), rotulos) << Di;
    }
    Proyecto p = Nuevo();
    p.TaludV = 0;
    EXPECT_FALSE(AnchuraZanjaTalud(p, 0.1).has_value());
}

TEST(CompruebaB, CorreccionPorDiYConsejoPorDe)
{
    // Más estrecha que De: resguardo por bandas de Di.
    // Las bandas, en ResguardoMinimoDe.
    const std::tuple<double, double, double, const char*, double> estrechas[] = {
        {0.35, 0.45, 0.4, "0.25", 0.95}, {1.201, 1.45, 1.4, "0.5", 2.45}};
    for (const auto& [Di, De, b, resguardo, propuesta] : estrechas) {
        Proyecto p = Nuevo();
        p.Di = Di, p.De = De, p.b = b;
        const CorreccionAnchura r = CorrigeAnchuraZanja(p);
        EXPECT_EQ(
            r.pregunta,
            "La zanja debe ser mayor que el diámetro exterior (De) del tubo. Se aconseja dejar " +
                std::string(resguardo) + "m a ambos lados, para De=" + TextoNumero(De) +
                "m. ¿Desea que se corrija automáticamente?")
            << Di;
        EXPECT_NEAR(r.b, propuesta, 1e-12) << Di;
    }
    // Sin corrección: b = De, De de 0.01 o menos.
    for (const auto& [De, b] : {std::pair{0.6, 0.6}, {0.01, 0.005}}) {
        Proyecto p = Nuevo();
        p.Di = 0.5, p.De = De, p.b = b;
        EXPECT_EQ(CorrigeAnchuraZanja(p).pregunta, "") << De << " " << b;
    }

    // Consejo: bandas de De (fuera de ellas nada) y b justo por debajo y en De + 2·resguardo.
    const std::tuple<double, double, int, int, const char*> consejos[] = {
        {0.499, 0.998, 0, 1, "0.25"}, {0.499, 0.999, 0, 1, ""},    {0.5, 0.6, 0, 1, ""},
        {0.74, 0.8, 0, 1, ""},        {0.741, 1.44, 0, 1, "0.35"}, {0.8, 1.499, 2, 1, "0.35"},
        {0.8, 1.5, 0, 1, ""},         {0.801, 0.9, 0, 1, ""},      {0.95, 1.0, 0, 1, ""},
        {0.951, 1.8, 0, 1, "0.43"},   {1.5, 2.359, 0, 1, "0.43"},  {1.5, 2.36, 0, 1, ""},
        {1.501, 2.5, 0, 1, "0.5"},    {1.501, 2.501, 0, 1, ""},    {1.6, 1.6, 0, 1, "0.5"},
        {1.6, 1.599, 0, 1, ""},       {1.6, 2.0, 1, 1, ""},        {1.6, 2.0, 0, 0, ""},
        {0.4, 0.4, 3, 1, "0.25"},     {0.01, 0.3, 0, 1, ""}};
    for (const auto& [De, b, instalacion, aviso, resguardo] : consejos) {
        Proyecto p = Nuevo();
        p.Di = 0.3, p.De = De, p.b = b;
        p.InstalacionIndex = static_cast<std::uint8_t>(instalacion);
        p.AvisoAnchura = static_cast<std::uint8_t>(aviso);
        const std::string esperado =
            *resguardo ? "Es recomendable mantener al menos " + std::string(resguardo) +
                             " m. a ambos lados del tubo. ¿Quiere mantener activado este aviso?"
                       : "";
        EXPECT_EQ(ConsejoAnchuraZanja(p), esperado) << De << " " << b;
    }
}

}  // namespace
