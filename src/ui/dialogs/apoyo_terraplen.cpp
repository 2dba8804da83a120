#include "apoyo_terraplen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "apoyo.h"
#include "ayuda.h"
#include "camas.h"
#include "casillas.h"
#include "dibujos.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "rotulos.h"

namespace {

// Una fila de medidas de una clase: símbolo, rótulo del valor y aclaración.
struct FilaMedida {
    const char* simbolo;
    QLabel* TClasesTerra::*valor;
    const char* nombre;
    const char* nota;
};

struct Clase {
    const char* boton;
    QPushButton* TClasesTerra::*pulsador;
    const char* nombreBoton;
    QLabel* TClasesTerra::*fa;
    const char* nombreFa;
    int numeroFilas;
    FilaMedida filas[4];
};

const Clase Clases[4] = {
    {"&A",
     &TClasesTerra::ButtonClaseA,
     "ButtonClaseA",
     &TClasesTerra::LFa_A,
     "LFa_A",
     4,
     {{"b ≥", &TClasesTerra::label_a1, "label_a1", "(De+0,2m)"},
      {"h′r =", &TClasesTerra::Label_a2, "Label_a2", ""},
      {"a =", &TClasesTerra::Label_a3, "Label_a3", "(0.25·De)"},
      {"c ≥", &TClasesTerra::Label_a4, "Label_a4", "(0.25·Di)"}}},
    {"&B",
     &TClasesTerra::ButtonClaseB,
     "ButtonClaseB",
     &TClasesTerra::LFa_B,
     "LFa_B",
     4,
     {{"b ≥", &TClasesTerra::Label_b1, "Label_b1", "(1.25·De)"},
      {"h′r =", &TClasesTerra::Label_b2, "Label_b2", "(≤ 0.6·De)"},
      {"a =", &TClasesTerra::Label_b3, "Label_b3", "(0.4·De)"},
      {"c ≥", &TClasesTerra::Label_b4, "Label_b4", "(según norma)"}}},
    {"&C",
     &TClasesTerra::ButtonClaseC,
     "ButtonClaseC",
     &TClasesTerra::LFa_C,
     "LFa_C",
     4,
     {{"b =", &TClasesTerra::Label_c1, "Label_c1", "(1.25·De)"},
      {"h′r =", &TClasesTerra::Label_c2, "Label_c2", "(≤ 0.83·De)"},
      {"a =", &TClasesTerra::Label_c3, "Label_c3", "(0.17·De)"},
      {"c =", &TClasesTerra::Label_c4, "Label_c4", "(según norma)"}}},
    {"&D",
     &TClasesTerra::ButtonClaseD,
     "ButtonClaseD",
     &TClasesTerra::LFa_D,
     "LFa_D",
     1,
     {{"h′r =", &TClasesTerra::Label_d1, "Label_d1", ""}}},
};

}  // namespace

TClasesTerra::TClasesTerra(const Proyecto& proyecto, QWidget* padre) : QDialog(padre), p_(proyecto)
{
    setObjectName("ClasesTerra");
    setWindowTitle("Factores de apoyo en terraplén");
    FijaContextoAyuda(this, ContextoAyuda());

    auto* clases = new QHBoxLayout;
    for (int clase = 1; clase <= 4; ++clase)
        clases->addWidget(CreaClase(clase));

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(clases);
    disposicion->addWidget(CreaPie());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // D no se ofrece hasta que las medidas están al día.
    ButtonClaseD->setEnabled(false);
}

