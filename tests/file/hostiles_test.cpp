// Archivos dañados o malintencionados: mensajes, nunca un cuelgue ni un fallo.

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "ayudas_archivo.h"

namespace {

// Todo mensaje es un "Error en " con la línea recortada a 100 caracteres.
void CompruebaMensajes(const Avisos& avisos)
{
    for (const std::string& texto : avisos.textos) {
        EXPECT_EQ(texto.rfind("Error en ", 0), 0u) << texto;
        EXPECT_LE(texto.size(), std::string("Error en …").size() + 100 * 3);
    }
    for (const BotonesLectura botones : avisos.botones)
        EXPECT_EQ(botones, BotonesLectura::AceptarCancelar);
}

}  // namespace

TEST(LeeArchivoHostil, BasuraBinariaTrasElTitulo)
{
    std::mt19937 azar(1252);
    std::string basura;
    for (int i = 0; i < 200000; ++i)
        basura += static_cast<char>(azar() & 0xFF);
    Proyecto p;
    InicializaDatos(p);
    Proyecto esperado = p;
    const Lectura l = LeeTexto(p, ConTitulo({}) + basura);
    ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_FALSE(l.avisos.textos.empty());
    CompruebaMensajes(l.avisos);
    esperado.FileName = l.nombre;
    EXPECT_EQ(Huella(p), Huella(esperado));
}

TEST(LeeArchivoHostil, LineasLargasSeMuestranRecortadas)
{
    // Sin partir una letra; con más de cien, "…" (la de cien megas, aparte).
    const std::string x100(100, 'x');
    const std::pair<std::string, std::string> casos[] = {
        {x100, "Error en " + x100},
        {x100.substr(1) + "ñ" + std::string(50, 'y'), "Error en " + x100.substr(1) + "ñ…"}};
    for (const auto& [linea, mensaje] : casos) {
        Proyecto p = RegistroCompleto();
        const Lectura l = LeeTexto(p, ConTitulo({linea, K(15), "   2.5"}));
        ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
        EXPECT_EQ(l.avisos.textos, Textos{mensaje});
        EXPECT_EQ(p.Di, 2.5);
    }
}

TEST(LeeArchivoHostil, LineaDeCienMegas)
{
    const std::string bytes =
        ConTitulo({}) + std::string(100 << 20, 'x') + "\r\n" + Archivo({K(15), "   2.5"});
    Proyecto p = RegistroCompleto();
    const auto inicio = std::chrono::steady_clock::now();
    const Lectura l = LeeTexto(p, bytes);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(10));
    ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_EQ(l.avisos.textos, Textos{"Error en " + std::string(100, 'x') + "…"});
    EXPECT_EQ(p.Di, 2.5);  // la lectura sigue con la clave siguiente
}

TEST(LeeArchivoHostil, MilesDeClavesYValoresExtremos)
{
    // 5000 claves repetidas, cada una seguida de una línea desconocida.
    Textos lineas;
    for (int i = 1; i <= 5000; ++i)
        lineas.insert(lineas.end(), {K(15), "   " + std::to_string(i), "basura"});
    Proyecto p = RegistroCompleto();
    Lectura l = LeeTexto(p, ConTitulo(lineas));
    ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_EQ(l.avisos.textos.size(), 5000u);
    CompruebaMensajes(l.avisos);
    EXPECT_EQ(p.Di, 5000);

    // Valores que no caben o no son números: un mensaje cada uno, el registro sano.
    lineas.clear();
    for (const std::string valor : {"1e999", "-1e999", "-nan", "nan", "inf", "-inf", "9e99999999"})
        lineas.insert(lineas.end(), {K(15), valor, K(51), valor, K(37), valor, K(5), valor});
    p = RegistroCompleto();
    l = LeeTexto(p, ConTitulo(lineas));
    ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_EQ(l.avisos.textos.size(), lineas.size() / 2);
    CompruebaMensajes(l.avisos);
    EXPECT_EQ(p.Di, 1.2);
    EXPECT_EQ(p.NVias, 255);
    EXPECT_EQ(p.Tipo, 0);
    EXPECT_EQ(p.InstalacionIndex, InstalacionTerraplen);
}
