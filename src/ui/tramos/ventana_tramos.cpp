#include "ventana_tramos.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "anejo_caso.h"
#include "ayuda.h"
#include "dibujos.h"
#include "graficos.h"
#include "guarda_exportado.h"
#include "impresora.h"
#include "mensaje.h"
#include "modelo_tramos.h"
#include "perfil_tramos.h"
#include "numero.h"

namespace {

const int ContextoAyudaTramos = 27;
const int AnchoPagina = 1000;
const int AltoPagina = 360;
const int ArribaResumen = 58;
const char* const FiltroTramos = "Tabla de tramos (*.csv *.txt)";
const char* const TituloTramos = "Tramos";

// Una tabla nueva: las columnas que casi toda conducción cambia de un tramo a otro.
TablaTramos TablaNueva()
{
    TablaTramos tabla;
    for (const ColumnaTramo columna : {ColumnaTramo::Tramo, ColumnaTramo::PkInicial,
                                       ColumnaTramo::PkFinal, ColumnaTramo::Di, ColumnaTramo::Hr}) {
        tabla.cabeceras.emplace_back(CabeceraTramo(columna));
        tabla.columnas.emplace_back(columna);
    }
    return tabla;
}

// Metros con dos decimales ("120.50").
QString TextoMetros(double metros)
{
    QString texto = Q(TextoNumero(std::round(metros * 100) / 100));
    const int punto = static_cast<int>(texto.indexOf('.'));
    if (punto < 0)
        return texto + ".00";
    while (texto.size() - punto < 3)
        texto += '0';
    return texto;
}

QString TextoSinClase(int n)
{
    return n == 1 ? QString("1 tramo sin clase: no cuenta en los metros")
                  : QString("%1 tramos sin clase: no cuentan en los metros").arg(n);
}

// El perfil de la conducción con las clases de la norma (1 UNE, 2 ASTM); las
// filas aún sin calcular no tienen todavía su PK ni su altura.
void DibujaPerfil(QPainter& pintor, const QRectF& zona, const ModeloTramos& modelo, int modo)
{
    const std::vector<TramoPerfil> todos = PerfilDeTramos(modelo.Tramos(), modelo.Calculos(), modo);
    std::vector<TramoPerfil> perfil;
    perfil.reserve(todos.size());
    for (std::size_t fila = 0; fila < todos.size(); ++fila)
        if (modelo.Calculada(static_cast<int>(fila)))
            perfil.push_back(todos[fila]);
    DibujaPerfilTramos(pintor, zona, perfil, modo);
}

}  // namespace

QString TextoResumen(const ResumenTramos& resumen, int sinClaseUne, int sinClaseAstm,
                     int sinCalcular)
{
    QStringList lineas;
    auto norma = [&](const char* titulo, const std::vector<MetrosClase>& metros, int sinClase) {
        if (!lineas.isEmpty())
            lineas << "";
        lineas << titulo;
        lineas << QString("%1 %2 %3").arg("Di (mm)", -8).arg("Clase", -6).arg("Metros", 12);
        for (const MetrosClase& m : metros)
            lineas << QString("%1 %2 %3")
                          .arg(Q(TextoNumero(m.Di)), -8)
                          .arg(Q(m.clase), -6)
                          .arg(TextoMetros(m.metros), 12);
        lineas << QString("%1 %2").arg("Total", -15).arg(TextoMetros(MetrosTotales(metros)), 12);
        if (sinClase > 0)
            lineas << TextoSinClase(sinClase);
    };
    norma("UNE 127.010", resumen.une, sinClaseUne);
    norma("ASTM C76M", resumen.astm, sinClaseAstm);
    if (sinCalcular > 0)
        lineas << ""
               << QString("%1 %2 sin calcular")
                      .arg(sinCalcular)
                      .arg(sinCalcular == 1 ? "tramo" : "tramos");
    return lineas.join('\n');
}

