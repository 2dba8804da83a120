// Lectura del archivo de proyecto: ida y vuelta, tolerancias y mensajes.

#include <gtest/gtest.h>

#include <algorithm>

#include "ayudas_archivo.h"

// Proyecto abierto antes, con cambios sin guardar, sobre el que se lee.
static Proyecto Previo()
{
    Proyecto p;
    InicializaDatos(p);
    p.Di = 0.5, p.Es = 0.05, p.b = 0.9, p.Tipo = 4, p.NVias = 1;
    p.MObra = {"obra anterior"};
    p.FileName = "anterior.txt";
    p.Modificado = 1;
    return p;
}

// Lee esos bytes sobre p; sin mensajes.
static Proyecto LeeSinAvisos(const std::string& bytes, Proyecto p = Previo())
{
    const Lectura l = LeeTexto(p, bytes);
    EXPECT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_EQ(l.avisos.textos, Textos{});
    return p;
}

// Cada campo del archivo en el suyo, con tres decimales; también el λ del diálogo de clases.
// (Guardarlo sobre un archivo más largo, sin restos ni temporales: GuardaArchivo.)
TEST(LeeArchivo, IdaYVueltaDeUnCasoCompleto)
{
    Proyecto escrito = RegistroCompleto();
    escrito.MSeccion = {"", "Sección tipo 1: zanja 1:5", "", "Cama a 180º, 2 m² y 3 m³, 5 €"};
    escrito.MCliente = {"Cliente", ""};
    Proyecto p = Previo();
    const Lectura l = LeeTexto(p, TextoArchivo(escrito));
    ASSERT_EQ(l.resultado, ResultadoLectura::Leido);
    EXPECT_EQ(l.avisos.textos, Textos{});
    escrito.lambdaFaEdit = escrito.lambdaFa, escrito.FileName = l.nombre;
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
        for (const char quita : {'\0', '\r', '\n'}) {  // con otros finales de línea, lo mismo
            std::string variante = bytes;
            variante.erase(std::remove(variante.begin(), variante.end(), quita), variante.end());
            Proyecto p;
            InicializaDatos(p);
            EXPECT_EQ(TextoArchivo(LeeSinAvisos(variante, p)), bytes) << int(quita);
        }
    }
    EXPECT_GT(ejemplos, 0);
}

TEST(LeeArchivo, ListasEnCualquierCajaYTextosAntiguosDeLaBase)
{
    using P = Proyecto;
    // Índice -1: el texto no se reconoce.
    const struct {
        int clave;
        std::uint8_t P::*campo;
        std::string texto;
        int indice;
    } casos[] = {{5, &P::InstalacionIndex, "zanja inducida", 3},
                 {52, &P::CompactadorIndex, "ESTÁTICO", 1},
                 {4, &P::BaseIndex, "Roca o suelo rígido (no asentable)", 0},
                 {4, &P::BaseIndex, "Suelo compacto (ordinario)", 1},
                 {4, &P::BaseIndex, "Suelo natural (asentable)", 2},
                 {4, &P::BaseIndex, "suelo compacto (ordinario)", -1},     // los antiguos, exactos
                 {6, &P::RellenoIndex, "Suelo compacto (ordinario)", -1},  // y solo para la base
                 {52, &P::CompactadorIndex, "Estatico", -1},               // el acento cuenta
                 {5, &P::InstalacionIndex, "ZANJA ", -1}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        Proyecto p = Previo();
        p.*caso.campo = 9;
        const Lectura l = LeeTexto(p, ConTitulo({K(caso.clave), caso.texto}));
        EXPECT_EQ(l.resultado, ResultadoLectura::Leido);
        EXPECT_EQ(l.avisos.textos,
                  caso.indice < 0 ? Textos{"Error en " + K(caso.clave)} : Textos{});
        EXPECT_EQ(p.*caso.campo, caso.indice < 0 ? 9 : caso.indice);
    }
}

