// Guardado seguro en Linux: cada destino (enlaces, permisos, dueño, lo que no es
// un archivo normal) y lo que queda en la carpeta.

#include <gtest/gtest.h>

#include "ayudas_archivo.h"

// GuardaArchivo con un límite de tamaño de archivo (0: ninguno) y como el usuario dado (0: el
// mismo). Si SIGXFSZ no se ignorara al guardar, terminaría estas pruebas.
static ResultadoGuardar GuardaComo(Proyecto& p, const std::string& nombre, rlim_t limite,
                                   uid_t usuario)
{
    return ConLimite(limite, [&] {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (usuario && (::setegid(usuario) != 0 || ::seteuid(usuario) != 0))
            return ResultadoGuardar{false, "no se pudo preparar la prueba"};
        const ResultadoGuardar r = GuardaArchivo(p, nombre);
        const bool vuelve = !usuario || (::seteuid(uid) == 0 && ::setegid(gid) == 0);
        return vuelve ? r : ResultadoGuardar{false, "no se pudo volver al usuario"};
    });
}

TEST(GuardaArchivo, CadaDestino)
{
    // Un error lleva "@" en lugar del nombre dado; escrito es el archivo que
    // recibe los datos cuando se guarda (relativo a la carpeta).
    const std::string largo = std::string(251, 'n') + ".txt";  // 255 bytes
    const std::string no = "No se ha podido guardar el archivo @: ";
    const std::string protegido = "El archivo es de solo lectura. Puede guardar los datos en otro "
                                  "archivo con «Guardar como».";
    const struct {
        std::string destino, error, escrito;
        rlim_t limite = 0;  // tamaño máximo de archivo
        uid_t usuario = 0;  // guarda otro usuario
    } casos[] = {
        {"nuevo.txt", "", "nuevo.txt"},
        {"viejo.txt", "", "viejo.txt"},  // conserva dueño y permisos
        {largo, "", largo},
        {"enlace", "", "viejo.txt"},
        {"sub/enlace", "", "viejo.txt"},  // relativo a su carpeta
        {"sub/absoluto", "", "viejo.txt"},
        {"cadena", "", "viejo.txt"},  // enlace a sub/enlace
        {"no_existe/obra.txt", no + "la carpeta no existe.", ""},
        {"carpeta.txt", no + "el nombre es el de una carpeta.", ""},
        {"viejo.txt/obra.txt", no + "una parte de la ruta es un archivo, no una carpeta.", ""},
        {"tuberia", no + "no es un archivo normal, sino una tubería con nombre.", ""},
        {"nulo", no + "no es un archivo normal, sino un dispositivo.", ""},
        {"solo_lectura.txt", protegido, ""},
        {"ajeno.txt", protegido, "", 0, 65534},  // de root: otro usuario no lo puede escribir
        {"bucle_a", no + "los enlaces simbólicos forman un bucle.", ""},
        {"roto", no + "el enlace simbólico apunta a un archivo que no existe.", ""},
        {"viejo.txt", no + "el archivo supera el tamaño máximo que permite el sistema.", "", 1000},
    };
    const mode_t mascara = ::umask(022);
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.destino);
        CarpetaTemporal carpeta;
        const fs::path& c = carpeta.ruta;
        if (!PreparaDestinos(c) && caso.destino == "nulo")
            continue;  // sin permiso para crear dispositivos
        if (caso.usuario && ::geteuid() != 0)
            continue;  // solo root puede hacerse otro usuario

        std::map<std::string, std::string> esperada = Foto(c);
        Proyecto p = RegistroCompleto();
        p.FileName = "anterior.txt";
        p.Modificado = 1;
        const std::string nombre = (c / caso.destino).string();
        const ResultadoGuardar r = GuardaComo(p, nombre, caso.limite, caso.usuario);

        std::string error = caso.error;
        if (const std::size_t arroba = error.find('@'); arroba != std::string::npos)
            error.replace(arroba, 1, nombre);
        EXPECT_EQ(r.error, error);
        EXPECT_EQ(r.guardado, error.empty());
        EXPECT_EQ(p.FileName, error.empty() ? nombre : "anterior.txt");
        EXPECT_EQ(p.Modificado, error.empty() ? 0 : 1);
        if (error.empty()) {
            std::string& escrito = esperada[caso.escrito];
            const std::string permisos = escrito.empty() ? "644/" + std::to_string(::geteuid()) +
                                                               ":" + std::to_string(::getegid())
                                                         : escrito.substr(0, escrito.find(' '));
            escrito = permisos + " (caso)";
        }
        EXPECT_EQ(Foto(c), esperada);
    }
    ::umask(mascara);
}
