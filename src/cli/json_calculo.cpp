// Partes del objeto JSON de un cálculo.

#include "json_calculo.h"

#include <cmath>
#include <utility>

namespace {

Json Numero(double valor, bool entregado)
{
    if (!entregado || !std::isfinite(valor))
        return nullptr;
    return valor;
}

Json JsonCalculo(const Proyecto& p, const ResultadoInforme& une)
{
    const EntregaCargas& e = une.entrega;
    const bool relleno = e.Escrito(PasoCarga::Relleno);
    Json j;
    j["ok"] = e.Entregada();
    j["qr"] = Numero(p.qr, relleno);
    j["qm"] = Numero(p.qm, e.Escrito(PasoCarga::Trafico));
    j["fp"] = Numero(p.fp, e.Escrito(PasoCarga::Puntual));
    j["fs"] = Numero(p.fs, e.Escrito(PasoCarga::Superficie));
    j["fc"] = Numero(p.fc, e.Escrito(PasoCarga::Compactacion));
    j["qTotal"] = Numero(p.qTotal, e.Escrito(PasoCarga::Total));
    j["CargaCalculo"] = Numero(p.CargaCalculo, e.Escrito(PasoCarga::CargaCalculo));
    const std::pair<const char*, double> coeficientes[] = {
        {"Cz", p.Cz},
        {"Ct", p.Ct},
        {"Czt", p.Czt},
        {"Ci", p.Ci},
        {"ho", p.ho},
        {"c1", p.c1},
        {"lambda", p.lambda},
        {"lambdami", p.lambdami},
        {"lambdami1", p.lambdami1},
        {"gamma", p.gamma},
    };
    for (const auto& [nombre, valor] : coeficientes)
        j[nombre] = Numero(valor, relleno);
    j["NViasActuantes"] = p.NViasActuantes;
    j["ZanjaComoTerraplen"] = p.ZanjaComoTerraplen;
    j["mensaje"] = e.mensaje;
    return j;
}

Json JsonUne(const ResultadoInforme& une)
{
    return {{"clase", une.clase}, {"validez", une.validez}};
}

Json JsonAstm(const ResultadoInforme& astm)
{
    return {{"clase", astm.clase},
            {"valor", Numero(astm.valor, true)},
            {"factor", astm.factor},
            {"validez", astm.validez}};
}

}  // namespace

void AnadeCalculo(Json& j, const Proyecto& calculado, const ResultadoInforme& une,
                  const ResultadoInforme& astm)
{
    j["calculo"] = JsonCalculo(calculado, une);
    if (une.entrega.Entregada())
        j["une"] = JsonUne(une);
    if (astm.entrega.Entregada())
        j["astm"] = JsonAstm(astm);
}

void EscribeLineaJson(const Json& j, std::ostream& salida)
{
    salida << j.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}
