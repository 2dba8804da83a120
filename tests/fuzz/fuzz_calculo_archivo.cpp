// Un archivo cualquiera se lee y se calcula entero, como hace
// calculo-tubos-cli: la memoria con su validez en UNE y en ASTM, las dos
// matrices y las dos salidas. Nada puede romperse ni colgarse.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "caso.h"
#include "procesa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(datos), tamano));
    const CalculoArchivo calculo = CalculaDatos(entrada, "fuzz");
    std::ostringstream salida;
    EscribeResumen(calculo, salida);
    EscribeJson(calculo, salida);
    return 0;
}
