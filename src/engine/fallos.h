#pragma once
// Vigilancia de los fallos de coma flotante del cálculo (división por cero,
// operación no válida, desbordamiento). C++ no los interrumpe: cada paso que
// tiene que responder a ellos abre un ámbito, guarda sus resultados con
// Guarda() (que lanza FalloNumerico si hubo fallo antes de guardar nada) y
// captura la excepción donde el paso dice qué hacer.

#include <cfenv>

struct FalloNumerico {};

constexpr int ExcepcionesVigiladas = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Ámbito de vigilancia: al abrirse aparta los indicadores pendientes del
// llamador y los limpia; al cerrarse los devuelve, de modo que un paso que
// resuelve sus propios fallos no borra los de quien lo llama. Mirar los
// indicadores cuesta poco y limpiarlos mucho (el estado entero de la unidad de
// coma flotante): solo se apartan y se limpian si hay alguno encendido, que en
// un cálculo sin fallos no pasa nunca.
class AmbitoFallos {
public:
    AmbitoFallos() : previos_(std::fetestexcept(ExcepcionesVigiladas))
    {
        if (previos_ != 0)
            std::feclearexcept(ExcepcionesVigiladas);
    }
    // Se devuelven con feraiseexcept, no con fesetexceptflag: la de mingw-w64
    // quita las máscaras de SSE y el siguiente 0/0 pararía el programa.
    ~AmbitoFallos()
    {
        if (std::fetestexcept(ExcepcionesVigiladas) != 0)
            std::feclearexcept(ExcepcionesVigiladas);
        if (previos_ != 0)
            std::feraiseexcept(previos_);
    }
    AmbitoFallos(const AmbitoFallos&) = delete;
    AmbitoFallos& operator=(const AmbitoFallos&) = delete;

private:
    int previos_;  // los indicadores que el llamador tenía encendidos
};

// Lanza FalloNumerico si desde el inicio del ámbito hubo algún fallo.
inline void CompruebaFallos()
{
    if (std::fetestexcept(ExcepcionesVigiladas) != 0)
        throw FalloNumerico{};
}

// Devuelve valor si hasta aquí no hubo fallo. El paso por una variable volátil
// obliga a terminar el cálculo de valor antes de mirar los indicadores.
inline double Guarda(double valor)
{
    volatile double calculado = valor;
    CompruebaFallos();
    return calculado;
}
