// Comprobaciones geométricas de la ventana principal: al salir de una casilla
// (y otra vez antes de calcular) corrigen el valor con un mensaje o avisan.

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

#include "apoyo.h"
#include "comprobaciones.h"
#include "espesores.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"

void TForm1::CompruebaHr()
{
    const CorreccionCasilla hr = CompruebaAlturaRelleno(p_);
    if (!hr.mensaje.empty()) {
        p_.hr = hr.valor;
        Mensaje(QString::fromStdString(hr.mensaje), TituloAviso);
        Rellena(EditHr, p_.hr);
        EditHr->setFocus();
        EditHrChange();
    }
    ComboCarreteraChange();  // repite el consejo de hr < 1 m y refresca el tráfico
}

void TForm1::CompruebaEs()
{
    const std::string aviso = AvisoEspesorPared(p_);
    if (!aviso.empty()) {
        const int respuesta =
            Mensaje(QString::fromStdString(aviso), TituloAviso, BotonesSiNo | IconoPregunta);
        p_.AvisoEspesor = respuesta == RespuestaSi ? 1 : 0;
        PintaAvisos();
    }
    CompruebaHr();
}

void TForm1::CompruebaB()
{
    if (p_.De <= 0.01)
        return;
    if (p_.b < p_.De) {
        // Resguardo lateral aconsejado según el diámetro interior.
        QString resguardo;
        double propuesta;
        if (p_.Di <= 0.35) {
            resguardo = "0.25";
            propuesta = p_.De + 0.5;
        } else if (p_.Di <= 0.7) {
            resguardo = "0.35";
            propuesta = p_.De + 0.7;
        } else if (p_.Di <= 1.2) {
            resguardo = "0.43";
            propuesta = p_.De + 0.86;
        } else {
            resguardo = "0.5";
            propuesta = p_.De + 1.0;
        }
        const int respuesta = Mensaje(
            "La zanja debe ser mayor que el diámetro exterior (De) del tubo. Se aconseja dejar " +
                resguardo + "m a ambos lados, para De=" + TextoQ(p_.De) +
                "m. ¿Desea que se corrija automáticamente?",
            TituloAviso, BotonesSiNo | IconoPregunta);
        if (respuesta == RespuestaSi) {
            p_.b = propuesta;
            Rellena(EditB, p_.b);
            EditB->setFocus();
        }
    }
    if (p_.b < p_.De || p_.InstalacionIndex == InstalacionTerraplen)
        return;
    // Consejo de resguardo según el diámetro exterior, solo en estas bandas.
    QString resguardo;
    if (p_.De < 0.5 && p_.b < p_.De + 0.5)
        resguardo = "0.25";
    else if (p_.De > 0.74 && p_.De <= 0.8 && p_.b < p_.De + 0.7)
        resguardo = "0.35";
    else if (p_.De > 0.95 && p_.De <= 1.5 && p_.b < p_.De + 0.86)
        resguardo = "0.43";
    else if (p_.De > 1.5 && p_.b < p_.De + 1.0)
        resguardo = "0.5";
    if (!resguardo.isEmpty() && p_.AvisoAnchura == 1) {
        const int respuesta = Mensaje("Es recomendable mantener al menos " + resguardo +
                                          " m. a ambos lados del tubo. ¿Quiere mantener activado este aviso?",
                                      TituloAviso, BotonesSiNo | IconoPregunta);
        p_.AvisoAnchura = respuesta == RespuestaSi ? 1 : 0;
        PintaAvisos();
    }
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
    if (p_.InstalacionIndex != InstalacionTerraplen && p_.InstalacionIndex != InstalacionZanjaInducida)
        return;
    if (p_.De <= 0.01 || p_.hr2 <= 0.01 || p_.b2 <= 0.01)
        return;
    p_.n = p_.hr1 / p_.De;
    const QString clase = claseFa->text();
    if (clase.isEmpty())
        return;
    const int numero = clase.at(0).unicode() - 'A' + 1;
    if (numero < 1 || numero > 4)
        return;
    // Un cálculo imposible (hr = 0) o sin sentido (factor negativo) deja el
    // factor en 0: así no se calcula con el de otra altura.
    const double fa = CalculaFa(p_, p_.InstalacionIndex, static_cast<std::uint8_t>(numero)).value_or(0);
    p_.Fa = fa > 0 ? std::min(fa, 8.0) : 0;
    const QSignalBlocker bloqueo(EFap);  // el valor es el calculado, no uno tecleado
    Rellena(EFap, p_.Fa);
}
