#pragma once
// Reglas de texto de la memoria de cálculo: qué dice cada rótulo de la página,
// qué rótulos se ven y qué croquis y fórmula se muestran, a partir del
// registro recién calculado y del resultado del cálculo. Textos en UTF-8; la
// ventana TCalculos solo pone cada uno en su sitio.

#include <map>
#include <string>

#include "informe.h"

struct Proyecto;

// Versión del programa como la escriben la memoria y el anejo de cálculo.
inline const char* const VersionInforme = "Versión: 2.02a";

// Textos de la leyenda de cotas del croquis ("a=…", "b=…", "c=…" y el de roca),
// los que guarda el archivo en ValorA, ValorB, ValorC y ValorC2.
struct LeyendaCotas {
    std::string a, b, c, c2;
};

// Leyenda de cotas del registro ya calculado (cotas en m). Un caso sin regla
// (instalación desconocida) conserva la que tenía el registro.
LeyendaCotas LeyendaDeCotas(const Proyecto& p);

struct TextosInforme {
    std::map<std::string, std::string> textos;  // texto de cada rótulo, por su nombre
    std::map<std::string, bool> visibles;       // rótulos que se muestran u ocultan según el caso
    std::string croquis;                        // "IBNZAN180" … "IZanInd"; vacío: sin croquis
    std::string formula;                        // "Formula1" … "Formula7"
};

// Textos de la página para el registro ya calculado y su resultado: cargas en
// kN/m truncadas a dos decimales, cotas en m, espesor en mm.
TextosInforme TextosDelInforme(const Proyecto& p, const ResultadoInforme& resultado);
