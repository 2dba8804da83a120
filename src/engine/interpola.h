#pragma once
// Interpolación lineal en tablas.

#include <cstddef>

// Fila de una tabla: clave y valor.
struct FilaTabla {
    double clave;
    double valor;
};

// y0 + (y1 − y0)·(x − x0)/(x1 − x0), extrapolando fuera de [x0, x1]; 0 si el
// cálculo falla (x0 = x1, desbordamiento).
double Interpola(double x, double x0, double x1, double y0, double y1);

// Valor de la tabla (claves crecientes) en x: se toma la última fila cuya
// clave no supera x (la primera si ninguna) y se interpola con la siguiente.
// Por debajo de la primera clave se prolonga el primer tramo; desde la última
// clave se mantiene el último valor.
double BuscaEnTabla(const FilaTabla* filas, std::size_t numero, double x);

template <std::size_t N> double BuscaEnTabla(const FilaTabla (&filas)[N], double x)
{
    return BuscaEnTabla(filas, N, x);
}
