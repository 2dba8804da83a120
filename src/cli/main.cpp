// calculo-tubos-cli [--json] ARCHIVO...: calcula cada archivo de proyecto y
// escribe un resumen (o un objeto JSON por archivo); con --dxf, la sección del
// único proyecto en un plano DXF.
// calculo-tubos-cli --tramos TABLA.csv [--proyecto BASE.txt] [--json]: calcula
// cada tramo de la tabla sobre el caso base y suma los metros por diámetro y
// clase; --bc3 y --dxf escriben sus mediciones y su perfil.

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "exportes_cli.h"
#include "procesa.h"
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

bool Es(const char* argumento, const char* opcion)
{
    return std::strcmp(argumento, opcion) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool json = false, tramos = false, norma = false;
    OpcionesTramos opciones;
    OpcionesExportes& exportes = opciones.exportes;
    std::vector<std::string> archivos;
    for (int i = 1; i < argc; ++i) {
        // Una opción con valor no puede quedarse sin él ni tomar por valor otra opción.
        const bool conValor = Es(argv[i], "--tramos") || Es(argv[i], "--proyecto") ||
                              Es(argv[i], "--bc3") || Es(argv[i], "--dxf") ||
                              Es(argv[i], "--precios") || Es(argv[i], "--norma");
        if (conValor && (i + 1 == argc || std::strncmp(argv[i + 1], "--", 2) == 0))
            return Uso();
        if (Es(argv[i], "--json"))
            json = true;
        else if (Es(argv[i], "--tramos"))
            tramos = true, opciones.tabla = argv[++i];
        else if (Es(argv[i], "--proyecto"))
            opciones.proyecto = argv[++i];
        else if (Es(argv[i], "--bc3"))
            exportes.bc3 = argv[++i];
        else if (Es(argv[i], "--dxf"))
            exportes.dxf = argv[++i];
        else if (Es(argv[i], "--precios"))
            exportes.precios = argv[++i];
        else if (Es(argv[i], "--norma")) {
            const std::string valor = argv[++i];
            if (valor != "une" && valor != "astm" && valor != "ambas")
                return Uso();
            norma = true;
            exportes.une = valor != "astm";
            exportes.astm = valor != "une";
        } else
            archivos.emplace_back(argv[i]);
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
