#pragma once
// Croquis vectoriales de las ventanas: las cuatro instalaciones y las piezas
// comunes (tubo, cotas, terreno, rellenos) para los dibujos que vengan después.
// Todo se calcula en coma flotante a partir de la zona, para que el trazo sea
// limpio a cualquier tamaño, también en la impresora.

#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QPainter;
class QPaintEvent;

// Dibuja la sección de la instalación ajustada a la zona, centrada y sin
// deformar: 0 zanja, 1 terraplén, 2 zanja terraplenada, 3 zanja inducida (el
// orden de las pestañas de la ventana principal). Otro valor no dibuja nada.
// Deja el pintor como estaba.
void DibujaInstalacion(QPainter& pintor, const QRectF& zona, int instalacion);

// Medidas del trazo en unidades del pintor. Salen del tamaño de la zona, con
// 220 × 150 como referencia, para que el croquis se vea igual a cualquier
// escala.
struct Medidas {
    double unidad;       // 1 en la zona de referencia
    double lineaGruesa;  // contornos: tubo, terreno, taludes
    double lineaFina;    // cotas, líneas auxiliares, rayado
    double flecha;       // largo de la punta de flecha
    double letra;        // altura de la letra
    double paso;         // separación del rayado y del punteado
};
Medidas MedidasDeZona(const QRectF& zona);

QPen PlumaGruesa(const Medidas& m);
QPen PlumaFina(const Medidas& m);

// Paso de las coordenadas de un dibujo (y hacia abajo, en la unidad que se
// quiera) a la zona: escala única y centrado, dejando un margen alrededor.
class Encuadre {
public:
    Encuadre(const QRectF& zona, const QRectF& modelo, double margen);
    QPointF operator()(double x, double y) const;
    double Longitud(double l) const { return l * escala_; }

private:
    QPointF origen_;
    double escala_;
};

// Sección de tubo: pared entre los dos círculos, interior en blanco.
void DibujaTubo(QPainter& pintor, QPointF centro, double radioExterior, double radioInterior,
                const Medidas& m);

// Polilínea de puntos del dibujo (unidades propias) pasados a la zona.
QPolygonF Linea(const Encuadre& E, std::initializer_list<QPointF> puntos);
// Camino cerrado de un polígono.
QPainterPath Poligono(const QPolygonF& puntos);

// Ángulo de apoyo dentro de un tubo centrado en el origen del encuadre: los
// dos radios (de largo radioInterior) hasta los bordes de la cama, su arco de
// radio radioArco y el rótulo "180°" a la altura alturaRotulo (unidades del dibujo).
void DibujaAnguloApoyo(QPainter& pintor, const Encuadre& E, int angulo, double radioInterior,
                       double radioArco, double alturaRotulo, const Medidas& m);

// Lado del texto de una cota, mirando de `desde` a `hasta`.
enum class LadoTexto { Izquierda, Derecha };

// Cota entre dos puntos, con flechas en los extremos y el texto junto a la
// línea, a la fracción `posicion` de su largo. Si la cota es corta, las
// flechas van por fuera.
void DibujaCota(QPainter& pintor, QPointF desde, QPointF hasta, const QString& texto,
                const Medidas& m, LadoTexto lado = LadoTexto::Izquierda, double posicion = 0.5);

// Texto sobre fondo blanco, centrado en el punto.
void DibujaTexto(QPainter& pintor, QPointF centro, const QString& texto, const Medidas& m);
// Tamaño que ocupará ese texto con su fondo.
QSizeF TamanoTexto(const QPainter& pintor, const QString& texto, const Medidas& m);

// Línea fina de referencia (prolongación de un plano o de un borde).
void DibujaLineaAuxiliar(QPainter& pintor, QPointF desde, QPointF hasta, const Medidas& m);

// Borde del terreno natural con su rayado de trazos cortos inclinados. El
// terreno queda a la derecha según se va de `desde` a `hasta`.
void DibujaTerreno(QPainter& pintor, QPointF desde, QPointF hasta, const Medidas& m);
// Lo mismo a lo largo de una línea quebrada, con las esquinas unidas.
void DibujaTerreno(QPainter& pintor, const QPolygonF& tramos, const Medidas& m);

// Relleno de tierras: gris claro punteado, sin contorno.
void DibujaRelleno(QPainter& pintor, const QPainterPath& zona, const Medidas& m);
// Material compresible de la zanja inducida: blanco con cuadrícula inclinada.
void DibujaRellenoCompresible(QPainter& pintor, const QPainterPath& zona, const Medidas& m);

// Lienzo blanco que pinta un dibujo a su tamaño.
class Croquis : public QWidget {
public:
    using Dibujo = std::function<void(QPainter&, const QRectF&)>;

    explicit Croquis(Dibujo dibujo, QWidget* padre = nullptr);
    void FijaDibujo(Dibujo dibujo);
    // El dibujo en uso, para pintarlo de nuevo en otra zona (impresora, PDF).
    const Dibujo& DibujoActual() const { return dibujo_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Dibujo dibujo_;
};
