#pragma once
// Factor de apoyo de las instalaciones en terraplén y zanja inducida.

#include <cstdint>
#include <optional>

struct Proyecto;

// Recalcula Ct y ho del terraplén (instalaciones 1 y 3) para la altura hr y
// el relleno RellenoIndex; en zanja y zanja terraplenada devuelve Ct sin
// tocarlo. Vacío si el cálculo falla (un divisor nulo).
std::optional<double> CalculaCtFa(Proyecto& p);

// Factor de apoyo Fa = 1.431/(N − x·q) de la clase 1..4 (A..D) del terraplén,
// sin el tope de 8 que aplican las ventanas. Copia lambdaFaEdit en lambdaFa y
// deja en el registro los efectos de CalculaCtFa. Vacío si el cálculo falla o
// la clase no existe. La instalación se lee del registro.
std::optional<double> CalculaFa(Proyecto& p, std::uint8_t instalacion, std::uint8_t clase);
