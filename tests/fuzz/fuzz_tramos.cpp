// Una tabla de tramos cualquiera no puede romper el lector ni el cálculo de sus
// filas, y lo que se guarda se vuelve a leer igual.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tramos_csv.h"

namespace {

LecturaTramos Lee(const std::string& bytes)
{
    std::istringstream entrada(bytes);
    return LeeTablaTramos(entrada);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const LecturaTramos leida = Lee(std::string(reinterpret_cast<const char*>(datos), tamano));
    if (!leida.leida)
        return 0;
    Proyecto base;
    InicializaDatos(base);
    for (std::size_t fila = 0; fila < leida.tabla.filas.size() && fila < 8; ++fila) {
        ResumenTramos resumen;
        const Tramo tramo = TramoDeFila(leida.tabla, fila, base);
        SumaTramo(resumen, tramo, CalculaTramo(tramo));
    }
    const std::string texto = TextoTablaTramos(leida.tabla);
    const LecturaTramos releida = Lee(texto);
    if (!releida.leida || TextoTablaTramos(releida.tabla) != texto)
        std::abort();
    return 0;
}
