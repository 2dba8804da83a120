#pragma once
// Las órdenes de cálculo de la ventana principal, enteras: sus comprobaciones,
// correcciones, preguntas y rechazos, lo que una corrección deja anticuado y
// el cálculo. Todas las vías las dan igual: la ventana (que muestra los
// mensajes del interlocutor) y la línea de estado, la tabla de tramos, la
// curva, el anejo y la herramienta (que responden No y lo anotan).

#include <cstdint>
#include <string>

#include "clases.h"
#include "informe.h"

class Interlocutor;
struct Proyecto;

// ---- Los pasos, que también dan las casillas al salir de ellas ----

// Rehace el Fa de la clase de apoyo del terraplén con los datos de ahora (nada
// si el Fa es tecleado o de una cama).
void RehaceFaDeLaClase(Proyecto& p);

// Altura de relleno mínima (corrección con su mensaje; rehace Fa) y el consejo
// del vehículo de carretera con menos de 1 m de relleno.
void CompruebaRelleno(Proyecto& p, Interlocutor& interlocutor);

// Aviso del espesor de pared (su interruptor) y después CompruebaRelleno.
void CompruebaEspesor(Proyecto& p, Interlocutor& interlocutor);

// Anchura de la zanja: pregunta si se corrige una menor que De y aconseja el
// resguardo (su interruptor).
void CompruebaAnchura(Proyecto& p, Interlocutor& interlocutor);

// Lo que dicen la memoria, la línea de estado y el anejo cuando con menos de
// 1 m de relleno no se cuentan los trenes o aviones elegidos.
std::string TextoTraficoSinContar(const Proyecto& p);

// ---- Las órdenes ----

// Lo que la orden hizo antes de calcular.
struct OrdenPreparada {
    bool calcula = false;           // false: rechazada (el rechazo se dijo al interlocutor)
    bool sinTraficoPesado = false;  // con menos de 1 m de relleno no cuentan aviones ni trenes
};

// "Ca&lcular Carga", "Calcular Clase Resistente &UNE" y "…A&STM" hasta el
// cálculo: corrige, pregunta y rechaza como la ventana; lo corregido queda en
// el registro.
OrdenPreparada PreparaOrdenMemoria(Proyecto& p, Interlocutor& interlocutor);

// La orden entera en el modo 0 (carga), 1 (UNE) o 2 (ASTM).
struct OrdenCalculada {
    OrdenPreparada preparada;
    bool calculada = false;  // hay memoria (quizá con un fallo del cálculo de cargas)
    ResultadoInforme informe;
};
OrdenCalculada OrdenMemoria(Proyecto& p, Interlocutor& interlocutor, std::uint8_t modo);

// Las memorias UNE y ASTM de una vía sin ventanas: la orden UNE y, si se
// calculó, la memoria ASTM del registro tal como ella lo dejó.
struct MemoriasUneAstm {
    OrdenPreparada preparada;
    bool calculadas = false;
    ResultadoInforme une, astm;
    Proyecto calculado;  // el registro tras la memoria UNE (sus cargas)
};
MemoriasUneAstm OrdenMemorias(Proyecto& p, Interlocutor& interlocutor);

// "Calcular &todo UNE" (tag 0) y "…ASTM" (tag 1) hasta abrir la hoja: la hoja
// y su modo, o abre = false si se rechazó.
struct OrdenHojasPreparada {
    bool abre = false;
    HojaResultados hoja = HojaResultados::Zanjas;
    std::uint8_t modo = 1;
};
OrdenHojasPreparada OrdenHojas(Proyecto& p, Interlocutor& interlocutor, int tag);

// Botón "&Predefinidos": el diálogo de apoyo que abre o, si faltan datos, el
// rechazo que se muestra en su lugar.
enum class DialogoApoyo { Ninguno, Cama, ClaseTerraplen };
struct OrdenPredefinidos {
    DialogoApoyo dialogo = DialogoApoyo::Ninguno;
    std::string rechazo;  // o vacío
    std::string tituloRechazo;
};
OrdenPredefinidos PreparaPredefinidos(const Proyecto& p);
