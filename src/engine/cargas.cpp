#include "cargas.h"

#include <cmath>

#include "compactacion.h"
#include "fallos.h"
#include "proyecto.h"
#include "relleno.h"
#include "trafico.h"

namespace {

// Carga de la sobrecarga puntual qp (t) a la distancia D (kN/m).
double CargaPuntual(const Proyecto& p)
{
    if (p.qp == 0)
        return 0;
    const double t = p.hr / std::sqrt(p.hr * p.hr + p.D * p.D);
    return p.De * p.qp * 9.8 * 1.5 * (t * t * t * t * t) / (p.hr * p.hr);
}

// Carga de la sobrecarga repartida qs (t/m²) (kN/m). En zanja se amortigua
// con la profundidad; en las demás instalaciones es la carga de la altura de
// relleno equivalente añadida, menos la del relleno real qr.
double CargaSuperficie(Proyecto& p, std::uint8_t relleno)
{
    if (p.qs == 0)
        return 0;
    if (p.InstalacionIndex == InstalacionZanja)
        return std::exp(-2.0 * p.lambdami * p.hr / p.b) * 9.8 * p.qs * p.b;
    const double equivalente = Guarda(9.8 * p.qs / p.gamma);
    const std::uint8_t zanjaComoTerraplen = p.ZanjaComoTerraplen;
    std::string descartado;
    const double conSobrecarga = CargaRelleno(p, relleno, descartado, p.hr + equivalente);
    p.ZanjaComoTerraplen = zanjaComoTerraplen;  // vale el del relleno real
    // Sin la carga con la altura añadida, 0 − qr no es la de la sobrecarga.
    if (descartado == ErrorCargaRelleno)
        throw FalloNumerico{};
    return conSobrecarga - p.qr;
}

EntregaCargas FalloEn(PasoCarga paso)
{
    EntregaCargas fallo;
    fallo.fallo = paso;
    return fallo;
}

}  // namespace

EntregaCargas CalculaCargas(Proyecto& p, Interlocutor& interlocutor, std::uint8_t relleno,
                            double fa)
{
    AmbitoFallos ambito;
    PasoCarga paso = PasoCarga::Relleno;
    try {
        std::string mensajeRelleno;
        const double qr = CargaRelleno(p, relleno, mensajeRelleno, p.hr);  // resuelve sus fallos
        if (mensajeRelleno == ErrorCargaRelleno) {
            // Su 0 no es una carga: el cálculo no sigue, pero el error se dice.
            EntregaCargas fallo = FalloEn(paso);
            fallo.mensaje = mensajeRelleno;
            return fallo;
        }
        p.qr = qr;
        paso = PasoCarga::Trafico;
        p.qm = Guarda(CargaTrafico(p, interlocutor));
        paso = PasoCarga::Puntual;
        p.fp = Guarda(CargaPuntual(p));
        paso = PasoCarga::Superficie;
        p.fs = Guarda(CargaSuperficie(p, relleno));
        paso = PasoCarga::Compactacion;
        p.fc = CargaCompactacion(p.CompactadorIndex, p.De, p.pq, p.hr);  // 0 si falla
        paso = PasoCarga::Total;
        p.qTotal = Guarda(p.qr + p.qm + p.fp + p.fs + p.fc);
        paso = PasoCarga::CargaCalculo;
        p.CargaCalculo = Guarda(p.qTotal * 1.5 / (fa * p.Di));
        EntregaCargas entrega;
        entrega.carga = p.CargaCalculo;
        entrega.mensaje = mensajeRelleno;
        return entrega;
    } catch (const FalloNumerico&) {
        return FalloEn(paso);
    }
}
