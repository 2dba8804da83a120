// Orden "Anejo de cálculo (PDF)…": el anejo del caso tal como está en la
// ventana, sin preguntas ni correcciones y sin tocar el registro.

#include <QFileInfo>

#include "anejo.h"
#include "form1.h"
#include "impresion.h"
#include "mensaje.h"
#include "procesa.h"

void TForm1::AnejoCalculoClick()
{
    const QString proyecto = QString::fromStdString(p_.FileName);
    const QString pdf =
        DialogosPrograma().NombreGuardar("Documento PDF (*.pdf)", "pdf", NombrePdf(proyecto));
    if (pdf.isEmpty())
        return;
    CalculoArchivo calculo;
    calculo.archivo = p_.FileName;
    calculo.leido = true;
    CalculaProyecto(p_, calculo);  // sobre una copia del registro

    DatosAnejo datos;
    // El anejo es del caso de la ventana: si no es el del archivo, se dice.
    datos.archivo = proyecto.isEmpty() ? QString("(sin guardar)") : QFileInfo(proyecto).fileName();
    if (!proyecto.isEmpty() && p_.Modificado == 1)
        datos.archivo += " (con cambios sin guardar)";
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    const ResultadoAnejo resultado = EscribeAnejo(calculo, datos, pdf);
    if (!resultado.escrito)
        Mensaje(resultado.error, "Error", BotonAceptar | IconoError);
}