TTramos::TTramos(const Proyecto& base, Dialogos& dialogos, QWidget* padre)
    : QDialog(padre), base_(base), dialogos_(dialogos)
{
    setObjectName("Tramos");
    setWindowTitle(TituloTramos);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    FijaContextoAyuda(this, ContextoAyudaTramos);

    modelo_ = new ModeloTramos(base_, this);
    modelo_->PonTabla(TablaNueva());

    CreaMenu();
    CreaPagina();

    LCasoBase = new QLabel;
    LCasoBase->setTextFormat(Qt::PlainText);  // nombres de archivo
    LCasoBase->setObjectName("LCasoBase");
    LTabla = new QLabel;
    LTabla->setTextFormat(Qt::PlainText);  // nombres de archivo
    LTabla->setObjectName("LTabla");

    auto* anade = new QToolButton;
    anade->setObjectName("AnadeTramo");
    anade->setText("Añadir tramo");
    connect(anade, &QToolButton::clicked, this, &TTramos::AnadeTramoClick);
    auto* quita = new QToolButton;
    quita->setObjectName("QuitaTramos");
    quita->setText("Quitar tramos");
    connect(quita, &QToolButton::clicked, this, &TTramos::QuitaTramosClick);

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(LCasoBase);
    cabecera->addSpacing(24);
    cabecera->addWidget(LTabla, 1);
    cabecera->addWidget(anade);
    cabecera->addWidget(quita);

    tabla_ = new QTableView;
    tabla_->setObjectName("TablaTramos");
    tabla_->setModel(modelo_);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectItems);
    tabla_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    tabla_->horizontalHeader()->setDefaultSectionSize(80);
    tabla_->verticalHeader()->setDefaultSectionSize(22);
    tabla_->setWordWrap(false);
    tabla_->installEventFilter(this);

    NormaPerfil = new QComboBox;
    NormaPerfil->setObjectName("NormaPerfil");
    NormaPerfil->addItems({"UNE 127.010", "ASTM C76M"});
    connect(NormaPerfil, &QComboBox::currentIndexChanged, this, [this] {
        PonRotulos();
        perfil_->update();
    });

    ProgresoTramos = new QProgressBar;
    ProgresoTramos->setObjectName("ProgresoTramos");
    ProgresoTramos->setFormat("Calculando tramos: %v de %m");
    ProgresoTramos->setVisible(false);
    CancelaTramos = new QPushButton("Cancelar");
    CancelaTramos->setObjectName("CancelaTramos");
    CancelaTramos->setVisible(false);
    CancelaTramos->setAutoDefault(false);  // Intro en la tabla no detiene el cálculo
    connect(CancelaTramos, &QPushButton::clicked, modelo_, &ModeloTramos::Cancela);

    auto* norma = new QHBoxLayout;
    norma->addWidget(ProgresoTramos, 1);
    norma->addWidget(CancelaTramos);
    norma->addStretch();
    norma->addWidget(new QLabel("Clases del perfil:"));
    norma->addWidget(NormaPerfil);

    auto* desplazamiento = new QScrollArea;
    desplazamiento->setObjectName("Desplazamiento");
    desplazamiento->setWidget(pagina_);
    desplazamiento->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* abajo = new QWidget;
    auto* disposicionAbajo = new QVBoxLayout(abajo);
    disposicionAbajo->setContentsMargins(0, 0, 0, 0);
    disposicionAbajo->addLayout(norma);
    disposicionAbajo->addWidget(desplazamiento, 1);

    auto* division = new QSplitter(Qt::Vertical);
    division->addWidget(tabla_);
    division->addWidget(abajo);
    division->setStretchFactor(0, 3);
    division->setStretchFactor(1, 2);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setMenuBar(opciones_.barra);
    disposicion->addLayout(cabecera);
    disposicion->addWidget(division, 1);

    connect(modelo_, &ModeloTramos::ResultadosCambiados, this, &TTramos::RehaceResumen);
    connect(modelo_, &ModeloTramos::ModificadaCambia, this, &TTramos::PonRotulos);
    connect(modelo_, &ModeloTramos::Progreso, this, &TTramos::MuestraProgreso);
    connect(modelo_, &ModeloTramos::CalculoTerminado, this, &TTramos::FinCalculo);

    AjustaColumnas();
    PonRotulos();
    RehaceResumen();
    resize(AnchoPagina + 60, 760);
}

TTramos::~TTramos()
{
    // El hilo escribe en el modelo: se detiene antes de que desaparezca nada.
    modelo_->Cancela();
}

