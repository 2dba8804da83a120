#include "arranque.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstalaTraduccionQt(QCoreApplication& aplicacion)
{
    // El programa está en español: los textos de Qt también, aunque el sistema
    // esté en inglés o sin idioma (LANG=C).
    auto* traduccion = new QTranslator(&aplicacion);
    if (!traduccion->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduccion;
        return false;
    }
    QCoreApplication::installTranslator(traduccion);
    // Lo que falta en el de Qt (opciones del diálogo de imprimir); el último
    // instalado es el primero que se consulta.
    auto* impresion = new QTranslator(&aplicacion);
    if (impresion->load(":/traducciones/impresion_es.qm"))
        QCoreApplication::installTranslator(impresion);
    else
        delete impresion;
    return true;
}
