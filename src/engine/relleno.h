#pragma once
// Carga del relleno sobre el tubo por la teoría de Marston y las tablas de los
// rellenos y de las razones de asiento.

#include <cstdint>
#include <string>

#include "interpola.h"

struct Proyecto;

// Fila de un relleno tabulado: λ·μ y peso específico γ (kN/m³).
struct RellenoTabulado {
    double lambdami;
    double gamma;
};

// Rellenos 0 a 4 en el orden de la lista de rellenos.
extern const RellenoTabulado TablaRellenos[5];

// Razón de asiento de la zanja terraplenada según p = h''r/b.
extern const FilaTabla TablaZanjaTerraplenada[4];
// Razón de asiento de la zanja inducida según p = hr2/b2.
extern const FilaTabla TablaZanjaInducida[4];

// Razón de asiento c1 del terraplén según la base (1.0, 0.5 o 0.3).
double RazonAsientoBase(std::uint8_t baseIndex);

// Forma de la ecuación del plano de igual asiento.
enum class FormaPlano { Positiva, Negativa };

// Raíz t > 0 de e^t − t = C0 (positiva) o de e^(−t) + t = C0 (negativa), por
// Newton con tolerancia 1e-7; 0 al instante si C0 < 1 (no hay raíz) y 0 si no
// converge en 1 000 000 pasos.
double ResuelvePlano(FormaPlano forma, double C0);

// Carga del relleno sobre un metro de tubo (kN/m) para la altura H sobre la
// clave y el relleno 0..5. Deja en el registro λ, λ·μ, γ (rellenos tabulados),
// c1, los coeficientes de Marston, ho y ZanjaComoTerraplen. Si la carga de
// zanja se sustituye por la de terraplén y AvisoCalculo está activo, o si el
// cálculo falla (devuelve 0), deja el aviso en mensaje.
double CargaRelleno(Proyecto& p, std::uint8_t relleno, std::string& mensaje, double H);

// Texto del fallo de la carga del relleno.
extern const char* const ErrorCargaRelleno;

// Piezas que comparte el factor de apoyo. Deben llamarse dentro de un
// AmbitoFallos: lanzan FalloNumerico si el cálculo falla.

// Pone en el registro λ·μ y λ·μ′ del relleno y, si es tabulado, su γ; para el
// relleno de usuario calcula λ de Rankine con fi y fi1.
void ConstantesRelleno(Proyecto& p, std::uint8_t relleno);

// Altura (m) del plano de igual asiento sobre la clave: en terraplén con el
// término m de la razón de asiento y el diámetro De (forma positiva), o en
// zanja con la anchura w (forma negativa).
double AlturaPlanoTerraplen(double K2, double m, double De);
double AlturaPlanoZanja(double K2, double m, double w);

// Coeficiente de Marston del terraplén para la altura H sobre la clave, con el
// plano de igual asiento a la altura h (condición completa si H <= h).
double CoeficienteTerraplen(double K2, double H, double De, double h);

// Coeficiente de Marston de una zanja terraplenada o inducida de anchura w.
double CoeficienteZanja(double K2, double H, double w, double ho);
