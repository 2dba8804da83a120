#pragma once
// Lo que darían ahora las órdenes "Calcular Clase Resistente UNE" y "…ASTM"
// con el registro tal como está: la línea de estado de la ventana principal.

#include <string>

struct Proyecto;

struct EstadoClase {
    bool conClase = false;  // el texto da la carga y las clases; si no, dice por qué no las hay
    std::string texto;
};

// Recorre el camino de las dos órdenes sobre una copia del registro, sin
// preguntar nada: un rechazo, una corrección con mensaje, una pregunta o un
// fallo del cálculo se dicen en lugar de la clase. Carga en kN/m², alturas en m.
EstadoClase ClaseEnVivo(const Proyecto& p);
