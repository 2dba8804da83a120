#include "espesores.h"

#include <limits>

#include "interpola.h"

// Los umbrales decimales se comparan con constantes de precisión extendida
// (0.7L): un diámetro tecleado 0.7 es un double algo menor que 0.7 y cuenta
// como "por debajo de 0.7". Donde long double fuese un double, cambiaría el lado.
static_assert(std::numeric_limits<long double>::digits > std::numeric_limits<double>::digits,
              "los umbrales necesitan long double de más precisión que double");

double EspesorCamaMinimo(int activo, std::uint8_t terreno, double Di)
{
    if (activo == 0)
        return 0;
    if (terreno == 0) {  // roca
        if (Di < 0.7L)
            return 0.15;
        return Di <= 1.5 ? 0.23 : 0.3;
    }
    return Di <= 1.5 ? 0.1 : 0.15;  // suelo
}

double EspesorNormalizado(double Di)
{
    static const FilaTabla espesores[] = {
        {0.15, 0.022}, {0.2, 0.029}, {0.25, 0.032}, {0.3, 0.05},  {0.4, 0.059}, {0.5, 0.067},
        {0.6, 0.075},  {0.8, 0.092}, {1.0, 0.109},  {1.2, 0.125}, {1.4, 0.142}, {1.5, 0.15},
        {1.6, 0.159},  {1.8, 0.175}, {2.0, 0.192},  {2.5, 0.234}, {3.0, 0.3},
    };
    for (const FilaTabla& fila : espesores)
        if (fila.clave == Di)
            return fila.valor;
    return 0;
}

double EspesorCamaNorma(std::uint8_t terreno, double Di, bool setentaEnPrimeraBanda)
{
    const bool roca = terreno == 0;
    const bool primera = setentaEnPrimeraBanda ? Di < 0.7L : Di < 0.7;
    if (primera)
        return roca ? 0.15 : 0.08;
    if (Di <= 1.5)
        return roca ? 0.23 : 0.1;
    return roca ? 0.3 : 0.15;
}
