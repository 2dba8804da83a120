#pragma once
// Lo que hay que corregir, preguntar o rechazar antes de cada orden de cálculo
// de la ventana principal, según el registro.

#include <cstdint>
#include <string>
#include <vector>

#include "comprobaciones.h"

struct Proyecto;

// Tráfico que entra en el cálculo: con menos de 1 m de relleno ni aviones ni
// trenes (las listas siguen mostrando lo elegido).
struct TraficoCalculado {
    std::uint8_t aeropuerto = 0;
    std::uint8_t via = 0;
};
TraficoCalculado TraficoSegunRelleno(const Proyecto& p);

// Hojas de resultados (tag 0 UNE, 1 ASTM).
struct OrdenHojas {
    std::uint8_t modo = 1;  // ModoCalculo
    bool zanjas = false;    // la hoja de zanjas, con la comprobación de la anchura
};
OrdenHojas PreparaHojas(const Proyecto& p, int tag);
// El relleno mínimo de las hojas (0.5 m, también sin relleno), tras las comprobaciones.
CorreccionCasilla RellenoMinimoHojas(const Proyecto& p);

// Memoria de cálculo.
struct OrdenMemoria {
    std::string sinFactor;  // rechazo antes de comprobar nada, o vacío
    std::string tituloSinFactor;
    bool compruebaB = false;  // la anchura de la zanja se comprueba
    std::string sinRelleno;   // rechazo después de las comprobaciones, o vacío
};
OrdenMemoria PreparaMemoria(const Proyecto& p);

// Lo que la orden de la memoria corrige o pregunta antes de calcular.
struct PasoPrevio {
    bool pregunta = false;  // una pregunta Sí/No (respondida No); si no, una corrección
    std::string breve;      // "hr a 0.5 m", "por el espesor de pared"
    std::string mensaje;    // el mensaje que muestra la ventana principal
};
struct MemoriaPreparada {
    std::string rechazo;  // "Falta el factor de apoyo"...: no se calcula; vacío si se calcula
    std::string mensajeRechazo;
    std::vector<PasoPrevio> pasos;  // en el orden de la orden
    bool sinTraficoPesado = false;  // con menos de 1 m de relleno se quitaron aviones o trenes
};
// Los pasos de "Calcular Clase Resistente UNE/ASTM" sobre el registro, en su
// orden: corrige lo que la orden corrige y responde No a sus preguntas.
MemoriaPreparada PreparaYCorrigeMemoria(Proyecto& p);

// Botón "&Predefinidos": el diálogo de apoyo que abre o, si faltan datos, el
// rechazo que se muestra en su lugar.
enum class DialogoApoyo { Ninguno, Cama, ClaseTerraplen };
struct OrdenPredefinidos {
    DialogoApoyo dialogo = DialogoApoyo::Ninguno;
    std::string rechazo;  // o vacío
    std::string tituloRechazo;
};
OrdenPredefinidos PreparaPredefinidos(const Proyecto& p);
