#include "desglose.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "compactacion.h"
#include "fallos.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
#include "relleno.h"
#include "trafico.h"

namespace {

using Lineas = std::vector<std::string>;
using Valores = std::initializer_list<std::pair<std::string_view, std::string>>;

// Datos, cotas y coeficientes tabulados: como los escribe la memoria.
std::string N(double x)
{
    return TextoNumero(x);
}

// Cargas: truncadas a dos decimales, como las muestra la memoria.
std::string N2(double x)
{
    return TextoNumero(Trunca2(x));
}

// Coeficientes calculados, con cuatro decimales: con tres, la carga que rehace
// el revisor con ellos se aparta del resultado en la segunda cifra decimal.
std::string C4(double x)
{
    return TextoGeneral(std::round(x * 1e4) / 1e4);
}

// --- Fórmulas con sus valores ---------------------------------------------

// Caracteres de varios bytes que son signos y no forman parte de un símbolo.
bool EsSigno(std::string_view c)
{
    for (std::string_view signo : {"·", "−", "²", "⁵", "√", "≤", "≥", "°", "…", "→"})
        if (c == signo)
            return true;
    return false;
}

std::size_t LargoUtf8(unsigned char c)
{
    return c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
}

// El carácter en i puede formar parte de un símbolo (hr, λμ′, h″r, b2...).
bool DeSimbolo(std::string_view s, std::size_t i, bool primero)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    if (c >= '0' && c <= '9')
        return !primero;
    if (c >= 0x80)
        return !EsSigno(s.substr(i, LargoUtf8(c)));
    return false;
}

// La expresión con cada símbolo de valores sustituido por su valor (los
// negativos entre paréntesis); el resto queda tal cual.
std::string Sustituye(std::string_view expresion, Valores valores)
{
    std::string salida;
    std::size_t i = 0;
    while (i < expresion.size()) {
        std::size_t j = i;
        if (DeSimbolo(expresion, i, true)) {
            while (j < expresion.size() && DeSimbolo(expresion, j, false))
                j += LargoUtf8(static_cast<unsigned char>(expresion[j]));
            const std::string_view simbolo = expresion.substr(i, j - i);
            std::string texto(simbolo);
            for (const auto& [nombre, valor] : valores)
                if (nombre == simbolo)
                    texto = !valor.empty() && valor[0] == '-' ? "(" + valor + ")" : valor;
            salida += texto;
        } else {
            j += LargoUtf8(static_cast<unsigned char>(expresion[i]));
            salida += expresion.substr(i, j - i);
        }
        i = j;
    }
    return salida;
}

// "símbolo = expresión" y, debajo, la misma con los valores y el resultado.
void Formula(Lineas& l, const std::string& simbolo, std::string_view expresion, Valores valores,
             const std::string& resultado)
{
    l.push_back(simbolo + " = " + std::string(expresion));
    l.push_back(simbolo + " = " + Sustituye(expresion, valores) + " = " + resultado);
}

// Un término intermedio en una sola línea: expresión, valores y resultado.
void Termino(Lineas& l, const std::string& simbolo, std::string_view expresion, Valores valores,
             const std::string& resultado)
{
    l.push_back(simbolo + " = " + std::string(expresion) + " = " + Sustituye(expresion, valores) +
                " = " + resultado);
}

std::string Vias(int cuantas)
{
    return N(cuantas) + (cuantas == 1 ? " vía" : " vías");
}

std::string KNm(double carga)
{
    return N2(carga) + " kN/m";
}

// --- Carga del relleno ------------------------------------------------------

// λ, λμ y γ del relleno; c1 donde la instalación compara con el terraplén.
void LineasRelleno(const Proyecto& q, Lineas& l)
{
    const bool zanja = q.InstalacionIndex == InstalacionZanja;
    if (q.RellenoIndex >= RellenoUsuario) {
        l.push_back("Relleno definido por el usuario: φ = " + N(q.fi) + "°, φ′ = " + N(q.fi1) +
                    "°, γ = " + N(q.gamma) + " kN/m³");
        Termino(l, "λ", "tan²(45° − φ / 2)", {{"φ", N(q.fi) + "°"}}, C4(q.lambda));
        Termino(l, "λμ", "λ · tan(φ)", {{"λ", C4(q.lambda)}, {"φ", N(q.fi) + "°"}}, C4(q.lambdami));
        if (zanja)
            Termino(l, "λμ′", "λ · tan(φ′)", {{"λ", C4(q.lambda)}, {"φ′", N(q.fi1) + "°"}},
                    C4(q.lambdami1));
    } else {
        l.push_back("Relleno " + ListaRellenos.Texto(q.RellenoIndex) +
                    " (tabla de rellenos): " + (zanja ? "λμ′ = λμ = " : "λμ = ") + C4(q.lambdami) +
                    ", γ = " + N(q.gamma) + " kN/m³");
    }
    if (q.InstalacionIndex != InstalacionZanjaInducida)
        l.push_back(ListaBases.Texto(q.BaseIndex) + ": razón de asiento c1 = " + N(q.c1));
}

