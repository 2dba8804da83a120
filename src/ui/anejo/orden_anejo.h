#pragma once
// calculo-tubos --anejo SALIDA.pdf [--tramos TABLA.csv] [--autor AUTOR]
// [--revision REVISION] PROYECTO.txt: el anejo sin ventanas.

// La línea de órdenes pide el anejo (su primer argumento es --anejo).
bool PideAnejo(int argc, char** argv);

// Calcula el proyecto (y la tabla de tramos sobre él) como calculo-tubos-cli y
// escribe su anejo, sin pantalla. Devuelve el código de salida de
// calculo-tubos-cli (1 también si un tramo no se calcula); 3 si el PDF no se
// pudo escribir y 2, con la forma de uso, si los argumentos no valen. Crea su propia
// aplicación: se llama antes de que exista otra.
int EjecutaAnejo(int argc, char** argv);
