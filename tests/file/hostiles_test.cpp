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
    Avisos avisos;
    ASSERT_EQ(LeeTexto(p, ConTitulo({}) + basura, avisos, &esperado.FileName),
              ResultadoLectura::Leido);
    EXPECT_FALSE(avisos.textos.empty());
    CompruebaMensajes(avisos);
    EXPECT_EQ(Huella(p), Huella(esperado));
}

TEST(LeeArchivoHostil, LineasLargasSeMuestranRecortadas)
{
    const std::string x100(100, 'x');
    const std::pair<std::string, std::string> casos[] = {
        {x100, "Error en " + x100},
        {x100 + "x", "Error en " + x100 + "…"},
        {x100.substr(1) + "ñ" + std::string(50, 'y'), "Error en " + x100.substr(1) + "ñ…"}};
    for (const auto& [linea, mensaje] : casos) {
        Proyecto p = RegistroCompleto();
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, ConTitulo({linea, K(15), "   2.5"}), avisos),
                  ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, Textos{mensaje});
        EXPECT_EQ(p.Di, 2.5);
    }
    // En un bloque de texto, una línea desmesurada se guarda recortada al mega.
    Proyecto p = RegistroCompleto();
    Avisos avisos;
    const std::string bytes = ConTitulo({K(1), std::string(3 << 20, 'x'), "fin", K(15), "   2.5"});
    ASSERT_EQ(LeeTexto(p, bytes, avisos), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos, Textos{});
    EXPECT_EQ(p.MObra, Textos({std::string(1 << 20, 'x'), "fin"}));
    EXPECT_EQ(p.Di, 2.5);
}

TEST(LeeArchivoHostil, LineaDeCienMegas)
{
    CarpetaTemporal carpeta;
    const fs::path nombre = carpeta.ruta / "enorme.txt";
    {
        std::ofstream salida(nombre, std::ios::binary);
        salida << ConTitulo({});
        const std::string mega(1 << 20, 'x');
        for (int i = 0; i < 100; ++i)
            salida << mega;
        salida << "\r\n" << A1252(K(15)) << "\r\n   2.5\r\n";
    }
    Proyecto p = RegistroCompleto();
    Avisos avisos;
    const auto inicio = std::chrono::steady_clock::now();
    ASSERT_EQ(LeeArchivo(p, nombre.string(), avisos.Funcion()), ResultadoLectura::Leido);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(10));
    EXPECT_EQ(avisos.textos, Textos{"Error en " + std::string(100, 'x') + "…"});
    EXPECT_EQ(p.Di, 2.5);  // la lectura sigue con la clave siguiente
}

TEST(LeeArchivoHostil, MilesDeClavesYValoresExtremos)
{
    // 5000 claves repetidas, cada una seguida de una línea desconocida.
    Textos lineas;
    for (int i = 1; i <= 5000; ++i)
        lineas.insert(lineas.end(), {K(15), "   " + std::to_string(i), "basura"});
    Proyecto p = RegistroCompleto();
    Avisos avisos;
    ASSERT_EQ(LeeTexto(p, ConTitulo(lineas), avisos), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos.size(), 5000u);
    CompruebaMensajes(avisos);
    EXPECT_EQ(p.Di, 5000);

    // Valores que no caben o no son números: un mensaje cada uno, el registro sano.
    lineas.clear();
    for (const std::string valor : {"1e999", "-1e999", "-nan", "nan", "inf", "-inf", "9e99999999"})
        lineas.insert(lineas.end(), {K(15), valor, K(51), valor, K(37), valor, K(5), valor});
    p = RegistroCompleto();
    avisos = Avisos{};
    ASSERT_EQ(LeeTexto(p, ConTitulo(lineas), avisos), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos.size(), lineas.size() / 2);
    CompruebaMensajes(avisos);
    EXPECT_EQ(p.Di, 1.2);
    EXPECT_EQ(p.NVias, 2);
    EXPECT_EQ(p.Tipo, 0);
    EXPECT_EQ(p.InstalacionIndex, InstalacionTerraplen);
}