TEST(LeeArchivo, BloquesDeTextoNumerosYOrdenDeLasClaves)
{
    const std::string obraMayusculas = "OBRA:" + K(1).substr(5);
    const Textos anterior = {"obra anterior"};
    // Una clave o el final terminan el bloque; un bloque vacío borra el texto
    // anterior; una línea igual a una clave es esa clave, pero en otra caja es texto.
    // Solo las claves del talud lo dan por definido.
    const struct {
        Textos lineas, obra, cliente;
        double di;
        bool talud = false;
    } casos[] = {
        {{K(1), "uno", "", "dos", K(15), "   1.2", K(3), "cliente"},
         {"uno", "", "dos"},
         {"cliente"},
         1.2},
        {{K(3), "cliente", "", K(1), "uno", ""}, {"uno", ""}, {"cliente", ""}, 0.5},
        {{K(1), K(15), "   2"}, {}, {}, 2},
        {{K(1), obraMayusculas}, {obraMayusculas}, {}, 0.5},
        // En cualquier orden, la última gana; la compactación (también con su
        // clave antigua, que no sale en los ejemplos) se lee y se descarta.
        {{K(15), "   1", K(43), "   lo que sea", K(1), "a", K(15), "   2", K(1), "b",
          "qc       Carga de compactación, el toneladas/metro lineal_____________________", "   3"},
         {"b"},
         {},
         2},
        {{K(15), " +1.5E0", K(44), "   2"}, anterior, {}, 1.5, true},  // signo y exponente
        {{K(46), "   2"}, anterior, {}, 0.5, true}};
    for (const auto& caso : casos) {
        const Proyecto p = LeeSinAvisos(ConTitulo(caso.lineas));
        EXPECT_EQ(p.MObra, caso.obra);
        EXPECT_EQ(p.MCliente, caso.cliente);
        EXPECT_EQ(p.Di, caso.di);
        EXPECT_EQ(p.TaludDefinido, caso.talud);
    }
}

TEST(LeeArchivo, NoSeAbreOFormatoIncorrectoNoCambiaNada)
{
    // Sin nombre, el archivo lleva esos bytes.
    using R = ResultadoLectura;
    const std::string grande =
        "El archivo es demasiado grande para ser un archivo de datos (más de 1 MB).";
    const struct {
        const char* nombre;
        std::string bytes;
        R resultado;
        std::string mensaje;
    } casos[] = {
        {"no.txt", "", R::NoSeAbre, "Error abriendo archivo"},  // no existe
        {".", "", R::NoSeAbre, "Error abriendo archivo"},       // es una carpeta
        {nullptr, "", R::FormatoIncorrecto, "Formato incorrecto"},
        {nullptr, Archivo({K(33).substr(0, 62)}), R::FormatoIncorrecto, "Formato incorrecto"},
        {nullptr, K(33) + "\r\n", R::FormatoIncorrecto, "Formato incorrecto"},  // en UTF-8
        {nullptr, "\r\n" + ConTitulo({}), R::FormatoIncorrecto, "Formato incorrecto"},
        // Mayor que un mega: ni se lee. El medio que falla al leer (el propio
        // /proc/self/mem de Linux, que dice medir 0 bytes) no aborta.
        {nullptr, ConTitulo({}) + std::string(TamanoMaximoArchivo, '\n'), R::Grande, grande},
#ifndef _WIN32
        {"/proc/self/mem", "", R::ErrorLectura, "Error en lectura del archivo"},
#endif
    };
    for (const auto& caso : casos) {
        CarpetaTemporal carpeta;
        const std::string nombre = caso.nombre ? (carpeta.ruta / caso.nombre).string()
                                               : carpeta.Escribe("a.txt", caso.bytes);
        SCOPED_TRACE(caso.mensaje);
        Proyecto p = Previo();
        const std::string antes = Huella(p);
        Avisos avisos;
        EXPECT_EQ(LeeArchivo(p, nombre, avisos.Funcion()), caso.resultado);
        EXPECT_EQ(avisos.textos, Textos{caso.mensaje});
        EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::Cancelar});
        EXPECT_EQ(Huella(p), antes);
    }
}

