#pragma once
// Carga del compactador sobre un metro de tubo.

#include <cstdint>

// Carga (kN/m) del compactador 0..2 ("No aplicado", "Estático", "Dinámico")
// de pq t/m por metro de rodillo, sobre un tubo de diámetro exterior De (m)
// con hr (m) de relleno; 0 si el cálculo falla o el dinámico no tiene
// coeficiente (hr <= 0.3).
double CargaCompactacion(std::uint8_t compactador, double De, double pq, double hr);

// Coeficiente k del compactador 1 (estático) o 2 (dinámico) con hr (m) de
// relleno; 0 para el dinámico con 0.3 m o menos.
double CoeficienteCompactador(std::uint8_t compactador, double hr);