void TTramos::CreaMenu()
{
    opciones_ = CreaOpcionesPagina(*this, ContextoAyudaTramos);
    connect(opciones_.imprimir, &QAction::triggered, this, &TTramos::ImprimirClick);
    connect(opciones_.vistaPrevia, &QAction::triggered, this, &TTramos::VistaPreviaClick);
    connect(opciones_.exportarPdf, &QAction::triggered, this, &TTramos::ExportarPdfClick);
    connect(opciones_.cancelar, &QAction::triggered, this, &TTramos::CancelarImpresionClick);

    QMenuBar* barra = opciones_.barra;
    QAction* primera = barra->actions().value(0);
    auto* archivo = new QMenu("&Archivo", barra);
    barra->insertMenu(primera, archivo);
    auto anade = [this](QMenu* menu, const QString& texto, const char* nombre,
                        const QKeySequence& atajo, auto orden) {
        QAction* opcion = menu->addAction(texto);
        opcion->setObjectName(nombre);
        opcion->setShortcut(atajo);
        connect(opcion, &QAction::triggered, this, orden);
        return opcion;
    };
    anade(archivo, "&Abrir tabla…", "AbrirTabla", QKeySequence("Ctrl+B"), &TTramos::AbrirClick);
    anade(archivo, "&Guardar tabla", "GuardarTabla", QKeySequence("Ctrl+G"),
          [this] { GuardarClick(); });
    anade(archivo, "Guardar tabla c&omo…", "GuardarTablaComo", {}, [this] { GuardarComoClick(); });
    archivo->addSeparator();
    anade(archivo, "&Anejo de cálculo (PDF)…", "AnejoTramos", {}, &TTramos::AnejoClick);
    anade(archivo, "Exportar &mediciones (BC3)…", "ExportarBc3", {}, &TTramos::ExportarBc3Click);
    anade(archivo, "Exportar &perfil (DXF)…", "ExportarPerfilDxf", {},
          &TTramos::ExportarPerfilDxfClick);
    archivo->addSeparator();
    anade(archivo, "&Salir", "SalirTramos", {}, &TTramos::reject);

    auto* filas = new QMenu("&Filas", barra);
    barra->insertMenu(primera, filas);
    anade(filas, "&Añadir tramo", "AnadeTramoMenu", QKeySequence("Ctrl+Ins"),
          &TTramos::AnadeTramoClick);
    anade(filas, "&Quitar tramos", "QuitaTramosMenu", QKeySequence("Ctrl+Del"),
          &TTramos::QuitaTramosClick);
}

void TTramos::CreaPagina()
{
    pagina_ = CreaPaginaImpresa(AnchoPagina, AltoPagina);

    auto* titulo =
        new QLabel("Tramos de la conducción: metros de tubo por diámetro y clase", pagina_);
    titulo->setObjectName("LTitulo");
    QFont letra("Arial");
    letra.setPixelSize(16);
    letra.setBold(true);
    titulo->setFont(letra);
    titulo->setGeometry(10, 6, 640, 22);

    LBasePagina = new QLabel(pagina_);
    LBasePagina->setTextFormat(Qt::PlainText);
    LBasePagina->setObjectName("LBasePagina");
    LBasePagina->setGeometry(10, 32, 420, 20);

    LNormaPagina = new QLabel(pagina_);
    LNormaPagina->setTextFormat(Qt::PlainText);
    LNormaPagina->setObjectName("LNormaPagina");
    LNormaPagina->setGeometry(440, 32, AnchoPagina - 450, 20);

    resumen_ = new QPlainTextEdit(pagina_);
    resumen_->setObjectName("ResumenTramos");
    resumen_->setReadOnly(true);
    resumen_->setLineWrapMode(QPlainTextEdit::NoWrap);
    resumen_->setFrameShape(QFrame::NoFrame);
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fija.setPixelSize(12);
    resumen_->setFont(fija);
    resumen_->setGeometry(10, ArribaResumen, 420, AltoPagina - ArribaResumen - 6);

    perfil_ = new Croquis(
        [this](QPainter& pintor, const QRectF& zona) {
            DibujaPerfil(pintor, zona, *modelo_, ModoPerfil());
        },
        pagina_);
    perfil_->setObjectName("PerfilTramos");
    perfil_->setGeometry(440, ArribaResumen, AnchoPagina - 450, AltoPagina - ArribaResumen - 6);
    MarcaParaImprimir(perfil_);
}

