#include "camas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "dibujos.h"

namespace {

const QColor GrisHormigon(222, 222, 222);
const QColor TramaHormigon(115, 115, 115);
const QColor GrisGrava(90, 90, 90);
const QColor GrisCapas(125, 125, 125);

// Materiales que se distinguen en los croquis.
enum class Material {
    Ninguno,
    Hormigon,      // gris rayado a 45°
    Granular,      // grava: circulitos al tresbolillo
    Compactado,    // relleno punteado con las tongadas marcadas
    Seleccionado,  // relleno punteado sin tongadas (sin compactar)
    Fino,          // relleno punteado
};

// Los croquis pequeños de los diálogos tienen que leerse: por debajo de un
// tamaño la letra, las flechas y los trazos dejan de encogerse.
Medidas MedidasCroquis(const QRectF& zona)
{
    Medidas m = MedidasDeZona(zona);
    if (m.unidad > 0) {
        m.letra = std::max(m.letra, 8.5);
        m.flecha = std::max(m.flecha, 4.0);
        m.lineaGruesa = std::max(m.lineaGruesa, 1.1);
        m.lineaFina = std::max(m.lineaFina, 0.75);
    }
    return m;
}

double Margen(const Medidas& m)
{
    return 1.2 * m.paso + m.lineaGruesa;
}

void DibujaGranular(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.fillPath(zona, Qt::white);
    pintor.setClipPath(zona, Qt::IntersectClip);
    QPen pluma = PlumaFina(m);
    pluma.setColor(GrisGrava);
    pluma.setWidthF(0.6 * m.lineaFina);
    pintor.setPen(pluma);
    pintor.setBrush(Qt::NoBrush);
    const double paso = 1.7 * m.paso;
    if (paso > 0) {
        const QRectF caja = zona.boundingRect();
        const double alto = 0.87 * paso;
        const long fila0 = static_cast<long>(std::floor(caja.top() / alto)) - 1;
        const long fila1 = static_cast<long>(std::ceil(caja.bottom() / alto)) + 1;
        const long col0 = static_cast<long>(std::floor(caja.left() / paso)) - 1;
        const long col1 = static_cast<long>(std::ceil(caja.right() / paso)) + 1;
        for (long j = fila0; j <= fila1; ++j)
            for (long i = col0; i <= col1; ++i) {
                // Tres tamaños de grano alternados, sin azar: sale igual siempre.
                const long k = ((i * 7 + j * 3) % 3 + 3) % 3;
                const double radio = (0.22 + 0.06 * k) * paso;
                const QPointF centro((i + (j % 2 ? 0.5 : 0.0)) * paso, j * alto);
                pintor.drawEllipse(centro, radio, radio * (k == 1 ? 0.8 : 1.0));
            }
    }
    pintor.restore();
}

// Tongadas de compactación: trazos horizontales discontinuos desde el fondo.
void DibujaTongadas(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.setClipPath(zona, Qt::IntersectClip);
    QPen pluma = PlumaFina(m);
    pluma.setColor(GrisCapas);
    pluma.setWidthF(0.7 * m.lineaFina);
    pluma.setDashPattern({5, 3});
    pintor.setPen(pluma);
    const QRectF caja = zona.boundingRect();
    const double separacion = 2.6 * m.paso;
    if (separacion > 0)
        for (double y = caja.bottom() - separacion; y > caja.top(); y -= separacion)
            pintor.drawLine(QPointF(caja.left(), y), QPointF(caja.right(), y));
    pintor.restore();
}

void DibujaMaterial(QPainter& pintor, const QPainterPath& zona, Material material, const Medidas& m)
{
    switch (material) {
    case Material::Hormigon: DibujaHormigon(pintor, zona, m); break;
    case Material::Granular: DibujaGranular(pintor, zona, m); break;
    case Material::Compactado:
        DibujaRelleno(pintor, zona, m);
        DibujaTongadas(pintor, zona, m);
        break;
    case Material::Seleccionado:
    case Material::Fino: DibujaRelleno(pintor, zona, m); break;
    case Material::Ninguno: break;
    }
}

void Contorno(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.setPen(PlumaFina(m));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(zona);
    pintor.restore();
}

// Medidas en diámetros exteriores (De = 1), con y hacia abajo y el centro del
// tubo en el origen. No son proporciones reales de obra.
const double RadioExterior = 0.5;
const double RadioInterior = 0.41;
const double Clave = -RadioExterior;
const double Base = RadioExterior;  // generatriz inferior
const double CamaBajoTubo = 0.24;   // c

QPainterPath Tubo(const Encuadre& E)
{
    QPainterPath tubo;
    tubo.addEllipse(E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioExterior));
    return tubo;
}

