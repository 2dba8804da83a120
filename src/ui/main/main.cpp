// calculo-tubos: el programa con ventanas.

#include <QApplication>
#include <QFont>

#include "arranque.h"
#include "ayuda.h"
#include "form1.h"
#include "letras.h"
#include "orden_anejo.h"
#include "primera.h"
#include "proyecto.h"
#include "variables.h"

int main(int argc, char** argv)
{
    // El anejo por la línea de órdenes no abre ninguna ventana.
    if (PideAnejo(argc, argv))
        return EjecutaAnejo(argc, argv);
    QApplication aplicacion(argc, argv);
    QApplication::setOrganizationName("calculo-tubos");
    QApplication::setApplicationName("Cálculo Mecánico Tubos");
    QApplication::setDesktopFileName("calculo-tubos");
    QApplication::setWindowIcon(IconoPrograma());
    InstalaLetrasPrograma();
    QApplication::setFont(QFont("Liberation Sans", 9));
    InstalaTeclaAyuda(aplicacion);
    InstalaTraduccionQt(aplicacion);

    Proyecto proyecto;  // el único registro del programa
    TForm1 ventana(proyecto);
    // La ventana de variables se crea oculta y vive hasta el final; la abre el
    // "Acerca de" de la ventana principal o de los datos de la obra. Es un
    // diálogo de la ventana principal: se centra sobre ella.
    TFVariables variables(proyecto, &ventana);
    ventana.FVariables = &variables;
    ventana.ConPresentacion = true;
    ventana.show();
    return QApplication::exec();
}
