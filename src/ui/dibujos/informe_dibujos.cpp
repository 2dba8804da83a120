#include "informe_dibujos.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "camas.h"
#include "dibujos.h"

// ---------------------------------------------------------------------------
// Fórmulas
// ---------------------------------------------------------------------------
//
// Cada fórmula se escribe con unas marcas sencillas y se compone en cajas
// (anchura, altura sobre la línea base, profundidad bajo ella), como hace un
// sistema de composición de textos:
//   x_r, x_{zt}   subíndice        \e         e recta (la exponencial)
//   x^2, e^{..}   exponente        \t{texto}  texto recto, tal cual
//   \f{a}{b}      fracción         \s{..}     lo de dentro, en letra menor
//   blanco        espacio fino     \q         espacio ancho
// Las letras van en cursiva; cifras, signos y \t en redonda. Se compone con
// letra de 100 px y se escala al dibujar, así el resultado no depende del
// dispositivo.

namespace {

constexpr int TamanoComposicion = 100;  // px de la letra normal al componer
constexpr double LetraFormula = 13;     // px de la letra normal en la zona de referencia
const double AnchoReferencia = 278;     // zona de la fórmula en la memoria
const double AltoReferencia = 75;
const double MargenFormula = 2;  // px alrededor, en la zona de referencia

struct Pieza {
    QPointF origen;  // texto: punto de partida de su línea base; raya: esquina
    QString texto;   // vacío: raya de fracción
    int tamano = 0;
    bool cursiva = false;
    QSizeF raya;
};

struct Caja {
    double ancho = 0;
    double alto = 0;       // sobre la línea base
    double hondo = 0;      // bajo la línea base
    bool cursiva = false;  // acaba en letra cursiva (corrección para el exponente)
    std::vector<Pieza> piezas;

    // Añade otra caja con su línea base en (x, y) de esta.
    void Pon(const Caja& otra, double x, double y)
    {
        for (Pieza pieza : otra.piezas) {
            pieza.origen += QPointF(x, y);
            piezas.push_back(pieza);
        }
        alto = std::max(alto, otra.alto - y);
        hondo = std::max(hondo, otra.hondo + y);
    }
};

QFont LetraMatematica(int tamano, bool cursiva)
{
    QFont letra(QStringLiteral("Liberation Serif"));
    letra.setPixelSize(tamano);
    letra.setItalic(cursiva);
    // Sin ajuste a la rejilla de píxeles: las medidas valen a cualquier escala.
    letra.setHintingPreference(QFont::PreferNoHinting);
    return letra;
}

int TamanoNivel(int nivel)
{
    return nivel <= 0 ? TamanoComposicion : nivel == 1 ? 70 : 56;
}

bool EsCursiva(QChar c)
{
    return c.isLetter();
}

class Compositor {
public:
    explicit Compositor(const QString& marcas) : s_(marcas) {}

    Caja Compone() { return Secuencia(0); }

private:
    bool Fin() const { return i_ >= s_.size(); }
    QChar Actual() const { return Fin() ? QChar() : s_[i_]; }

    // Hasta la llave que cierra el grupo (o el final).
    Caja Secuencia(int nivel)
    {
        Caja caja;
        while (!Fin() && Actual() != '}') {
            Caja atomo = Atomo(nivel);
            atomo = Indices(atomo, nivel);
            caja.Pon(atomo, caja.ancho, 0);
            caja.ancho += atomo.ancho;
            caja.cursiva = atomo.cursiva;
        }
        return caja;
    }

    // Un grupo entre llaves o un solo carácter.
    Caja Argumento(int nivel)
    {
        if (Actual() == '{') {
            ++i_;
            Caja caja = Secuencia(nivel);
            if (Actual() == '}')
                ++i_;
            return caja;
        }
        return Atomo(nivel);
    }

