// Órdenes de cálculo y botones de la ventana principal: comprueban y corrigen
// los datos y abren la ventana que calcula (la memoria o una hoja de
// resultados) o el diálogo que ayuda a rellenarlos.

#include <QLabel>
#include <QLineEdit>

#include <optional>

#include "apoyo.h"
#include "apoyo_terraplen.h"
#include "apoyo_zanja.h"
#include "clase_altura.h"
#include "factor_apoyo.h"
#include "form1.h"
#include "hoja_terraplen.h"
#include "hoja_zanjas.h"
#include "memoria.h"
#include "mensaje.h"
#include "numero.h"
#include "numero_qt.h"
#include "ordenes.h"
#include "proyecto.h"
#include "talud.h"
#include "ventana_tramos.h"

bool TForm1::CorrigeZanjaInducida()
{
    const CorreccionHr2 correccion = CorrigeHr2(p_.hr2, p_.b2, true);
    switch (correccion.accion) {
    case CorreccionHr2::Accion::Ninguna: return true;
    case CorreccionHr2::Accion::Corrige:
        Mensaje(QString::fromStdString(correccion.mensaje), TituloPrograma);
        p_.hr2 = correccion.hr2;
        Rellena(EditHr2, p_.hr2);
        EditB2->setFocus();
        return true;
    case CorreccionHr2::Accion::PideB2: break;
    }
    // Sin b2 la corrección daría una profundidad negativa: no se calcula.
    Mensaje(QString::fromStdString(correccion.mensaje), TituloAviso);
    EditB2->setFocus();
    return false;
}

void TForm1::QuitaTraficoPocoRelleno()
{
    const TraficoCalculado trafico = TraficoSegunRelleno(p_);
    p_.AeropuertoIndex = trafico.aeropuerto;
    p_.ViaIndex = trafico.via;
}

bool TForm1::MuestraRechazo(const std::string& rechazo, const std::string& titulo)
{
    if (rechazo.empty())
        return false;
    Mensaje(QString::fromStdString(rechazo), QString::fromStdString(titulo));
    return true;
}

void TForm1::CalculartodoClick(int tag)
{
    if (!CorrigeZanjaInducida())
        return;
    CompruebaEs();
    QuitaTraficoPocoRelleno();
    const CorreccionCasilla hr = RellenoMinimoHojas(p_);
    if (!hr.mensaje.empty()) {
        Mensaje(QString::fromStdString(hr.mensaje), TituloPrograma);
        p_.hr = hr.valor;
        EditHr->setText(GeneralQ(p_.hr));
    }
    const OrdenHojas orden = PreparaHojas(p_, tag);
    p_.ModoCalculo = orden.modo;
    if (orden.zanjas) {
        CompruebaB();
        TResultadoZanjas hoja(p_, DialogosPrograma(), *this, this);
        hoja.exec();
    } else {
        TResultadoTerraplen hoja(p_, DialogosPrograma(), *this, this);
        hoja.exec();
    }
}

void TForm1::CalculaModo(std::uint8_t modo)
{
    if (!CorrigeZanjaInducida())
        return;
    p_.ModoCalculo = modo;
    QuitaTraficoPocoRelleno();
    Calcular();
}

void TForm1::CalcularSoloCarga()
{
    CalculaModo(0);
}

void TForm1::CalcularClaseResistenteUNE()
{
    CalculaModo(1);
}

void TForm1::CalcularClaseResistenteASTM()
{
    CalculaModo(2);
}

void TForm1::Calcular()
{
    // Las comprobaciones no tocan el factor ni los datos del relleno: se
    // juzgan una vez, antes.
    const OrdenMemoria orden = PreparaMemoria(p_);
    if (MuestraRechazo(orden.sinFactor, orden.tituloSinFactor))
        return;
    CompruebaEs();
    CompruebaHr();
    if (orden.compruebaB)
        CompruebaB();
    if (MuestraRechazo(orden.sinRelleno, TituloPrograma))
        return;
    TCalculos calculos(p_, DialogosPrograma(), *this, this);
    calculos.exec();
    PintaAvisos();  // la memoria puede haber callado el aviso de la carga del relleno
}

