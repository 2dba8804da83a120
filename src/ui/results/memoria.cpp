#include "memoria.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "ayuda.h"
#include "dibujos.h"
#include "impresion.h"
#include "informe_dibujos.h"
#include "mensaje.h"
#include "proyecto.h"
#include "textos_informe.h"

namespace {

const int AnchoPagina = 625;
const int AltoPagina = 615;
const int DesplazamientoInicial = 171;  // la página se abre por los cálculos
const int ContextoAyudaCalculos = 23;

enum class Clase { Rotulo, Caja, Dibujo, Marco };
enum Alineacion { Izquierda, Derecha, Centro };

// Un elemento de la página. Anchura o altura 0: las del texto (se ajustan al
// rellenar). Letra en píxeles, Liberation Sans (la Arial de la página).
struct Elemento {
    const char* nombre;
    Clase clase;
    int x, y, ancho, alto;
    int letra;
    bool negrita;
    Alineacion alineacion;
    bool ajusta;  // parte las líneas por palabras
    bool subrayado;
    const char* texto;
};

constexpr Clase R = Clase::Rotulo;

// En el orden en que se crean, que es el de impresión: cada marco antes que
// los textos que enmarca.
const Elemento Elementos[] = {
    {"Label26", R, 0, 0, 305, 16, 13, true, Izquierda, false, false,
     "Cálculo Numérico Tubos Hormigón Armado"},
    {"LVersion", R, 296, 0, 173, 36, 13, false, Derecha, false, false, ""},
    {"Label1", R, 0, 19, 0, 0, 13, true, Izquierda, false, false, "Datos de la Obra:"},
    {"Label3", R, 210, 19, 0, 0, 13, true, Izquierda, false, false, "Sección tipo:"},
    {"DObra", Clase::Caja, 5, 39, 201, 46, 8, false, Izquierda, true, false, ""},
    {"DSeccion", Clase::Caja, 212, 39, 201, 49, 8, false, Izquierda, true, false, ""},
    {"Label16", R, 8, 89, 0, 0, 13, true, Izquierda, false, false, "Cliente:"},
    {"DCLiente", Clase::Caja, 5, 110, 340, 26, 8, false, Izquierda, true, false, ""},
    {"Label25", R, 0, 139, 0, 0, 13, true, Izquierda, false, false, "Esquema de instalación:"},
    {"Image1", Clase::Dibujo, 284, 140, 147, 145, 0, false, Izquierda, false, false, ""},
    {"Shape1", Clase::Marco, 433, 122, 116, 201, 0, false, Izquierda, false, false, ""},
    {"LDe", R, 438, 127, 0, 0, 11, false, Izquierda, false, false, "De="},
    {"LDde", R, 463, 127, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDi", R, 438, 142, 0, 0, 11, false, Izquierda, false, false, "Di="},
    {"LDdi", R, 463, 142, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LEs", R, 438, 157, 0, 0, 11, false, Izquierda, false, false, "Es="},
    {"LDEs", R, 463, 157, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Lhr", R, 438, 172, 0, 0, 11, false, Izquierda, false, false, "hr="},
    {"LDhr", R, 464, 172, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Lh1r", R, 438, 187, 0, 0, 11, false, Izquierda, false, false, "h'r="},
    {"LDh1r", R, 463, 187, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Lh2r", R, 438, 202, 0, 0, 11, false, Izquierda, false, false, "h''r="},
    {"LDH2r", R, 463, 202, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDa", R, 438, 217, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDb", R, 438, 232, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDc", R, 438, 247, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDC2", R, 438, 262, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Lc1", R, 438, 277, 0, 0, 11, false, Izquierda, false, false, "(c según terreno)"},
    {"LTalud", R, 438, 292, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LResguardo", R, 438, 307, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LInstalacion", R, 5, 162, 268, 46, 11, false, Izquierda, true, false, ""},
    {"Label6", R, 4, 212, 0, 0, 11, false, Izquierda, false, false,
     "(Este croquis no representa proporciones reales)"},
    {"LRelleno", R, 39, 239, 202, 31, 11, false, Izquierda, true, false, ""},
    {"LBase", R, 31, 274, 226, 31, 11, false, Izquierda, true, false, ""},
    {"Label2", R, 8, 317, 0, 0, 13, true, Izquierda, false, false, "Cálculos:"},
    {"LCTerreno", R, 1, 332, 544, 37, 11, false, Izquierda, true, false, ""},
    {"FormulaCargaRelleno", Clase::Dibujo, 35, 380, 278, 75, 0, false, Izquierda, false, false, ""},
    {"Shape3", Clase::Marco, 433, 375, 116, 71, 0, false, Izquierda, false, false, ""},
    {"LFap", R, 438, 380, 0, 0, 11, false, Izquierda, false, false, "Fap="},
    {"LDFap", R, 473, 380, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Label15", R, 438, 395, 0, 0, 11, false, Izquierda, false, false, "γ="},
    {"LDgamma", R, 473, 395, 0, 0, 11, false, Izquierda, false, false, ""},
    {"Lmrelleno", R, 438, 410, 0, 0, 11, false, Izquierda, false, false, "λμ ="},
    {"LDLambda", R, 473, 410, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDH0_1", R, 438, 425, 0, 0, 11, false, Izquierda, false, false, "ho="},
    {"LDH0", R, 473, 425, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDQ1", R, 368, 450, 136, 0, 11, false, Derecha, false, false, ""},
    {"LTrafico", R, 25, 465, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDQ2", R, 433, 465, 71, 0, 11, false, Derecha, false, false, ""},
    {"LPuntual", R, 25, 480, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDQ3", R, 433, 480, 71, 0, 11, false, Derecha, false, false, ""},
    {"LSup", R, 25, 495, 0, 0, 11, false, Izquierda, false, false, ""},
    {"LDQ4", R, 433, 495, 71, 0, 11, false, Derecha, false, false, ""},
    {"LComp", R, 25, 510, 0, 0, 11, false, Izquierda, false, false, "Carga debida a compactador"},
    {"LDQ5", R, 433, 510, 71, 0, 11, false, Derecha, false, true, ""},
    {"LDQFisuracion", R, 25, 525, 261, 16, 11, false, Izquierda, false, false, ""},
    {"Label12", R, 383, 525, 0, 0, 11, false, Izquierda, false, false, "Qtotal="},
    {"LDQtotal", R, 433, 525, 71, 0, 11, false, Derecha, false, false, ""},
    // La fracción va entre los dos "=", cada uno un rótulo: sus x las pone
    // ColocaFraccion según lo que midan los textos.
    {"Label9", R, 15, 545, 0, 0, 11, false, Izquierda, false, false, "CARGA DE CÁLCULO ="},
    {"LCociente", R, 0, 540, 0, 0, 11, false, Centro, false, true, "Qtotal · 1.5"},
    {"LDivisor", R, 0, 555, 0, 0, 11, false, Centro, false, false, "Fap · Di"},
    {"LIgualCarga", R, 0, 545, 0, 0, 11, false, Izquierda, false, false, "="},
    {"LDCarga", R, 0, 545, 0, 0, 11, false, Izquierda, false, false, ""},
    {"TextoTipoCalculo", R, 13, 570, 172, 36, 13, true, Izquierda, true, false, ""},
    {"Shape2", Clase::Marco, 195, 567, 131, 31, 0, false, Izquierda, false, false, ""},
    {"LDres", R, 200, 572, 121, 21, 19, false, Centro, false, false, ""},
    {"LDhrMax", R, 338, 567, 131, 31, 11, false, Izquierda, true, false, ""},
};

QFont LetraPagina(const Elemento& e)
{
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(e.letra);
    letra.setBold(e.negrita);
    letra.setUnderline(e.subrayado);
    return letra;
}

Qt::Alignment Alinea(Alineacion a)
{
    switch (a) {
    case Derecha: return Qt::AlignRight | Qt::AlignTop;
    case Centro: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Los rótulos sin anchura propia toman la de su texto cada vez que cambia.
void AjustaTamano(QLabel* rotulo, const Elemento& e)
{
    if (e.ancho > 0 && e.alto > 0)
        return;
    const QSize texto = rotulo->sizeHint();
    rotulo->resize(e.ancho > 0 ? e.ancho : texto.width(), e.alto > 0 ? e.alto : texto.height());
}

QString Lineas(const std::vector<std::string>& lineas)
{
    QStringList texto;
    for (const std::string& linea : lineas)
        texto << QString::fromStdString(linea);
    return texto.join('\n');
}

}  // namespace

TCalculos::TCalculos(Proyecto& proyecto, const ResultadoInforme& resultado, Dialogos& dialogos,
                     QWidget* padre)
    : QDialog(padre), p_(proyecto), dialogos_(dialogos), resultado_(resultado)
{
    setObjectName("Calculos");
    setWindowTitle("Cálculos");
    FijaContextoAyuda(this, ContextoAyudaCalculos);
    CreaPagina();
    CreaMenu();

    desplazamiento_ = ColocaPaginaImpresa(*this, MainMenu1, pagina_);
    // Cabe el ancho de la página; el alto deja ver desde los cálculos hasta el
    // final con la página desplazada lo justo.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(AnchoPagina + barra + 2,
           AltoPagina - DesplazamientoInicial - 4 + MainMenu1->sizeHint().height());
}

void TCalculos::CreaPagina()
{
    pagina_ = CreaPaginaImpresa(AnchoPagina, AltoPagina);

    for (const Elemento& e : Elementos) {
        QWidget* control = nullptr;
        switch (e.clase) {
        case Clase::Rotulo: {
            auto* rotulo = new QLabel(QString::fromUtf8(e.texto), pagina_);
            rotulo->setTextFormat(Qt::PlainText);
            rotulo->setAlignment(Alinea(e.alineacion));
            rotulo->setWordWrap(e.ajusta);
            control = rotulo;
            break;
        }
        case Clase::Caja: {
            auto* caja = new QPlainTextEdit(pagina_);
            caja->setReadOnly(true);
            caja->setFrameShape(QFrame::NoFrame);
            caja->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            caja->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            caja->document()->setDocumentMargin(1);
            caja->setFocusPolicy(Qt::NoFocus);
            control = caja;
            break;
        }
        case Clase::Dibujo: {
            auto* dibujo = new Croquis(nullptr, pagina_);
            MarcaParaImprimir(dibujo);
            (QLatin1String(e.nombre) == QLatin1String("Image1") ? Image1 : FormulaCargaRelleno) =
                dibujo;
            control = dibujo;
            break;
        }
        case Clase::Marco: {
            auto* marco = new QFrame(pagina_);
            marco->setFrameStyle(QFrame::Box | QFrame::Plain);
            marco->setLineWidth(1);
            MarcaComoMarco(marco);
            control = marco;
            break;
        }
        }
        control->setObjectName(e.nombre);
        if (e.letra > 0)
            control->setFont(LetraPagina(e));
        control->setGeometry(e.x, e.y, e.ancho, e.alto);
        if (auto* rotulo = qobject_cast<QLabel*>(control)) {
            if (e.alto == 0)
                rotulo->resize(e.ancho, rotulo->fontMetrics().height());
            AjustaTamano(rotulo, e);
        }
    }

    ColocaFraccion();
}

void TCalculos::ColocaFraccion()
{
    // Cada rótulo mide lo que su texto; en papel la letra se reduce (0.9) y los
    // huecos solo crecen, así que lo que no se toca en pantalla tampoco en papel.
    const auto rotulo = [this](const char* nombre) {
        return pagina_->findChild<QLabel*>(nombre, Qt::FindDirectChildrenOnly);
    };
    QLabel* igual = rotulo("Label9");
    QLabel* cociente = rotulo("LCociente");
    QLabel* divisor = rotulo("LDivisor");
    QLabel* segundoIgual = rotulo("LIgualCarga");
    QLabel* carga = rotulo("LDCarga");
    const int hueco = 6;
    const int inicio = igual->x() + igual->width() + hueco;
    const int ancho = std::max(cociente->width(), divisor->width());
    cociente->move(inicio + (ancho - cociente->width()) / 2, cociente->y());
    divisor->move(inicio + (ancho - divisor->width()) / 2, divisor->y());
    segundoIgual->move(inicio + ancho + hueco, segundoIgual->y());
    carga->move(segundoIgual->x() + segundoIgual->width() + hueco, carga->y());
}

void TCalculos::CreaMenu()
{
    opciones_ = CreaOpcionesPagina(*this, ContextoAyudaCalculos);
    MainMenu1 = opciones_.barra;
    Imprimir1 = opciones_.imprimir;
    CancelarImpresion1 = opciones_.cancelar;
    connect(Imprimir1, &QAction::triggered, this, &TCalculos::ImprimirClick);
    connect(opciones_.vistaPrevia, &QAction::triggered, this, &TCalculos::VistaPreviaClick);
    connect(opciones_.exportarPdf, &QAction::triggered, this, &TCalculos::ExportarPdfClick);
    connect(CancelarImpresion1, &QAction::triggered, this, &TCalculos::CancelarImpresionClick);
}

void TCalculos::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (rellena_)
        return;
    rellena_ = true;
    Rellena();
    desplazamiento_->verticalScrollBar()->setValue(DesplazamientoInicial);
}

void TCalculos::Rellena()
{
    const ResultadoInforme& resultado = resultado_;

    // El aviso de la carga del relleno: error o zanja calculada como terraplén.
    if (!resultado.entrega.mensaje.empty()) {
        const QString aviso = QString::fromStdString(resultado.entrega.mensaje);
        if (!p_.ZanjaComoTerraplen)
            dialogos_.Mensaje(aviso, "¡ Atención !", BotonAceptar | IconoAviso);
        else if (p_.AvisoCalculo)
            p_.AvisoCalculo = dialogos_.Mensaje(aviso, TituloAtencion,
                                                BotonesSiNo | IconoPregunta) == RespuestaSi;
    }

    const auto caja = [this](const char* nombre) {
        return pagina_->findChild<QPlainTextEdit*>(nombre, Qt::FindDirectChildrenOnly);
    };
    caja("DObra")->setPlainText(Lineas(p_.MObra));
    caja("DSeccion")->setPlainText(Lineas(p_.MSeccion));
    caja("DCLiente")->setPlainText(Lineas(p_.MCliente));

    const TextosInforme textos = TextosDelInforme(p_, resultado);
    for (const Elemento& e : Elementos) {
        auto* rotulo = pagina_->findChild<QLabel*>(e.nombre, Qt::FindDirectChildrenOnly);
        if (!rotulo)
            continue;
        if (const auto texto = textos.textos.find(e.nombre); texto != textos.textos.end()) {
            rotulo->setText(QString::fromStdString(texto->second));
            AjustaTamano(rotulo, e);
        }
        if (const auto visible = textos.visibles.find(e.nombre); visible != textos.visibles.end())
            rotulo->setVisible(visible->second);
    }

    ColocaFraccion();

    croquis_ = QString::fromStdString(textos.croquis);
    formula_ = QString::fromStdString(textos.formula);
    Image1->FijaDibujo([nombre = croquis_](QPainter& pintor, const QRectF& zona) {
        DibujaCroquisInforme(pintor, zona, nombre);
    });
    FormulaCargaRelleno->FijaDibujo([nombre = formula_](QPainter& pintor, const QRectF& zona) {
        DibujaFormula(pintor, zona, nombre);
    });
}

void TCalculos::ImprimirClick()
{
    // La página se imprime entera, con la ventana vuelta arriba mientras tanto.
    QScrollBar* barra = desplazamiento_->verticalScrollBar();
    const int posicion = barra->value();
    barra->setValue(0);
    ImprimePagina(*pagina_, dialogos_, opciones_);
    barra->setValue(posicion);
}

void TCalculos::CancelarImpresionClick()
{
    CancelaImpresionPagina(opciones_);
}

void TCalculos::VistaPreviaClick()
{
    VistaPrevia(*pagina_);
}

void TCalculos::ExportarPdfClick()
{
    // La exportación cambia la extensión del nombre propuesto por .pdf.
    ExportaPdf(*pagina_,
               p_.FileName.empty() ? QStringLiteral("memoria.pdf")
                                   : QString::fromStdString(p_.FileName),
               dialogos_, {p_.FileName});
}
