// La línea de estado de la ventana principal: lo que darían ahora las órdenes
// de clase resistente UNE y ASTM, al día tras cada cambio del registro.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "ayuda.h"
#include "clase_en_vivo.h"
#include "form1.h"

namespace {

const int ContextoAyudaClase = 140;

}  // namespace

void TForm1::CreaClaseEnVivo()
{
    LClaseEnVivo = new QLabel;
    LClaseEnVivo->setTextFormat(Qt::PlainText);
    LClaseEnVivo->setObjectName("ClaseEnVivo");
    LClaseEnVivo->setTextFormat(Qt::PlainText);
    // Un texto largo se recorta con "…" y entero queda en el globo: la ventana
    // no se ensancha por él.
    LClaseEnVivo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Se puede seleccionar y copiar; con el foco, F1 abre su ayuda.
    LClaseEnVivo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LClaseEnVivo->setFocusPolicy(Qt::ClickFocus);
    LClaseEnVivo->installEventFilter(this);
    FijaContextoAyuda(LClaseEnVivo, ContextoAyudaClase);
    statusBar()->setObjectName("BarraEstado");
    statusBar()->addWidget(LClaseEnVivo, 1);

    relojClase_ = new QTimer(this);
    relojClase_->setSingleShot(true);
    relojClase_->setInterval(0);
    connect(relojClase_, &QTimer::timeout, this, &TForm1::PintaClaseEnVivo);

    // Cualquier cambio del registro pasa por uno de estos controles u órdenes.
    // El reloj junta varios cambios en una sola cuenta y corre cuando ya han
    // terminado los manejadores, que son los que escriben el registro.
    const auto programa = [this] { relojClase_->start(); };
    for (QLineEdit* casilla : findChildren<QLineEdit*>())
        connect(casilla, &QLineEdit::textChanged, this, programa);
    for (QComboBox* lista : findChildren<QComboBox*>())
        connect(lista, &QComboBox::currentIndexChanged, this, programa);
    for (QTabWidget* cuaderno : findChildren<QTabWidget*>())
        connect(cuaderno, &QTabWidget::currentChanged, this, programa);
    for (QAbstractButton* boton : findChildren<QAbstractButton*>())
        connect(boton, &QAbstractButton::clicked, this, programa);
    for (QAction* opcion : findChildren<QAction*>())
        connect(opcion, &QAction::triggered, this, programa);
    relojClase_->start();
}

void TForm1::ProgramaClaseEnVivo()
{
    if (relojClase_)  // aún sin crear mientras se construye la ventana
        relojClase_->start();
}

void TForm1::PintaClaseEnVivo()
{
    const EstadoClase estado = ClaseEnVivo(p_);
    const QString texto = QString::fromStdString(estado.texto);
    if (texto == textoClase_)  // la mayoría de las teclas no cambian la línea
        return;
    textoClase_ = texto;
    LClaseEnVivo->setToolTip(textoClase_);
    RecortaClaseEnVivo();
}

void TForm1::RecortaClaseEnVivo()
{
    LClaseEnVivo->setText(LClaseEnVivo->fontMetrics().elidedText(
        textoClase_, Qt::ElideRight, LClaseEnVivo->contentsRect().width()));
}

bool TForm1::FiltraClaseEnVivo(QObject* objeto, QEvent* evento)
{
    if (objeto == LClaseEnVivo && LClaseEnVivo && evento->type() == QEvent::Resize) {
        RecortaClaseEnVivo();
        return true;
    }
    return false;
}
