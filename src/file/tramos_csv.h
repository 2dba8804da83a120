#pragma once
// La tabla de tramos en un archivo CSV: UTF-8 (con o sin marca de orden de
// bytes), una fila de cabeceras, separador ";" (o tabulador), campos entre
// comillas dobles si hace falta y números con coma o punto decimal.

#include <cstddef>
#include <fstream>
#include <istream>
#include <memory>
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
    std::vector<std::string> avisos;  // columnas que no se usan, filas con celdas de más…
    TablaTramos tabla;
};

// Una tabla de tramos mayor que esto, o con más filas o columnas, no se lee:
// la ventana guarda cada fila con su caso entero. Tampoco una celda más larga:
// ni una celda ni una fila piden más memoria que la que cabe en la tabla.
constexpr std::size_t TamanoMaximoTramos = 8u << 20;
constexpr std::size_t FilasMaximasTramos = 50000;
constexpr std::size_t ColumnasMaximasTramos = 200;
constexpr std::size_t CeldaMaximaTramos = 1000;  // caracteres

class RegistrosCsv;

// La tabla fila a fila, sin guardar sus filas: al abrirla se comprueba entera
// (lo que LeeTablaTramos no lee, no se lee) y después se da una fila cada vez.
class LectorTramos {
public:
    // El flujo debe poder volver al principio (un archivo, un texto en memoria).
    explicit LectorTramos(std::istream& entrada);
    explicit LectorTramos(const std::string& nombre);
    ~LectorTramos();

    // Si se leyó, el error o los avisos y la tabla sin filas (cabeceras y columnas).
    const LecturaTramos& Lectura() const { return lectura_; }
    // La fila de datos siguiente, tantas celdas como cabeceras, y su línea en el
    // archivo; false al final.
    bool Siguiente(std::vector<std::string>& celdas, int& linea);

private:
    void Abre();
    bool Rebobina();
    void Comprueba();

    std::ifstream archivo_;
    std::istream* entrada_ = nullptr;
    std::streampos inicio_;
    char separador_ = ';';
    bool utf8_ = true;
    LecturaTramos lectura_;
    std::unique_ptr<RegistrosCsv> registros_;
    std::size_t filas_ = 0;
};

// Lee la tabla entera de un flujo (que pueda volver al principio) o de un
// archivo. Las líneas en blanco no cuentan.
LecturaTramos LeeTablaTramos(std::istream& entrada);
LecturaTramos LeeArchivoTramos(const std::string& nombre);

// El tramo de unas celdas de la tabla, de la línea dada del archivo, sobre el
// caso base; sus errores dicen la línea y la columna ("Línea 5, columna «hr»: …").
Tramo TramoDeCeldas(const TablaTramos& tabla, const std::vector<std::string>& celdas, int linea,
                    const Proyecto& base);
// Lo mismo de la fila de la tabla (0 la primera de datos).
Tramo TramoDeFila(const TablaTramos& tabla, std::size_t fila, const Proyecto& base);

// El texto CSV de la tabla: UTF-8 con marca, ";" y coma decimal en las columnas
// numéricas, para que una hoja de cálculo en castellano lo abra tal cual.
std::string TextoTablaTramos(const TablaTramos& tabla);

// Guarda la tabla como GuardaArchivo guarda un proyecto: sin dejar a medias el
// archivo anterior si algo falla.
ResultadoGuardar GuardaTablaTramos(const TablaTramos& tabla, const std::string& nombre);
