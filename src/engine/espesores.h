#pragma once
// Espesores mínimos de la cama de apoyo y espesores de pared normalizados.

#include <cstdint>

// Espesor mínimo de la cama bajo el tubo (m) en roca (terreno 0) o suelo
// (terreno 1) para el diámetro interior Di (m); 0 si activo es 0.
double EspesorCamaMinimo(int activo, std::uint8_t terreno, double Di);

// Espesor de pared normalizado (m) del diámetro interior Di (m); 0 si Di no
// es un diámetro de la tabla.
double EspesorNormalizado(double Di);

// Espesor de la cama bajo el tubo (m) que acotan la memoria y las hojas de
// resultados, en suelo (terreno 1: 0.08, 0.1, 0.15) o roca (terreno 0: 0.15,
// 0.23, 0.3) según tres bandas de Di: menos de 0.7, hasta 1.5 y más de 1.5. Con
// setentaEnPrimeraBanda, un Di tecleado 0.7 cuenta como menor que 0.7 (la
// memoria); sin él cae en la banda central (la ampliación de las hojas).
double EspesorCamaNorma(std::uint8_t terreno, double Di, bool setentaEnPrimeraBanda);
