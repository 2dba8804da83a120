#include "apoyo.h"

#include <cmath>

#include "fallos.h"
#include "interpola.h"
#include "proyecto.h"
#include "relleno.h"

namespace {

// Parámetro de presión lateral x según la razón de proyección p.
const FilaTabla PresionLateralA[6] = {{0.0, 0.15},  {0.3, 0.743}, {0.5, 0.856},
                                      {0.7, 0.811}, {0.9, 0.678}, {1.0, 0.638}};
const FilaTabla PresionLateralBCD[6] = {{0.0, 0.0},   {0.3, 0.217}, {0.5, 0.423},
                                        {0.7, 0.594}, {0.9, 0.655}, {1.0, 0.638}};

// Coeficiente de apoyo N de las clases A, B, C y D.
const double CoeficienteClase[4] = {0.505, 0.707, 0.840, 1.310};

double CtVigilado(Proyecto& p)
{
    if (p.InstalacionIndex != InstalacionTerraplen &&
        p.InstalacionIndex != InstalacionZanjaInducida)
        return p.Ct;
    ConstantesRelleno(p, p.RellenoIndex);
    const double K2 = 2 * p.lambdami;
    if (p.InstalacionIndex == InstalacionTerraplen) {
        const double razon = RazonAsientoBase(p.BaseIndex);
        p.ho = AlturaPlanoTerraplen(K2, Guarda(p.hr1 / p.De * razon), p.De);
        p.Ct = CoeficienteTerraplen(K2, p.hr, p.De, p.ho);
    } else {
        p.n = Guarda(p.hr2 / p.b2);
        const double razon = BuscaEnTabla(TablaZanjaInducida, p.n);
        p.ho = AlturaPlanoZanja(K2, Guarda(std::fabs(p.hr2 / p.De * razon)), p.b2);
        p.Ct = CoeficienteZanja(K2, p.hr, p.b2, p.ho);
    }
    return p.Ct;
}

}  // namespace

std::optional<double> CalculaCtFa(Proyecto& p)
{
    AmbitoFallos ambito;
    try {
        return CtVigilado(p);
    } catch (const FalloNumerico&) {
        return std::nullopt;
    }
}

std::optional<TerminosFa> TerminosDeFa(Proyecto& p, std::uint8_t clase)
{
    if (clase < 1 || clase > 4)
        return std::nullopt;
    AmbitoFallos ambito;
    try {
        TerminosFa t;
        t.Ct = CtVigilado(p);
        p.lambdaFa = p.lambdaFaEdit;
        t.lambda = p.lambdaFa;
        t.N = CoeficienteClase[clase - 1];
        t.p = Guarda(p.hr1 / p.De);
        t.q = Guarda(t.lambda * t.p / t.Ct * (t.p * p.De / (2 * p.hr) + 1));
        t.x =
            clase == 1 ? BuscaEnTabla(PresionLateralA, t.p) : BuscaEnTabla(PresionLateralBCD, t.p);
        t.fa = Guarda(1.431 / (t.N - t.x * t.q));
        return t;
    } catch (const FalloNumerico&) {
        return std::nullopt;
    }
}

std::optional<double> CalculaFa(Proyecto& p, std::uint8_t /*instalacion*/, std::uint8_t clase)
{
    const std::optional<TerminosFa> t = TerminosDeFa(p, clase);
    if (!t)
        return std::nullopt;
    return t->fa;
}

std::string LetraClaseTerraplen(std::int8_t tipo)
{
    if (tipo < 0 || tipo > 3)
        return {};
    return std::string(1, static_cast<char>('A' + tipo));
}

CorreccionHr2 CorrigeHr2(double hr2, double b2, bool alCalcular)
{
    CorreccionHr2 c;
    c.hr2 = hr2;
    if (!(hr2 > 2 * b2 && hr2 > 0.01))
        return c;
    const double corregida = 2 * b2 - 0.1;
    if (!(corregida > 0)) {
        // Con b2 sin dar (o casi nula) la corrección dejaría una profundidad negativa.
        c.accion = CorreccionHr2::Accion::PideB2;
        c.mensaje = alCalcular
                        ? "Introduzca la anchura de la zanja inducida (b2) antes de calcular."
                        : "hr2 debe ser como máximo dos veces la anchura de la zanja "
                          "inducida (b2): introduzca una anchura b2 mayor.";
        return c;
    }
    c.accion = CorreccionHr2::Accion::Corrige;
    c.hr2 = corregida;
    c.mensaje = std::string("hr2 debe ser como maximo dos veces la anchura de la zanja inducida "
                            "(b2), por lo que ") +
                (alCalcular ? "para realizar el cálculo se corregirá" : "se corrige") +
                " automáticante el valor.";
    return c;
}