void TForm1::ClaseSegunAltura()
{
    // Se calcula sobre una copia: ni correcciones ni preguntas, solo los rechazos.
    const OrdenMemoria orden = PreparaMemoria(p_);
    if (MuestraRechazo(orden.sinFactor, orden.tituloSinFactor) ||
        MuestraRechazo(orden.sinRelleno, TituloPrograma))
        return;
    TCurvaClase curva(p_, DialogosPrograma(), this);
    curva.exec();
}

void TForm1::TramosClick()
{
    TTramos tramos(p_, DialogosPrograma(), this);
    tramos.exec();
}

void TForm1::Button1Click()
{
    TFTalud talud(p_, this);
    talud.exec();
    // La anchura elegida pasa por su casilla, cuyo manejador anula
    // TaludDefinido: se vuelve a poner después.
    if (const std::optional<double> b = talud.AnchuraElegida()) {
        EditB->setText(TextoQ(*b));
        p_.TaludDefinido = 1;
    }
}

void TForm1::Button2Click()
{
    const OrdenPredefinidos orden = PreparaPredefinidos(p_);
    if (!orden.rechazo.empty()) {
        Mensaje(QString::fromStdString(orden.rechazo), QString::fromStdString(orden.tituloRechazo),
                BotonAceptar | IconoInformacion);
    } else if (orden.dialogo == DialogoApoyo::Cama) {
        TClases clases(p_, this);
        clases.exec();
        if (clases.Eleccion())
            AplicaCama(*clases.Eleccion());
    } else {
        TClasesTerra clases(p_, this);
        clases.exec();
        if (clases.Eleccion())
            AplicaClaseTerraplen(*clases.Eleccion());
    }
}

// Las casillas reciben sus textos como si se tecleasen: sus manejadores leen
// el valor. El registro se escribe antes, y así un Fa igual no cuenta como
// tecleado (Tipo 14).
void TForm1::AplicaCama(const EleccionCama& cama)
{
    p_.Fa = cama.fa;
    EFap->setText(QString::fromStdString(cama.textoFa));
    p_.Modificado = 1;
    p_.Tipo = cama.tipo;
    if (!cama.textoHr.empty()) {
        p_.hr = cama.hr;
        EditHr->setText(QString::fromStdString(cama.textoHr));
    }
    if (!cama.textoH2r.empty()) {
        p_.h2r = cama.h2r;
        EditH2r->setText(QString::fromStdString(cama.textoH2r));
    }
    p_.ApoyoDirecto = cama.apoyoDirecto;
    // "Apoyo Directo" vuelve a pedir la anchura de zanja, ahora sin cama.
    if (!cama.pregunta.empty() && Mensaje(QString::fromStdString(cama.pregunta), TituloAviso,
                                          BotonesSiNo | IconoPregunta) == RespuestaSi)
        Button1Click();
}

void TForm1::AplicaClaseTerraplen(const EleccionClase& clase)
{
    p_.Tipo = clase.tipo;
    claseFa->setText(QString::fromStdString(clase.letra));
    // EditH1r toma h'r con tres decimales; el registro la guarda con todas sus cifras.
    p_.hr1 = clase.hr1;
    EditH1r->setText(QString::fromStdString(clase.textoHr1));
    p_.hr1 = clase.hr1;

    const double fa = FactorClaseTerraplen(p_, clase.clase);
    p_.Fa = fa;
    EFap->setText(TextoQ(fa));
    // EFap toma lo escrito con tres decimales y, fuera del terraplén, como
    // tecleado (Tipo 14): el registro se rehace con el valor calculado.
    p_.Fa = fa;
    p_.Tipo = clase.tipo;
    p_.Modificado = 1;
}
