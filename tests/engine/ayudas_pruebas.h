#pragma once
// Piezas comunes de las pruebas del motor.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "archivo.h"
#include "cargas.h"
#include "interlocutor.h"
#include "proyecto.h"

// Responde lo mismo a subir la altura de relleno y anota cada pregunta.
struct Responde : Interlocutor {
    explicit Responde(bool respuesta) : si(respuesta) {}
    bool SubeAlturaRelleno(const std::string& pregunta) override
    {
        preguntas.push_back(pregunta);
        return si;
    }
    bool si;
    std::vector<std::string> preguntas;
};

inline Proyecto Nuevo()
{
    Proyecto p;
    InicializaDatos(p);
    return p;
}

// Un proyecto de ejemplo, leído aceptando cada mensaje.
inline Proyecto Ejemplo(const std::string& nombre)
{
    Proyecto p = Nuevo();
    EXPECT_EQ(LeeArchivo(p, CARPETA_EJEMPLOS "/" + nombre,
                         [](const std::string&, BotonesLectura) { return true; }),
              ResultadoLectura::Leido)
        << nombre;
    return p;
}

// Tubo de 500 mm en zanja de 0.9 m bajo 3 m de arena arcillosa, sin sobrecargas, con los
// cambios dados.
inline Proyecto CasoZanja(const std::function<void(Proyecto&)>& cambia = {})
{
    Proyecto p = Nuevo();
    p.CarreteraIndex = 0;
    p.b = 0.9, p.Di = 0.5, p.Es = 0.05, p.De = 0.6, p.hr = 3.0, p.Fa = 2.0;
    if (cambia)
        cambia(p);
    return p;
}

// El mismo con el espesor normalizado del tubo de 500 mm.
inline Proyecto TuboNormalizado()
{
    return CasoZanja([](Proyecto& p) { p.Es = 0.067, p.De = 0.634; });
}

inline EntregaCargas Calcula(Proyecto& p, std::uint8_t relleno, double fa)
{
    RespondeNo no;
    return CalculaCargas(p, no, relleno, fa);
}
