#include "informe.h"

#include <optional>
#include <utility>

#include "apoyo.h"
#include "factor_apoyo.h"
#include "clases.h"
#include "interlocutor.h"
#include "numero.h"
#include "proyecto.h"
#include "textos_informe.h"

namespace {

enum class Paso { Basta, Supera, Falla };

// Calcula el caso a la altura actual del registro y dice si la clase basta.
Paso PruebaAltura(Proyecto& p, Interlocutor& interlocutor, const std::string& clase,
                  std::uint8_t modo)
{
    const std::optional<double> carga = CargaEnAltura(p, interlocutor, p.hr);
    if (!carga)
        return Paso::Falla;
    return SuperaClase(modo, clase, *carga, p.Di) ? Paso::Supera : Paso::Basta;
}

// Hasta dónde el tráfico puede hacer que la carga suba y baje con la altura:
// la carretera hasta 4 m (sus ramas y su final), trenes y aviones desde 1 m
// (antes no cargan) hasta 15 m (la tabla de los aviones). Más arriba la carga
// solo baja y vuelve a subir, y los pasos de 10 m no se saltan un máximo.
double AlturaDelTrafico(const Proyecto& p)
{
    switch (p.TraficoIndex) {
    case 0: return p.CarreteraIndex != 0 ? 4.0 : 0;
    case 1: return p.ViaIndex != 0 ? 15.0 : 0;
    case 2: return p.AeropuertoIndex != 0 ? 15.0 : 0;
    default: return 0;
    }
}

ValidezClase BuscaEnAlturas(Proyecto& p, Interlocutor& interlocutor, const std::string& clase,
                            std::uint8_t modo)
{
    // Donde el tráfico cambia la carga, cada 0.01 m: un tren que empieza a cargar
    // a 1 m no queda entre dos pasos de 10 m.
    const double tope = AlturaDelTrafico(p);
    for (int paso = 0; paso < 1600 && p.hr < tope; ++paso) {
        const double anterior = p.hr;
        p.hr = static_cast<double>(p.hr + 0.01L);
        const Paso resultado = PruebaAltura(p, interlocutor, clase, modo);
        if (resultado == Paso::Falla)
            return {ValidezClase::Falla, 0};
        if (resultado == Paso::Supera)
            return {ValidezClase::Hasta, anterior};
    }

    bool superada = false;
    for (int paso = 0; paso < 100 && !superada; ++paso) {
        p.hr += 10;
        const Paso resultado = PruebaAltura(p, interlocutor, clase, modo);
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
        const Paso resultado = PruebaAltura(p, interlocutor, clase, modo);
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
    // Solo una clase de terraplén (Tipo 0..3) cambia su Fa con la altura, como
    // al teclearla en su casilla; un Fa tecleado a mano se mantiene.
    if (const std::optional<double> fa = FaDeLaClase(p)) {
        if (!(*fa > 0))
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

ValidezClase AlturaValida(Proyecto& p, const std::string& clase, std::uint8_t modo)
{
    // Se calcula sobre el propio registro y al final se deja como estaba. Las
    // alturas que se prueban no son las del usuario: no se le pregunta por
    // ellas (con un hr negativo, cada paso preguntaría si subirlo a 1 m).
    const Proyecto antes = p;
    RespondeNo sinPreguntar;
    const ValidezClase validez = BuscaEnAlturas(p, sinPreguntar, clase, modo);
    p = antes;
    return validez;
}

std::string BuscaValidez(Proyecto& p, const std::string& clase, std::uint8_t modo)
{
    return TextoValidez(AlturaValida(p, clase, modo));
}

void RehaceResultados(Proyecto& p)
{
    BorraResultados(p);
    RespondeNo sinPreguntar;
    CalculaInforme(p, sinPreguntar, p.ModoCalculo);
    p.r = p.qm, p.qc = p.fc;  // lo que mostraban los rótulos de tráfico y compactación
}

ResultadoInforme CalculaInforme(Proyecto& p, Interlocutor& interlocutor, std::uint8_t modo)
{
    ResultadoInforme r;
    r.modo = modo;
    p.ModoCalculo = modo;
    r.entrega = CalculaCargas(p, interlocutor, p.RellenoIndex, p.Fa);
    // La leyenda de cotas del croquis queda en el registro: la guarda el archivo.
    const LeyendaCotas cotas = LeyendaDeCotas(p);
    p.ValorA = cotas.a, p.ValorB = cotas.b, p.ValorC = cotas.c, p.ValorC2 = cotas.c2;
    if (!r.entrega.Entregada())
        return r;
    r.valor = p.CargaCalculo;
    if (modo == 1) {
        r.clase = ClaseUNE(p.CargaCalculo, p.Di);
    } else if (modo == 2) {
        ClasificacionASTM astm = ClaseASTM(p.CargaCalculo / 1.5);
        r.clase = std::move(astm.clase);
        r.valor = astm.valor;
        r.factor = std::move(astm.factor);
    } else {
        return r;
    }
    p.ClaseTexto = r.clase;
    if (r.clase != "NO") {
        r.alcance = AlturaValida(p, r.clase, modo);
        r.validez = TextoValidez(r.alcance);
    }
    return r;
}
