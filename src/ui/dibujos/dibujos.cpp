#include "dibujos.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

const QColor Negro(0, 0, 0);
const QColor GrisRelleno(236, 236, 236);
const QColor GrisPunto(128, 128, 128);
const QColor GrisPared(200, 200, 200);
const QColor GrisCompresible(150, 150, 150);

double Largo(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

// Normal a la izquierda visual del sentido de avance (y crece hacia abajo).
QPointF NormalIzquierda(QPointF e)
{
    return {e.y(), -e.x()};
}

QFont LetraCroquis(const QPainter& pintor, const Medidas& m)
{
    QFont letra;
    letra.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    letra.setStyleHint(QFont::SansSerif);
    // La altura se pide en unidades del pintor; los puntos dependen del
    // dispositivo (pantalla, imagen o impresora).
    const int ppp = pintor.device() ? pintor.device()->logicalDpiY() : 96;
    letra.setPointSizeF(std::max(0.5, m.letra * 72.0 / (ppp > 0 ? ppp : 96)));
    return letra;
}

// Punta de flecha rellena con el vértice en `punta`, abierta hacia `sentido`.
void DibujaFlecha(QPainter& pintor, QPointF punta, QPointF sentido, const Medidas& m)
{
    const QPointF base = punta + sentido * m.flecha;
    const QPointF ancho = NormalIzquierda(sentido) * (m.flecha * 0.3);
    const QPointF puntos[3] = {punta, base + ancho, base - ancho};
    pintor.drawPolygon(puntos, 3);
}

// Número pseudoaleatorio fijo en [0, 1) para una casilla: el punteado sale
// igual en cada repintado.
double Azar(long i, long j)
{
    unsigned long h =
        static_cast<unsigned long>(i) * 73856093UL ^ static_cast<unsigned long>(j) * 19349663UL;
    h ^= h >> 13;
    h *= 0x5bd1e995UL;
    h ^= h >> 15;
    return static_cast<double>(h & 0xffffUL) / 65536.0;
}

}  // namespace

Medidas MedidasDeZona(const QRectF& zona)
{
    const double u = std::max(0.0, std::min(zona.width() / 220.0, zona.height() / 150.0));
    Medidas m;
    m.unidad = u;
    m.lineaGruesa = 1.3 * u;
    m.lineaFina = 0.9 * u;
    m.flecha = 5.5 * u;
    m.letra = 11.0 * u;
    m.paso = 4.5 * u;
    return m;
}

