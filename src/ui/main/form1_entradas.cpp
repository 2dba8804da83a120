// Casillas numéricas de la ventana principal: cada pulsación lee el texto y
// guarda el número en el registro; un texto no válido se sustituye por el
// valor guardado. Un número a medio escribir ("2,", "-", "1e") se deja como
// está hasta salir de la casilla: rehacerlo a cada pulsación pegaría las
// cifras siguientes a otro número.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <cmath>

#include "apoyo.h"
#include "factor_apoyo.h"
#include "comprobaciones.h"
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

LecturaCampo TForm1::LeeCampoCasilla(const QString& texto, int clave, double guardado) const
{
    return LeeCampo(clave, texto.toStdString(), saliendo_, guardado);
}

bool TForm1::LeeDirecta(QLineEdit* caja, int clave, double& campo)
{
    const LecturaCampo leido = LeeCampoCasilla(caja->text(), clave, campo);
    if (!leido.mensaje.empty())  // un valor que no puede ser (un γ negativo)
        Mensaje(QString::fromStdString(leido.mensaje), TituloAtencion);
    if (leido.guarda)
        campo = leido.valor;
    if (leido.rehace)
        Rellena(caja, leido.rehecho);
    if (leido.estado != Tecleo::Valido)
        return false;
    p_.Modificado = 1;
    return true;
}

void TForm1::EditDiChange()
{
    const LecturaCampo leido = LeeCampoCasilla(EditDi->currentText(), CasillaDi, p_.Di * 1000);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (!leido.mensaje.empty())
        Mensaje(QString::fromStdString(leido.mensaje), TituloAtencion);
    if (leido.rehace) {  // la casilla muestra el diámetro con que se calcula
        const QSignalBlocker bloqueo(EditDi);
        EditDi->setEditText(TextoQ(leido.rehecho));
        ProgramaClaseEnVivo();
        return;
    }
    const MedidasTubo tubo = TuboConDiametro(leido.valor, p_.Es);
    p_.Di = tubo.Di;
    p_.Es = tubo.Es;
    p_.De = tubo.De;
    Rellena(EditDe, p_.De * 1000);
    Rellena(EditEs, p_.Es * 1000);
    PintaCargaTrafico();
    RecalculaFa();  // De cambia: el Fa de una clase de terraplén también
    p_.Modificado = 1;
}

void TForm1::EditEsChange()
{
    const LecturaCampo leido = LeeCampoCasilla(EditEs->text(), CasillaEs, p_.Es * 1000);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (!leido.mensaje.empty())
        Mensaje(QString::fromStdString(leido.mensaje), TituloAtencion);
    if (leido.rehace) {
        Rellena(EditEs, leido.rehecho);
        return;
    }
    const MedidasTubo tubo = TuboConEspesor(p_.Di, leido.valor);
    p_.Es = tubo.Es;
    p_.De = tubo.De;
    Rellena(EditDe, p_.De * 1000);
    RecalculaFa();
    p_.Modificado = 1;
}

void TForm1::EditHrChange()
{
    if (!LeeDirecta(EditHr, CasillaHr, p_.hr))
        return;
    PintaCargaTrafico();
    RecalculaFa();
}

void TForm1::EditH1rChange()
{
    if (!LeeDirecta(EditH1r, CasillaHr1, p_.hr1))
        return;
    RecalculaFa();
}

void TForm1::EditH2rChange()
{
    LeeDirecta(EditH2r, CasillaH2r, p_.h2r);
}

void TForm1::EditB2Change()
{
    if (!LeeDirecta(EditB2, CasillaB2, p_.b2))
        return;
    RecalculaFa();
}

void TForm1::EditHr2Change()
{
    if (!LeeDirecta(EditHr2, CasillaHr2, p_.hr2))
        return;
    RecalculaFa();
}

void TForm1::EditBChange()
{
    const LecturaCampo leido = LeeCampoCasilla(EditB->text(), CasillaB, p_.b);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.rehace) {
        Rellena(EditB, leido.rehecho);
        return;
    }
    const double b = leido.valor;
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
    const FactorTecleado factor = LeeFactorApoyo(leido.valor, p_.Fa);
    if (factor.cambia) {
        p_.Fa = factor.fa;
        p_.Modificado = 1;
        if (factor.tipo) {  // un factor tecleado ya no es el de una clase
            p_.Tipo = *factor.tipo;
            claseFa->clear();
            LClaseTerraplen->setText(QString::fromStdString(LetraClaseTerraplen(p_.Tipo)));
        }
    }
}

void TForm1::EditFiChange()
{
    LeeDirecta(EditFi, CasillaFi, p_.fi);
    // Sin paramentos de zanja, el rozamiento contra ellos es el interno.
    if (SinParamentosDeZanja(p_))
        EditFi1->setText(EditFi->text());
}

void TForm1::EditFi1Change()
{
    LeeDirecta(EditFi1, CasillaFi1, p_.fi1);
}

void TForm1::EditGammaChange()
{
    LeeDirecta(EditGamma, CasillaGamma, p_.gamma);
}

void TForm1::EditDChange()
{
    LeeDirecta(EditD, CasillaD, p_.D);
}

void TForm1::EditQpChange()
{
    LeeDirecta(EditQp, CasillaQp, p_.qp);
}

void TForm1::EditQsChange()
{
    LeeDirecta(EditQs, CasillaQs, p_.qs);
}

void TForm1::EditdhChange()
{
    const LecturaCampo leido = LeeCampoCasilla(Editdh->text(), CasillaDh, p_.dh);
    if (leido.estado == Tecleo::AMedias)
        return;
    p_.dh = leido.valor;
    PintaCargaTrafico();
    if (leido.rehace) {
        Rellena(Editdh, leido.rehecho);
        return;
    }
    p_.Modificado = 1;
}

void TForm1::EditNViasChange()
{
    const EnteroTecleado leido = LeeCasillaEntera(EditNVias->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    p_.NVias = NumeroVias(leido.valor);
    const QString texto = QString::number(p_.NVias);
    if (EditNVias->text() != texto)
        EditNVias->setText(texto);
    PintaCargaTrafico();
    if (leido.estado == Tecleo::Valido)
        p_.Modificado = 1;
}

void TForm1::EditVTrenChange()
{
    const LecturaCampo leido = LeeCampoCasilla(EditVTren->text(), CasillaV, p_.V);
    if (leido.estado == Tecleo::AMedias)
        return;
    const CorreccionCasilla tope = VelocidadTren(leido.valor);
    p_.V = tope.valor;
    bool valido = leido.estado == Tecleo::Valido;
    if (!tope.mensaje.empty()) {
        Mensaje(QString::fromStdString(tope.mensaje), TituloAviso);
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
    LeeDirecta(EditPq, CasillaPq, p_.pq);
    p_.qc = PintaCompactacion();
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
