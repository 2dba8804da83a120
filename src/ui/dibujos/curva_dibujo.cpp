#include "curva_dibujo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>

#include "clases.h"
#include "curva_clase.h"
#include "graficos.h"
#include "numero.h"

namespace {

// Escalas del gráfico en la zona.
struct Ejes {
    QRectF area;  // el interior de los ejes
    double hrMaximo = 10, cargaMaxima = 200, pasoHr = 1, pasoCarga = 20, letra = 10;

    double X(double hr) const { return area.left() + hr / hrMaximo * area.width(); }
    double Y(double carga) const { return area.bottom() - carga / cargaMaxima * area.height(); }
};

Ejes CalculaEjes(const QRectF& zona, const CurvaClase& curva)
{
    Ejes e;
    e.letra = std::max(1.0, std::min(zona.height() / 24, zona.width() / 42));
    e.area = zona.adjusted(e.letra * 5.8, e.letra * 1.4, -e.letra * 1.2, -e.letra * 3.4);
    e.hrMaximo = std::max(curva.hrMaximo, 1.0);
    e.pasoHr = PasoRedondo(e.hrMaximo, 10);

    // Hasta el último límite de clase y algo más; una punta muy alta se recorta.
    double limite = 0;
    for (const BandaClase& banda : curva.bandas)
        if (!banda.sinTecho)
            limite = std::max(limite, banda.hasta);
    if (limite <= 0)
        limite = 100;
    double cima = limite * 1.15;
    for (const PuntoCurva& punto : curva.puntos)
        if (punto.calculado)
            cima = std::max(cima, punto.carga * 1.05);
    cima = std::min(cima, limite * 2);
    e.pasoCarga = PasoRedondo(cima, 8);
    e.cargaMaxima = std::ceil(cima / e.pasoCarga) * e.pasoCarga;
    return e;
}

void DibujaBandas(QPainter& pintor, const Ejes& e, const CurvaClase& curva)
{
    for (const BandaClase& banda : curva.bandas) {
        if (banda.desde >= e.cargaMaxima)
            continue;
        const double techo = banda.sinTecho ? e.cargaMaxima : std::min(banda.hasta, e.cargaMaxima);
        const QRectF franja(QPointF(e.area.left(), e.Y(techo)),
                            QPointF(e.area.right(), e.Y(banda.desde)));
        pintor.fillRect(franja, Tinte(banda.clase));
        if (!banda.sinTecho && banda.hasta < e.cargaMaxima) {
            pintor.setPen(QPen(QColor(90, 90, 90), e.letra * 0.08, Qt::DashLine));
            pintor.drawLine(QPointF(e.area.left(), e.Y(banda.hasta)),
                            QPointF(e.area.right(), e.Y(banda.hasta)));
        }
        // El rótulo de la clase, para leer la franja también en blanco y negro.
        // Separado de la raya de arriba: en papel la letra crece un poco y la tocaría.
        if (franja.height() >= e.letra * 1.4) {
            pintor.setFont(Letra(pintor, e.letra, true));
            pintor.setPen(Qt::black);
            const QRectF rotulo = franja.adjusted(0, e.letra * 0.3, -e.letra * 0.4, 0);
            pintor.drawText(rotulo, Qt::AlignRight | Qt::AlignTop,
                            Q(NombreClase(curva.modo, banda.clase)));
        }
    }
}

void DibujaEjes(QPainter& pintor, const QRectF& zona, const Ejes& e)
{
    pintor.setFont(Letra(pintor, e.letra * 0.85));
    const QPen rejilla(QColor(150, 150, 150), e.letra * 0.04, Qt::DotLine);
    const QPen marca(Qt::black, e.letra * 0.08);
    const double largo = e.letra * 0.4;
    for (int i = 0; i * e.pasoHr <= e.hrMaximo + 1e-9; ++i) {
        const double x = e.X(i * e.pasoHr);
        pintor.setPen(rejilla);
        pintor.drawLine(QPointF(x, e.area.top()), QPointF(x, e.area.bottom()));
        pintor.setPen(marca);
        pintor.drawLine(QPointF(x, e.area.bottom()), QPointF(x, e.area.bottom() + largo));
        pintor.drawText(
            QRectF(x - e.letra * 3, e.area.bottom() + largo, e.letra * 6, e.letra * 1.2),
            Qt::AlignHCenter | Qt::AlignTop, Q(TextoNumero(i * e.pasoHr)));
    }
    for (int i = 0; i * e.pasoCarga <= e.cargaMaxima + 1e-9; ++i) {
        const double y = e.Y(i * e.pasoCarga);
        pintor.setPen(rejilla);
        pintor.drawLine(QPointF(e.area.left(), y), QPointF(e.area.right(), y));
        pintor.setPen(marca);
        pintor.drawLine(QPointF(e.area.left() - largo, y), QPointF(e.area.left(), y));
        pintor.drawText(
            QRectF(e.area.left() - e.letra * 5, y - e.letra * 0.6, e.letra * 4.4, e.letra * 1.2),
            Qt::AlignRight | Qt::AlignVCenter, Q(TextoNumero(i * e.pasoCarga)));
    }
    pintor.setPen(QPen(Qt::black, e.letra * 0.12));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(e.area);

    pintor.setFont(Letra(pintor, e.letra));
    pintor.drawText(
        QRectF(e.area.left(), e.area.bottom() + e.letra * 1.9, e.area.width(), e.letra * 1.4),
        Qt::AlignHCenter | Qt::AlignTop, "hr (m)");
    pintor.save();
    pintor.translate(zona.left() + e.letra * 1.5, e.area.center().y());
    pintor.rotate(-90);
    pintor.drawText(QRectF(-e.area.height() / 2, -e.letra * 1.3, e.area.height(), e.letra * 1.4),
                    Qt::AlignHCenter | Qt::AlignBottom, "Carga de cálculo (kN/m²)");
    pintor.restore();
}

void DibujaLinea(QPainter& pintor, const Ejes& e, const CurvaClase& curva)
{
    QPainterPath camino;
    bool abierto = false;
    for (const PuntoCurva& punto : curva.puntos) {
        if (!punto.calculado) {
            abierto = false;  // un hueco: el cálculo falla a esa altura
            continue;
        }
        const QPointF p(e.X(punto.hr), e.Y(punto.carga));
        if (abierto)
            camino.lineTo(p);
        else
            camino.moveTo(p);
        abierto = true;
    }
    pintor.save();
    pintor.setClipRect(e.area, Qt::IntersectClip);  // sin salirse del recorte de quien dibuja
    pintor.setPen(QPen(Qt::black, e.letra * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(camino);
    pintor.restore();
}

// Línea vertical en una altura, con su rótulo arriba sobre fondo blanco en su
// fila; la línea empieza en su rótulo, para no cruzar los de las filas de encima.
void DibujaAltura(QPainter& pintor, const Ejes& e, double hr, const QString& texto,
                  Qt::PenStyle estilo, double fila)
{
    const double x = e.X(hr);
    const double arriba = e.area.top() + e.letra * (0.3 + 1.3 * fila);
    pintor.setPen(QPen(Qt::black, e.letra * 0.12, estilo));
    pintor.drawLine(QPointF(x, fila > 0 ? arriba : e.area.top()), QPointF(x, e.area.bottom()));
    pintor.setFont(Letra(pintor, e.letra * 0.85));
    const QFontMetricsF medidas(pintor.font());
    const double ancho = medidas.horizontalAdvance(texto) + e.letra * 0.6;
    double izquierda = x + e.letra * 0.2;
    if (izquierda + ancho > e.area.right())
        izquierda = x - e.letra * 0.2 - ancho;
    const QRectF caja(izquierda, arriba, ancho, e.letra * 1.2);
    pintor.fillRect(caja, Qt::white);
    pintor.setPen(Qt::black);
    pintor.drawText(caja, Qt::AlignCenter, texto);
}

}  // namespace

void DibujaCurvaClase(QPainter& pintor, const QRectF& zona, const CurvaClase& curva)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBackgroundMode(Qt::TransparentMode);
    pintor.fillRect(zona, Qt::white);
    const Ejes e = CalculaEjes(zona, curva);

    DibujaBandas(pintor, e, curva);
    // Por debajo del relleno mínimo no se calcula: rayado.
    const QRectF debajo(QPointF(e.area.left(), e.area.top()),
                        QPointF(e.X(curva.hrMinimo), e.area.bottom()));
    pintor.fillRect(debajo, QBrush(QColor(110, 110, 110), Qt::BDiagPattern));
    DibujaEjes(pintor, zona, e);
    DibujaLinea(pintor, e, curva);

    DibujaAltura(pintor, e, curva.hrMinimo, "hr mín. " + Q(TextoNumero(curva.hrMinimo)) + " m",
                 Qt::DashLine, 0);
    if (curva.hayActual) {
        DibujaAltura(pintor, e, curva.actual.hr, "hr = " + Q(TextoNumero(curva.actual.hr)) + " m",
                     Qt::DashDotLine, 1);
        if (curva.actual.calculado && curva.actual.carga <= e.cargaMaxima) {
            const double radio = e.letra * 0.35;
            pintor.setPen(QPen(Qt::black, e.letra * 0.1));
            pintor.setBrush(Qt::white);
            pintor.drawEllipse(QPointF(e.X(curva.actual.hr), e.Y(curva.actual.carga)), radio,
                               radio);
        }
    }
    pintor.restore();
}

std::optional<double> AlturaEnCurva(const QRectF& zona, const CurvaClase& curva, double x)
{
    const Ejes e = CalculaEjes(zona, curva);
    if (x < e.area.left() || x > e.area.right())
        return std::nullopt;
    const double hr = (x - e.area.left()) / e.area.width() * e.hrMaximo;
    return std::clamp(hr, curva.hrMinimo, curva.hrMaximo);
}
