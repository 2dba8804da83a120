#include "curva_clase.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "apoyo.h"
#include "clases.h"
#include "comprobaciones.h"
#include "interlocutor.h"
#include "numero.h"
#include "ordenes.h"
#include "proyecto.h"

namespace {

// Calcula alturas sobre el caso tal como lo dejaría la orden de cálculo.
class Alturas {
public:
    Alturas(const Proyecto& p, std::uint8_t modo) : base_(p), modo_(modo)
    {
        // Los datos como los deja la orden de cálculo antes de calcular.
        RespondeNo sinPreguntar;
        PreparaOrdenMemoria(base_, sinPreguntar);
    }

    const Proyecto& Base() const { return base_; }

    // Cada altura parte del mismo registro: el resultado no depende del orden.
    PuntoCurva Calcula(double hr) const
    {
        Proyecto w = base_;
        w.hr = hr;
        RespondeNo sinPreguntar;
        PuntoCurva punto;
        punto.hr = hr;
        if (const std::optional<double> carga = CargaEnAltura(w, sinPreguntar, hr)) {
            punto.calculado = true;
            punto.carga = *carga;
            punto.clase = ClaseSegunModo(modo_, *carga, w.Di);
        }
        return punto;
    }

private:
    Proyecto base_;
    std::uint8_t modo_;
};

// Rejilla de 0.01 m anclada en la altura del caso, como los pasos de la búsqueda de validez.
class Rejilla {
public:
    explicit Rejilla(double ancla) : ancla_(ancla) {}
    double Altura(long k) const { return static_cast<double>(ancla_ + 0.01L * k); }
    long Abajo(double hr) const
    {
        return static_cast<long>(std::floor((hr - ancla_) / 0.01 + 1e-7));
    }
    long Arriba(double hr) const
    {
        return static_cast<long>(std::ceil((hr - ancla_) / 0.01 - 1e-7));
    }

private:
    double ancla_;
};

void PonTramos(CurvaClase& curva, const Alturas& alturas, const Rejilla& rejilla)
{
    const std::vector<PuntoCurva>& s = curva.puntos;
    TramoClase tramo{s.front().clase, curva.hrMinimo, curva.hrMaximo};
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        // Entre dos puntos puede haber más de un cambio (con mucha altura los
        // puntos se separan): se buscan uno tras otro, por bisección en la rejilla.
        PuntoCurva izquierda = s[i];
        while (izquierda.clase != s[i + 1].clase) {
            long bajo = rejilla.Arriba(izquierda.hr) - 1;
            const long primero = bajo, tope = rejilla.Abajo(s[i + 1].hr) + 1;
            long alto = tope;
            while (alto - bajo > 1) {
                const long medio = bajo + (alto - bajo) / 2;
                if (alturas.Calcula(rejilla.Altura(medio)).clase == izquierda.clase)
                    bajo = medio;
                else
                    alto = medio;
            }
            double hasta = rejilla.Altura(bajo);
            if (bajo == primero &&
                (hasta < curva.hrMinimo || alturas.Calcula(hasta).clase != izquierda.clase))
                hasta = izquierda.hr;  // cambia a menos de 0.01 m del punto
            tramo.hasta = hasta;
            curva.tramos.push_back(tramo);
            izquierda = alto == tope ? s[i + 1] : alturas.Calcula(rejilla.Altura(alto));
            // Desde el primer punto de la rejilla con la clase nueva: las alturas que se
            // escriben son siempre de la rejilla de la memoria, con los puntos que sean.
            tramo = {izquierda.clase, std::max(rejilla.Altura(alto), hasta), curva.hrMaximo};
        }
    }
    curva.tramos.push_back(tramo);
}

// Sube desde la altura del caso hasta la primera que pide una clase más
// resistente o falla: entre los puntos de la curva y, más arriba, de 10 en
// 10 m hasta 1000 m por encima, como la búsqueda de validez.
ValidezClase BuscaValidezEnCurva(const CurvaClase& curva, const Alturas& alturas,
                                 const Rejilla& rejilla)
{
    const PuntoCurva& actual = curva.actual;
    if (!actual.calculado || actual.clase == "NO")
        return {};
    const double hr0 = actual.hr;
    const auto supera = [&](const PuntoCurva& punto) {
        return !punto.calculado ||
               SuperaClase(curva.modo, actual.clase, punto.carga, alturas.Base().Di);
    };
    std::vector<double> subida;
    for (const PuntoCurva& punto : curva.puntos)
        if (punto.hr > hr0)
            subida.push_back(punto.hr);
    for (int paso = 1; paso <= 100; ++paso)
        if (hr0 + 10.0 * paso > curva.hrMaximo)
            subida.push_back(hr0 + 10.0 * paso);

    double previa = hr0;
    for (const double hr : subida) {
        if (!supera(alturas.Calcula(hr))) {
            previa = hr;
            continue;
        }
        long bajo = rejilla.Abajo(previa), alto = rejilla.Arriba(hr);
        PuntoCurva malo = alturas.Calcula(rejilla.Altura(alto));
        while (alto - bajo > 1) {
            const long medio = bajo + (alto - bajo) / 2;
            PuntoCurva punto = alturas.Calcula(rejilla.Altura(medio));
            if (supera(punto)) {
                alto = medio;
                malo = std::move(punto);
            } else {
                bajo = medio;
            }
        }
        if (!malo.calculado)
            return {};
        return {ValidezClase::Hasta, rejilla.Altura(bajo)};
    }
    return {ValidezClase::Cualquiera, 0};
}

