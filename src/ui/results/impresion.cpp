#include "impresion.h"

#include "ayuda.h"
#include "dibujos.h"
#include "guarda_exportado.h"
#include "impresora.h"
#include "mensaje.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const char* const PropiedadTag = "tag";
const char* const PropiedadMarco = "marcoImpreso";
const char* const PropiedadSoloPantalla = "soloPantalla";
const char* const TituloTrabajo = "Calculo Mecánico Tubos";

// La impresora del trabajo abierto, para poder abortarlo.
QPrinter* impresoraEnUso = nullptr;
bool abortoPedido = false;

enum class Resultado { Impresa, Fallida, Abortada };

int Entero(double x)
{
    return static_cast<int>(std::trunc(x));
}

// Una ventana con barra de desplazamiento se imprime entera, desde arriba.
QWidget& PaginaDe(QWidget& ventana)
{
    if (auto* area = qobject_cast<QScrollArea*>(&ventana); area && area->widget())
        return *area->widget();
    return ventana;
}

bool TrabajoInterrumpido()
{
    return abortoPedido ||
           (impresoraEnUso && (impresoraEnUso->printerState() == QPrinter::Error ||
                               impresoraEnUso->printerState() == QPrinter::Aborted));
}

// Borde negro y relleno blanco; el trazo de un píxel de ventana, que uno de
// la impresora apenas se ve.
void DibujaMarco(QPainter& pintor, const QRect& r, double s)
{
    pintor.save();
    pintor.setPen(QPen(Qt::black, std::max(1, Entero(s))));
    pintor.setBrush(Qt::white);
    pintor.drawRect(r);
    pintor.restore();
}

QString TextoEtiqueta(const QLabel& etiqueta)
{
    const bool rico =
        etiqueta.textFormat() == Qt::RichText ||
        (etiqueta.textFormat() == Qt::AutoText && Qt::mightBeRichText(etiqueta.text()));
    return rico ? QTextDocumentFragment::fromHtml(etiqueta.text()).toPlainText() : etiqueta.text();
}

void ImprimeEtiqueta(QPainter& pintor, const QLabel& etiqueta, const QColor& fondoVentana,
                     const EscalaPagina& escala, int ppp)
{
    QRect r = MapeaRectangulo(etiqueta.geometry(), escala);
    if (etiqueta.autoFillBackground() &&
        etiqueta.palette().color(etiqueta.backgroundRole()) != fondoVentana)
        DibujaMarco(pintor, r, escala.s);
    pintor.setFont(LetraImpresa(etiqueta.font(), escala.s, ppp));
    const QString texto = TextoEtiqueta(etiqueta);
    if (etiqueta.alignment() & Qt::AlignRight) {
        const QFontMetrics medidas = pintor.fontMetrics();
        int ancho = 0;
        for (const QString& trozo : CortaEnTrozos(texto))
            ancho += medidas.horizontalAdvance(trozo);
        const int derecha = r.left() + r.width();
        r.setLeft(IzquierdaAlineadaDerecha(derecha, ancho, escala.s));
    }
    ImprimeTexto(pintor, r, texto, escala.s);
}

void ImprimeCajaTexto(QPainter& pintor, const QWidget& caja, const QString& texto,
                      const EscalaPagina& escala, int ppp)
{
    const QRect r = MapeaRectangulo(caja.geometry(), escala);
    pintor.setFont(LetraImpresa(caja.font(), escala.s, ppp));
    const int alto = pintor.fontMetrics().height();
    const QStringList lineas = texto.split('\n');
    for (int k = 0; k < lineas.size(); ++k) {
        const QRect linea(r.left(), r.top() + k * alto, r.width(), alto);
        if (linea.top() >= r.top() + r.height())
            break;
        ImprimeTexto(pintor, linea, lineas[k], escala.s);
    }
}

