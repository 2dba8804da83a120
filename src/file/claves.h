#pragma once
// Las 58 líneas clave del archivo de proyecto.

#include <string_view>

// Número de claves; la clave k está en Claves[k - 1].
constexpr int NumeroClaves = 58;

// Texto exacto (UTF-8) de cada línea clave, de la 1 a la 58.
extern const std::string_view Claves[NumeroClaves];

// Número de la clave cuya línea es exactamente linea (mayúsculas, blancos y
// subrayados incluidos), o 0 si no es una clave.
int BuscaClave(std::string_view linea);

// Lo mismo para una línea tal como está en el archivo (bytes Windows-1252).
int BuscaClaveArchivo(std::string_view linea1252);

// Claves con nombre propio.
enum Clave : int {
    ClaveObra = 1,
    ClaveSeccion = 2,
    ClaveCliente = 3,
    ClaveBase = 4,
    ClaveInstalacion = 5,
    ClaveRelleno = 6,
    ClaveCarretera = 7,
    ClaveTitulo = 33,
    ClaveTipo = 37,
    ClaveN = 38,
    ClaveCompactacion = 43,  // se lee y se descarta
    ClaveTrafico = 47,
    ClaveAeropuerto = 48,
    ClaveVia = 49,
    ClaveNVias = 51,
    ClaveCompactador = 52,
    ClaveSentidoVia = 58,
};
