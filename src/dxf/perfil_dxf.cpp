#include "perfil_dxf.h"

#include <algorithm>
#include <cmath>

#include "clases.h"
#include "curva_clase.h"
#include "numero.h"

namespace {

const char* const Tubo = "TUBO";
const char* const Terreno = "TERRENO";
const char* const Textos = "TEXTOS";
const char* const Rejilla = "REJILLA";

// PK más allá de un millón de km no se dibujan: solo desbordarían la escala.
constexpr double PkLimite = 1e9;
constexpr double HrLimite = 1e6;

struct Tira {
    double desde, hasta, hr;
};

std::string CapaClase(const std::string& clase)
{
    return clase.empty() ? "SIN_CLASE" : "CLASE_" + clase;
}

bool Dibujable(const TramoPerfil& t)
{
    return std::isfinite(t.pkInicial) && std::isfinite(t.pkFinal) &&
           std::fabs(t.pkInicial) <= PkLimite && std::fabs(t.pkFinal) <= PkLimite;
}

// Las clases presentes en cada norma (modo y clase), de la menos a la más
// resistente, y la de los tramos sin clase al final.
std::vector<std::pair<int, std::string>> ClasesPresentes(const std::vector<FranjaPerfil>& franjas)
{
    std::vector<std::pair<int, std::string>> clases;
    for (const FranjaPerfil& f : franjas)
        for (const TramoPerfil& t : f.tramos) {
            const std::pair<int, std::string> clase{t.clase.empty() ? 3 : f.modo, t.clase};
            if (Dibujable(t) && std::find(clases.begin(), clases.end(), clase) == clases.end())
                clases.push_back(clase);
        }
    std::sort(clases.begin(), clases.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : RangoClase(a.second) < RangoClase(b.second);
    });
    return clases;
}

void CapaDeClase(DibujoDxf& d, const std::string& clase)
{
    if (const std::optional<ColorRGB> color = ColorClase(clase))
        d.Capa(CapaClase(clase), *color, 18);
    else
        d.Capa(CapaClase(clase), 253, 18);  // gris: sin clase
}

// Color de la letra que se lee sobre la franja de una clase.
int LetraSobre(const std::string& clase)
{
    const std::optional<ColorRGB> color = ColorClase(clase);
    return color && FondoOscuro(*color) ? 255 : 250;
}

}  // namespace

double ExageracionPerfil(double longitud, double hrMaxima)
{
    if (!(hrMaxima > 0) || !(longitud > 0))
        return 1;
    // El número redondo que no pasa de la proporción buscada.
    const double buscada = longitud / (6 * hrMaxima);
    const double potencia = std::pow(10.0, std::floor(std::log10(buscada)));
    for (const double f : {5.0, 2.5, 2.0, 1.0})
        if (f * potencia <= buscada)
            return std::max(1.0, f * potencia);
    return 1;
}

