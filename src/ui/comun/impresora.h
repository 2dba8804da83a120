#pragma once
// La impresora del programa: la que elige "Especificar impresora" y usan
// después todas las impresiones.

class QPrinter;

QPrinter& ImpresoraPrograma();
