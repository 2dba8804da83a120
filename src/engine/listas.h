#pragma once
// Textos de las listas y páginas de la ventana principal, por índice. El
// registro guarda el índice; el archivo de proyecto y los informes, el texto.

#include <cstddef>
#include <string>

struct ListaTextos {
    const char* const* textos;
    std::size_t numero;

    // Texto del índice, o vacío si no existe.
    std::string Texto(std::size_t indice) const { return indice < numero ? textos[indice] : ""; }
};

extern const ListaTextos ListaInstalaciones;  // páginas del cuaderno de instalación
extern const ListaTextos ListaRellenos;
extern const ListaTextos ListaBases;
extern const ListaTextos ListaTraficos;  // páginas del cuaderno de tráfico
extern const ListaTextos ListaCarreteras;
extern const ListaTextos ListaVias;
extern const ListaTextos ListaSentidosVia;
extern const ListaTextos ListaAeropuertos;
extern const ListaTextos ListaCompactadores;
