#pragma once
// Croquis de las camas de apoyo: las once de zanja y las cuatro clases de
// terraplén, con las letras de sus cotas. Los usan los diálogos de apoyo, la
// memoria y las hojas de resultados; los valores van fuera del dibujo.

class QPainter;
class QPainterPath;
class QRectF;
struct Medidas;

// Cama de apoyo en zanja del código Tipo 3..13: cuna de hormigón de 180º,
// 120º o 90º con relleno compactado (3, 5, 7) o seleccionado sin compactar
// (4, 6, 8), relleno granular compactado (9), cama granular de 180º o 90º
// (10, 11, 12) y apoyo directo sobre relleno fino (13). Letras: c bajo el
// tubo, a altura de la cuna, h relleno sobre la clave. Ajustada a la zona,
// centrada y sin deformar; otro código no dibuja nada. Deja el pintor como estaba.
void DibujaCama(QPainter& pintor, const QRectF& zona, int tipo);

// Hormigón: la zona en gris con rayado a 45° (sin contorno).
void DibujaHormigon(QPainter& pintor, const QPainterPath& zona, const Medidas& m);

// Clase de apoyo en terraplén 0..3: A cuna de hormigón, B cama granular, C
// cama compactada, D apoyo directo sobre el terreno. Letras: b anchura de la
// cama, h′r altura de la clave sobre el terreno, a altura de la cuna, c
// espesor bajo el tubo. Mismas reglas de ajuste que DibujaCama.
void DibujaClaseTerraplen(QPainter& pintor, const QRectF& zona, int clase);
