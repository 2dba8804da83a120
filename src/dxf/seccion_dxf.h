#pragma once
// La sección transversal de un caso para CAD: el tubo, la cama, la zanja con
// su talud o el terraplén, el terreno y el relleno, acotados en metros, con el
// eje del tubo en x = 0 y el plano de clave en y = 0.

#include <string>

#include "dibujo_dxf.h"

struct Proyecto;

// Lo que se rotula de la sección además de sus medidas.
struct RotulosSeccion {
    std::string caso;                 // nombre del proyecto
    std::string claseUne, claseAstm;  // vacías si el caso no tiene clase
};

// Por qué no se puede dibujar la sección del registro (sin tubo, medidas fuera
// de escala); vacío si se puede.
std::string SeccionNoDibujable(const Proyecto& p);

// Dibuja la sección del registro ya calculado (con sus correcciones). Capas:
// TUBO, CAMA, ZANJA, TERRENO, COTAS y TEXTOS.
DibujoDxf DibujaSeccionDxf(const Proyecto& p, const RotulosSeccion& rotulos);
