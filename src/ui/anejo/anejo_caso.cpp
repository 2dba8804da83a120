#include "anejo_caso.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QProgressDialog>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "impresora.h"
#include "mensaje.h"
#include "caso.h"

namespace {

// Lo que usa el hilo del anejo, suyo: si el usuario cancela, el hilo sigue
// hasta su siguiente comprobación aunque la orden ya haya vuelto.
struct TrabajoAnejo {
    CalculoArchivo calculo;
    DatosAnejo datos;
    QString pdf;
    std::atomic<bool> cancelado{false};
};

// Los hilos de anejos cancelados que aún no han terminado: el programa los
// espera antes de cerrarse (usan las letras de la aplicación).
struct HilosCancelados {
    std::vector<std::thread> hilos;
    ~HilosCancelados() { EsperaAnejosCancelados(); }
};

std::vector<std::thread>& Cancelados()
{
    static HilosCancelados cancelados;
    return cancelados.hilos;
}

// Una tabla de miles de tramos tarda segundos en maquetarse: el anejo se
// escribe en otro hilo (con su propio documento) y las ventanas siguen
// pintándose, tras un aviso de espera que no deja tocarlas y que se puede
// cancelar; entonces no se escribe nada y el PDF que hubiera queda.
ResultadoAnejo EscribeSinBloquear(const std::shared_ptr<TrabajoAnejo>& trabajo)
{
    auto tarea = std::make_shared<std::packaged_task<ResultadoAnejo()>>([trabajo] {
        return EscribeAnejo(trabajo->calculo, trabajo->datos, trabajo->pdf, &trabajo->cancelado);
    });
    std::future<ResultadoAnejo> resultado = tarea->get_future();
    std::thread hilo([tarea] { (*tarea)(); });
    const auto listo = [&](int ms) {
        return resultado.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready;
    };
    if (!listo(200)) {
        QProgressDialog espera("Escribiendo el anejo de cálculo…", "Cancelar", 0, 0,
                               QApplication::activeWindow());
        espera.setObjectName("EsperaAnejo");
        espera.setWindowTitle("Anejo de cálculo");
        espera.setWindowModality(Qt::ApplicationModal);
        espera.setMinimumDuration(0);
        espera.show();
        while (!listo(30)) {
            QApplication::processEvents(QEventLoop::AllEvents, 30);
            if (espera.wasCanceled()) {
                trabajo->cancelado = true;
                if (Cancelados().empty())
                    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                                     &EsperaAnejosCancelados);
                Cancelados().push_back(std::move(hilo));
                ResultadoAnejo cancelado;
                cancelado.cancelado = true;
                return cancelado;
            }
        }
    }
    hilo.join();
    return resultado.get();
}

}  // namespace

void EsperaAnejosCancelados()
{
    for (std::thread& hilo : Cancelados())
        hilo.join();
    Cancelados().clear();
}

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
    auto trabajo = std::make_shared<TrabajoAnejo>();
    trabajo->pdf = pdf;
    CalculoArchivo& calculo = trabajo->calculo;
    calculo.archivo = p.FileName;
    calculo.leido = true;
    CalculaProyecto(p, calculo);  // sobre una copia del registro

    DatosAnejo& datos = trabajo->datos;
    datos.archivo = NombreDelCaso(p);
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    datos.autor = autor;
    datos.revision = revision;
    datos.tramos = std::move(tramos);
    const ResultadoAnejo resultado = EscribeSinBloquear(trabajo);
    if (!resultado.escrito && !resultado.cancelado)
        dialogos.Mensaje(resultado.error, "Error", BotonAceptar | IconoError);
}