struct CamaZanja {
    Material cuna;     // material bajo el tubo y a sus lados
    double altura;     // de la cuna sobre la generatriz inferior (De)
    bool cotaA;        // se acota la altura de la cuna
    int angulo;        // ángulo de apoyo que se rotula; 0 sin rótulo
    Material relleno;  // sobre la cuna hasta h por encima de la clave
    bool cotaC;        // hay cama bajo el tubo
};

// Las camas de los códigos Tipo 3 a 13, en orden. En la 9 el granular llena
// toda la zona del relleno.
const CamaZanja Camas[11] = {
    {Material::Hormigon, 0.5, true, 180, Material::Compactado, true},
    {Material::Hormigon, 0.5, true, 180, Material::Seleccionado, true},
    {Material::Hormigon, 0.25, true, 120, Material::Compactado, true},
    {Material::Hormigon, 0.25, true, 120, Material::Seleccionado, true},
    {Material::Hormigon, 1.0 / 6, true, 90, Material::Compactado, true},
    {Material::Hormigon, 1.0 / 6, true, 90, Material::Seleccionado, true},
    {Material::Granular, 10, false, 0, Material::Granular, true},
    {Material::Granular, 0.5, true, 180, Material::Compactado, true},
    {Material::Granular, 1.0 / 6, true, 90, Material::Compactado, true},
    {Material::Granular, 1.0 / 6, true, 90, Material::Seleccionado, true},
    {Material::Ninguno, 0, false, 0, Material::Fino, false},
};

void DibujaCamaZanja(QPainter& pintor, const QRectF& zona, const CamaZanja& cama, const Medidas& m)
{
    const double fondo = Base + (cama.cotaC ? CamaBajoTubo : 0);
    const double techoRelleno = Clave - 0.32;  // h
    const double arriba = techoRelleno - 0.22;
    const auto mitad = [](double y) { return 0.98 + 0.07 * (Base + CamaBajoTubo - y); };
    const double borde = mitad(arriba) + 0.24;
    const Encuadre E(zona, QRectF(-borde, arriba, 2 * borde, Base + CamaBajoTubo + 0.15 - arriba),
                     Margen(m));
    const QPainterPath tubo = Tubo(E);
    const auto franja = [&](double y0, double y1) {
        return Poligono(
                   Linea(E, {{-mitad(y0), y0}, {mitad(y0), y0}, {mitad(y1), y1}, {-mitad(y1), y1}}))
            .subtracted(tubo);
    };

    const double techoCuna = std::max(techoRelleno, Base - cama.altura);
    if (cama.cuna != Material::Ninguno) {
        const QPainterPath cuna = franja(techoCuna, fondo);
        DibujaMaterial(pintor, cuna, cama.cuna, m);
        Contorno(pintor, cuna, m);
    }
    if (techoCuna > techoRelleno) {
        const QPainterPath relleno = franja(techoRelleno, techoCuna);
        DibujaMaterial(pintor, relleno, cama.relleno, m);
        Contorno(pintor, relleno, m);
    }
    DibujaTerreno(pintor,
                  Linea(E, {{-mitad(arriba), arriba},
                            {-mitad(fondo), fondo},
                            {mitad(fondo), fondo},
                            {mitad(arriba), arriba}}),
                  m);
    DibujaTubo(pintor, E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioInterior), m);
    if (cama.angulo > 0)
        DibujaAnguloApoyo(pintor, E, cama.angulo, RadioInterior, 0.16, -0.17, m);

    const double x = 0.75;
    DibujaLineaAuxiliar(pintor, E(0, Clave), E(x + 0.08, Clave), m);
    DibujaCota(pintor, E(x, Clave), E(x, techoRelleno), QStringLiteral("h"), m, LadoTexto::Derecha);
    if (cama.cotaC || cama.cotaA)
        DibujaLineaAuxiliar(pintor, E(0, Base), E(x + 0.08, Base), m);
    if (cama.cotaC)
        DibujaCota(pintor, E(x, fondo), E(x, Base), QStringLiteral("c"), m, LadoTexto::Derecha);
    if (cama.cotaA)
        DibujaCota(pintor, E(x, Base), E(x, Base - cama.altura), QStringLiteral("a"), m,
                   LadoTexto::Derecha);
}

struct ClaseTerraplen {
    Material cama;
    double altura;      // de la cuna sobre la generatriz inferior (De)
    double proyeccion;  // h′r/De del croquis
};

