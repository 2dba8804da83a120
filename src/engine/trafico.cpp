#include "trafico.h"

#include <algorithm>
#include <cmath>

#include "fallos.h"
#include "interlocutor.h"
#include "interpola.h"
#include "proyecto.h"

const char* const PreguntaFerrocarril =
    "En la determinación de la carga ferroviaria la altura de relleno por encima de la clave "
    "del tubo debe ser como mínimo de 1 m.. No obstante se recomienda un valor no menor de "
    "1.5 m. Por tanto el valor se corregirá automaticamente.";
const char* const PreguntaAeropuerto =
    "Para el correcto cálculo de la carga producida por el tráfico aéreo, hr debe tomar como "
    "mínimo el valor 1. No obstante se recomienda un valor no menor a 1.5 m. Por tanto el "
    "valor se corregirá automaticamente. ";

namespace {

// Hace la pregunta sin que lo que haga quien responde altere los indicadores
// de coma flotante del cálculo en curso.
bool PreguntaSubirAltura(Proyecto& p, Interlocutor& interlocutor, const char* pregunta)
{
    AmbitoFallos aparte;
    if (!interlocutor.SubeAlturaRelleno(pregunta))
        return false;
    p.hr = 1.0;
    return true;
}

}  // namespace

const double ProfundidadAvion[11] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 15.0};
const double PresionAvion[11][5] = {
    {98.0, 117.6, 132.3, 137.2, 147.0}, {39.2, 68.6, 88.2, 107.8, 117.6},
    {19.6, 39.2, 58.8, 78.4, 88.2},     {14.7, 24.5, 39.2, 58.8, 78.4},
    {9.8, 19.6, 29.4, 39.2, 53.9},      {9.8, 14.7, 24.5, 34.3, 39.2},
    {4.9, 9.8, 19.6, 24.5, 34.3},       {4.9, 9.8, 14.7, 24.5, 29.4},
    {4.9, 9.8, 14.7, 19.6, 24.5},       {4.9, 9.8, 14.7, 14.7, 19.6},
    {4.9, 4.9, 4.9, 9.8, 14.7},
};

int FilaPresionAvion(double hr)
{
    int i = 0;
    while (i < 9 && !(ProfundidadAvion[i + 1] > hr))
        ++i;
    return i;
}

namespace {

double PresionAeropuerto(std::uint8_t avion, double hr)
{
    const int columna = avion - 1;
    if (hr >= 15.0)
        return PresionAvion[10][columna];
    const int i = FilaPresionAvion(hr);
    return Interpola(hr, ProfundidadAvion[i], ProfundidadAvion[i + 1], PresionAvion[i][columna],
                     PresionAvion[i + 1][columna]);
}

}  // namespace

TerminosCarretera TerminosDeCarretera(std::uint8_t vehiculo, double De, double hr)
{
    const bool eje70 = vehiculo == 1;
    TerminosCarretera t{};
    // Coeficiente de impacto por altura de relleno.
    t.Ci = hr <= 0.6L ? 1.2 : (hr < 0.9L ? 1.1 : 1.0);
    // La carga se reparte a 1.4 en horizontal por cada unidad de profundidad.
    t.a = 1.4 * hr + 0.2 + 1.05 * De;
    t.b = 1.4 * hr + (eje70 ? 0.3 : 0.6);
    t.c = eje70 ? 1.4 * (hr - 1.21) : 1.4 * (hr - 1.0);
    t.d = 1.4 * hr + De - 1.7;
    return t;
}

CargaDeCarretera CargaCarretera(std::uint8_t vehiculo, double Di, double De, double hr)
{
    CargaDeCarretera r;
    RamaCarretera& rama = r.rama;
    if (vehiculo == 0 || vehiculo > 3)
        return r;
    rama.altura = RamaCarretera::Fuera;
    if (hr > 4.0 || hr < 0.5 || Di > 3.0 || Di <= 0.15L)
        return r;
    const auto [Ci, a, b, c, d] = TerminosDeCarretera(vehiculo, De, hr);
    const bool alta = vehiculo == 1 ? hr > 1.21L : hr >= 1.0;
    rama.altura = alta ? RamaCarretera::Alta
                       : (De <= 2.0 ? RamaCarretera::Baja : RamaCarretera::BajaDeGrande);
    rama.deMayor = alta ? De >= c : De >= b;

    if (vehiculo == 1) {  // eje simple de 70 kN, rueda de 35 kN
        if (alta)
            r.q = rama.deMayor ? 35 * (De + c) / (a * b) : 70 * De / (a * b);
        else if (rama.altura == RamaCarretera::Baja)
            r.q = rama.deMayor ? 35 * Ci / a : 35 * Ci * De / (a * b);
        else
            r.q = 35 * Ci * d / (a * b);
        return r;
    }
    if (vehiculo == 2) {  // eje simple de 130 kN, rueda de 65 kN
        if (alta)
            r.q = rama.deMayor ? 65 * (De + c) / (a * b) : 130 * De / (a * b);
        else if (rama.altura == RamaCarretera::Baja)
            r.q = rama.deMayor ? 65 * Ci / a : 65 * Ci * De / (a * b);
        else
            r.q = 65 * Ci * (De + c) / (a * b);
        return r;
    }
    // Carro de tres ejes de 600 kN, más 4 kN/m² repartidos sobre el tubo.
    if (alta) {
        r.q = rama.deMayor ? 300 * (De + c) / ((a + 3.0) * b) + 4.0 * De
                           : 600 * De / ((a + 3.0) * b) + 4.0 * De;
    } else if (rama.altura == RamaCarretera::Baja) {
        if (rama.deMayor) {
            r.q = 300 / (a + 3.0) + 4.0 * De;
        } else {
            const double unEje = 100 * De / (a * b);
            const double tresEjes = 300 * De / ((a + 3.0) * b);
            rama.unEje = unEje >= tresEjes;
            r.q = 4.0 * De + (rama.unEje ? unEje : tresEjes);
        }
    } else {
        r.q = 300 * (De + c) / ((a + 3.0) * b) + 4.0 * De;
    }
    return r;
}

