// Archivos dañados o malintencionados: mensajes, nunca un cuelgue ni un fallo.

#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <random>
#include <tuple>

#include "ayudas_archivo.h"

namespace {

// Los mensajes son "Error en " con la línea recortada a 100 caracteres, como
// mucho ErroresMostrados, y detrás, si hubo más, el que dice cuántos.
void CompruebaMensajes(const Avisos& avisos)
{
    ASSERT_LE(avisos.textos.size(), ErroresMostrados + 1u);
    for (std::size_t i = 0; i < avisos.textos.size(); ++i) {
        const std::string& texto = avisos.textos[i];
        if (i == ErroresMostrados)
            EXPECT_EQ(texto.rfind("Otra", 0), 0u) << texto;
        else
            EXPECT_EQ(texto.rfind("Error en ", 0), 0u) << texto;
        EXPECT_LE(texto.size(), std::string("Error en …").size() + 100 * 3);
    }
    for (const BotonesLectura botones : avisos.botones)
        EXPECT_EQ(botones, BotonesLectura::AceptarCancelar);
}

// Un principio y después saltos de línea fabricados al vuelo (cien megas no
// ocupan memoria); si falla, al acabar lanza la excepción de un disco que falla.
class FlujoFabricado : public std::streambuf {
public:
    FlujoFabricado(std::string principio, std::size_t saltos, bool falla)
        : principio_(std::move(principio)), quedan_(saltos), falla_(falla)
    {
        setg(principio_.data(), principio_.data(), principio_.data() + principio_.size());
    }
    // Saltos de línea que el lector ha pedido.
    std::size_t Servidos() const { return servidos_; }

protected:
    int_type underflow() override
    {
        if (quedan_ == 0) {
            if (falla_)
                throw std::ios_base::failure("error de lectura");
            return traits_type::eof();
        }
        const std::size_t n = std::min(quedan_, saltos_.size());
        quedan_ -= n;
        servidos_ += n;
        setg(saltos_.data(), saltos_.data(), saltos_.data() + n);
        return '\n';
    }

private:
    std::string principio_;
    std::string saltos_ = std::string(1 << 16, '\n');
    std::size_t quedan_;
    std::size_t servidos_ = 0;
    bool falla_;
};

}  // namespace

TEST(LeeArchivoHostil, MedioQueFallaYFlujosDesmesurados)
{
    // El bloque de la obra recibe los saltos; el registro solo cambia si se lee.
    const std::string principio = ConTitulo({K(15), "   2.5", K(1)});
    const std::size_t hastaElMega = TamanoMaximoArchivo - principio.size();
    const std::string grande =
        "El archivo es demasiado grande para ser un archivo de datos (más de 1 MB).";
    using R = ResultadoLectura;
    const std::string error = "Error en lectura del archivo";
    const std::tuple<std::size_t, bool, bool, R, std::string> casos[] = {
        {1000, true, false, R::ErrorLectura, error},
        {1000, true, true, R::ErrorLectura, error},
        {hastaElMega, false, false, R::Leido, ""},
        {hastaElMega + 1, false, false, R::Grande, grande},
        {100 << 20, false, false, R::Grande, grande}};
    for (const auto& [saltos, falla, excepciones, resultado, mensaje] : casos) {
        SCOPED_TRACE(saltos);
        FlujoFabricado flujo(principio, saltos, falla);
        std::istream entrada(&flujo);
        if (excepciones)
            entrada.exceptions(std::ios::badbit);
        Proyecto p = RegistroCompleto();
        const std::string antes = Huella(p);
        Avisos avisos;
        EXPECT_EQ(LeeDatos(p, entrada, "flujo", avisos.Funcion()), resultado);
        if (resultado == R::Leido) {
            EXPECT_EQ(avisos.textos, Textos{});
            EXPECT_EQ(p.Di, 2.5);
            EXPECT_EQ(p.MObra.size(), saltos);
        } else {
            EXPECT_EQ(avisos.textos, Textos{mensaje});
            EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::Cancelar});
            EXPECT_EQ(Huella(p), antes);
            // Se rechaza sin leerlo todo: como mucho un mega y un trozo más.
            EXPECT_LE(flujo.Servidos(), TamanoMaximoArchivo + (1u << 16));
        }
    }
}

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

TEST(LeeArchivoHostil, TopeDeMensajes)
{
    // n claves seguidas cada una de una línea desconocida; la última clave gana.
    // Cancelar en el mensaje final descarta el archivo.
    const std::string otras = "Otras 4980 líneas del archivo tampoco se han podido leer.";
    const std::tuple<int, bool, Textos> casos[] = {
        {ErroresMostrados, false, {}},
        {ErroresMostrados + 1, false, {"Otra línea del archivo tampoco se ha podido leer."}},
        {5000, false, {otras}},
        {5000, true, {otras}}};
    for (const auto& [errores, cancela, finales] : casos) {
        SCOPED_TRACE(errores);
        Textos lineas;
        for (int i = 1; i <= errores; ++i)
            lineas.insert(lineas.end(), {K(15), "   " + std::to_string(i), "basura"});
        Proyecto p = RegistroCompleto();
        std::vector<bool> respuestas(ErroresMostrados, true);
        respuestas.push_back(!cancela);
        const Lectura l = LeeTexto(p, ConTitulo(lineas), respuestas);
        EXPECT_EQ(l.resultado, cancela ? ResultadoLectura::Cancelado : ResultadoLectura::Leido);
        Textos esperados(ErroresMostrados, "Error en basura");
        esperados.insert(esperados.end(), finales.begin(), finales.end());
        EXPECT_EQ(l.avisos.textos, esperados);
        CompruebaMensajes(l.avisos);
        EXPECT_EQ(p.Di, errores);
    }
}
