#pragma once
// Desglose de las cargas de un caso ya calculado, para que un revisor pueda
// comprobarlas a mano: cada carga con su fórmula, los valores sustituidos y el
// resultado, y los coeficientes de los que sale.

#include <string>
#include <vector>

#include "cargas.h"

struct Proyecto;

// Un apartado del desglose (la carga del relleno, el tráfico...): su título y
// sus líneas de texto (UTF-8, una fórmula o un dato por línea). La última
// línea de una carga termina en su resultado, escrito como en la memoria.
struct ApartadoDesglose {
    std::string titulo;
    std::vector<std::string> lineas;
    // La carga que desglosa o, en el apartado final de un cálculo que no
    // terminó, la carga en que se detuvo.
    PasoCarga paso = PasoCarga::Terminado;
};

// Desglose de las cargas que dejó en el registro el cálculo que entregó
// `entrega`, en el orden del cálculo: relleno, tráfico, puntual, repartida,
// compactador, total y carga de cálculo. Los pasos que no llegaron a
// escribirse no se desglosan; si el cálculo se detuvo, un último apartado dice
// en qué carga y por qué.
std::vector<ApartadoDesglose> DesgloseCargas(const Proyecto& calculado,
                                             const EntregaCargas& entrega);

// Por qué no pudo terminar el cálculo, en palabras: el primer dato que lo
// impide ("la altura de relleno hr es 0"), o que los datos salen del método.
std::string CausaDelFallo(const Proyecto& p);
