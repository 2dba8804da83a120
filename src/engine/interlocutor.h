#pragma once
// Lo que el cálculo y las órdenes dicen o preguntan al usuario. El motor no
// abre ventanas: quien lo llama le entrega una implementación de esta interfaz
// (la ventana principal muestra los mensajes; las demás vías responden No y
// lo anotan).

#include <string>
#include <vector>

// Títulos de los mensajes.
inline const char* const TituloPrograma = "Cálculo Mecánico Tubos";
inline const char* const TituloAviso = "Aviso";
inline const char* const TituloAtencion = "¡¡ Atención !!";

// Un mensaje de una orden: su texto, su título y cómo se muestra.
struct Aviso {
    enum class Tipo {
        Correccion,  // se cambió un valor (el texto lo dice)
        Consejo,     // una recomendación; no cambia nada
        Pregunta,    // Sí/No
        Rechazo,     // la orden no sigue
        Nota,        // algo que el cálculo no cuenta: lo dicen la memoria y el anejo, sin mensaje
    };
    enum class Icono { Ninguno, Pregunta, Aviso, Informacion };

    Tipo tipo = Tipo::Consejo;
    std::string texto;
    std::string titulo = "Aviso";
    Icono icono = Icono::Ninguno;
    // Para la línea de estado: "hr a 0.5 m" (corrección), "por el espesor de
    // pared" (pregunta), "Falta el factor de apoyo" (rechazo); vacío en los consejos.
    std::string breve;
    // Casilla (su clave del archivo) a la que vuelve la ventana; 0 ninguna.
    int foco = 0;
};

class Interlocutor {
public:
    virtual ~Interlocutor() = default;

    // Pregunta Sí/No (título "Aviso") si la altura de relleno puede subirse a
    // 1 m. Con Sí, quien responde pone la altura a 1 (la ventana principal lo
    // hace en su casilla hr) y el motor se asegura de que hr valga 1.
    virtual bool SubeAlturaRelleno(const std::string& pregunta) = 0;

    // Un mensaje con Aceptar: una corrección hecha, un consejo o un rechazo.
    // Lo corregido ya está en el registro.
    virtual void Avisa(const Aviso& aviso) { (void)aviso; }

    // Una pregunta Sí/No; true con Sí.
    virtual bool Pregunta(const Aviso& pregunta)
    {
        (void)pregunta;
        return false;
    }
};

// Responde No a todo y anota lo dicho, en su orden (la herramienta de línea de
// órdenes, la tabla de tramos, la línea de estado, el anejo y las pruebas).
class RespondeNo : public Interlocutor {
public:
    bool SubeAlturaRelleno(const std::string& pregunta) override;
    void Avisa(const Aviso& aviso) override;
    bool Pregunta(const Aviso& pregunta) override;

    // Las preguntas de subir la altura de relleno, sin repetirlas.
    std::vector<std::string> preguntas;
    // Todo lo dicho por las órdenes, preguntas incluidas.
    std::vector<Aviso> dichos;

    // El rechazo, si lo hubo; si no, nullptr.
    const Aviso* Rechazo() const;
    // Cada mensaje como nota: las preguntas acaban en " (respondida No)"; sin el rechazo.
    std::vector<std::string> Notas() const;
};
