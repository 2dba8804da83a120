#pragma once
// Perfil longitudinal de una conducción por tramos: la altura de relleno a lo
// largo de los PK y, debajo, la clase de cada tramo en una franja de color.
// Vectorial: sirve a la pantalla, la impresora, el PDF y el anejo.

#include <QRectF>

#include <string>
#include <vector>

#include "perfil.h"

class QPainter;

// Dibuja el perfil en la zona (píxeles de 96 ppp): título, ejes PK (m) y hr
// (m) con marcas redondas, la línea de hr por tramos, la franja de clases y la
// leyenda de las clases presentes. Los tramos pueden venir en cualquier orden,
// solaparse o dejar huecos; "Sin tramos" si no hay ninguno. Deja el pintor
// como estaba.
void DibujaPerfilTramos(QPainter& pintor, const QRectF& zona,
                        const std::vector<TramoPerfil>& perfil, int modo);
