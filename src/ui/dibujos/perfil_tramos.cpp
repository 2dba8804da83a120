#include "perfil_tramos.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "clases.h"
#include "curva_clase.h"
#include "graficos.h"
#include "numero.h"

namespace {

// PK más allá de un millón de km o alturas absurdas no se dibujan: solo
// desbordarían la escala (los datos los comprueba quien lee la tabla).
constexpr double PkLimite = 1e9;
constexpr double HrLimite = 1e6;

// Un tramo dibujable: PK de menor a mayor.
struct Tira {
    double desde, hasta, hr;
    const std::string* clase;
};

std::vector<Tira> Tiras(const std::vector<TramoPerfil>& perfil)
{
    std::vector<Tira> tiras;
    tiras.reserve(perfil.size());
    for (const TramoPerfil& t : perfil) {
        if (!std::isfinite(t.pkInicial) || !std::isfinite(t.pkFinal) ||
            std::abs(t.pkInicial) > PkLimite || std::abs(t.pkFinal) > PkLimite)
            continue;
        const double hr = std::isfinite(t.hr) ? std::clamp(t.hr, 0.0, HrLimite) : 0.0;
        tiras.push_back(
            {std::min(t.pkInicial, t.pkFinal), std::max(t.pkInicial, t.pkFinal), hr, &t.clase});
    }
    std::sort(tiras.begin(), tiras.end(), [](const Tira& a, const Tira& b) {
        return a.desde < b.desde || (a.desde == b.desde && a.hasta < b.hasta);
    });
    return tiras;
}

// Escalas y zonas del perfil, en píxeles.
struct Escalas {
    double letra = 10;
    QRectF area;    // el interior de los ejes
    QRectF franja;  // la franja de clases, bajo el área
    double pkMinimo = 0, pkMaximo = 1, pasoPk = 1, hrMaximo = 1, pasoHr = 1;

