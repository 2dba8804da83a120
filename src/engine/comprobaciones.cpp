#include "comprobaciones.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "espesores.h"
#include "proyecto.h"
#include "trafico.h"

namespace {

const char* const CorrigeAutomatico = "por lo que se corrige automáticante el valor.";
const char* const H1rMayorQueDe = "h´r debe ser menor o igual al diámetro exterior (De) del tubo";
const char* const B2MenorQueDe =
    "B2 ha de ser un valor como mínimo igual al diámetro exterior de la tubería.";

}  // namespace

NumeroTecleado LeeTecleadoCasilla(std::string_view texto, bool saliendo)
{
    NumeroTecleado leido = LeeTecleado(texto);
    if (leido.estado == Tecleo::AMedias && saliendo)
        leido.estado = Tecleo::Imposible;
    return leido;
}

EnteroTecleado LeeEnteroCasilla(std::string_view texto, bool saliendo)
{
    EnteroTecleado leido = LeeEnteroTecleado(texto);
    if (leido.estado == Tecleo::AMedias && saliendo)
        leido.estado = Tecleo::Imposible;
    return leido;
}

bool CampoSinSigno(int clave)
{
    // Medidas, alturas y cargas; no los ángulos de rozamiento ni el peso específico.
    static constexpr int claves[] = {
        CasillaB,  CasillaDe, CasillaDi, CasillaEs, CasillaFa, CasillaHr, CasillaHr1, CasillaH2r,
        CasillaQs, CasillaD,  CasillaQp, CasillaDh, CasillaPq, CasillaB2, CasillaHr2, CasillaV};
    return std::find(std::begin(claves), std::end(claves), clave) != std::end(claves);
}

std::string ValorImposible(int clave, double valor)
{
    switch (clave) {
    case CasillaGamma:
        return valor < 0 ? "El peso específico del relleno (γ) no puede ser negativo." : "";
    case CasillaFi:
        return valor < 0 || valor >= 90
                   ? "El ángulo de rozamiento interno del relleno (fi) debe estar entre 0 y 90 "
                     "grados."
                   : "";
    case CasillaFi1:
        return valor < 0 || valor >= 90 ? "El ángulo de rozamiento del relleno contra los "
                                          "paramentos (fi') debe estar entre 0 y 90 grados."
                                        : "";
    default: return "";
    }
}

std::string DatosImposibles(const Proyecto& p)
{
    if (p.RellenoIndex == RellenoUsuario) {
        for (const auto& [clave, valor] :
             {std::pair{int(CasillaFi), p.fi}, {CasillaFi1, p.fi1}, {CasillaGamma, p.gamma}})
            if (std::string imposible = ValorImposible(clave, valor); !imposible.empty())
                return imposible;
    }
    if (GrupoTerraplen(p) && p.hr1 > p.De && p.De > 0.01)
        return H1rMayorQueDe + std::string(".");
    if (p.InstalacionIndex == InstalacionZanjaInducida && p.b2 < p.De)
        return B2MenorQueDe;
    return "";
}

LecturaCampo LeeCampo(int clave, std::string_view texto, bool saliendo, double guardado)
{
    const NumeroTecleado leido = LeeTecleadoCasilla(texto, saliendo);
    LecturaCampo r;
    r.estado = leido.estado;
    if (leido.estado == Tecleo::AMedias)
        return r;
    const double valor = CampoSinSigno(clave) ? std::fabs(leido.valor) : leido.valor;
    if (leido.estado == Tecleo::Valido && !ValorImposible(clave, valor).empty()) {
        // Ningún dígito más lo arreglaría: se dice ya y la casilla vuelve al valor guardado.
        r.estado = Tecleo::Imposible;
        r.mensaje = ValorImposible(clave, valor);
        r.rehace = true;
        r.rehecho = guardado;
        return r;
    }
    if (leido.estado == Tecleo::Valido) {
        r.guarda = true;
        r.valor = valor;
        return r;
    }
    switch (clave) {
    case CasillaDi:  // el diámetro y el espesor no válidos vuelven al valor guardado, con su aviso
    case CasillaEs:
        r.mensaje = "Valor no válido";
        r.rehace = true;
        r.rehecho = guardado;
        return r;
    case CasillaB:
    case CasillaFa:  // la anchura y el factor no válidos vuelven al valor guardado
        r.rehace = true;
        r.rehecho = guardado;
        return r;
    default:  // se guarda lo leído aun de un texto no válido, y el texto se rehace
        r.guarda = true;
        r.valor = valor;
        r.rehace = true;
        r.rehecho = valor;
        return r;
    }
}

bool SinParamentosDeZanja(const Proyecto& p)
{
    return GrupoTerraplen(p) && p.RellenoIndex == RellenoUsuario;
}

MedidasTubo TuboConDiametro(double DiMm, double Es)
{
    MedidasTubo t;
    t.Di = DiMm / 1000;
    const double normalizado = EspesorNormalizado(t.Di);
    t.Es = normalizado != 0 ? normalizado : Es;
    t.De = 2 * t.Es + t.Di;
    return t;
}

