#include "anejo_caso.h"

#include <QFileInfo>

#include "impresora.h"
#include "mensaje.h"
#include "procesa.h"

void EscribeAnejoDelCaso(const Proyecto& p, Dialogos& dialogos, std::optional<TramosAnejo> tramos)
{
    const QString proyecto = QString::fromStdString(p.FileName);
    const QString propuesto = !proyecto.isEmpty() || !tramos ? proyecto : tramos->tabla;
    const QString pdf =
        dialogos.NombreGuardar("Documento PDF (*.pdf)", "pdf", NombrePdf(propuesto));
    if (pdf.isEmpty())
        return;
    CalculoArchivo calculo;
    calculo.archivo = p.FileName;
    calculo.leido = true;
    CalculaProyecto(p, calculo);  // sobre una copia del registro

    DatosAnejo datos;
    // El anejo es del caso de la ventana: si no es el del archivo, se dice.
    datos.archivo = proyecto.isEmpty() ? QString("(sin guardar)") : QFileInfo(proyecto).fileName();
    if (!proyecto.isEmpty() && p.Modificado == 1)
        datos.archivo += " (con cambios sin guardar)";
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    datos.tramos = std::move(tramos);
    const ResultadoAnejo resultado = EscribeAnejo(calculo, datos, pdf);
    if (!resultado.escrito)
        dialogos.Mensaje(resultado.error, "Error", BotonAceptar | IconoError);
}
