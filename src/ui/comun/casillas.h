#pragma once
// Lo común a las casillas numéricas de todas las ventanas: leer lo tecleado
// (con la coma decimal) y saber cuándo el usuario sale de una casilla.

#include <QEvent>
#include <QFocusEvent>
#include <QString>

#include "comprobaciones.h"
#include "numero.h"

// Lo tecleado en una casilla. Al salir de ella ya no se espera a que termine
// de escribirlo: un número a medias cuenta entonces como no válido.
inline NumeroTecleado LeeCasilla(const QString& texto, bool saliendo = false)
{
    return LeeTecleadoCasilla(texto.toStdString(), saliendo);
}

// Lo mismo para una casilla de números enteros.
inline EnteroTecleado LeeCasillaEntera(const QString& texto, bool saliendo = false)
{
    return LeeEnteroCasilla(texto.toStdString(), saliendo);
}

// true si lo tecleado es un número a medio escribir (en una casilla de
// números enteros si entera): el que hay que acabar al salir de ella.
inline bool EstaAMedias(const QString& texto, bool entera = false)
{
    return entera ? LeeCasillaEntera(texto).estado == Tecleo::AMedias
                  : LeeCasilla(texto).estado == Tecleo::AMedias;
}

// true si el evento es la salida de una casilla hacia otro control de la
// misma ventana; que otra ventana (un mensaje, un menú) tome el foco no cuenta.
inline bool SaleDeLaCasilla(const QEvent* evento)
{
    if (evento->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason razon = static_cast<const QFocusEvent*>(evento)->reason();
    return razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason &&
           razon != Qt::MenuBarFocusReason;
}
