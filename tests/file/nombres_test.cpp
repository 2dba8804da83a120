// Nombres de archivo con eñes, tildes, blancos y letras de otros alfabetos: se
// guardan y se leen igual en Linux y en Windows, donde no caben en la página de
// códigos del sistema y hay que abrirlos en UTF-16.

#include <gtest/gtest.h>

#include "ayudas_archivo.h"
#include "tramos_csv.h"

TEST(NombresDeArchivo, SeGuardanYSeLeenConCualquierLetra)
{
    const char* const nombres[] = {"Colector Peñíscola.txt", "Tubería Ø1200 — variante ñ.txt",
                                   "Łódź Ω αβγ.txt"};
    for (const char* nombreArchivo : nombres) {
        CarpetaTemporal carpeta;
        const fs::path documentos =
            carpeta.ruta / fs::u8path("José") / fs::u8path("Mis documentos");
        fs::create_directories(documentos);
        const std::string nombre = (documentos / fs::u8path(nombreArchivo)).u8string();

        Proyecto p = RegistroCompleto();
        const ResultadoGuardar guardado = GuardaArchivo(p, nombre);
        ASSERT_TRUE(guardado.guardado) << nombreArchivo << ": " << guardado.error;
        // En el disco, con ese nombre, los bytes del caso y nada más en la carpeta.
        EXPECT_EQ(LeeBytes(fs::u8path(nombre)), TextoArchivo(p)) << nombreArchivo;
        EXPECT_EQ(std::distance(fs::directory_iterator(documentos), {}), 1) << nombreArchivo;

        Proyecto leido;
        InicializaDatos(leido);
        Avisos avisos;
        EXPECT_EQ(LeeArchivo(leido, nombre, avisos.Funcion()), ResultadoLectura::Leido)
            << nombreArchivo;
        EXPECT_EQ(TextoArchivo(leido), TextoArchivo(p)) << nombreArchivo;
        EXPECT_EQ(leido.FileName, nombre) << nombreArchivo;
        EXPECT_EQ(avisos.textos, Textos{}) << nombreArchivo;

        // La tabla de tramos de una hoja de cálculo, en la misma carpeta.
        const std::string tabla = nombre + ".csv";
        ASSERT_TRUE(GuardaContenido("Tramo;hr\r\nP-01;2,5\r\n", tabla).guardado) << tabla;
        const LecturaTramos tramos = LeeArchivoTramos(tabla);
        EXPECT_TRUE(tramos.leida) << tabla << ": " << tramos.error;
        EXPECT_EQ(tramos.tabla.filas.size(), 1u) << tabla;
    }
}
