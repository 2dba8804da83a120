#include "hoja_comun.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <initializer_list>

#include "ayuda.h"
#include "dibujos.h"
#include "graficos.h"
#include "impresion.h"
#include "proyecto.h"

namespace {

const int ContextoHojas = 22;
const int AnchoCelda = 122;
const int AltoCelda = 30;

}  // namespace

QString NombreCelda(int fila, int columna)
{
    return QString("L%1%2").arg(fila, 2, 10, QChar('0')).arg(columna);
}

THojaResultados::THojaResultados(Proyecto& proyecto, Dialogos& dialogos, Interlocutor& interlocutor,
                                 HojaResultados tipo, int columnasCabecera, QWidget* padre)
    : QDialog(padre), p_(proyecto), dialogos_(dialogos), interlocutor_(interlocutor), tipo_(tipo),
      columnasCabecera_(columnasCabecera)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FijaContextoAyuda(this, ContextoHojas);

    Hoja = new QWidget(this);
    Hoja->setObjectName("Hoja");
    rejilla_ = new QGridLayout(Hoja);
    rejilla_->setContentsMargins(14, 12, 14, 12);
    rejilla_->setHorizontalSpacing(3);
    rejilla_->setVerticalSpacing(3);

    titulo = Rotulo("", "titulo");
    QFont letraTitulo = titulo->font();
    letraTitulo.setBold(true);
    letraTitulo.setPointSizeF(letraTitulo.pointSizeF() * 1.15);
    titulo->setFont(letraTitulo);
    titulo->setMinimumHeight(34);
    titulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rejilla_->addWidget(titulo, 0, 0, 1, columnasCabecera_ + ColumnasHoja);

    for (int columna = 1; columna <= ColumnasHoja; ++columna) {
        QLabel* cabecera = Rotulo(TitulosColumnas[columna - 1]);
        cabecera->setObjectName(QString("LTituloColumna%1").arg(columna));
        QFont letra = cabecera->font();
        letra.setBold(true);
        cabecera->setFont(letra);
        cabecera->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        cabecera->setFixedWidth(AnchoCelda);
        titulosColumnas_[columna - 1] = cabecera;
        rejilla_->addWidget(cabecera, 1, ColumnaCelda(columna));
    }

    const int filas = FilasHoja(tipo_);
    for (int fila = 1; fila <= filas; ++fila)
        for (int columna = 1; columna <= ColumnasHoja; ++columna) {
            QLabel* celda = Rotulo("---");
            celda->setObjectName(NombreCelda(fila, columna));
            celda->setAlignment(Qt::AlignCenter);
            celda->setFrameShape(QFrame::Box);
            celda->setFixedWidth(AnchoCelda);
            celda->setMinimumHeight(AltoCelda);
            rejilla_->addWidget(celda, FilaRejilla(fila), ColumnaCelda(columna));
        }

    // Botones, fuera de la hoja: nunca se imprimen.
    BImprimir = new QPushButton("&Imprimir");
    BImprimir->setObjectName("BImprimir");
    BAbortar = new QPushButton("&Parar...");
    BAbortar->setObjectName("BAbortar");
    BAbortar->setStyleSheet("QPushButton { background-color: rgb(255, 0, 0); color: white; }");
    BAbortar->hide();
    BVistaPrevia = new QPushButton("Vista previa");
    BVistaPrevia->setObjectName("BVistaPrevia");
    BExportarPdf = new QPushButton("Exportar PDF…");
    BExportarPdf->setObjectName("BExportarPdf");
    BCancelar = new QPushButton("&Cancelar");
    BCancelar->setObjectName("BCancelar");
    BAyuda = new QPushButton("&Ayuda");
    BAyuda->setObjectName("BAyuda");
    for (QPushButton* boton : {BImprimir, BAbortar, BVistaPrevia, BExportarPdf, BCancelar, BAyuda})
        boton->setAutoDefault(false);
    connect(BImprimir, &QPushButton::clicked, this, &THojaResultados::BImprimirClick);
    connect(BAbortar, &QPushButton::clicked, this, &THojaResultados::BAbortarClick);
    connect(BVistaPrevia, &QPushButton::clicked, this, &THojaResultados::BVistaPreviaClick);
    connect(BExportarPdf, &QPushButton::clicked, this, &THojaResultados::BExportarPdfClick);
    connect(BCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(BAyuda, &QPushButton::clicked, this, &THojaResultados::BAyudaClick);

    botones_ = new QHBoxLayout;
    botones_->setContentsMargins(14, 0, 14, 12);
    botones_->addWidget(BImprimir);
    botones_->addWidget(BAbortar);
    botones_->addWidget(BVistaPrevia);
    botones_->addWidget(BExportarPdf);
    botones_->addStretch();
    botones_->addWidget(BCancelar);
    botones_->addWidget(BAyuda);

    disposicion_ = new QVBoxLayout(this);
    disposicion_->setContentsMargins(0, 0, 0, 0);
    disposicion_->setSpacing(0);
    disposicion_->addWidget(Hoja);
    disposicion_->addLayout(botones_);
    // Borde de diálogo: la ventana toma el tamaño de la hoja y no se estira.
    disposicion_->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* THojaResultados::Rotulo(const QString& texto, const char* nombre)
{
    auto* rotulo = new QLabel(texto, Hoja);
    if (nombre)
        rotulo->setObjectName(nombre);
    return rotulo;
}

int THojaResultados::FilaLeyenda() const
{
    return FilaRejilla(FilasHoja(tipo_)) + 1;
}

void THojaResultados::CreaLeyenda(const QString& textoCarga)
{
    // El recuadro va antes que sus textos: en papel se dibuja en orden de
    // creación y su fondo blanco los taparía.
    auto* recuadro = new QFrame(Hoja);
    recuadro->setObjectName("Leyenda");
    recuadro->setFrameShape(QFrame::Box);
    recuadro->setAutoFillBackground(true);
    QPalette blanca = recuadro->palette();
    blanca.setColor(QPalette::Window, Qt::white);
    blanca.setColor(QPalette::WindowText, Qt::black);
    recuadro->setPalette(blanca);
    recuadro->setMinimumHeight(AltoCelda);
    MarcaComoMarco(recuadro);

    QLabel* clase = Rotulo("Clase mínima", "LClaseMinima");
    QLabel* carga = Rotulo(textoCarga, "LCargaCalculo");
    carga->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clase->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* texto : {clase, carga}) {
        // Solo la letra en negro: el fondo sigue siendo el de la hoja, así
        // que en papel no se enmarcan otra vez.
        QPalette paleta = texto->palette();
        paleta.setColor(QPalette::WindowText, Qt::black);
        texto->setPalette(paleta);
        texto->setIndent(8);
        texto->setMinimumHeight(AltoCelda);
    }
    const int fila = FilaLeyenda();
    rejilla_->setRowMinimumHeight(fila, AltoCelda + 14);
    for (QWidget* parte : std::initializer_list<QWidget*>{recuadro, clase, carga})
        rejilla_->addWidget(parte, fila, ColumnaCelda(1), 1, 3, Qt::AlignBottom);
}