MedidasTubo TuboConEspesor(double Di, double EsMm)
{
    MedidasTubo t;
    t.Di = Di;
    t.Es = EsMm / 1000;
    t.De = 2 * t.Es + t.Di;
    return t;
}

CorreccionCasilla CompruebaAlturaRelleno(const Proyecto& p)
{
    CorreccionCasilla r{p.hr, ""};
    if (p.hr == 0)
        return r;
    const bool inducida = p.InstalacionIndex == InstalacionZanjaInducida;
    std::string motivo;
    if (inducida && r.valor <= p.hr2) {
        r.valor = p.hr2 + 0.1;
        motivo = " mayor de hr2, ";
    }
    if (inducida && r.valor < p.De) {
        r.valor = p.De;
        motivo = " mayor o igual que De, ";
    }
    if (r.valor < 0.5) {
        r.valor = 0.5;
        motivo = "mayor o igual a 0.5 m, ";
    }
    if (p.InstalacionIndex == InstalacionZanjaTerraplenada && r.valor <= p.h2r && p.De > 0.01) {
        r.valor = p.h2r + 0.1;
        motivo = " mayor que h\"r, ";
    }
    if (!motivo.empty())
        r.mensaje = "Para garantizar un correcto reparto de las cargas, hr debe ser " + motivo +
                    " " + CorrigeAutomatico;
    return r;
}

std::string AvisoEspesorPared(const Proyecto& p)
{
    const double normalizado = EspesorNormalizado(p.Di);
    if (normalizado <= p.Es || p.AvisoEspesor != 1)
        return "";
    return "La Norma UNE 127.010 recomienda un espesor de pared mínimo de " +
           TextoNumero(normalizado * 1000) + " mm. ¿Quiere mantener activado este aviso?";
}

CorreccionCasilla SalidaH1r(const Proyecto& p)
{
    if (p.hr1 > p.De && p.De > 0.01)
        return {p.De, H1rMayorQueDe + std::string(", ") + CorrigeAutomatico};
    return {p.hr1, ""};
}

CorreccionCasilla SalidaH2r(const Proyecto& p)
{
    if (p.h2r != 0 && p.h2r >= p.hr)  // sube el relleno; h''r se queda
        return {p.h2r + 0.1, std::string("h\"r debe ser menor que la altura del relleno (hr), ") +
                                 CorrigeAutomatico};
    return {p.hr, ""};
}

SalidaHr2Zanja SalidaHr2(const Proyecto& p)
{
    SalidaHr2Zanja r{{p.hr, ""}, false};
    if (p.hr2 == 0)
        return r;
    if (p.hr2 >= p.hr)
        r.hr = {p.hr2 + 0.1, std::string("hr2 debe ser menor que la altura del relleno (hr), ") +
                                 CorrigeAutomatico};
    r.corrigeHr2 = p.b2 > 0.01;
    return r;
}

CorreccionCasilla SalidaB2(const Proyecto& p)
{
    if (p.b2 < p.De)
        return {p.De, B2MenorQueDe};
    return {p.b2, ""};
}

ConsejoTrafico ConsejoCarretera(double hr, std::uint8_t carretera)
{
    if (hr > 0 && hr < 1.0 && carretera != 0)
        return {"", "Para la determinación de la carga producida por el tráfico automovilístico es "
                    "recomendable que hr sea no menor de 1m."};
    return {};
}

ConsejoTrafico ConsejoAeropuerto(double hr, std::uint8_t aeropuerto)
{
    if (aeropuerto != 0 && hr >= 1.0 && hr < 1.5)
        return {"", "En la determinación de la carga producida por el tráfico aéreo  se recomienda "
                    "que la altura de relleno (hr) tenga un valor no menor de 1.5 m."};
    return {};
}

ConsejoTrafico ConsejoVia(double hr, std::uint8_t via)
{
    if (via != 0 && hr < 1.0)
        return {PreguntaFerrocarril, ""};
    if (via != 0 && hr < 1.5)
        return {"", "En la determinación de la carga ferroviaria  se recomienda que la altura de "
                    "relleno (hr) tenga un valor no menor de 1.5 m."};
    return {};
}

CorreccionCasilla VelocidadTren(double V)
{
    if (V > 200)
        return {200, "La máxima velocidad permitida en la Memoria es 200 km/h., " +
                         std::string(CorrigeAutomatico)};
    return {V, ""};
}

std::uint8_t NumeroVias(long long tecleado)
{
    const auto vias = static_cast<std::uint8_t>(static_cast<unsigned long long>(tecleado) % 256);
    return vias > 10 ? 10 : vias;
}

CambioInstalacion CambiaInstalacion(const Proyecto& p, std::string_view textoB)
{
    CambioInstalacion r;
    r.borraRelleno = SinParamentosDeZanja(p);
    if (p.InstalacionIndex != InstalacionTerraplen) {
        const NumeroTecleado b = LeeTecleadoCasilla(textoB, false);
        r.releeB = true;
        r.rehaceB = b.estado != Tecleo::Valido;
        r.b = r.rehaceB ? 0 : std::fabs(b.valor);
    }
    return r;
}
