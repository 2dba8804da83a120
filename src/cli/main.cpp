// calculo-tubos-cli [--json] ARCHIVO...: calcula cada archivo de proyecto y
// escribe un resumen (o un objeto JSON por archivo); con --dxf, la sección del
// único proyecto en un plano DXF.
// calculo-tubos-cli --tramos TABLA.csv [--proyecto BASE.txt] [--json]: calcula
// cada tramo de la tabla sobre el caso base y suma los metros por diámetro y
// clase; --bc3 y --dxf escriben sus mediciones y su perfil.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "exportes_cli.h"
#include "procesa.h"
#include "sistema.h"
#include "tramos_cli.h"

namespace {

int Uso()
{
    std::cerr << "Uso: calculo-tubos-cli [--json] ARCHIVO...\n"
                 "     calculo-tubos-cli [--json] --dxf SECCION.dxf PROYECTO.txt\n"
                 "     calculo-tubos-cli --tramos TABLA.csv [--proyecto BASE.txt] [--json]\n"
                 "         [--bc3 MEDICIONES.bc3 [--precios PRECIOS.csv]] [--dxf PERFIL.dxf]\n"
                 "         [--norma une|astm|ambas]\n"
                 "Calcula cada archivo de proyecto: cargas, clase UNE 127.010 y ASTM C76M\n"
                 "con su validez, y las matrices de clases por apoyo y relleno. Con --dxf,\n"
                 "dibuja además la sección del proyecto (tubo, cama, zanja o terraplén).\n"
                 "Con --tramos, calcula cada fila de la tabla de tramos (CSV) sobre el caso\n"
                 "base de --proyecto y suma los metros de tubo por diámetro y clase. Sin\n"
                 "--proyecto el caso base no tiene tubo: las filas deben dar Di y el resto.\n"
                 "--bc3 escribe las mediciones en FIEBDC-3, con los precios por metro de\n"
                 "--precios (CSV Di;Clase;Precio); --dxf, el perfil longitudinal; --norma\n"
                 "elige sus clases (UNE 127.010 si no se dice).\n";
    return SalidaNoProyecto;
}

}  // namespace

int main(int argc, char** argv)
{
    PreparaConsola();
    const std::vector<std::string> argumentos = ArgumentosPrograma(argc, argv);
    bool json = false, tramos = false, norma = false;
    OpcionesTramos opciones;
    OpcionesExportes& exportes = opciones.exportes;
    std::vector<std::string> archivos;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        // Una opción con valor no puede quedarse sin él ni tomar por valor otra opción.
        const bool conValor = argumento == "--tramos" || argumento == "--proyecto" ||
                              argumento == "--bc3" || argumento == "--dxf" ||
                              argumento == "--precios" || argumento == "--norma";
        if (conValor && (i + 1 == argumentos.size() || argumentos[i + 1].rfind("--", 0) == 0))
            return Uso();
        if (argumento == "--json")
            json = true;
        else if (argumento == "--tramos")
            tramos = true, opciones.tabla = argumentos[++i];
        else if (argumento == "--proyecto")
            opciones.proyecto = argumentos[++i];
        else if (argumento == "--bc3")
            exportes.bc3 = argumentos[++i];
        else if (argumento == "--dxf")
            exportes.dxf = argumentos[++i];
        else if (argumento == "--precios")
            exportes.precios = argumentos[++i];
        else if (argumento == "--norma") {
            const std::string& valor = argumentos[++i];
            if (valor != "une" && valor != "astm" && valor != "ambas")
                return Uso();
            norma = true;
            exportes.une = valor != "astm";
            exportes.astm = valor != "une";
        } else
            archivos.push_back(argumento);
    }
    // Los precios son de las mediciones, y la norma, de lo que se exporta de una tabla.
    if ((!exportes.precios.empty() && exportes.bc3.empty()) ||
        (norma && (!tramos || (exportes.bc3.empty() && exportes.dxf.empty()))))
        return Uso();
    std::ios::sync_with_stdio(false);
    if (tramos && archivos.empty()) {
        opciones.json = json;
        return CalculaTramos(opciones, std::cout, std::cerr);
    }
    // La sección es de un solo proyecto.
    if (tramos || archivos.empty() || !opciones.proyecto.empty() || !exportes.bc3.empty() ||
        (!exportes.dxf.empty() && archivos.size() != 1))
        return Uso();
    int codigo = SalidaBien;
    for (const std::string& archivo : archivos) {
        const CalculoArchivo calculo = CalculaArchivo(archivo);
        if (json)
            EscribeJson(calculo, std::cout);
        else
            EscribeResumen(calculo, std::cout);
        codigo = std::max(codigo, static_cast<int>(calculo.Codigo()));
        if (!exportes.dxf.empty())
            codigo = std::max(codigo, EscribeSeccion(calculo, exportes.dxf, std::cerr));
        if (!std::cout)
            break;
    }
    return TerminaSalida(std::cout, std::cerr, codigo);
}
