#include <string>

#include "caso.h"
#include "texto1252.h"

namespace {

std::string Hexadecimal(const char* prefijo, unsigned valor)
{
    const char cifras[] = "0123456789abcdef";
    return std::string(prefijo) + cifras[(valor >> 4) & 0xF] + cifras[valor & 0xF];
}

}  // namespace

// Los caracteres de control se escriben escapados: ninguna secuencia de escape llega a la terminal.
std::string TextoVisible(const std::string& texto)
{
    std::string salida;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t inicio = i;
        const char32_t c = SiguienteCaracter(texto, i);
        if (c == CaracterInvalido || c < 0x20 || c == 0x7F)
            salida += Hexadecimal("\\x", static_cast<unsigned char>(texto[inicio]));
        else if (c >= 0x80 && c < 0xA0)
            salida += Hexadecimal("\\u00", static_cast<unsigned>(c));
        else
            salida.append(texto, inicio, i - inicio);
    }
    return salida;
}