// Condición de proyección: completa mientras hr no pase del plano de igual asiento.
bool Completa(Lineas& l, double hr, double ho, const std::string& nombreHo)
{
    const bool completa = hr <= ho;
    l.push_back("hr = " + N(hr) + " m " + (completa ? "≤ " : "> ") + nombreHo + " = " + N(ho) +
                " m: condición de proyección " + (completa ? "completa" : "incompleta"));
    return completa;
}

// Carga del tubo en terraplén (proyección positiva) con la razón de proyección
// p (su texto en textoP) y la razón de asiento c1 del registro. Escribe su
// plano de igual asiento con el nombre ho y su carga con el de nombreQ.
double CargaTerraplenDesglosada(Lineas& l, const Proyecto& q, double p, const std::string& textoP,
                                const std::string& ho, const std::string& nombreQ)
{
    const double K2 = 2 * q.lambdami, hr = q.hr, De = q.De;
    const double m = p * q.c1;
    const double C0 = 1 + K2 * m;
    const double h = AlturaPlanoTerraplen(K2, m, De);
    const double Ct = CoeficienteTerraplen(K2, hr, De, h);
    const std::string lm = C4(q.lambdami);
    Termino(l, "C0", "1 + 2 · λμ · p · c1", {{"λμ", lm}, {"p", textoP}, {"c1", N(q.c1)}}, C4(C0));
    const double t = ResuelvePlano(FormaPlano::Positiva, C0);
    l.push_back("Raíz de e^t − t = C0: t = " + C4(t));
    Termino(l, ho, "t · De / (2 · λμ)", {{"t", C4(t)}, {"De", N(De)}, {"λμ", lm}}, N(h) + " m");
    const Valores valores = {{"λμ", lm}, {"hr", N(hr)}, {"De", N(De)}, {ho, N(h)}};
    if (Completa(l, hr, h, ho))
        Formula(l, "Ct", "(e^(2 · λμ · hr / De) − 1) / (2 · λμ · hr / De)", valores, C4(Ct));
    else
        Formula(l, "Ct",
                "(e^(2 · λμ · " + ho + " / De) − 1) / (2 · λμ · hr / De) + e^(2 · λμ · " + ho +
                    " / De) · (hr − " + ho + ") / hr",
                valores, C4(Ct));
    const double carga = Ct * q.gamma * hr * De;
    Formula(l, nombreQ, "Ct · γ · hr · De",
            {{"Ct", C4(Ct)}, {"γ", N(q.gamma)}, {"hr", N(hr)}, {"De", N(De)}}, KNm(carga));
    return carga;
}

// Coeficiente de una zanja de anchura w (símbolo ancho) con proyección
// negativa, desde el término C0 = 1 + 2·λμ·m del plano de igual asiento.
double CoeficienteZanjaDesglosado(Lineas& l, const Proyecto& q, double m, const std::string& coef,
                                  const std::string& ancho, double w)
{
    const double K2 = 2 * q.lambdami, hr = q.hr;
    const double C0 = 1 + K2 * m;
    const double t = ResuelvePlano(FormaPlano::Negativa, C0);
    const double ho = AlturaPlanoZanja(K2, m, w);
    const double coeficiente = CoeficienteZanja(K2, hr, w, ho);
    const std::string lm = C4(q.lambdami);
    l.push_back("Raíz de e^(−t) + t = C0: t = " + C4(t));
    Termino(l, "ho", "t · " + ancho + " / (2 · λμ)", {{"t", C4(t)}, {ancho, N(w)}, {"λμ", lm}},
            N(ho) + " m");
    const Valores valores = {{"λμ", lm}, {"hr", N(hr)}, {ancho, N(w)}, {"ho", N(ho)}};
    if (Completa(l, hr, ho, "ho"))
        Formula(l, coef, "(1 − e^(−2 · λμ · hr / " + ancho + ")) / (2 · λμ · hr / " + ancho + ")",
                valores, C4(coeficiente));
    else
        Formula(l, coef,
                "(1 − e^(−2 · λμ · ho / " + ancho + ")) / (2 · λμ · hr / " + ancho +
                    ") + e^(−2 · λμ · ho / " + ancho + ") · (hr − ho) / hr",
                valores, C4(coeficiente));
    return coeficiente;
}

