#include "guarda_exportado.h"

#include <QFileInfo>

#include "archivo.h"

namespace {

// Si los dos nombres son el mismo archivo, o lo serían al crearlo.
bool MismoArchivo(const QString& a, const std::string& b)
{
    if (b.empty())
        return false;
    const QFileInfo uno(a), otro(QString::fromStdString(b));
    if (uno.exists() && otro.exists())
        return uno.canonicalFilePath() == otro.canonicalFilePath();
    return uno.absoluteFilePath() == otro.absoluteFilePath();
}

}  // namespace

QString SobreArchivoAbierto(const QString& nombre, const std::vector<std::string>& abiertos)
{
    for (const std::string& abierto : abiertos)
        if (MismoArchivo(nombre, abierto))
            return "No se puede escribir sobre " + nombre +
                   ", que está abierto en el programa: elija otro nombre.";
    return {};
}

QString GuardaExportado(const std::string& bytes, const QString& nombre,
                        const std::vector<std::string>& abiertos)
{
    if (const QString abierto = SobreArchivoAbierto(nombre, abiertos); !abierto.isEmpty())
        return abierto;
    if (bytes.empty())
        return "No se ha podido escribir el archivo " + nombre + ".";
    const ResultadoGuardar guardado = GuardaContenido(bytes, nombre.toStdString());
    return guardado.guardado ? QString() : QString::fromStdString(guardado.error);
}