TEST(LeeArchivo, ErroresConAceptarYConCancelar)
{
    // Cada archivo: Di bien, la entrada errónea, Es bien (o nada, si falta el
    // valor). El mensaje nombra la primera línea de la entrada errónea.
    // Los negativos que la ventana nunca guarda, en CampoSinSigno; fuera de rango o sin ser un
    // número, en LeeNumero. En la clave 37 el Tipo queda a 0.
    const Textos entradas[] = {{"Linea desconocida"},
                               {""},
                               {"OBRA:" + K(1).substr(5)},
                               {K(8).substr(0, K(8).size() - 1)},
                               {K(8) + "_"},
                               {K(8) + " "},
                               {" " + K(8)},
                               {K(5), "TUNEL"},
                               {K(8), "1,5"},
                               {K(8), ""},
                               {K(8), "0x10"},
                               {K(15), "1e999"},
                               {K(51), "nan"},
                               {K(37), "dos"},
                               {K(37), "   1.5"},
                               {K(37), "   128"},
                               {K(51), "   256"},
                               {K(51), "   -1"},
                               {K(22), "   -2"},
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
            Proyecto esperado = p;
            const Lectura l = LeeTexto(p, ConTitulo(lineas), {aceptar});
            EXPECT_EQ(l.resultado, aceptar ? ResultadoLectura::Leido : ResultadoLectura::Cancelado);
            EXPECT_EQ(l.avisos.textos, Textos{"Error en " + entrada[0]});
            EXPECT_EQ(l.avisos.botones, std::vector{BotonesLectura::AceptarCancelar});
            // Lo leído antes del error se queda; con Cancelar, nada más.
            esperado.Di = 1.2;
            if (entrada[0] == K(37))
                esperado.Tipo = 0;
            if (aceptar && !alFinal)
                esperado.Es = 0.15;
            if (aceptar)
                esperado.FileName = l.nombre, esperado.Modificado = 0;
            EXPECT_EQ(Huella(p), Huella(esperado));
        }
    }
}

TEST(LeeArchivo, TuboSinMedidasOConUnCeroImposible)
{
    // Sobre De = 0.6, Di = 0.5 y Es = 0.05. Las tres a 0 son un proyecto aún sin
    // tubo; un 0 en solo alguna es un error que se dice al final (el archivo las
    // trae en cualquier orden) y deja el valor que había antes de ese 0.
    const struct {
        Textos lineas, mensajes;
        double de, di, es;
        bool cancela = false;
    } casos[] = {
        {{K(14), "   0", K(15), "   0", K(16), "   0"}, {}, 0, 0, 0},
        {{K(16), "   0", K(15), "   0", K(14), "   0", K(14), "   -0"}, {}, 0, 0, 0},
        {{K(15), "   0", K(15), "   1"}, {}, 0.6, 1, 0.05},
        {{K(15), "   0", "basura", K(14), "   0"},
         {"Error en basura", "Error en " + K(14), "Error en " + K(15)},
         0.6,
         0.5,
         0.05},
        {{K(15), "   1", K(15), "   0", K(15), "   0"}, {"Error en " + K(15)}, 0.6, 1, 0.05},
        {{K(16), "   0", K(15), "   2"}, {"Error en " + K(16)}, 0.6, 2, 0.05, true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.lineas.size());
        Proyecto p = Previo();
        p.De = 0.6;
        std::vector<bool> respuestas(caso.mensajes.size(), true);
        if (caso.cancela)
            respuestas.back() = false;
        const Lectura l = LeeTexto(p, ConTitulo(caso.lineas), respuestas);
        EXPECT_EQ(l.resultado,
                  caso.cancela ? ResultadoLectura::Cancelado : ResultadoLectura::Leido);
        EXPECT_EQ(l.avisos.textos, caso.mensajes);
        EXPECT_EQ(p.De, caso.de);
        EXPECT_EQ(p.Di, caso.di);
        EXPECT_EQ(p.Es, caso.es);
    }
}