    Caja Atomo(int nivel)
    {
        const int tamano = TamanoNivel(nivel);
        const QChar c = Actual();
        if (c == '{')
            return Argumento(nivel);
        if (c == ' ') {
            ++i_;
            Caja espacio;
            espacio.ancho = 0.22 * tamano;
            return espacio;
        }
        if (c == '\\' && i_ + 1 < s_.size()) {
            const QChar orden = s_[i_ + 1];
            i_ += 2;
            switch (orden.unicode()) {
            case 'e': return Texto(QStringLiteral("e"), tamano, false);
            case 'q': {
                Caja espacio;
                espacio.ancho = 1.0 * tamano;
                return espacio;
            }
            case 'f': return Fraccion(nivel);
            case 's': return Argumento(nivel + 1);
            case 't': {
                QString texto;
                if (Actual() == '{') {
                    ++i_;
                    while (!Fin() && Actual() != '}')
                        texto += s_[i_++];
                    if (!Fin())
                        ++i_;
                }
                return Texto(texto, tamano, false);
            }
            default: break;
            }
            return Texto(QString(orden), tamano, false);
        }
        // Letras seguidas del mismo estilo en una sola tirada (mejor espaciado),
        // salvo la que lleva índice, que va sola.
        QString tirada;
        const bool cursiva = EsCursiva(c);
        while (!Fin()) {
            const QChar d = Actual();
            if (d == ' ' || d == '\\' || d == '{' || d == '}' || d == '_' || d == '^' ||
                EsCursiva(d) != cursiva)
                break;
            const bool conIndice = i_ + 1 < s_.size() && (s_[i_ + 1] == '_' || s_[i_ + 1] == '^');
            if (conIndice && !tirada.isEmpty())
                break;
            tirada += d;
            ++i_;
            if (conIndice)
                break;
        }
        if (tirada.isEmpty())
            tirada = s_[i_++];
        return Texto(tirada, tamano, cursiva);
    }

    static Caja Texto(const QString& texto, int tamano, bool cursiva)
    {
        const QFontMetricsF medida(LetraMatematica(tamano, cursiva));
        Caja caja;
        caja.ancho = medida.horizontalAdvance(texto);
        // Alturas fijas por tamaño: las líneas base no bailan con cada letra.
        caja.alto = 0.72 * tamano;
        caja.hondo = 0.22 * tamano;
        caja.cursiva = cursiva;
        caja.piezas.push_back({QPointF(0, 0), texto, tamano, cursiva, {}});
        return caja;
    }

    // Subíndice y exponente del átomo, si los lleva.
    Caja Indices(const Caja& base, int nivel)
    {
        if (Actual() != '_' && Actual() != '^')
            return base;
        const double tamano = TamanoNivel(nivel);
        Caja sub, sup;
        bool conSub = false, conSup = false;
        while (Actual() == '_' || Actual() == '^') {
            const bool esSub = Actual() == '_';
            ++i_;
            (esSub ? sub : sup) = Argumento(nivel + 1);
            (esSub ? conSub : conSup) = true;
        }
        Caja caja;
        caja.Pon(base, 0, 0);
        caja.ancho = base.ancho;
        double resto = 0;
        if (conSub) {
            caja.Pon(sub, base.ancho, 0.2 * tamano);
            resto = sub.ancho;
        }
        if (conSup) {
            // La cursiva se inclina: el exponente se aparta un poco.
            const double x = base.ancho + (base.cursiva ? 0.06 * tamano : 0.02 * tamano);
            const double subida = std::max(0.42 * tamano, base.alto - 0.3 * tamano);
            caja.Pon(sup, x, -subida);
            resto = std::max(resto, x - base.ancho + sup.ancho);
        }
        caja.ancho += resto + 0.03 * tamano;
        return caja;
    }

    Caja Fraccion(int nivel)
    {
        const double tamano = TamanoNivel(nivel);
        const Caja numerador = Argumento(nivel);
        const Caja denominador = Argumento(nivel);
        const double eje = 0.26 * tamano;  // altura del signo menos
        const double grueso = 0.05 * tamano;
        const double hueco = 0.14 * tamano;
        const double lado = 0.12 * tamano;
        Caja caja;
        caja.ancho = std::max(numerador.ancho, denominador.ancho) + 2 * lado;
        caja.Pon(numerador, (caja.ancho - numerador.ancho) / 2,
                 -(eje + grueso / 2 + hueco + numerador.hondo));
        caja.Pon(denominador, (caja.ancho - denominador.ancho) / 2,
                 -eje + grueso / 2 + hueco + denominador.alto);
        Pieza raya;
        raya.origen = QPointF(lado / 2, -eje - grueso / 2);
        raya.raya = QSizeF(caja.ancho - lado, grueso);
        caja.piezas.push_back(raya);
        return caja;
    }

