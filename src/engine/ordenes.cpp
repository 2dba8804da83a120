#include "ordenes.h"

#include "proyecto.h"

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
