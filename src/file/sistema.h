#pragma once
// Lo que depende del sistema fuera del guardado: nombres de archivo, argumentos
// del programa y consola. Todo el texto del programa es UTF-8; aquí se pasa al
// de cada sistema.

#include <filesystem>
#include <string>
#include <vector>

// Ruta del sistema para un nombre de archivo en UTF-8 (en Windows, UTF-16);
// vacía, y por tanto imposible de abrir, si el nombre no es UTF-8 válido.
std::filesystem::path RutaArchivo(const std::string& nombre);

// Los argumentos del programa (sin el nombre del propio programa) en UTF-8. En
// Windows se leen de la línea de órdenes en UTF-16: los de argv vienen en la
// página de códigos del sistema y pierden las letras que no caben en ella.
std::vector<std::string> ArgumentosPrograma(int argc, char** argv);

// Prepara la salida estándar y la de errores para escribir UTF-8 tal cual. En
// Windows: sin cambiar "\n" por CR LF, con la consola en UTF-8 mientras dura el
// programa y, en un programa de ventanas arrancado desde una consola, en ella.
void PreparaConsola();
