#include "impresora.h"

#include <QPrinter>

QPrinter& ImpresoraPrograma()
{
    static QPrinter impresora(QPrinter::HighResolution);
    return impresora;
}
