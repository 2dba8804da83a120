#pragma once
// calculo-tubos --anejo SALIDA.pdf PROYECTO.txt: el anejo sin ventanas.

// La línea de órdenes pide el anejo (su primer argumento es --anejo).
bool PideAnejo(int argc, char** argv);

// Calcula el proyecto como calculo-tubos-cli y escribe su anejo, sin pantalla.
// Devuelve el código de salida de calculo-tubos-cli; 3 si el PDF no se pudo
// escribir y 2, con la forma de uso, si los argumentos no valen. Crea su propia
// aplicación: se llama antes de que exista otra.
int EjecutaAnejo(int argc, char** argv);