    double X(double pk) const
    {
        return area.left() + (pk - pkMinimo) / (pkMaximo - pkMinimo) * area.width();
    }
    double Y(double hr) const { return area.bottom() - hr / hrMaximo * area.height(); }
};

Escalas CalculaEscalas(const QRectF& zona, const std::vector<Tira>& tiras)
{
    Escalas e;
    const double l = e.letra = std::max(1.0, std::min(zona.height() / 26, zona.width() / 46));
    e.area = zona.adjusted(l * 5.8, l * 2.4, -l * 1.4, -l * 6.9);
    e.franja = QRectF(e.area.left(), e.area.bottom() + l * 0.3, e.area.width(), l * 1.6);

    double minimo = std::numeric_limits<double>::infinity(), maximo = -minimo, hr = 0;
    for (const Tira& t : tiras) {
        minimo = std::min(minimo, t.desde);
        maximo = std::max(maximo, t.hasta);
        hr = std::max(hr, t.hr);
    }
    if (tiras.empty())
        minimo = 0, maximo = 1;
    if (maximo - minimo < 1e-6) {  // un punto: un metro a cada lado
        minimo -= 1;
        maximo += 1;
    }
    // Unas marcas cada seis letras, de 2 a 10.
    const int marcasPk = std::clamp(static_cast<int>(e.area.width() / (l * 7)), 2, 10);
    e.pasoPk = PasoRedondo(maximo - minimo, marcasPk);
    e.pkMinimo = std::floor(minimo / e.pasoPk) * e.pasoPk;
    e.pkMaximo = std::ceil(maximo / e.pasoPk) * e.pasoPk;
    if (e.pkMaximo <= e.pkMinimo)
        e.pkMaximo = e.pkMinimo + e.pasoPk;

    const double cima = hr > 0 ? hr * 1.1 : 1.0;
    const int marcasHr = std::clamp(static_cast<int>(e.area.height() / (l * 2.2)), 2, 8);
    e.pasoHr = PasoRedondo(cima, marcasHr);
    e.hrMaximo = std::ceil(cima / e.pasoHr) * e.pasoHr;
    return e;
}

// Peso de la clase en lo que se ve: un tramo sin clase por encima de todo (es
// lo que hay que mirar) y si no, su rango.
int Peso(const std::string& clase)
{
    return clase.empty() ? std::numeric_limits<int>::max() : RangoClase(clase);
}

// La clase que se ve donde varios tramos se solapan o caen en un mismo píxel:
// la más resistente, o la de un tramo sin clase.
const std::string& Predomina(const std::string& a, const std::string& b)
{
    return Peso(b) > Peso(a) ? b : a;
}

// Un trozo de la franja: de un PK a otro (o un punto) con una sola clase.
struct Trozo {
    double desde, hasta;
    const std::string* clase;
};

// La franja en trozos que no se solapan: donde varios tramos se solapan o
// comparten un punto, la clase que predomina. Los huecos quedan sin trozo.
std::vector<Trozo> Trozos(const std::vector<Tira>& tiras)
{
    std::vector<double> puntos;
    for (const Tira& t : tiras)
        puntos.insert(puntos.end(), {t.desde, t.hasta});
    std::sort(puntos.begin(), puntos.end());
    puntos.erase(std::unique(puntos.begin(), puntos.end()), puntos.end());
    std::vector<std::size_t> porFin(tiras.size());
    for (std::size_t i = 0; i < porFin.size(); ++i)
        porFin[i] = i;
    std::sort(porFin.begin(), porFin.end(),
              [&](std::size_t a, std::size_t b) { return tiras[a].hasta < tiras[b].hasta; });

    std::set<std::pair<int, std::size_t>> abiertas;  // peso y tramo de los que cubren el trozo
    const auto predomina = [&](const std::string* clase) {
        return abiertas.empty() ? clase
                                : &Predomina(*clase, *tiras[abiertas.rbegin()->second].clase);
    };
    std::vector<Trozo> trozos;
    std::size_t empieza = 0, acaba = 0;
    for (std::size_t k = 0; k < puntos.size(); ++k) {
        const double x = puntos[k];
        const std::string* enPunto = nullptr;  // la de los tramos de longitud nula en x
        for (; empieza < tiras.size() && tiras[empieza].desde == x; ++empieza) {
            const Tira& t = tiras[empieza];
            if (t.hasta > x)
                abiertas.insert({Peso(*t.clase), empieza});
            else
                enPunto = enPunto ? &Predomina(*enPunto, *t.clase) : t.clase;
        }
        if (enPunto)
            trozos.push_back({x, x, predomina(enPunto)});
        for (; acaba < porFin.size() && tiras[porFin[acaba]].hasta == x; ++acaba)
            abiertas.erase({Peso(*tiras[porFin[acaba]].clase), porFin[acaba]});
        if (!abiertas.empty() && k + 1 < puntos.size())
            trozos.push_back({x, puntos[k + 1], tiras[abiertas.rbegin()->second].clase});
    }
    return trozos;
}

struct Banda {
    double x0, x1;
    const std::string* clase;
};

// Las bandas de la franja: los trozos seguidos de la misma clase en una sola
// y, donde un trozo no llega a un píxel, los de ese píxel en uno con la clase
// que predomina.
std::vector<Banda> Bandas(const Escalas& e, const std::vector<Tira>& tiras)
{
    std::vector<Banda> bandas;
    for (const Trozo& t : Trozos(tiras)) {
        const double x0 = e.X(t.desde), x1 = e.X(t.hasta);
        if (!bandas.empty()) {
            Banda& b = bandas.back();
            const bool seguida = x0 <= b.x1 + 0.5;
            if (seguida && *t.clase == *b.clase) {
                b.x1 = std::max(b.x1, x1);
                continue;
            }
            if (b.x1 - b.x0 < 1 && x1 < b.x0 + 1) {
                b.x1 = std::max(b.x1, x1);
                b.clase = &Predomina(*b.clase, *t.clase);
                continue;
            }
        }
        bandas.push_back({x0, x1, t.clase});
    }
    return bandas;
}

QString TextoClase(int modo, const std::string& clase)
{
    return clase.empty() ? QString("Sin clase") : Q(NombreClase(modo, clase));
}

void RellenaBanda(QPainter& pintor, const QRectF& caja, const std::string& clase)
{
    const std::optional<ColorRGB> color = ColorClase(clase);
    if (color) {
        pintor.fillRect(caja, ColorQ(*color));
    } else {
        pintor.fillRect(caja, QColor(232, 228, 220));
        pintor.fillRect(caja, QBrush(QColor(90, 90, 90), Qt::BDiagPattern));
    }
}

void DibujaFranja(QPainter& pintor, const Escalas& e, std::vector<Banda> bandas)
{
    pintor.setFont(Letra(pintor, e.letra * 0.8, true));
    const QFontMetricsF medidas(pintor.font());
    // Una banda estrecha se ensancha a un píxel y pisa a su vecina: la que
    // predomina, encima.
    std::stable_sort(bandas.begin(), bandas.end(), [](const Banda& a, const Banda& b) {
        return Peso(*a.clase) < Peso(*b.clase);
    });
    for (const Banda& b : bandas) {
        double x0 = b.x0, x1 = b.x1;
        if (x1 - x0 < 1) {  // un tramo de longitud nula también se ve
            const double centro = (x0 + x1) / 2;
            x0 = centro - 0.5;
            x1 = centro + 0.5;
        }
        const QRectF caja(QPointF(x0, e.franja.top()), QPointF(x1, e.franja.bottom()));
        RellenaBanda(pintor, caja, *b.clase);
        if (caja.width() >= 3) {
            pintor.setPen(QPen(QColor(60, 60, 60), e.letra * 0.06));
            pintor.drawLine(caja.topLeft(), caja.bottomLeft());
            pintor.drawLine(caja.topRight(), caja.bottomRight());
        }
        const QString texto = b.clase->empty() ? QString() : Q(*b.clase);
        if (!texto.isEmpty() && medidas.horizontalAdvance(texto) + e.letra * 0.4 < caja.width()) {
            const std::optional<ColorRGB> color = ColorClase(*b.clase);
            pintor.setPen(color ? ColorTextoSobre(ColorQ(*color)) : QColor(Qt::black));
            pintor.drawText(caja, Qt::AlignCenter, texto);
        }
    }
    pintor.setPen(QPen(Qt::black, e.letra * 0.1));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(e.franja);
}

// La línea de hr: un escalón por tramo, cortada en los huecos entre tramos.
// Los puntos que caen en una misma columna de píxeles se reducen a su entrada,
// su mínimo, su máximo y su salida, para que diez mil tramos se dibujen en un
// momento.
class Trazador {
public:
    void Corta()
    {
        Cierra();
        if (!puntos_.isEmpty())
            trazos_.push_back(puntos_);
        puntos_.clear();
    }

