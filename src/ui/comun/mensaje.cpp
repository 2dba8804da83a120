#include "mensaje.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// Qt ciñe el cuadro a su texto, y con uno corto ("Valor no válido") el título
// quedaba cortado en la barra: se reserva el ancho del título y de los botones
// de la barra.
void AnchoParaTitulo(QMessageBox& caja, const QString& titulo)
{
    auto* rejilla = qobject_cast<QGridLayout*>(caja.layout());
    if (!rejilla)
        return;
    QFont letra = caja.font();
    letra.setBold(true);
    const QFontMetrics medida(letra);
    const int ancho = medida.horizontalAdvance(titulo) + 10 * medida.height();
    rejilla->addItem(new QSpacerItem(ancho, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                     rejilla->rowCount(), 0, 1, rejilla->columnCount());
}

class DialogosQt : public Dialogos {
public:
    int Mensaje(const QString& texto, const QString& titulo, int botones) override
    {
        QMessageBox caja(QApplication::activeWindow());
        caja.setWindowTitle(titulo);
        // El texto puede venir de un archivo ajeno: nunca se interpreta como HTML
        // (una imagen o un enlace en él se leerían o abrirían).
        caja.setTextFormat(Qt::PlainText);
        caja.setText(texto);
        switch (botones & 0xF0) {
        case IconoError: caja.setIcon(QMessageBox::Critical); break;
        case IconoPregunta: caja.setIcon(QMessageBox::Question); break;
        case IconoAviso: caja.setIcon(QMessageBox::Warning); break;
        case IconoInformacion: caja.setIcon(QMessageBox::Information); break;
        default: break;
        }
        auto anade = [&](const QString& rotulo, QMessageBox::ButtonRole papel) {
            return caja.addButton(rotulo, papel);
        };
        QAbstractButton* aceptar = nullptr;
        QAbstractButton* cancelar = nullptr;
        QAbstractButton* si = nullptr;
        QAbstractButton* no = nullptr;
        if (botones & BotonCancelar) {
            cancelar = anade("Cancelar", QMessageBox::RejectRole);
        } else if (botones & BotonSi) {
            si = anade("&Sí", QMessageBox::YesRole);
            caja.setEscapeButton(si);
        } else if ((botones & 0xF) == BotonesSiNo || (botones & 0xF) == BotonesSiNoCancelar) {
            si = anade("&Sí", QMessageBox::YesRole);
            no = anade("&No", QMessageBox::NoRole);
            if ((botones & 0xF) == BotonesSiNoCancelar)
                cancelar = anade("Cancelar", QMessageBox::RejectRole);
            caja.setEscapeButton(cancelar ? cancelar : no);
        } else {
            aceptar = anade("Aceptar", QMessageBox::AcceptRole);
            if ((botones & 0xF) == BotonesAceptarCancelar)
                cancelar = anade("Cancelar", QMessageBox::RejectRole);
        }
        AnchoParaTitulo(caja, titulo);
        caja.exec();
        QAbstractButton* pulsado = caja.clickedButton();
        if (pulsado == si)
            return RespuestaSi;
        if (pulsado == no)
            return RespuestaNo;
        if (pulsado == aceptar && aceptar)
            return RespuestaAceptar;
        // Cerrar el cuadro sin elegir vale lo que su botón de escape.
        return cancelar ? RespuestaCancelar : (no ? RespuestaNo : RespuestaAceptar);
    }

    QString NombreAbrir(const QString& filtro) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), "Abrir", QString(),
                                            filtro);
    }

    QString NombreGuardar(const QString& filtro, const QString& extension,
                          const QString& propuesto = QString()) override
    {
        QFileDialog dialogo(QApplication::activeWindow(), "Guardar como", propuesto, filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(extension);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
            return {};
        return dialogo.selectedFiles().constFirst();
    }

    bool PideFirma(QString& autor, QString& revision) override
    {
        QDialog dialogo(QApplication::activeWindow());
        dialogo.setWindowTitle("Anejo de cálculo");
        auto* formulario = new QFormLayout(&dialogo);
        auto* casillaAutor = new QLineEdit(autor);
        auto* casillaRevision = new QLineEdit(revision);
        formulario->addRow("Autor:", casillaAutor);
        formulario->addRow("Revisión:", casillaRevision);
        auto* botones = new QDialogButtonBox;
        botones->addButton("Aceptar", QDialogButtonBox::AcceptRole);
        botones->addButton("Cancelar", QDialogButtonBox::RejectRole);
        QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
        QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
        formulario->addRow(botones);
        if (dialogo.exec() != QDialog::Accepted)
            return false;
        autor = casillaAutor->text().trimmed();
        revision = casillaRevision->text().trimmed();
        return true;
    }

    bool ConfiguraImpresora(QPrinter& impresora) override
    {
        QPrintDialog dialogo(&impresora, QApplication::activeWindow());
        dialogo.setWindowTitle("Especificar impresora");
        return dialogo.exec() == QDialog::Accepted;
    }

    bool DialogoImprimir(QPrinter& impresora) override
    {
        QPrintDialog dialogo(&impresora, QApplication::activeWindow());
        dialogo.setWindowTitle("Imprimir");
        dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialogo.exec() == QDialog::Accepted;
    }
};

DialogosQt dialogosQt;
Dialogos* dialogosEnUso = &dialogosQt;

}  // namespace

Dialogos& DialogosPrograma()
{
    return *dialogosEnUso;
}

void FijaDialogos(Dialogos* dialogos)
{
    dialogosEnUso = dialogos ? dialogos : &dialogosQt;
}

int Mensaje(const QString& texto, const QString& titulo, int botones)
{
    return DialogosPrograma().Mensaje(texto, titulo, botones);
}
