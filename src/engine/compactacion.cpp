#include "compactacion.h"

#include "fallos.h"

double CoeficienteCompactador(std::uint8_t compactador, double hr)
{
    if (compactador == 1)
        return 19.6;
    if (hr > 3.0)
        return 78.4;
    if (hr > 2.0)
        return 98.0;
    if (hr > 0.3L)
        return 117.6;
    return 0;  // por debajo de 0.3 m no hay coeficiente para el dinámico
}

double CargaCompactacion(std::uint8_t compactador, double De, double pq, double hr)
{
    if (compactador == 0 || compactador > 2)
        return 0;
    AmbitoFallos ambito;
    try {
        return Guarda(CoeficienteCompactador(compactador, hr) * pq * De / (3.141592 * hr));
    } catch (const FalloNumerico&) {
        return 0;
    }
}