std::vector<BandaClase> Bandas(std::uint8_t modo, double Di)
{
    std::vector<BandaClase> bandas;
    double desde = 0;
    const auto agrega = [&](double hasta, bool sinTecho, const std::string& clase) {
        if (!bandas.empty() && bandas.back().clase == clase) {
            bandas.back().hasta = hasta;
            bandas.back().sinTecho = sinTecho;
        } else {
            bandas.push_back({desde, hasta, sinTecho, clase});
        }
        desde = hasta;
    };
    const std::vector<double> limites = LimitesDeClase(modo);
    for (const double limite : limites)
        agrega(limite, false, ClaseSegunModo(modo, limite, Di));
    if (!limites.empty())
        agrega(limites.back(), true, ClaseSegunModo(modo, limites.back() + 1, Di));
    return bandas;
}

}  // namespace

CurvaClase CalculaCurva(const Proyecto& p, std::uint8_t modo, int puntos)
{
    CurvaClase curva;
    curva.modo = modo;
    const Alturas alturas(p, modo);

    // La menor altura es la que dejaría la comprobación de hr a una casi nula.
    Proyecto minimo = alturas.Base();
    minimo.hr = 1e-9;
    curva.hrMinimo = CompruebaAlturaRelleno(minimo).valor;
    const double hr = CompruebaAlturaRelleno(alturas.Base()).valor;
    curva.hayActual = hr > 0;  // sin altura la orden calcularía con hr = 0
    if (curva.hayActual) {
        curva.hrMinimo = std::min(curva.hrMinimo, hr);
        curva.actual = alturas.Calcula(hr);
    }
    curva.hrMaximo = std::max({3 * hr, 10.0, curva.hrMinimo + 1});

    const int n = std::max(puntos, 2);
    curva.puntos.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        curva.puntos.push_back(alturas.Calcula(
            i == n - 1 ? curva.hrMaximo
                       : curva.hrMinimo + (curva.hrMaximo - curva.hrMinimo) * i / (n - 1)));

    const Rejilla rejilla(curva.hayActual ? hr : curva.hrMinimo);
    PonTramos(curva, alturas, rejilla);
    if (curva.hayActual)
        curva.validez = BuscaValidezEnCurva(curva, alturas, rejilla);
    curva.bandas = Bandas(modo, alturas.Base().Di);
    return curva;
}

PuntoCurva CalculaPuntoCurva(const Proyecto& p, std::uint8_t modo, double hr)
{
    return Alturas(p, modo).Calcula(hr);
}

std::string NombreClase(std::uint8_t modo, const std::string& clase)
{
    return (modo == 2 ? "ASTM " : "UNE ") + clase;
}

std::string TextoTramo(const CurvaClase& curva, const TramoClase& tramo, bool ultimo)
{
    const std::string nombre =
        tramo.clase.empty() ? std::string("Sin cálculo") : NombreClase(curva.modo, tramo.clase);
    if (ultimo)
        return nombre + " desde hr " + TextoNumero(tramo.desde) + " m";
    return nombre + " hasta hr " + TextoNumero(tramo.hasta) + " m";
}

std::vector<std::string> LineasCurva(const CurvaClase& curva)
{
    std::vector<std::string> lineas;
    if (curva.hayActual && curva.actual.calculado) {
        lineas.push_back("Con hr = " + TextoNumero(curva.actual.hr) +
                         " m: " + NombreClase(curva.modo, curva.actual.clase));
        const std::string validez = TextoValidez(curva.validez);
        if (!validez.empty())
            lineas.push_back(validez);
    } else if (curva.hayActual) {
        lineas.push_back("Con hr = " + TextoNumero(curva.actual.hr) + " m no se puede calcular");
    }
    lineas.emplace_back();
    lineas.push_back(std::string("Clase ") + (curva.modo == 2 ? "ASTM" : "UNE") + " según hr:");
    for (std::size_t i = 0; i < curva.tramos.size(); ++i)
        lineas.push_back(TextoTramo(curva, curva.tramos[i], i + 1 == curva.tramos.size()));
    return lineas;
}
