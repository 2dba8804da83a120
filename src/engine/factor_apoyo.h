#pragma once
// Reglas del factor de apoyo que eligen los diálogos de camas (zanja) y de
// clases (terraplén) y que recalcula o recibe tecleado la ventana principal.

#include <cstdint>
#include <optional>
#include <string>

struct Proyecto;

// ---- Camas de la zanja y la zanja terraplenada (botones 1..11) ----

// Una cama: su botón, el Fa y el código Tipo que fija, las medidas que muestra
// y cómo la nombran la memoria y la hoja de zanjas.
struct CamaZanja {
    int boton;
    const char* titulo;  // rótulo del botón ("Fap=4.0")
    std::int8_t tipo;
    double fa;
    int divisor;    // altura de la cuna De/divisor; 0 si no tiene
    bool minimoHr;  // mínimo sobre la clave max(hr/8, 0.30) en vez de 0.30
    int angulo;     // ángulo de apoyo (grados): 180, 120 o 90
    const char* relleno;
    const char* base;  // vacía si la cama es del mismo material que el relleno
};

// Código Tipo del apoyo directo: sin cama bajo el tubo (c = 0).
constexpr int CodigoApoyoDirecto = 13;

// La cama del botón 1..11.
const CamaZanja& CamaDeBoton(int boton);
// La cama del código Tipo, o ninguna si el código no es una cama de zanja (3..13).
const CamaZanja* CamaDeCodigo(int tipo);

// Textos de las medidas de la cama del botón (m): altura de la cuna De/divisor
// (vacía sin cuna) y altura mínima sobre la clave, "0.30" cuando hr/8 no la pasa.
struct MedidasCama {
    std::string cuna;
    std::string minimo;
};
MedidasCama MedidasDeCama(int boton, double De, double hr);

// Lo mismo en la hoja de zanjas para la cama del código Tipo, con unidades:
// cuna De/divisor ("" sin cuna) y mínimo sobre la clave, fijo "0.30 m" o
// max(hr/8, 0.3), y max(hr/8, 0.15) en el apoyo directo.
MedidasCama MedidasDeCamaEnHoja(const CamaZanja& cama, double De, double hr);

// Lo que fija la cama elegida: Fa y Tipo, y las alturas hr y h''r (m) que sube
// a sus mínimos, con el texto de su casilla (vacío: la casilla no se toca).
struct EleccionCama {
    double fa = 0;
    std::string textoFa;
    std::int8_t tipo = 0;
    std::uint8_t apoyoDirecto = 0;
    double hr = 0;
    std::string textoHr;
    double h2r = 0;
    std::string textoH2r;
    std::string pregunta;  // Sí/No tras aplicarla (Apoyo Directo); vacía si no pregunta
};
EleccionCama EligeCama(const Proyecto& p, int boton);

// ---- Clases A..D del terraplén y la zanja inducida ----

// Espesor de la cama bajo el tubo "según norma" (m) por la base y Di (m): en
// base rígida el de roca; en suelo, 0.08 hasta Di 0.7 y el de suelo después.
double EspesorCamaTerraplen(std::uint8_t base, double Di);

// Rótulos de las medidas de las cuatro clases ("x m") para De, Di (m), la
// proyección n y el espesor de cama C (m), y qué clases se ofrecen con ese n.
struct MedidasClases {
    std::string a[4];  // De+0.2, n·De, 0.25·De, 0.25·Di
    std::string b[4];  // 1.25·De, n·De, 0.4·De, C
    std::string c[4];  // 1.25·De, n·De, 0.17·De, C
    std::string d;     // n·De
    bool claseB = false;
    bool claseC = false;
};
MedidasClases MedidasDeClases(double De, double Di, double n, double C);

// La proyección n (0..1) con que se abre el diálogo de clases: h'r/De, o la
// guardada si no hay tubo.
double ProyeccionInicial(const Proyecto& p);
// Si la casilla de n acepta el valor tecleado (de 0 a 1).
bool ProyeccionValida(double n);
// El n de las flechas (sentido +1 o -1, de 0.01 en 0.01), o ninguno en los extremos.
std::optional<double> GiraProyeccion(double n, int sentido);

// Si los datos permiten la fórmula de Fa del terraplén (De) o de la zanja
// inducida (De, hr2 y b2); en otras instalaciones no.
bool FactorTerraplenCalculable(const Proyecto& p);

// El mayor factor de apoyo: el de una clase de terraplén se queda en él y uno
// tecleado en una tabla de tramos no puede pasarlo.
constexpr double FaMaximo = 8;

// Fa de la clase 1..4 (A..D) tal como se guarda: como mucho FaMaximo, y 0 si
// la fórmula falla o no da un factor positivo. Deja en el registro los efectos
// de CalculaFa.
double FactorClaseTerraplen(Proyecto& p, std::uint8_t clase);

// Rótulo del Fa de la clase 1..4 con los datos del registro: "Fa = 8" por
// encima de 8, "Fa = --" si no se puede calcular.
std::string RotuloFaClase(const Proyecto& p, std::uint8_t clase);

// Lo que fija la clase 1..4 elegida con la proyección n: Tipo, su letra,
// h'r = n·De (m) como la muestra su casilla, y el λ y el espesor de cama C (m)
// con que el diálogo la ofreció.
struct EleccionClase {
    std::uint8_t clase = 0;
    std::int8_t tipo = 0;
    std::string letra;
    double hr1 = 0;
    std::string textoHr1;
    double lambdaFaEdit = 0;
    double C = 0;
};
EleccionClase EligeClaseTerraplen(std::uint8_t clase, double n, double De);

// Clase 1..4 de la letra "A".."D" que muestra la ventana principal; 0 sin clase.
std::uint8_t ClaseDeLetra(const std::string& letra);

// Fa de la clase de apoyo del registro (Tipo 0..3 en terraplén o zanja
// inducida) con sus datos de ahora, como lo guarda su casilla (tres decimales,
// como mucho 8): 0 si la fórmula no vale para estos datos. Se rehace cada vez
// que cambian De, hr, h'r, b2 o hr2, y antes de calcular. Vacío si el Fa no es
// de una clase (tecleado o de una cama); deja los efectos de CalculaFa.
std::optional<double> FaDeLaClase(Proyecto& p);

// Si la clase de apoyo del registro admite su proyección h'r/De (la B hasta
// 0.6, la C hasta 0.83, como las ofrece el diálogo): el rechazo, o vacío.
std::string ClaseFueraDeProyeccion(const Proyecto& p);

// Un Fa tecleado (su valor absoluto): si difiere del del registro lo cambia y
// el código pasa a 14 (factor a mano), también en terraplén: un factor
// tecleado no se rehace con la clase.
struct FactorTecleado {
    bool cambia = false;
    double fa = 0;
    std::optional<std::int8_t> tipo;
};
FactorTecleado LeeFactorApoyo(double leido, double faActual);
