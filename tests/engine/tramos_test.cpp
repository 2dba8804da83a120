#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>

#include "ayudas_pruebas.h"
#include "factor_apoyo.h"
#include "numero.h"
#include "tramos.h"

namespace {

Tramo Lee(std::vector<CeldaTramo> celdas, const Proyecto& base = TuboNormalizado())
{
    celdas.insert(celdas.begin(), {ColumnaTramo::Tramo, "T1"});
    return LeeTramo(base, celdas);
}

std::string Unidos(const std::vector<std::string>& textos)
{
    std::string r;
    for (const std::string& t : textos)
        r += (r.empty() ? "" : " | ") + t;
    return r;
}

// Los campos que cambian las celdas, con doce cifras; los cambios "campo=valor" dados, en su lugar.
std::map<std::string, std::string> Campos(const Proyecto& p, const std::string& cambios = "")
{
    std::ostringstream t;
    t << std::setprecision(12) << "hr=" << p.hr << " b=" << p.b << " b2=" << p.b2 << " Di=" << p.Di
      << " Es=" << p.Es << " De=" << p.De << " Fa=" << p.Fa << " Tipo=" << int(p.Tipo)
      << " Relleno=" << int(p.RellenoIndex) << " Via=" << int(p.ViaIndex)
      << " Trafico=" << int(p.TraficoIndex) << " NVias=" << int(p.NVias) << " V=" << p.V << ' '
      << cambios;
    std::map<std::string, std::string> campos;
    std::istringstream pares(t.str());
    for (std::string par; pares >> par;)
        campos[par.substr(0, par.find('='))] = par.substr(par.find('=') + 1);
    return campos;
}

}  // namespace

// Cabeceras tal como las escribe una hoja de cálculo: mayúsculas, acentos, blancos,
// primas y apóstrofos autocorregidos.
TEST(Tramos, ReconoceLasCabeceras)
{
    const std::pair<const char*, std::optional<ColumnaTramo>> casos[] = {
        {"Tramo", ColumnaTramo::Tramo},     {"  pk INICIAL ", ColumnaTramo::PkInicial},
        {"H'R", ColumnaTramo::Hr1},         {"h\u2033r", ColumnaTramo::H2r},
        {"h\u2019r", ColumnaTramo::Hr1},    {"h\u2019\u2019r", ColumnaTramo::H2r},
        {"h\u201Dr", ColumnaTramo::H2r},    {"INSTALACION", ColumnaTramo::Instalacion},
        {"vía", ColumnaTramo::Via},         {"Vias", ColumnaTramo::NVias},
        {"trafico", ColumnaTramo::Trafico}, {"d", ColumnaTramo::D},
        {"Observaciones", std::nullopt},    {"", std::nullopt},
    };
    for (const auto& [cabecera, columna] : casos)
        EXPECT_EQ(ColumnaDeCabecera(cabecera), columna) << cabecera;
}