TerminosVia TerminosDeVia(const Proyecto& p)
{
    const double hr = p.hr;
    const bool renfe = p.ViaIndex == 1;
    TerminosVia t{};
    t.separacion = renfe ? 3.7 : 4.0;
    t.largo = renfe ? 4.5 : 6.4;
    t.ancho = renfe ? 2.8 : 3.0;
    t.P = renfe ? 899.64 : 79.8 * (1.4 * (hr - 0.5) + 6.4) + 487.68;
    t.CiCalculado = renfe ? 1 + 0.33 * p.V / 100 - 0.1 * hr : 1.4 - 0.1 * (hr - 0.5);
    t.Ci = t.CiCalculado < 1.0 ? 1.0 : t.CiCalculado;
    // Área de reparto en la clave (m²).
    const double reparto = 1.4 * (hr - 0.5);
    t.A = (reparto + t.largo) * (reparto + t.ancho);
    return t;
}

bool ViaFueraDeAlcance(const Proyecto& p)
{
    return p.NVias == 0 || p.De <= 0 || p.ViaIndex == 0 || p.ViaIndex > 2 || p.hr < 1.0;
}

double CargaFerrocarril(Proyecto& p, Interlocutor& interlocutor)
{
    const double hr = p.hr;  // el cálculo sigue con la altura recibida
    const std::uint8_t via = p.ViaIndex;
    if (via != 0 && hr < 1.0)
        PreguntaSubirAltura(p, interlocutor, PreguntaFerrocarril);

    p.NViasActuantes = 0;
    if (hr < 1.0 || ViaFueraDeAlcance(p))  // con la altura recibida, aunque se subiera a 1 m
        return 0;

    const TerminosVia t = TerminosDeVia(p);

    double vias = 0;
    if (p.SentidoViaIndex == 0) {  // longitudinal: cuenta de la tabla, sin tope en NVias
        vias = std::trunc((1.401 * hr + t.ancho) / t.separacion) + 1;
    } else {  // transversal: vías cuya franja de reparto alcanza la distancia dh
        for (int k = 0; k < p.NVias; ++k)
            if (k * t.separacion - t.A / 2 <= p.dh && p.dh <= k * t.separacion + t.A / 2)
                ++vias;
    }
    p.NViasActuantes = static_cast<std::uint8_t>(std::clamp(vias, 0.0, 255.0));
    return vias * t.Ci * p.De * t.P / t.A;
}

double CargaAeropuerto(Proyecto& p, Interlocutor& interlocutor)
{
    const std::uint8_t avion = p.AeropuertoIndex;
    if (avion == 0 || avion > 5)
        return 0;
    if (p.hr < 1.0) {
        if (!PreguntaSubirAltura(p, interlocutor, PreguntaAeropuerto))
            return 0;
        return std::round(PresionAeropuerto(avion, p.hr) * p.De * 1000) / 1000;
    }
    return PresionAeropuerto(avion, p.hr) * p.De;
}

bool TraficoPesadoSinContar(const Proyecto& p)
{
    return p.hr < 1.0 && ((p.TraficoIndex == 1 && p.ViaIndex != 0) ||
                          (p.TraficoIndex == 2 && p.AeropuertoIndex != 0));
}

double CargaTrafico(Proyecto& p, Interlocutor& interlocutor)
{
    // Trenes y aviones no cargan con menos de 1 m de relleno: no se pregunta
    // aquí (se pregunta al elegirlos o al dejar la casilla hr), y la búsqueda de
    // validez los cuenta en cuanto la altura llega a 1 m.
    if (TraficoPesadoSinContar(p)) {
        p.NViasActuantes = 0;
        return 0;
    }
    switch (p.TraficoIndex) {
    case 0: return CargaCarretera(p.CarreteraIndex, p.Di, p.De, p.hr).q;
    case 1: return CargaFerrocarril(p, interlocutor);
    case 2: return CargaAeropuerto(p, interlocutor);
    default: return 0;
    }
}
