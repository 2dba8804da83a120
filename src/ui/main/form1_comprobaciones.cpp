// Comprobaciones geométricas de la ventana principal: al salir de una casilla
// (y otra vez antes de calcular) corrigen el valor con un mensaje o avisan.

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <string>
#include <optional>

#include "apoyo.h"
#include "espesores.h"
#include "factor_apoyo.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "zanja.h"

void TForm1::CompruebaHr()
{
    if (p_.hr == 0)
        return;
    const std::uint8_t instalacion = p_.InstalacionIndex;
    QString motivo;
    if (instalacion == InstalacionZanjaInducida && p_.hr <= p_.hr2) {
        p_.hr = p_.hr2 + 0.1;
        motivo = " mayor de hr2, ";
    }
    if (instalacion == InstalacionZanjaInducida && p_.hr < p_.De) {
        p_.hr = p_.De;
        motivo = " mayor o igual que De, ";
    }
    if (p_.hr < 0.5) {
        p_.hr = 0.5;
        motivo = "mayor o igual a 0.5 m, ";
    }
    if (instalacion == InstalacionZanjaTerraplenada && p_.hr <= p_.h2r && p_.De > 0.01) {
        p_.hr = p_.h2r + 0.1;
        motivo = " mayor que h\"r, ";
    }
    if (!motivo.isEmpty()) {
        Mensaje("Para garantizar un correcto reparto de las cargas, hr debe ser " + motivo +
                    " por lo que se corrige automáticante el valor.",
                TituloAviso);
        Rellena(EditHr, p_.hr);
        EditHr->setFocus();
        EditHrChange();
    }
    ComboCarreteraChange();  // repite el consejo de hr < 1 m y refresca el tráfico
}

void TForm1::CompruebaEs()
{
    const double normalizado = EspesorNormalizado(p_.Di);
    if (normalizado > p_.Es && p_.AvisoEspesor == 1) {
        const int respuesta =
            Mensaje("La Norma UNE 127.100 recomienda un espesor de pared mínimo de " +
                        TextoQ(normalizado * 1000) + " mm. ¿Quiere mantener activado este aviso?",
                    TituloAviso, BotonesSiNo | IconoPregunta);
        p_.AvisoEspesor = respuesta == RespuestaSi ? 1 : 0;
        PintaAvisos();
    }
    CompruebaHr();
}

void TForm1::CompruebaB()
{
    const CorreccionAnchura correccion = CorrigeAnchuraZanja(p_);
    if (!correccion.pregunta.empty() &&
        Mensaje(QString::fromStdString(correccion.pregunta), TituloAviso,
                BotonesSiNo | IconoPregunta) == RespuestaSi) {
        p_.b = correccion.b;
        Rellena(EditB, p_.b);
        EditB->setFocus();
    }
    // El consejo mira la anchura que queda, también la recién corregida.
    const std::string consejo = ConsejoAnchuraZanja(p_);
    if (!consejo.empty()) {
        const int respuesta =
            Mensaje(QString::fromStdString(consejo), TituloAviso, BotonesSiNo | IconoPregunta);
        p_.AvisoAnchura = respuesta == RespuestaSi ? 1 : 0;
        PintaAvisos();
    }
}

void TForm1::EditH1rExit()
{
    if (p_.hr1 > p_.De && p_.De > 0.01) {
        Mensaje("h´r debe ser menor o igual al diámetro exterior (De) del tubo, por lo que se corrige "
                "automáticante el valor.",
                TituloAviso);
        p_.hr1 = p_.De;
        Rellena(EditH1r, p_.hr1);
        RecalculaFa();
        EditH1r->setFocus();
    }
}

void TForm1::EditH2rExit()
{
    if (p_.h2r != 0 && p_.h2r >= p_.hr) {
        Mensaje("h\"r debe ser menor que la altura del relleno (hr), por lo que se corrige "
                "automáticante el valor.",
                TituloAviso);
        p_.hr = p_.h2r + 0.1;  // sube el relleno; h''r se queda
        Rellena(EditHr, p_.hr);
        Rellena(EditH2r, p_.h2r);
        EditH2r->setFocus();
    }
}

void TForm1::EditHr2Exit()
{
    if (p_.hr2 == 0)
        return;
    if (p_.hr2 >= p_.hr) {
        Mensaje("hr2 debe ser menor que la altura del relleno (hr), por lo que se corrige "
                "automáticante el valor.",
                TituloAviso);
        p_.hr = p_.hr2 + 0.1;
        Rellena(EditHr, p_.hr);
        EditHr2->setFocus();
    }
    if (p_.b2 > 0.01)
        AplicaCorreccionHr2(EditHr2);
}

void TForm1::EditB2Exit()
{
    if (p_.b2 < p_.De) {
        Mensaje("B2 ha de ser un valor como mínimo igual al diámetro exterior de la tubería.", TituloAviso);
        EditB2->setText(GeneralQ(p_.De));
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
    const std::optional<double> fa = RecalculaFaTerraplen(p_, claseFa->text().toStdString());
    if (!fa)
        return;
    p_.Fa = *fa;
    const QSignalBlocker bloqueo(EFap);  // el valor es el calculado, no uno tecleado
    Rellena(EFap, p_.Fa);
}
