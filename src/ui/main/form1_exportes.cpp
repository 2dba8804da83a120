// Orden "Exportar sección (DXF)…": la sección del caso tal como está en la
// ventana, calculado como sus órdenes (respondiendo No a sus preguntas).

#include <QFileInfo>

#include "archivo.h"
#include "caso.h"
#include "form1.h"
#include "graficos.h"
#include "guarda_exportado.h"
#include "impresora.h"
#include "mensaje.h"
#include "seccion_dxf.h"

void TForm1::ExportarSeccionClick()
{
    CalculoArchivo calculo;
    calculo.leido = true;
    CalculaProyecto(p_, calculo);  // sobre una copia del registro
    if (const std::string no = SeccionNoDibujable(calculo.proyecto); !no.empty()) {
        Mensaje(Q(no), TituloAtencion, BotonAceptar | IconoAviso);
        return;
    }
    const QString proyecto = QString::fromStdString(p_.FileName);
    const QString nombre = DialogosPrograma().NombreGuardar(
        "Dibujo DXF (*.dxf)", "dxf",
        proyecto.isEmpty() ? QString("seccion.dxf") : NombreConExtension(proyecto, "dxf"));
    if (nombre.isEmpty())
        return;
    RotulosSeccion rotulos;
    rotulos.caso =
        proyecto.isEmpty() ? "(sin guardar)" : QFileInfo(proyecto).fileName().toStdString();
    if (calculo.calculado && calculo.une.entrega.Entregada()) {
        rotulos.claseUne = calculo.une.clase;
        rotulos.claseAstm = calculo.astm.clase;
    }
    const QString error = GuardaExportado(TextoDxf(DibujaSeccionDxf(calculo.proyecto, rotulos)),
                                          nombre, {p_.FileName});
    if (!error.isEmpty())
        Mensaje(error, "Error", BotonAceptar | IconoError);
}
