#pragma once
// El cálculo de la memoria de cálculo: las cargas del caso, su clase y la
// altura de relleno hasta la que esa clase sigue valiendo.

#include <cstdint>
#include <optional>
#include <string>

#include "cargas.h"
#include "proyecto.h"

class Interlocutor;

// Hasta dónde vale una clase: una altura de relleno (m), cualquiera, o no se
// sabe porque un cálculo falla.
struct ValidezClase {
    enum Estado { Hasta, Cualquiera, Falla };
    Estado estado = Falla;
    double hr = 0;
};

struct ResultadoInforme {
    std::uint8_t modo = 0;  // 0 carga, 1 UNE, 2 ASTM
    EntregaCargas entrega;  // cálculo de cargas: hasta dónde llegó, carga (kN/m²) y aviso
    std::string clase;      // clase mínima (modos 1 y 2); vacía si no se entregó la carga
    double valor = 0;       // valor que se muestra de la carga (ASTM: 1.5 o 1.25 veces)
    std::string factor;     // numerador ASTM ("1.5 · Qtotal" o "1.25 · Qtotal")
    std::string validez;    // "(Válido para hr <=… m.)", "(Válido para cualquier …)" o vacío
    ValidezClase alcance;   // la misma validez como número
};

// Calcula el caso con el relleno y el factor de apoyo del registro y, en los
// modos 1 (UNE) y 2 (ASTM), su clase (que deja en ClaseTexto) y su validez.
// Deja el modo en ModoCalculo, como el último cálculo del registro.
// Si el cálculo de cargas falla (también la carga del relleno) no hay clase
// (ClaseTexto no se toca); el mensaje de entrega lleva el error del relleno, si lo hubo.
// Deja siempre en ValorA … ValorC2 la leyenda de cotas del caso calculado.
ResultadoInforme CalculaInforme(Proyecto& p, Interlocutor& interlocutor, std::uint8_t modo);

// Rehace los resultados del registro con sus datos tal como están (la memoria
// en su ModoCalculo, sin correcciones ni preguntas): un archivo guardado nunca
// lleva los de otros datos. Si el cálculo falla, los que no llegó a escribir quedan a 0.
void RehaceResultados(Proyecto& p);

// Carga de cálculo (kN/m²) del caso a la altura de relleno hr (m), calculada
// como en la búsqueda de validez: una clase de terraplén (Tipo 0..3) rehace su
// Fa con esa altura, como al teclearla; un Fa tecleado se mantiene. Deja hr, Fa y las cargas en
// el registro. Sin valor si el cálculo falla.
std::optional<double> CargaEnAltura(Proyecto& p, Interlocutor& interlocutor, double hr);

// La carga de cálculo (kN/m²) pide una clase más resistente que la dada en el
// modo 1 (UNE) o 2 (ASTM); también si la dada no es una clase.
bool SuperaClase(std::uint8_t modo, const std::string& clase, double carga, double Di);

// "(Válido para hr <=… m.)", "(Válido para cualquier altura de relleno hr)" o vacío.
std::string TextoValidez(const ValidezClase& validez);

// La búsqueda de BuscaValidez, con la altura como número.
ValidezClase AlturaValida(Proyecto& p, const std::string& clase, std::uint8_t modo);

// Busca la mayor altura de relleno con la que basta la clase hallada para la
// carga C0, subiendo hr de 10 en 10 m y luego de 0.01 en 0.01 m, sin hacer
// preguntas (se responde No). Devuelve el texto de validez (vacío si un
// cálculo falla) y deja el registro como estaba.
std::string BuscaValidez(Proyecto& p, const std::string& clase, std::uint8_t modo);
