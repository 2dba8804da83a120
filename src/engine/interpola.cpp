#include "interpola.h"

#include "fallos.h"

double Interpola(double x, double x0, double x1, double y0, double y1)
{
    AmbitoFallos ambito;
    try {
        return Guarda(y0 + (y1 - y0) * (x - x0) / (x1 - x0));
    } catch (const FalloNumerico&) {
        return 0;
    }
}

double BuscaEnTabla(const FilaTabla* filas, std::size_t numero, double x)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < numero; ++k)
        if (x >= filas[k].clave)
            i = k;
    if (i + 1 >= numero)
        return filas[numero - 1].valor;
    return Interpola(x, filas[i].clave, filas[i + 1].clave, filas[i].valor, filas[i + 1].valor);
}
