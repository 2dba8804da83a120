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
    if (propuesto.isEmpty())
        return {};
    const QString extension = QFileInfo(propuesto).suffix();
    if (extension.compare("pdf", Qt::CaseInsensitive) == 0)
        return propuesto;
    QString nombre = propuesto;
    if (!extension.isEmpty())
        nombre.chop(extension.size() + 1);
    return nombre + ".pdf";
}