void ImprimeDibujo(QPainter& pintor, QWidget& dibujo, const EscalaPagina& escala)
{
    const QRect r = RectanguloDibujo(dibujo.geometry(), dibujo.size(), escala);
    if (r.isEmpty())
        return;
    pintor.save();
    pintor.setClipRect(r);
    pintor.fillRect(r, Qt::white);
    const auto* croquis = dynamic_cast<const Croquis*>(&dibujo);
    if (croquis && croquis->DibujoActual()) {
        croquis->DibujoActual()(pintor, QRectF(r));
    } else {
        // Otro control marcado se pinta a sí mismo, escalado.
        pintor.translate(r.topLeft());
        pintor.scale(double(r.width()) / dibujo.width(), double(r.height()) / dibujo.height());
        dibujo.render(&pintor, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    pintor.restore();
}

void ImprimeControl(QPainter& pintor, QWidget& control, const QColor& fondoVentana,
                    const EscalaPagina& escala, int ppp)
{
    if (control.property(PropiedadMarco).toBool()) {
        DibujaMarco(pintor, MapeaRectangulo(control.geometry(), escala), escala.s);
    } else if (control.property(PropiedadTag).toInt() == 1) {
        ImprimeDibujo(pintor, control, escala);
    } else if (auto* etiqueta = qobject_cast<QLabel*>(&control)) {
        // Una etiqueta con imagen es un dibujo sin marcar.
        if (etiqueta->pixmap().isNull())
            ImprimeEtiqueta(pintor, *etiqueta, fondoVentana, escala, ppp);
    } else if (auto* caja = qobject_cast<QPlainTextEdit*>(&control)) {
        ImprimeCajaTexto(pintor, control, caja->toPlainText(), escala, ppp);
    } else if (auto* caja = qobject_cast<QTextEdit*>(&control)) {
        ImprimeCajaTexto(pintor, control, caja->toPlainText(), escala, ppp);
    }
    // Botones, paneles (con lo que contienen), listas y dibujos sin marcar no se imprimen.
}

Resultado Imprime(QWidget& ventana, QPrinter& impresora)
{
    impresora.setDocName(TituloTrabajo);
    QPainter pintor;
    if (!pintor.begin(&impresora))
        return Resultado::Fallida;
    impresoraEnUso = &impresora;
    abortoPedido = false;
    DibujaVentana(pintor, ventana);
    const bool abortado = abortoPedido;
    const bool fallo = impresora.printerState() == QPrinter::Error;
    impresoraEnUso = nullptr;
    abortoPedido = false;
    if (abortado || fallo) {
        impresora.abort();
        pintor.end();
        return abortado ? Resultado::Abortada : Resultado::Fallida;
    }
    return pintor.end() ? Resultado::Impresa : Resultado::Fallida;
}

}  // namespace

void MarcaParaImprimir(QWidget* dibujo)
{
    dibujo->setProperty(PropiedadTag, 1);
}

void MarcaComoMarco(QWidget* marco)
{
    marco->setProperty(PropiedadMarco, true);
}

void MarcaSoloPantalla(QWidget* control)
{
    control->setProperty(PropiedadSoloPantalla, true);
}

QFont LetraImpresa(QFont letra, double s, int ppp)
{
    const double altura =
        letra.pixelSize() > 0 ? letra.pixelSize() : letra.pointSizeF() * ppp / 72.0;
    letra.setPixelSize(std::max(1, Entero(altura * s * 0.9)));
    return letra;
}

EscalaPagina CalculaEscala(int W, int H, int w, int h)
{
    EscalaPagina escala;
    if (w <= 0 || h <= 0)
        return escala;  // una ventana sin tamaño no tiene nada que escalar
    escala.s = 0.8 * std::min(double(W) / w, double(H) / h);
    escala.dx = Entero((W - w * escala.s) / 2);
    escala.dy = Entero((H - h * escala.s) / 2);
    return escala;
}

QRect MapeaRectangulo(const QRect& r, const EscalaPagina& escala)
{
    return QRect(Entero(r.left() * escala.s) + escala.dx, Entero(r.top() * escala.s) + escala.dy,
                 Entero(r.width() * escala.s), Entero(r.height() * escala.s));
}

QRect RectanguloDibujo(const QRect& r, const QSize& propio, const EscalaPagina& escala)
{
    const QRect pagina = MapeaRectangulo(r, escala);
    if (propio.width() <= 0 || propio.height() <= 0)
        return QRect(pagina.topLeft(), QSize(0, 0));
    const double k =
        std::min(r.width() * escala.s / propio.width(), r.height() * escala.s / propio.height());
    return QRect(pagina.left(), pagina.top(), Entero(propio.width() * k),
                 Entero(propio.height() * k));
}

std::vector<QString> CortaEnTrozos(const QString& texto)
{
    std::vector<QString> trozos;
    qsizetype inicio = 0;
    for (qsizetype i = 1; i < texto.size() && trozos.size() < 9; ++i) {
        if (texto[i] == ' ') {
            trozos.push_back(texto.mid(inicio, i - inicio + 1));
            inicio = i + 1;
        }
    }
    if (inicio < texto.size())
        trozos.push_back(texto.mid(inicio));
    return trozos;
}

std::vector<TrozoColocado> ColocaTrozos(const QString& texto, int ancho, int alto, double s,
                                        const std::function<int(const QString&)>& anchura,
                                        const std::function<int(const QString&)>& altura)
{
    std::vector<TrozoColocado> colocados;
    const int margen = Entero(2 * s);
    int x = margen;
    int y = margen;
    for (const QString& trozo : CortaEnTrozos(texto)) {
        const int w = anchura(trozo);
        // Saltar de línea con la línea aún vacía solo dejaría un hueco encima.
        if (x > margen && x + w > ancho) {
            y += altura(trozo);
            x = margen;
        }
        colocados.push_back({trozo, x, y});
        x += w;
        if (alto < y)
            break;
    }
    return colocados;
}

int IzquierdaAlineadaDerecha(int derecha, int anchoTexto, double s)
{
    // Con 1.1 veces el ancho, un texto corto no cabría tras el margen y se partiría.
    return derecha - std::max(Entero(1.1 * anchoTexto), Entero(2 * s) + anchoTexto);
}

void ImprimeTexto(QPainter& pintor, const QRect& r, const QString& texto, double s)
{
    const QFontMetrics medidas = pintor.fontMetrics();
    const auto anchura = [&](const QString& trozo) { return medidas.horizontalAdvance(trozo); };
    const auto altura = [&](const QString&) { return medidas.height(); };
    for (const TrozoColocado& trozo :
         ColocaTrozos(texto, r.width(), r.height(), s, anchura, altura))
        pintor.drawText(QPoint(r.left() + trozo.x, r.top() + trozo.y + medidas.ascent()),
                        trozo.texto);
}

void DibujaVentana(QPainter& pintor, QWidget& ventana)
{
    QWidget& pagina = PaginaDe(ventana);
    const QPaintDevice* dispositivo = pintor.device();
    const EscalaPagina escala =
        CalculaEscala(dispositivo->width(), dispositivo->height(), pagina.width(), pagina.height());
    const QColor fondo = pagina.palette().color(pagina.backgroundRole());
    const int ppp = pagina.logicalDpiY();

    pintor.save();
    // Texto opaco sobre blanco, en negro aunque en pantalla tenga otro color.
    pintor.setBackgroundMode(Qt::OpaqueMode);
    pintor.setBackground(Qt::white);
    pintor.setPen(Qt::black);
    for (QObject* hijo : pagina.children()) {
        if (TrabajoInterrumpido())
            break;
        auto* control = qobject_cast<QWidget*>(hijo);
        if (!control || control->isWindow() || !control->isVisibleTo(&pagina) ||
            control->property(PropiedadSoloPantalla).toBool())
            continue;
        pintor.save();
        ImprimeControl(pintor, *control, fondo, escala, ppp);
        pintor.restore();
    }
    pintor.restore();
}

bool ImprimeVentana(QWidget& ventana, QPrinter& impresora)
{
    return Imprime(ventana, impresora) == Resultado::Impresa;
}

void ImprimeConDialogo(QWidget& ventana, Dialogos& dialogos)
{
    QPrinter& impresora = ImpresoraPrograma();
    if (!dialogos.DialogoImprimir(impresora))
        return;
    // Cada copia es un trabajo propio, de una sola copia.
    const int copias = impresora.copyCount();
    impresora.setCopyCount(1);
    for (int copia = 0; copia < copias; ++copia) {
        const Resultado resultado = Imprime(ventana, impresora);
        if (resultado == Resultado::Abortada)
            break;
        if (resultado == Resultado::Fallida)
            dialogos.Mensaje("La impresora no responde correctamente, reintentar", "Atención",
                             BotonAceptar);
    }
    impresora.setCopyCount(copias);
}

void AbortaImpresion()
{
    if (impresoraEnUso)
        abortoPedido = true;
}

void VistaPrevia(QWidget& ventana)
{
    QPrintPreviewDialog vista(&ImpresoraPrograma(), ventana.window());
    vista.setWindowTitle("Vista previa");
    // Imprimir y preparar la página van por los diálogos del programa, no por los de la vista.
    const QString imprimir = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    const QString pagina = QCoreApplication::translate("QPrintPreviewDialog", "Page setup");
    for (QAction* accion : vista.findChildren<QAction*>()) {
        if (accion->text() == imprimir || accion->text() == pagina)
            accion->setVisible(false);
    }
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&ventana](QPrinter* impresora) {
                         QPainter pintor(impresora);
                         DibujaVentana(pintor, ventana);
                     });
    vista.exec();
}

