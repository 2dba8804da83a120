#pragma once
// Rótulos de las ventanas: un QLabel con su nombre de objeto y, si se pide,
// en negrita. Su texto es siempre texto: un nombre de archivo como
// "<b>x.csv" o "<img src=…>" se ve tal cual, sin interpretarse.

#include <QLabel>

inline QLabel* Rotulo(const QString& texto, const char* nombre = nullptr, bool negrita = false)
{
    auto* rotulo = new QLabel(texto);
    rotulo->setTextFormat(Qt::PlainText);
    if (nombre)
        rotulo->setObjectName(nombre);
    if (negrita) {
        QFont letra = rotulo->font();
        letra.setBold(true);
        rotulo->setFont(letra);
    }
    return rotulo;
}

// Rótulo de campo, en negrita.
inline QLabel* Negrita(const QString& texto, const char* nombre = nullptr)
{
    return Rotulo(texto, nombre, true);
}
