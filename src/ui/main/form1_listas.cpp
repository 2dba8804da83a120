// Listas de la ventana principal: guardan su índice en el registro y
// refrescan lo que de él depende (valores del relleno, cargas de tráfico y de
// compactación), con los consejos sobre la altura de relleno.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "compactacion.h"
#include "comprobaciones.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "relleno.h"
#include "trafico.h"
#include "numero_qt.h"

namespace {

std::uint8_t Indice(const QComboBox* lista)
{
    return static_cast<std::uint8_t>(std::max(lista->currentIndex(), 0));
}

void AconsejaAltura(const ConsejoTrafico& consejo)
{
    if (!consejo.mensaje.empty())
        Mensaje(QString::fromStdString(consejo.mensaje), TituloAviso,
                BotonAceptar | IconoInformacion);
}

}  // namespace

void TForm1::PintaRelleno()
{
    const bool usuario = p_.RellenoIndex == RellenoUsuario;
    PanelRellenoUsuario->setVisible(usuario);
    PanelNoRellenoUsuario->setVisible(!usuario);
    if (!usuario) {
        const RellenoTabulado& relleno = TablaRellenos[p_.RellenoIndex];
        LLambdami->setText(TextoQ(relleno.lambdami));
        LPeso->setText(TextoQ(relleno.gamma) + " kN/m3");
    }
}

void TForm1::ComboRellenoChange()
{
    p_.RellenoIndex = Indice(ComboRelleno);
    MuestraRozamientoParamentos();
    PintaRelleno();
    p_.Modificado = 1;
}

void TForm1::ComboBaseChange()
{
    p_.BaseIndex = Indice(ComboBase);
    p_.Modificado = 1;
}

double TForm1::PintaCompactacion()
{
    const double carga = CargaCompactacion(p_.CompactadorIndex, p_.De, p_.pq, p_.hr);
    Lab_comp->setText(TextoQ(Trunca2(carga)) + " kN/m");
    return carga;
}

void TForm1::ComboCompactadorChange()
{
    p_.CompactadorIndex = Indice(ComboCompactador);
    PintaCompactacion();
    p_.Modificado = 1;
}

void TForm1::PintaCargaTrafico()
{
    p_.r = CargaTrafico(p_, *this);
    Lqt->setText(TextoQ(p_.r) + " kN/m");
}

void TForm1::TabTraficoClick()
{
    p_.TraficoIndex = static_cast<std::uint8_t>(TabTrafico->currentIndex());
    PintaCargaTrafico();
    p_.Modificado = 1;
}

void TForm1::ComboCarreteraChange()
{
    p_.CarreteraIndex = Indice(ComboCarretera);
    AconsejaAltura(ConsejoCarretera(p_.hr, p_.CarreteraIndex));
    PintaCargaTrafico();
    p_.Modificado = 1;
}

void TForm1::ComboAeropuertoChange()
{
    p_.AeropuertoIndex = Indice(ComboAeropuerto);
    AconsejaAltura(ConsejoAeropuerto(p_.hr, p_.AeropuertoIndex));
    PintaCargaTrafico();
    p_.Modificado = 1;
}

void TForm1::ComboViaChange()
{
    p_.ViaIndex = Indice(ComboVia);
    const ConsejoTrafico consejo = ConsejoVia(p_.hr, p_.ViaIndex);
    if (!consejo.pregunta.empty()) {
        // Con Sí la casilla hr pasa a 1 y su manejador lo refresca todo; con
        // No todo queda como estaba.
        SubeAlturaRelleno(consejo.pregunta);
        return;
    }
    AconsejaAltura(consejo);
    PintaCargaTrafico();
    p_.Modificado = 1;
}

void TForm1::PintaSentidoVia()
{
    // La distancia a la primera vía solo se pide con la vía longitudinal.
    const bool longitudinal = p_.SentidoViaIndex == 0;
    for (QWidget* control : {static_cast<QWidget*>(Label42), static_cast<QWidget*>(Label46),
                             static_cast<QWidget*>(Label49), static_cast<QWidget*>(Editdh)})
        control->setVisible(longitudinal);
}

void TForm1::ComboBox1Change()
{
    p_.SentidoViaIndex = Indice(ComboBox1);
    PintaSentidoVia();
    PintaCargaTrafico();
    p_.Modificado = 1;
}
