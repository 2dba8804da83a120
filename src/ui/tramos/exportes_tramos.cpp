// Órdenes "Exportar mediciones (BC3)…" y "Exportar perfil (DXF)…" de la
// ventana de tramos: lo calculado de la tabla, para el presupuesto y el CAD.

#include <QFileInfo>
#include <QStringList>

#include "anejo_caso.h"
#include "graficos.h"
#include "guarda_exportado.h"
#include "mensaje.h"
#include "modelo_tramos.h"
#include "perfil_dxf.h"
#include "precios_csv.h"
#include "ventana_tramos.h"

namespace {

const char* const TituloMediciones = "Exportar mediciones";
// Un mensaje no pasa de unas líneas: las demás se cuentan.
const int LineasMostradas = 20;

QString Lista(const std::vector<std::string>& lineas)
{
    QStringList lista;
    for (std::size_t i = 0; i < lineas.size() && i < LineasMostradas; ++i)
        lista << Q(lineas[i]);
    if (lineas.size() > LineasMostradas)
        lista << QString("… y %1 más").arg(lineas.size() - LineasMostradas);
    return lista.join('\n');
}

}  // namespace

void TTramos::ExportarBc3Click()
{
    if (!TodosCalculados("Las mediciones se podrán exportar"))
        return;
    OpcionesBc3 opciones;
    opciones.une = ModoPerfil() == 1;
    opciones.astm = ModoPerfil() == 2;
    switch (dialogos_.Mensaje("¿Poner a las partidas los precios de una tabla de precios (CSV con "
                              "las columnas Di, Clase y Precio, en €/m)? Sin ella van a 0 €/m.",
                              TituloMediciones, BotonesSiNoCancelar | IconoPregunta)) {
    case RespuestaSi: {
        const QString tabla = dialogos_.NombreAbrir("Tabla de precios (*.csv *.txt)");
        if (tabla.isEmpty())
            return;
        LecturaPrecios precios = LeeArchivoPrecios(tabla.toStdString());
        if (!precios.leida) {
            dialogos_.Mensaje(Q(precios.error), "Error", BotonAceptar | IconoError);
            return;
        }
        opciones.precios = std::move(precios.precios);
        break;
    }
    case RespuestaNo: break;
    default: return;
    }
    const QString nombre =
        dialogos_.NombreGuardar("Mediciones FIEBDC-3 (*.bc3)", "bc3", Propuesto("bc3"));
    if (nombre.isEmpty())
        return;
    MedicionesTramos mediciones;
    for (std::size_t i = 0; i < modelo_->Tramos().size(); ++i)
        mediciones.Anade(modelo_->Tramos()[i], modelo_->Calculos()[i]);
    opciones.tabla = archivo_.isEmpty() ? "(nueva)" : QFileInfo(archivo_).fileName().toStdString();
    opciones.base = NombreDelCaso(base_).toStdString();
    const QString error = GuardaExportado(mediciones.TextoBc3(opciones), nombre, Abiertos());
    if (!error.isEmpty()) {
        dialogos_.Mensaje(error, "Error", BotonAceptar | IconoError);
        return;
    }
    if (const std::vector<std::string> avisos = mediciones.Avisos(opciones); !avisos.empty())
        dialogos_.Mensaje("Mediciones exportadas a " + QFileInfo(nombre).fileName() + ".\n\n" +
                              Lista(avisos),
                          TituloMediciones, BotonAceptar | IconoAviso);
}

void TTramos::ExportarPerfilDxfClick()
{
    if (!TodosCalculados("El perfil se podrá exportar"))
        return;
    const QString nombre = dialogos_.NombreGuardar("Dibujo DXF (*.dxf)", "dxf", Propuesto("dxf"));
    if (nombre.isEmpty())
        return;
    const int modo = ModoPerfil();
    const std::vector<FranjaPerfil> franjas{
        {modo, PerfilDeTramos(modelo_->Tramos(), modelo_->Calculos(), modo)}};
    const std::string tabla =
        archivo_.isEmpty() ? "(nueva)" : QFileInfo(archivo_).fileName().toStdString();
    const QString error =
        GuardaExportado(TextoDxf(DibujaPerfilDxf(franjas, tabla)), nombre, Abiertos());
    if (!error.isEmpty())
        dialogos_.Mensaje(error, "Error", BotonAceptar | IconoError);
}