    QString s_;
    int i_ = 0;
};

struct Formula {
    const char* nombre;
    std::initializer_list<const char*> lineas;
};

// Los coeficientes de Marston de las cuatro instalaciones; λμ′ es el del
// rozamiento contra las paredes de la zanja.
const Formula Formulas[] = {
    {"Formula1", {"q_r = C_z · γ_r · h_r · b", "C_z = \\f{1 − \\e^{−2λμ′·h_r/b}}{2λμ′·h_r/b}"}},
    {"Formula2",
     {"q_r = C_t · γ_r · h_r · D_e \\q \\s{(h_r ≤ h_0 ;  h_0 \\t{según norma UNE 127.010})}",
      "C_t = \\f{\\e^{2λμ·h_r/D_e} − 1}{2λμ·h_r/D_e}"}},
    {"Formula3",
     {"q_r = C_t · γ_r · h_r · D_e \\q \\s{(h_r > h_0 ;  h_0 \\t{según norma UNE 127.010})}",
      "C_t = \\f{\\e^{2λμ·h_0/D_e} − 1}{2λμ·h_r/D_e} + \\f{h_r − h_0}{h_r} · "
      "\\e^{2λμ·h_0/D_e}"}},
    {"Formula4",
     {"q_r = C_{zt} · γ_r · h_r · b \\q \\s{(h_r ≤ h_0)}",
      "C_{zt} = \\f{1 − \\e^{−2λμ·h_r/b}}{2λμ·h_r/b}"}},
    {"Formula5",
     {"q_r = C_{zt} · γ_r · h_r · b \\q \\s{(h_r > h_0)}",
      "C_{zt} = \\f{1 − \\e^{−2λμ·h_0/b}}{2λμ·h_r/b} + \\f{h_r − h_0}{h_r} · \\e^{−2λμ·h_0/b}"}},
    {"Formula6",
     {"q_r = C_{zit} · γ_r · h_r · b_2 \\q \\s{(h_r ≤ h_0)}",
      "C_{zit} = \\f{1 − \\e^{−2λμ·h_r/b_2}}{2λμ·h_r/b_2}"}},
    {"Formula7",
     {"q_r = C_{zit} · γ_r · h_r · b_2 \\q \\s{(h_r > h_0)}",
      "C_{zit} = \\f{1 − \\e^{−2λμ·h_0/b_2}}{2λμ·h_r/b_2} + \\f{h_r − h_0}{h_r} · "
      "\\e^{−2λμ·h_0/b_2}"}},
};

const Formula* BuscaFormula(const QString& nombre)
{
    for (const Formula& formula : Formulas)
        if (nombre == QLatin1String(formula.nombre))
            return &formula;
    return nullptr;
}

// Las líneas de la fórmula, una bajo otra, con la primera línea base en y = 0.
Caja ComponeFormula(const Formula& formula)
{
    Caja total;
    bool primera = true;
    for (const char* linea : formula.lineas) {
        const Caja caja = Compositor(QString::fromUtf8(linea)).Compone();
        const double y = primera ? 0 : total.hondo + 0.45 * TamanoComposicion + caja.alto;
        total.Pon(caja, 0, y);
        total.ancho = std::max(total.ancho, caja.ancho);
        primera = false;
    }
    return total;
}

// Píxeles de la zona de referencia por unidad de composición.
constexpr double Reduccion = LetraFormula / TamanoComposicion;

}  // namespace

QStringList NombresFormulaInforme()
{
    QStringList nombres;
    for (const Formula& formula : Formulas)
        nombres << QString::fromLatin1(formula.nombre);
    return nombres;
}

QSizeF TamanoFormula(const QString& nombre)
{
    const Formula* formula = BuscaFormula(nombre);
    if (!formula)
        return {};
    const Caja caja = ComponeFormula(*formula);
    return {caja.ancho * Reduccion + 2 * MargenFormula,
            (caja.alto + caja.hondo) * Reduccion + 2 * MargenFormula};
}

void DibujaFormula(QPainter& pintor, const QRectF& zona, const QString& nombre)
{
    const Formula* formula = BuscaFormula(nombre);
    if (!formula || !(zona.width() > 0) || !(zona.height() > 0))
        return;
    const Caja caja = ComponeFormula(*formula);
    const QSizeF natural = TamanoFormula(nombre);
    // Como mucho la letra de la zona de referencia a la escala de la zona; menos
    // si la fórmula no cabe.
    const double escala =
        std::min({zona.width() / AnchoReferencia, zona.height() / AltoReferencia,
                  zona.width() / natural.width(), zona.height() / natural.height()});

    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    pintor.translate(zona.topLeft() + QPointF(MargenFormula, MargenFormula) * escala);
    pintor.scale(escala * Reduccion, escala * Reduccion);
    pintor.translate(0, caja.alto);
    pintor.setPen(Qt::black);
    for (const Pieza& pieza : caja.piezas) {
        if (pieza.texto.isEmpty()) {
            pintor.fillRect(QRectF(pieza.origen, pieza.raya), Qt::black);
            continue;
        }
        pintor.setFont(LetraMatematica(pieza.tamano, pieza.cursiva));
        pintor.drawText(pieza.origen, pieza.texto);
    }
    pintor.restore();
}