// Zanja o zanja terraplenada: se queda la menor de su carga y la del terraplén.
void ZanjaOTerraplen(Lineas& l, const Proyecto& q, const std::string& nombreZanja,
                     double cargaZanja, const std::string& nombreHo, double qr)
{
    l.push_back("Comparación con el mismo tubo en terraplén (razón de proyección p = 1):");
    const double qt = CargaTerraplenDesglosada(l, q, 1.0, "1", nombreHo, "qt");
    if (q.ZanjaComoTerraplen) {
        l.push_back("qt = " + KNm(qt) + " < " + nombreZanja + " = " + KNm(cargaZanja) +
                    ": calculada como terraplén por sobrepasar el ancho de zanja b la anchura de "
                    "transición");
        l.push_back("qr = qt = " + KNm(qr));
    } else {
        l.push_back(nombreZanja + " = " + KNm(cargaZanja) + " ≤ qt = " + KNm(qt) +
                    ": vale la carga en zanja");
        l.push_back("qr = " + nombreZanja + " = " + KNm(qr));
    }
}

void RellenoZanja(Lineas& l, const Proyecto& q, double qr)
{
    const double hr = q.hr, b = q.b;
    l.push_back("Instalación en zanja (λμ′: rozamiento contra las paredes de la zanja)");
    Formula(l, "Cz", "(1 − e^(−2 · λμ′ · hr / b)) / (2 · λμ′ · hr / b)",
            {{"λμ′", C4(q.lambdami1)}, {"hr", N(hr)}, {"b", N(b)}}, C4(q.Cz));
    const double qz = q.Cz * q.gamma * hr * b;
    Formula(l, "qz", "Cz · γ · hr · b",
            {{"Cz", C4(q.Cz)}, {"γ", N(q.gamma)}, {"hr", N(hr)}, {"b", N(b)}}, KNm(qz));
    ZanjaOTerraplen(l, q, "qz", qz, "ho", qr);
}

void RellenoTerraplen(Lineas& l, const Proyecto& q)
{
    l.push_back("Instalación en terraplén");
    const double p = q.hr1 / q.De;
    Termino(l, "p", "h′r / De", {{"h′r", N(q.hr1)}, {"De", N(q.De)}}, C4(p));
    CargaTerraplenDesglosada(l, q, p, C4(p), "ho", "qr");
}

void RellenoZanjaTerraplenada(Lineas& l, const Proyecto& q, double qr)
{
    l.push_back("Instalación en zanja terraplenada");
    const double p = q.h2r / q.b;
    const double r = BuscaEnTabla(TablaZanjaTerraplenada, p);
    Termino(l, "p", "h″r / b", {{"h″r", N(q.h2r)}, {"b", N(q.b)}}, C4(p));
    l.push_back("Razón de asiento de la zanja terraplenada (tabla en p = " + C4(p) +
                "): r = " + C4(r));
    const double m = std::fabs(p * r);
    Termino(l, "C0", "1 + 2 · λμ · |p · r|", {{"λμ", C4(q.lambdami)}, {"p", C4(p)}, {"r", C4(r)}},
            C4(1 + 2 * q.lambdami * m));
    const double Czt = CoeficienteZanjaDesglosado(l, q, m, "Czt", "b", q.b);
    const double qzt = Czt * q.gamma * q.hr * q.b;
    Formula(l, "qzt", "Czt · γ · hr · b",
            {{"Czt", C4(Czt)}, {"γ", N(q.gamma)}, {"hr", N(q.hr)}, {"b", N(q.b)}}, KNm(qzt));
    ZanjaOTerraplen(l, q, "qzt", qzt, "h′o", qr);
}

