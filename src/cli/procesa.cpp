#include "procesa.h"

#include "json_calculo.h"

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
        if (!c.rechazo.empty())
            j["rechazo"] = c.rechazo;
        if (c.calculado)
            AnadeCalculo(j, c.proyecto, c.une, c.astm);
        j["matriz_une"] = Textos(c.matrizUne);
        j["matriz_astm"] = Textos(c.matrizAstm);
    }
    EscribeLineaJson(j, salida);
}
