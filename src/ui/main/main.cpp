// calculo-tubos: el programa con ventanas.

#include <QApplication>
#include <QFont>

#include "ayuda.h"
#include "form1.h"
#include "proyecto.h"

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName("Cálculo Mecánico Tubos");
    QApplication::setFont(QFont("Liberation Sans", 9));
    InstalaTeclaAyuda(aplicacion);

    Proyecto proyecto;  // el único registro del programa
    TForm1 ventana(proyecto);
    ventana.show();
    return QApplication::exec();
}