void RellenoZanjaInducida(Lineas& l, const Proyecto& q)
{
    l.push_back("Instalación en zanja inducida");
    const double p = q.hr2 / q.b2;
    const double r = BuscaEnTabla(TablaZanjaInducida, p);
    Termino(l, "p", "hr2 / b2", {{"hr2", N(q.hr2)}, {"b2", N(q.b2)}}, C4(p));
    l.push_back("Razón de asiento de la zanja inducida (tabla en p = " + C4(p) + "): r = " + C4(r));
    // La clave de la tabla usa b2; el producto, De.
    const double m = std::fabs(q.hr2 / q.De * r);
    Termino(l, "m", "|hr2 / De · r|", {{"hr2", N(q.hr2)}, {"De", N(q.De)}, {"r", C4(r)}}, C4(m));
    Termino(l, "C0", "1 + 2 · λμ · m", {{"λμ", C4(q.lambdami)}, {"m", C4(m)}},
            C4(1 + 2 * q.lambdami * m));
    // Czi, no Ci: Ci es el coeficiente de impacto del tráfico.
    const double Czi = CoeficienteZanjaDesglosado(l, q, m, "Czi", "b2", q.b2);
    Formula(l, "qr", "Czi · γ · hr · b2",
            {{"Czi", C4(Czi)}, {"γ", N(q.gamma)}, {"hr", N(q.hr)}, {"b2", N(q.b2)}},
            KNm(Czi * q.gamma * q.hr * q.b2));
}

ApartadoDesglose DesgloseRelleno(const Proyecto& p)
{
    // Se rehace en una copia: con sobrecarga repartida el registro guarda los
    // coeficientes de la altura hr + he, no los de hr.
    Proyecto q = p;
    std::string mensaje;
    CargaRelleno(q, q.RellenoIndex, mensaje, q.hr);
    Lineas l;
    LineasRelleno(q, l);
    AmbitoFallos ambito;
    try {
        switch (q.InstalacionIndex) {
        case InstalacionZanja: RellenoZanja(l, q, p.qr); break;
        case InstalacionTerraplen: RellenoTerraplen(l, q); break;
        case InstalacionZanjaTerraplenada: RellenoZanjaTerraplenada(l, q, p.qr); break;
        default: RellenoZanjaInducida(l, q); break;
        }
    } catch (const FalloNumerico&) {
        l.push_back("qr = " + KNm(p.qr));
    }
    return {"Carga del relleno (qr)", l, PasoCarga::Relleno};
}

// --- Tráfico ----------------------------------------------------------------

