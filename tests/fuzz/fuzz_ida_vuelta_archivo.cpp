// Lo que se lee de un archivo cualquiera se vuelve a escribir y a leer igual.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "archivo.h"
#include "proyecto.h"

namespace {

std::string LeeYEscribe(const std::string& datos)
{
    Proyecto p;
    InicializaDatos(p);
    std::istringstream entrada(datos);
    LeeDatos(p, entrada, "fuzz", [](const std::string&, BotonesLectura) { return true; });
    return TextoArchivo(p);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const std::string escrito =
        LeeYEscribe(std::string(reinterpret_cast<const char*>(datos), tamano));
    if (LeeYEscribe(escrito) != escrito)
        __builtin_trap();  // lo guardado no se vuelve a leer igual
    return 0;
}
