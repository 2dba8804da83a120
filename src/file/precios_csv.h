#pragma once
// La tabla de precios de los tubos para las mediciones: un CSV con las
// columnas «Di» (mm), «Clase» («90», «III») y «Precio» (€/m; la cabecera
// puede llevar la unidad entre paréntesis), separado por
// «;» o tabuladores, con coma o punto decimal, UTF-8 o Windows-1252.

#include <istream>
#include <string>
#include <vector>

#include "mediciones_bc3.h"

struct LecturaPrecios {
    bool leida = false;
    std::string error;  // por qué no se leyó, con su línea
    std::vector<PrecioTubo> precios;
};

// Una tabla de precios pasa de sobra con esto.
constexpr std::size_t TamanoMaximoPrecios = 1 << 20;

// Lee la tabla de un flujo o de un archivo. Una fila que no vale (un número
// que no lo es, una clase que no existe) deja sin leer la tabla entera: un
// presupuesto con un precio perdido no se nota.
LecturaPrecios LeePrecios(std::istream& entrada);
LecturaPrecios LeeArchivoPrecios(const std::string& nombre);