void Carretera(Lineas& l, const Proyecto& p)
{
    const std::uint8_t vehiculo = p.CarreteraIndex;
    const double hr = p.hr, De = p.De, Di = p.Di;
    // La rama la dice el propio cálculo: el anejo escribe la que se usó.
    const RamaCarretera rama = CargaCarretera(vehiculo, Di, De, hr).rama;
    if (rama.altura == RamaCarretera::Ninguna) {
        l.push_back("Sin tráfico de carretera: qm = 0 kN/m");
        return;
    }
    const std::string nombre = "Carretera, " + ListaCarreteras.Texto(vehiculo);
    if (rama.altura == RamaCarretera::Fuera) {
        l.push_back(nombre + ": hr = " + N(hr) + " m, Di = " + N(Di) +
                    " m fuera del alcance del método (0.5 m ≤ hr ≤ 4 m, 0.15 m < Di ≤ 3 m): "
                    "qm = 0 kN/m");
        return;
    }
    l.push_back(nombre + "; reparto a 1.4 en horizontal por unidad de profundidad");
    const auto [Ci, a, b, c, d] = TerminosDeCarretera(vehiculo, De, hr);
    const bool eje70 = vehiculo == 1;
    const double limite = eje70 ? 1.21 : 1.0;
    const bool alto = rama.altura == RamaCarretera::Alta;
    const std::string rueda = eje70 ? "35" : "65";
    const char* signo = rama.deMayor ? "≥" : "<";

    // Rama que toma el cálculo: condición y fórmula.
    std::string condicion, formula;
    if (alto) {
        condicion = std::string(eje70 ? "hr > " : "hr ≥ ") + N(limite) + " m y De " + signo + " c";
        if (vehiculo == 3)
            formula = rama.deMayor ? "300 · (De + c) / ((a + 3) · b) + 4 · De"
                                   : "600 · De / ((a + 3) · b) + 4 · De";
        else
            formula = rama.deMayor ? rueda + " · (De + c) / (a · b)"
                                   : (eje70 ? "70" : "130") + std::string(" · De / (a · b)");
    } else if (rama.altura == RamaCarretera::Baja) {
        condicion = std::string(eje70 ? "hr ≤ " : "hr < ") + N(limite) + " m, De ≤ 2 m y De " +
                    signo + " b";
        if (vehiculo == 3) {
            formula = rama.deMayor ? "300 / (a + 3) + 4 · De"
                                   : (rama.unEje ? "4 · De + 100 · De / (a · b)"
                                                 : "4 · De + 300 · De / ((a + 3) · b)");
            if (!rama.deMayor)
                condicion += "; se toma el mayor de 100 · De / (a · b) = " + N(100 * De / (a * b)) +
                             " y 300 · De / ((a + 3) · b) = " + N(300 * De / ((a + 3.0) * b));
        } else {
            formula = rama.deMayor ? rueda + " · Ci / a" : rueda + " · Ci · De / (a · b)";
        }
    } else {
        condicion = std::string(eje70 ? "hr ≤ " : "hr < ") + N(limite) + " m y De > 2 m";
        if (vehiculo == 3)
            formula = "300 · (De + c) / ((a + 3) · b) + 4 · De";
        else
            formula = eje70 ? "35 · Ci · d / (a · b)" : "65 · Ci · (De + c) / (a · b)";
    }

    // Términos que usa la rama tomada.
    const bool grande = rama.altura == RamaCarretera::BajaDeGrande;
    const bool usaC = alto || (grande && !eje70);
    const bool usaD = grande && eje70;
    const bool usaCi = !alto && vehiculo != 3;
    const Valores valores = {{"hr", N(hr)}, {"De", N(De)}, {"a", N(a)},  {"b", N(b)},
                             {"c", N(c)},   {"d", N(d)},   {"Ci", N(Ci)}};
    Termino(l, "a", "1.4 · hr + 0.2 + 1.05 · De", valores, N(a) + " m");
    Termino(l, "b", eje70 ? "1.4 · hr + 0.3" : "1.4 · hr + 0.6", valores, N(b) + " m");
    if (usaC)
        Termino(l, "c", eje70 ? "1.4 · (hr − 1.21)" : "1.4 · (hr − 1)", valores, N(c) + " m");
    if (usaD)
        Termino(l, "d", "1.4 · hr + De − 1.7", valores, N(d) + " m");
    if (usaCi)
        l.push_back("Coeficiente de impacto Ci = " + N(Ci) +
                    (hr <= 0.6L  ? " (hr ≤ 0.6 m)"
                     : hr < 0.9L ? " (0.6 m < hr < 0.9 m)"
                                 : " (hr ≥ 0.9 m)"));
    l.push_back(condicion + ":");
    Formula(l, "qm", formula, valores, KNm(p.qm));
}

