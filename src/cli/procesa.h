#pragma once
// Cálculo de un archivo de proyecto sin ventanas: lo que hace la herramienta de
// línea de órdenes con cada archivo.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "clases.h"
#include "informe.h"
#include "proyecto.h"

// Códigos de salida, de menor a mayor gravedad.
enum CodigoSalida : int {
    SalidaBien = 0,         // leído y calculado
    SalidaErrores = 1,      // errores en los datos o un cálculo que falló
    SalidaNoProyecto = 2,   // no se pudo abrir o leer, es demasiado grande o no es un proyecto
    SalidaSinEscribir = 3,  // no se pudo escribir la salida (disco lleno...)
};

// Termina la salida: si no se pudo escribir entera (disco lleno, tubería
// cerrada), lo dice en errores y devuelve SalidaSinEscribir; si no, codigo.
int TerminaSalida(std::ostream& salida, std::ostream& errores, int codigo);

// Todo lo que se calcula de un archivo.
struct CalculoArchivo {
    std::string archivo;
    bool leido = false;                // leído entero, con el título de proyecto
    std::vector<std::string> errores;  // mensajes del lector (respondidos Aceptar)
    std::vector<std::string> avisos;   // preguntas hechas (respondidas No)
    Proyecto calculado;                // el registro tras el cálculo de la memoria
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

// El cálculo de un registro ya leído: la memoria en modo UNE y en modo ASTM
// (con su validez) y las dos matrices, respondiendo No a las preguntas.
void CalculaProyecto(Proyecto p, CalculoArchivo& calculo);

// Escribe el resultado como un objeto JSON en una línea.
void EscribeJson(const CalculoArchivo& calculo, std::ostream& salida);

// Un texto que viene de fuera (el archivo, la orden) tal como se lee, pero con
// sus caracteres de control escritos "\x1b" (o "\u009b" los de C1) y los bytes
// sueltos que no son UTF-8 "\xff".
std::string TextoVisible(const std::string& texto);

// Un texto rellenado con blancos hasta ancho caracteres (no bytes) para
// escribirlo en columnas.
std::string Ajusta(const std::string& texto, std::size_t ancho);

// Una carga truncada a dos decimales, como en la memoria.
std::string Carga(double x);

// Escribe un resumen legible en castellano.
void EscribeResumen(const CalculoArchivo& calculo, std::ostream& salida);
