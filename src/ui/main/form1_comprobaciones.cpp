// Comprobaciones geométricas de la ventana principal: al salir de una casilla
// (y otra vez antes de calcular) corrigen el valor con un mensaje o avisan.

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <string>
#include <optional>

#include "apoyo.h"
#include "ordenes.h"
#include "trafico.h"
#include "comprobaciones.h"
#include "factor_apoyo.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "zanja.h"

// Las comprobaciones que comparten las casillas y las órdenes son pasos del
// motor: sus mensajes llegan por Avisa y Pregunta, y las casillas muestran
// después lo que quedó en el registro.
void TForm1::CompruebaHr()
{
    CompruebaRelleno(p_, *this);
    // Trenes y aviones no cargan con menos de 1 m: al dejar la altura (nunca a
    // media tecla) se pregunta si se sube a 1 m.
    if (TraficoPesadoSinContar(p_))
        SubeAlturaRelleno(p_.TraficoIndex == 1 ? PreguntaFerrocarril : PreguntaAeropuerto);
    PintaCasillas();
    PintaCargaTrafico();
}

void TForm1::CompruebaEs()
{
    CompruebaEspesor(p_, *this);
    PintaCasillas();
    PintaCargaTrafico();
}

void TForm1::CompruebaB()
{
    CompruebaAnchura(p_, *this);
    PintaCasillas();
}

void TForm1::EditH1rExit()
{
    const CorreccionCasilla h1r = SalidaH1r(p_);
    if (!h1r.mensaje.empty()) {
        Mensaje(QString::fromStdString(h1r.mensaje), TituloAviso);
        p_.hr1 = h1r.valor;
        Rellena(EditH1r, p_.hr1);
        RecalculaFa();
        EditH1r->setFocus();
    }
}

void TForm1::EditH2rExit()
{
    const CorreccionCasilla hr = SalidaH2r(p_);
    if (!hr.mensaje.empty()) {
        Mensaje(QString::fromStdString(hr.mensaje), TituloAviso);
        p_.hr = hr.valor;
        Rellena(EditHr, p_.hr);
        Rellena(EditH2r, p_.h2r);
        EditH2r->setFocus();
    }
}

void TForm1::EditHr2Exit()
{
    const SalidaHr2Zanja salida = SalidaHr2(p_);
    if (!salida.hr.mensaje.empty()) {
        Mensaje(QString::fromStdString(salida.hr.mensaje), TituloAviso);
        p_.hr = salida.hr.valor;
        Rellena(EditHr, p_.hr);
        EditHr2->setFocus();
    }
    if (salida.corrigeHr2)
        AplicaCorreccionHr2(EditHr2);
}

void TForm1::EditB2Exit()
{
    const CorreccionCasilla b2 = SalidaB2(p_);
    if (!b2.mensaje.empty()) {
        Mensaje(QString::fromStdString(b2.mensaje), TituloAviso);
        EditB2->setText(GeneralQ(b2.valor));
    }
    AplicaCorreccionHr2(EditB2);
}

void TForm1::AplicaCorreccionHr2(QLineEdit* foco)
{
    const CorreccionHr2 correccion = CorrigeHr2(p_.hr2, p_.b2, false);
    if (correccion.accion == CorreccionHr2::Accion::Ninguna)
        return;
    Mensaje(QString::fromStdString(correccion.mensaje), TituloAviso);
    // Sin una b2 válida, hr2 se queda como está (nunca una profundidad
    // negativa) y el foco sigue su camino: se puede corregir b2 o hr2.
    if (correccion.accion == CorreccionHr2::Accion::Corrige) {
        p_.hr2 = correccion.hr2;
        Rellena(EditHr2, p_.hr2);
        foco->setFocus();
    }
}

void TForm1::RecalculaFa()
{
    const std::optional<double> fa = FaDeLaClase(p_);
    if (!fa)
        return;
    p_.Fa = *fa;
    const QSignalBlocker bloqueo(EFap);  // el valor es el calculado, no uno tecleado
    Rellena(EFap, p_.Fa);
}

void TForm1::Avisa(const Aviso& aviso)
{
    if (aviso.tipo == Aviso::Tipo::Nota)  // lo dice la memoria
        return;
    Mensaje(QString::fromStdString(aviso.texto), QString::fromStdString(aviso.titulo),
            BotonAceptar | IconoDe(aviso.icono));
    // Lo corregido ya está en el registro: se ve en su casilla, que recibe el foco.
    PintaCasillas();
    if (QWidget* casilla = CasillaDeClave(aviso.foco);
        casilla && aviso.tipo == Aviso::Tipo::Correccion)
        casilla->setFocus();
}

bool TForm1::Pregunta(const Aviso& pregunta)
{
    const bool si =
        Mensaje(QString::fromStdString(pregunta.texto), QString::fromStdString(pregunta.titulo),
                BotonesSiNo | IconoDe(pregunta.icono)) == RespuestaSi;
    PintaAvisos();
    return si;
}
