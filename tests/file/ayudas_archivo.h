#pragma once
// Piezas comunes de las pruebas del archivo de proyecto.

#include <filesystem>
#include <fstream>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "archivo.h"
#include "claves.h"
#include "numero.h"
#include "proyecto.h"
#include "texto1252.h"

namespace fs = std::filesystem;

// Carpeta propia de cada prueba bajo la carpeta temporal; se borra al salir.
struct CarpetaTemporal {
    CarpetaTemporal()
    {
        static int cuenta = 0;
        ruta = fs::temp_directory_path() /
               ("pruebas_archivo_" + std::to_string(::getpid()) + "_" + std::to_string(++cuenta));
        fs::create_directories(ruta);
    }
    ~CarpetaTemporal() { fs::remove_all(ruta, error); }

    // Crea el archivo con esos bytes y devuelve su nombre completo.
    std::string Escribe(const std::string& nombre, const std::string& bytes) const
    {
        std::ofstream(ruta / nombre, std::ios::binary) << bytes;
        return (ruta / nombre).string();
    }
    // Lo que hay en la carpeta, para ver que no queda ningún temporal.
    std::set<std::string> Contenido() const
    {
        std::set<std::string> nombres;
        for (const auto& entrada : fs::directory_iterator(ruta))
            nombres.insert(entrada.path().filename().string());
        return nombres;
    }

    fs::path ruta;
    std::error_code error;
};

