#pragma once
// El cálculo de todas las cargas de un caso: la única entrada al cálculo.

#include <cstdint>
#include <string>

struct Proyecto;
class Interlocutor;

// Pasos del cálculo de cargas, en su orden.
enum class PasoCarga : std::uint8_t {
    Relleno = 1,   // qr y coeficientes del relleno
    Trafico,       // qm
    Puntual,       // fp
    Superficie,    // fs
    Compactacion,  // fc
    Total,         // qTotal
    CargaCalculo,  // CargaCalculo
    Terminado,
};

// Resultado del cálculo: hasta qué paso llegó, la carga de cálculo y el aviso
// de la carga del relleno.
struct EntregaCargas {
    PasoCarga fallo = PasoCarga::Terminado;  // paso en que falló, o Terminado
    double carga = 0;                        // kN/m²; 0 si no se entregó
    std::string mensaje;                     // aviso o error del relleno; vacío si no hay

    bool Entregada() const { return fallo == PasoCarga::Terminado; }
    // El campo del paso dado se escribió en este cálculo.
    bool Escrito(PasoCarga paso) const { return paso < fallo; }
};

// Calcula las cargas sobre un metro de tubo con el relleno 0..5 y el factor de
// apoyo fa, las deja en el registro (qr, qm, fp, fs, fc, qTotal, CargaCalculo)
// y entrega la de cálculo 1.5·qTotal/(fa·Di) (kN/m²) y el aviso de la carga
// del relleno. Si un paso falla, el cálculo se detiene ahí: lo escrito antes
// queda, lo de después conserva su valor anterior y no se entrega carga ni
// mensaje, salvo si falla la carga del relleno (paso Relleno), que entrega su
// texto de error para mostrarlo.
EntregaCargas CalculaCargas(Proyecto& p, Interlocutor& interlocutor, std::uint8_t relleno,
                            double fa);
