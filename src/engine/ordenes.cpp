#include "ordenes.h"

#include "apoyo.h"
#include "numero.h"
#include "proyecto.h"
#include "zanja.h"

TraficoCalculado TraficoSegunRelleno(const Proyecto& p)
{
    if (p.hr < 1.0)
        return {0, 0};
    return {p.AeropuertoIndex, p.ViaIndex};
}

namespace {

const char* const RellenoSinDatos =
    "Si los datos del relleno son a definir por el usuario, asegurese de que los valores sean "
    "distintos de cero";

}  // namespace

OrdenHojas PreparaHojas(const Proyecto& p, int tag)
{
    return {static_cast<std::uint8_t>(tag != 0 ? 2 : 1), GrupoZanja(p)};
}

CorreccionCasilla RellenoMinimoHojas(const Proyecto& p)
{
    if (p.hr < 0.5)  // también hr = 0, que la comprobación de hr no toca
        return {
            0.5,
            "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige automáticamente"};
    return {p.hr, ""};
}

OrdenMemoria PreparaMemoria(const Proyecto& p)
{
    OrdenMemoria r;
    if (p.Fa == 0) {
        r.sinFactor = "Debe indicar el Factor de Apoyo";
        r.tituloSinFactor = "¡ Atención !";
    }
    r.compruebaB = GrupoZanja(p);
    if (p.RellenoIndex == RellenoUsuario && (p.fi == 0 || p.fi1 == 0 || p.gamma == 0))
        r.sinRelleno = RellenoSinDatos;
    return r;
}

OrdenPredefinidos PreparaPredefinidos(const Proyecto& p)
{
    if (p.InstalacionIndex == InstalacionZanjaInducida && (p.hr == 0 || p.b2 == 0 || p.hr2 == 0))
        return {DialogoApoyo::Ninguno,
                "No se puede utilizar Predefinidos si la Altura de relleno (hr), la Anchura de la "
                "zanja (b2) o la Altura de la zanja (hr2) valen 0",
                "Aviso"};
    if (GrupoZanja(p))
        return {DialogoApoyo::Cama, "", ""};
    if (p.RellenoIndex == RellenoUsuario && p.fi == 0)
        return {DialogoApoyo::Ninguno, RellenoSinDatos, "Cálculo mecánico de Tubos"};
    return {DialogoApoyo::ClaseTerraplen, "", ""};
}

MemoriaPreparada PreparaYCorrigeMemoria(Proyecto& p)
{
    MemoriaPreparada r;
    const CorreccionHr2 hr2 = CorrigeHr2(p.hr2, p.b2, true);
    if (hr2.accion == CorreccionHr2::Accion::PideB2) {
        r.rechazo = "Falta la anchura b2 de la zanja inducida";
        r.mensajeRechazo = hr2.mensaje;
        return r;
    }
    if (hr2.accion == CorreccionHr2::Accion::Corrige) {
        p.hr2 = hr2.hr2;
        r.pasos.push_back({false, "hr2 a " + TextoNumero(p.hr2) + " m", hr2.mensaje});
    }
    const TraficoCalculado trafico = TraficoSegunRelleno(p);
    r.sinTraficoPesado = trafico.aeropuerto != p.AeropuertoIndex || trafico.via != p.ViaIndex;
    p.AeropuertoIndex = trafico.aeropuerto;
    p.ViaIndex = trafico.via;

    const OrdenMemoria orden = PreparaMemoria(p);
    if (!orden.sinFactor.empty()) {
        r.rechazo = "Falta el factor de apoyo";
        r.mensajeRechazo = orden.sinFactor;
        return r;
    }
    const std::string espesor = AvisoEspesorPared(p);
    if (!espesor.empty()) {
        r.pasos.push_back({true, "por el espesor de pared", espesor});
        p.AvisoEspesor = 0;
    }
    const CorreccionCasilla hr = CompruebaAlturaRelleno(p);
    if (!hr.mensaje.empty()) {
        p.hr = hr.valor;
        r.pasos.push_back({false, "hr a " + TextoNumero(p.hr) + " m", hr.mensaje});
    }
    if (orden.compruebaB) {
        const CorreccionAnchura anchura = CorrigeAnchuraZanja(p);
        if (!anchura.pregunta.empty())
            r.pasos.push_back({true, "si corregir la anchura b", anchura.pregunta});
        const std::string consejo = ConsejoAnchuraZanja(p);
        if (!consejo.empty()) {
            r.pasos.push_back({true, "por el resguardo de la zanja", consejo});
            p.AvisoAnchura = 0;
        }
    }
    if (!orden.sinRelleno.empty()) {
        r.rechazo = "Faltan datos del relleno definido por el usuario";
        r.mensajeRechazo = orden.sinRelleno;
    }
    return r;
}
