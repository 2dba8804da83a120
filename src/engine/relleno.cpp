#include "relleno.h"

#include <cmath>

#include "fallos.h"
#include "numero.h"
#include "proyecto.h"

const RellenoTabulado TablaRellenos[5] = {
    {0.11, 21.0},   // Arcilla Plástica
    {0.13, 19.2},   // Arcilla Ordinaria
    {0.15, 19.2},   // Arena Arcillosa
    {0.165, 17.6},  // Arenas y Gravas
    {0.192, 19.0},  // Zahorras
};

const FilaTabla TablaZanjaTerraplenada[4] = {{0.5, -0.1}, {1.0, -0.3}, {1.5, -0.5}, {2.0, -1.0}};
const FilaTabla TablaZanjaInducida[4] = {{0.5, -0.5}, {1.0, -0.7}, {1.5, -1.0}, {2.0, -2.0}};

const char* const ErrorCargaRelleno = "Error calculando la carga del relleno";

double RazonAsientoBase(std::uint8_t baseIndex)
{
    switch (baseIndex) {
    case 0: return 1.0;   // base rígida
    case 1: return 0.5;   // suelo natural ordinario
    default: return 0.3;  // base muy asentable
    }
}

double ResuelvePlano(FormaPlano forma, double C0)
{
    // e^t − t y e^(−t) + t valen 1 en t = 0 y crecen a los dos lados: por
    // debajo de 1 no hay raíz y Newton daría vueltas sin fin.
    if (C0 < 1)
        return 0;
    const bool positiva = forma == FormaPlano::Positiva;
    auto f = [&](double t) { return positiva ? std::exp(t) - t - C0 : std::exp(-t) + t - C0; };
    auto derivada = [&](double t) { return positiva ? std::exp(t) - 1 : 1 - std::exp(-t); };

    // Con C0 grande el primer paso desde 0.5 salta muy lejos (o desborda e^t)
    // y vuelve de uno en uno: se parte de ln(2·C0), a la derecha de la raíz,
    // desde donde Newton baja derecho a ella.
    double t = positiva && C0 > 10 ? std::log(C0) + std::log(2.0) : 0.5;
    long pasos = 1;
    double siguiente = t - f(t) / derivada(t);
    while (std::fabs(t - siguiente) > 1e-7 && pasos < 1000000) {
        t = siguiente;
        siguiente = t - f(t) / derivada(t);
        ++pasos;
    }
    return pasos < 1000000 ? siguiente : 0;
}

void ConstantesRelleno(Proyecto& p, std::uint8_t relleno)
{
    if (relleno >= RellenoUsuario) {
        // Coeficiente de Rankine tan²(45° − φ/2), con las cifras de π del programa.
        const double tangente = std::tan(0.785398 - 3.141592 * p.fi / 360);
        p.lambda = Guarda(tangente * tangente);
        p.lambdami = Guarda(p.lambda * std::tan(3.141592 * p.fi / 180));
        p.lambdami1 = Guarda(p.lambda * std::tan(3.141592 * p.fi1 / 180));
    } else {
        p.lambdami = p.lambdami1 = TablaRellenos[relleno].lambdami;
        p.gamma = TablaRellenos[relleno].gamma;
    }
}

double AlturaPlanoTerraplen(double K2, double m, double De)
{
    return Guarda(ResuelvePlano(FormaPlano::Positiva, 1 + K2 * m) * De / K2);
}

double AlturaPlanoZanja(double K2, double m, double w)
{
    return Guarda(ResuelvePlano(FormaPlano::Negativa, 1 + K2 * m) * w / K2);
}

double CoeficienteTerraplen(double K2, double H, double De, double h)
{
    const double v = K2 * H / De;
    if (H <= h)
        return Guarda((std::exp(v) - 1) / v);
    const double e = std::exp(K2 * h / De);
    return Guarda((e - 1) / v + e * (H - h) / H);
}

double CoeficienteZanja(double K2, double H, double w, double ho)
{
    const double v = K2 * H / w;
    if (H <= ho)
        return Guarda((1 - std::exp(-v)) / v);
    const double e = std::exp(-K2 * ho / w);
    return Guarda((1 - e) / v + e * (H - ho) / H);
}

