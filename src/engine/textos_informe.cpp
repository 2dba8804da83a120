#include "textos_informe.h"

#include <algorithm>
#include <cmath>

#include "apoyo.h"
#include "factor_apoyo.h"
#include "listas.h"
#include "medidas_apoyo.h"
#include "numero.h"
#include "proyecto.h"
#include "trafico.h"

namespace {

// Las cargas se truncan, no se redondean.
std::string N2(double x)
{
    return TextoNumero(Trunca2(x));
}

// Croquis de cama por el ángulo de apoyo del código Tipo; vacío si no es una cama.
std::string CroquisCama(const std::string& instalacion, int tipo)
{
    const CamaZanja* cama = CamaDeCodigo(tipo);
    if (!cama)
        return {};
    return instalacion + (cama->angulo == 90 ? "090" : std::to_string(cama->angulo));
}

// La clase D (Tipo 3) no lleva sufijo: la memoria no acota su apoyo.
std::string SufijoClase(std::int8_t tipo)
{
    const std::string letra = LetraClaseTerraplen(tipo);
    if (letra.empty() || tipo == 3)
        return {};
    return " (Clase " + letra + ")";
}

std::string Plural(int cuantos)
{
    return cuantos == 1 ? std::string() : "s";
}

std::string LineaTrafico(const Proyecto& p)
{
    std::string t;
    switch (p.TraficoIndex) {
    case 0: t = "Carretera," + ListaCarreteras.Texto(p.CarreteraIndex); break;
    case 1:
        t = "Ferroviaria, " + ListaVias.Texto(p.ViaIndex) + " " + TextoNumero(p.NVias) + " via" +
            Plural(p.NVias) + ",(" + TextoNumero(p.NViasActuantes) + " actuante" +
            Plural(p.NViasActuantes) + "), dh=" + TextoNumero(p.dh) + ", " + TextoNumero(p.V) +
            "Km/h";
        break;
    case 2: t = "Aeropuerto," + ListaAeropuertos.Texto(p.AeropuertoIndex); break;
    default: break;
    }
    // Con menos de 1 m de relleno trenes y aviones no cargan: la memoria lo dice.
    if (TraficoPesadoSinContar(p))
        t += " (no se cuenta: hr < 1 m)";
    return "Carga " + t;
}

// Rótulos de talud y resguardo, relleno y base de la leyenda, que también
// completan la línea de instalación.
void Leyenda(const Proyecto& p, TextosInforme& t, std::string& instalacion)
{
    auto& x = t.textos;
    const int tipo = p.Tipo;
    const bool terraplen = GrupoTerraplen(p);
    const CamaZanja* cama = CamaDeCodigo(tipo);

    if (GrupoZanja(p)) {
        if (p.TaludDefinido) {
            x["LTalud"] = "Talud= " + TextoNumero(p.TaludH) + ":" + TextoNumero(p.TaludV);
            x["LResguardo"] = "Resguardo=" + TextoNumero(p.Resguardo) + " m.";
        }
        if (cama)
            x["LRelleno"] = cama->relleno;
    } else if (terraplen) {
        instalacion += ";Base: " + ListaBases.Texto(p.BaseIndex);
    }

    // Las clases A (0), B y C (1, 2) también tienen base; la cama sin base propia es "Idem".
    if (cama)
        x["LBase"] = *cama->base != '\0' ? cama->base : "Idem";
    else if (tipo == 0)
        x["LBase"] = "Hormigón";
    else if (tipo == 1 || tipo == 2)
        x["LBase"] = "Material Granular Compactado 95% P.N.";
    // En terraplén el código 3 es la clase D, sin base de hormigón.
    if (terraplen && tipo == 3)
        x["LBase"] = "";
    // Factor de apoyo tecleado: no se sabe qué cama hay.
    if (tipo == 14) {
        instalacion.clear();
        x["LBase"] = "";
        x["LRelleno"] = "";
    }
}

}  // namespace

