// Lectura del archivo de proyecto: ida y vuelta, tolerancias y mensajes.

#include <gtest/gtest.h>

#include <functional>

#include "ayudas_archivo.h"

namespace {

using Textos = std::vector<std::string>;

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
    for (const ClaveNumero& entrada : ClavesNumericas())  // tres decimales en el archivo
        EXPECT_EQ(TextoNumero(p.*entrada.campo), TextoNumero(escrito.*entrada.campo))
            << "clave " << entrada.clave;
    EXPECT_DOUBLE_EQ(p.n, 0.123);
    for (const ClaveLista& lista : ClavesDeLista())
        EXPECT_EQ(p.*lista.campo, escrito.*lista.campo) << "clave " << lista.clave;
    EXPECT_EQ(p.Tipo, -1);
    EXPECT_EQ(p.NVias, 2);
    EXPECT_EQ(p.MObra, escrito.MObra);
    EXPECT_EQ(p.MSeccion, escrito.MSeccion);
    EXPECT_EQ(p.MCliente, escrito.MCliente);
    EXPECT_EQ(Textos({p.ValorA, p.ValorB, p.ValorC, p.ValorC2}),
              Textos({"a= 0.15 m", "b= 1.2 m", "", "c´= 0.3 m"}));
    EXPECT_EQ(p.TaludDefinido, 1);
    EXPECT_DOUBLE_EQ(p.lambdaFaEdit, 0.4);  // el diálogo de clases parte del λ guardado
    EXPECT_EQ(p.FileName, nombre);
    EXPECT_EQ(p.Modificado, 0);
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

TEST(LeeArchivo, CadaClaveNumericaLlenaSoloSuCampo)
{
    const auto& tabla = ClavesNumericas();
    for (const ClaveNumero& entrada : tabla) {
        SCOPED_TRACE("clave " + std::to_string(entrada.clave));
        Proyecto p = Previo();
        for (std::size_t i = 0; i < tabla.size(); ++i)
            p.*tabla[i].campo = 101 + static_cast<double>(i);
        const Proyecto antes = p;
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, ConTitulo({K(entrada.clave), "   7.125"}), avisos),
                  ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, Textos{});
        for (const ClaveNumero& otra : tabla)
            EXPECT_EQ(p.*otra.campo, otra.clave == entrada.clave ? 7.125 : antes.*otra.campo)
                << "campo de la clave " << otra.clave;
        EXPECT_EQ(p.TaludDefinido, entrada.clave >= 44 && entrada.clave <= 46);
        EXPECT_EQ(p.lambdaFaEdit, entrada.clave == 57 ? 7.125 : antes.lambdaFaEdit);
    }
}

TEST(LeeArchivo, ListasIdaYVuelta)
{
    for (const ClaveLista& lista : ClavesDeLista()) {
        for (std::size_t i = 0; i < lista.textos.size(); ++i) {
            SCOPED_TRACE(lista.textos[i]);
            Proyecto p = RegistroCompleto();
            p.*lista.campo = static_cast<std::uint8_t>(i);
            EXPECT_EQ(ValorDe(TextoArchivo(p), lista.clave), lista.textos[i]);
            p.*lista.campo = 9;
            Avisos avisos;
            ASSERT_EQ(LeeTexto(p, ConTitulo({K(lista.clave), lista.textos[i]}), avisos),
                      ResultadoLectura::Leido);
            EXPECT_EQ(p.*lista.campo, i);
        }
    }
}

