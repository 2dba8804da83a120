#include "clase_en_vivo.h"

#include "informe.h"
#include "interlocutor.h"
#include "ordenes.h"
#include "proyecto.h"
#include "textos_informe.h"

namespace {

EstadoClase Sin(std::string texto)
{
    return {false, std::move(texto)};
}

// La memoria de un modo sobre una copia del registro ya preparado por la orden.
struct Memoria {
    ResultadoInforme r;
    TextosInforme t;
    bool subeAltura = false;  // preguntaría si sube hr a 1 m
};

Memoria CalculaMemoria(Proyecto p, std::uint8_t modo)
{
    RespondeNo no;
    Memoria m;
    m.r = CalculaInforme(p, no, modo);
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
    // Lo primero que falta en un caso nuevo es el tubo, no el factor de apoyo.
    if (!(original.Di > 0))
        return Sin("Falta el tubo: dé su diámetro interior Di");
    Proyecto p = original;

    // La orden sobre la copia: lo que ella rechaza, corrige o pregunta se dice en lugar de la
    // clase.
    RespondeNo orden;
    if (!PreparaOrdenMemoria(p, orden).calcula)
        return Sin(orden.Rechazo() ? orden.Rechazo()->breve : "");
    std::string corregidos, pregunta, nota;
    for (const Aviso& dicho : orden.dichos) {
        if (dicho.tipo == Aviso::Tipo::Correccion)
            corregidos += (corregidos.empty() ? "" : " y ") + dicho.breve;
        else if (dicho.tipo == Aviso::Tipo::Pregunta && pregunta.empty())
            pregunta = dicho.breve;
        else if (dicho.tipo == Aviso::Tipo::Nota)
            nota = " · " + dicho.breve;
    }
    if (!corregidos.empty())
        return Sin("Al calcular se corregirá " + corregidos);
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
                      Parte("ASTM", astm, carga) + nota};
}
