#pragma once
// El registro del proyecto: todo el caso en un solo lugar (datos, elecciones,
// resultados del último cálculo e interruptores de avisos). Existe uno solo en
// el programa; las operaciones del cálculo lo reciben por referencia.

#include <cstdint>
#include <string>
#include <vector>

struct Proyecto {
    // Geometría del tubo y de la instalación (m)
    double b = 0;          // anchura de la zanja en el plano de clave
    double De = 0;         // diámetro exterior (Di + 2·Es)
    double Di = 0;         // diámetro interior
    double Es = 0;         // espesor de pared
    double c = 0;          // espesor de la cama de apoyo (solo se guarda)
    double hr = 0;         // altura de relleno sobre el plano de clave
    double hr1 = 0;        // h'r: altura de la clave sobre la base del terraplén
    double h2r = 0;        // h''r: altura de la base del terraplén sobre la clave
    double b2 = 0;         // anchura de la zanja inducida
    double hr2 = 0;        // profundidad de la zanja inducida
    double TaludH = 0;     // componente horizontal del talud
    double TaludV = 0;     // componente vertical del talud
    double Resguardo = 0;  // resguardo lateral en la base de la zanja
    double ResguardoMinimo = 0;

    // Relleno
    double fi = 0;                   // rozamiento interno (grados), relleno de usuario
    double fi1 = 0;                  // rozamiento contra los paramentos (grados)
    double gamma = 0;                // peso específico (kN/m³)
    double lambda = 0;               // coeficiente de Rankine
    double lambdami = 0;             // λ·μ
    double lambdami1 = 0;            // λ·μ′ contra los paramentos de la zanja
    double mi = 0, mi1 = 0, pi = 0;  // solo los lleva el archivo

    // Sobrecargas
    double qp = 0;  // carga puntual (t)
    double D = 0;   // distancia horizontal a la carga puntual (m)
    double qs = 0;  // carga repartida en superficie (t/m²)
    double pq = 0;  // carga del compactador por m de rodillo (t/m)
    double dh = 0;  // distancia a la primera vía (m)
    double V = 0;   // velocidad del tren (km/h)
    std::uint8_t NVias = 0;

    // Hormigón y apoyo
    double fck = 0;
    double Fa = 0;            // factor de apoyo
    double lambdaFa = 0;      // λ de la fórmula de Fa en terraplén
    double lambdaFaEdit = 0;  // último λ tecleado en el diálogo de clases
    double n = 0;             // factor n del terraplén

    // Resultados del último cálculo (kN/m salvo indicación)
    double qr = 0, qm = 0, fp = 0, fs = 0, fc = 0, qTotal = 0;
    double CargaCalculo = 0;  // kN/m²
    double Cz = 0, Ct = 0, Czt = 0, Ci = 0;
    double ho = 0;  // plano de igual asiento sobre la clave (m)
    double c1 = 0;  // razón de asiento de la base
    double r = 0;   // carga de tráfico mostrada por la ventana
    double qc = 0;  // carga de compactación mostrada por la ventana
    std::uint8_t NViasActuantes = 0;
    double C = 0;  // clase resistente (solo archivo y ventanas)

    // Elecciones (índices de las listas de la ventana principal)
    std::uint8_t InstalacionIndex = 0;
    std::uint8_t RellenoIndex = 0;
    std::uint8_t BaseIndex = 0;
    std::uint8_t TraficoIndex = 0;
    std::uint8_t CarreteraIndex = 0;
    std::uint8_t AeropuertoIndex = 0;
    std::uint8_t ViaIndex = 0;
    std::uint8_t SentidoViaIndex = 0;
    std::uint8_t CompactadorIndex = 0;
    std::uint8_t ApoyoDirecto = 0;
    std::int8_t Tipo = 0;          // código de apoyo o de clase de terraplén
    std::uint8_t ModoCalculo = 0;  // 0 carga, 1 UNE, 2 ASTM

    // Textos (UTF-8)
    std::string FileName;
    std::string ValorA, ValorB, ValorC, ValorC2;
    std::string ClaseTexto;
    std::vector<std::string> MObra, MSeccion, MCliente;  // datos de la obra, por líneas

    // Interruptores
    std::uint8_t Modificado = 0;
    std::uint8_t TaludDefinido = 0;
    std::uint8_t AvisoCalculo = 0;
    std::uint8_t AvisoEspesor = 0;
    std::uint8_t AvisoAnchura = 0;
    std::uint8_t ZanjaComoTerraplen = 0;
};

// Valores de instalación: índices de InstalacionIndex.
enum Instalacion : std::uint8_t {
    InstalacionZanja = 0,
    InstalacionTerraplen = 1,
    InstalacionZanjaTerraplenada = 2,
    InstalacionZanjaInducida = 3,
};

// Zanja o zanja terraplenada: el tubo va entre paredes de zanja (camas de zanja,
// hoja de zanjas).
inline bool GrupoZanja(const Proyecto& p)
{
    return p.InstalacionIndex == InstalacionZanja ||
           p.InstalacionIndex == InstalacionZanjaTerraplenada;
}
// Terraplén o zanja inducida: clases de apoyo de terraplén y su hoja.
inline bool GrupoTerraplen(const Proyecto& p)
{
    return p.InstalacionIndex == InstalacionTerraplen ||
           p.InstalacionIndex == InstalacionZanjaInducida;
}

// Índice del relleno definido por el usuario.
constexpr std::uint8_t RellenoUsuario = 5;

// Devuelve el registro a los valores por omisión de un proyecto nuevo, sin
// resultados; fck, c, Tipo y ModoCalculo se conservan.
void InicializaDatos(Proyecto& p);

// Borra los resultados del último cálculo: cargas, coeficientes, clase y leyenda de cotas.
void BorraResultados(Proyecto& p);