TEST(LeeArchivo, TextosDeListaEnOtraCajaYTextosAntiguos)
{
    struct Caso {
        int clave;
        std::string texto;
        std::uint8_t Proyecto::*campo;
        int indice;  // -1: no se reconoce
    };
    using P = Proyecto;
    const std::vector<Caso> casos = {
        {5, "zanja inducida", &P::InstalacionIndex, 3},
        {52, "ESTÁTICO", &P::CompactadorIndex, 1},
        {6, "arcilla plástica", &P::RellenoIndex, 0},
        {49, "VIA UIC 71", &P::ViaIndex, 2},
        {58, "transversal", &P::SentidoViaIndex, 1},
        {4, "Roca o suelo rígido (no asentable)", &P::BaseIndex, 0},
        {4, "Suelo compacto (ordinario)", &P::BaseIndex, 1},
        {4, "Suelo natural (asentable)", &P::BaseIndex, 2},
        {4, "suelo compacto (ordinario)", &P::BaseIndex, -1},  // los antiguos, exactos
        {6, "Suelo compacto (ordinario)", &P::RellenoIndex, -1},  // solo valen para la base
        {52, "Estatico", &P::CompactadorIndex, -1},
        {5, "ZANJA ", &P::InstalacionIndex, -1},
    };
    for (const Caso& caso : casos) {
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

TEST(LeeArchivo, BloquesDeTexto)
{
    struct Caso {
        std::string descripcion;
        Textos lineas, obra, cliente;
        double di;
    };
    const std::string obraMayusculas = "OBRA:" + K(1).substr(5);
    const std::vector<Caso> casos = {
        {"una clave termina el bloque",
         {K(1), "uno", "", "dos", K(15), "   1.2", K(3), "cliente"},
         {"uno", "", "dos"}, {"cliente"}, 1.2},
        {"el final del archivo termina el bloque",
         {K(3), "cliente", "", K(1), "uno", ""}, {"uno", ""}, {"cliente", ""}, 0.5},
        {"un bloque vacío borra el texto anterior", {K(1), K(15), "   2"}, {}, {}, 2},
        {"una línea igual a una clave es esa clave",
         {K(1), "texto", K(3), K(15), "   3"}, {"texto"}, {}, 3},
        {"una clave en otra caja es texto", {K(1), obraMayusculas}, {obraMayusculas}, {}, 0.5},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descripcion);
        Proyecto p = Previo();
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, ConTitulo(caso.lineas), avisos), ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, Textos{});
        EXPECT_EQ(p.MObra, caso.obra);
        EXPECT_EQ(p.MCliente, caso.cliente);
        EXPECT_EQ(p.Di, caso.di);
    }
}

TEST(LeeArchivo, NumerosAceptadosYRechazados)
{
    struct Caso {
        std::string valor;
        bool valido;
        double leido;
    };
    const std::vector<Caso> casos = {
        {"   1.5", true, 1.5}, {" +1.5E2", true, 150}, {"-0.25", true, -0.25},
        {"2e-3", true, 0.002}, {"1,5", false, 0},      {"1.5 ", false, 0},
        {"", false, 0},        {"abc", false, 0},      {"1e999", false, 0},
        {"-nan", false, 0},    {"inf", false, 0},      {"0x10", false, 0},
        {"1.5\t", false, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE("[" + caso.valor + "]");
        Proyecto p = Previo();
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, ConTitulo({K(15), caso.valor, K(16), "   0.2"}), avisos),
                  ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, caso.valido ? Textos{} : Textos{"Error en " + K(15)});
        EXPECT_DOUBLE_EQ(p.Di, caso.valido ? caso.leido : 0.5);  // si no, el valor anterior
        EXPECT_EQ(p.Es, 0.2);  // Aceptar sigue con la entrada siguiente
    }
}

TEST(LeeArchivo, SoloElTituloCambiaNombreYModificado)
{
    for (const std::string& bytes : {ConTitulo({}), A1252(K(33))}) {
        Proyecto p = Previo();
        Proyecto esperado = p;
        Avisos avisos;
        ASSERT_EQ(LeeTexto(p, bytes, avisos, &esperado.FileName), ResultadoLectura::Leido);
        EXPECT_EQ(avisos.textos, Textos{});
        esperado.Modificado = 0;
        EXPECT_EQ(Huella(p), Huella(esperado));
    }
}

TEST(LeeArchivo, NoSeAbreOFormatoIncorrectoNoCambiaNada)
{
    struct Caso {
        std::string descripcion;
        std::function<std::string(const CarpetaTemporal&)> nombre;
        ResultadoLectura resultado;
    };
    const auto Incorrecto = ResultadoLectura::FormatoIncorrecto;
    const auto conBytes = [](std::string bytes) {
        return [bytes](const CarpetaTemporal& c) { return c.Escribe("a.txt", bytes); };
    };
    const std::vector<Caso> casos = {
        {"no existe", [](const CarpetaTemporal& c) { return (c.ruta / "no.txt").string(); },
         ResultadoLectura::NoSeAbre},
        {"es una carpeta", [](const CarpetaTemporal& c) { return c.ruta.string(); },
         ResultadoLectura::NoSeAbre},
        {"vacío", conBytes(""), Incorrecto},
        {"otra primera línea", conBytes(Archivo({K(15), "   1.2"})), Incorrecto},
        {"título sin punto", conBytes(Archivo({K(33).substr(0, 62)})), Incorrecto},
        {"título en UTF-8", conBytes(K(33) + "\r\n"), Incorrecto},
        {"línea en blanco delante", conBytes("\r\n" + ConTitulo({})), Incorrecto},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descripcion);
        CarpetaTemporal carpeta;
        Proyecto p = Previo();
        const std::string antes = Huella(p);
        Avisos avisos;
        EXPECT_EQ(LeeArchivo(p, caso.nombre(carpeta), avisos.Funcion()), caso.resultado);
        EXPECT_EQ(avisos.textos, Textos{caso.resultado == ResultadoLectura::NoSeAbre
                                            ? "Error abriendo archivo"
                                            : "Formato incorrecto"});
        EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::Cancelar});
        EXPECT_EQ(Huella(p), antes);
    }
}