namespace {

// Carga del mismo tubo en terraplén (kN/m) para el término m de la razón de
// asiento; deja Ct en el registro y devuelve en h su plano de igual asiento.
double CargaTerraplen(Proyecto& p, double K2, double m, double H, double& h)
{
    h = AlturaPlanoTerraplen(K2, m, p.De);
    p.Ct = CoeficienteTerraplen(K2, H, p.De, h);
    return Guarda(p.Ct * p.gamma * H * p.De);
}

double CargaRellenoVigilada(Proyecto& p, std::uint8_t relleno, std::string& mensaje, double H)
{
    ConstantesRelleno(p, relleno);
    p.c1 = RazonAsientoBase(p.BaseIndex);
    const double K2 = 2 * p.lambdami;
    const double gamma = p.gamma;

    switch (p.InstalacionIndex) {
    case InstalacionZanja: {
        const double u = H / p.b;
        p.Cz = Guarda((1 - std::exp(-2 * p.lambdami1 * u)) / (2 * p.lambdami1 * u));
        const double qz = Guarda(p.Cz * gamma * H * p.b);
        double h = 0;
        const double qt = CargaTerraplen(p, K2, p.c1 * 1.0, H, h);
        p.ho = h;
        p.ZanjaComoTerraplen = 0;
        if (qz <= qt)
            return qz;
        // Una zanja demasiado ancha no carga más que el terraplén.
        p.ZanjaComoTerraplen = 1;
        if (p.AvisoCalculo == 1)
            mensaje = "Carga del relleno calculada para TERRAPLÉN con (" + TextoNumero(qt) +
                      " kN/m) es inferior a la obtenida para instalación en ZANJA (" +
                      TextoNumero(qz) +
                      " kN/m), tomándose el valor inferior. ¿Quiere mantener activado este aviso?";
        return qt;
    }
    case InstalacionTerraplen: {
        p.ZanjaComoTerraplen = 0;
        double h = 0;
        const double qt = CargaTerraplen(p, K2, Guarda(p.hr1 / p.De * p.c1), H, h);
        p.ho = h;
        return qt;
    }
    case InstalacionZanjaTerraplenada: {
        const double proyeccion = Guarda(p.h2r / p.b);
        const double m = std::fabs(proyeccion * BuscaEnTabla(TablaZanjaTerraplenada, proyeccion));
        p.ho = AlturaPlanoZanja(K2, m, p.b);
        p.Czt = CoeficienteZanja(K2, H, p.b, p.ho);
        const double qzt = Guarda(p.Czt * gamma * H * p.b);
        double h = 0;
        const double qt = CargaTerraplen(p, K2, p.c1 * 1.0, H, h);
        p.ZanjaComoTerraplen = 0;
        if (qzt <= qt)
            return qzt;
        p.ho = h;
        p.ZanjaComoTerraplen = 1;
        if (p.AvisoCalculo == 1)
            mensaje = "Carga del relleno calculada para TERRAPLÉN (" + TextoNumero(qt) +
                      "kN/m) es inferior a la obtenida para instalación en ZANJA TERRAPLENADA (" +
                      TextoNumero(qzt) +
                      "kN/m), tomándose el valor inferior. ¿Quiere mantener activado este aviso?";
        return qt;
    }
    default: {  // zanja inducida
        p.ZanjaComoTerraplen = 0;
        const double proyeccion = Guarda(p.hr2 / p.b2);
        // La clave de la tabla usa b2; el producto, De.
        const double m =
            Guarda(std::fabs(p.hr2 / p.De * BuscaEnTabla(TablaZanjaInducida, proyeccion)));
        p.ho = AlturaPlanoZanja(K2, m, p.b2);
        p.Ci = CoeficienteZanja(K2, H, p.b2, p.ho);
        return Guarda(p.Ci * gamma * H * p.b2);
    }
    }
}

}  // namespace

double CargaRelleno(Proyecto& p, std::uint8_t relleno, std::string& mensaje, double H)
{
    AmbitoFallos ambito;
    try {
        return CargaRellenoVigilada(p, relleno, mensaje, H);
    } catch (const FalloNumerico&) {
        mensaje = ErrorCargaRelleno;
        p.ZanjaComoTerraplen = 0;
        return 0;
    }
}
