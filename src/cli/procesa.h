#pragma once
// Lo que la herramienta de línea de órdenes escribe de cada archivo calculado:
// JSON o un resumen legible, y su código de salida.

#include <ostream>
#include <string>

#include "caso.h"

// Termina la salida: si no se pudo escribir entera (disco lleno, tubería
// cerrada), lo dice en errores y devuelve SalidaSinEscribir; si no, codigo.
int TerminaSalida(std::ostream& salida, std::ostream& errores, int codigo);

// Escribe el resultado como un objeto JSON en una línea.
void EscribeJson(const CalculoArchivo& calculo, std::ostream& salida);

// Un texto rellenado con blancos hasta ancho caracteres (no bytes) para
// escribirlo en columnas.
std::string Ajusta(const std::string& texto, std::size_t ancho);

// Una carga truncada a dos decimales, como en la memoria.
std::string Carga(double x);

// Escribe un resumen legible en castellano.
void EscribeResumen(const CalculoArchivo& calculo, std::ostream& salida);