TEST(LeeArchivo, ErroresConAceptarYConCancelar)
{
    // Cada archivo: Di bien, la entrada errónea, Es bien (o nada, si falta el valor).
    struct Caso {
        std::string descripcion;
        Textos entrada;
        std::string mensaje;
        std::function<void(const Proyecto&)> comprueba;  // el campo de la entrada errónea
    };
    const auto nada = [](const Proyecto&) {};
    const std::string obraMayusculas = "OBRA:" + K(1).substr(5);
    const std::string bCorta = K(8).substr(0, K(8).size() - 1);
    const std::vector<Caso> casos = {
        {"clave desconocida", {"Linea desconocida"}, "Error en Linea desconocida", nada},
        {"línea vacía", {""}, "Error en ", nada},
        {"clave en otra caja", {obraMayusculas}, "Error en " + obraMayusculas, nada},
        {"un subrayado menos", {bCorta}, "Error en " + bCorta,
         [](const Proyecto& p) { EXPECT_EQ(p.b, 0.9); }},
        {"texto de lista que no está", {K(5), "TUNEL"}, "Error en " + K(5),
         [](const Proyecto& p) { EXPECT_EQ(p.InstalacionIndex, 0); }},
        {"número mal escrito", {K(8), "1,5"}, "Error en " + K(8),
         [](const Proyecto& p) { EXPECT_EQ(p.b, 0.9); }},
        {"Tipo que no es número", {K(37), "dos"}, "Error en " + K(37),
         [](const Proyecto& p) { EXPECT_EQ(p.Tipo, 0); }},
        {"Tipo con decimales", {K(37), "   1.5"}, "Error en " + K(37),
         [](const Proyecto& p) { EXPECT_EQ(p.Tipo, 0); }},
        {"NVias mayor que 255", {K(51), "   256"}, "Error en " + K(51),
         [](const Proyecto& p) { EXPECT_EQ(p.NVias, 1); }},
        {"NVias negativo", {K(51), "   -1"}, "Error en " + K(51),
         [](const Proyecto& p) { EXPECT_EQ(p.NVias, 1); }},
        {"falta el valor al final", {K(16)}, "Error en " + K(16), nada},
    };
    for (const Caso& caso : casos) {
        for (const bool aceptar : {true, false}) {
            SCOPED_TRACE(caso.descripcion + (aceptar ? " (Aceptar)" : " (Cancelar)"));
            Textos lineas = {K(15), "   1.2"};
            lineas.insert(lineas.end(), caso.entrada.begin(), caso.entrada.end());
            const bool alFinal = caso.entrada == Textos{K(16)};
            if (!alFinal)
                lineas.insert(lineas.end(), {K(16), "   0.15"});
            Proyecto p = Previo();
            Avisos avisos;
            avisos.respuestas = {aceptar};
            std::string nombre;
            EXPECT_EQ(LeeTexto(p, ConTitulo(lineas), avisos, &nombre),
                      aceptar ? ResultadoLectura::Leido : ResultadoLectura::Cancelado);
            EXPECT_EQ(avisos.textos, Textos{caso.mensaje});
            EXPECT_EQ(avisos.botones, std::vector{BotonesLectura::AceptarCancelar});
            EXPECT_EQ(p.Di, 1.2);  // lo leído antes del error se queda
            caso.comprueba(p);
            EXPECT_EQ(p.Es, aceptar && !alFinal ? 0.15 : 0.05);
            EXPECT_EQ(p.FileName, aceptar ? nombre : "anterior.txt");
            EXPECT_EQ(p.Modificado, aceptar ? 0 : 1);
        }
    }
}

TEST(LeeArchivo, ClavesEnCualquierOrdenYLaUltimaGana)
{
    // La compactación se lee y se descarta.
    const std::string bytes =
        ConTitulo({K(58), "Longitudinal", K(15), "   1", K(43), "   lo que sea", K(5),
                   "ZANJA INDUCIDA", K(15), "   2", K(1), "a", K(1), "b"});
    Proyecto p = Previo();
    Avisos avisos;
    ASSERT_EQ(LeeTexto(p, bytes, avisos), ResultadoLectura::Leido);
    EXPECT_EQ(avisos.textos, Textos{});
    EXPECT_EQ(p.Di, 2);
    EXPECT_EQ(p.SentidoViaIndex, 0);
    EXPECT_EQ(p.InstalacionIndex, InstalacionZanjaInducida);
    EXPECT_EQ(p.MObra, Textos{"b"});
}
