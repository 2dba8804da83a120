// Guardado seguro en Windows: cada destino (sustituir, solo lectura, abierto por
// otro programa, lo que no es un archivo normal) y lo que queda en la carpeta.

#include <gtest/gtest.h>

#include <map>
#include <windows.h>

#include "ayudas_archivo.h"

namespace {

// Lo que hay en la carpeta (subcarpetas incluidas), cada archivo con su contenido
// y si es de solo lectura: un fallo no debe cambiar nada ni dejar un temporal. El
// contenido del caso guardado se anota "(caso)".
std::map<std::string, std::string> Foto(const fs::path& carpeta)
{
    static const std::string caso = TextoArchivo(RegistroCompleto());
    std::map<std::string, std::string> foto;
    for (const auto& entrada : fs::recursive_directory_iterator(carpeta)) {
        const std::string nombre = fs::relative(entrada.path(), carpeta).generic_u8string();
        if (entrada.is_directory()) {
            foto[nombre] = "carpeta";
            continue;
        }
        const std::string bytes = LeeBytes(entrada.path());
        const bool soloLectura =
            ::GetFileAttributesW(entrada.path().c_str()) & FILE_ATTRIBUTE_READONLY;
        foto[nombre] = (soloLectura ? "solo lectura: " : "") + (bytes == caso ? "(caso)" : bytes);
    }
    return foto;
}

}  // namespace

TEST(GuardaArchivoWindows, CadaDestino)
{
    const std::string no = "No se ha podido guardar el archivo @: ";
    const struct {
        std::string destino, error, escrito;
    } casos[] = {
        // Eñes, tildes, blancos y letras que no caben en la página de códigos.
        {"José/Mis documentos/Colector Peñíscola Ω.txt", "",
         "José/Mis documentos/Colector Peñíscola Ω.txt"},
        {"viejo.txt", "", "viejo.txt"},
        {"solo_lectura.txt",
         "El archivo es de solo lectura. Puede guardar los datos en otro archivo con «Guardar "
         "como».",
         ""},
        // Una hoja de cálculo que tiene abierta la tabla.
        {"abierto.txt", no + "otro programa tiene abierto el archivo.", ""},
        {"carpeta.txt", no + "el nombre es el de una carpeta.", ""},
        {"falta/nuevo.txt", no + "la carpeta no existe.", ""},
        {"NUL", no + "no es un archivo normal, sino un dispositivo.", ""},
        {"mal\xff.txt", no + "el nombre no es válido.", ""},
        {"", "No se ha podido guardar: falta el nombre del archivo.", ""},
    };
    for (const auto& caso : casos) {
        CarpetaTemporal carpeta;
        const fs::path& c = carpeta.ruta;
        fs::create_directories(c / fs::u8path("José/Mis documentos"));
        fs::create_directories(c / "carpeta.txt");
        carpeta.Escribe("viejo.txt", "viejo\r\n");
        carpeta.Escribe("abierto.txt", "abierto\r\n");
        carpeta.Escribe("solo_lectura.txt", "protegido\r\n");
        ::SetFileAttributesW((c / "solo_lectura.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        // Como lo abre una hoja de cálculo: se deja leer, pero no escribir ni borrar.
        const HANDLE abierto = ::CreateFileW((c / "abierto.txt").c_str(), GENERIC_READ,
                                             FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(abierto, INVALID_HANDLE_VALUE);
        std::map<std::string, std::string> esperada = Foto(c);
        if (!caso.escrito.empty())
            esperada[caso.escrito] = "(caso)";

        const std::string nombre = caso.destino.empty() ? "" : c.u8string() + "\\" + caso.destino;
        Proyecto p = RegistroCompleto();
        const ResultadoGuardar r = GuardaArchivo(p, nombre);
        ::CloseHandle(abierto);
        std::string error = caso.error;
        if (const std::size_t arroba = error.find('@'); arroba != std::string::npos)
            error.replace(arroba, 1, nombre);
        EXPECT_EQ(r.guardado, error.empty()) << caso.destino;
        EXPECT_EQ(r.error, error) << caso.destino;
        EXPECT_EQ(p.FileName, error.empty() ? nombre : "") << caso.destino;
        EXPECT_EQ(Foto(c), esperada) << caso.destino;
        ::SetFileAttributesW((c / "solo_lectura.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}
