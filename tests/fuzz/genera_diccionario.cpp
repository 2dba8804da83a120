// genera_diccionario ARCHIVO: escribe el diccionario de libFuzzer de los
// lectores de archivos: las 58 líneas clave y los textos de las listas, tal
// como van en el archivo (Windows-1252), sacados de las tablas del programa.

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "claves.h"
#include "listas.h"
#include "texto1252.h"

namespace {

// Una entrada del diccionario: "texto", con \\, \" y \xNN para lo que no es ASCII visible.
std::string Entrada(std::string_view utf8)
{
    std::string linea = "\"";
    for (const char ch : A1252(utf8)) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '\\' || byte == '"') {
            linea += '\\';
            linea += ch;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            linea += escape;
        } else {
            linea += ch;
        }
    }
    return linea + "\"\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::ofstream salida(argv[1], std::ios::binary);
    for (const std::string_view clave : Claves)
        salida << Entrada(clave);
    for (const ListaTextos* lista :
         {&ListaBases, &ListaInstalaciones, &ListaRellenos, &ListaCarreteras, &ListaTraficos,
          &ListaAeropuertos, &ListaVias, &ListaCompactadores, &ListaSentidosVia})
        for (std::size_t i = 0; i < lista->numero; ++i)
            salida << Entrada(lista->textos[i]);
    salida << Entrada("\r\n");
    return salida ? 0 : 1;
}
