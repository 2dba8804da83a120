#include "clase_en_vivo.h"

#include <vector>

#include "apoyo.h"
#include "comprobaciones.h"
#include "informe.h"
#include "interlocutor.h"
#include "numero.h"
#include "ordenes.h"
#include "proyecto.h"
#include "textos_informe.h"
#include "zanja.h"

namespace {

EstadoClase Sin(std::string texto)
{
    return {false, std::move(texto)};
}

// La memoria de un modo, sobre su propia copia, con los rótulos que mostraría.
struct Memoria {
    ResultadoInforme r;
    TextosInforme t;
    bool subeAltura = false;  // preguntaría si sube hr a 1 m
};

Memoria CalculaMemoria(Proyecto p, std::uint8_t modo)
{
    p.ModoCalculo = modo;
    RespondeNo no;
    Memoria m;
    m.r = CalculaInforme(p, no);
    m.t = TextosDelInforme(p, m.r);
    m.subeAltura = !no.preguntas.empty();
    return m;
}

// "(Válido para hr <=2.53 m.)" → " (hasta hr 2.53 m)", con las cifras de la memoria.
std::string Validez(const std::string& validez)
{
    static const std::string hasta = "(Válido para hr <=", fin = " m.)";
    if (validez.rfind(hasta, 0) == 0 && validez.size() > hasta.size() + fin.size())
        return " (hasta hr " +
               validez.substr(hasta.size(), validez.size() - hasta.size() - fin.size()) + " m)";
    if (validez == "(Válido para cualquier altura de relleno hr)")
        return " (cualquier hr)";
    return "";  // la búsqueda no llegó a una altura: la memoria tampoco la da
}

// "UNE 90 (hasta hr 2.53 m)"; la carga solo si la memoria de esa norma da otra.
std::string Parte(const char* norma, const Memoria& m, const std::string& cargaComun)
{
    const std::string& carga = m.t.textos.at("LDCarga");
    const std::string conCarga = carga != cargaComun ? " con carga " + carga : "";
    if (m.r.clase == "NO")
        return std::string(norma) + ": ninguna clase" + conCarga;
    return norma + (" " + m.r.clase) + conCarga + Validez(m.r.validez);
}

}  // namespace

EstadoClase ClaseEnVivo(const Proyecto& original)
{
    Proyecto p = original;

    // Los pasos de la orden, en su orden; lo que ella corrige se corrige aquí en la copia.
    std::vector<std::string> corregidos;
    const CorreccionHr2 hr2 = CorrigeHr2(p.hr2, p.b2, true);
    if (hr2.accion == CorreccionHr2::Accion::PideB2)
        return Sin("Falta la anchura b2 de la zanja inducida");
    if (hr2.accion == CorreccionHr2::Accion::Corrige) {
        p.hr2 = hr2.hr2;
        corregidos.push_back("hr2 a " + TextoNumero(p.hr2) + " m");
    }
    const TraficoCalculado trafico = TraficoSegunRelleno(p);
    p.AeropuertoIndex = trafico.aeropuerto;
    p.ViaIndex = trafico.via;

    const OrdenMemoria orden = PreparaMemoria(p);
    if (!orden.sinFactor.empty())
        return Sin("Falta el factor de apoyo");
    if (!orden.sinRelleno.empty())
        return Sin("Faltan datos del relleno definido por el usuario");

    std::string pregunta;
    if (!AvisoEspesorPared(p).empty())
        pregunta = "por el espesor de pared";
    const CorreccionCasilla hr = CompruebaAlturaRelleno(p);
    if (!hr.mensaje.empty()) {
        p.hr = hr.valor;
        corregidos.push_back("hr a " + TextoNumero(p.hr) + " m");
    }
    if (orden.compruebaB && pregunta.empty()) {
        if (!CorrigeAnchuraZanja(p).pregunta.empty())
            pregunta = "si corregir la anchura b";
        else if (!ConsejoAnchuraZanja(p).empty())
            pregunta = "por el resguardo de la zanja";
    }

    if (!corregidos.empty()) {
        std::string texto = "Al calcular se corregirá " + corregidos.front();
        for (std::size_t i = 1; i < corregidos.size(); ++i)
            texto += " y " + corregidos[i];
        return Sin(texto);
    }
    if (!pregunta.empty())
        return Sin("Al calcular se preguntará " + pregunta);

    const Memoria une = CalculaMemoria(p, 1);
    if (une.subeAltura)
        return Sin("Al calcular se preguntará si subir hr a 1 m");
    if (!une.r.entrega.Entregada())
        return Sin(une.r.entrega.mensaje.empty() ? "No se pudo completar el cálculo de cargas"
                                                 : une.r.entrega.mensaje);
    // Con carga entregada, el aviso de la memoria es el de la zanja calculada
    // como terraplén, que pregunta si se mantiene.
    if (!une.r.entrega.mensaje.empty())
        return Sin("Al calcular se preguntará por el aviso de carga como terraplén");

    const Memoria astm = CalculaMemoria(p, 2);
    const std::string& carga = une.t.textos.at("LDCarga");
    return {true, "Carga de cálculo " + carga + " · " + Parte("UNE", une, carga) + " · " +
                      Parte("ASTM", astm, carga)};
}