int TTramos::ModoPerfil() const
{
    return NormaPerfil && NormaPerfil->currentIndex() == 1 ? 2 : 1;
}

void TTramos::AjustaColumnas()
{
    // Las de la tabla, a lo escrito; las del resultado, a lo que suelen llevar
    // (aún están vacías mientras se calcula).
    for (int columna = 0; columna < modelo_->ColumnasTabla(); ++columna)
        tabla_->resizeColumnToContents(columna);
    const std::pair<ColumnaResultado, int> anchos[] = {
        {ColumnaResultado::Carga, 150},       {ColumnaResultado::Une, 50},
        {ColumnaResultado::ValidezUne, 200},  {ColumnaResultado::Astm, 50},
        {ColumnaResultado::ValidezAstm, 200}, {ColumnaResultado::Notas, 600},
    };
    for (const auto& [columna, ancho] : anchos)
        tabla_->setColumnWidth(modelo_->Columna(columna), ancho);
}

void TTramos::PonRotulos()
{
    const QString base = NombreDelCaso(base_);
    LCasoBase->setText("Caso base: " + base);
    LBasePagina->setText("Caso base: " + base);
    const QString tabla = archivo_.isEmpty() ? QString("(nueva)") : QFileInfo(archivo_).fileName();
    LTabla->setText("Tabla: " + tabla + (modelo_->Modificada() ? " (modificada)" : ""));
    LNormaPagina->setText("Perfil con las clases " + NormaPerfil->currentText() +
                          (archivo_.isEmpty() ? QString() : " · Tabla: " + tabla));
}

void TTramos::RehaceResumen()
{
    const QString texto = TextoResumen(modelo_->Resumen(), modelo_->SinClase(1),
                                       modelo_->SinClase(2), modelo_->SinCalcular());
    resumen_->setPlainText(texto);
    // La página crece con el resumen, que se imprime entero.
    const int lineas = static_cast<int>(texto.count('\n')) + 1;
    const int margen = 2 * static_cast<int>(resumen_->document()->documentMargin()) + 12;
    const int alto = std::max(AltoPagina, ArribaResumen + margen +
                                              lineas * (resumen_->fontMetrics().lineSpacing() + 1));
    if (alto != pagina_->height()) {
        pagina_->setFixedSize(AnchoPagina, alto);
        resumen_->setGeometry(10, ArribaResumen, 420, alto - ArribaResumen - 6);
    }
    perfil_->update();
}

void TTramos::MuestraProgreso(int hechas, int total)
{
    ProgresoTramos->setMaximum(total);
    ProgresoTramos->setValue(hechas);
    ProgresoTramos->setVisible(true);
    CancelaTramos->setVisible(true);
}

void TTramos::FinCalculo()
{
    ProgresoTramos->setVisible(false);
    CancelaTramos->setVisible(false);
    RehaceResumen();
}

bool TTramos::PuedeDejarTabla()
{
    if (!modelo_->Modificada())
        return true;
    switch (dialogos_.Mensaje("¿Guardar los cambios de la tabla de tramos?", TituloTramos,
                              BotonesSiNoCancelar | IconoPregunta)) {
    case RespuestaSi: return GuardarClick();
    case RespuestaNo: return true;
    default: return false;
    }
}

bool TTramos::AbreTabla(const QString& nombre)
{
    LecturaTramos lectura = LeeArchivoTramos(nombre.toStdString());
    if (!lectura.leida) {
        dialogos_.Mensaje(Q(lectura.error), "Error", BotonAceptar | IconoError);
        return false;
    }
    archivo_ = nombre;
    modelo_->PonTabla(std::move(lectura.tabla));
    AjustaColumnas();
    PonRotulos();
    modelo_->CalculaTodo();
    if (!lectura.avisos.empty()) {
        QStringList avisos;
        for (const std::string& aviso : lectura.avisos)
            avisos << Q(aviso);
        dialogos_.Mensaje(avisos.join('\n'), TituloAviso, BotonAceptar | IconoAviso);
    }
    return true;
}

void TTramos::AbrirClick()
{
    if (!PuedeDejarTabla())
        return;
    const QString nombre = dialogos_.NombreAbrir(FiltroTramos);
    if (!nombre.isEmpty())
        AbreTabla(nombre);
}