// Cada celda pasa por la regla de su casilla o su lista; la vacía deja el caso base.
TEST(Tramos, AplicaLasCeldasComoLaVentana)
{
    using C = ColumnaTramo;
    const Proyecto base = TuboNormalizado();
    // Las celdas y lo que cambian respecto del caso base.
    const std::pair<std::vector<CeldaTramo>, const char*> cambios[] = {
        {{{C::Hr, ""}, {C::Relleno, " "}}, ""},
        {{{C::Hr, "2,5"}, {C::B, "1.1"}}, "hr=2.5 b=1.1"},
        {{{C::Hr, "-2"}}, "hr=2"},
        {{{C::Di, "800"}}, "Di=0.8 Es=0.092 De=0.984"},  // normalizado
        {{{C::Di, "800"}, {C::Es, "100"}}, "Di=0.8 Es=0.1 De=1"},
        {{{C::Di, "750"}}, "Di=0.75 De=0.884"},  // sin tabla
        {{{C::PkFinal, "-10000+000"}, {C::Di, "10000"}, {C::Hr, "0,001"}, {C::Fa, "8"}},
         "Di=10 De=10.134 hr=0.001 Fa=8 Tipo=14"},  // en los extremos
        {{{C::Relleno, "arenas y gravas"}, {C::Via, "vía uic 71"}, {C::Trafico, "FERROVIARIA"}},
         "Relleno=3 Via=2 Trafico=1"},        // sin mayúsculas ni acentos
        {{{C::Cama, "3"}}, "Fa=2.3 Tipo=7"},  // por su fila en la hoja
        {{{C::Cama, " granular, COMPACTADO, 180 "}}, "Fa=1.9 Tipo=10"},
        {{{C::Fa, "2,2"}}, "Fa=2.2 Tipo=14"},
        {{{C::NVias, "2"}, {C::V, "120"}}, "NVias=2 V=120"},
    };
    for (const auto& [celdas, cambia] : cambios) {
        const Tramo t = Lee(celdas, base);
        EXPECT_EQ(Unidos(t.errores), "") << cambia;
        EXPECT_EQ(Campos(t.proyecto), Campos(base, cambia));
    }
    // Las celdas rechazadas, con sus errores: no cambian nada.
    const auto di = [](const std::string& texto) {
        return "columna «Di»: «" + texto + "» no es admisible: debe estar entre 10 y 10000 mm";
    };
    const std::pair<std::vector<CeldaTramo>, std::string> rechazos[] = {
        {{{C::Hr, "2,5x"}, {C::B2, "1e"}, {C::B, "1.250,50"}},
         "columna «b»: «1.250,50» no es un número (no lleva separador de miles: «1250,50») | "
         "columna «hr»: «2,5x» no es un número | columna «b2»: «1e» no es un número"},
        {{{C::Di, "0"}}, di("0")},
        {{{C::Di, "1e308"}}, di("1e308")},
        {{{C::Di, "1e-320"}}, di("1e-320")},
        {{{C::B, "1e308"}, {C::Hr, "1e-320"}, {C::Fa, "0,5"}},
         "columna «b»: «1e308» no es admisible: debe ser 0 o estar entre 0.001 y 1000 m | "
         "columna «hr»: «1e-320» no es admisible: debe ser 0 o estar entre 0.001 y 1000 m | "
         "columna «Fa»: «0,5» no es admisible: debe ser 0 o estar entre 1 y 8"},
        {{{C::Compactador, "Vibrante"}},
         "columna «Compactador»: «Vibrante» no es de la lista («No aplicado», «Estático», "
         "«Dinámico»)"},
        {{{C::Cama, "12"}},
         "columna «Cama»: «12» no es una cama (su fila en la hoja de zanjas, de 1 a 11, o su "
         "nombre: «Hormigón / Compactado / 180º», «Hormigón / Compactado / 120º», «Hormigón / "
         "Compactado / 90º», «Hormigón / Selec. Sin Compactar / 180º», «Hormigón / Selec. Sin "
         "Compactar / 120º», «Hormigón / Selec. Sin Compactar / 90º», «Granular», «Granular / "
         "Compactado / 180º», «Granular / Compactado / 90º», «Granular / Selec. Sin Compactar / "
         "90º», «Apoyo directo»)"},
        {{{C::ClaseApoyo, "B"}},
         "columna «Clase de apoyo»: la clase de apoyo se elige en terraplén y zanja inducida; "
         "en zanja, la cama"},
        {{{C::PkInicial, "1+25"}}, "columna «PK inicial»: «1+25» no es un PK (metros, o «1+250»)"},
        {{{C::PkInicial, "10000+000,5"}, {C::PkFinal, "1e308"}},
         "columna «PK inicial»: «10000+000,5» no es admisible: debe estar entre -10000000 y "
         "10000000 m | columna «PK final»: «1e308» no es admisible: debe estar entre -10000000 "
         "y 10000000 m"},
        {{{C::Tramo, ""}}, "columna «Tramo»: falta el nombre del tramo"},
    };
    for (const auto& [celdas, errores] : rechazos) {
        const Tramo t = Lee(celdas, base);
        EXPECT_EQ(Unidos(t.errores), errores);
        EXPECT_EQ(Campos(t.proyecto), Campos(base)) << errores;
    }
}

// Otra instalación borra el factor, como la ventana: hay que darle una clase de
// apoyo, que fija el factor con la fórmula del terraplén y cambia con hr.
TEST(Tramos, ClaseDeApoyoEnTerraplen)
{
    using C = ColumnaTramo;
    const Tramo sinApoyo = Lee({{C::Instalacion, "Terraplén"}});
    EXPECT_EQ(sinApoyo.proyecto.InstalacionIndex, InstalacionTerraplen);
    EXPECT_EQ(sinApoyo.proyecto.Fa, 0);
    EXPECT_EQ(Unidos(CalculaTramo(sinApoyo).errores), "Debe indicar el Factor de Apoyo");

    Proyecto base = TuboNormalizado();
    base.b2 = 1, base.hr2 = 1, base.hr1 = 0.3;  // la fórmula de Fa los pide también en terraplén
    const Tramo claseB = Lee({{C::Instalacion, "TERRAPLEN"}, {C::ClaseApoyo, "b"}}, base);
    EXPECT_EQ(claseB.proyecto.Tipo, 1);
    EXPECT_EQ(claseB.proyecto.Fa, 2.169);  // con tres decimales, como su casilla
    const Tramo masAlto = Lee({{C::Hr, "6"}}, claseB.proyecto);
    EXPECT_EQ(masAlto.proyecto.Fa, 2.163);
    EXPECT_EQ(Unidos(Lee({{C::Cama, "2"}}, claseB.proyecto).errores),
              "columna «Cama»: la cama se elige en zanja y zanja terraplenada; en terraplén y "
              "zanja inducida, la clase de apoyo");
}

