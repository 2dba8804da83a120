#include "apoyo_zanja.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "ayuda.h"
#include "camas.h"
#include "dibujos.h"
#include "espesores.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "rotulos.h"

namespace {

const int ContextoClases = 42;
const int PaginaDirecto = 2;

QGroupBox* Grupo(const QString& titulo)
{
    auto* grupo = new QGroupBox(titulo);
    // Solo el título en negrita, no lo que contiene.
    grupo->setStyleSheet("QGroupBox { font-weight: bold; }");
    return grupo;
}

}  // namespace

TClases::TClases(const Proyecto& proyecto, QWidget* padre) : QDialog(padre), p_(proyecto)
{
    setObjectName("Clases");
    setWindowTitle("Factor de apoyo en zanja y zanja terraplenada");
    FijaContextoAyuda(this, ContextoClases);

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Negrita("Tipo de apoyo:"));
    cabecera->addStretch();
    cabecera->addWidget(Rotulo("(Todas la medidas están en metros.)"));

    TabbedNotebook1 = new QTabWidget;
    TabbedNotebook1->setObjectName("TabbedNotebook1");
    TabbedNotebook1->addTab(CreaHormigon(), "Hormigón");
    TabbedNotebook1->addTab(CreaGranular(), "Granular");
    TabbedNotebook1->addTab(CreaDirecto(), "Directo");
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TClases::TabbedNotebook1Click);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(cabecera);
    disposicion->addWidget(TabbedNotebook1, 1);
    disposicion->addWidget(CreaPie());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton*& TClases::Boton(int boton)
{
    QPushButton* TClases::*const botones[] = {
        &TClases::Button1, &TClases::Button2,  &TClases::Button3,  &TClases::Button4,
        &TClases::Button5, &TClases::Button6,  &TClases::Button7,  &TClases::Button8,
        &TClases::Button9, &TClases::Button10, &TClases::Button11,
    };
    return this->*botones[boton - 1];
}

// Un panel de cama: su croquis, la altura de la cuna, el mínimo sobre la
// clave y el botón que la elige.
QWidget* TClases::CreaPanel(int boton)
{
    const CamaZanja& cama = CamaDeBoton(boton);
    auto* panel = new QFrame;
    panel->setObjectName(QString("Panel%1").arg(boton));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* croquis = new Croquis([tipo = cama.tipo](QPainter& pintor, const QRectF& zona) {
        DibujaCama(pintor, zona, tipo);
    });
    croquis->setObjectName(QString("Image%1").arg(boton));
    croquis->setFixedSize(168, 124);

    auto* medidas = new QGridLayout;
    medidas->setHorizontalSpacing(4);
    medidas->setVerticalSpacing(2);
    minimo_[boton] = Rotulo("", qPrintable(QString("LMinimo%1").arg(boton)));
    // Sin cuna no hay rótulo: uno sin colocar no tendría padre y no se liberaría.
    if (cama.divisor != 0) {
        cuna_[boton] = Rotulo("", qPrintable(QString("LCuna%1").arg(boton)));
        medidas->addWidget(Rotulo("a ="), 0, 0, Qt::AlignRight);
        medidas->addWidget(cuna_[boton], 0, 1);
    }
    medidas->addWidget(Rotulo("h ≥"), 1, 0, Qt::AlignRight);
    medidas->addWidget(minimo_[boton], 1, 1);
    medidas->setColumnStretch(1, 1);
    if (boton == 11)
        medidas->addWidget(Rotulo("hr/8  y > 0.15 m."), 2, 0, 1, 2);

    QPushButton*& boton_ = Boton(boton);
    boton_ = new QPushButton(cama.titulo);
    boton_->setObjectName(QString("Button%1").arg(boton));
    boton_->setAutoDefault(false);
    connect(boton_, &QPushButton::clicked, this, [this, boton] { ButtonClick(boton); });

    auto* derecha = new QVBoxLayout;
    derecha->addLayout(medidas);
    derecha->addStretch();
    derecha->addWidget(boton_);

    auto* disposicion = new QHBoxLayout(panel);
    disposicion->setContentsMargins(4, 4, 6, 4);
    disposicion->addWidget(croquis);
    disposicion->addLayout(derecha);
    return panel;
}

QWidget* TClases::CreaHormigon()
{
    auto* pagina = new QWidget;
    auto* disposicion = new QHBoxLayout(pagina);
    // Columnas por relleno; filas de arriba abajo: 180º, 120º y 90º.
    const char* const titulos[2] = {"Relleno Compactado 95% P.N.",
                                    "Relleno Selecionado Sin Compactar"};
    for (int i = 0; i < 2; ++i) {
        QGroupBox* grupo = Grupo(titulos[i]);
        auto* columna = new QVBoxLayout(grupo);
        for (int boton = 1 + i; boton <= 6; boton += 2)
            columna->addWidget(CreaPanel(boton));
        disposicion->addWidget(grupo);
    }
    return pagina;
}