bool TTramos::GuardarClick()
{
    if (archivo_.isEmpty())
        return GuardarComoClick();
    const ResultadoGuardar resultado = modelo_->Guarda(archivo_.toStdString());
    if (!resultado.guardado) {
        dialogos_.Mensaje(Q(resultado.error), "Error", BotonAceptar | IconoError);
        return false;
    }
    PonRotulos();
    return true;
}

bool TTramos::GuardarComoClick()
{
    const QString nombre = dialogos_.NombreGuardar(
        FiltroTramos, "csv", archivo_.isEmpty() ? QString("tramos.csv") : archivo_);
    if (nombre.isEmpty())
        return false;
    // La tabla no va sobre el proyecto base, que se perdería.
    if (const QString abierto = SobreArchivoAbierto(nombre, {base_.FileName}); !abierto.isEmpty()) {
        dialogos_.Mensaje(abierto, "Error", BotonAceptar | IconoError);
        return false;
    }
    const QString anterior = archivo_;
    archivo_ = nombre;
    if (!GuardarClick()) {
        archivo_ = anterior;
        PonRotulos();
        return false;
    }
    return true;
}

bool TTramos::TodosCalculados(const QString& luego)
{
    const int pendientes = modelo_->SinCalcular();
    if (pendientes == 0)
        return true;
    dialogos_.Mensaje(
        QString("Faltan %1 de calcular. %2 cuando estén todos.")
            .arg(pendientes == 1 ? QString("1 tramo") : QString("%1 tramos").arg(pendientes),
                 luego),
        TituloTramos, BotonAceptar | IconoInformacion);
    if (!modelo_->Calculando())
        modelo_->CalculaTodo();
    return false;
}

std::vector<std::string> TTramos::Abiertos() const
{
    return {archivo_.toStdString(), base_.FileName};
}

QString TTramos::Propuesto(const QString& extension) const
{
    return archivo_.isEmpty() ? "tramos." + extension : NombreConExtension(archivo_, extension);
}

void TTramos::AnejoClick()
{
    // El anejo lleva la tabla entera: con filas sin calcular, primero se calculan.
    if (!TodosCalculados("El anejo se podrá escribir"))
        return;
    EscribeAnejoDelCaso(
        base_, dialogos_,
        TramosAnejo{modelo_->Tramos(), modelo_->Calculos(), modelo_->Resumen(), archivo_});
}

void TTramos::AnadeTramoClick()
{
    modelo_->AnadeFila();
    const QModelIndex nueva = modelo_->index(modelo_->rowCount() - 1, 0);
    tabla_->setCurrentIndex(nueva);
    tabla_->scrollTo(nueva);
    // Lo primero que se escribe de un tramo nuevo es su nombre.
    tabla_->setFocus();
    tabla_->edit(nueva);
}

void TTramos::QuitaTramosClick()
{
    std::vector<int> filas;
    for (const QModelIndex& indice : tabla_->selectionModel()->selectedIndexes())
        filas.push_back(indice.row());
    if (filas.empty() && tabla_->currentIndex().isValid())
        filas.push_back(tabla_->currentIndex().row());
    modelo_->QuitaFilas(std::move(filas));
}

void TTramos::VaciaCeldasClick()
{
    for (const QModelIndex& indice : tabla_->selectionModel()->selectedIndexes())
        if (indice.column() < modelo_->ColumnasTabla())
            modelo_->setData(indice, QString());
}

bool TTramos::eventFilter(QObject* objeto, QEvent* evento)
{
    // Supr vacía las celdas elegidas: toman el valor del caso base. (Editando
    // una celda, Supr es de la casilla y no llega aquí.)
    if (objeto == tabla_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
        VaciaCeldasClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TTramos::ImprimirClick()
{
    ImprimePagina(*pagina_, dialogos_, opciones_);
}

void TTramos::CancelarImpresionClick()
{
    CancelaImpresionPagina(opciones_);
}

void TTramos::VistaPreviaClick()
{
    VistaPrevia(*pagina_);
}

void TTramos::ExportarPdfClick()
{
    const QString propuesto = archivo_.isEmpty() ? QString("tramos.pdf") : archivo_;
    ExportaPdf(*pagina_, propuesto, dialogos_, Abiertos());
}

void TTramos::reject()
{
    if (!PuedeDejarTabla())
        return;
    modelo_->Cancela();
    QDialog::reject();
}
