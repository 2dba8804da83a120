#include "procesa.h"

#include <functional>
#include "archivo.h"
#include "interlocutor.h"
#include "json_calculo.h"

CodigoSalida CalculoArchivo::Codigo() const
{
    if (!leido)
        return SalidaNoProyecto;
    if (!errores.empty() || !une.entrega.Entregada())
        return SalidaErrores;
    return SalidaBien;
}

int TerminaSalida(std::ostream& salida, std::ostream& errores, int codigo)
{
    // Un disco lleno o una tubería cerrada no pueden pasar por un cálculo hecho.
    if (!salida.flush()) {
        errores << "calculo-tubos-cli: no se pudo escribir el resultado en la salida.\n";
        return SalidaSinEscribir;
    }
    return codigo;
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
    // Sin ventanas: se responde No a todo y el registro se calcula tal como
    // lo deja el archivo, sin las correcciones de la ventana principal.
    RespondeNo interlocutor;
    MemoriasUneAstm memorias = CalculaMemorias(p, interlocutor);
    calculo.une = std::move(memorias.une);
    calculo.astm = std::move(memorias.astm);
    calculo.calculado = std::move(memorias.calculado);

    const HojaResultados hoja =
        GrupoTerraplen(p) ? HojaResultados::Terraplen : HojaResultados::Zanjas;
    p.ModoCalculo = 1;
    calculo.matrizUne = RellenaResultados(p, interlocutor, hoja);
    p.ModoCalculo = 2;
    calculo.matrizAstm = RellenaResultados(p, interlocutor, hoja);
    calculo.avisos = interlocutor.preguntas;
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

namespace {

Json Textos(const MatrizResultados& matriz)
{
    Json filas = Json::array();
    for (const auto& fila : matriz) {
        Json celdas = Json::array();
        for (const CeldaResultado& celda : fila)
            celdas.push_back(celda.texto);
        filas.push_back(std::move(celdas));
    }
    return filas;
}

}  // namespace

void EscribeJson(const CalculoArchivo& c, std::ostream& salida)
{
    Json j;
    j["archivo"] = c.archivo;
    j["errores"] = c.errores;
    if (c.leido) {
        j["avisos"] = c.avisos;
        j["calculo"] = JsonCalculo(c.calculado, c.une);
        if (c.une.entrega.Entregada())
            j["une"] = JsonUne(c.une);
        if (c.astm.entrega.Entregada())
            j["astm"] = JsonAstm(c.astm);
        j["matriz_une"] = Textos(c.matrizUne);
        j["matriz_astm"] = Textos(c.matrizAstm);
    }
    EscribeLineaJson(j, salida);
}
