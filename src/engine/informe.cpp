#include "informe.h"

#include <optional>
#include <utility>

#include "apoyo.h"
#include "clases.h"
#include "interlocutor.h"
#include "numero.h"
#include "proyecto.h"
#include "textos_informe.h"

namespace {

enum class Paso { Basta, Supera, Falla };

// Calcula el caso a la altura actual del registro y dice si la clase basta.
Paso PruebaAltura(Proyecto& p, Interlocutor& interlocutor, const std::string& clase)
{
    const std::optional<double> carga = CargaEnAltura(p, interlocutor, p.hr);
    if (!carga)
        return Paso::Falla;
    return SuperaClase(p.ModoCalculo, clase, *carga, p.Di) ? Paso::Supera : Paso::Basta;
}

ValidezClase BuscaEnAlturas(Proyecto& p, Interlocutor& interlocutor, const std::string& clase)
{
    bool superada = false;
    for (int paso = 0; paso < 100 && !superada; ++paso) {
        p.hr += 10;
        const Paso resultado = PruebaAltura(p, interlocutor, clase);
        if (resultado == Paso::Falla)
            return {ValidezClase::Falla, 0};
        superada = resultado == Paso::Supera;
    }
    if (!superada)
        return {ValidezClase::Cualquiera, 0};

    p.hr -= 10;
    double valida = p.hr;
    for (int paso = 0; paso < 1000; ++paso) {
        p.hr = static_cast<double>(p.hr + 0.01L);
        const Paso resultado = PruebaAltura(p, interlocutor, clase);
        if (resultado == Paso::Falla)
            return {ValidezClase::Falla, 0};
        if (resultado == Paso::Supera)
            break;
        valida = p.hr;
    }
    // Si la suma de pasos de 0.01 no llega a la altura del paso grueso que
    // superó la clase, vale hasta el último paso fino probado.
    return {ValidezClase::Hasta, valida};
}

}  // namespace

std::optional<double> CargaEnAltura(Proyecto& p, Interlocutor& interlocutor, double hr)
{
    p.hr = hr;
    // Solo una clase de terraplén (Tipo 0..3) cambia su Fa con la altura; un Fa
    // tecleado a mano se mantiene.
    if (GrupoTerraplen(p) && p.Tipo >= 0 && p.Tipo <= 3) {
        const auto fa = CalculaFa(p, p.InstalacionIndex, static_cast<std::uint8_t>(p.Tipo + 1));
        if (!fa)
            return std::nullopt;
        p.Fa = *fa;
    }
    const EntregaCargas entrega = CalculaCargas(p, interlocutor, p.RellenoIndex, p.Fa);
    if (!entrega.Entregada())
        return std::nullopt;
    return entrega.carga;
}

bool SuperaClase(std::uint8_t modo, const std::string& clase, double carga, double Di)
{
    return RangoClase(ClaseSegunModo(modo, carga, Di)) > RangoClase(clase);
}

std::string TextoValidez(const ValidezClase& validez)
{
    switch (validez.estado) {
    case ValidezClase::Hasta: return "(Válido para hr <=" + TextoNumero(validez.hr) + " m.)";
    case ValidezClase::Cualquiera: return "(Válido para cualquier altura de relleno hr)";
    case ValidezClase::Falla: break;
    }
    return {};
}

ValidezClase AlturaValida(Proyecto& p, const std::string& clase)
{
    // Se calcula sobre el propio registro y al final se deja como estaba. Las
    // alturas que se prueban no son las del usuario: no se le pregunta por
    // ellas (con un hr negativo, cada paso preguntaría si subirlo a 1 m).
    const Proyecto antes = p;
    RespondeNo sinPreguntar;
    const ValidezClase validez = BuscaEnAlturas(p, sinPreguntar, clase);
    p = antes;
    return validez;
}

std::string BuscaValidez(Proyecto& p, const std::string& clase)
{
    return TextoValidez(AlturaValida(p, clase));
}

ResultadoInforme CalculaInforme(Proyecto& p, Interlocutor& interlocutor)
{
    ResultadoInforme r;
    r.entrega = CalculaCargas(p, interlocutor, p.RellenoIndex, p.Fa);
    // La leyenda de cotas del croquis queda en el registro: la guarda el archivo.
    const LeyendaCotas cotas = LeyendaDeCotas(p);
    p.ValorA = cotas.a, p.ValorB = cotas.b, p.ValorC = cotas.c, p.ValorC2 = cotas.c2;
    if (!r.entrega.Entregada())
        return r;
    r.valor = p.CargaCalculo;
    if (p.ModoCalculo == 1) {
        r.clase = ClaseUNE(p.CargaCalculo, p.Di);
    } else if (p.ModoCalculo == 2) {
        ClasificacionASTM astm = ClaseASTM(p.CargaCalculo / 1.5);
        r.clase = std::move(astm.clase);
        r.valor = astm.valor;
        r.factor = std::move(astm.factor);
    } else {
        return r;
    }
    p.ClaseTexto = r.clase;
    if (r.clase != "NO")
        r.validez = BuscaValidez(p, r.clase);
    return r;
}

MemoriasUneAstm CalculaMemorias(Proyecto& p, Interlocutor& interlocutor)
{
    MemoriasUneAstm m;
    p.ModoCalculo = 1;
    m.une = CalculaInforme(p, interlocutor);
    m.calculado = p;
    p.ModoCalculo = 2;
    m.astm = CalculaInforme(p, interlocutor);
    return m;
}
