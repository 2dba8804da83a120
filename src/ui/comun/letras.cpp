#include "letras.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

QStringList InstalaLetrasPrograma()
{
    QStringList anadidas;
    if (QFontDatabase::hasFamily("Liberation Sans") && QFontDatabase::hasFamily("Liberation Serif"))
        return anadidas;
    const QDir carpeta(QCoreApplication::applicationDirPath() + "/fonts");
    for (const QString& archivo : carpeta.entryList({"*.ttf"}, QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(carpeta.filePath(archivo));
        if (id >= 0)
            anadidas += QFontDatabase::applicationFontFamilies(id);
    }
    anadidas.removeDuplicates();
    return anadidas;
}
