#include "listas.h"

namespace {

const char* const instalaciones[] = {"ZANJA", "TERRAPLEN", "ZANJA TERRAPLENADA", "ZANJA INDUCIDA"};
const char* const rellenos[] = {"Arcilla Plástica",
                                "Arcilla Ordinaria",
                                "Arena Arcillosa",
                                "Arenas y Gravas",
                                "Mat.Gran.sin Cohesión (Zahorras)",
                                "Definido por usuario"};
const char* const bases[] = {"Base rígida (roca o suelo muy compactado)",
                             "Base de suelo natural ordinario",
                             "Base muy asentable (terraplén no bien compactado)"};
const char* const traficos[] = {"Carretera", "Ferroviaria", "Aeropuerto"};
const char* const carreteras[] = {"Ninguna", "Eje simple de 70 kN (7 t.)",
                                  "Eje simple de 130 kN (13 t.)",
                                  "Carro tres ejes de 600 kN (60 t.)"};
const char* const vias[] = {"Ninguna", "Via Renfe", "Via UIC 71"};
const char* const sentidos[] = {"Longitudinal", "Transversal"};
const char* const aeropuertos[] = {"Ninguna",         "DC 9 (900 kN)", "DC 8 (1800 kN)",
                                   "Jumbo (3500 kN)", "5500 kN",       "7500 kN"};
const char* const compactadores[] = {"No aplicado", "Estático", "Dinámico"};

template <std::size_t N> constexpr ListaTextos Lista(const char* const (&textos)[N])
{
    return {textos, N};
}

}  // namespace

const ListaTextos ListaInstalaciones = Lista(instalaciones);
const ListaTextos ListaRellenos = Lista(rellenos);
const ListaTextos ListaBases = Lista(bases);
const ListaTextos ListaTraficos = Lista(traficos);
const ListaTextos ListaCarreteras = Lista(carreteras);
const ListaTextos ListaVias = Lista(vias);
const ListaTextos ListaSentidosVia = Lista(sentidos);
const ListaTextos ListaAeropuertos = Lista(aeropuertos);
const ListaTextos ListaCompactadores = Lista(compactadores);
