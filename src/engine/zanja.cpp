#include "zanja.h"

#include <cmath>

#include "espesores.h"
#include "proyecto.h"

namespace {

const char* const AvisoMinimo02 =
    "El resguardo lateral de la zanja ha de ser como mínimo 0.2, que esta en función del diámetro "
    "nominal instalado. Por tanto será corregido automaticamente";
const char* const AvisoAngulo =
    "Como angulo seleccionado es menor o igual a 60º se recomienda que el "
    "resguardo lateral sea como mínimo 0,2";

std::string Recomendacion(const std::string& minimo)
{
    return "Es recomendable que el resguardo lateral de la zanja sea, como mínimo un valor igual "
           "a " +
           minimo +
           " que está en función del diámetro nominal instalado. Por tanto será corregido "
           "automáticamente.";
}

}  // namespace

double ResguardoPorDiametro(double Di)
{
    // Límites de precisión extendida: un Di tecleado 0.35 queda en la banda de 0.25.
    if (Di <= 0.35L)
        return 0.25;
    if (Di <= 0.7L)
        return 0.35;
    if (Di <= 1.2L)
        return 0.43;
    return 0.5;
}

double AnguloTaludGrados(double H, double V)
{
    return static_cast<double>(std::atan(static_cast<long double>(V) / H) * 57.29L);
}

double ResguardoMinimoDe(double angulo, double Di)
{
    return angulo <= 60 ? 0.2 : ResguardoPorDiametro(Di);
}

long long RedondeaComponente(double x)
{
    return std::isfinite(x) && std::fabs(x) < 1e9 ? std::llround(x) : 0;
}

bool ComponenteTaludValida(long long k)
{
    return k >= 1 && k <= 99;
}

std::optional<long long> GiraComponente(double actual, bool sube)
{
    if (sube ? !(actual < 100) : !(actual > 1))
        return std::nullopt;
    const long long k = RedondeaComponente(actual) + (sube ? 1 : -1);
    if (!ComponenteTaludValida(k))
        return std::nullopt;
    return k;
}

ComponenteTecleada LeeComponenteTalud(const EnteroTecleado& leido)
{
    using A = ComponenteTecleada::Accion;
    if (leido.estado == Tecleo::AMedias)
        return {A::Espera, 0};
    if (leido.estado == Tecleo::Valido && ComponenteTaludValida(leido.valor))
        return {A::Toma, leido.valor};
    return {A::Restaura, 0};
}

ResguardoTecleado LeeResguardoTecleado(const NumeroTecleado& leido)
{
    using A = ResguardoTecleado::Accion;
    if (leido.estado == Tecleo::AMedias)
        return {A::Espera, 0, {}};
    if (leido.estado != Tecleo::Valido)
        return {A::Restaura, 0, {}};
    if (leido.valor > ResguardoMaximo)
        return {A::Restaura, 0, "Valor no válido"};
    if (leido.valor < 0)
        return {A::Ignora, 0, {}};  // un resguardo negativo no se toma
    return {A::Toma, leido.valor, {}};
}

AvisoResguardo CompruebaSalidaResguardo(std::optional<double> x, double angulo,
                                        double resguardoMinimo)
{
    AvisoResguardo aviso;
    if (!x)
        return aviso;
    if (angulo < 60 && *x < 0.2) {
        aviso.mensaje = AvisoMinimo02;
        aviso.resguardo = 0.2;
    } else if (*x < resguardoMinimo) {
        aviso.mensaje = Recomendacion(TextoGeneral(resguardoMinimo));
        aviso.confirma = true;
        aviso.resguardo = resguardoMinimo;
    }
    return aviso;
}

ResguardoElegido ResguardoAlSeleccionar(std::optional<double> x, double angulo, double Di,
                                        double resguardo)
{
    ResguardoElegido elegido;
    elegido.resguardo = resguardo;
    if (!x)
        return elegido;  // sin número en la casilla se queda el que hay
    elegido.resguardo = *x;
    if (angulo <= 60) {
        if (*x < 0.2) {
            elegido.mensaje = AvisoMinimo02;
            elegido.resguardo = 0.2;
            elegido.quedaAbierto = true;
        }
        return elegido;
    }
    const double minimo = ResguardoMinimoDe(angulo, Di);
    if (*x < minimo) {
        elegido.mensaje = Recomendacion(TextoGeneral(minimo));
        elegido.confirma = true;
        elegido.resguardo = minimo;
    }
    return elegido;
}

AvisoTalud AvisoTaludAlSeleccionar(bool taludCambiado, std::optional<double> H,
                                   std::optional<double> V, std::optional<double> r)
{
    AvisoTalud aviso;
    if (!taludCambiado || !H || !V || !(AnguloTaludGrados(*H, *V) <= 60))
        return aviso;
    aviso.aviso = AvisoAngulo;
    if (r && *r < 0.2) {
        aviso.pregunta = Recomendacion("0,2");
        aviso.resguardo = 0.2;
    }
    return aviso;
}

EspesoresTalud EspesoresCamaTalud(const Proyecto& p)
{
    const bool directo = p.ApoyoDirecto == 1;
    const int activo = directo ? 0 : 1;
    return {EspesorCamaMinimo(activo, 1, p.Di), EspesorCamaMinimo(activo, 0, p.Di), !directo};
}

std::optional<double> AnchuraZanjaTalud(const Proyecto& p, double c)
{
    if (p.TaludV == 0)
        return std::nullopt;  // no ocurre: V está entre 1 y 99
    return p.De + 2 * p.Resguardo + 2 * p.TaludH * (p.De + c) / p.TaludV;
}

std::string RotuloAnchura(double b)
{
    return TextoNumero(b) + " m.";  // la anchura que "Seleccionar" pondrá en su casilla
}

CorreccionAnchura CorrigeAnchuraZanja(const Proyecto& p)
{
    CorreccionAnchura correccion;
    if (p.De <= 0.01 || !(p.b < p.De))
        return correccion;
    const double resguardo = ResguardoPorDiametro(p.Di);
    correccion.pregunta =
        "La zanja debe ser mayor que el diámetro exterior (De) del tubo. Se aconseja dejar " +
        TextoNumero(resguardo) + "m a ambos lados, para De=" + TextoNumero(p.De) +
        "m. ¿Desea que se corrija automáticamente?";
    correccion.b = p.De + 2 * resguardo;
    return correccion;
}

std::string ConsejoAnchuraZanja(const Proyecto& p)
{
    if (p.De <= 0.01 || p.b < p.De || p.InstalacionIndex == InstalacionTerraplen ||
        p.AvisoAnchura != 1)
        return {};
    // Solo en estas bandas del diámetro exterior; entre ellas no se aconseja.
    double resguardo = 0;
    if (p.De < 0.5)
        resguardo = 0.25;
    else if (p.De > 0.74 && p.De <= 0.8)
        resguardo = 0.35;
    else if (p.De > 0.95 && p.De <= 1.5)
        resguardo = 0.43;
    else if (p.De > 1.5)
        resguardo = 0.5;
    if (resguardo == 0 || !(p.b < p.De + 2 * resguardo))
        return {};
    return "Es recomendable mantener al menos " + TextoNumero(resguardo) +
           " m. a ambos lados del tubo. ¿Quiere mantener activado este aviso?";
}
