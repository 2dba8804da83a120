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

// Los términos de Fa = 1.431/(N − x·q) de la clase 1..4 (A..D) del terraplén,
// para escribir su deducción: coeficiente de la clase N, razón de proyección
// p = h'r/De, parámetro de presión lateral x (de la tabla de la clase, por p),
// q = λ·p/Ct·(p·De/(2·hr) + 1) con el λ y el Ct del terraplén, y Fa sin tope.
// Vacío si el cálculo falla o la clase no existe. Deja lo mismo que CalculaFa.
struct TerminosFa {
    double N = 0, p = 0, x = 0, q = 0, lambda = 0, Ct = 0, fa = 0;
};
std::optional<TerminosFa> TerminosDeFa(Proyecto& p, std::uint8_t clase);

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
