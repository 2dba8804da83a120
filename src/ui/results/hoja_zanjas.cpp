#include "hoja_zanjas.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "camas.h"
#include "dibujos.h"
#include "espesores.h"
#include "clases.h"
#include "factor_apoyo.h"
#include "impresion.h"
#include "numero.h"
#include "numero_qt.h"
#include "proyecto.h"
#include "rotulos.h"

TResultadoZanjas::TResultadoZanjas(Proyecto& proyecto, Dialogos& dialogos,
                                   Interlocutor& interlocutor, QWidget* padre)
    : THojaResultados(proyecto, dialogos, interlocutor, HojaResultados::Zanjas, 4, padre)
{
    setObjectName("ResultadoZanjas");
    setWindowTitle("Resultados");
    CreaFilas();
    CreaLeyenda("Carga Cálculo (kN/m²)    ");
    LZoom = Rotulo("Pulsar sobre los iconos para ZOOM", "LZoom");
    LZoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont cursiva = LZoom->font();
    cursiva.setItalic(true);
    LZoom->setFont(cursiva);
    // Imprimir, la vista previa y el PDF dan la misma página: sin la indicación.
    MarcaSoloPantalla(LZoom);
    rejilla_->addWidget(LZoom, FilaLeyenda(), 0, 1, 4, Qt::AlignBottom);
    CreaPanel();
}

