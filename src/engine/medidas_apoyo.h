#pragma once
// La cama de apoyo del caso en números y en palabras: lo que acotan la
// memoria y la sección dibujada, y lo que dicen las mediciones.

#include <optional>
#include <string>

struct Proyecto;

// Medidas de la cama de apoyo (m).
struct MedidasApoyo {
    std::optional<double> a;      // altura de la cama sobre la generatriz inferior del tubo
    std::optional<double> ancho;  // anchura de la cama (clases A, B y C de terraplén)
    double c = 0;                 // espesor bajo el tubo en suelo, o el único que hay
    std::optional<double> cRoca;  // espesor en roca, si la regla distingue suelo y roca
    bool minimos = false;         // los espesores son mínimos (terraplén y zanja inducida)
};

// Medidas de la cama del registro: en zanja, la cuna de la cama elegida (De/2,
// De/4 o De/6 por su ángulo) sobre el espesor de norma, 0 en el apoyo directo;
// en terraplén, las de la clase A, B, C o D. Sin altura si el factor de apoyo
// es tecleado (no se sabe qué cama hay). Vacío en una instalación desconocida.
std::optional<MedidasApoyo> MedidasDeApoyo(const Proyecto& p);

// El espesor bajo el tubo (m) en el terreno de la base del registro: roca con
// la base rígida, suelo con las demás.
double EspesorCamaDelTerreno(const Proyecto& p, const MedidasApoyo& m);

// La instalación y el apoyo en palabras: "Instalación en zanja con cama
// Granular / Compactado / 180º", "Instalación en terraplén con apoyo de clase
// B", "… con factor de apoyo Fa = 2.3".
std::string TextoInstalacionApoyo(const Proyecto& p);
