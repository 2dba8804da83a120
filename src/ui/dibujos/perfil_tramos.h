#pragma once
// Perfil longitudinal de una conducción por tramos: la altura de relleno a lo
// largo de los PK y, debajo, la clase de cada tramo en una franja de color.
// Vectorial: sirve a la pantalla, la impresora, el PDF y el anejo.

#include <QRectF>

#include <string>
#include <vector>

#include "tramos.h"

class QPainter;

// Lo que el perfil dibuja de un tramo.
struct TramoPerfil {
    double pkInicial = 0, pkFinal = 0;  // m, en cualquier orden
    double hr = 0;                      // m, la altura de relleno con que se calculó
    std::string clase;                  // clase de la norma; vacía si no la tiene
};

// Una entrada por tramo: hr es la del registro calculado (ya corregida) si el
// tramo se calculó y si no la de su fila; clase, la de la norma del modo (1
// UNE, 2 ASTM), vacía en los tramos sin clase.
std::vector<TramoPerfil> PerfilDeTramos(const std::vector<Tramo>& tramos,
                                        const std::vector<TramoCalculado>& calculos, int modo);

// Dibuja el perfil en la zona (píxeles de 96 ppp): título, ejes PK (m) y hr
// (m) con marcas redondas, la línea de hr por tramos, la franja de clases y la
// leyenda de las clases presentes. Los tramos pueden venir en cualquier orden,
// solaparse o dejar huecos; "Sin tramos" si no hay ninguno. Deja el pintor
// como estaba.
void DibujaPerfilTramos(QPainter& pintor, const QRectF& zona,
                        const std::vector<TramoPerfil>& perfil, int modo);
