// Escritura del archivo de proyecto: contenido exacto y guardado seguro.

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "ayudas_archivo.h"

TEST(TextoArchivo, CasoConocidoByteAByte)
{
    const Textos esperado = {
        K(33),
        K(1), "Colector Norte", "", "Tramo 2",
        K(2),  // bloque vacío: ninguna línea
        K(3), "Ayuntamiento de Peñíscola",
        K(4), "Base rígida (roca o suelo muy compactado)",
        K(5), "TERRAPLEN",
        K(37), "   -128",  // Tipo con signo
        K(38), "   0.123",
        K(6), "Definido por usuario",
        K(7), "Eje simple de 130 kN (13 t.)",
        K(8), "   2", K(9), "   90", K(10), "   1.5", K(11), "   0.85", K(12), "   0.95",
        K(13), "   0.1", K(14), "   1.4", K(15), "   1.2", K(16), "   0.11", K(17), "   1.9",
        K(18), "   40", K(19), "   30",
        K(34), "   -2.25",
        K(20), "   20", K(21), "   0", K(22), "   3.5", K(23), "   1.25", K(24), "   0.75",
        K(25), "   0.333", K(26), "   0.5", K(27), "   0.45", K(28), "   0.7", K(29), "   12.346",
        K(36), "   5", K(35), "   1.55",
        K(30), "   100.25", K(31), "   1", K(32), "   1234.568",
        K(39), "a=  0.15 m",  // su salto de línea, en blancos
        K(40), "b= 1.2 m", K(41), "", K(42), "c´= 0.3 m",
        K(44), "   1.5", K(45), "   4", K(46), "   0.25",
        K(47), "Ferroviaria", K(48), "Jumbo (3500 kN)", K(49), "Via UIC 71",
        K(50), "   3.45", K(51), "   255", K(52), "Estático",  // NVias sin signo
        K(53), "   2.5", K(54), "   1.1", K(55), "   0.6", K(56), "   120", K(57), "   0.4",
        K(58), "Longitudinal",
    };
    EXPECT_EQ(TextoArchivo(RegistroCompleto()), Archivo(esperado));
}

TEST(GuardaArchivo, FalloNoTocaNadaNiDejaTemporales)
{
    // Con cortado, un límite de tamaño de archivo corta la escritura a medias como
    // un disco lleno; los permisos no sirven porque las pruebas corren como root.
    const struct { const char* destino; bool cortado; } casos[] = {
        {"no_existe/obra.txt", false}, {"carpeta.txt", false}, {"viejo.txt/obra.txt", false},
        {"viejo.txt", true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.destino);
        CarpetaTemporal carpeta;
        fs::create_directory(carpeta.ruta / "carpeta.txt");
        carpeta.Escribe("carpeta.txt/dentro.txt", "dentro");
        carpeta.Escribe("viejo.txt", "contenido viejo");
        Proyecto p = RegistroCompleto();
        p.FileName = "anterior.txt";
        p.Modificado = 1;
        rlimit limite{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
        const rlimit corto{1000, limite.rlim_max};
        const auto senal = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, caso.cortado ? &corto : &limite), 0);
        const ResultadoGuardar r = GuardaArchivo(p, (carpeta.ruta / caso.destino).string());
        ::setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, senal);

        EXPECT_FALSE(r.guardado);
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(p.FileName, "anterior.txt");
        EXPECT_EQ(p.Modificado, 1);
        EXPECT_EQ(carpeta.Contenido(), (std::set<std::string>{"carpeta.txt", "viejo.txt"}));
        EXPECT_EQ(LeeBytes(carpeta.ruta / "viejo.txt"), "contenido viejo");
        EXPECT_EQ(LeeBytes(carpeta.ruta / "carpeta.txt" / "dentro.txt"), "dentro");
    }
}
