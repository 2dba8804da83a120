// Nombres, argumentos y consola en Windows: el sistema habla UTF-16 y la
// consola, en la página de códigos OEM, salvo que se le pida UTF-8.

#include "sistema.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "texto_windows.h"

std::filesystem::path RutaArchivo(const std::string& nombre)
{
    return Utf16(nombre);
}

std::vector<std::string> ArgumentosPrograma(int, char**)
{
    std::vector<std::string> argumentos;
    int cuenta = 0;
    wchar_t** lista = ::CommandLineToArgvW(::GetCommandLineW(), &cuenta);
    if (lista == nullptr)
        return argumentos;
    for (int i = 1; i < cuenta; ++i)
        argumentos.push_back(Utf8(lista[i]));
    ::LocalFree(lista);
    return argumentos;
}

namespace {

UINT paginaConsola = 0;

void DevuelvePaginaConsola()
{
    ::SetConsoleOutputCP(paginaConsola);
}

}  // namespace

void PreparaConsola()
{
    // Un programa de ventanas no tiene salida si no se la redirigen: la de la
    // consola desde la que se arrancó, si la hay.
    if (::GetStdHandle(STD_ERROR_HANDLE) == nullptr && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    // Los "\n" salen tal cual: la salida es la misma que en Linux, byte a byte.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    // La consola deja de mostrar en su página OEM los bytes UTF-8; se le
    // devuelve la suya al terminar, que es también la de quien la abrió.
    const UINT pagina = ::GetConsoleOutputCP();
    if (pagina != 0 && pagina != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
        paginaConsola = pagina;
        std::atexit(DevuelvePaginaConsola);
    }
}
