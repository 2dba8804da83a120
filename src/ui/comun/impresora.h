#pragma once
// La impresora del programa: la que elige "Especificar impresora" y usan
// después todas las impresiones; y el nombre que se propone a un PDF o a
// otro archivo exportado.

#include <QString>

class QPrinter;

QPrinter& ImpresoraPrograma();

// El nombre del proyecto con la extensión .pdf; vacío si no lo hay.
QString NombrePdf(const QString& propuesto);

// El nombre propuesto con otra extensión ("bc3", "dxf"); vacío si no lo hay.
QString NombreConExtension(const QString& propuesto, const QString& extension);
