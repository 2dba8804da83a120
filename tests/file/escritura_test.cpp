// Escritura del archivo de proyecto: el contenido exacto.

#include <gtest/gtest.h>

#include "ayudas_archivo.h"

TEST(TextoArchivo, CasoConocidoByteAByte)
{
    // "#k", la línea clave k. Tipo con signo, NVias sin signo y el salto de línea
    // de ValorA en blancos.
    const std::string esperado =
        "#33|#1|Colector Norte||Tramo 2|#2|#3|Ayuntamiento de Peñíscola|#4|"
        "Base rígida (roca o suelo muy compactado)|#5|TERRAPLEN|#37|   -128|#38|   0.123|#6|"
        "Definido por usuario|#7|Eje simple de 130 kN (13 t.)|#8|   2|#9|   90|#10|   1.5|#11|"
        "   0.85|#12|   0.95|#13|   0.1|#14|   1.4|#15|   1.2|#16|   0.11|#17|   1.9|#18|   40|"
        "#19|   30|#34|   22.5|#20|   20|#21|   0|#22|   3.5|#23|   1.25|#24|   0.75|#25|"
        "   0.333|#26|   0.5|#27|   0.45|#28|   0.7|#29|   12.346|#36|   5|#35|   1.55|#30|"
        "   100.25|#31|   1|#32|   1234.568|#39|a=  0.15 m|#40|b= 1.2 m|#41||#42|c´= 0.3 m|#44|"
        "   1.5|#45|   4|#46|   0.25|#47|Ferroviaria|#48|Jumbo (3500 kN)|#49|Via UIC 71|#50|"
        "   3.45|#51|   255|#52|Estático|#53|   2.5|#54|   1.1|#55|   0.6|#56|   120|#57|"
        "   0.4|#58|Longitudinal";
    Textos lineas(1);
    for (const char c : esperado)
        c == '|' ? lineas.push_back("") : lineas.back().push_back(c);
    for (std::string& l : lineas)
        l = l[0] == '#' ? K(std::stoi(l.substr(1))) : l;
    EXPECT_EQ(TextoArchivo(RegistroCompleto()), Archivo(lineas));
}

TEST(CaracteresNoGuardables, LosDistintosPorOrdenDeAparicion)
{
    const struct {
        Textos obra;
        std::string cliente, valorA, esperado;
    } casos[] = {
        {{"Colector Ø 1200 – Peñíscola", "€ ´ ³ «» ¿?"}, "Ayto. de Ñora", "a= 0.15 m", ""},
        {{"Presión ≥ 2 bar", "", "γ = 20 kN/m³ ≥ γ"}, "", "", "≥γ"},
        {{}, "Δ Ingeniería ≈", "a≈ 0.15 m", "Δ≈"},
        {{"tubo 😀 roto \xFF"}, "", "", "😀\uFFFD"},  // UTF-8 mal formado
    };
    for (const auto& caso : casos) {
        Proyecto p = RegistroCompleto();
        p.MObra = caso.obra;
        p.MCliente = {caso.cliente};
        p.ValorA = caso.valorA;
        EXPECT_EQ(CaracteresNoGuardables(p), caso.esperado) << caso.esperado;
    }
}

// Un guardado interrumpido deja un temporal que se reconoce como del programa; el
// siguiente guardado en esa carpeta quita los viejos y no toca nada más.
TEST(GuardaContenido, QuitaLosTemporalesViejosDelPrograma)
{
    CarpetaTemporal carpeta;
    const std::string viejo = carpeta.Escribe(".calculo-tubos-guardando-Ab12Cd", "a medias");
    const std::string reciente = carpeta.Escribe(".calculo-tubos-guardando-Ef34Gh", "guardando");
    const std::string ajeno = carpeta.Escribe(".otro-programa-viejo", "suyo");
    const auto hace = fs::file_time_type::clock::now() - std::chrono::hours(2);
    fs::last_write_time(viejo, hace);
    fs::last_write_time(ajeno, hace);
    ASSERT_TRUE(GuardaContenido("datos", (carpeta.ruta / "caso.txt").string()).guardado);
    EXPECT_FALSE(fs::exists(viejo));
    EXPECT_TRUE(fs::exists(reciente));
    EXPECT_TRUE(fs::exists(ajeno));
    int temporales = 0;  // ninguno más del propio guardado
    for (const auto& entrada : fs::directory_iterator(carpeta.ruta))
        temporales += entrada.path().filename().string().rfind(".calculo-tubos-", 0) == 0;
    EXPECT_EQ(temporales, 1);
}
