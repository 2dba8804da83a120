// calculo-tubos-cli [--json] ARCHIVO...: calcula cada archivo de proyecto y
// escribe un resumen (o un objeto JSON por archivo).
// calculo-tubos-cli --tramos TABLA.csv [--proyecto BASE.txt] [--json]: calcula
// cada tramo de la tabla sobre el caso base y suma los metros por diámetro y clase.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "procesa.h"
#include "sistema.h"
#include "tramos_cli.h"

namespace {

int Uso()
{
    std::cerr << "Uso: calculo-tubos-cli [--json] ARCHIVO...\n"
                 "     calculo-tubos-cli --tramos TABLA.csv [--proyecto BASE.txt] [--json]\n"
                 "Calcula cada archivo de proyecto: cargas, clase UNE 127.010 y ASTM C76M\n"
                 "con su validez, y las matrices de clases por apoyo y relleno.\n"
                 "Con --tramos, calcula cada fila de la tabla de tramos (CSV) sobre el caso\n"
                 "base de --proyecto y suma los metros de tubo por diámetro y clase. Sin\n"
                 "--proyecto el caso base no tiene tubo: las filas deben dar Di y el resto.\n";
    return SalidaNoProyecto;
}

}  // namespace

int main(int argc, char** argv)
{
    PreparaConsola();
    const std::vector<std::string> argumentos = ArgumentosPrograma(argc, argv);
    bool json = false, tramos = false;
    OpcionesTramos opciones;
    std::vector<std::string> archivos;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        // Una opción con valor no puede quedarse sin él ni tomar por valor otra opción.
        const bool conValor = argumento == "--tramos" || argumento == "--proyecto";
        if (conValor && (i + 1 == argumentos.size() || argumentos[i + 1].rfind("--", 0) == 0))
            return Uso();
        if (argumento == "--json")
            json = true;
        else if (argumento == "--tramos")
            tramos = true, opciones.tabla = argumentos[++i];
        else if (argumento == "--proyecto")
            opciones.proyecto = argumentos[++i];
        else
            archivos.push_back(argumento);
    }
    std::ios::sync_with_stdio(false);
    if (tramos && archivos.empty()) {
        opciones.json = json;
        return CalculaTramos(opciones, std::cout, std::cerr);
    }
    if (tramos || archivos.empty() || !opciones.proyecto.empty())
        return Uso();
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
    return TerminaSalida(std::cout, std::cerr, codigo);
}
