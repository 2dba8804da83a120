// Lectura del archivo de proyecto: ida y vuelta, tolerancias y mensajes.

#include <gtest/gtest.h>

#include <functional>

#include "ayudas_archivo.h"

namespace {

// Proyecto abierto antes, con cambios sin guardar, sobre el que se lee.
Proyecto Previo()
{
    Proyecto p;
    InicializaDatos(p);
    p.Di = 0.5, p.Es = 0.05, p.b = 0.9, p.Tipo = 4, p.NVias = 1;
    p.MObra = {"obra anterior"};
    p.FileName = "anterior.txt";
    p.Modificado = 1;
    return p;
}

// Lee sobre el proyecto previo el título seguido de esas líneas; sin mensajes.
Proyecto LeeSinAvisos(const Textos& lineas, Proyecto p = Previo())
{
    Avisos avisos;
    EXPECT_EQ(LeeTexto(p, ConTitulo(lineas), avisos), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos, Textos{});
    return p;
}

}  // namespace

TEST(LeeArchivo, IdaYVueltaDeUnCasoCompleto)
{
    CarpetaTemporal carpeta;
    Proyecto escrito = RegistroCompleto();
    escrito.MSeccion = {"", "Sección tipo 1: zanja 1:5", "", "Cama a 180º, 2 m² y 3 m³, 5 €"};
    escrito.MCliente = {"Cliente", ""};
    const std::string nombre = (carpeta.ruta / "completo.txt").string();
    ASSERT_TRUE(GuardaArchivo(escrito, nombre).guardado);

    Proyecto p;
    InicializaDatos(p);
    Avisos avisos;
    ASSERT_EQ(LeeArchivo(p, nombre, avisos.Funcion()), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos, Textos{});
    // Cada campo del archivo en el suyo, con tres decimales; también el λ del diálogo
    // de clases.
    escrito.lambdaFaEdit = escrito.lambdaFa;
    EXPECT_EQ(Huella(p), Huella(escrito));
    EXPECT_EQ(p.n, 0.123);
}

TEST(LeeArchivo, EjemplosSeReescribenIguales)
{
    int ejemplos = 0;
    for (const auto& entrada : fs::directory_iterator(CARPETA_EJEMPLOS)) {
        if (entrada.path().extension() != ".txt")
            continue;
        ++ejemplos;
        SCOPED_TRACE(entrada.path().string());
        const std::string bytes = LeeBytes(entrada.path());
        std::string soloLF, soloCR;  // con otros finales de línea se lee lo mismo
        for (const char c : bytes) {
            if (c != '\r')
                soloLF += c;
            if (c != '\n')
                soloCR += c;
        }
        for (const std::string& variante : {bytes, soloLF, soloCR}) {
            Proyecto p;
            InicializaDatos(p);
            Avisos avisos;
            ASSERT_EQ(LeeTexto(p, variante, avisos), ResultadoLectura::Leido);
            EXPECT_EQ(avisos.textos, Textos{});
            EXPECT_EQ(TextoArchivo(p), bytes);
        }
    }
    EXPECT_GT(ejemplos, 0);
}

