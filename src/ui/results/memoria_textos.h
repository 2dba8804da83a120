#pragma once
// Reglas de texto de la memoria de cálculo: qué dice cada rótulo de la página,
// qué rótulos se ven y qué croquis y fórmula se muestran, a partir del
// registro recién calculado y del resultado del cálculo. No abre ventanas ni
// calcula cargas: la ventana TCalculos solo pone cada texto en su sitio.

#include <QMap>
#include <QString>

struct Proyecto;
struct ResultadoInforme;

struct TextosInforme {
    QMap<QString, QString> textos; // texto de cada rótulo, por su nombre
    QMap<QString, bool> visibles;  // rótulos que se muestran u ocultan según el caso
    QString croquis;               // "IBNZAN180" … "IZanInd"; vacío: sin croquis
    QString formula;               // "Formula1" … "Formula7"
};

// Textos de la página para el registro ya calculado y su resultado (cargas
// truncadas a dos decimales). Deja en el registro ValorA, ValorB, ValorC y
// ValorC2, los textos de la leyenda que guarda el archivo.
TextosInforme TextosDelInforme(Proyecto& p, const ResultadoInforme& resultado);