// ---------------------------------------------------------------------------
// Croquis de instalación
// ---------------------------------------------------------------------------

namespace {

// Medidas en diámetros exteriores (De = 1), con y hacia abajo y el centro del
// tubo en el origen. No son proporciones reales de obra.
const double RadioExterior = 0.5;
const double RadioInterior = 0.41;
const double Clave = -RadioExterior;
const double Base = RadioExterior;  // generatriz inferior
const double CamaBajoTubo = 0.2;    // c
const double Fondo = Base + CamaBajoTubo;
const double CotaDerecha = 0.74;  // x de las cotas verticales de la derecha
const double CotaIzquierda = -0.74;

// En la zona de la memoria (147 × 145) la letra, las flechas y los trazos no
// encogen por debajo de lo que se lee; en proporción igual en la impresora,
// para que el papel se vea como la pantalla.
Medidas MedidasEsquema(const QRectF& zona)
{
    Medidas m = MedidasDeZona(zona);
    const double k = std::min(zona.width() / 147, zona.height() / 145);
    if (m.unidad > 0) {
        m.letra = std::max(m.letra, 8.5 * k);
        m.flecha = std::max(m.flecha, 4.0 * k);
        m.lineaGruesa = std::max(m.lineaGruesa, 1.1 * k);
        m.lineaFina = std::max(m.lineaFina, 0.7 * k);
    }
    return m;
}

double Margen(const Medidas& m)
{
    return 0.6 * m.paso + m.lineaGruesa;
}

QPainterPath Tubo(const Encuadre& E)
{
    QPainterPath tubo;
    tubo.addEllipse(E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioExterior));
    return tubo;
}

// Cama de apoyo: hormigón, con su contorno.
void DibujaCamaApoyo(QPainter& pintor, const QPainterPath& zona, const Medidas& m)
{
    DibujaHormigon(pintor, zona, m);
    pintor.save();
    pintor.setPen(PlumaFina(m));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(zona);
    pintor.restore();
}

// Altura de la cama sobre la generatriz inferior para un ángulo de apoyo.
double AlturaCama(int angulo)
{
    return RadioExterior * (1 - std::cos(angulo / 2.0 * 3.141592 / 180));
}

// El tubo con sus tres medidas: Di dentro, De encima de la clave con sus
// líneas de referencia y Es en la pared, a la izquierda.
void DibujaTuboAcotado(QPainter& pintor, const Encuadre& E, const Medidas& m)
{
    DibujaTubo(pintor, E(0, 0), E.Longitud(RadioExterior), E.Longitud(RadioInterior), m);
    DibujaCota(pintor, E(-RadioInterior, 0), E(RadioInterior, 0), QStringLiteral("Di"), m,
               LadoTexto::Izquierda, 0.5);

    const double yDe = Clave - 0.2;
    DibujaLineaAuxiliar(pintor, E(-RadioExterior, -0.04), E(-RadioExterior, yDe - 0.06), m);
    DibujaLineaAuxiliar(pintor, E(RadioExterior, -0.04), E(RadioExterior, yDe - 0.06), m);
    DibujaCota(pintor, E(-RadioExterior, yDe), E(RadioExterior, yDe), QStringLiteral("De"), m,
               LadoTexto::Izquierda, 0.5);

    // Es: cota corta a través de la pared, con las flechas por fuera.
    const double angulo = 200 * 3.141592 / 180;
    const QPointF sentido(std::cos(angulo), std::sin(angulo));
    DibujaCota(pintor, E(sentido.x() * RadioInterior, sentido.y() * RadioInterior),
               E(sentido.x() * RadioExterior, sentido.y() * RadioExterior), QString(), m);
    DibujaTexto(pintor, E(sentido.x() * 0.74, sentido.y() * 0.74 - 0.04), QStringLiteral("Es"), m);
}

