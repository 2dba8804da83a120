// El lector de números acepta o rechaza cualquier texto sin fallar, y lo que
// acepta es finito y se vuelve a leer igual una vez escrito. Lo tecleado en
// una casilla (con coma decimal) es válido si lo es con punto, y un número a
// medias deja de estarlo con un cero más.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numero.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const NumeroLeido numero = LeeNumero(texto);
    if (numero.valido) {
        if (!std::isfinite(numero.valor))
            __builtin_trap();
        const std::string escrito = TextoNumero(numero.valor);
        const NumeroLeido releido = LeeNumero(escrito);
        if (!releido.valido || TextoNumero(releido.valor) != escrito)
            __builtin_trap();
        const NumeroLeido general = LeeNumero(TextoGeneral(numero.valor));
        if (!general.valido)
            __builtin_trap();
    }
    const EnteroLeido entero = LeeEntero(texto);
    if (entero.valido && !numero.valido)
        __builtin_trap();  // todo entero válido es un número válido

    const NumeroTecleado tecleado = LeeTecleado(texto);
    if (numero.valido && (tecleado.estado != Tecleo::Valido || tecleado.valor != numero.valor))
        __builtin_trap();
    if (tecleado.estado == Tecleo::Valido && !std::isfinite(tecleado.valor))
        __builtin_trap();
    if (tecleado.estado == Tecleo::AMedias &&
        LeeTecleado(std::string(texto) + "0").estado != Tecleo::Valido)
        __builtin_trap();
    return 0;
}