void Ferrocarril(Lineas& l, const Proyecto& p)
{
    const std::uint8_t via = p.ViaIndex;
    const double hr = p.hr;
    if (via == 0 || via > 2) {
        l.push_back("Sin tráfico ferroviario: qm = 0 kN/m");
        return;
    }
    const std::string nombre = "Ferroviaria, " + ListaVias.Texto(via);
    if (ViaFueraDeAlcance(p)) {
        l.push_back(nombre + ": fuera del alcance del método (hr ≥ 1 m, al menos una vía; hr = " +
                    N(hr) + " m, " + Vias(p.NVias) + "): qm = 0 kN/m");
        return;
    }
    const bool renfe = via == 1;
    const bool longitudinal = p.SentidoViaIndex == 0;
    l.push_back(nombre + ", " + Vias(p.NVias) + ", sentido " +
                ListaSentidosVia.Texto(p.SentidoViaIndex) +
                (renfe ? ", V = " + N(p.V) + " km/h" : "") +
                (longitudinal ? "" : ", dh = " + N(p.dh) + " m"));
    const auto [s, w1, w2, P, CiCalculado, Ci, A] = TerminosDeVia(p);
    const Valores valores = {
        {"hr", N(hr)}, {"V", N(p.V)}, {"s", N(s)},     {"w1", N(w1)}, {"w2", N(w2)},
        {"P", N(P)},   {"Ci", N(Ci)}, {"De", N(p.De)}, {"A", N(A)},   {"n", N(p.NViasActuantes)}};
    l.push_back("Separación entre vías s = " + N(s) + " m, huella w1 = " + N(w1) +
                " m por w2 = " + N(w2) + " m");
    if (renfe)
        l.push_back("P = " + N(P) + " kN");
    else
        Termino(l, "P", "79.8 · (1.4 · (hr − 0.5) + 6.4) + 487.68", valores, N(P) + " kN");
    Termino(l, "Ci", renfe ? "1 + 0.33 · V / 100 − 0.1 · hr" : "1.4 − 0.1 · (hr − 0.5)", valores,
            N(CiCalculado) + (CiCalculado < 1.0 ? " < 1: Ci = 1" : ""));
    Termino(l, "A", "(1.4 · (hr − 0.5) + w1) · (1.4 · (hr − 0.5) + w2)", valores, N(A) + " m²");
    if (longitudinal) {
        Termino(l, "n", "ent((1.401 · hr + w2) / s) + 1", valores, Vias(p.NViasActuantes));
    } else {
        std::string alcanzan;
        for (int k = 0; k < p.NVias; ++k)
            if (k * s - A / 2 <= p.dh && p.dh <= k * s + A / 2)
                alcanzan += (alcanzan.empty() ? "" : ", ") + N(k);
        l.push_back("Vías k = 0 … " + N(p.NVias - 1) + " con k · s − A / 2 ≤ dh ≤ k · s + A / 2: " +
                    (alcanzan.empty() ? std::string("ninguna") : "k = " + alcanzan) +
                    "; n = " + Vias(p.NViasActuantes));
    }
    Formula(l, "qm", "n · Ci · De · P / A", valores, KNm(p.qm));
}

void Aeropuerto(Lineas& l, const Proyecto& p)
{
    const std::uint8_t avion = p.AeropuertoIndex;
    const double hr = p.hr;
    if (avion == 0 || avion > 5) {
        l.push_back("Sin tráfico aéreo: qm = 0 kN/m");
        return;
    }
    const std::string nombre = "Aeropuerto, " + ListaAeropuertos.Texto(avion);
    if (hr < 1.0) {
        l.push_back(nombre + ": hr = " + N(hr) +
                    " m, menor que 1 m, sin la corrección a 1 m: qm = 0 kN/m");
        return;
    }
    l.push_back(nombre + "; presión en la clave por la tabla de alturas de relleno");
    const int columna = avion - 1;
    double pv = PresionAvion[10][columna];
    if (hr >= 15.0) {
        l.push_back("hr ≥ 15 m: pv = " + N(pv) + " kN/m²");
    } else {
        const int i = FilaPresionAvion(hr);
        const double h1 = ProfundidadAvion[i], h2 = ProfundidadAvion[i + 1];
        const double p1 = PresionAvion[i][columna], p2 = PresionAvion[i + 1][columna];
        pv = p1 + (p2 - p1) * (hr - h1) / (h2 - h1);
        l.push_back("Tabla: hr = " + N(h1) + " m → " + N(p1) + " kN/m²; hr = " + N(h2) + " m → " +
                    N(p2) + " kN/m²");
        Termino(l, "pv", "p1 + (p2 − p1) · (hr − h1) / (h2 − h1)",
                {{"p1", N(p1)}, {"p2", N(p2)}, {"h1", N(h1)}, {"h2", N(h2)}, {"hr", N(hr)}},
                N(pv) + " kN/m²");
    }
    Formula(l, "qm", "pv · De", {{"pv", N(pv)}, {"De", N(p.De)}}, KNm(p.qm));
}

ApartadoDesglose DesgloseTrafico(const Proyecto& p)
{
    Lineas l;
    switch (p.TraficoIndex) {
    case 0: Carretera(l, p); break;
    case 1: Ferrocarril(l, p); break;
    case 2: Aeropuerto(l, p); break;
    default: l.push_back("Sin tráfico: qm = 0 kN/m"); break;
    }
    return {"Carga del tráfico (qm)", l, PasoCarga::Trafico};
}

// --- Sobrecargas y compactador ----------------------------------------------

