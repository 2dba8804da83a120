#pragma once
// Cargas del tráfico sobre un metro de tubo (kN/m): vehículos de carretera,
// vías de ferrocarril y aviones.

#include <cstdint>

struct Proyecto;
class Interlocutor;

// La rama de la fórmula del vehículo que toma el cálculo, para que el anejo
// escriba la que se usó.
struct RamaCarretera {
    enum Altura {
        Ninguna,      // sin vehículo
        Fuera,        // fuera de 0.5 <= hr <= 4.0 y 0.15 < Di <= 3.0: 0
        Alta,         // hr > 1.21 m (eje de 70 kN) o hr >= 1 m (los demás)
        Baja,         // por debajo, con De <= 2 m
        BajaDeGrande  // por debajo, con De > 2 m
    };
    Altura altura = Ninguna;
    bool deMayor = false;  // De >= c (alta) o De >= b (baja)
    bool unEje = false;    // carro de 600 kN bajo con De < b: manda la carga de un eje
};
struct CargaDeCarretera {
    double q = 0;  // kN/m
    RamaCarretera rama;
};

// Vehículo de carretera 0..3 ("Ninguna", ejes de 70 y 130 kN, carro de 600 kN)
// sobre un tubo de diámetros Di y De (m) con hr (m) de relleno, y la rama de
// su fórmula; 0 fuera de 0.5 <= hr <= 4.0 y 0.15 < Di <= 3.0.
CargaDeCarretera CargaCarretera(std::uint8_t vehiculo, double Di, double De, double hr);

// Términos de la carga del vehículo 1..3 con hr y De (m): coeficiente de
// impacto Ci y longitudes de reparto a, b, c, d (m; d solo del eje de 70 kN).
struct TerminosCarretera {
    double Ci, a, b, c, d;
};
TerminosCarretera TerminosDeCarretera(std::uint8_t vehiculo, double De, double hr);

// true si la vía del registro no carga el tubo: sin vía, sin vías, sin tubo o
// con menos de 1 m de relleno.
bool ViaFueraDeAlcance(const Proyecto& p);

// Vía del registro (ViaIndex, SentidoViaIndex, NVias, V, dh, De, hr). Con
// hr < 1 pregunta si se sube a 1 m y sigue con la hr que tenía; devuelve 0
// fuera de su alcance. Deja en NViasActuantes las vías que cuenta.
double CargaFerrocarril(Proyecto& p, Interlocutor& interlocutor);

// Términos de la carga de una vía (ViaIndex 1 o 2) con la hr del registro:
// separación entre vías s, huella w1 × w2 (m), carga P (kN), coeficiente de
// impacto calculado y el que vale (no menos de 1) y área de reparto A (m²).
struct TerminosVia {
    double separacion, largo, ancho, P, CiCalculado, Ci, A;
};
TerminosVia TerminosDeVia(const Proyecto& p);

// Avión del registro (AeropuertoIndex) con la tabla de presiones por altura.
// Con hr < 1 pregunta si se sube a 1 m: con Sí calcula con hr = 1, con No da 0.
double CargaAeropuerto(Proyecto& p, Interlocutor& interlocutor);

// Tabla de presiones de los aviones 1 a 5 en la clave (kN/m²) por altura de
// relleno (m), y la fila desde la que se interpola para hr (hr < 15 m).
extern const double ProfundidadAvion[11];
extern const double PresionAvion[11][5];
int FilaPresionAvion(double hr);

// true si la página de tráfico tiene elegidos trenes o aviones y hr < 1 m: no
// se cuentan (ni se pregunta por ellos en el cálculo).
bool TraficoPesadoSinContar(const Proyecto& p);

// Carga del tráfico de la página TraficoIndex con los valores del registro;
// trenes y aviones, solo desde 1 m de relleno.
double CargaTrafico(Proyecto& p, Interlocutor& interlocutor);

// Textos de las dos preguntas de altura mínima.
extern const char* const PreguntaFerrocarril;
extern const char* const PreguntaAeropuerto;