bool ExportaPdf(QWidget& ventana, const QString& nombrePropuesto, Dialogos& dialogos,
                const std::vector<std::string>& abiertos)
{
    const QString nombre =
        dialogos.NombreGuardar("Documento PDF (*.pdf)", "pdf", NombrePdf(nombrePropuesto));
    if (nombre.isEmpty())
        return false;
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        // La página de la impresora PDF: A4 a alta resolución, con sus márgenes.
        QPrinter modelo(QPrinter::HighResolution);
        modelo.setOutputFormat(QPrinter::PdfFormat);
        modelo.setPageSize(QPageSize(QPageSize::A4));
        QPdfWriter pdf(&bytes);
        pdf.setResolution(modelo.resolution());
        pdf.setPageLayout(modelo.pageLayout());
        pdf.setTitle(TituloTrabajo);
        QPainter pintor;
        if (pintor.begin(&pdf)) {
            DibujaVentana(pintor, ventana);
            pintor.end();
        } else {
            bytes.buffer().clear();
        }
    }
    const QString error = GuardaExportado(bytes.data().toStdString(), nombre, abiertos);
    if (!error.isEmpty())
        dialogos.Mensaje(error, "Error", BotonAceptar | IconoError);
    return error.isEmpty();
}

OpcionesPagina CreaOpcionesPagina(QDialog& ventana, int contextoAyuda)
{
    OpcionesPagina o;
    o.barra = new QMenuBar(&ventana);
    QMenu* opciones = o.barra->addMenu("&Opciones");
    o.imprimir = opciones->addAction("&Imprimir");
    o.vistaPrevia = opciones->addAction("Vista previa");
    o.exportarPdf = opciones->addAction("Exportar PDF…");
    o.cancelar = opciones->addAction("&Cancelar Impresión");
    o.cancelar->setEnabled(false);
    opciones->addSeparator();
    QAction* ayuda = opciones->addAction("&Ayuda");
    ayuda->setShortcut(QKeySequence(Qt::Key_F1));
    FijaContextoAyuda(ayuda, contextoAyuda);
    QObject::connect(ayuda, &QAction::triggered, &ventana,
                     [contextoAyuda] { AbreAyuda(contextoAyuda); });
    opciones->addSeparator();
    QAction* salir = opciones->addAction("Salir");
    salir->setShortcut(QKeySequence("Alt+F4"));
    QObject::connect(salir, &QAction::triggered, &ventana, &QDialog::reject);
    return o;
}