void DibujaClase(QPainter& pintor, const QRectF& zona, const ClaseTerraplen& clase,
                 const Medidas& m)
{
    const double terreno = Clave + clase.proyeccion;
    const double arriba = Clave - 0.55;
    const double fondo = Base + CamaBajoTubo;
    const double mitadB = 0.8;
    const double borde = 1.42;
    const Encuadre E(zona, QRectF(-borde, arriba, 2 * borde, fondo + 0.15 - arriba), Margen(m));
    const QPainterPath tubo = Tubo(E);
    const bool conCama = clase.cama != Material::Ninguno;
    const double techoCuna = Base - clase.altura;

    // Terraplén sobre el terreno y, si la cuna no llega, en lo que queda de la excavación.
    QPainterPath terraplen = Poligono(
        Linea(E, {{-borde, arriba}, {borde, arriba}, {borde, terreno}, {-borde, terreno}}));
    if (conCama && techoCuna > terreno)
        terraplen = terraplen.united(Poligono(Linea(
            E,
            {{-mitadB, terreno}, {mitadB, terreno}, {mitadB, techoCuna}, {-mitadB, techoCuna}})));
    DibujaRelleno(pintor, terraplen.subtracted(tubo), m);

    if (conCama) {
        const QPainterPath cuna = Poligono(Linea(E, {{-mitadB, techoCuna},
                                                     {mitadB, techoCuna},
                                                     {mitadB, fondo},
                                                     {-mitadB, fondo}}))
                                      .subtracted(tubo);
        DibujaMaterial(pintor, cuna, clase.cama, m);
        Contorno(pintor, cuna, m);
        DibujaTerreno(pintor,
                      Linea(E, {{-borde, terreno},
                                {-mitadB, terreno},
                                {-mitadB, fondo},
                                {mitadB, fondo},
                                {mitadB, terreno},
                                {borde, terreno}}),
                      m);
    } else {
        // El tubo descansa en el terreno, que lo abraza por debajo.
        const double corte = std::acos(std::clamp(terreno / RadioExterior, -1.0, 1.0));
        QPolygonF linea;
        linea << E(-borde, terreno);
        const int tramos = 8;
        for (int i = 0; i <= tramos; ++i) {
            const double t = -corte + 2 * corte * i / tramos;
            linea << E(RadioExterior * std::sin(t), RadioExterior * std::cos(t));
        }
        linea << E(borde, terreno);
        DibujaTerreno(pintor, linea, m);
    }
    DibujaTubo(pintor, E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioInterior), m);

    const double xh = 0.98;
    DibujaLineaAuxiliar(pintor, E(0, Clave), E(xh + 0.08, Clave), m);
    DibujaCota(pintor, E(xh, terreno), E(xh, Clave), QStringLiteral("h′r"), m, LadoTexto::Derecha);
    if (!conCama)
        return;
    const double xc = -0.67;
    DibujaLineaAuxiliar(pintor, E(0, Base), E(xc - 0.08, Base), m);
    DibujaCota(pintor, E(xc, fondo), E(xc, Base), QStringLiteral("c"), m, LadoTexto::Derecha);
    DibujaCota(pintor, E(xc, Base), E(xc, techoCuna), QStringLiteral("a"), m, LadoTexto::Derecha);
    const double yb = fondo - 0.07;
    DibujaCota(pintor, E(-mitadB, yb), E(mitadB, yb), QStringLiteral("b"), m, LadoTexto::Izquierda,
               0.8);
}

// Prepara el pintor, dibuja y lo deja como estaba.
template <typename Dibujo> void Pinta(QPainter& pintor, const QRectF& zona, Dibujo dibujo)
{
    const Medidas m = MedidasCroquis(zona);
    if (!(m.unidad > 0))
        return;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    dibujo(m);
    pintor.restore();
}

}  // namespace

void DibujaCama(QPainter& pintor, const QRectF& zona, int tipo)
{
    if (tipo < 3 || tipo > 13)
        return;
    const CamaZanja& cama = Camas[tipo - 3];
    Pinta(pintor, zona, [&](const Medidas& m) { DibujaCamaZanja(pintor, zona, cama, m); });
}

void DibujaClaseTerraplen(QPainter& pintor, const QRectF& zona, int clase)
{
    static const ClaseTerraplen clases[4] = {
        {Material::Hormigon, 0.25, 0.6},
        {Material::Granular, 0.4, 0.6},
        {Material::Compactado, 0.17, 0.6},
        {Material::Ninguno, 0, 0.7},
    };
    if (clase < 0 || clase > 3)
        return;
    Pinta(pintor, zona, [&](const Medidas& m) { DibujaClase(pintor, zona, clases[clase], m); });
}

void DibujaHormigon(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.fillPath(zona, GrisHormigon);
    pintor.setClipPath(zona, Qt::IntersectClip);
    QPen pluma = PlumaFina(m);
    pluma.setColor(TramaHormigon);
    pluma.setWidthF(0.7 * m.lineaFina);
    pintor.setPen(pluma);
    const QRectF caja = zona.boundingRect();
    const double paso = 1.4 * m.paso;
    if (paso > 0) {
        // Rectas x + y = d, ancladas al origen del pintor.
        for (double d = std::floor((caja.left() + caja.top()) / paso) * paso;
             d <= caja.right() + caja.bottom(); d += paso)
            pintor.drawLine(QPointF(d - caja.top(), caja.top()),
                            QPointF(d - caja.bottom(), caja.bottom()));
    }
    pintor.restore();
}
