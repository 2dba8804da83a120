// Botones de la ventana principal que abren los diálogos de instalación.

#include "clases.h"
#include "clases_terraplen.h"
#include "form1.h"
#include "mensaje.h"
#include "proyecto.h"
#include "talud.h"

void TForm1::Button1Click()
{
    TFTalud talud(p_, *this, this);
    talud.exec();
}

void TForm1::Button2Click()
{
    if (p_.InstalacionIndex == InstalacionZanjaInducida && (p_.hr == 0 || p_.b2 == 0 || p_.hr2 == 0)) {
        Mensaje("No se puede utilizar Predefinidos si la Altura de relleno (hr), la Anchura de la zanja "
                "(b2) o la Altura de la zanja (hr2) valen 0",
                TituloAviso, BotonAceptar | IconoInformacion);
        return;
    }
    if (p_.InstalacionIndex == InstalacionZanja || p_.InstalacionIndex == InstalacionZanjaTerraplenada) {
        // "Apoyo Directo" vuelve a pedir la anchura de zanja, ahora sin cama.
        TClases clases(p_, *this, [this] { Button1Click(); }, this);
        clases.exec();
        return;
    }
    if (p_.RellenoIndex == RellenoUsuario && p_.fi == 0) {
        Mensaje("Si los datos del relleno son a definir por el usuario, asegurese de que los valores "
                "sean distintos de cero",
                "Cálculo mecánico de Tubos", BotonAceptar | IconoInformacion);
        return;
    }
    TClasesTerra clases(p_, *this, this);
    clases.exec();
}
