#include "memoria_textos.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "apoyo.h"
#include "espesores.h"
#include "informe.h"
#include "listas.h"
#include "numero.h"
#include "numero_qt.h"
#include "proyecto.h"

namespace {

// Las cargas se truncan, no se redondean.
QString N2(double x)
{
    return TextoQ(Trunca2(x));
}

QString Texto(const ListaTextos& lista, std::size_t indice)
{
    return QString::fromStdString(lista.Texto(indice));
}

bool Entre(int tipo, std::initializer_list<int> lista)
{
    return std::find(lista.begin(), lista.end(), tipo) != lista.end();
}

// Croquis de cama por el ángulo de apoyo del código Tipo; vacío si no es una cama.
QString CroquisCama(const QString& instalacion, int tipo)
{
    if (Entre(tipo, {3, 4, 9, 10, 13}))
        return instalacion + "180";
    if (Entre(tipo, {5, 6}))
        return instalacion + "120";
    if (Entre(tipo, {7, 8, 11, 12}))
        return instalacion + "090";
    return {};
}

// La clase D (Tipo 3) no lleva sufijo: la memoria no acota su apoyo.
QString SufijoClase(std::int8_t tipo)
{
    const std::string letra = LetraClaseTerraplen(tipo);
    if (letra.empty() || tipo == 3)
        return {};
    return " (Clase " + QString::fromStdString(letra) + ")";
}

QString Plural(int cuantos)
{
    return cuantos == 1 ? QString() : QStringLiteral("s");
}

QString LineaTrafico(const Proyecto& p)
{
    QString t;
    switch (p.TraficoIndex) {
    case 0: t = "Carretera," + Texto(ListaCarreteras, p.CarreteraIndex); break;
    case 1:
        t = "Ferroviaria, " + Texto(ListaVias, p.ViaIndex) + " " + TextoQ(p.NVias) + " via" +
            Plural(p.NVias) + ",(" + TextoQ(p.NViasActuantes) + " actuante" + Plural(p.NViasActuantes) +
            "), dh=" + TextoQ(p.dh) + ", " + TextoQ(p.V) + "Km/h";
        break;
    case 2: t = "Aeropuerto," + Texto(ListaAeropuertos, p.AeropuertoIndex); break;
    default: break;
    }
    return "Carga " + t;
}

// Textos de la leyenda de cotas (ValorA … ValorC2, talud y resguardo) y del
// relleno y la base, que también completan la línea de instalación.
void Leyenda(Proyecto& p, TextosInforme& t, QString& instalacion)
{
    auto& x = t.textos;
    const int tipo = p.Tipo;
    // Un Di tecleado 0.7 cuenta como menor que 0.7 (primera banda).
    const QString suelo = TextoQ(EspesorCamaNorma(1, p.Di, true));
    const QString roca = TextoQ(EspesorCamaNorma(0, p.Di, true));
    const bool zanja = p.InstalacionIndex == InstalacionZanja ||
                       p.InstalacionIndex == InstalacionZanjaTerraplenada;
    const bool terraplen = p.InstalacionIndex == InstalacionTerraplen ||
                           p.InstalacionIndex == InstalacionZanjaInducida;

    if (zanja) {
        p.ValorB = "b=" + TextoNumero(p.b) + " m.";
        p.ValorC = "c=" + suelo.toStdString() + " m.(Suelo)";
        p.ValorC2 = "c=" + roca.toStdString() + " m.(Roca)";
        if (tipo == 13) {
            p.ValorC = "c = 0 m.";
            p.ValorC2.clear();
        }
        if (p.TaludDefinido) {
            x["LTalud"] = "Talud= " + TextoQ(p.TaludH) + ":" + TextoQ(p.TaludV);
            x["LResguardo"] = "Resguardo=" + TextoQ(p.Resguardo) + " m.";
        }
        // a: altura de la cama, en fracción de De por el ángulo de apoyo. Sin
        // cama conocida no hay a (el texto anterior no vale para este caso).
        double fraccion = 0;
        if (Entre(tipo, {3, 4, 9, 10, 13}))
            fraccion = 2;
        else if (Entre(tipo, {5, 6}))
            fraccion = 4;
        else if (Entre(tipo, {7, 8, 11, 12}))
            fraccion = 6;
        p.ValorA = fraccion > 0 ? "a=" + TextoNumero(p.De / fraccion) + " m." : std::string();

        if (Entre(tipo, {3, 5, 7, 10, 11}))
            x["LRelleno"] = "Relleno Compactado 95% P.N.";
        else if (Entre(tipo, {4, 6, 8, 12}))
            x["LRelleno"] = "Relleno Seleccionado sin compactar";
        else if (tipo == 9)
            x["LRelleno"] = "Material Granular Compactado 95% P.N.";
        else if (tipo == 13)
            x["LRelleno"] = "Relleno fino";
    } else if (terraplen) {
        p.ValorC = "c>=" + suelo.toStdString() + " m.(Suelo)";
        p.ValorC2 = "c>=" + roca.toStdString() + " m.(Roca)";
        // a y b solo para las clases A, B y C; la D (apoyo directo) no tiene cama.
        std::string a, b;
        switch (tipo) {
        case 0:
            a = TextoNumero(p.De / 4);
            b = TextoNumero(0.2 + p.De);
            p.ValorC = "c>=" + TextoNumero(0.25 * p.Di) + " m.";
            p.ValorC2.clear();
            break;
        case 1:
            a = TextoNumero(0.4 * p.De);
            b = TextoNumero(1.25 * p.De);
            break;
        case 2:
            a = TextoNumero(0.17 * p.De);
            b = TextoNumero(1.25 * p.De);
            break;
        default: break;
        }
        p.ValorA = a.empty() ? a : "a=" + a + " m.";
        p.ValorB = b.empty() ? b : "b>=" + b + " m.";
        instalacion += ";Base: " + Texto(ListaBases, p.BaseIndex);
    }

    if (Entre(tipo, {0, 3, 4, 5, 6, 7, 8}))
        x["LBase"] = "Hormigón";
    else if (Entre(tipo, {1, 2, 10, 11, 12}))
        x["LBase"] = "Material Granular Compactado 95% P.N.";
    else if (Entre(tipo, {9, 13}))
        x["LBase"] = "Idem";
    // En terraplén el código 3 es la clase D, sin base de hormigón.
    if (terraplen && tipo == 3)
        x["LBase"] = "";
    // Factor de apoyo tecleado: no se sabe qué cama hay.
    if (tipo == 14) {
        instalacion.clear();
        x["LBase"] = "";
        x["LRelleno"] = "";
        p.ValorA.clear();
    }
}

} // namespace