QPen PlumaGruesa(const Medidas& m)
{
    return QPen(Negro, m.lineaGruesa, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPen PlumaFina(const Medidas& m)
{
    return QPen(Negro, m.lineaFina, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

Encuadre::Encuadre(const QRectF& zona, const QRectF& modelo, double margen)
{
    const double ancho = std::max(0.0, zona.width() - 2 * margen);
    const double alto = std::max(0.0, zona.height() - 2 * margen);
    escala_ = modelo.width() > 0 && modelo.height() > 0
                  ? std::min(ancho / modelo.width(), alto / modelo.height())
                  : 0.0;
    origen_ = zona.center() - modelo.center() * escala_;
}

QPointF Encuadre::operator()(double x, double y) const
{
    return origen_ + QPointF(x, y) * escala_;
}

void DibujaTubo(QPainter& pintor, QPointF centro, double radioExterior, double radioInterior,
                const Medidas& m)
{
    pintor.save();
    QPainterPath pared;
    pared.addEllipse(centro, radioExterior, radioExterior);
    pared.addEllipse(centro, radioInterior, radioInterior);
    pared.setFillRule(Qt::OddEvenFill);
    pintor.setPen(Qt::NoPen);
    pintor.fillPath(pared, GrisPared);
    pintor.setBrush(Qt::white);
    pintor.drawEllipse(centro, radioInterior, radioInterior);
    pintor.setBrush(Qt::NoBrush);
    pintor.setPen(PlumaGruesa(m));
    pintor.drawEllipse(centro, radioExterior, radioExterior);
    pintor.drawEllipse(centro, radioInterior, radioInterior);
    pintor.restore();
}

namespace {

// Caja del texto con su fondo, relativa al punto de partida de la línea base:
// ajustada a la tinta, para que el fondo tape lo menos posible del dibujo.
QRectF CajaTexto(const QPainter& pintor, const QString& texto, const Medidas& m)
{
    const QFontMetricsF medida(LetraCroquis(pintor, m), pintor.device());
    const QRectF tinta = medida.tightBoundingRect(texto);
    const double holgura = 0.15 * m.letra;
    return tinta.adjusted(-holgura, -holgura, holgura, holgura);
}

}  // namespace

QSizeF TamanoTexto(const QPainter& pintor, const QString& texto, const Medidas& m)
{
    return CajaTexto(pintor, texto, m).size();
}

void DibujaTexto(QPainter& pintor, QPointF centro, const QString& texto, const Medidas& m)
{
    pintor.save();
    const QRectF caja = CajaTexto(pintor, texto, m);
    const QPointF base = centro - caja.center();
    pintor.fillRect(caja.translated(base), Qt::white);
    pintor.setFont(LetraCroquis(pintor, m));
    pintor.setPen(Negro);
    pintor.drawText(base, texto);
    pintor.restore();
}

void DibujaCota(QPainter& pintor, QPointF desde, QPointF hasta, const QString& texto,
                const Medidas& m, LadoTexto lado, double posicion)
{
    const QPointF tramo = hasta - desde;
    const double largo = Largo(tramo);
    if (!(largo > 0))
        return;
    const QPointF e = tramo / largo;

    pintor.save();
    pintor.setPen(PlumaFina(m));
    // Sin sitio para las dos flechas dentro, van por fuera apuntando hacia dentro.
    const bool dentro = largo >= 2.6 * m.flecha;
    if (dentro) {
        pintor.drawLine(desde, hasta);
    } else {
        pintor.drawLine(desde - e * (2 * m.flecha), hasta + e * (2 * m.flecha));
    }
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Negro);
    DibujaFlecha(pintor, desde, dentro ? e : -e, m);
    DibujaFlecha(pintor, hasta, dentro ? -e : e, m);
    pintor.restore();

    if (texto.isEmpty())
        return;
    const QPointF n = lado == LadoTexto::Izquierda ? NormalIzquierda(e) : -NormalIzquierda(e);
    const QSizeF tamano = TamanoTexto(pintor, texto, m);
    // Distancia del centro del texto a la línea para que la caja no la toque.
    const double mitad =
        std::abs(n.x()) * tamano.width() / 2 + std::abs(n.y()) * tamano.height() / 2;
    const QPointF pie = desde + tramo * posicion;
    DibujaTexto(pintor, pie + n * (mitad + 0.2 * m.flecha), texto, m);
}

void DibujaLineaAuxiliar(QPainter& pintor, QPointF desde, QPointF hasta, const Medidas& m)
{
    pintor.save();
    pintor.setPen(PlumaFina(m));
    pintor.drawLine(desde, hasta);
    pintor.restore();
}

void DibujaTerreno(QPainter& pintor, QPointF desde, QPointF hasta, const Medidas& m)
{
    DibujaTerreno(pintor, QPolygonF({desde, hasta}), m);
}

void DibujaTerreno(QPainter& pintor, const QPolygonF& tramos, const Medidas& m)
{
    pintor.save();
    // Los trazos se inclinan hacia atrás y empiezan a su propio vuelo del
    // principio de cada tramo: no asoman fuera del terreno en las esquinas.
    const double trazo = 1.3 * m.paso;
    const double vuelo = trazo * std::sqrt(0.5);
    pintor.setPen(PlumaFina(m));
    for (int i = 0; i + 1 < tramos.size(); ++i) {
        const QPointF a = tramos[i];
        const QPointF tramo = tramos[i + 1] - a;
        const double largo = Largo(tramo);
        if (!(largo > vuelo))
            continue;
        const QPointF e = tramo / largo;
        const QPointF hacia = (-NormalIzquierda(e) - e) * std::sqrt(0.5) * trazo;
        const int cuantos = static_cast<int>(std::floor((largo - vuelo) / m.paso)) + 1;
        const double primero = vuelo + (largo - vuelo - (cuantos - 1) * m.paso) / 2;
        for (int k = 0; k < cuantos; ++k) {
            const QPointF pie = a + e * (primero + k * m.paso);
            pintor.drawLine(pie, pie + hacia);
        }
    }
    pintor.setPen(PlumaGruesa(m));
    pintor.drawPolyline(tramos);
    pintor.restore();
}

void DibujaRelleno(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.fillPath(zona, GrisRelleno);
    // Puntos en una red al tresbolillo movidos un poco al azar; la red va
    // anclada al origen del pintor, así no baila al mover la zona.
    const double paso = 1.6 * m.paso;
    const double radio = 0.45 * m.unidad;
    if (paso > 0) {
        const QRectF caja = zona.boundingRect();
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(GrisPunto);
        const long fila0 = static_cast<long>(std::floor(caja.top() / paso));
        const long fila1 = static_cast<long>(std::ceil(caja.bottom() / paso));
        const long col0 = static_cast<long>(std::floor(caja.left() / paso)) - 1;
        const long col1 = static_cast<long>(std::ceil(caja.right() / paso));
        for (long j = fila0; j <= fila1; ++j) {
            for (long i = col0; i <= col1; ++i) {
                const QPointF punto((i + (j % 2 ? 0.5 : 0.0) + 0.6 * (Azar(i, j) - 0.5)) * paso,
                                    (j + 0.6 * (Azar(j, i) - 0.5)) * paso);
                if (zona.contains(punto))
                    pintor.drawEllipse(punto, radio, radio);
            }
        }
    }
    pintor.restore();
}

void DibujaRellenoCompresible(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    pintor.save();
    pintor.fillPath(zona, Qt::white);
    pintor.setClipPath(zona, Qt::IntersectClip);
    QPen pluma = PlumaFina(m);
    pluma.setColor(GrisCompresible);
    pluma.setWidthF(0.6 * m.lineaFina);
    pintor.setPen(pluma);
    const QRectF caja = zona.boundingRect();
    const double paso = 2.0 * m.paso;
    if (paso > 0) {
        // Cuadrícula a 45°: rectas x ± y = cte que barren la caja.
        const double ancho = caja.width() + caja.height();
        for (double d = 0; d <= ancho; d += paso) {
            pintor.drawLine(QPointF(caja.left() + d, caja.top()),
                            QPointF(caja.left() + d - caja.height(), caja.bottom()));
            pintor.drawLine(QPointF(caja.right() - d, caja.top()),
                            QPointF(caja.right() - d + caja.height(), caja.bottom()));
        }
    }
    pintor.restore();
}

namespace {

// Medidas de los croquis en diámetros exteriores (De = 1), con y hacia abajo
// y el centro del tubo en el origen. No son proporciones reales de obra.
const double RadioExterior = 0.5;
const double RadioInterior = 0.41;
const double Clave = -RadioExterior;
const double FondoZanja = RadioExterior + 0.18;  // bajo la cama de apoyo
const double MitadB = 1.05;                      // b/2 en el plano de la clave
const double DesplomeZanja = 0.1;                // pared casi vertical
const double PendienteTalud = 0.5;               // horizontal por vertical
const double CotaDerecha = 0.72;                 // x de las cotas verticales

// Semiancho de la zanja a la altura y.
double MitadZanja(double y)
{
    return MitadB + DesplomeZanja * (Clave - y);
}

double Margen(const Medidas& m)
{
    return 1.2 * m.paso + m.lineaGruesa;
}

QPainterPath Poligono(const Encuadre& E, std::initializer_list<QPointF> puntos)
{
    return Poligono(Linea(E, puntos));
}

void DibujaTuboCentrado(QPainter& pintor, const Encuadre& E, const Medidas& m)
{
    DibujaTubo(pintor, E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioInterior), m);
    DibujaCota(pintor, E(-RadioExterior, 0), E(RadioExterior, 0), QStringLiteral("De"), m);
}

// Zanja con su relleno hasta `superficie`: terreno a los lados y en el fondo.
QPainterPath ZanjaHasta(const Encuadre& E, double superficie)
{
    const double arriba = MitadZanja(superficie), abajo = MitadZanja(FondoZanja);
    return Poligono(
        E,
        {{-arriba, superficie}, {arriba, superficie}, {abajo, FondoZanja}, {-abajo, FondoZanja}});
}

QPolygonF TerrenoConZanja(const Encuadre& E, double superficie, double borde)
{
    const double arriba = MitadZanja(superficie), abajo = MitadZanja(FondoZanja);
    return Linea(E, {{-borde, superficie},
                     {-arriba, superficie},
                     {-abajo, FondoZanja},
                     {abajo, FondoZanja},
                     {arriba, superficie},
                     {borde, superficie}});
}

// Terraplén de coronación `cima` y semiancho `corona` sobre el terreno a la
// altura `base`; devuelve el semiancho del pie del talud.
double PieTalud(double cima, double base, double corona)
{
    return corona + PendienteTalud * (base - cima);
}

QPainterPath Terraplen(const Encuadre& E, double cima, double base, double corona)
{
    const double pie = PieTalud(cima, base, corona);
    return Poligono(E, {{-corona, cima}, {corona, cima}, {pie, base}, {-pie, base}});
}

void DibujaTaludes(QPainter& pintor, const Encuadre& E, double cima, double base, double corona,
                   const Medidas& m)
{
    const double pie = PieTalud(cima, base, corona);
    pintor.save();
    pintor.setPen(PlumaGruesa(m));
    pintor.drawPolyline(Linea(E, {{-pie, base}, {-corona, cima}, {corona, cima}, {pie, base}}));
    pintor.restore();
}

// Terreno natural a la altura y, cortado por el tubo que asoma.
void DibujaTerrenoConTubo(QPainter& pintor, const Encuadre& E, double y, double borde,
                          const Medidas& m)
{
    const double corte = std::sqrt(std::max(0.0, RadioExterior * RadioExterior - y * y));
    DibujaTerreno(pintor, E(-borde, y), E(-corte, y), m);
    DibujaTerreno(pintor, E(corte, y), E(borde, y), m);
}

void DibujaZanja(QPainter& pintor, const QRectF& zona, const Medidas& m)
{
    const double superficie = Clave - 1.7;
    const double borde = 2.2;
    const Encuadre E(zona, QRectF(-borde, superficie, 2 * borde, FondoZanja - superficie),
                     Margen(m));

    DibujaRelleno(pintor, ZanjaHasta(E, superficie), m);
    DibujaTerreno(pintor, TerrenoConZanja(E, superficie, borde), m);
    pintor.save();
    pintor.setPen(PlumaGruesa(m));
    pintor.drawLine(E(-MitadZanja(superficie), superficie), E(MitadZanja(superficie), superficie));
    pintor.restore();
    DibujaTuboCentrado(pintor, E, m);

    DibujaCota(pintor, E(-MitadB, Clave), E(MitadB, Clave), QStringLiteral("b"), m,
               LadoTexto::Izquierda, 0.25);
    DibujaCota(pintor, E(CotaDerecha, Clave), E(CotaDerecha, superficie), QStringLiteral("hr"), m,
               LadoTexto::Izquierda);
}

void DibujaTerraplen(QPainter& pintor, const QRectF& zona, const Medidas& m)
{
    const double terreno = Clave + 0.7;
    const double cima = Clave - 1.5;
    const double corona = 0.95;
    const double borde = PieTalud(cima, terreno, corona) + 0.3;
    const Encuadre E(zona, QRectF(-borde, cima, 2 * borde, RadioExterior + 0.1 - cima), Margen(m));

    DibujaRelleno(pintor, Terraplen(E, cima, terreno, corona), m);
    DibujaTaludes(pintor, E, cima, terreno, corona, m);
    DibujaTerrenoConTubo(pintor, E, terreno, borde, m);
    DibujaTuboCentrado(pintor, E, m);

    DibujaLineaAuxiliar(pintor, E(0, Clave), E(CotaDerecha + 0.1, Clave), m);
    DibujaCota(pintor, E(CotaDerecha, terreno), E(CotaDerecha, Clave), QStringLiteral("h′r"), m,
               LadoTexto::Derecha);
    DibujaCota(pintor, E(CotaDerecha, Clave), E(CotaDerecha, cima), QStringLiteral("hr"), m,
               LadoTexto::Derecha);
}

void DibujaZanjaTerraplenada(QPainter& pintor, const QRectF& zona, const Medidas& m)
{
    const double terreno = Clave - 0.8;
    const double cima = Clave - 1.8;
    const double corona = 1.5;
    const double borde = PieTalud(cima, terreno, corona) + 0.3;
    const Encuadre E(zona, QRectF(-borde, cima, 2 * borde, FondoZanja - cima), Margen(m));

    DibujaRelleno(pintor, ZanjaHasta(E, terreno).united(Terraplen(E, cima, terreno, corona)), m);
    DibujaTaludes(pintor, E, cima, terreno, corona, m);
    DibujaTerreno(pintor, TerrenoConZanja(E, terreno, borde), m);
    DibujaTuboCentrado(pintor, E, m);

    DibujaCota(pintor, E(-MitadB, Clave), E(MitadB, Clave), QStringLiteral("b"), m,
               LadoTexto::Izquierda, 0.25);
    DibujaCota(pintor, E(CotaDerecha, Clave), E(CotaDerecha, cima), QStringLiteral("hr"), m,
               LadoTexto::Izquierda);
    // h″r fuera de la zanja, en el terreno, con el plano de la clave prolongado.
    const double x = -MitadZanja(terreno) - 0.6;
    DibujaLineaAuxiliar(pintor, E(-MitadB, Clave), E(x - 0.1, Clave), m);
    DibujaCota(pintor, E(x, Clave), E(x, terreno), QStringLiteral("h″r"), m, LadoTexto::Izquierda);
}

void DibujaZanjaInducida(QPainter& pintor, const QRectF& zona, const Medidas& m)
{
    const double terreno = Clave + 0.7;
    const double cima = Clave - 1.9;
    const double corona = 1.1;
    const double mitadB2 = 0.55;
    const double techo = Clave - 0.95;  // techo de la zanja inducida
    const double borde = PieTalud(cima, terreno, corona) + 0.3;
    const Encuadre E(zona, QRectF(-borde, cima, 2 * borde, RadioExterior + 0.1 - cima), Margen(m));

    DibujaRelleno(pintor, Terraplen(E, cima, terreno, corona), m);
    const QPainterPath inducida =
        Poligono(E, {{-mitadB2, techo}, {mitadB2, techo}, {mitadB2, Clave}, {-mitadB2, Clave}});
    DibujaRellenoCompresible(pintor, inducida, m);
    pintor.save();
    pintor.setPen(PlumaFina(m));
    pintor.drawPath(inducida);
    pintor.restore();
    DibujaTaludes(pintor, E, cima, terreno, corona, m);
    DibujaTerrenoConTubo(pintor, E, terreno, borde, m);
    DibujaTuboCentrado(pintor, E, m);

    const double xd = CotaDerecha + 0.2;
    DibujaLineaAuxiliar(pintor, E(mitadB2, Clave), E(xd + 0.1, Clave), m);
    DibujaCota(pintor, E(xd, terreno), E(xd, Clave), QStringLiteral("h′r"), m, LadoTexto::Derecha);
    DibujaCota(pintor, E(xd, Clave), E(xd, cima), QStringLiteral("hr"), m, LadoTexto::Derecha);

    const double xi = -mitadB2 - 0.25;
    DibujaLineaAuxiliar(pintor, E(-mitadB2, techo), E(xi - 0.1, techo), m);
    DibujaLineaAuxiliar(pintor, E(-mitadB2, Clave), E(xi - 0.1, Clave), m);
    DibujaCota(pintor, E(xi, Clave), E(xi, techo), QStringLiteral("hr2"), m, LadoTexto::Izquierda);

    const double yb = techo - 0.25;
    DibujaLineaAuxiliar(pintor, E(-mitadB2, techo), E(-mitadB2, yb - 0.1), m);
    DibujaLineaAuxiliar(pintor, E(mitadB2, techo), E(mitadB2, yb - 0.1), m);
    DibujaCota(pintor, E(-mitadB2, yb), E(mitadB2, yb), QStringLiteral("b2"), m);
}

}  // namespace

void DibujaInstalacion(QPainter& pintor, const QRectF& zona, int instalacion)
{
    const Medidas m = MedidasDeZona(zona);
    if (!(m.unidad > 0))
        return;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    switch (instalacion) {
    case 0: DibujaZanja(pintor, zona, m); break;
    case 1: DibujaTerraplen(pintor, zona, m); break;
    case 2: DibujaZanjaTerraplenada(pintor, zona, m); break;
    case 3: DibujaZanjaInducida(pintor, zona, m); break;
    default: break;
    }
    pintor.restore();
}

Croquis::Croquis(Dibujo dibujo, QWidget* padre) : QWidget(padre), dibujo_(std::move(dibujo))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Croquis::FijaDibujo(Dibujo dibujo)
{
    dibujo_ = std::move(dibujo);
    update();
}

QSize Croquis::sizeHint() const
{
    return {220, 150};
}

QSize Croquis::minimumSizeHint() const
{
    return {110, 75};
}

void Croquis::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    if (dibujo_)
        dibujo_(pintor, QRectF(rect()));
}

QPolygonF Linea(const Encuadre& E, std::initializer_list<QPointF> puntos)
{
    QPolygonF linea;
    for (const QPointF& p : puntos)
        linea << E(p.x(), p.y());
    return linea;
}

QPainterPath Poligono(const QPolygonF& puntos)
{
    QPainterPath camino;
    camino.addPolygon(puntos);
    camino.closeSubpath();
    return camino;
}

void DibujaAnguloApoyo(QPainter& pintor, const Encuadre& E, int angulo, double radioInterior,
                       double radioArco, double alturaRotulo, const Medidas& m)
{
    const double mitad = angulo / 2.0 * 3.141592 / 180;
    const QPointF centro = E(0, 0);
    pintor.save();
    pintor.setPen(PlumaFina(m));
    for (double lado : {-1.0, 1.0})
        pintor.drawLine(centro,
                        E(lado * radioInterior * std::sin(mitad), radioInterior * std::cos(mitad)));
    const double radio = E.Longitud(radioArco);
    pintor.drawArc(QRectF(centro - QPointF(radio, radio), QSizeF(2 * radio, 2 * radio)),
                   static_cast<int>(std::lround((270 - angulo / 2.0) * 16)), angulo * 16);
    pintor.restore();
    DibujaTexto(pintor, E(0, alturaRotulo), QString::number(angulo) + QStringLiteral("°"), m);
}