QWidget* TClasesTerra::CreaClase(int clase)
{
    const Clase& datos = Clases[clase - 1];
    auto* panel = new QFrame;
    panel->setObjectName("PanelClase" + QString::fromStdString(LetraClaseTerraplen(
                                            static_cast<std::int8_t>(clase - 1))));
    panel->setFrameShape(QFrame::StyledPanel);

    QPushButton*& boton = this->*datos.pulsador;
    boton = new QPushButton(datos.boton);
    boton->setObjectName(datos.nombreBoton);
    boton->setAutoDefault(false);
    boton->setFixedWidth(44);
    // Oculto, el botón guarda su sitio: el panel no baila al cambiar n.
    QSizePolicy politica = boton->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    boton->setSizePolicy(politica);
    connect(boton, &QPushButton::clicked, this, [this, clase] { EligeClase(clase); });
    QLabel*& fa = this->*datos.fa;
    fa = Rotulo("Fa = --", datos.nombreFa);
    QFont negrita = fa->font();
    negrita.setBold(true);
    fa->setFont(negrita);
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(boton);
    cabecera->addSpacing(6);
    cabecera->addWidget(fa, 1);

    auto* croquis = new Croquis([clase](QPainter& pintor, const QRectF& zona) {
        DibujaClaseTerraplen(pintor, zona, clase - 1);
    });
    croquis->setObjectName(QString("Image%1").arg(clase));
    croquis->setFixedSize(196, 148);

    auto* medidas = new QGridLayout;
    medidas->setHorizontalSpacing(4);
    medidas->setVerticalSpacing(2);
    int fila = 0;
    for (int i = 0; i < datos.numeroFilas; ++i) {
        const FilaMedida& medida = datos.filas[i];
        QLabel*& valor = this->*medida.valor;
        valor = Rotulo("", medida.nombre);
        medidas->addWidget(Rotulo(medida.simbolo), fila, 0, Qt::AlignRight);
        medidas->addWidget(valor, fila, 1);
        medidas->addWidget(Rotulo(medida.nota), fila, 2);
        ++fila;
    }
    if (clase == 4) {
        QLabel* desaconsejado = Rotulo("NO RECOMENDABLE");
        desaconsejado->setFont(negrita);
        desaconsejado->setStyleSheet("color: #c00000;");
        medidas->addWidget(desaconsejado, fila, 0, 1, 3);
    }
    medidas->setColumnStretch(2, 1);

    auto* disposicion = new QVBoxLayout(panel);
    disposicion->setContentsMargins(6, 6, 6, 6);
    disposicion->addLayout(cabecera);
    disposicion->addWidget(croquis, 0, Qt::AlignHCenter);
    disposicion->addLayout(medidas);
    disposicion->addStretch();
    return panel;
}

QWidget* TClasesTerra::CreaPie()
{
    Edit_n = new QLineEdit;
    Edit_n->setObjectName("Edit_n");
    Edit_n->setAlignment(Qt::AlignRight);
    Edit_n->setFixedWidth(56);
    connect(Edit_n, &QLineEdit::textChanged, this, &TClasesTerra::Edit_nChange);

    SpinButton1 = new QWidget;
    SpinButton1->setObjectName("SpinButton1");
    SpinButton1Arriba = new QToolButton;
    SpinButton1Arriba->setObjectName("SpinButton1Arriba");
    SpinButton1Arriba->setArrowType(Qt::UpArrow);
    SpinButton1Abajo = new QToolButton;
    SpinButton1Abajo->setObjectName("SpinButton1Abajo");
    SpinButton1Abajo->setArrowType(Qt::DownArrow);
    auto* flechas = new QVBoxLayout(SpinButton1);
    flechas->setContentsMargins(0, 0, 0, 0);
    flechas->setSpacing(0);
    for (QToolButton* flecha : {SpinButton1Arriba, SpinButton1Abajo}) {
        flecha->setFixedSize(18, 12);
        flecha->setAutoRepeat(true);
        flechas->addWidget(flecha);
    }
    connect(SpinButton1Arriba, &QToolButton::clicked, this, &TClasesTerra::SpinButton1UpClick);
    connect(SpinButton1Abajo, &QToolButton::clicked, this, &TClasesTerra::SpinButton1DownClick);

    Edit1 = new QLineEdit;
    Edit1->setObjectName("Edit1");
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->setFixedWidth(56);
    connect(Edit1, &QLineEdit::textChanged, this, &TClasesTerra::Edit1Change);
    Edit_n->installEventFilter(this);
    Edit1->installEventFilter(this);

    CancelBtn = new QPushButton("Ca&ncelar");
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAutoDefault(false);
    HelpBtn = new QPushButton("&Ayuda");
    HelpBtn->setObjectName("HelpBtn");
    HelpBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &TClasesTerra::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TClasesTerra::HelpBtnClick);

    auto* pie = new QFrame;
    pie->setFrameShape(QFrame::StyledPanel);
    auto* disposicion = new QHBoxLayout(pie);
    disposicion->setContentsMargins(8, 4, 8, 4);
    disposicion->addWidget(Rotulo("h′r "));
    disposicion->addWidget(Rotulo("="));
    disposicion->addWidget(Edit_n);
    disposicion->addWidget(SpinButton1);
    disposicion->addWidget(Rotulo("De"));
    disposicion->addSpacing(24);
    disposicion->addWidget(Rotulo("λ ="));
    disposicion->addWidget(Edit1);
    disposicion->addSpacing(24);
    disposicion->addWidget(Rotulo("La unidad de medida es el metro"));
    disposicion->addStretch();
    disposicion->addWidget(CancelBtn);
    disposicion->addWidget(HelpBtn);
    return pie;
}

