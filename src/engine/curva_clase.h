#pragma once
// La carga de cálculo y la clase de una norma a lo largo de la altura de
// relleno: lo que daría la orden de cálculo si el usuario tecleara cada hr.

#include <cstdint>
#include <string>
#include <vector>

#include "informe.h"

struct Proyecto;

// Un punto de la curva; sin cálculo (un hueco) si el cálculo falla a esa altura.
struct PuntoCurva {
    double hr = 0;  // m
    bool calculado = false;
    double carga = 0;   // carga de cálculo, kN/m²
    std::string clase;  // clase de la norma; vacía sin cálculo
};

// Tramo de alturas con la misma clase (vacía: el cálculo falla), con sus
// extremos en la rejilla de 0.01 m de la búsqueda de validez.
struct TramoClase {
    std::string clase;
    double desde = 0, hasta = 0;  // m
};

// Franja de cargas de cálculo (kN/m²) con su clase; la última no tiene techo.
struct BandaClase {
    double desde = 0, hasta = 0;
    bool sinTecho = false;
    std::string clase;
};

struct CurvaClase {
    std::uint8_t modo = 1;   // 1 UNE, 2 ASTM
    double hrMinimo = 0;     // la menor altura que admiten las comprobaciones (m)
    double hrMaximo = 0;     // max(3·hr, 10 m)
    bool hayActual = false;  // hr del caso (la que usaría la orden; sin ella, no hay)
    PuntoCurva actual;
    ValidezClase validez;  // hasta dónde vale la clase de hr, subiendo desde ella
    std::vector<PuntoCurva> puntos;
    std::vector<TramoClase> tramos;
    std::vector<BandaClase> bandas;
};

// Calcula, sobre una copia del registro, la carga de cálculo y la clase del
// modo 1 (UNE) o 2 (ASTM) en `puntos` alturas repartidas entre hrMinimo y
// hrMaximo, los tramos de clase, la validez de la clase en hr y las franjas
// de clase. Cada altura se calcula como en la búsqueda de validez, con el
// tráfico que la orden dejaría a esa altura (sin aviones ni trenes bajo 1 m).
CurvaClase CalculaCurva(const Proyecto& p, std::uint8_t modo, int puntos);

// Un punto de la curva del modo a la altura hr (m), calculado como los de CalculaCurva.
PuntoCurva CalculaPuntoCurva(const Proyecto& p, std::uint8_t modo, double hr);

// "UNE 90 hasta hr 2.53 m", "ASTM III desde hr 7.3 m", "Sin cálculo hasta hr 0.6 m".
std::string TextoTramo(const CurvaClase& curva, const TramoClase& tramo, bool ultimo);

// Lo que se lista junto al gráfico, una línea por elemento: la clase a la hr
// del caso y hasta dónde vale, una línea vacía y los tramos de clase a lo largo de hr.
std::vector<std::string> LineasCurva(const CurvaClase& curva);

// "UNE 90", "ASTM III", "UNE NO".
std::string NombreClase(std::uint8_t modo, const std::string& clase);
