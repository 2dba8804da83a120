// Casillas numéricas de la ventana principal: cada pulsación lee el texto y
// guarda el número en el registro; un texto no válido se sustituye por el
// valor guardado. Un número a medio escribir ("2,", "-", "1e") se deja como
// está hasta salir de la casilla: rehacerlo a cada pulsación pegaría las
// cifras siguientes a otro número.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <cmath>

#include "compactacion.h"
#include "espesores.h"
#include "factor_apoyo.h"
#include "casillas.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"

NumeroTecleado TForm1::Lee(const QString& texto) const
{
    return LeeCasilla(texto, saliendo_);
}

void TForm1::Rellena(QLineEdit* caja, double valor)
{
    caja->setText(TextoQ(valor));
}

bool TForm1::LeeDirecta(QLineEdit* caja, double& campo, bool absoluto)
{
    // Se guarda lo leído aun de un texto no válido, y el texto se rehace.
    const NumeroTecleado leido = Lee(caja->text());
    if (leido.estado == Tecleo::AMedias)
        return false;
    campo = absoluto ? std::fabs(leido.valor) : leido.valor;
    if (leido.estado != Tecleo::Valido)
        Rellena(caja, campo);
    return leido.estado == Tecleo::Valido;
}

void TForm1::EditDiChange()
{
    const NumeroTecleado leido = Lee(EditDi->currentText());
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido) {
        Mensaje("Valor no válido", TituloAtencion);
        return;
    }
    p_.Di = std::fabs(leido.valor) / 1000;
    // Un diámetro normalizado trae su espesor de pared normalizado.
    const double normalizado = EspesorNormalizado(p_.Di);
    if (normalizado != 0)
        p_.Es = normalizado;
    p_.De = 2 * p_.Es + p_.Di;
    Rellena(EditDe, p_.De * 1000);
    Rellena(EditEs, p_.Es * 1000);
    PintaCargaTrafico();
    p_.Modificado = 1;
    CompruebaHr();
}

void TForm1::EditEsChange()
{
    const NumeroTecleado leido = Lee(EditEs->text());
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido) {
        Mensaje("Valor no válido", TituloAtencion);
        Rellena(EditEs, p_.Es * 1000);
        return;
    }
    p_.Es = std::fabs(leido.valor) / 1000;
    p_.De = 2 * p_.Es + p_.Di;
    Rellena(EditDe, p_.De * 1000);
    p_.Modificado = 1;
}

void TForm1::EditHrChange()
{
    if (!LeeDirecta(EditHr, p_.hr, true))
        return;
    PintaCargaTrafico();
    p_.Modificado = 1;
    RecalculaFa();
}

void TForm1::EditH1rChange()
{
    if (!LeeDirecta(EditH1r, p_.hr1, true))
        return;
    p_.Modificado = 1;
    RecalculaFa();
}

void TForm1::EditH2rChange()
{
    if (LeeDirecta(EditH2r, p_.h2r, true))
        p_.Modificado = 1;
}

void TForm1::EditB2Change()
{
    if (!LeeDirecta(EditB2, p_.b2, true))
        return;
    p_.Modificado = 1;
    RecalculaFa();
}

void TForm1::EditHr2Change()
{
    if (!LeeDirecta(EditHr2, p_.hr2, true))
        return;
    p_.Modificado = 1;
    RecalculaFa();
}

void TForm1::EditBChange()
{
    const NumeroTecleado leido = Lee(EditB->text());
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido) {
        Rellena(EditB, p_.b);
        return;
    }
    const double b = std::fabs(leido.valor);
    if (b != p_.b) {
        p_.Modificado = 1;
        p_.TaludDefinido = 0;  // la anchura ya no sale del diálogo del talud
        p_.b = b;
    }
}

void TForm1::EFapChange()
{
    const NumeroTecleado leido = Lee(EFap->text());
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido) {
        Rellena(EFap, p_.Fa);
        return;
    }
    const FactorTecleado factor = LeeFactorApoyo(leido.valor, p_.Fa, p_.InstalacionIndex);
    if (factor.cambia) {
        p_.Fa = factor.fa;
        p_.Modificado = 1;
        if (factor.tipo)
            p_.Tipo = *factor.tipo;
    }
}