// Cotas a (altura de la cama sobre la generatriz inferior) y c (espesor bajo
// el tubo), encadenadas en x.
void DibujaCotasCama(QPainter& pintor, const Encuadre& E, double x, double techoCama,
                     const Medidas& m)
{
    DibujaLineaAuxiliar(pintor, E(0, Base), E(x - 0.06, Base), m);
    DibujaCota(pintor, E(x, Fondo), E(x, Base), QStringLiteral("c"), m, LadoTexto::Derecha);
    DibujaCota(pintor, E(x, Base), E(x, techoCama), QStringLiteral("a"), m, LadoTexto::Derecha);
}

// Zanja (o zanja terraplenada): tubo sobre una cama del ángulo dado, paredes
// casi verticales y relleno hasta la superficie; en la terraplenada la zanja
// acaba en el terreno natural y el terraplén sigue hasta la superficie.
void DibujaZanjaCama(QPainter& pintor, const QRectF& zona, int angulo, bool terraplenada,
                     const Medidas& m)
{
    const double superficie = terraplenada ? Clave - 1.2 : Clave - 1.0;
    const double terreno = terraplenada ? Clave - 0.55 : superficie;
    const auto mitad = [](double y) { return 1.0 + 0.07 * (Clave - y); };
    const double borde = mitad(terreno) + 0.28;
    const Encuadre E(zona, QRectF(-borde, superficie - 0.05, 2 * borde, Fondo + 0.12 - superficie),
                     Margen(m));

    const double techoCama = Base - AlturaCama(angulo);
    const QPainterPath tubo = Tubo(E);
    const auto franja = [&](double y0, double y1) {
        return Poligono(
            Linea(E, {{-mitad(y0), y0}, {mitad(y0), y0}, {mitad(y1), y1}, {-mitad(y1), y1}}));
    };
    QPainterPath relleno = franja(terreno, techoCama);
    if (terraplenada)
        relleno = relleno.united(Poligono(Linea(
            E, {{-borde, superficie}, {borde, superficie}, {borde, terreno}, {-borde, terreno}})));
    DibujaRelleno(pintor, relleno.subtracted(tubo), m);
    DibujaCamaApoyo(pintor, franja(techoCama, Fondo).subtracted(tubo), m);
    DibujaTerreno(pintor,
                  Linea(E, {{-borde, terreno},
                            {-mitad(terreno), terreno},
                            {-mitad(Fondo), Fondo},
                            {mitad(Fondo), Fondo},
                            {mitad(terreno), terreno},
                            {borde, terreno}}),
                  m);
    pintor.save();
    pintor.setPen(PlumaGruesa(m));
    if (terraplenada)
        pintor.drawLine(E(-borde, superficie), E(borde, superficie));
    else
        pintor.drawLine(E(-mitad(superficie), superficie), E(mitad(superficie), superficie));
    pintor.restore();

    DibujaTuboAcotado(pintor, E, m);
    DibujaAnguloApoyo(pintor, E, angulo, RadioInterior, 0.17, 0.285, m);

    DibujaCota(pintor, E(-mitad(Clave), Clave), E(mitad(Clave), Clave), QStringLiteral("b"), m,
               LadoTexto::Izquierda, 0.2);
    DibujaCota(pintor, E(CotaDerecha, Clave), E(CotaDerecha, superficie), QStringLiteral("hr"), m,
               LadoTexto::Derecha);
    if (terraplenada) {
        // h″r: de la clave al terreno natural, marcado a través de la zanja.
        DibujaLineaAuxiliar(pintor, E(-mitad(terreno), terreno), E(mitad(terreno), terreno), m);
        DibujaCota(pintor, E(CotaIzquierda, terreno), E(CotaIzquierda, Clave),
                   QStringLiteral("h″r"), m, LadoTexto::Derecha);
    }
    DibujaCotasCama(pintor, E, CotaIzquierda, techoCama, m);
}

