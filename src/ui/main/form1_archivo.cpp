// Órdenes del menú Archivo: abrir, limpiar, guardar, guardar como, impresora.

#include <QPrinter>
#include <QStringList>

#include <utility>

#include "archivo.h"
#include "form1.h"
#include "informe.h"
#include "impresora.h"
#include "mensaje.h"
#include "proyecto.h"

namespace {

const char* const FiltroArchivos = "Datos almacenados (*.txt);;Cualquier archivo (*)";

// Pregunta si se guarda aunque esos caracteres (UTF-8) se escriban "?". Los que
// no se verían (controles, espacios raros) se nombran por su código.
bool AceptaCaracteresPerdidos(const std::string& caracteres)
{
    QStringList lista;
    for (const char32_t c : QString::fromStdString(caracteres).toUcs4())
        lista.append(QChar::isPrint(c) && !QChar::isSpace(c)
                         ? QString::fromUcs4(&c, 1)
                         : QString("U+%1").arg(uint(c), 4, 16, QChar('0')).toUpper());
    return Mensaje("El archivo de datos no admite estos caracteres:\n" + lista.join(' ') +
                       "\nSe guardarán como «?». ¿Desea guardar de todos modos?",
                   TituloAtencion, BotonesAceptarCancelar) == RespuestaAceptar;
}

}  // namespace

void TForm1::AbrirClick()
{
    if (p_.Modificado == 1 && Mensaje("¿Sobreescribir con nuevos datos?", TituloAtencion,
                                      BotonesAceptarCancelar) != RespuestaAceptar)
        return;
    const QString nombre = DialogosPrograma().NombreAbrir(FiltroArchivos);
    if (nombre.isEmpty())
        return;

    // El archivo se lee sobre un proyecto nuevo: lo que no trae (el talud, por
    // ejemplo) es lo de siempre, no lo del proyecto anterior. Los avisos
    // activados son de la sesión, no del proyecto. Si algo falla o el usuario
    // cancela, el proyecto que había queda entero.
    Proyecto leido;
    ::InicializaDatos(leido);
    leido.AvisoCalculo = p_.AvisoCalculo;
    leido.AvisoEspesor = p_.AvisoEspesor;
    leido.AvisoAnchura = p_.AvisoAnchura;
    const ResultadoLectura resultado = LeeArchivo(
        leido, nombre.toStdString(), [](const std::string& texto, BotonesLectura botones) {
            if (botones == BotonesLectura::Cancelar) {
                Mensaje(QString::fromStdString(texto), "Error", BotonCancelar | IconoError);
                return false;
            }
            return Mensaje(QString::fromStdString(texto), "Error",
                           BotonesAceptarCancelar | IconoError) == RespuestaAceptar;
        });
    if (resultado != ResultadoLectura::Leido)
        return;
    p_ = std::move(leido);
    PintaVariables();
    p_.Modificado = 0;
    PonTitulo(nombre);
}

void TForm1::LimpiarDatos1Click()
{
    if (p_.Modificado == 1 && Mensaje("¿Seguro que quiere borrar todos los datos?", TituloAtencion,
                                      BotonesAceptarCancelar) != RespuestaAceptar)
        return;
    InicializaDatos();
    PintaVariables();
}

bool TForm1::Guarda(const QString& nombre)
{
    const std::string perdidos = CaracteresNoGuardables(p_);
    if (!perdidos.empty() && !AceptaCaracteresPerdidos(perdidos))
        return false;
    // Con los resultados de estos datos, no los del último cálculo, que pudo ser de otros.
    Proyecto guardado = p_;
    RehaceResultados(guardado);
    const ResultadoGuardar resultado = GuardaArchivo(guardado, nombre.toStdString());
    if (!resultado.guardado) {
        Mensaje(QString::fromStdString(resultado.error), "Error", BotonAceptar | IconoError);
        return false;
    }
    p_.Modificado = guardado.Modificado;
    p_.FileName = guardado.FileName;
    PonTitulo(nombre);
    return true;
}

void TForm1::Guardarcomo1Click()
{
    // Los proyectos se guardan como .txt, la extensión que muestra el filtro.
    const QString nombre = DialogosPrograma().NombreGuardar(FiltroArchivos, "txt");
    if (!nombre.isEmpty())
        Guarda(nombre);
}

void TForm1::GuardarClick()
{
    if (p_.FileName.empty()) {
        Guardarcomo1Click();
        return;
    }
    if (p_.Modificado == 1 && Mensaje("¿Desea sobreescribir con datos modificados? ",
                                      TituloAtencion, BotonesAceptarCancelar) == RespuestaAceptar)
        Guarda(QString::fromStdString(p_.FileName));
}

void TForm1::Imprimir1Click()
{
    DialogosPrograma().ConfiguraImpresora(ImpresoraPrograma());
}