    void Anade(double x, double y)
    {
        if (abierta_ && std::floor(x) == std::floor(x_)) {
            minimo_ = std::min(minimo_, y);
            maximo_ = std::max(maximo_, y);
            ultimo_ = y;
            return;
        }
        Cierra();
        abierta_ = true;
        x_ = x;
        entrada_ = minimo_ = maximo_ = ultimo_ = y;
    }

    std::vector<QPolygonF> Trazos()
    {
        Corta();
        return std::move(trazos_);
    }

private:
    void Cierra()
    {
        if (!abierta_)
            return;
        abierta_ = false;
        puntos_ << QPointF(x_, entrada_);
        if (minimo_ < std::min(entrada_, ultimo_))
            puntos_ << QPointF(x_, minimo_);
        if (maximo_ > std::max(entrada_, ultimo_))
            puntos_ << QPointF(x_, maximo_);
        if (ultimo_ != entrada_)
            puntos_ << QPointF(x_, ultimo_);
    }

    std::vector<QPolygonF> trazos_;
    QPolygonF puntos_;
    bool abierta_ = false;
    double x_ = 0, entrada_ = 0, minimo_ = 0, maximo_ = 0, ultimo_ = 0;
};

void DibujaLinea(QPainter& pintor, const Escalas& e, const std::vector<Tira>& tiras)
{
    Trazador trazador;
    double fin = -std::numeric_limits<double>::infinity();
    for (const Tira& t : tiras) {
        const double x0 = e.X(t.desde), x1 = e.X(t.hasta), y = e.Y(t.hr);
        if (x0 > fin + 1 || x0 < fin - 1)
            trazador.Corta();  // un hueco entre tramos, o uno que se solapa con el anterior
        trazador.Anade(x0, y);
        trazador.Anade(x1, y);
        fin = std::max(fin, x1);
    }
    // Segmento a segmento: un trazo de miles de puntos que se cruza consigo
    // mismo cuesta mucho más de rellenar que sus segmentos sueltos.
    const QColor azul(0, 0, 160);
    pintor.setPen(QPen(azul, e.letra * 0.2, Qt::SolidLine, Qt::SquareCap));
    pintor.setBrush(azul);
    std::vector<QLineF> segmentos;
    for (const QPolygonF& trazo : trazador.Trazos()) {
        if (trazo.size() == 1) {  // un tramo de longitud nula y suelto: un punto
            const double radio = e.letra * 0.2;
            pintor.drawEllipse(trazo.front(), radio, radio);
        }
        for (int i = 1; i < trazo.size(); ++i)
            segmentos.emplace_back(trazo[i - 1], trazo[i]);
    }
    pintor.drawLines(segmentos.data(), static_cast<int>(segmentos.size()));
}

void DibujaEjes(QPainter& pintor, const QRectF& zona, const Escalas& e)
{
    const double l = e.letra;
    pintor.setFont(Letra(pintor, l * 0.85));
    const QPen rejilla(QColor(150, 150, 150), l * 0.04, Qt::DotLine);
    const QPen marca(Qt::black, l * 0.08);
    const double largo = l * 0.4;
    for (int i = 0; i <= 100; ++i) {
        const double pk = e.pkMinimo + i * e.pasoPk;
        if (pk > e.pkMaximo + e.pasoPk * 1e-6)
            break;
        const double x = e.X(pk);
        pintor.setPen(rejilla);
        pintor.drawLine(QPointF(x, e.area.top()), QPointF(x, e.area.bottom()));
        pintor.setPen(marca);
        pintor.drawLine(QPointF(x, e.franja.bottom()), QPointF(x, e.franja.bottom() + largo));
        pintor.drawText(QRectF(x - l * 4, e.franja.bottom() + largo, l * 8, l * 1.2),
                        Qt::AlignHCenter | Qt::AlignTop, Q(TextoNumero(pk)));
    }
    for (int i = 0; i <= 100; ++i) {
        const double hr = i * e.pasoHr;
        if (hr > e.hrMaximo + e.pasoHr * 1e-6)
            break;
        const double y = e.Y(hr);
        pintor.setPen(rejilla);
        pintor.drawLine(QPointF(e.area.left(), y), QPointF(e.area.right(), y));
        pintor.setPen(marca);
        pintor.drawLine(QPointF(e.area.left() - largo, y), QPointF(e.area.left(), y));
        pintor.drawText(QRectF(e.area.left() - l * 5, y - l * 0.6, l * 4.4, l * 1.2),
                        Qt::AlignRight | Qt::AlignVCenter, Q(TextoNumero(hr)));
    }
    pintor.setPen(QPen(Qt::black, l * 0.12));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(e.area);

    pintor.setFont(Letra(pintor, l));
    pintor.drawText(QRectF(e.area.left(), e.franja.bottom() + l * 1.8, e.area.width(), l * 1.4),
                    Qt::AlignHCenter | Qt::AlignTop, "PK (m)");
    pintor.save();
    pintor.translate(zona.left() + l * 1.5, e.area.center().y());
    pintor.rotate(-90);
    pintor.drawText(QRectF(-e.area.height() / 2, -l * 1.3, e.area.height(), l * 1.4),
                    Qt::AlignHCenter | Qt::AlignBottom, "hr (m)");
    pintor.restore();
}

// La leyenda de las clases presentes, de la menos a la más resistente, y la
// de los tramos sin clase al final.
void DibujaLeyenda(QPainter& pintor, const QRectF& zona, const Escalas& e,
                   const std::vector<Banda>& bandas, int modo)
{
    std::vector<std::string> clases;
    bool sinClase = false;
    for (const Banda& b : bandas) {
        if (b.clase->empty())
            sinClase = true;
        else if (std::find(clases.begin(), clases.end(), *b.clase) == clases.end())
            clases.push_back(*b.clase);
    }
    std::sort(clases.begin(), clases.end(), [](const std::string& a, const std::string& b) {
        return RangoClase(a) < RangoClase(b);
    });
    if (sinClase)
        clases.emplace_back();

    const double l = e.letra;
    pintor.setFont(Letra(pintor, l * 0.85));
    const QFontMetricsF medidas(pintor.font());
    const double y = zona.bottom() - l * 1.6;
    double x = e.area.left();
    for (const std::string& clase : clases) {
        const QString texto = TextoClase(modo, clase);
        const double ancho = l * 1.6 + medidas.horizontalAdvance(texto);
        if (x + ancho > zona.right())
            break;
        const QRectF muestra(x, y + l * 0.2, l * 1.2, l * 0.9);
        RellenaBanda(pintor, muestra, clase);
        pintor.setPen(QPen(Qt::black, l * 0.06));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRect(muestra);
        pintor.drawText(QRectF(x + l * 1.5, y, ancho, l * 1.3), Qt::AlignLeft | Qt::AlignVCenter,
                        texto);
        x += ancho + l * 1.2;
    }
}

}  // namespace

