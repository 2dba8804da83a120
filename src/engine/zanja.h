#pragma once
// Reglas de la anchura de zanja: el talud de las paredes, el resguardo lateral
// y la anchura b en el plano de clave que salen de ellos, y las comprobaciones
// de la anchura tecleada frente al diámetro exterior.

#include <optional>
#include <string>

#include "numero.h"

struct Proyecto;

// Un resguardo mayor (m) no es de ninguna zanja: es un error al teclear.
constexpr double ResguardoMaximo = 100;

// Resguardo lateral aconsejado (m) por bandas del diámetro interior Di (m):
// 0.25, 0.35, 0.43 o 0.5.
double ResguardoPorDiametro(double Di);

// Ángulo del talud H:V (grados), con 57.29 grados por radián.
double AnguloTaludGrados(double H, double V);

// Resguardo lateral mínimo (m) según el ángulo del talud (grados) y Di (m).
double ResguardoMinimoDe(double angulo, double Di);

// Componente del talud (H o V) como número entero; 0, que se rechaza, si no es
// un número razonable.
long long RedondeaComponente(double x);

// true si k vale como componente del talud: un entero de 1 a 99.
bool ComponenteTaludValida(long long k);

// Componente que da una flecha del talud desde la actual (sube o baja uno);
// nada si se saldría de 1 a 99.
std::optional<long long> GiraComponente(double actual, bool sube);

// Lo que se hace con lo tecleado en la casilla de H o de V.
struct ComponenteTecleada {
    enum class Accion { Espera, Toma, Restaura };
    Accion accion = Accion::Espera;
    long long k = 0;  // con Toma
};
ComponenteTecleada LeeComponenteTalud(const EnteroTecleado& leido);

// Lo que se hace con lo tecleado en la casilla del resguardo lateral.
struct ResguardoTecleado {
    enum class Accion { Espera, Toma, Restaura, Ignora };
    Accion accion = Accion::Espera;
    double resguardo = 0;  // con Toma (m)
    std::string mensaje;   // con Restaura de un valor excesivo; vacío si no
};
ResguardoTecleado LeeResguardoTecleado(const NumeroTecleado& leido);

// Aviso o pregunta sobre el resguardo lateral x (m) tecleado.
struct AvisoResguardo {
    std::string mensaje;    // vacío: nada que decir
    bool confirma = false;  // pregunta de un solo botón; si no, aviso informativo
    double resguardo = 0;   // el corregido (m): con aviso siempre, con pregunta si se contesta
};

// Al salir de la casilla del resguardo x (m), con el talud de angulo grados y
// el mínimo que propuso el diálogo (m).
AvisoResguardo CompruebaSalidaResguardo(std::optional<double> x, double angulo,
                                        double resguardoMinimo);

// Resguardo (m) con que se elige una anchura, desde el tecleado x (o nada) y
// el que hay en uso; el aviso se da antes de tomarlo, la pregunta después.
struct ResguardoElegido : AvisoResguardo {
    bool quedaAbierto = false;  // el aviso deja abierto el diálogo; la pregunta, si se contesta
};
ResguardoElegido ResguardoAlSeleccionar(std::optional<double> x, double angulo, double Di,
                                        double resguardo);

// Aviso del talud al elegir una anchura, si cambió desde el último repintado:
// H y V tecleados y el resguardo r (m) que muestra su casilla.
struct AvisoTalud {
    std::string aviso;     // vacío: talud de más de 60 grados o sin cambio
    std::string pregunta;  // Sí/No tras el aviso, si r < 0.2; vacía si no
    double resguardo = 0;  // el que se pone (m) si se contesta Sí
};
AvisoTalud AvisoTaludAlSeleccionar(bool taludCambiado, std::optional<double> H,
                                   std::optional<double> V, std::optional<double> r);

// Espesores de cama c (m) del diálogo del talud en suelo y en roca.
struct EspesoresTalud {
    double suelo = 0, roca = 0;
    bool conRoca = true;  // con apoyo directo no hay cama y solo se ofrece el suelo
};
EspesoresTalud EspesoresCamaTalud(const Proyecto& p);

// Anchura de la zanja b (m) en el plano de clave con el talud, el resguardo y
// De del proyecto y la cama c (m): De + 2·resguardo + 2·H·(De + c)/V; nada con V = 0.
std::optional<double> AnchuraZanjaTalud(const Proyecto& p, double c);

// Rótulo de una anchura b (m) como la escribe su casilla, y " m.".
std::string RotuloAnchura(double b);

// Corrección de una anchura de zanja b menor que De: la pregunta Sí/No y la
// anchura (m) que se pone al contestar Sí; pregunta vacía si no hace falta.
struct CorreccionAnchura {
    std::string pregunta;
    double b = 0;
};
CorreccionAnchura CorrigeAnchuraZanja(const Proyecto& p);

// Consejo de resguardo para una anchura b ≥ De en zanja, por bandas de De, con
// el aviso encendido: la pregunta de si mantener el aviso, o vacío.
std::string ConsejoAnchuraZanja(const Proyecto& p);
