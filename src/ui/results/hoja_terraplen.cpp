#include "hoja_terraplen.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "camas.h"
#include "dibujos.h"
#include "espesores.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "rotulos.h"

namespace {

const QColor Granate(128, 0, 0);

const char* const DescripcionClases[3] = {"Hormigón", "Material Granular ", "Compactado 95% P.N."};

// Signo con que se da cada medida del zoom (b, h'r, a, c): mínimo o valor.
const char* const LetrasClases[3][4] = {
    {"b ≥", "h′r =", "a =", "c ≥"},
    {"b ≥", "h′r =", "a =", "c ≥"},
    {"b =", "h′r =", "a =", "c ="},
};

}  // namespace

TResultadoTerraplen::TResultadoTerraplen(Proyecto& proyecto, Dialogos& dialogos,
                                         Interlocutor& interlocutor, QWidget* padre)
    : THojaResultados(proyecto, dialogos, interlocutor, HojaResultados::Terraplen, 3, padre)
{
    setObjectName("ResultadoTerraplen");
    setWindowTitle("ResultadoTerraplen");
    QPalette granate = palette();
    granate.setColor(QPalette::Window, Granate);
    granate.setColor(QPalette::WindowText, Qt::white);
    setPalette(granate);
    setAutoFillBackground(true);
    BAbortar->setText("Parar...");

    CreaFilas();
    QLabel* leyenda = Rotulo("Leyenda:", "LLeyenda");
    leyenda->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rejilla_->addWidget(leyenda, FilaLeyenda(), 0, 1, 3, Qt::AlignBottom);
    leyenda->setMinimumHeight(30);
    CreaLeyenda("Carga Cálculo (kN/m²)       ");
    CreaPanel();
}

void TResultadoTerraplen::CreaFilas()
{
    for (int fila = 1; fila <= 3; ++fila) {
        QLabel* letra = Rotulo(TitulosClasesTerraplen[fila - 1]);
        letra->setObjectName(QString("LClase%1").arg(fila));
        QFont negrita = letra->font();
        negrita.setBold(true);
        negrita.setPointSizeF(negrita.pointSizeF() * 1.3);
        letra->setFont(negrita);
        letra->setAlignment(Qt::AlignCenter);
        rejilla_->addWidget(letra, FilaRejilla(fila), 0);

        QLabel* descripcion = Rotulo(QString::fromUtf8(DescripcionClases[fila - 1]));
        descripcion->setObjectName(QString("LDescripcion%1").arg(fila));
        descripcion->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rejilla_->addWidget(descripcion, FilaRejilla(fila), 1);

        const QByteArray nombre = QString("Image%1").arg(fila).toLatin1();
        Croquis* icono = CreaIcono(fila, nombre.constData(), 96, 62);
        icono->FijaDibujo([clase = fila - 1](QPainter& pintor, const QRectF& zona) {
            DibujaClaseTerraplen(pintor, zona, clase);
        });
        rejilla_->addWidget(icono, FilaRejilla(fila), 2);
    }
    rejilla_->setColumnMinimumWidth(0, 26);
    rejilla_->setColumnMinimumWidth(1, 150);
}

