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
#include "interlocutor.h"
#include "ordenes.h"
#include "proyecto.h"
#include "talud.h"
#include "ventana_tramos.h"

// Las órdenes son del motor: aquí se muestran sus mensajes (Avisa, Pregunta),
// las casillas con lo que corrigieron y la ventana que abren.
void TForm1::CalculartodoClick(int tag)
{
    const OrdenHojasPreparada orden = OrdenHojas(p_, *this, tag);
    PintaCasillas();
    PintaCargaTrafico();
    if (!orden.abre)
        return;
    p_.ModoCalculo = orden.modo;
    if (orden.hoja == HojaResultados::Zanjas) {
        TResultadoZanjas hoja(p_, DialogosPrograma(), *this, this);
        hoja.exec();
    } else {
        TResultadoTerraplen hoja(p_, DialogosPrograma(), *this, this);
        hoja.exec();
    }
}

void TForm1::CalculaModo(std::uint8_t modo)
{
    const OrdenCalculada orden = OrdenMemoria(p_, *this, modo);
    PintaCasillas();
    PintaCargaTrafico();
    if (!orden.calculada)
        return;
    TCalculos calculos(p_, orden.informe, DialogosPrograma(), this);
    calculos.exec();
    PintaAvisos();  // la memoria puede haber callado el aviso de la carga del relleno
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

void TForm1::ClaseSegunAltura()
{
    // Se calcula sobre una copia: ni correcciones ni preguntas, solo los rechazos.
    Proyecto copia = p_;
    RespondeNo no;
    if (!PreparaOrdenMemoria(copia, no).calcula) {
        if (const Aviso* rechazo = no.Rechazo())
            Avisa(*rechazo);
        return;
    }
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
    // El talud y el resguardo quedan aunque se cancele, como los dejó el diálogo.
    const Proyecto& elegido = talud.Datos();
    p_.TaludH = elegido.TaludH, p_.TaludV = elegido.TaludV;
    p_.Resguardo = elegido.Resguardo, p_.ResguardoMinimo = elegido.ResguardoMinimo;
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
    // h'r y Fa como los muestran sus casillas y los guarda el archivo: su
    // manejador no ve cambio y el Fa sigue siendo el de la clase.
    p_.Tipo = clase.tipo;
    claseFa->setText(QString::fromStdString(clase.letra));
    p_.hr1 = clase.hr1;
    p_.n = p_.De > 0 ? p_.hr1 / p_.De : p_.n;
    p_.lambdaFaEdit = clase.lambdaFaEdit;
    p_.C = clase.C;
    p_.Fa = FaDeLaClase(p_).value_or(0);
    p_.Modificado = 1;
    PintaCasillas();
    LClaseTerraplen->setText(QString::fromStdString(clase.letra));
}
