#pragma once
// Lo que el perfil longitudinal de una conducción dibuja de cada tramo, en la
// pantalla, el anejo y el plano DXF.

#include <string>
#include <vector>

#include "tramos.h"

// Lo que el perfil dibuja de un tramo.
struct TramoPerfil {
    double pkInicial = 0, pkFinal = 0;  // m, en cualquier orden
    double hr = 0;                      // m, la altura de relleno con que se calculó
    std::string clase;                  // clase de la norma; vacía si no la tiene
};

// hr es la del registro calculado (ya corregida) si el tramo se calculó y si
// no la de su fila; clase, la de la norma del modo (1 UNE, 2 ASTM), vacía en
// los tramos sin clase o sin cálculo (calculo nulo).
TramoPerfil PerfilDeTramo(const Tramo& tramo, const TramoCalculado* calculo, int modo);

// Una entrada por tramo; los que no tienen cálculo en calculos, sin clase.
std::vector<TramoPerfil> PerfilDeTramos(const std::vector<Tramo>& tramos,
                                        const std::vector<TramoCalculado>& calculos, int modo);

// Un PK como se rotula en los planos: "0+350", "1+002.5", "-0+020".
std::string TextoPk(double pk);
