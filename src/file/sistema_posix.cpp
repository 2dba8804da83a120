// Nombres, argumentos y consola en Linux: todo es ya UTF-8.

#include "sistema.h"

std::filesystem::path RutaArchivo(const std::string& nombre)
{
    return nombre;
}

std::vector<std::string> ArgumentosPrograma(int argc, char** argv)
{
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

void PreparaConsola() {}
