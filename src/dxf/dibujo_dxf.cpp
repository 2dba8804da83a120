#include "dibujo_dxf.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numero.h"
#include "texto1252.h"

namespace {

// Ancho aproximado de un texto de Arial (m): de sobra para los límites del dibujo.
double AnchoTexto(const std::string& texto, double alto)
{
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texto.size(); ++caracteres)
        SiguienteCaracter(texto, i);
    return 0.85 * alto * static_cast<double>(caracteres);
}

// El color de AutoCAD más parecido: los básicos, los grises y el verde
// azulado de las clases. El blanco es el 255, que no se vuelve negro al imprimir.
int AciParecido(const ColorRGB& c)
{
    static const struct {
        int aci;
        int rojo, verde, azul;
    } paleta[] = {
        {1, 255, 0, 0},     {2, 255, 255, 0}, {3, 0, 255, 0},       {4, 0, 255, 255},
        {5, 0, 0, 255},     {6, 255, 0, 255}, {8, 128, 128, 128},   {9, 192, 192, 192},
        {134, 0, 127, 127}, {250, 0, 0, 0},   {255, 255, 255, 255},
    };
    int mejor = 7;
    long menor = -1;
    for (const auto& p : paleta) {
        const long d = (p.rojo - c.rojo) * (p.rojo - c.rojo) +
                       (p.verde - c.verde) * (p.verde - c.verde) +
                       (p.azul - c.azul) * (p.azul - c.azul);
        if (menor < 0 || d < menor)
            menor = d, mejor = p.aci;
    }
    return mejor;
}

}  // namespace

void DibujoDxf::Capa(const std::string& nombre, int aci, int grosor)
{
    capas_.push_back({nombre, aci, std::nullopt, grosor});
}

void DibujoDxf::Capa(const std::string& nombre, const ColorRGB& color, int grosor)
{
    capas_.push_back({nombre, AciParecido(color), color, grosor});
}

void DibujoDxf::Linea(const std::string& capa, PuntoDxf a, PuntoDxf b)
{
    Anade({Tipo::Linea, capa, {a, b}});
}

void DibujoDxf::Polilinea(const std::string& capa, const std::vector<PuntoDxf>& puntos,
                          bool cerrada)
{
    Entidad e{Tipo::Polilinea, capa, puntos};
    e.cerrada = cerrada;
    Anade(std::move(e));
}

void DibujoDxf::Circulo(const std::string& capa, PuntoDxf centro, double radio)
{
    Entidad e{Tipo::Circulo, capa, {centro}};
    e.medida = radio;
    Anade(std::move(e));
}

void DibujoDxf::Relleno(const std::string& capa, PuntoDxf a, PuntoDxf b, PuntoDxf c, PuntoDxf d)
{
    Anade({Tipo::Relleno, capa, {a, b, c, d}});
}

void DibujoDxf::Texto(const std::string& capa, PuntoDxf punto, double alto,
                      const std::string& texto, AlineaTexto alinea, double angulo, int aci)
{
    Entidad e{Tipo::Texto, capa, {punto}};
    e.medida = alto;
    e.texto = texto;
    e.alinea = alinea;
    e.angulo = angulo;
    e.aci = aci;
    Anade(std::move(e));
}

void DibujoDxf::Anade(Entidad e)
{
    Abarca(e);
    entidades_.push_back(std::move(e));
}

