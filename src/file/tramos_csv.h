#pragma once
// La tabla de tramos en un archivo CSV: UTF-8 (con o sin marca de orden de
// bytes), una fila de cabeceras, separador ";" (o tabulador), campos entre
// comillas dobles si hace falta y números con coma o punto decimal.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "archivo.h"
#include "tramos.h"

// La tabla tal como está en el archivo: sus cabeceras y los textos de sus celdas.
struct TablaTramos {
    std::vector<std::string> cabeceras;
    std::vector<std::optional<ColumnaTramo>> columnas;  // la de cada cabecera; ninguna: no se usa
    std::vector<std::vector<std::string>> filas;        // tantas celdas como cabeceras
    std::vector<int> lineas;  // línea del archivo de cada fila (la de cabeceras es la 1)
};

struct LecturaTramos {
    bool leida = false;
    std::string error;                // por qué no se leyó, en castellano
    std::vector<std::string> avisos;  // columnas que no se usan
    TablaTramos tabla;
};

// Una tabla de tramos mayor que esto, o con más filas o columnas, no se lee:
// cada fila lleva su caso entero en memoria.
constexpr std::size_t TamanoMaximoTramos = 8u << 20;
constexpr std::size_t FilasMaximasTramos = 50000;
constexpr std::size_t ColumnasMaximasTramos = 200;

// Lee la tabla de un flujo o de un archivo. Las líneas en blanco no cuentan.
LecturaTramos LeeTablaTramos(std::istream& entrada);
LecturaTramos LeeArchivoTramos(const std::string& nombre);

// El tramo de la fila (0 la primera de datos) sobre el caso base; sus errores
// dicen la línea y la columna ("Línea 5, columna «hr»: …").
Tramo TramoDeFila(const TablaTramos& tabla, std::size_t fila, const Proyecto& base);

// El texto CSV de la tabla: UTF-8 con marca, ";" y coma decimal en las columnas
// numéricas, para que una hoja de cálculo en castellano lo abra tal cual.
std::string TextoTablaTramos(const TablaTramos& tabla);

// Guarda la tabla como GuardaArchivo guarda un proyecto: sin dejar a medias el
// archivo anterior si algo falla.
ResultadoGuardar GuardaTablaTramos(const TablaTramos& tabla, const std::string& nombre);