// El panel va bajo la hoja, dentro de la ventana: la hoja es baja y no cabría
// encima. Al ser hijo de la ventana, no se imprime.
void TResultadoTerraplen::CreaPanel()
{
    Panel = new QFrame(this);
    Panel->setObjectName("Panel");
    Panel->setFrameShape(QFrame::Panel);
    Panel->setFrameShadow(QFrame::Raised);
    Panel->setLineWidth(2);

    tituloPanel_ = Rotulo("", "LTituloPanel");
    QFont negrita = tituloPanel_->font();
    negrita.setBold(true);
    tituloPanel_->setFont(negrita);

    ImagenPanel = new Croquis({});
    ImagenPanel->setObjectName("ImagenPanel");
    ImagenPanel->setFixedSize(330, 200);

    L1 = Rotulo("", "L1");
    L2 = Rotulo("", "L2");
    L3 = Rotulo("", "L3");
    L4 = Rotulo("", "L4");
    QLabel* const valores[4] = {L1, L2, L3, L4};
    auto* medidas = new QGridLayout;
    medidas->setHorizontalSpacing(6);
    for (int i = 0; i < 4; ++i) {
        letras_[i] = Rotulo("");
        medidas->addWidget(letras_[i], i, 0, Qt::AlignRight);
        medidas->addWidget(valores[i], i, 1);
    }
    medidas->setColumnStretch(1, 1);
    medidas->setColumnMinimumWidth(1, 90);

    BCerrar = new QPushButton("C&errar");
    BCerrar->setObjectName("BCerrar");
    BCerrar->setAutoDefault(false);
    connect(BCerrar, &QPushButton::clicked, this, &TResultadoTerraplen::BCerrarClick);

    auto* clave = new QVBoxLayout;
    clave->addLayout(medidas);
    clave->addStretch();
    clave->addWidget(BCerrar, 0, Qt::AlignRight);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(ImagenPanel);
    cuerpo->addSpacing(10);
    cuerpo->addLayout(clave);

    auto* disposicion = new QVBoxLayout(Panel);
    disposicion->setContentsMargins(12, 10, 12, 10);
    disposicion->addWidget(tituloPanel_);
    disposicion->addLayout(cuerpo);

    auto* margen = new QHBoxLayout;
    margen->setContentsMargins(14, 0, 14, 10);
    margen->addWidget(Panel);
    margen->addStretch();
    disposicion_->insertLayout(1, margen);
    Panel->hide();
}

void TResultadoTerraplen::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        Panel->hide();
    THojaResultados::showEvent(evento);
}

// h'r/De. El campo n del registro no sirve: en la zanja inducida el cálculo
// del factor de apoyo lo ocupa con hr2/b2.
double TResultadoTerraplen::Proyeccion() const
{
    return p_.De > 0 ? p_.hr1 / p_.De : 0;
}

QString TResultadoTerraplen::Titulo() const
{
    return "Terraplén. De=" + TextoQ(p_.De) + "m  Es=" + TextoQ(p_.Es) + "m  Di=" + TextoQ(p_.Di) +
           "m  hr=" + TextoQ(p_.hr) + "m  h´r=" + TextoQ(p_.hr1) +
           "m  h´r/De=" + TextoQ(Proyeccion());
}

void TResultadoTerraplen::ImageClick(int fila)
{
    if (fila < 1 || fila > 3)
        return;
    tituloPanel_->setText(QString("Clase %1:  %2")
                              .arg(TitulosClasesTerraplen[fila - 1],
                                   QString::fromUtf8(DescripcionClases[fila - 1]).trimmed()));
    ImagenPanel->FijaDibujo([clase = fila - 1](QPainter& pintor, const QRectF& zona) {
        DibujaClaseTerraplen(pintor, zona, clase);
    });
    for (int i = 0; i < 4; ++i)
        letras_[i]->setText(LetrasClases[fila - 1][i]);

    const double De = p_.De;
    // Cama bajo el tubo: la de roca sobre base rígida, la de suelo en otro caso.
    const double c = EspesorCamaNorma(p_.BaseIndex == 0 ? 0 : 1, p_.Di, false);
    L2->setText(MetrosQ(Proyeccion() * De));
    switch (fila) {
    case 1:
        L1->setText(MetrosQ(De + 0.2));
        L3->setText(MetrosQ(0.25 * De));
        L4->setText(MetrosQ(0.25 * p_.Di));
        break;
    case 2:
        L1->setText(MetrosQ(1.25 * De));
        L3->setText(MetrosQ(0.4 * De));
        L4->setText(MetrosQ(c));
        break;
    default:
        L1->setText(MetrosQ(1.25 * De));
        L3->setText(MetrosQ(0.17 * De));
        L4->setText(MetrosQ(c));
        break;
    }
    Panel->show();
}

void TResultadoTerraplen::BCerrarClick()
{
    Panel->hide();
}

void TResultadoTerraplen::AntesDeImprimir()
{
    Panel->hide();
}
