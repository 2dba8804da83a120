#pragma once
// Las letras de la pantalla, las páginas impresas y el anejo.

#include <QStringList>

// Si al sistema le falta Liberation Sans o Liberation Serif (en Windows no
// vienen), añade las que el programa lleva en la carpeta fonts junto al .exe.
// Sin ellas, Qt escribe con la más parecida. Devuelve las familias añadidas.
QStringList InstalaLetrasPrograma();
