#pragma once
// Gráfico de la carga de cálculo frente a la altura de relleno, con las
// franjas de clase de la norma. Vectorial: el mismo dibujo sirve a la
// pantalla, la impresora, el PDF y el anejo de cálculo.

#include <QRectF>

#include <optional>

struct CurvaClase;
class QPainter;

// Dibuja la curva en la zona: ejes con marcas y unidades, franjas de clase
// coloreadas y rotuladas, la curva (con huecos donde el cálculo falla), la
// altura del caso y la mínima. Deja el pintor como estaba.
void DibujaCurvaClase(QPainter& pintor, const QRectF& zona, const CurvaClase& curva);

// Altura de relleno (m) bajo la abscisa x de la zona, dentro del eje; vacía
// fuera del área del gráfico.
std::optional<double> AlturaEnCurva(const QRectF& zona, const CurvaClase& curva, double x);
