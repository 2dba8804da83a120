#pragma once
// Lo que prepara main() antes de crear las ventanas y que las pruebas pueden
// repetir.

class QCoreApplication;

// Instala la traducción española de los textos de la propia Qt (diálogos de
// abrir, guardar e imprimir, menús contextuales de las casillas), sea cual sea
// el idioma del sistema. Devuelve false si la traducción no está instalada.
bool InstalaTraduccionQt(QCoreApplication& aplicacion);
