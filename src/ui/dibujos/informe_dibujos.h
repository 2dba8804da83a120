#pragma once
// Dibujos de la memoria de cálculo: los croquis de instalación con las letras
// de sus cotas y las fórmulas de la carga del relleno, compuestas como en un
// texto impreso (fracciones con raya, exponentes y subíndices). Son dibujos
// vectoriales: salen igual de limpios en pantalla, en PDF y en la impresora.

#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

// Nombres de los croquis: IBNZAN180, IBNZAN120, IBNZAN090 (zanja con cama de
// apoyo de 180º, 120º y 90º), IBNZTE180, IBNZTE120, IBNZTE090 (lo mismo en
// zanja terraplenada), ITerraplen (terraplén) e IZanInd (zanja inducida).
QStringList NombresCroquisInforme();

// Dibuja el croquis del nombre, con las letras b, hr, h″r (o h′r, hr2, b2),
// Es, De, Di, a y c, ajustado a la zona, centrado y sin deformar. Otro nombre
// no dibuja nada. Deja el pintor como estaba.
void DibujaCroquisInforme(QPainter& pintor, const QRectF& zona, const QString& nombre);

// Nombres de las fórmulas: Formula1 (zanja), Formula2 y Formula3 (terraplén
// con hr ≤ h0 y hr > h0), Formula4 y Formula5 (zanja terraplenada), Formula6
// y Formula7 (zanja inducida).
QStringList NombresFormulaInforme();

// Tamaño natural de la fórmula (px) con su letra normal de 13 px; vacío si el
// nombre no es de una fórmula.
QSizeF TamanoFormula(const QString& nombre);

// Dibuja la fórmula del nombre arrimada arriba a la izquierda de la zona, sin
// deformar: a su tamaño natural en una zona de 278 × 75 y en proporción en
// otra mayor o menor (nunca mayor de lo que cabe). Deja el pintor como estaba.
void DibujaFormula(QPainter& pintor, const QRectF& zona, const QString& nombre);