TEST(LeeArchivo, ListasIdaYVuelta)
{
    using P = Proyecto;
    const struct { int clave; std::uint8_t P::*campo; Textos textos; } listas[] = {
        {4, &P::BaseIndex,
         {"Base rígida (roca o suelo muy compactado)", "Base de suelo natural ordinario",
          "Base muy asentable (terraplén no bien compactado)"}},
        {5, &P::InstalacionIndex, {"ZANJA", "TERRAPLEN", "ZANJA TERRAPLENADA", "ZANJA INDUCIDA"}},
        {6, &P::RellenoIndex,
         {"Arcilla Plástica", "Arcilla Ordinaria", "Arena Arcillosa", "Arenas y Gravas",
          "Mat.Gran.sin Cohesión (Zahorras)", "Definido por usuario"}},
        {7, &P::CarreteraIndex,
         {"Ninguna", "Eje simple de 70 kN (7 t.)", "Eje simple de 130 kN (13 t.)",
          "Carro tres ejes de 600 kN (60 t.)"}},
        {47, &P::TraficoIndex, {"Carretera", "Ferroviaria", "Aeropuerto"}},
        {48, &P::AeropuertoIndex,
         {"Ninguna", "DC 9 (900 kN)", "DC 8 (1800 kN)", "Jumbo (3500 kN)", "5500 kN", "7500 kN"}},
        {49, &P::ViaIndex, {"Ninguna", "Via Renfe", "Via UIC 71"}},
        {52, &P::CompactadorIndex, {"No aplicado", "Estático", "Dinámico"}},
        {58, &P::SentidoViaIndex, {"Longitudinal", "Transversal"}}};
    for (const auto& lista : listas) {
        for (std::size_t i = 0; i < lista.textos.size(); ++i) {
            SCOPED_TRACE(lista.textos[i]);
            Proyecto p = RegistroCompleto();
            p.*lista.campo = static_cast<std::uint8_t>(i);
            EXPECT_EQ(ValorDe(TextoArchivo(p), lista.clave), lista.textos[i]);
            p.*lista.campo = 9;
            EXPECT_EQ(LeeSinAvisos({K(lista.clave), lista.textos[i]}, p).*lista.campo, i);
        }
    }
}

TEST(LeeArchivo, ListasEnOtraCajaYTextosAntiguosDeLaBase)
{
    // Índice -1: el texto no se reconoce.
    using P = Proyecto;
    const struct { int clave; std::string texto; std::uint8_t P::*campo; int indice; } casos[] = {
        {5, "zanja inducida", &P::InstalacionIndex, 3},
        {52, "ESTÁTICO", &P::CompactadorIndex, 1},
        {6, "arcilla plástica", &P::RellenoIndex, 0},
        {4, "Roca o suelo rígido (no asentable)", &P::BaseIndex, 0},
        {4, "Suelo compacto (ordinario)", &P::BaseIndex, 1},
        {4, "Suelo natural (asentable)", &P::BaseIndex, 2},
        {4, "suelo compacto (ordinario)", &P::BaseIndex, -1},     // los antiguos, exactos
        {6, "Suelo compacto (ordinario)", &P::RellenoIndex, -1},  // y solo para la base
        {52, "Estatico", &P::CompactadorIndex, -1},               // el acento cuenta
        {5, "ZANJA ", &P::InstalacionIndex, -1}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        Proyecto p = Previo();
        p.*caso.campo = 9;
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, ConTitulo({K(caso.clave), caso.texto}), avisos),
                  ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, caso.indice < 0 ? Textos{"Error en " + K(caso.clave)} : Textos{});
        EXPECT_EQ(p.*caso.campo, caso.indice < 0 ? 9 : caso.indice);
    }
}

TEST(LeeArchivo, BloquesDeTextoYOrdenDeLasClaves)
{
    const std::string obraMayusculas = "OBRA:" + K(1).substr(5);
    // Una clave o el final terminan el bloque; un bloque vacío borra el texto
    // anterior; una línea igual a una clave es esa clave, pero en otra caja es texto.
    const struct { Textos lineas, obra, cliente; double di; } casos[] = {
        {{K(1), "uno", "", "dos", K(15), "   1.2", K(3), "cliente"},
         {"uno", "", "dos"}, {"cliente"}, 1.2},
        {{K(3), "cliente", "", K(1), "uno", ""}, {"uno", ""}, {"cliente", ""}, 0.5},
        {{K(1), K(15), "   2"}, {}, {}, 2},
        {{K(1), obraMayusculas}, {obraMayusculas}, {}, 0.5},
        // En cualquier orden, la última gana; la compactación se lee y se descarta.
        {{K(15), "   1", K(43), "   lo que sea", K(1), "a", K(15), "   2", K(1), "b"},
         {"b"}, {}, 2}};
    for (const auto& caso : casos) {
        const Proyecto p = LeeSinAvisos(caso.lineas);
        EXPECT_EQ(p.MObra, caso.obra);
        EXPECT_EQ(p.MCliente, caso.cliente);
        EXPECT_EQ(p.Di, caso.di);
    }
}