inline std::string LeeBytes(const fs::path& archivo)
{
    std::ifstream entrada(archivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

// Línea clave k en UTF-8.
inline std::string K(int k) { return std::string(Claves[k - 1]); }

// Bytes de un archivo: las líneas (UTF-8) en Windows-1252 con CR LF.
inline std::string Archivo(const std::vector<std::string>& lineas)
{
    std::string bytes;
    for (const std::string& linea : lineas)
        bytes += A1252(linea) + "\r\n";
    return bytes;
}

// Lo mismo con la línea de título delante.
inline std::string ConTitulo(std::vector<std::string> lineas)
{
    lineas.insert(lineas.begin(), K(ClaveTitulo));
    return Archivo(lineas);
}

// Anota cada mensaje del lector y responde por orden; sin respuesta, Aceptar,
// salvo tras cien mil mensajes: un lector que se repite acaba en vez de colgarse.
struct Avisos {
    std::vector<std::string> textos;
    std::vector<BotonesLectura> botones;
    std::vector<bool> respuestas;

    AvisoLectura Funcion()
    {
        return [this](const std::string& texto, BotonesLectura b) {
            textos.push_back(texto);
            botones.push_back(b);
            if (textos.size() <= respuestas.size())
                return bool(respuestas[textos.size() - 1]);
            return textos.size() < 100000;
        };
    }
};

// Todo lo que el archivo lleva y lo que la lectura toca, en un texto comparable.
inline std::string Huella(const Proyecto& p)
{
    return TextoArchivo(p) + "|" + p.FileName + "|" + std::to_string(p.Modificado) + "|" +
           std::to_string(p.TaludDefinido) + "|" + TextoNumero(p.lambdaFaEdit);
}

// Un caso con todos los campos del archivo distintos de los de un proyecto nuevo.
inline Proyecto RegistroCompleto()
{
    Proyecto p;
    InicializaDatos(p);
    p.MObra = {"Colector Norte", "", "Tramo 2"};
    p.MCliente = {"Ayuntamiento de Peñíscola"};
    p.BaseIndex = 0, p.InstalacionIndex = InstalacionTerraplen, p.RellenoIndex = 5;
    p.CarreteraIndex = 2, p.TraficoIndex = 1, p.AeropuertoIndex = 3, p.ViaIndex = 2;
    p.CompactadorIndex = 1, p.SentidoViaIndex = 0, p.Tipo = -1, p.NVias = 2, p.n = 0.12345;
    p.b = 2.0, p.C = 90, p.Ct = 1.5, p.Cz = 0.85, p.Czt = 0.95, p.c = 0.1, p.De = 1.4;
    p.Di = 1.2, p.Es = 0.11, p.Fa = 1.9, p.fck = 40, p.fi = 30, p.fi1 = -2.25, p.gamma = 20;
    p.ho = 0.0004, p.hr = 3.5, p.hr1 = 1.25, p.h2r = 0.75, p.lambda = 0.333333, p.mi = 0.5;
    p.mi1 = 0.45, p.pi = 0.7, p.qm = 12.3456, p.qp = 5, p.D = 1.55, p.qr = 100.25, p.qs = 1;
    p.qTotal = 1234.5678, p.dh = 3.45, p.pq = 2.5, p.b2 = 1.1, p.hr2 = 0.6, p.V = 120;
    p.lambdaFa = 0.4, p.TaludDefinido = 1, p.TaludH = 1, p.TaludV = 4, p.Resguardo = 0.25;
    p.ValorA = "a= 0.15 m", p.ValorB = "b= 1.2 m", p.ValorC = "", p.ValorC2 = "c´= 0.3 m";
    return p;
}

// Campo numérico que lleva cada clave de número.
struct ClaveNumero {
    int clave;
    double Proyecto::*campo;
};

inline const std::vector<ClaveNumero>& ClavesNumericas()
{
    using P = Proyecto;
    static const std::vector<ClaveNumero> tabla = {
        {8, &P::b},       {9, &P::C},      {10, &P::Ct},    {11, &P::Cz},      {12, &P::Czt},
        {13, &P::c},      {14, &P::De},    {15, &P::Di},    {16, &P::Es},      {17, &P::Fa},
        {18, &P::fck},    {19, &P::fi},    {20, &P::gamma}, {21, &P::ho},      {22, &P::hr},
        {23, &P::hr1},    {24, &P::h2r},   {25, &P::lambda}, {26, &P::mi},     {27, &P::mi1},
        {28, &P::pi},     {29, &P::qm},    {30, &P::qr},    {31, &P::qs},      {32, &P::qTotal},
        {34, &P::fi1},    {35, &P::D},     {36, &P::qp},    {38, &P::n},       {44, &P::TaludH},
        {45, &P::TaludV}, {46, &P::Resguardo}, {50, &P::dh}, {53, &P::pq},     {54, &P::b2},
        {55, &P::hr2},    {56, &P::V},     {57, &P::lambdaFa}};
    return tabla;
}

// Textos de cada lista, por índice, y el campo que guarda la elección.
struct ClaveLista {
    int clave;
    std::uint8_t Proyecto::*campo;
    std::vector<std::string> textos;
};

inline const std::vector<ClaveLista>& ClavesDeLista()
{
    using P = Proyecto;
    static const std::vector<ClaveLista> tabla = {
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
        {58, &P::SentidoViaIndex, {"Longitudinal", "Transversal"}},
    };
    return tabla;
}

// Líneas (UTF-8) de un archivo en bytes 1252 con CR LF.
inline std::vector<std::string> Lineas(const std::string& bytes)
{
    std::vector<std::string> lineas;
    std::size_t desde = 0;
    for (std::size_t fin; (fin = bytes.find("\r\n", desde)) != std::string::npos; desde = fin + 2)
        lineas.push_back(De1252(bytes.substr(desde, fin - desde)));
    return lineas;
}

// Línea que sigue a la clave k en el archivo, o "(falta)" si la clave no está.
inline std::string ValorDe(const std::string& bytes, int k)
{
    const std::vector<std::string> lineas = Lineas(bytes);
    for (std::size_t i = 0; i + 1 < lineas.size(); ++i)
        if (lineas[i] == K(k))
            return lineas[i + 1];
    return "(falta)";
}

// Lee sobre p un archivo con esos bytes; nombre recibe el nombre que tuvo.
inline ResultadoLectura LeeTexto(Proyecto& p, const std::string& bytes, Avisos& avisos,
                                 std::string* nombre = nullptr)
{
    CarpetaTemporal carpeta;
    const std::string archivo = carpeta.Escribe("proyecto.txt", bytes);
    if (nombre)
        *nombre = archivo;
    return LeeArchivo(p, archivo, avisos.Funcion());
}
