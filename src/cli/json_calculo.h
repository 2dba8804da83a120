#pragma once
// Las partes del objeto JSON de un cálculo que comparten el modo de archivos y
// el de tramos: las cargas y coeficientes ("calculo") y la clase de cada norma.

#include <nlohmann/json.hpp>

#include "informe.h"
#include "proyecto.h"

using Json = nlohmann::ordered_json;

// Las cargas y coeficientes del registro calculado; null lo que no se llegó a calcular.
Json JsonCalculo(const Proyecto& calculado, const ResultadoInforme& une);

// La clase UNE ({clase, validez}) y la ASTM ({clase, valor, factor, validez}).
Json JsonUne(const ResultadoInforme& une);
Json JsonAstm(const ResultadoInforme& astm);

// Escribe el objeto en una línea; un texto que no es UTF-8 válido no la interrumpe.
void EscribeLineaJson(const Json& j, std::ostream& salida);