void TForm1::EditFiChange()
{
    if (LeeDirecta(EditFi, p_.fi, false))
        p_.Modificado = 1;
    // Sin paramentos de zanja, el rozamiento contra ellos es el interno.
    if ((p_.InstalacionIndex == InstalacionTerraplen || p_.InstalacionIndex == InstalacionZanjaInducida) &&
        p_.RellenoIndex == RellenoUsuario)
        EditFi1->setText(EditFi->text());
}

void TForm1::EditFi1Change()
{
    if (LeeDirecta(EditFi1, p_.fi1, false))
        p_.Modificado = 1;
}

void TForm1::EditGammaChange()
{
    if (LeeDirecta(EditGamma, p_.gamma, false))
        p_.Modificado = 1;
}

void TForm1::EditDChange()
{
    if (LeeDirecta(EditD, p_.D, true))
        p_.Modificado = 1;
}

void TForm1::EditQpChange()
{
    if (LeeDirecta(EditQp, p_.qp, true))
        p_.Modificado = 1;
}

void TForm1::EditQsChange()
{
    if (LeeDirecta(EditQs, p_.qs, true))
        p_.Modificado = 1;
}

void TForm1::EditdhChange()
{
    const NumeroTecleado leido = Lee(Editdh->text());
    if (leido.estado == Tecleo::AMedias)
        return;
    p_.dh = std::fabs(leido.valor);
    PintaCargaTrafico();
    if (leido.estado != Tecleo::Valido) {
        Rellena(Editdh, p_.dh);
        return;
    }
    p_.Modificado = 1;
}

void TForm1::EditNViasChange()
{
    // El número de vías es un byte: se toma módulo 256 y con un máximo de 10.
    const EnteroTecleado leido = LeeCasillaEntera(EditNVias->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    const auto vias = static_cast<std::uint8_t>(static_cast<unsigned long long>(leido.valor) % 256);
    p_.NVias = vias > 10 ? 10 : vias;
    const QString texto = QString::number(p_.NVias);
    if (EditNVias->text() != texto)
        EditNVias->setText(texto);
    PintaCargaTrafico();
    if (leido.estado == Tecleo::Valido)
        p_.Modificado = 1;
}

void TForm1::EditVTrenChange()
{
    const NumeroTecleado leido = Lee(EditVTren->text());
    if (leido.estado == Tecleo::AMedias)
        return;
    p_.V = std::fabs(leido.valor);
    bool valido = leido.estado == Tecleo::Valido;
    if (p_.V > 200) {
        Mensaje("La máxima velocidad permitida en la Memoria es 200 km/h., por lo que se corrige "
                "automáticante el valor.",
                TituloAviso);
        p_.V = 200;
        valido = false;
    }
    PintaCargaTrafico();
    if (!valido) {
        Rellena(EditVTren, p_.V);
        return;
    }
    p_.Modificado = 1;
}

void TForm1::EditPqChange()
{
    if (Lee(EditPq->text()).estado == Tecleo::AMedias)
        return;
    LeeDirecta(EditPq, p_.pq, true);
    p_.qc = CargaCompactacion(p_.CompactadorIndex, p_.De, p_.pq, p_.hr);
    Lab_comp->setText(TextoQ(Trunca2(p_.qc)) + " kN/m");
    p_.Modificado = 1;
}

void TForm1::TerminaTecleo(QObject* control)
{
    QString texto;
    void (TForm1::*manejador)() = nullptr;
    if (control == EditDi || control == EditDi->lineEdit()) {
        texto = EditDi->currentText();
        manejador = &TForm1::EditDiChange;
    }
    for (const auto& [casilla, cambio] : Casillas()) {
        if (casilla == control) {
            texto = casilla->text();
            manejador = cambio;
        }
    }
    if (!manejador)
        return;
    if (!EstaAMedias(texto, control == EditNVias))
        return;
    // El número a medio escribir se trata ya como uno no válido: se rehace la
    // casilla o sale el aviso, como si se hubiera tecleado así.
    const QScopedValueRollback<bool> saliendo(saliendo_, true);
    (this->*manejador)();
}