TEST(LeeArchivo, NumerosConBlancosSignoYExponente)
{
    for (const std::string valor : {"   1.5", " +1.5E0", "15e-1", "0.15e1"}) {
        const Proyecto p = LeeSinAvisos({K(15), valor});
        EXPECT_EQ(p.Di, 1.5) << valor;
        EXPECT_EQ(p.TaludDefinido, 0);  // solo las claves del talud lo dan por definido
    }
    for (const int clave : {44, 45, 46})
        EXPECT_EQ(LeeSinAvisos({K(clave), "   2"}).TaludDefinido, 1) << clave;
}

TEST(LeeArchivo, NoSeAbreOFormatoIncorrectoNoCambiaNada)
{
    // Sin nombre, el archivo lleva esos bytes.
    const struct { const char* nombre; std::string bytes; } casos[] = {
        {"no.txt", ""}, {".", ""},  // no existe; es una carpeta
        {nullptr, ""},
        {nullptr, Archivo({K(15), "   1.2"})},      // otra primera línea
        {nullptr, Archivo({K(33).substr(0, 62)})},  // título sin punto
        {nullptr, K(33) + "\r\n"},                  // título en UTF-8
        {nullptr, "\r\n" + ConTitulo({})}};         // línea en blanco delante
    for (const auto& caso : casos) {
        CarpetaTemporal carpeta;
        const std::string nombre = caso.nombre ? (carpeta.ruta / caso.nombre).string()
                                               : carpeta.Escribe("a.txt", caso.bytes);
        Proyecto p = Previo();
        const std::string antes = Huella(p);
        Avisos avisos;
        const auto resultado = LeeArchivo(p, nombre, avisos.Funcion());
        EXPECT_EQ(resultado, caso.nombre ? ResultadoLectura::NoSeAbre
                                         : ResultadoLectura::FormatoIncorrecto);
        EXPECT_EQ(avisos.textos,
                  Textos{caso.nombre ? "Error abriendo archivo" : "Formato incorrecto"});
        EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::Cancelar});
        EXPECT_EQ(Huella(p), antes);
    }
}

TEST(LeeArchivo, ErroresConAceptarYConCancelar)
{
    // Cada archivo: Di bien, la entrada errónea, Es bien (o nada, si falta el
    // valor). El mensaje nombra la primera línea de la entrada errónea.
    const Textos entradas[] = {
        {"Linea desconocida"}, {""}, {"OBRA:" + K(1).substr(5)},  // clave en otra caja
        {K(8).substr(0, K(8).size() - 1)}, {K(8) + "_"}, {K(8) + " "}, {" " + K(8)},
        {K(5), "TUNEL"}, {K(8), "1,5"}, {K(8), "1.5 "}, {K(8), ""}, {K(8), "0x10"},
        {K(37), "dos"}, {K(37), "   1.5"}, {K(37), "   128"},  // Tipo queda a 0
        {K(51), "   256"}, {K(51), "   -1"},
        {K(16)}};  // falta el valor al final
    for (const Textos& entrada : entradas) {
        for (const bool aceptar : {true, false}) {
            SCOPED_TRACE("[" + entrada.back() + (aceptar ? "] Aceptar" : "] Cancelar"));
            const bool alFinal = entrada == Textos{K(16)};
            Textos lineas = {K(15), "   1.2"};
            lineas.insert(lineas.end(), entrada.begin(), entrada.end());
            if (!alFinal)
                lineas.insert(lineas.end(), {K(16), "   0.15"});
            Proyecto p = Previo();
            Avisos avisos;
            avisos.respuestas = {aceptar};
            Proyecto esperado = p;
            EXPECT_EQ(LeeTexto(p, ConTitulo(lineas), avisos, &esperado.FileName),
                      aceptar ? ResultadoLectura::Leido : ResultadoLectura::Cancelado);
            EXPECT_EQ(avisos.textos, Textos{"Error en " + entrada[0]});
            EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::AceptarCancelar});
            // Lo leído antes del error se queda; con Cancelar, nada más.
            esperado.Di = 1.2;
            if (entrada[0] == K(37))
                esperado.Tipo = 0;
            if (aceptar && !alFinal)
                esperado.Es = 0.15;
            if (aceptar)
                esperado.Modificado = 0;
            else
                esperado.FileName = "anterior.txt";
            EXPECT_EQ(Huella(p), Huella(esperado));
        }
    }
}
