// Guardado seguro en Linux: temporal en la misma carpeta y rename, con los
// enlaces, el dueño y los permisos del archivo sustituido.

#include "archivo.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string MotivoError(int codigo)
{
    switch (codigo) {
    case EACCES:
    case EPERM: return "no hay permiso para escribir en esa carpeta o en ese archivo";
    case ENOENT: return "la carpeta no existe";
    case ENOSPC: return "no queda espacio en el disco";
    case EDQUOT: return "se ha superado la cuota de disco";
    case EROFS: return "el disco es de solo lectura";
    case EISDIR: return "el nombre es el de una carpeta";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case ENOTDIR: return "una parte de la ruta es un archivo, no una carpeta";
    case EFBIG: return "el archivo supera el tamaño máximo que permite el sistema";
    case ELOOP: return "los enlaces simbólicos forman un bucle";
    default: return "error de entrada/salida (" + std::to_string(codigo) + ")";
    }
}

std::string Fallo(const std::string& nombre, const std::string& motivo)
{
    return "No se ha podido guardar el archivo " + nombre + ": " + motivo + ".";
}

// Sin ningún permiso de escritura el archivo está protegido aunque root pueda
// escribirlo (como hacen los editores); los demás usuarios, según sus permisos.
bool SoloLectura(const std::string& ruta, const struct stat& datos)
{
    if ((datos.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::faccessat(AT_FDCWD, ruta.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// Archivo en el que se guarda de verdad.
struct Destino {
    std::string ruta;     // el del nombre, o al que lleva si es un enlace
    bool existe = false;  // si existe, datos tiene su dueño y permisos
    struct stat datos = {};
    std::string error;  // por qué no se puede guardar ahí
};

Destino BuscaDestino(const std::string& nombre)
{
    Destino d;
    d.ruta = nombre;
    struct stat enlace = {};
    if (nombre.empty()) {
        d.error = "No se ha podido guardar: falta el nombre del archivo.";
        return d;
    }
    if (::lstat(nombre.c_str(), &enlace) != 0) {
        if (errno != ENOENT)
            d.error = Fallo(nombre, MotivoError(errno));
        return d;  // archivo nuevo
    }
    if (S_ISLNK(enlace.st_mode)) {
        // El enlace sigue siendo enlace: se reescribe el archivo al que lleva. Un
        // enlace roto no se sigue, porque crearía un archivo donde el usuario no
        // ha mirado.
        char* real = ::realpath(nombre.c_str(), nullptr);
        if (real == nullptr) {
            const int codigo = errno;
            d.error = Fallo(nombre, codigo == ENOENT
                                        ? "el enlace simbólico apunta a un archivo que no existe"
                                        : MotivoError(codigo));
            return d;
        }
        d.ruta = real;
        std::free(real);
    }
    if (::stat(d.ruta.c_str(), &d.datos) != 0) {
        d.error = Fallo(nombre, MotivoError(errno));
        return d;
    }
    d.existe = true;
    if (S_ISDIR(d.datos.st_mode))
        d.error = Fallo(nombre, MotivoError(EISDIR));
    else if (S_ISFIFO(d.datos.st_mode))
        d.error = Fallo(nombre, "no es un archivo normal, sino una tubería con nombre");
    else if (S_ISCHR(d.datos.st_mode) || S_ISBLK(d.datos.st_mode))
        d.error = Fallo(nombre, "no es un archivo normal, sino un dispositivo");
    else if (!S_ISREG(d.datos.st_mode))
        d.error = Fallo(nombre, "no es un archivo normal");
    else if (SoloLectura(d.ruta, d.datos))
        d.error = "El archivo es de solo lectura. Puede guardar los datos en otro archivo con "
                  "«Guardar como».";
    return d;
}

// Escribe todo el contenido en el descriptor; 0 o el código del error.
int EscribeTodo(int descriptor, const std::string& contenido)
{
    // Con un límite de tamaño de archivo, SIGXFSZ terminaría el programa;
    // ignorada, write da EFBIG y el guardado falla con su mensaje.
    struct sigaction ignorar = {}, anterior = {};
    ignorar.sa_handler = SIG_IGN;
    sigemptyset(&ignorar.sa_mask);
    ::sigaction(SIGXFSZ, &ignorar, &anterior);
    int codigo = 0;
    std::size_t escrito = 0;
    while (codigo == 0 && escrito < contenido.size()) {
        const ssize_t n =
            ::write(descriptor, contenido.data() + escrito, contenido.size() - escrito);
        if (n > 0)
            escrito += static_cast<std::size_t>(n);
        else if (n == 0)
            codigo = EIO;
        else if (errno != EINTR)
            codigo = errno;
    }
    ::sigaction(SIGXFSZ, &anterior, nullptr);
    return codigo;
}

// Dueño y grupo del archivo que se sustituye: root los conserva; otro usuario,
// al menos el grupo si pertenece a él. Si no se puede, queda el del usuario.
void ConservaDueno(int descriptor, const struct stat& datos)
{
    if (::fchown(descriptor, datos.st_uid, datos.st_gid) == 0)
        return;
    if (::fchown(descriptor, static_cast<uid_t>(-1), datos.st_gid) != 0)
        return;  // queda el grupo del usuario
}

// Los temporales se llaman así: se reconocen como del programa en la carpeta del usuario.
const char* const PrefijoTemporal = ".calculo-tubos-guardando-";

// Quita de la carpeta los temporales de este programa que dejó un guardado
// interrumpido (el programa terminado a medias): los de antes de este guardado,
// con un minuto de margen para no tocar el de otro que esté guardando ahora.
void QuitaTemporalesViejos(const std::string& carpeta, time_t inicio)
{
    DIR* dir = ::opendir(carpeta.empty() ? "." : carpeta.c_str());
    if (dir == nullptr)
        return;
    const std::size_t largo = std::strlen(PrefijoTemporal);
    while (const dirent* entrada = ::readdir(dir)) {
        if (std::strncmp(entrada->d_name, PrefijoTemporal, largo) != 0)
            continue;
        const std::string ruta = carpeta + entrada->d_name;
        struct stat datos = {};
        if (::lstat(ruta.c_str(), &datos) == 0 && S_ISREG(datos.st_mode) &&
            datos.st_mtime < inicio - 60)
            ::unlink(ruta.c_str());
    }
    ::closedir(dir);
}

}  // namespace

ResultadoGuardar GuardaContenido(const std::string& contenido, const std::string& nombre)
{
    const Destino destino = BuscaDestino(nombre);
    if (!destino.error.empty())
        return {false, destino.error};

    // Permisos: los del archivo que se sustituye, o los normales de uno nuevo.
    mode_t permisos = destino.datos.st_mode & 07777;
    if (!destino.existe) {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        permisos = 0666 & ~mascara;
    }

    // Temporal de nombre corto en la misma carpeta: cabe junto a un nombre de 255 bytes.
    const time_t inicio = ::time(nullptr);
    const std::size_t barra = destino.ruta.rfind('/');
    const std::string carpeta = barra == std::string::npos ? "" : destino.ruta.substr(0, barra + 1);
    std::string temporal = carpeta + PrefijoTemporal + "XXXXXX";
    const int descriptor = ::mkstemp(temporal.data());
    if (descriptor < 0)
        return {false, Fallo(nombre, MotivoError(errno))};
    int codigo = EscribeTodo(descriptor, contenido);
    if (codigo == 0 && destino.existe)
        ConservaDueno(descriptor, destino.datos);
    // fchmod después de fchown, que quita los bits de setuid.
    if (codigo == 0 && ::fchmod(descriptor, permisos) != 0)
        codigo = errno;
    if (codigo == 0 && ::fsync(descriptor) != 0)
        codigo = errno;
    if (::close(descriptor) != 0 && codigo == 0)
        codigo = errno;
    if (codigo == 0 && ::rename(temporal.c_str(), destino.ruta.c_str()) != 0)
        codigo = errno;
    if (codigo != 0) {
        ::unlink(temporal.c_str());
        return {false, Fallo(nombre, MotivoError(codigo))};
    }
    // Que el cambio de nombre también llegue al disco (si la carpeta lo permite).
    const int carpetaAbierta =
        ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (carpetaAbierta >= 0) {
        ::fsync(carpetaAbierta);
        ::close(carpetaAbierta);
    }
    QuitaTemporalesViejos(carpeta, inicio);
    return {true, {}};
}
