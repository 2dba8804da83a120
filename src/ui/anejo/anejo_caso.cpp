#include "anejo_caso.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QProgressDialog>

#include <chrono>
#include <future>

#include "impresora.h"
#include "mensaje.h"
#include "caso.h"

namespace {

// Una tabla de miles de tramos tarda segundos en maquetarse: el anejo se
// escribe en otro hilo (con su propio documento) y las ventanas siguen
// pintándose, tras un aviso de espera que no deja tocarlas.
ResultadoAnejo EscribeSinBloquear(const CalculoArchivo& calculo, const DatosAnejo& datos,
                                  const QString& pdf)
{
    std::future<ResultadoAnejo> tarea =
        std::async(std::launch::async, [&] { return EscribeAnejo(calculo, datos, pdf); });
    if (tarea.wait_for(std::chrono::milliseconds(200)) == std::future_status::ready)
        return tarea.get();
    QProgressDialog espera("Escribiendo el anejo de cálculo…", QString(), 0, 0,
                           QApplication::activeWindow());
    espera.setObjectName("EsperaAnejo");
    espera.setWindowTitle("Anejo de cálculo");
    espera.setWindowModality(Qt::ApplicationModal);
    espera.setMinimumDuration(0);
    espera.show();
    while (tarea.wait_for(std::chrono::milliseconds(30)) != std::future_status::ready)
        QApplication::processEvents(QEventLoop::AllEvents, 30);
    return tarea.get();
}

}  // namespace

QString NombreDelCaso(const Proyecto& p)
{
    if (p.FileName.empty())
        return "(sin guardar)";
    const QString nombre = QFileInfo(QString::fromStdString(p.FileName)).fileName();
    return p.Modificado == 1 ? nombre + " (con cambios sin guardar)" : nombre;
}

void EscribeAnejoDelCaso(const Proyecto& p, Dialogos& dialogos, std::optional<TramosAnejo> tramos)
{
    // Quién firma y qué revisión: recordados de una vez para otra, no en el proyecto.
    QSettings ajustes;
    QString autor = ajustes.value("anejo/autor").toString();
    QString revision = ajustes.value("anejo/revision").toString();
    if (!dialogos.PideFirma(autor, revision))
        return;
    ajustes.setValue("anejo/autor", autor);
    ajustes.setValue("anejo/revision", revision);
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
    datos.archivo = NombreDelCaso(p);
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    datos.autor = autor;
    datos.revision = revision;
    datos.tramos = std::move(tramos);
    const ResultadoAnejo resultado = EscribeSinBloquear(calculo, datos, pdf);
    if (!resultado.escrito)
        dialogos.Mensaje(resultado.error, "Error", BotonAceptar | IconoError);
}
