// Guardado seguro en Windows: temporal en la misma carpeta y ReplaceFileW, que
// conserva los permisos (ACL), los atributos y la fecha de creación del archivo
// sustituido, como en Linux se conservan el dueño y los permisos.

#include "archivo.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>

#include "texto_windows.h"

namespace {

std::string MotivoError(DWORD codigo)
{
    switch (codigo) {
    case ERROR_ACCESS_DENIED: return "no hay permiso para escribir en esa carpeta o en ese archivo";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return "otro programa tiene abierto el archivo";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return "la carpeta no existe";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "no queda espacio en el disco";
    case ERROR_WRITE_PROTECT: return "el disco es de solo lectura";
    case ERROR_FILENAME_EXCED_RANGE: return "el nombre es demasiado largo";
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: return "el nombre no es válido";
    default: return "error de entrada/salida (" + std::to_string(codigo) + ")";
    }
}

std::string Fallo(const std::string& nombre, const std::string& motivo)
{
    return "No se ha podido guardar el archivo " + nombre + ": " + motivo + ".";
}

// Archivo en el que se guarda de verdad.
struct Destino {
    std::wstring ruta;    // la del nombre, o a la que lleva si es un enlace
    bool existe = false;  // si no, se crea
    std::string error;    // por qué no se puede guardar ahí
};

// Mira qué hay con ese nombre a través de un manejador sin acceso, que sigue
// los enlaces y no estorba a quien lo tenga abierto.
void Examina(HANDLE manejador, const std::string& nombre, bool enlace, Destino& d)
{
    BY_HANDLE_FILE_INFORMATION datos = {};
    const DWORD tipo = ::GetFileType(manejador);
    if (tipo == FILE_TYPE_CHAR)
        d.error = Fallo(nombre, "no es un archivo normal, sino un dispositivo");
    else if (tipo == FILE_TYPE_PIPE)
        d.error = Fallo(nombre, "no es un archivo normal, sino una tubería con nombre");
    else if (!::GetFileInformationByHandle(manejador, &datos))
        d.error = Fallo(nombre, MotivoError(::GetLastError()));
    else if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        d.error = Fallo(nombre, "el nombre es el de una carpeta");
    else if (datos.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        d.error = "El archivo es de solo lectura. Puede guardar los datos en otro archivo con "
                  "«Guardar como».";
    if (!d.error.empty() || !enlace)
        return;
    // El enlace sigue siendo enlace: se reescribe el archivo al que lleva.
    std::wstring real(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(manejador, real.data(), MAX_PATH, FILE_NAME_NORMALIZED);
    if (n >= MAX_PATH) {
        real.resize(n);
        n = ::GetFinalPathNameByHandleW(manejador, real.data(), n, FILE_NAME_NORMALIZED);
    }
    if (n == 0 || n >= real.size())
        d.error = Fallo(nombre, MotivoError(::GetLastError()));
    else
        d.ruta = real.substr(0, n);
}

Destino BuscaDestino(const std::string& nombre)
{
    Destino d;
    if (nombre.empty()) {
        d.error = "No se ha podido guardar: falta el nombre del archivo.";
        return d;
    }
    d.ruta = Utf16(nombre);
    if (d.ruta.empty()) {
        d.error = Fallo(nombre, "el nombre no es válido");
        return d;
    }
    const DWORD atributos = ::GetFileAttributesW(d.ruta.c_str());
    const HANDLE manejador =
        ::CreateFileW(d.ruta.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (manejador == INVALID_HANDLE_VALUE) {
        const DWORD codigo = ::GetLastError();
        if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_REPARSE_POINT))
            d.error = Fallo(nombre, "el enlace simbólico apunta a un archivo que no existe");
        else if (codigo != ERROR_FILE_NOT_FOUND)
            d.error = Fallo(nombre, MotivoError(codigo));
        return d;  // archivo nuevo
    }
    d.existe = true;
    const bool enlace =
        atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_REPARSE_POINT);
    Examina(manejador, nombre, enlace, d);
    ::CloseHandle(manejador);
    if (!d.error.empty())
        return d;
    // Se mira antes de escribir si se podrá sustituir: quien lo tiene abierto sin
    // dejar borrarlo (una hoja de cálculo) o los permisos lo impiden.
    const HANDLE prueba = ::CreateFileW(d.ruta.c_str(), GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    if (prueba == INVALID_HANDLE_VALUE)
        d.error = Fallo(nombre, MotivoError(::GetLastError()));
    else
        ::CloseHandle(prueba);
    return d;
}

// Crea un temporal nuevo en la carpeta de ruta; devuelve su nombre en temporal.
HANDLE CreaTemporal(const std::wstring& ruta, std::wstring& temporal)
{
    static std::atomic<unsigned> cuenta{0};
    const std::size_t barra = ruta.find_last_of(L"\\/");
    const std::wstring carpeta = barra == std::wstring::npos ? L"" : ruta.substr(0, barra + 1);
    HANDLE manejador = INVALID_HANDLE_VALUE;
    for (int intento = 0; intento < 100 && manejador == INVALID_HANDLE_VALUE; ++intento) {
        wchar_t nombre[64];
        std::swprintf(nombre, 64, L".calculo-tubos-guardando-%lx-%x", ::GetCurrentProcessId(),
                      ++cuenta);
        temporal = carpeta + nombre;
        manejador = ::CreateFileW(temporal.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (manejador == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return manejador;
}

// Escribe todo el contenido y lo lleva al disco; 0 o el código del error.
DWORD EscribeTodo(HANDLE manejador, const std::string& contenido)
{
    std::size_t escrito = 0;
    while (escrito < contenido.size()) {
        const DWORD trozo =
            static_cast<DWORD>(std::min<std::size_t>(contenido.size() - escrito, 1 << 20));
        DWORD n = 0;
        if (!::WriteFile(manejador, contenido.data() + escrito, trozo, &n, nullptr))
            return ::GetLastError();
        if (n == 0)
            return ERROR_WRITE_FAULT;
        escrito += n;
    }
    return ::FlushFileBuffers(manejador) ? 0 : ::GetLastError();
}

// Pone el temporal en lugar del destino; 0 o el código del error.
DWORD Sustituye(const std::wstring& temporal, const Destino& destino)
{
    // ReplaceFileW no vale en algunas unidades de red: allí, MoveFileExW.
    if (destino.existe && ::ReplaceFileW(destino.ruta.c_str(), temporal.c_str(), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return 0;
    if (::MoveFileExW(temporal.c_str(), destino.ruta.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return ::GetLastError();
}

// Quita de la carpeta los temporales de este programa que dejó un guardado
// interrumpido: los de antes de este guardado, con un minuto de margen para no
// tocar el de otro que esté guardando ahora.
void QuitaTemporalesViejos(const std::wstring& ruta, ULONGLONG inicio)
{
    const std::size_t barra = ruta.find_last_of(L"\\/");
    const std::wstring carpeta = barra == std::wstring::npos ? L"" : ruta.substr(0, barra + 1);
    WIN32_FIND_DATAW datos;
    const HANDLE busqueda =
        ::FindFirstFileW((carpeta + L".calculo-tubos-guardando-*").c_str(), &datos);
    if (busqueda == INVALID_HANDLE_VALUE)
        return;
    constexpr ULONGLONG Minuto = 60ULL * 10000000ULL;  // en unidades de 100 ns
    do {
        const ULONGLONG escrito =
            (static_cast<ULONGLONG>(datos.ftLastWriteTime.dwHighDateTime) << 32) |
            datos.ftLastWriteTime.dwLowDateTime;
        if (!(datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && escrito + Minuto < inicio)
            ::DeleteFileW((carpeta + datos.cFileName).c_str());
    } while (::FindNextFileW(busqueda, &datos));
    ::FindClose(busqueda);
}

ULONGLONG Ahora()
{
    FILETIME ahora;
    ::GetSystemTimeAsFileTime(&ahora);
    return (static_cast<ULONGLONG>(ahora.dwHighDateTime) << 32) | ahora.dwLowDateTime;
}

}  // namespace

ResultadoGuardar GuardaContenido(const std::string& contenido, const std::string& nombre)
{
    const Destino destino = BuscaDestino(nombre);
    if (!destino.error.empty())
        return {false, destino.error};
    const ULONGLONG inicio = Ahora();
    std::wstring temporal;
    const HANDLE manejador = CreaTemporal(destino.ruta, temporal);
    if (manejador == INVALID_HANDLE_VALUE)
        return {false, Fallo(nombre, MotivoError(::GetLastError()))};
    DWORD codigo = EscribeTodo(manejador, contenido);
    ::CloseHandle(manejador);
    if (codigo == 0)
        codigo = Sustituye(temporal, destino);
    if (codigo != 0) {
        ::DeleteFileW(temporal.c_str());
        return {false, Fallo(nombre, MotivoError(codigo))};
    }
    QuitaTemporalesViejos(destino.ruta, inicio);
    return {true, {}};
}
