#pragma once
// Guardar el caso en un archivo de proyecto y leerlo de nuevo.

#include <cstddef>
#include <functional>
#include <istream>
#include <string>

struct Proyecto;

// Resultado de guardar.
struct ResultadoGuardar {
    bool guardado = false;
    std::string error;  // explicación en castellano si no se pudo guardar
};

// Escribe el caso en el archivo nombre (Windows-1252, CR LF). Escribe primero un
// archivo temporal en la misma carpeta y lo pone en lugar del anterior solo al
// final, de modo que un fallo deja intacto el archivo que hubiera y ningún
// temporal. Un enlace simbólico se queda como enlace (se reescribe el archivo
// al que lleva) y el archivo sustituido conserva dueño y permisos. Rehúsa lo
// que no es un archivo normal (carpeta, tubería, dispositivo), un archivo de
// solo lectura y un enlace roto. Si sale bien, pone Modificado a 0 y FileName
// a nombre.
ResultadoGuardar GuardaArchivo(Proyecto& p, const std::string& nombre);

// Escribe el contenido en el archivo nombre con las mismas garantías que
// GuardaArchivo: temporal en la misma carpeta, enlaces, dueño y permisos.
ResultadoGuardar GuardaContenido(const std::string& contenido, const std::string& nombre);

// El contenido exacto (bytes Windows-1252) que GuardaArchivo escribe.
std::string TextoArchivo(const Proyecto& p);

// Los caracteres distintos del caso que el archivo no puede llevar y se
// escribirán "?" (UTF-8, por orden de aparición); vacío si no hay ninguno.
std::string CaracteresNoGuardables(const Proyecto& p);

// Botones que ofrece un mensaje del lector.
enum class BotonesLectura {
    Cancelar,         // solo "Cancelar": la lectura termina de todos modos
    AceptarCancelar,  // "Aceptar" sigue con la entrada siguiente; "Cancelar" termina
};

// Muestra un mensaje del lector; devuelve true si el usuario pulsó Aceptar.
using AvisoLectura = std::function<bool(const std::string& texto, BotonesLectura botones)>;

enum class ResultadoLectura {
    Leido,              // leído entero (con o sin errores aceptados)
    NoSeAbre,           // "Error abriendo archivo": nada cambia
    FormatoIncorrecto,  // "Formato incorrecto": nada cambia
    Cancelado,          // el usuario canceló tras un "Error en …": lo leído queda
    Grande,             // más de TamanoMaximoArchivo bytes: nada cambia
    ErrorLectura,       // "Error en lectura del archivo" (falla el disco): nada cambia
};

// Un archivo de proyecto ocupa unos pocos KB; uno mayor que esto no se lee.
constexpr std::size_t TamanoMaximoArchivo = 1 << 20;

// Mensajes "Error en …" que se muestran de un mismo archivo; de los demás solo
// se dice al final cuántos son.
constexpr int ErroresMostrados = 20;

// Lee el flujo entero en bytes, sin pasar de maximo. Un fallo del medio (el
// flujo lanza una excepción o queda en badbit) es un Error.
enum class Contenido { Leido, Grande, Error };
Contenido LeeTodo(std::istream& entrada, std::string& bytes, std::size_t maximo);

// Lee el archivo nombre sobre el registro. Cada entrada conocida sustituye su
// campo; las demás quedan. Los mensajes ("Error abriendo archivo", "Formato
// incorrecto", "Error en " + línea...) pasan por aviso. Si termina leído, pone
// Modificado a 0 y FileName a nombre; la ventana debe refrescarse después.
ResultadoLectura LeeArchivo(Proyecto& p, const std::string& nombre, const AvisoLectura& aviso);

// Lo mismo sobre un flujo ya abierto (nombre es el que se anota en FileName).
// El flujo se lee entero antes de tocar el registro.
ResultadoLectura LeeDatos(Proyecto& p, std::istream& entrada, const std::string& nombre,
                          const AvisoLectura& aviso);