QWidget* TClases::CreaGranular()
{
    auto* pagina = new QWidget;
    auto* rejilla = new QGridLayout(pagina);
    const std::pair<const char*, int> paneles[] = {
        {"Relleno Granular Compactado", 8},
        {"Relleno Compactado, apoyo de 180 grados", 7},
        {"Relleno Compactado, apoyo de 90 grados", 9},
        {"Relleno Seleccionado sin Compactar,apoyo 90 grados", 10},
    };
    for (int i = 0; i < 4; ++i) {
        QGroupBox* grupo = Grupo(paneles[i].first);
        (new QVBoxLayout(grupo))->addWidget(CreaPanel(paneles[i].second));
        rejilla->addWidget(grupo, i / 2, i % 2);
    }
    rejilla->setRowStretch(2, 1);
    return pagina;
}

QWidget* TClases::CreaDirecto()
{
    auto* pagina = new QWidget;
    QGroupBox* grupo = Grupo("Relleno Fino");
    auto* contenido = new QVBoxLayout(grupo);
    contenido->addWidget(CreaPanel(11));

    QLabel* desaconsejado = Negrita("NO RECOMENDABLE");
    desaconsejado->setStyleSheet("color: #c00000;");
    auto* notas = new QVBoxLayout;
    notas->addWidget(desaconsejado);
    notas->addSpacing(8);
    notas->addWidget(Rotulo("Si usted selecciona Apoyo Directo,se tomará c=0 para el"));
    notas->addWidget(Rotulo("cálculo del ancho de zanja."));
    notas->addStretch();

    auto* disposicion = new QGridLayout(pagina);
    disposicion->addWidget(grupo, 0, 0);
    disposicion->addLayout(notas, 0, 1);
    disposicion->setColumnStretch(1, 1);
    disposicion->setRowStretch(1, 1);
    return pagina;
}

QWidget* TClases::CreaPie()
{
    auto* pie = new QWidget;
    auto* valores = new QGridLayout;
    valores->setHorizontalSpacing(14);
    LSuelo = Rotulo("", "LSuelo");
    LRoca = Rotulo("", "LRoca");
    valores->addWidget(Rotulo("Tipo de Terreno ->"), 0, 0);
    valores->addWidget(Negrita("Suelo"), 0, 1, Qt::AlignCenter);
    valores->addWidget(Negrita("Roca"), 0, 2, Qt::AlignCenter);
    valores->addWidget(Rotulo("Valores de c ->"), 1, 0);
    valores->addWidget(LSuelo, 1, 1, Qt::AlignCenter);
    valores->addWidget(LRoca, 1, 2, Qt::AlignCenter);
    auto* marco = new QFrame;
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setLayout(valores);

    CancelBtn = new QPushButton("&Cancelar");
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAutoDefault(false);
    HelpBtn = new QPushButton("&Ayuda");
    HelpBtn->setObjectName("HelpBtn");
    HelpBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TClases::HelpBtnClick);

    auto* disposicion = new QHBoxLayout(pie);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(marco);
    disposicion->addStretch();
    disposicion->addWidget(CancelBtn, 0, Qt::AlignBottom);
    disposicion->addWidget(HelpBtn, 0, Qt::AlignBottom);
    return pie;
}

void TClases::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TClases::FormShow()
{
    for (int boton = 1; boton <= 11; ++boton) {
        const MedidasCama medidas = MedidasDeCama(boton, p_.De, p_.hr);
        if (cuna_[boton])
            cuna_[boton]->setText(QString::fromStdString(medidas.cuna));
        minimo_[boton]->setText(QString::fromStdString(medidas.minimo));
    }
    if (TabbedNotebook1->currentIndex() == 0)
        TabbedNotebook1Click();
    else
        TabbedNotebook1->setCurrentIndex(0);
}

void TClases::TabbedNotebook1Click()
{
    // Sin cama (apoyo directo) no hay espesor bajo el tubo.
    const int activo = TabbedNotebook1->currentIndex() == PaginaDirecto ? 0 : 1;
    LSuelo->setText(TextoQ(EspesorCamaMinimo(activo, 1, p_.Di)));
    LRoca->setText(TextoQ(EspesorCamaMinimo(activo, 0, p_.Di)));
}

void TClases::ButtonClick(int boton)
{
    eleccion_ = EligeCama(p_, boton);
    accept();
}

void TClases::HelpBtnClick()
{
    AbreAyuda(ContextoClases);
}