void ImprimePagina(QWidget& pagina, Dialogos& dialogos, const OpcionesPagina& opciones)
{
    opciones.imprimir->setEnabled(false);
    opciones.cancelar->setEnabled(true);
    ImprimeConDialogo(pagina, dialogos);
    opciones.imprimir->setEnabled(true);
    opciones.cancelar->setEnabled(false);
}

void CancelaImpresionPagina(const OpcionesPagina& opciones)
{
    AbortaImpresion();
    opciones.imprimir->setEnabled(true);
    opciones.cancelar->setEnabled(false);
}

QWidget* CreaPaginaImpresa(int ancho, int alto)
{
    auto* pagina = new QWidget;
    pagina->setObjectName("Pagina");
    pagina->setFixedSize(ancho, alto);
    QPalette colores = pagina->palette();
    colores.setColor(QPalette::Window, Qt::white);
    colores.setColor(QPalette::Base, Qt::white);
    colores.setColor(QPalette::WindowText, Qt::black);
    colores.setColor(QPalette::Text, Qt::black);
    pagina->setPalette(colores);
    pagina->setAutoFillBackground(true);
    return pagina;
}

QScrollArea* ColocaPaginaImpresa(QDialog& ventana, QMenuBar* menu, QWidget* pagina)
{
    auto* desplazamiento = new QScrollArea;
    desplazamiento->setObjectName("Desplazamiento");
    desplazamiento->setFrameShape(QFrame::NoFrame);
    desplazamiento->setWidgetResizable(false);
    desplazamiento->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    desplazamiento->setWidget(pagina);

    auto* disposicion = new QVBoxLayout(&ventana);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);
    disposicion->setMenuBar(menu);
    disposicion->addWidget(desplazamiento);
    return desplazamiento;
}