DibujoDxf DibujaPerfilDxf(const std::vector<FranjaPerfil>& franjas, const std::string& tabla)
{
    std::vector<Tira> tiras;
    if (!franjas.empty())
        for (const TramoPerfil& t : franjas[0].tramos)
            if (Dibujable(t))
                tiras.push_back({std::min(t.pkInicial, t.pkFinal), std::max(t.pkInicial, t.pkFinal),
                                 std::isfinite(t.hr) ? std::clamp(t.hr, 0.0, HrLimite) : 0.0});
    double pk0 = 0, pk1 = 1, hrMaxima = 0;
    if (!tiras.empty()) {
        pk0 = pk1 = tiras[0].desde;
        for (const Tira& t : tiras) {
            pk0 = std::min(pk0, t.desde);
            pk1 = std::max(pk1, t.hasta);
            hrMaxima = std::max(hrMaxima, t.hr);
        }
    }
    if (pk1 - pk0 < 1)  // un punto, o nada: un metro de largo
        pk1 = pk0 + 1;
    const double largo = pk1 - pk0;
    const double E = ExageracionPerfil(largo, hrMaxima);
    const double cima = std::max(hrMaxima, 1.0) * E;
    const double t = PasoRedondo(std::max(largo, cima) / 400, 1);
    const double banda = 3 * t, hueco = t;

    DibujoDxf d;
    d.AltoCotas(t);
    d.Capa(Tubo, 1, 35);
    d.Capa(Terreno, 30, 35);
    d.Capa(CapaCotas, 7, 13);
    d.Capa(Textos, 7, 18);
    d.Capa(Rejilla, 8, 9);
    const std::vector<std::pair<int, std::string>> clases = ClasesPresentes(franjas);
    for (const auto& [modo, clase] : clases)
        CapaDeClase(d, clase);

    // Rejilla y eje de hr a la izquierda, con las alturas reales.
    const double paso = PasoRedondo(std::max(hrMaxima, 1.0) * 1.1, 5);
    double techo = 0;  // la línea más alta de la rejilla
    for (double hr = 0; hr <= std::max(hrMaxima, 1.0) * 1.1 + 1e-9; hr += paso) {
        techo = hr * E;
        d.Linea(Rejilla, {pk0, hr * E}, {pk1, hr * E});
        d.Texto(Textos, {pk0 - t, hr * E - t / 2}, t, TextoNumero(hr), AlineaTexto::Derecha);
    }
    d.Texto(Textos, {pk0 - 6 * t, cima / 2}, t, "hr (m)", AlineaTexto::Centro, 90);

    // La clave del tubo y la superficie, tramo a tramo; las rayas de los extremos.
    std::sort(tiras.begin(), tiras.end(),
              [](const Tira& a, const Tira& b) { return a.desde < b.desde; });
    for (std::size_t i = 0; i < tiras.size(); ++i) {
        const Tira& s = tiras[i];
        d.Linea(Tubo, {s.desde, 0}, {s.hasta, 0});
        d.Linea(Terreno, {s.desde, s.hr * E}, {s.hasta, s.hr * E});
        if (i + 1 < tiras.size() && tiras[i + 1].desde == s.hasta)
            d.Linea(Terreno, {s.hasta, s.hr * E}, {s.hasta, tiras[i + 1].hr * E});
        for (const double pk : {s.desde, s.hasta})
            d.Linea(Rejilla, {pk, 0}, {pk, s.hr * E});
    }

    // Una franja por norma, con la clase de cada tramo.
    double y = -hueco;
    for (const FranjaPerfil& f : franjas) {
        const double abajo = y - banda;
        d.Texto(Textos, {pk0 - t, abajo + banda / 2 - t / 2}, t,
                f.modo == 2 ? "ASTM C76M" : "UNE 127.010", AlineaTexto::Derecha);
        for (const TramoPerfil& tramo : f.tramos) {
            if (!Dibujable(tramo))
                continue;
            const double x0 = std::min(tramo.pkInicial, tramo.pkFinal);
            const double x1 = std::max(tramo.pkInicial, tramo.pkFinal);
            d.Relleno(CapaClase(tramo.clase), {x0, abajo}, {x1, abajo}, {x1, y}, {x0, y});
            d.Linea(CapaCotas, {x0, abajo}, {x0, y});
            d.Linea(CapaCotas, {x1, abajo}, {x1, y});
            const std::string texto = tramo.clase.empty() ? "—" : tramo.clase;
            if (0.85 * t * static_cast<double>(texto.size()) + t < x1 - x0)
                d.Texto(Textos, {(x0 + x1) / 2, abajo + banda / 2 - t / 2}, t, texto,
                        AlineaTexto::Centro, 0, LetraSobre(tramo.clase));
        }
        d.Polilinea(CapaCotas, {{pk0, abajo}, {pk1, abajo}, {pk1, y}, {pk0, y}}, true);
        y = abajo - hueco;
    }

    // Los PK de los extremos de los tramos, en vertical bajo las franjas.
    std::vector<double> pks;
    for (const Tira& s : tiras)
        pks.insert(pks.end(), {s.desde, s.hasta});
    std::sort(pks.begin(), pks.end());
    pks.erase(std::unique(pks.begin(), pks.end()), pks.end());
    for (const double pk : pks)
        d.Texto(Textos, {pk + t / 2, y - t / 2}, 0.8 * t, TextoPk(pk), AlineaTexto::Derecha, 90);
    y -= 10 * t;

    // Leyenda: una muestra por clase presente.
    double x = pk0;
    for (const auto& [modo, clase] : clases) {
        const std::string nombre =
            clase.empty() ? "Sin clase" : NombreClase(static_cast<std::uint8_t>(modo), clase);
        d.Relleno(CapaClase(clase), {x, y}, {x + 2 * t, y}, {x + 2 * t, y + t}, {x, y + t});
        d.Polilinea(CapaCotas, {{x, y}, {x + 2 * t, y}, {x + 2 * t, y + t}, {x, y + t}}, true);
        d.Texto(Textos, {x + 2.6 * t, y}, t, nombre);
        x += 2.6 * t + 0.85 * t * static_cast<double>(nombre.size()) + 2 * t;
    }
    if (tiras.empty())
        d.Texto(Textos, {pk0, cima / 2}, 2 * t, "Sin tramos");

    // El título, con la escala vertical.
    techo = std::max(techo, cima);
    d.Texto(Textos, {pk0, techo + 4 * t}, 2 * t, "Perfil longitudinal: " + tabla);
    d.Texto(Textos, {pk0, techo + 2 * t}, t,
            "PK y longitudes en m; altura de relleno hr sobre la clave del tubo exagerada " +
                TextoNumero(E) + " veces (1 m de hr mide " + TextoNumero(E) + " m en el dibujo)");
    return d;
}
