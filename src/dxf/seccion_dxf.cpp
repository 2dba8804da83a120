#include "seccion_dxf.h"

#include <algorithm>
#include <cmath>

#include "listas.h"
#include "medidas_apoyo.h"
#include "numero.h"
#include "proyecto.h"

namespace {

const char* const Tubo = "TUBO";
const char* const Cama = "CAMA";
const char* const Zanja = "ZANJA";
const char* const Terreno = "TERRENO";
const char* const Textos = "TEXTOS";

// Medidas de la sección dibujada (m), con y hacia arriba desde el plano de clave.
struct Seccion {
    const Proyecto& p;
    double R = 0;               // radio exterior
    double c = 0;               // espesor de la cama bajo el tubo
    std::optional<double> a{};  // altura de la cuna sobre la generatriz inferior
    double anchoCama = 0;       // en terraplén
    double k = 0;               // talud: horizontal por vertical (0: paredes verticales)
    double borde = 0;           // cota de lo alto de la zanja
    double X = 0;               // medio ancho del dibujo
    double t = 0.1;             // alto de letra

    double Fondo() const { return -p.De - c; }
    double Cuna() const { return -p.De + a.value_or(0); }
    // Medio ancho de la zanja a la cota y.
    double Mitad(double y) const { return std::max(0.0, p.b / 2 + k * y); }
    bool EnZanja() const { return GrupoZanja(p); }
    // Medio ancho de la cama a la cota y.
    double MitadCama(double y) const { return EnZanja() ? Mitad(y) : anchoCama / 2; }
};

// Terreno natural a la cota y entre x0 y x1, con su rayado de trazos inclinados debajo.
void DibujaTerreno(DibujoDxf& d, double x0, double x1, double y, double paso)
{
    if (x1 <= x0)
        return;
    d.Linea(Terreno, {x0, y}, {x1, y});
    const double largo = 0.6 * paso;
    for (double x = x0 + largo; x <= x1; x += paso)
        d.Linea(Terreno, {x, y}, {x - largo, y - largo});
}

// El contorno de la cama: del fondo a lo alto de la cuna, abrazando el tubo
// por debajo con un arco.
void DibujaCama(DibujoDxf& d, const Seccion& s)
{
    if (s.c <= 0 && !s.a)
        return;
    const double yf = s.Fondo(), yc = std::min(s.Cuna(), -s.R);
    const double R = s.R, sube = yc + s.p.De;  // la cuna sobre la generatriz inferior
    const double xc = std::sqrt(std::max(0.0, R * R - (R - sube) * (R - sube)));
    std::vector<PuntoDxf> contorno{
        {-s.MitadCama(yf), yf}, {s.MitadCama(yf), yf}, {s.MitadCama(yc), yc}};
    if (xc > 0) {
        // De un lado al otro por debajo, en el sentido de las agujas del reloj.
        const double angulo = std::acos(std::clamp((R - sube) / R, -1.0, 1.0));
        contorno.push_back({xc, yc, -std::tan(angulo / 2)});
        contorno.push_back({-xc, yc});
    }
    contorno.push_back({-s.MitadCama(yc), yc});
    d.Polilinea(Cama, contorno, true);
}

void DibujaZanja(DibujoDxf& d, const Seccion& s)
{
    const double yf = s.Fondo(), yb = s.borde;
    d.Polilinea(Zanja,
                {{-s.Mitad(yb), yb}, {-s.Mitad(yf), yf}, {s.Mitad(yf), yf}, {s.Mitad(yb), yb}},
                false);
    const double paso = 2.5 * s.t;
    DibujaTerreno(d, -s.X, -s.Mitad(yb), yb, paso);
    DibujaTerreno(d, s.Mitad(yb), s.X, yb, paso);
    d.Texto(Textos, {-s.X, yb + 0.5 * s.t}, 0.8 * s.t, "Terreno natural");
    // El relleno llega a la superficie: la de la zanja, o la del terraplén encima.
    d.Linea(Terreno, {-s.X, s.p.hr}, {s.X, s.p.hr});
    if (s.p.hr > yb)
        d.Texto(Textos, {-s.X, s.p.hr + 0.5 * s.t}, 0.8 * s.t, "Coronación del relleno");
    if (s.k > 0) {
        const double y = (yf + yb) / 2, x = s.Mitad(y) + s.t;
        d.Texto(Textos, {x, y}, s.t,
                "Talud " + TextoNumero(s.p.TaludH) + ":" + TextoNumero(s.p.TaludV),
                AlineaTexto::Centro, std::atan2(1, s.k) * 180 / PiDxf);
    }
}

// Terraplén (y zanja inducida): el terreno natural a h'r bajo la clave,
// cortado por el tubo y la cama, y la coronación del relleno a hr.
void DibujaTerraplen(DibujoDxf& d, const Seccion& s)
{
    const double y = -s.p.hr1;
    double hueco = 0;
    if (y > -s.p.De && y < 0)
        hueco = std::sqrt(std::max(0.0, s.R * s.R - (y + s.R) * (y + s.R)));
    if (y >= s.Fondo() && y <= s.Cuna())
        hueco = std::max(hueco, s.anchoCama / 2);
    DibujaTerreno(d, -s.X, -hueco, y, 2.5 * s.t);
    DibujaTerreno(d, hueco, s.X, y, 2.5 * s.t);
    d.Texto(Textos, {-s.X, y + 0.5 * s.t}, 0.8 * s.t, "Terreno natural");
    d.Linea(Terreno, {-s.X, s.p.hr}, {s.X, s.p.hr});
    d.Texto(Textos, {-s.X, s.p.hr + 0.5 * s.t}, 0.8 * s.t, "Coronación del terraplén");
    if (s.p.InstalacionIndex == InstalacionZanjaInducida && s.p.b2 > 0 && s.p.hr2 > 0) {
        const double m = s.p.b2 / 2;
        d.Polilinea(Zanja, {{-m, 0}, {m, 0}, {m, s.p.hr2}, {-m, s.p.hr2}}, true);
        d.Texto(Textos, {0, s.p.hr2 / 2 + 0.2 * s.t}, 0.8 * s.t, "Material", AlineaTexto::Centro);
        d.Texto(Textos, {0, s.p.hr2 / 2 - 1.2 * s.t}, 0.8 * s.t, "compresible",
                AlineaTexto::Centro);
    }
}

void Acota(DibujoDxf& d, const Seccion& s)
{
    const Proyecto& p = s.p;
    const double off = 3 * s.t, yf = s.Fondo();
    d.Cota({-s.R, -s.R}, {s.R, -s.R}, false, -s.R);  // De
    // La cama, a la izquierda: su espesor y lo alto de la cuna.
    const double yc = s.a ? s.Cuna() : yf;
    const double xCama = -std::max(s.MitadCama(yc), s.MitadCama(yf)) - off;
    if (s.c > 0)
        d.Cota({-s.MitadCama(yf), yf}, {0, -p.De}, true, xCama);
    if (s.a && *s.a > 0)
        d.Cota({0, -p.De}, {-s.MitadCama(yc), yc}, true, xCama);
    if (s.EnZanja()) {
        const double yb = s.borde;
        d.Cota({-s.Mitad(0), 0}, {s.Mitad(0), 0}, false, off);  // b
        if (s.k > 0) {
            d.Cota({-s.Mitad(yf), yf}, {s.Mitad(yf), yf}, false, yf - off);
            d.Cota({-s.Mitad(yb), yb}, {s.Mitad(yb), yb}, false, yb + off);
        }
        const double xDerecha = std::max(s.Mitad(yb), s.Mitad(0)) + off;
        d.Cota({s.Mitad(0), 0}, {s.Mitad(yb), p.hr}, true, xDerecha);
        if (p.InstalacionIndex == InstalacionZanjaTerraplenada)
            d.Cota({-s.Mitad(0), 0}, {-s.Mitad(yb), yb}, true,
                   -std::max(s.Mitad(yb), s.Mitad(0)) - off);
        return;
    }
    if (s.anchoCama > 0)
        d.Cota({-s.anchoCama / 2, yf}, {s.anchoCama / 2, yf}, false, yf - off);
    const double xDerecha = std::max({s.R, s.anchoCama / 2, p.b2 / 2}) + 2 * off;
    d.Cota({0, 0}, {xDerecha - off, p.hr}, true, xDerecha);
    if (p.hr1 > 0)
        d.Cota({xDerecha - off, -p.hr1}, {0, 0}, true, xDerecha);
    if (p.InstalacionIndex == InstalacionZanjaInducida && p.b2 > 0 && p.hr2 > 0) {
        d.Cota({-p.b2 / 2, p.hr2}, {p.b2 / 2, p.hr2}, false, p.hr2 + off);
        d.Cota({-p.b2 / 2, 0}, {-p.b2 / 2, p.hr2}, true, -p.b2 / 2 - off);
    }
}

void Rotula(DibujoDxf& d, const Seccion& s, const RotulosSeccion& r)
{
    const Proyecto& p = s.p;
    const double t = s.t;
    const double arriba = d.Maximo().y + 2 * t, izquierda = d.Minimo().x;
    d.Texto(Textos, {izquierda, arriba + 1.8 * t}, 1.5 * t,
            "Sección tipo: " + TextoInstalacionApoyo(p));
    std::string clases;
    if (!r.claseUne.empty())
        clases += " · Clase UNE 127.010: " + r.claseUne;
    if (!r.claseAstm.empty())
        clases += " · Clase ASTM C76M: " + r.claseAstm;
    d.Texto(Textos, {izquierda, arriba}, t, "Proyecto: " + r.caso + clases);

    std::vector<std::string> lineas{"Tubo: diámetro interior " + TextoNumero(p.Di) +
                                        " m, exterior " + TextoNumero(p.De) + " m, espesor " +
                                        TextoNumero(p.Es * 1000) + " mm",
                                    "Relleno: " + ListaRellenos.Texto(p.RellenoIndex) +
                                        ", peso específico " + TextoNumero(p.gamma) + " kN/m³"};
    if (s.EnZanja())
        lineas.push_back("Zanja: anchura b = " + TextoNumero(p.b) + " m en el plano de clave, " +
                         (s.k > 0 ? "talud " + TextoNumero(p.TaludH) + ":" + TextoNumero(p.TaludV) +
                                        " (H:V), resguardo " + TextoNumero(p.Resguardo) + " m"
                                  : std::string("paredes verticales")));
    const std::string terreno = p.BaseIndex == 0 ? " (roca)" : " (suelo)";
    lineas.push_back(
        s.c > 0 || s.a ? "Cama: c = " + TextoNumero(s.c) + " m bajo el tubo" + terreno +
                             (s.a ? ", a = " + TextoNumero(*s.a) + " m sobre la generatriz inferior"
                                  : std::string())
                       : std::string("Sin cama bajo el tubo"));
    lineas.push_back("Cotas en metros; plano de clave del tubo en y = 0");
    double y = d.Minimo().y - 2 * t;
    for (const std::string& linea : lineas) {
        d.Texto(Textos, {izquierda, y}, t, linea);
        y -= 1.7 * t;
    }
}

}  // namespace

