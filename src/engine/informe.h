#pragma once
// El cálculo de la memoria de cálculo: las cargas del caso, su clase y la
// altura de relleno hasta la que esa clase sigue valiendo.

#include <string>

#include "cargas.h"

struct Proyecto;
class Interlocutor;

struct ResultadoInforme {
    EntregaCargas entrega;  // cálculo de cargas: hasta dónde llegó, carga (kN/m²) y aviso
    std::string clase;      // clase mínima (modos 1 y 2); vacía si no se entregó la carga
    double valor = 0;       // valor que se muestra de la carga (ASTM: 1.5 o 1.25 veces)
    std::string factor;     // numerador ASTM ("1.5 · Qtotal" o "1.25 · Qtotal")
    std::string validez;    // "(Válido para hr <=… m.)", "(Válido para cualquier …)" o vacío
};

// Calcula el caso con el relleno y el factor de apoyo del registro y, en los
// modos 1 (UNE) y 2 (ASTM), su clase (que deja en ClaseTexto) y su validez.
// Si el cálculo de cargas falla (también la carga del relleno) no hay clase
// (ClaseTexto no se toca); el mensaje de entrega lleva el error del relleno, si lo hubo.
// Deja siempre en ValorA … ValorC2 la leyenda de cotas del caso calculado.
ResultadoInforme CalculaInforme(Proyecto& p, Interlocutor& interlocutor);

// Busca la mayor altura de relleno con la que basta la clase hallada para la
// carga C0, subiendo hr de 10 en 10 m y luego de 0.01 en 0.01 m, sin hacer
// preguntas (se responde No). Devuelve el texto de validez (vacío si un
// cálculo falla) y deja el registro como estaba.
std::string BuscaValidez(Proyecto& p, const std::string& clase);
