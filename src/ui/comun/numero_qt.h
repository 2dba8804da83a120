#pragma once
// Los números de las ventanas, en la forma única de TextoNumero.

#include <QString>

#include "numero.h"

// TextoNumero como QString ("12", "1.5", "0.125").
inline QString TextoQ(double x)
{
    return QString::fromStdString(TextoNumero(x));
}

// Una longitud con su unidad ("1.218 m").
inline QString MetrosQ(double x)
{
    return TextoQ(x) + " m";
}

// Forma general con hasta 15 cifras significativas, para las correcciones que
// escriben el valor exacto.
inline QString GeneralQ(double x)
{
    return QString::fromStdString(TextoGeneral(x));
}