void TResultadoZanjas::CreaFilas()
{
    QFont negrita = font();
    negrita.setBold(true);
    QLabel* apoyo = Rotulo("Apoyo", "LApoyo");
    QLabel* relleno = Rotulo("Relleno", "LRellenoCabecera");
    for (QLabel* cabecera : {apoyo, relleno}) {
        cabecera->setFont(negrita);
        cabecera->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    rejilla_->addWidget(apoyo, 1, 0);
    rejilla_->addWidget(relleno, 1, 1, 1, 2);

    for (int fila = 1; fila <= 11; ++fila) {
        const TituloCama& titulos = TitulosCamasZanja[fila - 1];
        const char* textos[3] = {titulos.apoyo, titulos.relleno, titulos.angulo};
        for (int parte = 0; parte < 3; ++parte) {
            if (*textos[parte] == '\0')
                continue;
            QLabel* rotulo = Rotulo(QString::fromUtf8(textos[parte]));
            rotulo->setObjectName(QString("LCama%1_%2").arg(fila).arg(parte + 1));
            rotulo->setAlignment((parte == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            rejilla_->addWidget(rotulo, FilaRejilla(fila), parte);
        }
        const QByteArray nombre = QString("Image%1").arg(fila).toLatin1();
        Croquis* icono = CreaIcono(fila, nombre.constData(), 74, 50);
        icono->FijaDibujo([tipo = CamaDeFila(fila).tipo](QPainter& pintor, const QRectF& zona) {
            DibujaCama(pintor, zona, tipo);
        });
        rejilla_->addWidget(icono, FilaRejilla(fila), 3);
    }
    rejilla_->setColumnMinimumWidth(0, 96);
    rejilla_->setColumnMinimumWidth(1, 126);
    rejilla_->setColumnMinimumWidth(2, 34);
}

// El panel es hijo de la ventana, no de la hoja: flota sobre ella y no se imprime.
void TResultadoZanjas::CreaPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);

    tituloPanel_ = Rotulo("", "LTituloPanel");
    QFont negrita = tituloPanel_->font();
    negrita.setBold(true);
    tituloPanel_->setFont(negrita);

    ImagenPanel = new Croquis({});
    ImagenPanel->setObjectName("ImagenPanel");
    ImagenPanel->setFixedSize(300, 230);

    L1 = Rotulo("", "L1");
    L2 = Rotulo("", "L2");
    L3 = Rotulo("c", "L3");
    letraCuna_ = Rotulo("a =");
    notaCama_ = Rotulo("según el terreno:");
    LRelleno = Rotulo("", "LRelleno");
    LBase = Rotulo("", "LBase");
    tituloBase_ = Rotulo("Apoyo");
    QLabel* tituloRelleno = Rotulo("Relleno");
    for (QLabel* titulo : {tituloBase_, tituloRelleno})
        titulo->setFont(negrita);
    for (QLabel* material : {LRelleno, LBase}) {
        material->setWordWrap(true);
        material->setFixedWidth(170);
    }

    auto* medidas = new QGridLayout;
    medidas->setHorizontalSpacing(6);
    medidas->addWidget(Rotulo("h ≥"), 0, 0, Qt::AlignRight);
    medidas->addWidget(L1, 0, 1);
    medidas->addWidget(letraCuna_, 1, 0, Qt::AlignRight);
    medidas->addWidget(L2, 1, 1);
    medidas->addWidget(L3, 2, 0, Qt::AlignRight);
    medidas->addWidget(notaCama_, 2, 1);
    medidas->setColumnStretch(1, 1);

    auto* clave = new QVBoxLayout;
    clave->addLayout(medidas);
    clave->addSpacing(10);
    clave->addWidget(tituloRelleno);
    clave->addWidget(LRelleno);
    clave->addSpacing(6);
    clave->addWidget(tituloBase_);
    clave->addWidget(LBase);
    clave->addStretch();

    LSuelo = Rotulo("", "LSuelo");
    LRoca = Rotulo("", "LRoca");
    auto* terreno = new QGridLayout;
    terreno->setHorizontalSpacing(14);
    terreno->addWidget(Rotulo("Tipo de Terreno ->"), 0, 0);
    terreno->addWidget(Rotulo("Suelo"), 0, 1);
    terreno->addWidget(Rotulo("Roca"), 0, 2);
    terreno->addWidget(Rotulo("Valores de c ->"), 1, 0);
    terreno->addWidget(LSuelo, 1, 1);
    terreno->addWidget(LRoca, 1, 2);

    BCerrar = new QPushButton("C&errar");
    BCerrar->setObjectName("BCerrar");
    BCerrar->setAutoDefault(false);
    connect(BCerrar, &QPushButton::clicked, this, &TResultadoZanjas::BCerrarClick);

    auto* pie = new QHBoxLayout;
    pie->addLayout(terreno);
    pie->addStretch();
    pie->addWidget(BCerrar, 0, Qt::AlignBottom);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(ImagenPanel);
    cuerpo->addSpacing(8);
    cuerpo->addLayout(clave);

    auto* disposicion = new QVBoxLayout(Panel1);
    disposicion->setContentsMargins(12, 10, 12, 10);
    disposicion->addWidget(tituloPanel_);
    disposicion->addLayout(cuerpo);
    disposicion->addSpacing(4);
    disposicion->addLayout(pie);
    Panel1->hide();
}

QString TResultadoZanjas::Titulo() const
{
    const bool terraplenada = p_.InstalacionIndex == InstalacionZanjaTerraplenada;
    QString texto = terraplenada ? "Zanja Terraplenada. " : "Zanja. ";
    texto += "De=" + TextoQ(p_.De) + "m  Es=" + TextoQ(p_.Es) + "m  Di=" + TextoQ(p_.Di) +
             "m  hr=" + TextoQ(p_.hr);
    // Tras h"r no va unidad.
    texto += terraplenada ? "m  h\"r=" + TextoQ(p_.h2r) : QString("m");
    texto += "  b=" + TextoQ(p_.b) + "m.";
    return texto;
}

void TResultadoZanjas::ImageClick(int fila)
{
    if (fila < 1 || fila > 11)
        return;
    const CamaZanja& cama = CamaDeFila(fila);
    const TituloCama& titulos = TitulosCamasZanja[fila - 1];
    QStringList partes;
    for (const char* parte : {titulos.apoyo, titulos.relleno, titulos.angulo})
        if (*parte != '\0')
            partes.append(QString::fromUtf8(parte).trimmed());
    tituloPanel_->setText(partes.join("  ·  "));

    ImagenPanel->FijaDibujo([tipo = cama.tipo](QPainter& pintor, const QRectF& zona) {
        DibujaCama(pintor, zona, tipo);
    });
    ImagenPanel->show();

    // El apoyo directo no tiene cama bajo el tubo: c = 0. Se mira la cama de
    // la fila, no la elegida en la ventana principal.
    const bool directo = cama.tipo == CodigoApoyoDirecto;
    L3->setVisible(!directo);
    notaCama_->setVisible(!directo);
    LSuelo->setText(directo ? "0 m" : MetrosQ(EspesorCamaNorma(1, p_.Di, false)));
    LRoca->setText(directo ? "0 m" : MetrosQ(EspesorCamaNorma(0, p_.Di, false)));

    const MedidasCama medidas = MedidasDeCamaEnHoja(cama, p_.De, p_.hr);
    L2->setText(QString::fromStdString(medidas.cuna));
    letraCuna_->setVisible(cama.divisor != 0);
    L1->setText(QString::fromStdString(medidas.minimo));

    LRelleno->setText(cama.relleno);
    LBase->setText(cama.base);
    tituloBase_->setVisible(*cama.base != '\0');

    Panel1->adjustSize();
    // Sobre las celdas, no sobre los iconos: se puede pulsar otro sin cerrarlo.
    const QRect hoja = Hoja->geometry();
    const int celdas = hoja.left() + Celda(1, 1)->geometry().left();
    Panel1->move(std::max(0, (celdas + hoja.right() - Panel1->width()) / 2),
                 std::max(0, hoja.center().y() - Panel1->height() / 2));
    Panel1->show();
    Panel1->raise();
}

void TResultadoZanjas::BCerrarClick()
{
    Panel1->hide();
}

void TResultadoZanjas::AntesDeImprimir()
{
    imagenOculta_ = ImagenPanel->isHidden();
    ImagenPanel->hide();
}

void TResultadoZanjas::DespuesDeImprimir()
{
    // Si el panel seguía abierto, vuelve con su croquis.
    ImagenPanel->setVisible(!imagenOculta_);
}
