#pragma once
// El perfil longitudinal de una tabla de tramos para CAD: los PK en x (m
// reales), la altura de relleno hr sobre la clave en y con una exageración
// vertical que el plano rotula, una franja de colores por norma con la clase
// de cada tramo, los PK de los extremos de los tramos y la leyenda.

#include <string>
#include <vector>

#include "dibujo_dxf.h"
#include "perfil.h"

// Los tramos con la clase de una norma (1 UNE, 2 ASTM).
struct FranjaPerfil {
    int modo = 1;
    std::vector<TramoPerfil> tramos;
};

// La exageración vertical del perfil: un número redondo (1, 2, 2.5 o 5 por
// una potencia de 10, nunca menos de 1) con el que la mayor hr mide en el
// dibujo del orden de un sexto de su longitud.
double ExageracionPerfil(double longitud, double hrMaxima);

// Dibuja el perfil de las franjas (todas con los mismos tramos; la primera da
// los PK y las alturas). Capas: TUBO, TERRENO, REJILLA, COTAS, TEXTOS y una por clase
// presente (CLASE_90, CLASE_III…, SIN_CLASE).
DibujoDxf DibujaPerfilDxf(const std::vector<FranjaPerfil>& franjas, const std::string& tabla);
