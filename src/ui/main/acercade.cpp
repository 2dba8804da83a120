#include "acercade.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "marco.h"
#include "dibujos.h"
#include "primera.h"
#include "variables.h"
#include "rotulos.h"

namespace {

const char* const DireccionWeb = "https://calculo-tubos.example.org";

}  // namespace

TAcercaDe::TAcercaDe(TFVariables* variables, QWidget* padre) : QDialog(padre), variables_(variables)
{
    setObjectName("AcercaDe");
    setWindowTitle("Acerca de...");
    // Borde de diálogo: título y cierre, sin minimizar ni maximizar.
    PonMarcoSoloCerrar(this);

    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    auto* icono = new Croquis([this](QPainter& pintor, const QRectF& zona) {
        pintor.fillRect(zona, palette().color(QPalette::Window));
        DibujaEmblema(pintor, zona);
    });
    icono->setObjectName("ProgramIcon");
    icono->setFixedSize(64, 64);

    auto* nombre = Rotulo("Cálculo Mecánico Tubos", "ProductName", true);
    QFont grande = nombre->font();
    grande.setPointSize(grande.pointSize() + 3);
    nombre->setFont(grande);
    auto* norma = Rotulo("Tubos de hormigón armado según UNE 127.010", "Comments");
    LVersion = Rotulo(TextoVersion, "LVersion");
    LVersion->setToolTip("Doble pulsación: estado de las variables");
    LVersion->installEventFilter(this);

    LWeb = Rotulo(QString("<a href=\"%1\">%1</a>").arg(DireccionWeb), "LWeb");
    LWeb->setTextFormat(Qt::RichText);  // el enlace, nuestro
    LWeb->setTextInteractionFlags(Qt::TextBrowserInteraction);
    LWeb->setOpenExternalLinks(false);
    // Se abre el propio texto del rótulo, como una orden "abrir" del sistema.
    connect(LWeb, &QLabel::linkActivated, this,
            [](const QString& direccion) { QDesktopServices::openUrl(QUrl(direccion)); });

    auto* cabecera = new QVBoxLayout;
    cabecera->setSpacing(2);
    cabecera->addWidget(nombre);
    cabecera->addWidget(norma);
    cabecera->addWidget(LVersion);

    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(14);
    arriba->addWidget(icono, 0, Qt::AlignTop);
    arriba->addLayout(cabecera);
    arriba->addStretch();

    auto* creditos = new QVBoxLayout;
    creditos->setSpacing(2);
    creditos->setContentsMargins(78, 0, 0, 0);  // alineado con los textos de arriba
    creditos->addWidget(Rotulo("Desarrollado por:", "LDesarrollado", true));
    creditos->addWidget(Rotulo("Equipo de cálculo de estructuras enterradas", "LEquipo"));
    creditos->addWidget(Rotulo("Laboratorio de Estructuras Enterradas", "LLaboratorio"));
    creditos->addWidget(LWeb);

    auto* dentro = new QVBoxLayout(panel);
    dentro->setContentsMargins(14, 14, 14, 14);
    dentro->setSpacing(14);
    dentro->addLayout(arriba);
    dentro->addLayout(creditos);

    BAceptar = new QPushButton("&Aceptar");
    BAceptar->setObjectName("OKButton");
    BAceptar->setDefault(true);
    connect(BAceptar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(BAceptar);
    botones->addStretch();

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(10, 10, 10, 10);
    disposicion->addWidget(panel);
    disposicion->addLayout(botones);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
    BAceptar->setFocus();
}

void TAcercaDe::LVersionDblClick()
{
    if (variables_)
        variables_->exec();
}

bool TAcercaDe::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == LVersion && evento->type() == QEvent::MouseButtonDblClick) {
        LVersionDblClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}
