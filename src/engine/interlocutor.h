#pragma once
// Lo que el cálculo necesita preguntar al usuario. El motor no abre ventanas:
// quien lo llama le entrega una implementación de esta interfaz.

#include <string>
#include <vector>

class Interlocutor {
public:
    virtual ~Interlocutor() = default;

    // Pregunta Sí/No (título "Aviso") si la altura de relleno puede subirse a
    // 1 m. Con Sí, quien responde pone la altura a 1 (la ventana principal lo
    // hace en su casilla hr) y el motor se asegura de que hr valga 1.
    virtual bool SubeAlturaRelleno(const std::string& pregunta) = 0;
};

// Responde No a todo y anota las preguntas, sin repetirlas (la herramienta de
// línea de órdenes y las pruebas).
class RespondeNo : public Interlocutor {
public:
    bool SubeAlturaRelleno(const std::string& pregunta) override;

    std::vector<std::string> preguntas;
};
