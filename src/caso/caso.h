#pragma once
// Leer un archivo de proyecto y calcularlo sin ventanas, como lo hacen la
// herramienta de línea de órdenes, el anejo sin pantalla, las medidas y los
// fuzzers: la orden de cálculo de la ventana, respondiendo No a sus preguntas.

#include <istream>
#include <string>
#include <vector>

#include "clases.h"
#include "informe.h"
#include "proyecto.h"

// Códigos de salida de las vías sin ventanas, de menor a mayor gravedad.
enum CodigoSalida : int {
    SalidaBien = 0,         // leído y calculado
    SalidaErrores = 1,      // errores en los datos, una orden rechazada o un cálculo que falló
    SalidaNoProyecto = 2,   // no se pudo abrir o leer, es demasiado grande o no es un proyecto
    SalidaSinEscribir = 3,  // no se pudo escribir la salida (disco lleno...)
};

// Todo lo que se calcula de un archivo.
struct CalculoArchivo {
    std::string archivo;
    bool leido = false;                // leído entero, con el título de proyecto
    std::vector<std::string> errores;  // mensajes del lector (respondidos Aceptar)
    std::string rechazo;               // por qué la orden no calcula, o vacío
    std::vector<std::string> avisos;   // correcciones, consejos y preguntas (respondidas No)
    bool calculado = false;            // la orden calculó (quizá con un fallo de las cargas)
    Proyecto proyecto;                 // el registro tras la memoria UNE (sus cargas)
    ResultadoInforme une, astm;
    MatrizResultados matrizUne, matrizAstm;

    CodigoSalida Codigo() const;
};

// Lee el archivo sobre un registro recién inicializado y calcula, en este
// orden, la memoria en modo UNE y en modo ASTM y las dos matrices.
CalculoArchivo CalculaArchivo(const std::string& nombre);

// Solo la lectura: el archivo sobre un registro recién inicializado, con los
// mensajes del lector en errores; true si se leyó.
bool LeeProyecto(const std::string& nombre, Proyecto& p, std::vector<std::string>& errores);

// Lo mismo con un flujo ya abierto (nombre es el que se anota).
CalculoArchivo CalculaDatos(std::istream& entrada, const std::string& nombre);

// El cálculo de un registro ya leído: las órdenes "Calcular Clase Resistente
// UNE" y "…ASTM" (con sus correcciones y su validez) y "Calcular todo UNE" y
// "…ASTM", respondiendo No a las preguntas.
void CalculaProyecto(Proyecto p, CalculoArchivo& calculo);

// Un texto que viene de fuera (el archivo, la orden) tal como se lee, pero con
// sus caracteres de control escritos "\x1b" (o "\u009b" los de C1) y los bytes
// sueltos que no son UTF-8 "\xff".
std::string TextoVisible(const std::string& texto);
