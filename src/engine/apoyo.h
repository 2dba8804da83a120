#pragma once
// Factor de apoyo de las instalaciones en terraplén y zanja inducida.

#include <cstdint>
#include <optional>
#include <string>

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

// Letra de la clase de apoyo en terraplén del código Tipo: 0..3 dan "A".."D";
// cualquier otro código (una cama de zanja, un Fa tecleado, un valor de un
// archivo ajeno) no es una clase y no tiene letra: texto vacío.
std::string LetraClaseTerraplen(std::int8_t tipo);

// Corrección de la profundidad hr2 (m) de la zanja inducida, que no puede pasar
// de dos veces su anchura b2 (m): si hr2 > 2·b2 y hr2 > 0.01 se propone
// 2·b2 − 0.1. Cuando eso no sería una profundidad (b2 de 0.05 m o menos) no se
// corrige: el mensaje pide la anchura b2. alCalcular elige los textos de las
// órdenes de cálculo, que en ese caso no deben calcular.
struct CorreccionHr2 {
    enum class Accion { Ninguna, Corrige, PideB2 };
    Accion accion = Accion::Ninguna;
    double hr2 = 0;       // la profundidad que queda (m)
    std::string mensaje;  // vacío con Ninguna
};
CorreccionHr2 CorrigeHr2(double hr2, double b2, bool alCalcular);
