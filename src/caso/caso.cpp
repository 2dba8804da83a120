#include "caso.h"

#include <functional>

#include "archivo.h"
#include "interlocutor.h"
#include "ordenes.h"

CodigoSalida CalculoArchivo::Codigo() const
{
    if (!leido)
        return SalidaNoProyecto;
    if (!errores.empty() || !calculado || !une.entrega.Entregada())
        return SalidaErrores;
    return SalidaBien;
}

namespace {

using Lectura = std::function<ResultadoLectura(Proyecto&, const AvisoLectura&)>;

// Lee sobre un registro recién inicializado, respondiendo Aceptar a cada
// mensaje del lector; true si se leyó (sin ventanas nada se cancela).
bool Lee(Proyecto& p, std::vector<std::string>& errores, const Lectura& lee)
{
    InicializaDatos(p);
    const ResultadoLectura lectura = lee(p, [&](const std::string& texto, BotonesLectura) {
        errores.push_back(texto);
        return true;  // Aceptar: seguir leyendo
    });
    return lectura == ResultadoLectura::Leido;
}

// Lo que se calcula de un registro recién leído con lectura.
CalculoArchivo Calcula(const std::string& nombre, const Lectura& lee)
{
    CalculoArchivo calculo;
    calculo.archivo = nombre;
    Proyecto p;
    calculo.leido = Lee(p, calculo.errores, lee);
    if (calculo.leido)
        CalculaProyecto(p, calculo);
    return calculo;
}

}  // namespace

void CalculaProyecto(Proyecto p, CalculoArchivo& calculo)
{
    // Sin ventanas: las órdenes de la ventana, respondiendo No a todo.
    RespondeNo no;
    Proyecto hojas = p;
    MemoriasUneAstm memorias = OrdenMemorias(p, no);
    calculo.calculado = memorias.calculadas;
    calculo.une = std::move(memorias.une);
    calculo.astm = std::move(memorias.astm);
    calculo.proyecto = memorias.calculadas ? std::move(memorias.calculado) : std::move(p);
    if (const Aviso* rechazo = no.Rechazo()) {
        // Sin orden no hay cargas: nada debe parecer entregado.
        calculo.rechazo = rechazo->texto;
        calculo.une.entrega.fallo = calculo.astm.entrega.fallo = PasoCarga::Relleno;
    }

    for (const int tag : {0, 1}) {
        Proyecto hoja = hojas;
        const OrdenHojasPreparada orden = OrdenHojas(hoja, no, tag);
        if (!orden.abre)
            break;
        (tag == 0 ? calculo.matrizUne : calculo.matrizAstm) =
            RellenaResultados(hoja, no, orden.hoja, orden.modo);
    }
    calculo.avisos = no.Notas();
}

CalculoArchivo CalculaArchivo(const std::string& nombre)
{
    return Calcula(nombre, [&](Proyecto& p, const AvisoLectura& aviso) {
        return LeeArchivo(p, nombre, aviso);
    });
}

bool LeeProyecto(const std::string& nombre, Proyecto& p, std::vector<std::string>& errores)
{
    return Lee(p, errores, [&](Proyecto& registro, const AvisoLectura& aviso) {
        return LeeArchivo(registro, nombre, aviso);
    });
}

CalculoArchivo CalculaDatos(std::istream& entrada, const std::string& nombre)
{
    return Calcula(nombre, [&](Proyecto& p, const AvisoLectura& aviso) {
        return LeeDatos(p, entrada, nombre, aviso);
    });
}
