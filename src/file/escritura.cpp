// Escritura del archivo de proyecto: el texto exacto y el guardado seguro.

#include "archivo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "claves.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
#include "texto1252.h"

namespace {


class Escritor {
public:
    void Linea(std::string_view texto)
    {
        // Un salto de línea dentro de un valor rompería el formato.
        for (const char ch : A1252(texto))
            salida_ += (ch == '\r' || ch == '\n') ? ' ' : ch;
        salida_ += "\r\n";
    }
    void Clave(int clave) { Linea(Claves[clave - 1]); }
    void Numero(int clave, double valor)
    {
        Clave(clave);
        Linea("   " + TextoNumero(valor));
    }
    void Lista(int clave, const ListaTextos& lista, std::uint8_t indice)
    {
        Clave(clave);
        Linea(lista.Texto(indice));
    }
    void Texto(int clave, const std::string& texto)
    {
        Clave(clave);
        Linea(texto);
    }
    void Bloque(int clave, const std::vector<std::string>& lineas)
    {
        Clave(clave);
        for (const std::string& linea : lineas)
            Linea(linea);
    }
    std::string Resultado() { return std::move(salida_); }

private:
    std::string salida_;
};

std::string MotivoError(int codigo)
{
    switch (codigo) {
    case EACCES:
    case EPERM: return "no hay permiso para escribir en esa carpeta o en ese archivo";
    case ENOENT: return "la carpeta no existe";
    case ENOSPC: return "no queda espacio en el disco";
    case EROFS: return "el disco es de solo lectura";
    case EISDIR: return "el nombre es el de una carpeta";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    default: return "error de entrada/salida (" + std::to_string(codigo) + ")";
    }
}

// Escribe todo el contenido en el descriptor; false si algo falla.
bool EscribeTodo(int descriptor, const std::string& contenido)
{
    std::size_t escrito = 0;
    while (escrito < contenido.size()) {
        const ssize_t n = ::write(descriptor, contenido.data() + escrito, contenido.size() - escrito);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        escrito += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string TextoArchivo(const Proyecto& p)
{
    Escritor e;
    e.Clave(ClaveTitulo);
    e.Bloque(ClaveObra, p.MObra);
    e.Bloque(ClaveSeccion, p.MSeccion);
    e.Bloque(ClaveCliente, p.MCliente);
    e.Lista(ClaveBase, ListaBases, p.BaseIndex);
    e.Lista(ClaveInstalacion, ListaInstalaciones, p.InstalacionIndex);
    e.Numero(ClaveTipo, p.Tipo);
    if (p.InstalacionIndex == InstalacionTerraplen)
        e.Numero(ClaveN, p.n);
    e.Lista(ClaveRelleno, ListaRellenos, p.RellenoIndex);
    e.Lista(ClaveCarretera, ListaCarreteras, p.CarreteraIndex);
    const double geometria[] = {p.b, p.C, p.Ct, p.Cz, p.Czt, p.c, p.De, p.Di, p.Es, p.Fa, p.fck, p.fi};
    for (int k = 0; k < 12; ++k)
        e.Numero(8 + k, geometria[k]);
    e.Numero(34, p.fi1);
    const double relleno[] = {p.gamma, p.ho, p.hr, p.hr1, p.h2r, p.lambda, p.mi, p.mi1, p.pi, p.qm};
    for (int k = 0; k < 10; ++k)
        e.Numero(20 + k, relleno[k]);
    e.Numero(36, p.qp);
    e.Numero(35, p.D);
    e.Numero(30, p.qr);
    e.Numero(31, p.qs);
    e.Numero(32, p.qTotal);
    e.Texto(39, p.ValorA);
    e.Texto(40, p.ValorB);
    e.Texto(41, p.ValorC);
    e.Texto(42, p.ValorC2);
    if (p.TaludDefinido) {
        e.Numero(44, p.TaludH);
        e.Numero(45, p.TaludV);
        e.Numero(46, p.Resguardo);
    }
    e.Lista(ClaveTrafico, ListaTraficos, p.TraficoIndex);
    e.Lista(ClaveAeropuerto, ListaAeropuertos, p.AeropuertoIndex);
    e.Lista(ClaveVia, ListaVias, p.ViaIndex);
    e.Numero(50, p.dh);
    e.Numero(ClaveNVias, p.NVias);
    e.Lista(ClaveCompactador, ListaCompactadores, p.CompactadorIndex);
    const double finales[] = {p.pq, p.b2, p.hr2, p.V, p.lambdaFa};
    for (int k = 0; k < 5; ++k)
        e.Numero(53 + k, finales[k]);
    e.Lista(ClaveSentidoVia, ListaSentidosVia, p.SentidoViaIndex);
    return e.Resultado();
}

ResultadoGuardar GuardaArchivo(Proyecto& p, const std::string& nombre)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path destino(nombre);
    if (fs::is_symlink(destino, ec))  // se reescribe el archivo enlazado, no el enlace
        destino = fs::canonical(destino, ec);
    if (destino.empty() || fs::is_directory(destino, ec))
        return {false, "No se ha podido guardar el archivo " + nombre + ": " + MotivoError(EISDIR) + "."};

    // Permisos: los del archivo que se sustituye, o los normales de uno nuevo.
    struct stat datos {};
    mode_t permisos;
    if (::stat(destino.c_str(), &datos) == 0) {
        permisos = datos.st_mode & 07777;
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        permisos = 0666 & ~mascara;
    }

    std::string temporal = destino.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporal.data());
    if (descriptor < 0)
        return {false, "No se ha podido guardar el archivo " + nombre + ": " + MotivoError(errno) + "."};
    const std::string contenido = TextoArchivo(p);
    bool bien = EscribeTodo(descriptor, contenido) && ::fchmod(descriptor, permisos) == 0 &&
                ::fsync(descriptor) == 0;
    int codigo = bien ? 0 : errno;
    if (::close(descriptor) != 0 && bien) {
        bien = false;
        codigo = errno;
    }
    if (bien && ::rename(temporal.c_str(), destino.c_str()) != 0) {
        bien = false;
        codigo = errno;
    }
    if (!bien) {
        ::unlink(temporal.c_str());
        return {false, "No se ha podido guardar el archivo " + nombre + ": " + MotivoError(codigo) + "."};
    }
    p.Modificado = 0;
    p.FileName = nombre;
    return {true, {}};
}
