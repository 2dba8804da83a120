#pragma once
// calculo-tubos-cli --tramos: una tabla de tramos calculada sin ventanas.

#include <ostream>
#include <string>

#include "exportes_cli.h"
#include "tramos.h"

struct OpcionesTramos {
    std::string tabla;     // el archivo CSV de tramos
    std::string proyecto;  // el caso base; vacío: un registro recién inicializado (sin tubo)
    bool json = false;     // un objeto JSON por tramo en vez de la tabla legible
    OpcionesExportes exportes{};  // mediciones y perfil en archivos
};

// Lee el caso base y la tabla, calcula cada tramo y lo escribe en cuanto está
// calculado (solo se guardan los metros por diámetro y clase, que se escriben
// al final), y escribe después las mediciones y el perfil pedidos. Lo que no
// se pudo leer o escribir y los avisos van a errores. Devuelve el código de
// salida (CodigoSalida).
int CalculaTramos(const OpcionesTramos& opciones, std::ostream& salida, std::ostream& errores);

// El código de salida de un tramo: SalidaBien si se calculó sin errores y con
// clase UNE y ASTM; si no, SalidaErrores.
int CodigoDeTramo(const TramoCalculado& calculo);

// Un tramo calculado como una línea JSON: tramo, pk_inicial, pk_final,
// errores, notas y, si se calculó, calculo, une y astm como en el modo de archivos.
void EscribeTramoJson(const Tramo& tramo, const TramoCalculado& calculo, std::ostream& salida);
