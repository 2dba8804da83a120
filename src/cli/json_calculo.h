#pragma once
// Las partes del objeto JSON de un cálculo que comparten el modo de archivos y
// el de tramos: las cargas y coeficientes ("calculo") y la clase de cada norma.

#include <nlohmann/json.hpp>

#include "informe.h"
#include "proyecto.h"

using Json = nlohmann::ordered_json;

// Añade al objeto las cargas y coeficientes del registro calculado ("calculo", null lo que
// no se llegó a calcular) y la clase de cada norma entregada: "une" ({clase, validez}) y
// "astm" ({clase, valor, factor, validez}).
void AnadeCalculo(Json& j, const Proyecto& calculado, const ResultadoInforme& une,
                  const ResultadoInforme& astm);

// Escribe el objeto en una línea; un texto que no es UTF-8 válido no la interrumpe.
void EscribeLineaJson(const Json& j, std::ostream& salida);