// Lo que la orden corrige se corrige y se anota; sus preguntas se responden No;
// sus rechazos y los fallos dejan el tramo sin calcular.
TEST(Tramos, CalculaComoLaOrden)
{
    using C = ColumnaTramo;
    // Las celdas y lo que da: "hr" calculada o "sin calcular", con cada error y cada nota.
    const std::pair<std::vector<CeldaTramo>, std::string> casos[] = {
        {{}, "hr 3"},
        {{{C::Hr, "0,3"}},
         "hr 0.5 · nota: Para garantizar un correcto reparto de las cargas, hr debe ser mayor o "
         "igual a 0.5 m,  por lo que se corrige automáticante el valor."},
        {{{C::Es, "50"}},
         "hr 3 · nota: La Norma UNE 127.010 recomienda un espesor de pared mínimo de 67 mm. "
         "¿Quiere mantener activado este aviso? (respondida No)"},
        {{{C::Cama, "apoyo directo"}},
         "hr 3 · nota: Como usted selecciono Apoyo Directo, el valor del ancho de zanja debe ser "
         "recalculado.¿Desea abrir la ventana de ancho de zanja? (respondida No)"},
        {{{C::Fa, "0"}}, "sin calcular · Debe indicar el Factor de Apoyo"},
        {{{C::Hr, "tres"}}, "sin calcular · columna «hr»: «tres» no es un número"},
        {{{C::Hr, "0"}}, "sin calcular · Error calculando la carga del relleno"},
        {{{C::Hr, "0,8"}, {C::Trafico, "Aeropuerto"}, {C::Aeropuerto, "Jumbo (3500 kN)"}},
         "hr 0.8 · nota: El tráfico aéreo (Jumbo (3500 kN)) no se cuenta: con hr = 0.8 m, menos "
         "de 1 m de relleno, no carga el tubo; se cuenta desde hr = 1 m."},
    };
    for (const auto& [celdas, resultado] : casos) {
        const TramoCalculado r = CalculaTramo(Lee(celdas));
        std::string visto = r.calculado ? "hr " + TextoNumero(r.proyecto.hr) : "sin calcular";
        for (const std::string& error : r.errores)
            visto += " · " + error;
        for (const std::string& nota : r.notas)
            visto += " · nota: " + nota;
        EXPECT_EQ(visto, resultado);
        EXPECT_EQ(!r.Clase(1).empty(), r.calculado) << resultado;
    }
}

// Los metros se suman por diámetro y clase, de menor a mayor; un tramo sin clase
// o con errores no cuenta, y un tramo de PK decrecientes mide lo mismo.
TEST(Tramos, SumaLosMetrosPorDiametroYClase)
{
    using C = ColumnaTramo;
    const std::vector<std::vector<CeldaTramo>> filas = {
        // El diámetro mayor primero: la misma clase de otro diámetro no se le suma.
        {{C::PkInicial, "150,5"}, {C::PkFinal, "200"}, {C::Di, "800"}, {C::B, "1,3"}},
        {{C::PkInicial, "0"}, {C::PkFinal, "100"}},
        {{C::PkInicial, "0+150,5"}, {C::PkFinal, "100"}},  // al revés y rotulado: 50.5 m
        {{C::PkInicial, "200"}, {C::PkFinal, "260"}, {C::Hr, "8"}, {C::Fa, "1,1"}},
        {{C::PkInicial, "260"}, {C::PkFinal, "300"}, {C::Hr, "mal"}},
        {{C::PkInicial, "300"}, {C::PkFinal, "330"}, {C::Fa, "0,3"}, {C::Hr, "8"}},  // ninguna
    };
    ResumenTramos resumen;
    std::string clases;
    for (const auto& celdas : filas) {
        const Tramo t = Lee(celdas);
        const TramoCalculado c = CalculaTramo(t);
        clases += c.Clase(1) + "/" + c.Clase(2) + " ";
        SumaTramo(resumen, t, c);
    }
    ASSERT_EQ(clases, "90/I 90/I 90/I 135/IV / / ");
    auto texto = [](const std::vector<MetrosClase>& lineas) {
        std::string r;
        for (const MetrosClase& m : lineas)
            r += std::to_string(static_cast<int>(m.Di)) + " " + m.clase + " " +
                 std::to_string(m.metros).substr(0, 5) + "; ";
        return r;
    };
    EXPECT_EQ(texto(resumen.une), "500 90 150.5; 500 135 60.00; 800 90 49.50; ");
    EXPECT_EQ(texto(resumen.astm), "500 I 150.5; 500 IV 60.00; 800 I 49.50; ");
}

