#include "factor_apoyo.h"

#include <algorithm>
#include <cmath>

#include "apoyo.h"
#include "espesores.h"
#include "numero.h"
#include "proyecto.h"

namespace {

const char* const Compactado = "Relleno Compactado 95% P.N.";
const char* const Seleccionado = "Relleno Seleccionado sin compactar";
const char* const Granular = "Material Granular Compactado 95% P.N.";

const CamaZanja Camas[] = {
    {1, "Fap=4.0", 3, 4.0, 2, false, 180, Compactado, "Hormigón"},
    {2, "Fap=3.0", 4, 3.0, 2, false, 180, Seleccionado, "Hormigón"},
    {3, "Fap=2.8", 5, 2.8, 4, false, 120, Compactado, "Hormigón"},
    {4, "Fap=2.2", 6, 2.2, 4, false, 120, Seleccionado, "Hormigón"},
    {5, "Fap=2.3", 7, 2.3, 6, false, 90, Compactado, "Hormigón"},
    {6, "Fap=2.0", 8, 2.0, 6, false, 90, Seleccionado, "Hormigón"},
    {7, "Fap=1.9", 10, 1.9, 2, false, 180, Compactado, Granular},
    {8, "Fap=2.1", 9, 2.1, 0, false, 180, Granular, ""},
    {9, "Fap=1.7", 11, 1.7, 6, true, 90, Compactado, Granular},
    {10, "Fap=1.5", 12, 1.5, 6, true, 90, Seleccionado, Granular},
    {11, "Fap=1.1", 13, 1.1, 0, true, 180, "Relleno fino", ""},
};

const int BotonApoyoDirecto = 11;

std::string Metros(double x)
{
    return TextoNumero(x) + " m";
}

}  // namespace

const CamaZanja& CamaDeBoton(int boton)
{
    return Camas[std::clamp(boton, 1, BotonApoyoDirecto) - 1];
}

const CamaZanja* CamaDeCodigo(int tipo)
{
    for (const CamaZanja& cama : Camas)
        if (cama.tipo == tipo)
            return &cama;
    return nullptr;
}

MedidasCama MedidasDeCama(int boton, double De, double hr)
{
    const CamaZanja& cama = CamaDeBoton(boton);
    MedidasCama medidas;
    if (cama.divisor != 0)
        medidas.cuna = TextoNumero(De / cama.divisor);
    const double minimo = cama.minimoHr ? hr / 8 : 0;
    medidas.minimo = minimo > 0.3 ? TextoNumero(minimo) : "0.30";
    return medidas;
}

MedidasCama MedidasDeCamaEnHoja(const CamaZanja& cama, double De, double hr)
{
    MedidasCama medidas;
    if (cama.divisor != 0)
        medidas.cuna = Metros(De / cama.divisor);
    if (!cama.minimoHr)
        medidas.minimo = "0.30 m";
    else
        medidas.minimo = Metros(std::max(hr / 8, cama.tipo == CodigoApoyoDirecto ? 0.15 : 0.3));
    return medidas;
}

EleccionCama EligeCama(const Proyecto& p, int boton)
{
    const CamaZanja& cama = CamaDeBoton(boton);
    EleccionCama e;
    e.fa = cama.fa;
    e.textoFa = TextoNumero(cama.fa);
    e.tipo = cama.tipo;
    e.apoyoDirecto = boton == BotonApoyoDirecto ? 1 : 0;
    // En zanja el relleno no baja de 0.5 m; en zanja terraplenada lo vigila h''r.
    e.hr = p.hr;
    if (p.InstalacionIndex == InstalacionZanja && p.hr < 0.5) {
        e.hr = 0.5;
        e.textoHr = "0.5";
    }
    e.h2r = p.h2r;
    if (cama.minimoHr) {
        if (e.hr / 8 > e.h2r)
            e.h2r = e.hr / 8;
        if (e.h2r < 0.3)
            e.h2r = 0.3;
        e.textoH2r = TextoNumero(e.h2r);
    } else if (e.h2r < 0.3) {
        e.h2r = 0.3;
        e.textoH2r = "0.30";
    }
    if (boton == BotonApoyoDirecto)
        e.pregunta = "Como usted selecciono Apoyo Directo, el valor del ancho de zanja debe ser "
                     "recalculado.¿Desea abrir la ventana de ancho de zanja?";
    return e;
}

double EspesorCamaTerraplen(std::uint8_t base, double Di)
{
    if (base == 0)
        return EspesorCamaMinimo(1, 0, Di);
    return Di <= 0.7 ? 0.08 : EspesorCamaMinimo(1, 1, Di);
}