void DibujaPerfilTramos(QPainter& pintor, const QRectF& zona,
                        const std::vector<TramoPerfil>& perfil, int modo)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBackgroundMode(Qt::TransparentMode);
    pintor.fillRect(zona, Qt::white);
    const std::vector<Tira> tiras = Tiras(perfil);
    const Escalas e = CalculaEscalas(zona, tiras);

    pintor.setPen(Qt::black);
    pintor.setFont(Letra(pintor, e.letra * 1.05, true));
    pintor.drawText(QRectF(zona.left(), zona.top() + e.letra * 0.3, zona.width(), e.letra * 1.5),
                    Qt::AlignHCenter | Qt::AlignTop,
                    modo == 2 ? "Perfil longitudinal: clase ASTM C76M"
                              : "Perfil longitudinal: clase UNE 127.010");
    if (tiras.empty()) {
        pintor.setFont(Letra(pintor, e.letra * 1.2));
        pintor.drawText(zona, Qt::AlignCenter, "Sin tramos");
    }
    if (tiras.empty() || e.area.width() <= 0 || e.area.height() <= 0) {
        pintor.restore();
        return;
    }

    const std::vector<Banda> bandas = Bandas(e, tiras);
    DibujaEjes(pintor, zona, e);
    DibujaFranja(pintor, e, bandas);
    pintor.save();
    pintor.setClipRect(e.area.adjusted(-e.letra * 0.2, -e.letra * 0.2, e.letra * 0.2, 0),
                       Qt::IntersectClip);
    DibujaLinea(pintor, e, tiras);
    pintor.restore();
    DibujaLeyenda(pintor, zona, e, bandas, modo);
    pintor.restore();
}