TextosInforme TextosDelInforme(Proyecto& p, const ResultadoInforme& r)
{
    TextosInforme t;
    auto& x = t.textos;
    const bool comoTerraplen = p.ZanjaComoTerraplen != 0;
    const QString formulaTerraplen = p.hr > p.ho ? "Formula3" : "Formula2";

    x["LVersion"] = "Versión: 2.02a";
    x["LTalud"] = "";
    x["LResguardo"] = "";
    x["LCTerreno"] = comoTerraplen ? "Carga producida por terreno (qr): calculada como terraplén "
                                     "por sobrepasar el ancho de zanja b la anchura de transición."
                                   : "Carga producida por terreno (qr):";
    x["Lmrelleno"] = "λμ =";
    x["LDLambda"] = TextoQ(p.lambdami);

    QString instalacion;
    bool h1r = false, h2r = false;
    switch (p.InstalacionIndex) {
    case InstalacionZanja:
        if (comoTerraplen) {
            t.formula = formulaTerraplen;
        } else {
            // La zanja usa el rozamiento contra sus paredes.
            x["Lmrelleno"] = "λμ′ =";
            x["LDLambda"] = TextoQ(p.lambdami1);
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
        x["LTalud"] = "hr2= " + TextoQ(p.hr2);
        x["LResguardo"] = "b2= " + TextoQ(p.b2);
        break;
    default: break;
    }
    for (const char* nombre : {"Lh1r", "LDh1r"})
        t.visibles[nombre] = h1r;
    for (const char* nombre : {"Lh2r", "LDH2r"})
        t.visibles[nombre] = h2r;

    instalacion += ";Relleno: " + Texto(ListaRellenos, p.RellenoIndex);
    x["LBase"] = "";
    x["LRelleno"] = "";
    Leyenda(p, t, instalacion);
    x["LInstalacion"] = instalacion;

    const bool conHo = p.InstalacionIndex != InstalacionZanja || comoTerraplen;
    t.visibles["LDH0"] = conHo;
    t.visibles["LDH0_1"] = conHo;

    x["LDde"] = TextoQ(p.De) + " m.";
    x["LDdi"] = TextoQ(p.Di) + " m.";
    x["LDEs"] = TextoQ(p.Es * 1000) + " mm.";
    x["LDhr"] = TextoQ(p.hr) + " m.";
    x["LDh1r"] = TextoQ(p.hr1) + " m.";
    x["LDH2r"] = TextoQ(p.h2r) + " m.";
    x["LDa"] = QString::fromStdString(p.ValorA);
    x["LDb"] = QString::fromStdString(p.ValorB);
    x["LDc"] = QString::fromStdString(p.ValorC);
    x["LDC2"] = QString::fromStdString(p.ValorC2);
    t.visibles["Lc1"] = !p.ValorC2.empty();
    t.visibles["LDC2"] = !p.ValorC2.empty();
    x["LDFap"] = TextoQ(p.Fa);
    x["LDgamma"] = TextoQ(p.gamma) + " kN/m³";
    x["LDH0"] = TextoQ(p.ho) + " m.";

    // Si el cálculo se detuvo, las cargas que no llegó a calcular no se muestran.
    const auto carga = [&r](double valor, PasoCarga paso) {
        return r.entrega.Escrito(paso) ? N2(valor) + " kN/m" : QStringLiteral("--");
    };
    x["LDQ1"] = "qr= " + carga(p.qr, PasoCarga::Relleno);
    x["LDQ2"] = carga(p.qm, PasoCarga::Trafico);
    x["LDQtotal"] = carga(p.qTotal, PasoCarga::Total);
    x["LPuntual"] = "Carga puntual de " + TextoQ(p.qp) + "t. situada a " + TextoQ(p.D) + " m";
    x["LDQ3"] = carga(p.fp, PasoCarga::Puntual);
    x["LSup"] = "Carga uniformemente distribuida en superficie de " + TextoQ(p.qs) + " t/m²";
    x["LDQ4"] = carga(p.fs, PasoCarga::Superficie);
    x["LComp"] = p.CompactadorIndex != 0 ? "Carga debida a compactador " +
                                               Texto(ListaCompactadores, p.CompactadorIndex) + " " +
                                               N2(p.pq) + " t/m rodillo"
                                         : QStringLiteral("Carga debida a compactador");
    x["LDQ5"] = carga(p.fc, PasoCarga::Compactacion);
    x["LTrafico"] = LineaTrafico(p);

    const bool entregada = r.entrega.Entregada();
    x["LDQFisuracion"] = "  ";
    x["LDCarga"] = entregada ? N2(r.valor) + " kN/m²" : QStringLiteral("--");
    switch (p.ModoCalculo) {
    case 1:
        x["TextoTipoCalculo"] = "Clase mínima UNE-127.010 exigible:";
        x["LDres"] = "Clase " + QString::fromStdString(r.clase);
        break;
    case 2:
        x["TextoTipoCalculo"] = "Clase mínima ASTM-C76M exigible:";
        x["LDres"] = "Clase " + QString::fromStdString(r.clase);
        if (entregada) {
            x["LCociente"] = QString::fromStdString(r.factor);
            x["LDQFisuracion"] =
                "Carga de Fisuración= " + TextoQ(std::trunc(p.CargaCalculo * 100) / 150) + " kN/m²";
        }
        break;
    default:
        x["TextoTipoCalculo"] = "Carga calculada:";
        x["LDres"] = N2(r.valor) + " kN/m²";
        break;
    }
    x["LDhrMax"] = QString::fromStdString(r.validez);
    if (!entregada) {
        // Sin carga de cálculo no hay clase: nada de un resultado anterior.
        x["LDres"] = "Error";
        x["LDhrMax"] = "(No se pudo completar el cálculo de cargas)";
    }
    return t;
}
