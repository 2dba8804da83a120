#include "medidas_apoyo.h"

#include "apoyo.h"
#include "clases.h"
#include "espesores.h"
#include "factor_apoyo.h"
#include "numero.h"
#include "proyecto.h"

std::optional<MedidasApoyo> MedidasDeApoyo(const Proyecto& p)
{
    MedidasApoyo m;
    // Un Di tecleado 0.7 cuenta como menor que 0.7 (primera banda).
    m.c = EspesorCamaNorma(1, p.Di, true);
    m.cRoca = EspesorCamaNorma(0, p.Di, true);
    if (GrupoZanja(p)) {
        if (p.Tipo == CodigoApoyoDirecto) {
            m.c = 0;
            m.cRoca.reset();
        }
        // La cuna llega a una fracción de De según el ángulo de apoyo: 180º De/2,
        // 120º De/4 y 90º De/6.
        if (const CamaZanja* cama = CamaDeCodigo(p.Tipo))
            m.a = p.De / (cama->angulo == 180 ? 2 : cama->angulo == 120 ? 4 : 6);
    } else if (GrupoTerraplen(p)) {
        m.minimos = true;
        switch (p.Tipo) {
        case 0:
            m.a = p.De / 4;
            m.ancho = 0.2 + p.De;
            m.c = 0.25 * p.Di;
            m.cRoca.reset();
            break;
        case 1:
            m.a = 0.4 * p.De;
            m.ancho = 1.25 * p.De;
            break;
        case 2:
            m.a = 0.17 * p.De;
            m.ancho = 1.25 * p.De;
            break;
        default: break;  // la D (apoyo directo) no tiene cuna
        }
    } else {
        return std::nullopt;
    }
    if (p.Tipo == 14)
        m.a.reset();
    return m;
}

double EspesorCamaDelTerreno(const Proyecto& p, const MedidasApoyo& m)
{
    return p.BaseIndex == 0 && m.cRoca ? *m.cRoca : m.c;
}

std::string TextoInstalacionApoyo(const Proyecto& p)
{
    static const char* const instalaciones[] = {"zanja", "terraplén", "zanja terraplenada",
                                                "zanja inducida"};
    const std::string instalacion =
        "Instalación en " +
        std::string(p.InstalacionIndex < 4 ? instalaciones[p.InstalacionIndex] : "?");
    if (p.Tipo == 14)
        return instalacion + " con factor de apoyo Fa = " + TextoNumero(p.Fa);
    if (GrupoZanja(p)) {
        for (int fila = 1; fila <= 11; ++fila)
            if (CamaDeFila(fila).tipo == p.Tipo)
                return instalacion + " con cama " + NombreCama(fila);
    } else if (const std::string letra = LetraClaseTerraplen(p.Tipo); !letra.empty()) {
        return instalacion + " con apoyo de clase " + letra;
    }
    return instalacion;
}
