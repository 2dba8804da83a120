#pragma once
// Piezas comunes de las pruebas del motor.

#include <string>
#include <vector>

#include "cargas.h"
#include "interlocutor.h"
#include "proyecto.h"

// Responde Sí a toda pregunta y la anota, como un usuario que acepta subir
// la altura de relleno.
class RespondeSi : public Interlocutor {
public:
    bool SubeAlturaRelleno(const std::string& pregunta) override
    {
        preguntas.push_back(pregunta);
        return true;
    }

    std::vector<std::string> preguntas;
};

// Caso base: tubo de 500 mm en zanja de 0.9 m bajo 3 m de arena arcillosa
// sobre suelo natural, sin tráfico ni otras sobrecargas.
inline Proyecto CasoZanja()
{
    Proyecto p;
    InicializaDatos(p);
    p.CarreteraIndex = 0;
    p.b = 0.9;
    p.Di = 0.5;
    p.Es = 0.05;
    p.De = 0.6;
    p.hr = 3.0;
    p.Fa = 2.0;
    return p;
}

// Lo que entrega un cálculo de cargas; carga y mensaje parten de marcas para
// ver si el cálculo los tocó.
struct Calculo {
    EntregaCargas entrega;
    double carga = -123;
    std::string mensaje = "previo";
};

inline Calculo Calcula(Proyecto& p, std::uint8_t relleno, double fa)
{
    RespondeNo respuesta;
    Calculo c;
    c.entrega = CalculaCargas(p, respuesta, relleno, c.carga, c.mensaje, fa);
    return c;
}