int TClasesTerra::ContextoAyuda() const
{
    return p_.InstalacionIndex == InstalacionTerraplen ? 41 : 43;
}

void TClasesTerra::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TClasesTerra::FormShow()
{
    // Cada texto se escribe sin señal y su manejador se llama una vez, aunque
    // el texto no cambie.
    {
        const QSignalBlocker bloqueo(Edit1);
        Edit1->setText(GeneralQ(p_.lambdaFa));
    }
    Edit1Change();

    const double n = ProyeccionInicial(p_);
    {
        const QSignalBlocker bloqueo(Edit_n);
        Edit_n->setText(TextoQ(n));
    }
    Edit_nChange();
    SpinButton1UpClick();
    SpinButton1DownClick();
}

void TClasesTerra::Refresca()
{
    p_.C = EspesorCamaTerraplen(p_.BaseIndex, p_.Di);
    const MedidasClases m = MedidasDeClases(p_.De, p_.Di, n_, p_.C);
    const std::pair<QLabel*, const std::string&> rotulos[] = {
        {label_a1, m.a[0]}, {Label_a2, m.a[1]}, {Label_a3, m.a[2]}, {Label_a4, m.a[3]},
        {Label_b1, m.b[0]}, {Label_b2, m.b[1]}, {Label_b3, m.b[2]}, {Label_b4, m.b[3]},
        {Label_c1, m.c[0]}, {Label_c2, m.c[1]}, {Label_c3, m.c[2]}, {Label_c4, m.c[3]},
        {Label_d1, m.d},
    };
    for (const auto& [rotulo, texto] : rotulos)
        rotulo->setText(QString::fromStdString(texto));
    ButtonClaseB->setVisible(m.claseB);
    ButtonClaseC->setVisible(m.claseC);
    ButtonClaseD->setEnabled(true);

    QLabel* const factores[4] = {LFa_A, LFa_B, LFa_C, LFa_D};
    for (std::uint8_t clase = 1; clase <= 4; ++clase)
        factores[clase - 1]->setText(QString::fromStdString(RotuloFaClase(p_, clase)));
}

bool TClasesTerra::eventFilter(QObject* objeto, QEvent* evento)
{
    // Lo que quede a medio escribir al salir de una casilla se trata como no válido.
    if (SaleDeLaCasilla(evento) && (objeto == Edit_n || objeto == Edit1)) {
        if (EstaAMedias(static_cast<QLineEdit*>(objeto)->text())) {
            const QScopedValueRollback<bool> saliendo(saliendo_, true);
            objeto == Edit_n ? Edit_nChange() : Edit1Change();
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TClasesTerra::Edit_nChange()
{
    const NumeroTecleado leido = LeeCasilla(Edit_n->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido || !ProyeccionValida(leido.valor)) {
        Edit_n->setText(TextoQ(n_));
        return;
    }
    n_ = leido.valor;
    p_.n = n_;
    p_.hr1 = ComoSeMuestra(n_ * p_.De);  // los Fa que se ven son los que se guardarán
    Refresca();
}

void TClasesTerra::Edit1Change()
{
    const NumeroTecleado leido = LeeCasilla(Edit1->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado != Tecleo::Valido) {
        Mensaje("Valor no válido", TituloAtencion);
        return;
    }
    p_.lambdaFaEdit = leido.valor;
    Refresca();
}

// Las flechas parten del último n aceptado, aunque la casilla esté a medio escribir.
void TClasesTerra::SpinButton1UpClick()
{
    if (const std::optional<double> n = GiraProyeccion(n_, +1))
        Edit_n->setText(TextoQ(*n));
}

void TClasesTerra::SpinButton1DownClick()
{
    if (const std::optional<double> n = GiraProyeccion(n_, -1))
        Edit_n->setText(TextoQ(*n));
}

void TClasesTerra::EligeClase(int clase)
{
    eleccion_ = EligeClaseTerraplen(static_cast<std::uint8_t>(clase), n_, p_.De);
    eleccion_->lambdaFaEdit = p_.lambdaFaEdit;
    eleccion_->C = p_.C;
    accept();
}

void TClasesTerra::HelpBtnClick()
{
    AbreAyuda(ContextoAyuda());
}

void TClasesTerra::reject()
{
    eleccion_.reset();
    QDialog::reject();
}