// Terraplén (y zanja inducida): el tubo asoma h′r sobre el terreno, apoyado en
// una cama de anchura b; el terraplén llega a la superficie. En la zanja
// inducida, sobre la clave va el material compresible (b2 × hr2).
void DibujaTerraplenCama(QPainter& pintor, const QRectF& zona, bool inducida, const Medidas& m)
{
    const double superficie = inducida ? Clave - 1.2 : Clave - 1.0;
    const double terreno = Clave + 0.6;
    const double techoCama = terreno;
    const double mitadB = 0.68;
    const double borde = 1.3;
    const double yb = Fondo + 0.16;
    const Encuadre E(zona, QRectF(-borde, superficie - 0.05, 2 * borde, yb + 0.14 - superficie),
                     Margen(m));
    const QPainterPath tubo = Tubo(E);

    DibujaRelleno(
        pintor,
        Poligono(
            Linea(E,
                  {{-borde, superficie}, {borde, superficie}, {borde, terreno}, {-borde, terreno}}))
            .subtracted(tubo),
        m);
    const double mitadB2 = 0.56, techo = Clave - 0.62;
    if (inducida) {
        const QPainterPath compresible = Poligono(
            Linea(E, {{-mitadB2, techo}, {mitadB2, techo}, {mitadB2, Clave}, {-mitadB2, Clave}}));
        DibujaRellenoCompresible(pintor, compresible.subtracted(tubo), m);
        pintor.save();
        pintor.setPen(PlumaFina(m));
        pintor.drawPath(compresible.subtracted(tubo));
        pintor.restore();
    }
    DibujaCamaApoyo(
        pintor,
        Poligono(
            Linea(E,
                  {{-mitadB, techoCama}, {mitadB, techoCama}, {mitadB, Fondo}, {-mitadB, Fondo}}))
            .subtracted(tubo),
        m);
    DibujaTerreno(pintor,
                  Linea(E, {{-borde, terreno},
                            {-mitadB, terreno},
                            {-mitadB, Fondo},
                            {mitadB, Fondo},
                            {mitadB, terreno},
                            {borde, terreno}}),
                  m);
    pintor.save();
    pintor.setPen(PlumaGruesa(m));
    pintor.drawLine(E(-borde, superficie), E(borde, superficie));
    pintor.restore();

    DibujaTuboAcotado(pintor, E, m);

    const double x = CotaDerecha + 0.12;
    DibujaLineaAuxiliar(pintor, E(0.3, Clave), E(x + 0.06, Clave), m);
    DibujaCota(pintor, E(x, terreno), E(x, Clave), QStringLiteral("h′r"), m, LadoTexto::Derecha);
    DibujaCota(pintor, E(x, Clave), E(x, superficie), QStringLiteral("hr"), m, LadoTexto::Derecha);
    DibujaCotasCama(pintor, E, -mitadB + 0.1, techoCama, m);
    DibujaLineaAuxiliar(pintor, E(-mitadB, Fondo), E(-mitadB, yb + 0.06), m);
    DibujaLineaAuxiliar(pintor, E(mitadB, Fondo), E(mitadB, yb + 0.06), m);
    DibujaCota(pintor, E(-mitadB, yb), E(mitadB, yb), QStringLiteral("b"), m, LadoTexto::Izquierda,
               0.8);

    if (inducida) {
        const double xi = -mitadB2 - 0.2;
        DibujaLineaAuxiliar(pintor, E(-mitadB2, techo), E(xi - 0.06, techo), m);
        DibujaLineaAuxiliar(pintor, E(-mitadB2, Clave), E(xi - 0.06, Clave), m);
        DibujaCota(pintor, E(xi, Clave), E(xi, techo), QStringLiteral("hr2"), m,
                   LadoTexto::Izquierda);
        DibujaCota(pintor, E(-mitadB2, techo - 0.14), E(mitadB2, techo - 0.14),
                   QStringLiteral("b2"), m, LadoTexto::Izquierda, 0.5);
    }
}

const char* const NombresCroquis[] = {"IBNZAN180", "IBNZAN120", "IBNZAN090",  "IBNZTE180",
                                      "IBNZTE120", "IBNZTE090", "ITerraplen", "IZanInd"};

}  // namespace

QStringList NombresCroquisInforme()
{
    QStringList nombres;
    for (const char* nombre : NombresCroquis)
        nombres << QString::fromLatin1(nombre);
    return nombres;
}

void DibujaCroquisInforme(QPainter& pintor, const QRectF& zona, const QString& nombre)
{
    const Medidas m = MedidasEsquema(zona);
    if (!(m.unidad > 0) || !NombresCroquisInforme().contains(nombre))
        return;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    if (nombre == QLatin1String("ITerraplen") || nombre == QLatin1String("IZanInd")) {
        DibujaTerraplenCama(pintor, zona, nombre == QLatin1String("IZanInd"), m);
    } else {
        // IBNZAN180 … IBNZTE090: instalación y ángulo en el nombre.
        const bool terraplenada = nombre.startsWith(QLatin1String("IBNZTE"));
        const int angulo = nombre.right(3).toInt();
        DibujaZanjaCama(pintor, zona, angulo, terraplenada, m);
    }
    pintor.restore();
}
