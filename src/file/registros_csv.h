#pragma once
// Los registros de un CSV leídos de un flujo uno a uno: campos separados por
// un carácter, entre comillas dobles si llevan el separador, saltos de línea o
// comillas (dobladas). Lo que guarda un registro está acotado: una línea con
// millones de separadores no pide millones de campos.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

class RegistrosCsv {
public:
    // utf8: los caracteres se cuentan como UTF-8; si no, uno por byte (Windows-1252).
    RegistrosCsv(std::istream& entrada, char separador, bool utf8);

    // Lee el registro siguiente; false al final del flujo. Guarda sus primeros
    // maximo campos, de caracteres caracteres como mucho cada uno; de los demás
    // solo cuenta cuántos son y si llevan algo.
    bool Siguiente(std::size_t maximo, std::size_t caracteres);

    std::vector<std::string> campos;   // los guardados
    std::size_t numero = 0;            // los campos del registro, guardados o no
    bool sobranLlenos = false;         // alguno de los no guardados lleva algo más que blancos
    std::optional<std::size_t> largo;  // el primer campo guardado que no cabía (se corta)
    int linea = 0;                     // línea del flujo en que empieza (la primera es la 1)
    bool comillaAbierta = false;       // el flujo acabó dentro de unas comillas

private:
    std::streambuf& entrada_;
    char separador_;
    bool utf8_;
    int siguiente_ = 1;
};

// El separador de la fila de cabeceras (la primera que no está en blanco): ";"
// si lo lleva fuera de comillas; si no, un tabulador si lo lleva; si no, ";".
// Lee el flujo hasta el final de esa fila.
char SeparadorCsv(std::istream& entrada);

// Si el texto no lleva más que espacios y tabuladores.
bool EnBlanco(const std::string& texto);
