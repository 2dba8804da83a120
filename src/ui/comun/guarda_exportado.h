#pragma once
// Un documento exportado (PDF, DXF, BC3) se hace en memoria y se escribe como
// se guarda un proyecto: en un temporal de la misma carpeta que solo al final
// sustituye al de destino, con las mismas negativas (carpeta, tubería,
// dispositivo, solo lectura, enlace roto, disco lleno) y los mismos mensajes;
// si falla, el archivo que hubiera queda intacto. Nunca sobre un archivo que
// el programa tiene abierto.

#include <QString>

#include <string>
#include <vector>

// Por qué no se puede escribir en nombre: es uno de los archivos abiertos (el
// proyecto, la tabla de tramos); vacío si no lo es.
QString SobreArchivoAbierto(const QString& nombre, const std::vector<std::string>& abiertos);

// Escribe los bytes en nombre. Devuelve por qué no se escribió, en castellano;
// vacío si se escribió. Sin bytes (el documento no se pudo hacer), no escribe.
QString GuardaExportado(const std::string& bytes, const QString& nombre,
                        const std::vector<std::string>& abiertos);
