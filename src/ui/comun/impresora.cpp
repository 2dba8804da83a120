#include "impresora.h"

#include <QFileInfo>
#include <QPrinter>

QPrinter& ImpresoraPrograma()
{
    static QPrinter impresora(QPrinter::HighResolution);
    return impresora;
}

QString NombrePdf(const QString& propuesto)
{
    return NombreConExtension(propuesto, "pdf");
}

QString NombreConExtension(const QString& propuesto, const QString& extension)
{
    if (propuesto.isEmpty())
        return {};
    const QString actual = QFileInfo(propuesto).suffix();
    if (actual.compare(extension, Qt::CaseInsensitive) == 0)
        return propuesto;
    QString nombre = propuesto;
    if (!actual.isEmpty())
        nombre.chop(actual.size() + 1);
    return nombre + "." + extension;
}