void DibujoDxf::Cota(PuntoDxf desde, PuntoDxf hasta, bool vertical, double linea)
{
    if (std::none_of(capas_.begin(), capas_.end(),
                     [](const CapaDxf& c) { return c.nombre == CapaCotas; }))
        Capa(CapaCotas, 7, 18);
    const double t = altoCotas_, flecha = 0.8 * t, exo = 0.5 * t, exe = 0.6 * t, hueco = 0.4 * t;
    // u a lo largo de la cota, v a través.
    const auto P = [&](double u, double v) { return vertical ? PuntoDxf{v, u} : PuntoDxf{u, v}; };
    std::pair<double, double> a{vertical ? desde.y : desde.x, vertical ? desde.x : desde.y};
    std::pair<double, double> b{vertical ? hasta.y : hasta.x, vertical ? hasta.x : hasta.y};
    if (b.first < a.first)
        std::swap(a, b);
    const double largo = b.first - a.first;
    CotaDxf cota{desde, hasta, vertical, linea, {}};
    const auto traza = [&](Tipo tipo, std::vector<PuntoDxf> puntos) {
        cota.dibujo.push_back({tipo, CapaCotas, std::move(puntos)});
        Abarca(cota.dibujo.back());
    };
    for (const auto& [u, v] : {a, b}) {
        const double lado = linea >= v ? 1 : -1;
        traza(Tipo::Linea, {P(u, v + lado * exo), P(u, linea + lado * exe)});
    }
    // Una cota corta lleva las flechas por fuera, y su línea sale a buscarlas.
    const bool fuera = largo < 2.5 * flecha;
    const double sale = fuera ? 1.5 * flecha : 0;
    traza(Tipo::Linea, {P(a.first - sale, linea), P(b.first + sale, linea)});
    for (const double u : {a.first, b.first}) {
        const double cuerpo = (u == a.first ? 1 : -1) * (fuera ? -1 : 1) * flecha;
        const PuntoDxf ala = P(u + cuerpo, linea - flecha / 6);
        traza(Tipo::Relleno, {P(u, linea), P(u + cuerpo, linea + flecha / 6), ala, ala});
    }
    // La medida sobre la línea; si no cabe entre las flechas, antes de la primera
    // (abajo o a la izquierda: las cotas seguidas se encadenan hacia arriba).
    const std::string texto = TextoNumero(std::round(largo * 100) / 100);
    const double ancho = AnchoTexto(texto, t);
    const double centro =
        ancho + 2 * flecha > largo ? a.first - sale - hueco - ancho / 2 : (a.first + b.first) / 2;
    Entidad rotulo{Tipo::Texto, CapaCotas, {P(centro, vertical ? linea - hueco : linea + hueco)}};
    rotulo.medida = t;
    rotulo.texto = texto;
    rotulo.alinea = AlineaTexto::Centro;
    rotulo.angulo = vertical ? 90 : 0;
    Abarca(rotulo);
    cota.dibujo.push_back(std::move(rotulo));
    cotas_.push_back(std::move(cota));
}

void DibujoDxf::Abarca(PuntoDxf p)
{
    minimo_ = {std::min(minimo_.x, p.x), std::min(minimo_.y, p.y)};
    maximo_ = {std::max(maximo_.x, p.x), std::max(maximo_.y, p.y)};
}

void DibujoDxf::Abarca(const Entidad& e)
{
    if (e.tipo == Tipo::Circulo) {
        const PuntoDxf c = e.puntos[0];
        Abarca({c.x - e.medida, c.y - e.medida});
        Abarca({c.x + e.medida, c.y + e.medida});
        return;
    }
    if (e.tipo != Tipo::Texto) {
        for (std::size_t i = 0; i < e.puntos.size(); ++i) {
            const PuntoDxf p = e.puntos[i], q = e.puntos[(i + 1) % e.puntos.size()];
            Abarca(p);
            if (p.curva == 0)
                continue;
            // Los puntos del arco: su centro está a (cuerda/2)/tan(ángulo/2) del
            // punto medio, a la izquierda de la cuerda.
            const double angulo = 4 * std::atan(p.curva);
            const double dx = q.x - p.x, dy = q.y - p.y;
            const double k = 0.5 / std::tan(angulo / 2);
            const PuntoDxf c{(p.x + q.x) / 2 - dy * k, (p.y + q.y) / 2 + dx * k};
            const double radio = std::hypot(p.x - c.x, p.y - c.y);
            const double inicio = std::atan2(p.y - c.y, p.x - c.x);
            for (int j = 1; j < 32; ++j)
                Abarca({c.x + radio * std::cos(inicio + angulo * j / 32),
                        c.y + radio * std::sin(inicio + angulo * j / 32)});
        }
        return;
    }
    // La caja del texto, girada con él.
    const double ancho = AnchoTexto(e.texto, e.medida);
    const double desde = e.alinea == AlineaTexto::Izquierda ? 0
                         : e.alinea == AlineaTexto::Centro  ? -ancho / 2
                                                            : -ancho;
    const double giro = e.angulo * PiDxf / 180;
    for (const double u : {desde, desde + ancho})
        for (const double v : {-0.3 * e.medida, 1.1 * e.medida})
            Abarca({e.puntos[0].x + u * std::cos(giro) - v * std::sin(giro),
                    e.puntos[0].y + u * std::sin(giro) + v * std::cos(giro)});
}