ApartadoDesglose DesglosePuntual(const Proyecto& p)
{
    ApartadoDesglose a{"Sobrecarga puntual (fp)", {}, PasoCarga::Puntual};
    if (p.qp == 0) {
        a.lineas.push_back("Sin carga puntual (qp = 0): fp = 0 kN/m");
        return a;
    }
    const double t = p.hr / std::sqrt(p.hr * p.hr + p.D * p.D);
    a.lineas.push_back("Carga puntual qp = " + N(p.qp) +
                       " t a la distancia horizontal D = " + N(p.D) + " m");
    Termino(a.lineas, "t", "hr / √(hr² + D²)", {{"hr", N(p.hr)}, {"D", N(p.D)}}, C4(t));
    Formula(a.lineas, "fp", "1.5 · 9.8 · qp · De · t⁵ / hr²",
            {{"qp", N(p.qp)}, {"De", N(p.De)}, {"t", C4(t)}, {"hr", N(p.hr)}}, KNm(p.fp));
    return a;
}

ApartadoDesglose DesgloseSuperficie(const Proyecto& p)
{
    ApartadoDesglose a{"Sobrecarga repartida (fs)", {}, PasoCarga::Superficie};
    Lineas& l = a.lineas;
    if (p.qs == 0) {
        l.push_back("Sin carga repartida (qs = 0): fs = 0 kN/m");
        return a;
    }
    // λμ y γ de la carga del relleno a la altura hr.
    Proyecto q = p;
    std::string mensaje;
    CargaRelleno(q, q.RellenoIndex, mensaje, q.hr);
    l.push_back("Carga repartida en superficie qs = " + N(p.qs) + " t/m²");
    if (p.InstalacionIndex == InstalacionZanja) {
        Formula(l, "fs", "e^(−2 · λμ · hr / b) · 9.8 · qs · b",
                {{"λμ", C4(q.lambdami)}, {"hr", N(p.hr)}, {"b", N(p.b)}, {"qs", N(p.qs)}},
                KNm(p.fs));
        return a;
    }
    const double he = 9.8 * p.qs / q.gamma;
    Termino(l, "he", "9.8 · qs / γ", {{"qs", N(p.qs)}, {"γ", N(q.gamma)}}, N(he) + " m");
    const double qH = CargaRelleno(q, q.RellenoIndex, mensaje, p.hr + he);
    std::string coeficiente = "Czi = " + C4(q.Ci);
    if (p.InstalacionIndex == InstalacionTerraplen ||
        (p.InstalacionIndex == InstalacionZanjaTerraplenada && q.ZanjaComoTerraplen))
        coeficiente = "Ct = " + C4(q.Ct);
    else if (p.InstalacionIndex == InstalacionZanjaTerraplenada)
        coeficiente = "Czt = " + C4(q.Czt);
    l.push_back("Carga del relleno con H = hr + he = " + N(p.hr + he) +
                " m, con las fórmulas de qr (" + coeficiente + ", " +
                (p.InstalacionIndex == InstalacionZanjaTerraplenada ? "h′o" : "ho") + " = " +
                N(q.ho) + " m): qH = " + KNm(qH));
    Formula(l, "fs", "qH − qr", {{"qH", N(qH)}, {"qr", N(p.qr)}}, KNm(p.fs));
    return a;
}

ApartadoDesglose DesgloseCompactacion(const Proyecto& p)
{
    ApartadoDesglose a{"Carga del compactador (fc)", {}, PasoCarga::Compactacion};
    Lineas& l = a.lineas;
    const std::uint8_t compactador = p.CompactadorIndex;
    const double hr = p.hr;
    if (compactador == 0 || compactador > 2) {
        l.push_back("Sin compactador: fc = 0 kN/m");
        return a;
    }
    const std::string nombre = "Compactador " + ListaCompactadores.Texto(compactador);
    if (compactador == 2 && !(hr > 0.3L)) {
        l.push_back(nombre + ": sin coeficiente para hr = " + N(hr) + " m ≤ 0.3 m: fc = 0 kN/m");
        return a;
    }
    if (hr == 0) {
        l.push_back(nombre + ": con hr = 0 la carga no se puede calcular: fc = 0 kN/m");
        return a;
    }
    const double k = CoeficienteCompactador(compactador, hr);
    l.push_back(nombre + " de pq = " + N(p.pq) + " t/m de rodillo: k = " + N(k) +
                (compactador == 1 ? ""
                 : hr > 3.0       ? " (hr > 3 m)"
                 : hr > 2.0       ? " (2 m < hr ≤ 3 m)"
                                  : " (0.3 m < hr ≤ 2 m)"));
    Formula(l, "fc", "k · pq · De / (π · hr)",
            {{"k", N(k)}, {"pq", N(p.pq)}, {"De", N(p.De)}, {"π", "3.141592"}, {"hr", N(hr)}},
            KNm(p.fc));
    return a;
}

