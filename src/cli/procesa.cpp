#include "procesa.h"

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>

#include "archivo.h"
#include "interlocutor.h"

CodigoSalida CalculoArchivo::Codigo() const
{
    if (!leido)
        return SalidaNoProyecto;
    if (!errores.empty() || !une.entrega.Entregada())
        return SalidaErrores;
    return SalidaBien;
}

namespace {

// Lo que se calcula de un registro recién leído con lectura.
CalculoArchivo Calcula(const std::string& nombre,
                       const std::function<ResultadoLectura(Proyecto&, const AvisoLectura&)>& lee)
{
    CalculoArchivo calculo;
    calculo.archivo = nombre;
    Proyecto p;
    InicializaDatos(p);
    const ResultadoLectura lectura = lee(p, [&](const std::string& texto, BotonesLectura) {
        calculo.errores.push_back(texto);
        return true;  // Aceptar: seguir leyendo
    });
    calculo.leido = lectura == ResultadoLectura::Leido;  // sin ventanas nada se cancela
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

CalculoArchivo CalculaDatos(std::istream& entrada, const std::string& nombre)
{
    return Calcula(nombre, [&](Proyecto& p, const AvisoLectura& aviso) {
        return LeeDatos(p, entrada, nombre, aviso);
    });
}

namespace {

using Json = nlohmann::ordered_json;

Json Numero(double valor, bool entregado)
{
    if (!entregado || !std::isfinite(valor))
        return nullptr;
    return valor;
}

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

Json Calculo(const CalculoArchivo& c)
{
    const Proyecto& p = c.calculado;
    const EntregaCargas& e = c.une.entrega;
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
    j["mensaje"] = c.une.entrega.mensaje;
    return j;
}

}  // namespace

void EscribeJson(const CalculoArchivo& c, std::ostream& salida)
{
    Json j;
    j["archivo"] = c.archivo;
    j["errores"] = c.errores;
    if (c.leido) {
        j["avisos"] = c.avisos;
        j["calculo"] = Calculo(c);
        if (c.une.entrega.Entregada())
            j["une"] = {{"clase", c.une.clase}, {"validez", c.une.validez}};
        if (c.astm.entrega.Entregada())
            j["astm"] = {{"clase", c.astm.clase},
                         {"valor", Numero(c.astm.valor, true)},
                         {"factor", c.astm.factor},
                         {"validez", c.astm.validez}};
        j["matriz_une"] = Textos(c.matrizUne);
        j["matriz_astm"] = Textos(c.matrizAstm);
    }
    // Un nombre de archivo que no es UTF-8 válido no debe interrumpir la salida.
    salida << j.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}
