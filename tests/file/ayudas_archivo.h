#pragma once
// Piezas comunes de las pruebas del archivo de proyecto.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "archivo.h"
#include "claves.h"
#include "numero.h"
#include "proyecto.h"
#include "texto1252.h"

namespace fs = std::filesystem;
using Textos = std::vector<std::string>;

// Carpeta propia de cada prueba bajo la carpeta temporal; se borra al salir.
struct CarpetaTemporal {
    CarpetaTemporal() { fs::create_directories(ruta); }
    ~CarpetaTemporal() { fs::remove_all(ruta, error); }

    // Crea el archivo con esos bytes y devuelve su nombre completo.
    std::string Escribe(const std::string& nombre, const std::string& bytes) const
    {
        std::ofstream(ruta / nombre, std::ios::binary) << bytes;
        return (ruta / nombre).string();
    }

    inline static int cuenta = 0;
    fs::path ruta = fs::temp_directory_path() / ("pruebas_archivo_" + std::to_string(::getpid()) +
                                                 "_" + std::to_string(++cuenta));
    std::error_code error;
};

inline std::string LeeBytes(const fs::path& archivo)
{
    std::ifstream entrada(archivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

// Línea clave k en UTF-8.
inline std::string K(int k)
{
    return std::string(Claves[k - 1]);
}

// Bytes de un archivo: las líneas (UTF-8) en Windows-1252 con CR LF.
inline std::string Archivo(const Textos& lineas)
{
    std::string bytes;
    for (const std::string& linea : lineas)
        bytes += A1252(linea) + "\r\n";
    return bytes;
}

// Lo mismo con la línea de título delante.
inline std::string ConTitulo(Textos lineas)
{
    lineas.insert(lineas.begin(), K(ClaveTitulo));
    return Archivo(lineas);
}

// Anota cada mensaje del lector y responde por orden; sin respuesta, Aceptar,
// salvo tras cien mil mensajes: un lector que se repite acaba en vez de colgarse.
struct Avisos {
    Textos textos;
    std::vector<BotonesLectura> botones;
    std::vector<bool> respuestas;

    AvisoLectura Funcion()
    {
        return [this](const std::string& texto, BotonesLectura b) {
            textos.push_back(texto);
            botones.push_back(b);
            if (textos.size() <= respuestas.size())
                return bool(respuestas[textos.size() - 1]);
            return textos.size() < 100000;
        };
    }
};

// Todo lo que el archivo lleva y lo que la lectura toca, en un texto comparable.
inline std::string Huella(const Proyecto& p)
{
    return TextoArchivo(p) + "|" + p.FileName + "|" + std::to_string(p.Modificado) + "|" +
           std::to_string(p.TaludDefinido) + "|" + TextoNumero(p.lambdaFaEdit);
}

// Un caso con todos los campos del archivo distintos entre sí y de los de un
// proyecto nuevo; el salto de línea de ValorA se escribe con blancos.
inline Proyecto RegistroCompleto()
{
    Proyecto p;
    InicializaDatos(p);
    p.MObra = {"Colector Norte", "", "Tramo 2"};
    p.MCliente = {"Ayuntamiento de Peñíscola"};
    p.BaseIndex = 0, p.InstalacionIndex = InstalacionTerraplen, p.RellenoIndex = 5;
    p.CarreteraIndex = 2, p.TraficoIndex = 1, p.AeropuertoIndex = 3, p.ViaIndex = 2;
    p.CompactadorIndex = 1, p.SentidoViaIndex = 0, p.Tipo = -128, p.NVias = 255, p.n = 0.12345;
    p.b = 2.0, p.C = 90, p.Ct = 1.5, p.Cz = 0.85, p.Czt = 0.95, p.c = 0.1, p.De = 1.4;
    p.Di = 1.2, p.Es = 0.11, p.Fa = 1.9, p.fck = 40, p.fi = 30, p.fi1 = 22.5, p.gamma = 20;
    p.ho = 0.0004, p.hr = 3.5, p.hr1 = 1.25, p.h2r = 0.75, p.lambda = 0.333333, p.mi = 0.5;
    p.mi1 = 0.45, p.pi = 0.7, p.qm = 12.3456, p.qp = 5, p.D = 1.55, p.qr = 100.25, p.qs = 1;
    p.qTotal = 1234.5678, p.dh = 3.45, p.pq = 2.5, p.b2 = 1.1, p.hr2 = 0.6, p.V = 120;
    p.lambdaFa = 0.4, p.TaludDefinido = 1, p.TaludH = 1.5, p.TaludV = 4, p.Resguardo = 0.25;
    p.ValorA = "a=\r\n0.15 m", p.ValorB = "b= 1.2 m", p.ValorC = "", p.ValorC2 = "c´= 0.3 m";
    return p;
}

// Lo que deja leer sobre p un archivo con esos bytes, con esas respuestas a los mensajes.
struct Lectura {
    ResultadoLectura resultado{};
    Avisos avisos;
    std::string nombre;  // el del archivo leído
};

inline Lectura LeeTexto(Proyecto& p, const std::string& bytes, std::vector<bool> respuestas = {})
{
    CarpetaTemporal carpeta;
    Lectura l;
    l.avisos.respuestas = std::move(respuestas);
    l.nombre = carpeta.Escribe("proyecto.txt", bytes);
    l.resultado = LeeArchivo(p, l.nombre, l.avisos.Funcion());
    return l;
}

#ifndef _WIN32
#include <cstdio>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// Lo que hay en la carpeta (subcarpetas incluidas), cada entrada con su tipo, permisos en
// octal, dueño y contenido o destino: un fallo no debe cambiar nada. El contenido del caso
// completo se anota "(caso)".
inline std::map<std::string, std::string> Foto(const fs::path& carpeta,
                                               const std::string& prefijo = "")
{
    static const std::string caso = TextoArchivo(RegistroCompleto());
    std::map<std::string, std::string> foto;
    for (const auto& entrada : fs::directory_iterator(carpeta)) {
        const std::string nombre = prefijo + entrada.path().filename().string();
        struct stat datos = {};
        ::lstat(entrada.path().c_str(), &datos);
        char permisos[32];
        std::snprintf(permisos, sizeof permisos, "%o/%u:%u", unsigned(datos.st_mode & 07777),
                      unsigned(datos.st_uid), unsigned(datos.st_gid));
        const std::string bytes = S_ISREG(datos.st_mode) ? LeeBytes(entrada.path()) : "";
        if (S_ISLNK(datos.st_mode))
            foto[nombre] = "enlace a " + fs::read_symlink(entrada.path()).string();
        else if (S_ISREG(datos.st_mode))
            foto[nombre] = std::string(permisos) + " " + (bytes == caso ? "(caso)" : bytes);
        else if (S_ISDIR(datos.st_mode)) {
            foto[nombre] = std::string(permisos) + " carpeta";
            foto.merge(Foto(entrada.path(), nombre + "/"));
        } else
            foto[nombre] = "tipo " + std::to_string(datos.st_mode >> 12);
    }
    return foto;
}

// Una carpeta con un destino de cada clase: archivos (uno más largo que un caso y de otro
// dueño, uno de solo lectura), carpetas, enlaces (relativos, absoluto, en cadena, en bucle y
// roto), una tubería con nombre y un dispositivo; falso si no se pudieron crear los dos últimos.
inline bool PreparaDestinos(const fs::path& c)
{
    std::ofstream(c / "viejo.txt") << std::string(100000, 'v');
    ::chmod((c / "viejo.txt").c_str(), 0640);
    if (::chown((c / "viejo.txt").c_str(), 1234, 5678) != 0) {
        // sin ser root queda el dueño propio; la foto lo compara igual
    }
    ::chmod(c.c_str(), 0777);
    std::ofstream(c / "ajeno.txt") << "de root";
    std::ofstream(c / "solo_lectura.txt") << "protegido";
    ::chmod((c / "solo_lectura.txt").c_str(), 0444);
    fs::create_directories(c / "carpeta.txt");
    std::ofstream(c / "carpeta.txt/dentro.txt") << "dentro";
    fs::create_directories(c / "sub");
    fs::create_symlink("viejo.txt", c / "enlace");
    fs::create_symlink("../viejo.txt", c / "sub/enlace");
    fs::create_symlink(c / "viejo.txt", c / "sub/absoluto");
    fs::create_symlink("sub/enlace", c / "cadena");
    fs::create_symlink("bucle_b", c / "bucle_a");
    fs::create_symlink("bucle_a", c / "bucle_b");
    fs::create_symlink("falta.txt", c / "roto");
    return ::mkfifo((c / "tuberia").c_str(), 0644) == 0 &&
           ::mknod((c / "nulo").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// Lo que devuelve haz(), hecho con un límite de tamaño de archivo (0: ninguno).
template <class Funcion> auto ConLimite(rlim_t limite, const Funcion& haz)
{
    rlimit antes{};
    ::getrlimit(RLIMIT_FSIZE, &antes);
    rlimit corto = antes;
    corto.rlim_cur = limite ? limite : antes.rlim_cur;
    ::setrlimit(RLIMIT_FSIZE, &corto);
    const auto hecho = haz();
    ::setrlimit(RLIMIT_FSIZE, &antes);
    return hecho;
}
#endif
