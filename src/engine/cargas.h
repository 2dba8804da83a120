#pragma once
// El cálculo de todas las cargas de un caso: la única entrada al cálculo.

#include <cstdint>
#include <string>

struct Proyecto;
class Interlocutor;

// Pasos del cálculo de cargas, en su orden.
enum class PasoCarga : std::uint8_t {
    Relleno = 1,       // qr y coeficientes del relleno
    Trafico,           // qm
    Puntual,           // fp
    Superficie,        // fs
    Compactacion,      // fc
    Total,             // qTotal
    CargaCalculo,      // CargaCalculo
    Terminado,
};

// Resultado del cálculo: hasta qué paso llegó.
struct EntregaCargas {
    PasoCarga fallo = PasoCarga::Terminado;  // paso en que falló, o Terminado

    bool Entregada() const { return fallo == PasoCarga::Terminado; }
    // El campo del paso dado se escribió en este cálculo.
    bool Escrito(PasoCarga paso) const { return paso < fallo; }
};

// Calcula las cargas sobre un metro de tubo con el relleno 0..5 y el factor de
// apoyo fa, las deja en el registro (qr, qm, fp, fs, fc, qTotal, CargaCalculo)
// y entrega en carga la de cálculo 1.5·qTotal/(fa·Di) (kN/m²) y en mensaje el
// aviso de la carga del relleno. Si un paso falla, el cálculo se detiene ahí:
// lo escrito antes queda, lo de después conserva su valor anterior y carga no
// se toca; mensaje tampoco, salvo si falla la carga del relleno (paso
// Relleno), que deja en él su texto de error para mostrarlo.
EntregaCargas CalculaCargas(Proyecto& p, Interlocutor& interlocutor, std::uint8_t relleno,
                            double& carga, std::string& mensaje, double fa);
