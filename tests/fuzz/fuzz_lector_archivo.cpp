// Un archivo cualquiera no puede romper el lector. Solo se lee: la ida y
// vuelta, más lenta, tiene su propio objetivo.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "archivo.h"
#include "proyecto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    Proyecto p;
    InicializaDatos(p);
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(datos), tamano));
    LeeDatos(p, entrada, "fuzz", [](const std::string&, BotonesLectura) { return true; });
    return 0;
}
