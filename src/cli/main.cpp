// calculo-tubos-cli [--json] ARCHIVO...: calcula cada archivo de proyecto y
// escribe un resumen (o un objeto JSON por archivo).

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "procesa.h"

int main(int argc, char** argv)
{
    bool json = false;
    std::vector<std::string> archivos;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else
            archivos.emplace_back(argv[i]);
    }
    if (archivos.empty()) {
        std::cerr << "Uso: calculo-tubos-cli [--json] ARCHIVO...\n"
                     "Calcula cada archivo de proyecto: cargas, clase UNE 127.010 y ASTM C76M\n"
                     "con su validez, y las matrices de clases por apoyo y relleno.\n";
        return SalidaNoProyecto;
    }
    std::ios::sync_with_stdio(false);
    int codigo = SalidaBien;
    for (const std::string& archivo : archivos) {
        const CalculoArchivo calculo = CalculaArchivo(archivo);
        if (json)
            EscribeJson(calculo, std::cout);
        else
            EscribeResumen(calculo, std::cout);
        codigo = std::max(codigo, static_cast<int>(calculo.Codigo()));
        if (!std::cout)
            break;
    }
    // Un disco lleno o una tubería cerrada no pueden pasar por un cálculo hecho.
    if (!std::cout.flush()) {
        std::cerr << "calculo-tubos-cli: no se pudo escribir el resultado en la salida.\n";
        return SalidaSinEscribir;
    }
    return codigo;
}