std::string SeccionNoDibujable(const Proyecto& p)
{
    if (!(p.De > 0) || !(p.Di > 0) || p.De <= p.Di)
        return "El caso no tiene tubo (diámetros interior y exterior): no hay sección que dibujar.";
    if (p.InstalacionIndex > InstalacionZanjaInducida)
        return "El caso no tiene una instalación conocida: no hay sección que dibujar.";
    if (GrupoZanja(p) && p.b < p.De)
        return "La zanja es más estrecha que el tubo (b menor que De): no hay sección que dibujar.";
    const double mayor = std::max({p.De, p.hr, p.b, p.hr1, p.h2r, p.b2, p.hr2});
    const double menor = std::min({p.hr, p.b, p.hr1, p.h2r, p.b2, p.hr2});
    if (!(mayor <= 1000) || !(menor >= 0))
        return "Las medidas del caso no caben en una sección (más de 1000 m, o negativas).";
    return "";
}

DibujoDxf DibujaSeccionDxf(const Proyecto& p, const RotulosSeccion& rotulos)
{
    Seccion s{p};
    s.R = p.De / 2;
    if (const std::optional<MedidasApoyo> m = MedidasDeApoyo(p)) {
        s.c = EspesorCamaDelTerreno(p, *m);
        s.a = m->a;
        s.anchoCama = m->ancho.value_or(p.De);
    }
    if (s.EnZanja() && p.TaludDefinido && p.TaludV > 0)
        s.k = p.TaludH / p.TaludV;
    s.borde = p.InstalacionIndex == InstalacionZanjaTerraplenada ? p.h2r : p.hr;
    const double ancho =
        s.EnZanja() ? s.Mitad(s.borde) : std::max({s.R, s.anchoCama / 2, p.b2 / 2});
    s.X = ancho + std::max(1.0, 0.75 * p.De);
    s.t = PasoRedondo(std::max(2 * s.X, p.hr + p.De + s.c + p.hr1) / 70, 1);

    DibujoDxf d;
    d.AltoCotas(s.t);
    d.Capa(Tubo, 1, 50);
    d.Capa(Cama, 3, 25);
    d.Capa(Zanja, 4, 35);
    d.Capa(Terreno, 30, 35);
    d.Capa(CapaCotas, 7, 18);
    d.Capa(Textos, 7, 18);
    d.Circulo(Tubo, {0, -s.R}, s.R);
    d.Circulo(Tubo, {0, -s.R}, p.Di / 2);
    DibujaCama(d, s);
    if (s.EnZanja())
        DibujaZanja(d, s);
    else
        DibujaTerraplen(d, s);
    Acota(d, s);
    Rotula(d, s, rotulos);
    return d;
}
