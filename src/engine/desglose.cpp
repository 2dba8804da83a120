#include "desglose.h"

#include "numero.h"
#include "proyecto.h"

std::vector<ApartadoDesglose> DesgloseCargas(const Proyecto& p, const EntregaCargas& entrega)
{
    struct Carga {
        PasoCarga paso;
        const char* titulo;
        const char* simbolo;
        double valor;
        const char* unidad;
    };
    const Carga cargas[] = {
        {PasoCarga::Relleno, "Carga del relleno", "qr", p.qr, "kN/m"},
        {PasoCarga::Trafico, "Carga del tráfico", "qm", p.qm, "kN/m"},
        {PasoCarga::Puntual, "Sobrecarga puntual", "fp", p.fp, "kN/m"},
        {PasoCarga::Superficie, "Sobrecarga repartida", "fs", p.fs, "kN/m"},
        {PasoCarga::Compactacion, "Compactador", "fc", p.fc, "kN/m"},
        {PasoCarga::Total, "Carga total", "qTotal", p.qTotal, "kN/m"},
        {PasoCarga::CargaCalculo, "Carga de cálculo", "Qc", p.CargaCalculo, "kN/m²"},
    };
    std::vector<ApartadoDesglose> apartados;
    for (const Carga& c : cargas) {
        if (!entrega.Escrito(c.paso))
            continue;
        apartados.push_back(
            {c.titulo, {std::string(c.simbolo) + " = " + TextoNumero(c.valor) + " " + c.unidad}});
    }
    return apartados;
}
