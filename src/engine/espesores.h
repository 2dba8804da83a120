#pragma once
// Espesores mínimos de la cama de apoyo y espesores de pared normalizados.

#include <cstdint>

// Espesor mínimo de la cama bajo el tubo (m) en roca (terreno 0) o suelo
// (terreno 1) para el diámetro interior Di (m); 0 si activo es 0.
double EspesorCamaMinimo(int activo, std::uint8_t terreno, double Di);

// Espesor de pared normalizado (m) del diámetro interior Di (m); 0 si Di no
// es un diámetro de la tabla.
double EspesorNormalizado(double Di);