LeyendaCotas LeyendaDeCotas(const Proyecto& p)
{
    LeyendaCotas l{p.ValorA, p.ValorB, p.ValorC, p.ValorC2};
    const std::optional<MedidasApoyo> m = MedidasDeApoyo(p);
    if (m) {
        const auto cota = [](const char* nombre, std::optional<double> x) {
            return x ? nombre + TextoNumero(*x) + " m." : std::string();
        };
        // En zanja, la cama de norma; en terraplén, los mínimos de la clase.
        const std::string igual = m->minimos ? "c>=" : "c=";
        l.a = cota("a=", m->a);
        l.b = GrupoZanja(p) ? cota("b=", p.b) : cota("b>=", m->ancho);
        l.c = igual + TextoNumero(m->c) + " m." + (m->cRoca ? "(Suelo)" : "");
        l.c2 = m->cRoca ? igual + TextoNumero(*m->cRoca) + " m.(Roca)" : "";
        if (!m->minimos && !m->cRoca)
            l.c = "c = 0 m.";  // el apoyo directo
    }
    // Factor de apoyo tecleado: no se sabe qué cama hay, ni su altura.
    if (p.Tipo == 14)
        l.a.clear();
    return l;
}

TextosInforme TextosDelInforme(const Proyecto& p, const ResultadoInforme& r)
{
    TextosInforme t;
    auto& x = t.textos;
    const bool comoTerraplen = p.ZanjaComoTerraplen != 0;
    const std::string formulaTerraplen = p.hr > p.ho ? "Formula3" : "Formula2";

    x["LVersion"] = VersionInforme;
    x["LTalud"] = "";
    x["LResguardo"] = "";
    x["LCTerreno"] = comoTerraplen ? "Carga producida por terreno (qr): calculada como terraplén "
                                     "por sobrepasar el ancho de zanja b la anchura de transición."
                                   : "Carga producida por terreno (qr):";
    x["Lmrelleno"] = "λμ =";
    x["LDLambda"] = TextoNumero(p.lambdami);

    std::string instalacion;
    bool h1r = false, h2r = false;
    switch (p.InstalacionIndex) {
    case InstalacionZanja:
        if (comoTerraplen) {
            t.formula = formulaTerraplen;
        } else {
            // La zanja usa el rozamiento contra sus paredes.
            x["Lmrelleno"] = "λμ′ =";
            x["LDLambda"] = TextoNumero(p.lambdami1);
            t.formula = "Formula1";
        }
        t.croquis = CroquisCama("IBNZAN", p.Tipo);
        instalacion = "Instalación en Zanja";
        break;
    case InstalacionTerraplen:
        t.formula = formulaTerraplen;
        t.croquis = "ITerraplen";
        instalacion = "Instalación en Terraplén" + SufijoClase(p.Tipo);
        h1r = true;
        break;
    case InstalacionZanjaTerraplenada:
        // Sus fórmulas usan λμ (no λμ′): el rótulo sigue siendo λμ, el del valor.
        if (comoTerraplen)
            t.formula = formulaTerraplen;
        else
            t.formula = p.hr > p.ho ? "Formula5" : "Formula4";
        t.croquis = CroquisCama("IBNZTE", p.Tipo);
        instalacion = "Instalación en Zanja Terraplenada";
        h2r = true;
        break;
    case InstalacionZanjaInducida:
        t.formula = p.hr > p.ho ? "Formula7" : "Formula6";
        t.croquis = "IZanInd";
        instalacion = "Instalación en Zanja Inducida" + SufijoClase(p.Tipo);
        h1r = true;
        x["LTalud"] = "hr2= " + TextoNumero(p.hr2) + " m.";
        x["LResguardo"] = "b2= " + TextoNumero(p.b2) + " m.";
        break;
    default: break;
    }
    for (const char* nombre : {"Lh1r", "LDh1r"})
        t.visibles[nombre] = h1r;
    for (const char* nombre : {"Lh2r", "LDH2r"})
        t.visibles[nombre] = h2r;

    instalacion += ";Relleno: " + ListaRellenos.Texto(p.RellenoIndex);
    x["LBase"] = "";
    x["LRelleno"] = "";
    Leyenda(p, t, instalacion);
    x["LInstalacion"] = instalacion;

    const bool conHo = p.InstalacionIndex != InstalacionZanja || comoTerraplen;
    t.visibles["LDH0"] = conHo;
    t.visibles["LDH0_1"] = conHo;

    const LeyendaCotas cotas = LeyendaDeCotas(p);
    x["LDde"] = TextoNumero(p.De) + " m.";
    x["LDdi"] = TextoNumero(p.Di) + " m.";
    x["LDEs"] = TextoNumero(p.Es * 1000) + " mm.";
    x["LDhr"] = TextoNumero(p.hr) + " m.";
    x["LDh1r"] = TextoNumero(p.hr1) + " m.";
    x["LDH2r"] = TextoNumero(p.h2r) + " m.";
    x["LDa"] = cotas.a;
    x["LDb"] = cotas.b;
    x["LDc"] = cotas.c;
    x["LDC2"] = cotas.c2;
    t.visibles["Lc1"] = !cotas.c2.empty();
    t.visibles["LDC2"] = !cotas.c2.empty();
    x["LDFap"] = TextoNumero(p.Fa);
    x["LDgamma"] = TextoNumero(p.gamma) + " kN/m³";
    x["LDH0"] = TextoNumero(p.ho) + " m.";

    // Si el cálculo se detuvo, las cargas que no llegó a calcular no se muestran.
    const auto carga = [&r](double valor, PasoCarga paso) {
        return r.entrega.Escrito(paso) ? N2(valor) + " kN/m" : std::string("--");
    };
    x["LDQ1"] = "qr= " + carga(p.qr, PasoCarga::Relleno);
    x["LDQ2"] = carga(p.qm, PasoCarga::Trafico);
    x["LDQtotal"] = carga(p.qTotal, PasoCarga::Total);
    x["LPuntual"] =
        "Carga puntual de " + TextoNumero(p.qp) + "t. situada a " + TextoNumero(p.D) + " m";
    x["LDQ3"] = carga(p.fp, PasoCarga::Puntual);
    x["LSup"] = "Carga uniformemente distribuida en superficie de " + TextoNumero(p.qs) + " t/m²";
    x["LDQ4"] = carga(p.fs, PasoCarga::Superficie);
    x["LComp"] = p.CompactadorIndex != 0 ? "Carga debida a compactador " +
                                               ListaCompactadores.Texto(p.CompactadorIndex) + " " +
                                               N2(p.pq) + " t/m rodillo"
                                         : std::string("Carga debida a compactador");
    x["LDQ5"] = carga(p.fc, PasoCarga::Compactacion);
    x["LTrafico"] = LineaTrafico(p);

    const bool entregada = r.entrega.Entregada();
    x["LDQFisuracion"] = "  ";
    x["LDCarga"] = entregada ? N2(r.valor) + " kN/m²" : std::string("--");
    switch (r.modo) {
    case 1:
        x["TextoTipoCalculo"] = "Clase mínima UNE-127.010 exigible:";
        x["LDres"] = "Clase " + r.clase;
        break;
    case 2:
        x["TextoTipoCalculo"] = "Clase mínima ASTM-C76M exigible:";
        x["LDres"] = "Clase " + r.clase;
        if (entregada) {
            x["LCociente"] = r.factor;
            x["LDQFisuracion"] =
                "Carga de Fisuración= " + TextoNumero(std::trunc(p.CargaCalculo * 100) / 150) +
                " kN/m²";
        }
        break;
    default:
        x["TextoTipoCalculo"] = "Carga calculada:";
        x["LDres"] = N2(r.valor) + " kN/m²";
        break;
    }
    x["LDhrMax"] = r.validez;
    if (!entregada) {
        // Sin carga de cálculo no hay clase: nada de un resultado anterior.
        x["LDres"] = "Error";
        x["LDhrMax"] = "(No se pudo completar el cálculo de cargas)";
    }
    return t;
}
