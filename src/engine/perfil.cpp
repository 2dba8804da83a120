#include "perfil.h"

#include <cmath>

#include "numero.h"

TramoPerfil PerfilDeTramo(const Tramo& tramo, const TramoCalculado* calculo, int modo)
{
    TramoPerfil t;
    t.pkInicial = tramo.pkInicial;
    t.pkFinal = tramo.pkFinal;
    t.hr = tramo.proyecto.hr;
    if (calculo) {
        if (calculo->calculado)
            t.hr = calculo->proyecto.hr;
        t.clase = calculo->Clase(modo);
    }
    return t;
}

std::vector<TramoPerfil> PerfilDeTramos(const std::vector<Tramo>& tramos,
                                        const std::vector<TramoCalculado>& calculos, int modo)
{
    std::vector<TramoPerfil> perfil;
    perfil.reserve(tramos.size());
    for (std::size_t i = 0; i < tramos.size(); ++i)
        perfil.push_back(
            PerfilDeTramo(tramos[i], i < calculos.size() ? &calculos[i] : nullptr, modo));
    return perfil;
}

std::string TextoPk(double pk)
{
    // Los metros con sus decimales (a mm) y tres cifras enteras: 2.5 es "0+002.5".
    const double metros = std::round(std::fabs(pk) * 1000) / 1000;
    const double km = std::floor(metros / 1000);
    std::string resto = TextoNumero(metros - km * 1000);
    const std::size_t enteras = std::min(resto.find('.'), resto.size());
    if (enteras < 3)
        resto.insert(0, 3 - enteras, '0');
    return (pk < 0 && metros > 0 ? "-" : "") + TextoNumero(km) + "+" + resto;
}