// Filas que daban una clase que la ventana no daría: cada una, con lo que da ahora.
TEST(Tramos, ComoLaVentanaEnCadaFila)
{
    using C = ColumnaTramo;
    const Proyecto inducida = Ejemplo("zanja_inducida.txt");
    Proyecto terraplen = TuboNormalizado();
    terraplen.InstalacionIndex = InstalacionTerraplen, terraplen.Tipo = 0, terraplen.hr1 = 0.3;
    terraplen.Fa = *FaDeLaClase(terraplen);
    const std::vector<CeldaTramo> inducidaC = {{C::Di, "2500"},
                                               {C::Hr, "0,627"},
                                               {C::B2, "4,106"},
                                               {C::Hr2, "0,625"},
                                               {C::ClaseApoyo, "C"}};
    auto con = [](std::vector<CeldaTramo> celdas, CeldaTramo mas) {
        celdas.push_back(std::move(mas));
        return celdas;
    };
    const std::string usuario = "Definido por usuario";
    const struct {
        const char* caso;
        Proyecto base;
        std::vector<CeldaTramo> celdas;
        std::string resultado;  // "hr Fa carga UNE/ASTM", o el error
    } casos[] = {
        // hr sube a De y la clase rehace su Fa con esa hr (antes quedaba el de 0.627 m: UNE 60).
        {"zanja inducida, hr corregida", inducida, con(inducidaC, {C::Hr1, "2,46"}),
         "2.968 2.557 60.95 90/II"},
        // La clase C solo se ofrece hasta h'r/De 0.83.
        {"zanja inducida, clase C con h'r/De 0.837", inducida, con(inducidaC, {C::Hr1, "2,484"}),
         "La clase de apoyo C solo se admite con h'r/De hasta 0.83 y h'r/De vale 0.837: elija "
         "otra clase o corrija h'r."},
        // Terraplén sin b2 ni hr2: el Fa de la clase sigue a hr y a h'r (antes se
        // quedaba el de la base, 3.539).
        {"terraplén, otra hr", terraplen, {{C::Hr, "6"}}, "6 3.501 87.45 90/III"},
        {"terraplén, otra h'r", terraplen, {{C::Hr1, "0,6"}}, "3 4.027 41.18 90/I"},
        {"terraplén, h'r mayor que De",
         terraplen,
         {{C::Hr1, "0,7"}},
         "h´r debe ser menor o igual al diámetro exterior (De) del tubo."},
        {"peso específico negativo",
         TuboNormalizado(),
         {{C::Relleno, usuario}, {C::Fi, "30"}, {C::Fi1, "30"}, {C::Gamma, "-19"}},
         "columna «gamma»: «-19» no es admisible: el peso específico del relleno (γ) no puede "
         "ser negativo"},
        {"rozamiento de 95°",
         TuboNormalizado(),
         {{C::Relleno, usuario}, {C::Fi, "95"}, {C::Fi1, "30"}, {C::Gamma, "19"}},
         "columna «fi»: «95» no es admisible: el ángulo de rozamiento interno del relleno (fi) "
         "debe estar entre 0 y 90 grados"},
        // hr2 solo cuenta en la zanja inducida.
        {"hr2 en zanja", TuboNormalizado(), {{C::Hr2, "3"}}, "3 2 49.15 90/I"},
    };
    for (const auto& c : casos) {
        const TramoCalculado r = CalculaTramo(Lee(c.celdas, c.base));
        const Proyecto& p = r.proyecto;
        const std::string resultado = r.calculado ? TextoNumero(p.hr) + " " + TextoNumero(p.Fa) +
                                                        " " + TextoNumero(Trunca2(p.CargaCalculo)) +
                                                        " " + r.Clase(1) + "/" + r.Clase(2)
                                                  : Unidos(r.errores);
        EXPECT_EQ(resultado, c.resultado) << c.caso;
    }
}