Croquis* THojaResultados::CreaIcono(int fila, const char* nombre, int ancho, int alto)
{
    auto* icono = new Croquis({}, Hoja);
    icono->setObjectName(nombre);
    icono->setFixedSize(ancho, alto);
    icono->setCursor(Qt::PointingHandCursor);
    icono->installEventFilter(this);
    iconos_[icono] = fila;
    return icono;
}

bool THojaResultados::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease) {
        const auto icono = iconos_.find(objeto);
        if (icono != iconos_.end()) {
            Zoom(icono->second);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

QLabel* THojaResultados::Celda(int fila, int columna) const
{
    return Hoja->findChild<QLabel*>(NombreCelda(fila, columna), Qt::FindDirectChildrenOnly);
}

void THojaResultados::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous())
        FormShow();
    QDialog::showEvent(evento);
}

void THojaResultados::FormShow()
{
    const MatrizResultados matriz = RellenaResultados(p_, interlocutor_, tipo_, p_.ModoCalculo);
    const QPalette fondo = Hoja->palette();
    for (int fila = 1; fila <= FilasHoja(tipo_); ++fila)
        for (int columna = 1; columna <= ColumnasHoja; ++columna) {
            const CeldaResultado& resultado =
                matriz[static_cast<std::size_t>(fila - 1)][static_cast<std::size_t>(columna - 1)];
            QLabel* celda = Celda(fila, columna);
            celda->setText(QString::fromStdString(resultado.texto));
            QPalette paleta = fondo;
            if (resultado.color) {
                const QColor color = ColorQ(*resultado.color);
                paleta.setColor(QPalette::Window, color);
                paleta.setColor(QPalette::WindowText, ColorTextoSobre(color));
            }
            celda->setPalette(paleta);
            celda->setAutoFillBackground(resultado.color.has_value());
        }

    const bool usuario = p_.RellenoIndex == RellenoUsuario;
    titulosColumnas_[ColumnasHoja - 1]->setVisible(usuario);
    for (int fila = 1; fila <= FilasHoja(tipo_); ++fila)
        Celda(fila, ColumnasHoja)->setVisible(usuario);
    titulo->setText(Titulo());
}

void THojaResultados::BImprimirClick()
{
    AntesDeImprimir();
    BImprimir->hide();
    BAbortar->show();
    ImprimeConDialogo(*Hoja, dialogos_);
    BAbortar->hide();
    BImprimir->show();
    DespuesDeImprimir();
}

void THojaResultados::BAbortarClick()
{
    AbortaImpresion();
    BAbortar->hide();
    BImprimir->show();
}

void THojaResultados::BVistaPreviaClick()
{
    VistaPrevia(*Hoja);
}

void THojaResultados::BExportarPdfClick()
{
    // ExportaPdf cambia la extensión del archivo del proyecto por .pdf.
    ExportaPdf(*Hoja,
               p_.FileName.empty() ? QString("resultados.pdf")
                                   : QString::fromStdString(p_.FileName),
               dialogos_, {p_.FileName});
}

void THojaResultados::BAyudaClick()
{
    AbreAyuda(ContextoHojas);
}