// --- Suma y carga de cálculo ------------------------------------------------

ApartadoDesglose DesgloseTotal(const Proyecto& p)
{
    ApartadoDesglose a{"Carga total (qTotal)", {}, PasoCarga::Total};
    Formula(a.lineas, "qTotal", "qr + qm + fp + fs + fc",
            {{"qr", N(p.qr)}, {"qm", N(p.qm)}, {"fp", N(p.fp)}, {"fs", N(p.fs)}, {"fc", N(p.fc)}},
            KNm(p.qTotal));
    return a;
}

ApartadoDesglose DesgloseCargaCalculo(const Proyecto& p)
{
    ApartadoDesglose a{"Carga de cálculo (Qc)", {}, PasoCarga::CargaCalculo};
    Formula(a.lineas, "Qc", "1.5 · qTotal / (Fa · Di)",
            {{"qTotal", N(p.qTotal)}, {"Fa", N(p.Fa)}, {"Di", N(p.Di)}},
            N2(p.CargaCalculo) + " kN/m²");
    return a;
}

const char* NombreCarga(PasoCarga paso)
{
    switch (paso) {
    case PasoCarga::Relleno: return "la carga del relleno (qr)";
    case PasoCarga::Trafico: return "la carga del tráfico (qm)";
    case PasoCarga::Puntual: return "la sobrecarga puntual (fp)";
    case PasoCarga::Superficie: return "la sobrecarga repartida (fs)";
    case PasoCarga::Compactacion: return "la carga del compactador (fc)";
    case PasoCarga::Total: return "la carga total (qTotal)";
    case PasoCarga::CargaCalculo: return "la carga de cálculo (Qc)";
    default: return "";
    }
}

}  // namespace

std::string CausaDelFallo(const Proyecto& p)
{
    const bool usuario = p.RellenoIndex == RellenoUsuario;
    const std::pair<bool, const char*> causas[] = {
        {!(p.Di > 0), "el diámetro interior Di es 0"},
        {!(p.De > 0), "el diámetro exterior De es 0"},
        {!(p.hr > 0), "la altura de relleno hr es 0"},
        {!(p.Fa > 0), "el factor de apoyo Fa es 0"},
        {usuario && !(p.gamma > 0), "el peso específico γ del relleno es 0"},
        {usuario && !(p.fi > 0), "el ángulo de rozamiento interno fi del relleno es 0"},
        {GrupoZanja(p) && !(p.b > 0), "la anchura de la zanja b es 0"},
        {p.InstalacionIndex == InstalacionZanjaInducida && !(p.b2 > 0),
         "la anchura b2 de la zanja inducida es 0"},
    };
    for (const auto& [cierta, causa] : causas)
        if (cierta)
            return causa;
    return "los datos salen del alcance del método (el cálculo daría una división por cero, una "
           "operación no válida o un desbordamiento)";
}

std::vector<ApartadoDesglose> DesgloseCargas(const Proyecto& p, const EntregaCargas& entrega)
{
    const struct {
        PasoCarga paso;
        ApartadoDesglose (*desglose)(const Proyecto&);
    } cargas[] = {
        {PasoCarga::Relleno, DesgloseRelleno},
        {PasoCarga::Trafico, DesgloseTrafico},
        {PasoCarga::Puntual, DesglosePuntual},
        {PasoCarga::Superficie, DesgloseSuperficie},
        {PasoCarga::Compactacion, DesgloseCompactacion},
        {PasoCarga::Total, DesgloseTotal},
        {PasoCarga::CargaCalculo, DesgloseCargaCalculo},
    };
    std::vector<ApartadoDesglose> apartados;
    for (const auto& carga : cargas)
        if (entrega.Escrito(carga.paso))
            apartados.push_back(carga.desglose(p));
    if (!entrega.Entregada()) {
        const std::string causa =
            entrega.mensaje.empty() ? CausaDelFallo(p) : entrega.mensaje + ": " + CausaDelFallo(p);
        apartados.push_back({"Cálculo interrumpido",
                             {std::string("El cálculo se detuvo en ") + NombreCarga(entrega.fallo) +
                              ": " + causa + ". Las cargas siguientes no se calcularon."},
                             entrega.fallo});
    }
    return apartados;
}