MedidasClases MedidasDeClases(double De, double Di, double n, double C)
{
    MedidasClases m;
    const std::string altura = Metros(n * De);
    m.a[0] = Metros(De + 0.2), m.a[1] = altura, m.a[2] = Metros(0.25 * De);
    m.a[3] = Metros(0.25 * Di);
    m.b[0] = Metros(1.25 * De), m.b[1] = altura, m.b[2] = Metros(0.4 * De), m.b[3] = Metros(C);
    m.c[0] = Metros(1.25 * De), m.c[1] = altura, m.c[2] = Metros(0.17 * De), m.c[3] = Metros(C);
    m.d = altura;
    // Un n tecleado 0.601 o 0.83 cae en el lado que ofrece la clase.
    m.claseB = n <= 0.601L;
    m.claseC = n <= 0.83L;
    return m;
}

bool FactorTerraplenCalculable(const Proyecto& p)
{
    if (!(p.De > 1e-8))
        return false;
    return p.InstalacionIndex == InstalacionTerraplen ||
           (p.InstalacionIndex == InstalacionZanjaInducida && p.hr2 >= 0.01 && p.b2 >= 0.01);
}

double FactorClaseTerraplen(Proyecto& p, std::uint8_t clase)
{
    // Un divisor nulo o un factor no positivo: la fórmula no vale para estos
    // datos y queda 0, que el cálculo no acepta.
    const std::optional<double> F = CalculaFa(p, p.InstalacionIndex, clase);
    return F && *F > 0 ? std::min(*F, FaMaximo) : 0.0;
}

std::string RotuloFaClase(const Proyecto& p, std::uint8_t clase)
{
    if (!FactorTerraplenCalculable(p))
        return "Fa = --";
    Proyecto calculo = p;  // la fórmula deja sus coeficientes en el registro
    const double fa = FactorClaseTerraplen(calculo, clase);
    return fa > 0 ? "Fa = " + TextoNumero(fa) : "Fa = --";
}

EleccionClase EligeClaseTerraplen(std::uint8_t clase, double n, double De)
{
    EleccionClase e;
    e.clase = clase;
    e.tipo = static_cast<std::int8_t>(clase - 1);
    e.letra = LetraClaseTerraplen(e.tipo);
    // h'r como la muestra su casilla y la guarda el archivo.
    e.hr1 = ComoSeMuestra(n * De);
    e.textoHr1 = TextoNumero(e.hr1);
    return e;
}

std::uint8_t ClaseDeLetra(const std::string& letra)
{
    if (letra.empty() || letra[0] < 'A' || letra[0] > 'D')
        return 0;
    return static_cast<std::uint8_t>(letra[0] - 'A' + 1);
}

std::optional<double> FaDeLaClase(Proyecto& p)
{
    if (!GrupoTerraplen(p) || p.Tipo < 0 || p.Tipo > 3)
        return std::nullopt;
    // Sin los datos de la fórmula (sin tubo, zanja inducida sin b2 o hr2) no hay
    // factor: 0, que el cálculo rechaza, antes que el de otros datos.
    if (!FactorTerraplenCalculable(p))
        return 0.0;
    return ComoSeMuestra(FactorClaseTerraplen(p, static_cast<std::uint8_t>(p.Tipo + 1)));
}

std::string ClaseFueraDeProyeccion(const Proyecto& p)
{
    if (!GrupoTerraplen(p) || (p.Tipo != 1 && p.Tipo != 2) || !(p.De > 0.01))
        return "";
    const long double n = p.hr1 / p.De;
    const bool claseB = p.Tipo == 1;
    // El diálogo la ofrece hasta ese n; h'r se guarda con tres decimales, que
    // pueden pasar n·De en medio milímetro.
    const long double limite = claseB ? 0.601L : 0.83L;
    if (p.hr1 <= limite * p.De + 0.0005L)
        return "";
    return std::string("La clase de apoyo ") + (claseB ? "B" : "C") +
           " solo se admite con h'r/De hasta " + (claseB ? "0.6" : "0.83") + " y h'r/De vale " +
           TextoNumero(static_cast<double>(n)) + ": elija otra clase o corrija h'r.";
}

FactorTecleado LeeFactorApoyo(double leido, double faActual)
{
    FactorTecleado t;
    t.fa = std::fabs(leido);
    t.cambia = t.fa != faActual;
    if (t.cambia)
        t.tipo = 14;  // factor tecleado a mano
    return t;
}

double ProyeccionInicial(const Proyecto& p)
{
    const double n = p.De >= 0.001 ? p.hr1 / p.De : p.n;
    return std::clamp(n, 0.0, 1.0);
}

bool ProyeccionValida(double n)
{
    return n >= 0 && n <= 1;
}

std::optional<double> GiraProyeccion(double n, int sentido)
{
    if (sentido > 0 ? n <= 0.99 : n >= 0.01)
        return n + 0.01 * sentido;
    return std::nullopt;
}
