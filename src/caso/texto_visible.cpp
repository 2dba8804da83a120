#include <string>

#include "caso.h"
#include "texto1252.h"

namespace {

std::string Hexadecimal(const char* prefijo, unsigned valor, int cifras)
{
    const char hex[] = "0123456789abcdef";
    std::string r = prefijo;
    for (int i = cifras - 1; i >= 0; --i)
        r += hex[(valor >> (4 * i)) & 0xF];
    return r;
}

// Los controles de dirección del texto: cambian el orden en que se ve lo que
// les sigue ("\u202e10-P" se ve "P-01").
bool ControlDeDireccion(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

// Los caracteres de control y los de dirección se escriben escapados: ninguna
// secuencia de escape llega a la terminal y nada se ve en otro orden.
std::string TextoVisible(const std::string& texto)
{
    std::string salida;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t inicio = i;
        const char32_t c = SiguienteCaracter(texto, i);
        if (c == CaracterInvalido || c < 0x20 || c == 0x7F)
            salida += Hexadecimal("\\x", static_cast<unsigned char>(texto[inicio]), 2);
        else if ((c >= 0x80 && c < 0xA0) || ControlDeDireccion(c))
            salida += Hexadecimal("\\u", static_cast<unsigned>(c), 4);
        else
            salida.append(texto, inicio, i - inicio);
    }
    return salida;
}
