#include "clase_altura.h"

#include <QScreen>

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyle>

#include <cmath>

#include "ayuda.h"
#include "curva_dibujo.h"
#include "curva_clase.h"
#include "dibujos.h"
#include "graficos.h"
#include "impresion.h"
#include "numero.h"
#include "proyecto.h"

namespace {

const int AnchoPagina = 900;
const int AltoPagina = 780;
const int AnchoGrafico = 600;
const int AltoGrafico = 360;
const int ContextoAyudaCurva = 26;
const int PuntosCurva = 240;

// Lo que se lista junto al gráfico.
QString TextoLista(const CurvaClase& curva)
{
    QStringList lineas;
    for (const std::string& linea : LineasCurva(curva))
        lineas << Q(linea);
    return lineas.join('\n');
}

}  // namespace

TCurvaClase::TCurvaClase(const Proyecto& proyecto, Dialogos& dialogos, QWidget* padre)
    : QDialog(padre), p_(proyecto), dialogos_(dialogos),
      une_(CalculaCurva(proyecto, 1, PuntosCurva)), astm_(CalculaCurva(proyecto, 2, PuntosCurva))
{
    setObjectName("CurvaClase");
    setWindowTitle("Clase según altura de relleno");
    FijaContextoAyuda(this, ContextoAyudaCurva);
    CreaPagina();
    CreaMenu();

    desplazamiento_ = ColocaPaginaImpresa(*this, MainMenu1, pagina_);
    // Los dos gráficos a la vista sin desplazar, si la pantalla da para ello.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int alto = AltoPagina + MainMenu1->sizeHint().height() + 4;
    if (const QScreen* pantalla = screen())
        alto = std::min(alto, pantalla->availableGeometry().height() - 60);
    resize(AnchoPagina + barra + 2, alto);
}

void TCurvaClase::CreaPagina()
{
    pagina_ = CreaPaginaImpresa(AnchoPagina, AltoPagina);

    auto* titulo = new QLabel("Clase resistente según hr", pagina_);
    titulo->setObjectName("LTitulo");
    QFont letra("Arial");
    letra.setPixelSize(16);
    letra.setBold(true);
    titulo->setFont(letra);
    titulo->setGeometry(10, 6, 380, 22);

    CreaGrafico(1, 34);
    CreaGrafico(2, 34 + AltoGrafico + 12);

    // El punto señalado con el ratón: solo en pantalla.
    LPunto =
        new QLabel("Pase el ratón o pulse sobre un gráfico para ver hr, carga y clase", pagina_);
    LPunto->setObjectName("LPunto");
    LPunto->setGeometry(400, 8, AnchoPagina - 410, 20);
    MarcaSoloPantalla(LPunto);
}

void TCurvaClase::CreaGrafico(std::uint8_t modo, int y)
{
    const CurvaClase& curva = Curva(modo);
    auto* grafico = new Croquis(
        [&curva](QPainter& pintor, const QRectF& zona) { DibujaCurvaClase(pintor, zona, curva); },
        pagina_);
    grafico->setObjectName(modo == 2 ? "CurvaASTM" : "CurvaUNE");
    grafico->setGeometry(10, y, AnchoGrafico, AltoGrafico);
    grafico->setMouseTracking(true);
    grafico->installEventFilter(this);
    MarcaParaImprimir(grafico);
    (modo == 2 ? CurvaASTM : CurvaUNE) = grafico;

    auto* lista = new QPlainTextEdit(TextoLista(curva), pagina_);
    lista->setObjectName(modo == 2 ? "ListaASTM" : "ListaUNE");
    lista->setReadOnly(true);
    lista->setFrameShape(QFrame::NoFrame);
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lista->setFocusPolicy(Qt::NoFocus);
    QFont letra("Arial");
    letra.setPixelSize(12);
    lista->setFont(letra);
    lista->setGeometry(AnchoGrafico + 20, y + 4, AnchoPagina - AnchoGrafico - 30, AltoGrafico - 8);
}

void TCurvaClase::MuestraPunto(std::uint8_t modo, double hr)
{
    const PuntoCurva punto = CalculaPuntoCurva(p_, modo, hr);
    QString texto = Q("hr " + TextoNumero(hr) + " m · ");
    if (punto.calculado)
        texto +=
            Q(TextoNumero(Trunca2(punto.carga)) + " kN/m² · " + NombreClase(modo, punto.clase));
    else
        texto += "sin cálculo a esta altura";
    LPunto->setText(texto);
}

bool TCurvaClase::eventFilter(QObject* objeto, QEvent* evento)
{
    const bool mueve = evento->type() == QEvent::MouseMove;
    if ((mueve || evento->type() == QEvent::MouseButtonPress) &&
        (objeto == CurvaUNE || objeto == CurvaASTM)) {
        const auto* grafico = static_cast<Croquis*>(objeto);
        const std::uint8_t modo = objeto == CurvaASTM ? 2 : 1;
        const double x = static_cast<QMouseEvent*>(evento)->position().x();
        if (const auto hr = AlturaEnCurva(QRectF(grafico->rect()), Curva(modo), x)) {
            // A la rejilla de 0.01 m de los tramos, dentro de la curva.
            const CurvaClase& curva = Curva(modo);
            double redondeada = std::round(*hr * 100) / 100;
            if (redondeada < curva.hrMinimo)
                redondeada = curva.hrMinimo;
            if (redondeada > curva.hrMaximo)
                redondeada = curva.hrMaximo;
            MuestraPunto(modo, redondeada);
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TCurvaClase::CreaMenu()
{
    opciones_ = CreaOpcionesPagina(*this, ContextoAyudaCurva);
    MainMenu1 = opciones_.barra;
    Imprimir1 = opciones_.imprimir;
    CancelarImpresion1 = opciones_.cancelar;
    connect(Imprimir1, &QAction::triggered, this, &TCurvaClase::ImprimirClick);
    connect(opciones_.vistaPrevia, &QAction::triggered, this, &TCurvaClase::VistaPreviaClick);
    connect(opciones_.exportarPdf, &QAction::triggered, this, &TCurvaClase::ExportarPdfClick);
    connect(CancelarImpresion1, &QAction::triggered, this, &TCurvaClase::CancelarImpresionClick);
}

void TCurvaClase::ImprimirClick()
{
    ImprimePagina(*pagina_, dialogos_, opciones_);
}

void TCurvaClase::CancelarImpresionClick()
{
    CancelaImpresionPagina(opciones_);
}

void TCurvaClase::VistaPreviaClick()
{
    VistaPrevia(*pagina_);
}

void TCurvaClase::ExportarPdfClick()
{
    ExportaPdf(*pagina_, p_.FileName.empty() ? QStringLiteral("curva.pdf") : Q(p_.FileName),
               dialogos_, {p_.FileName});
}
