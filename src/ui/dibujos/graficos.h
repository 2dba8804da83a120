#pragma once
// Piezas comunes de los gráficos con ejes (clase según la altura de relleno,
// perfil de los tramos): marcas redondas, tintes de clase y letras.

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

#include "clases.h"
#include "numero.h"

class QPainter;

// El texto UTF-8 del motor como QString.
QString Q(const std::string& texto);

// El color de una clase del motor.
QColor ColorQ(const ColorRGB& color);

// La letra que se lee sobre un fondo: blanca sobre los oscuros (gris, verde
// azulado, rojo), negra sobre los claros, como en las hojas de resultados.
QColor ColorTextoSobre(const QColor& fondo);

// Color de una clase aclarado, para que la línea y los rótulos se lean
// encima; blanco si no es una clase.
QColor Tinte(const std::string& clase);

// Letra Arial de alto píxeles, sobre la del pintor.
QFont Letra(const QPainter& pintor, double alto, bool negrita = false);
