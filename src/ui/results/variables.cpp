#include "variables.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "impresora.h"
#include "marco.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"

namespace {

struct Variable {
    const char* descripcion;
    double Proyecto::*campo;
};

// Las descripciones se muestran tal cual, erratas incluidas: son los textos
// que el usuario conoce.
const Variable Variables[TFVariables::NumeroVariables] = {
    {"b - Anchura de la zanja en el plano clave,en m.", &Proyecto::b},
    {"b2 - Anchura de la zanja inducida, en zanja inducida en terraplen", &Proyecto::b2},
    {"C - Clase resistente", &Proyecto::C},
    {"c1 - Es la razón de asentamiento y depende de la base sobre la que se instala el tubo",
     &Proyecto::c1},
    {"Ci - coef. de impacto que se aplica en los casos de eje simple de 70KN y de 130KN",
     &Proyecto::Ci},
    {"Ct - Coef. Marston en terraplen", &Proyecto::Ct},
    {"Cz - Coef. Marston en zanja", &Proyecto::Cz},
    {"Czt - Coef. Marston en zanja terraplenada", &Proyecto::Czt},
    {"De - Diámetro exterior tubo en m.", &Proyecto::De},
    {"dh - Distancia horizontal de la tuberia hasta la primera via de tren", &Proyecto::dh},
    {"Di - Diámetro interior tubo en m.", &Proyecto::Di},
    {"Fa - Factor de Apoyo", &Proyecto::Fa},
    {"fck - Resistencia característica a compresión del hormigon, en MPa(N/mm2)", &Proyecto::fck},
    {"fi - Angulo de rozamiento interno del relleno(en sexagesimal)", &Proyecto::fi},
    {"fp - Cargas o fuerzas puntuales", &Proyecto::fp},
    {"ho - Altura del plano de igual asentamiento sobre el plano de clave(m.)", &Proyecto::ho},
    {"h2r - Altura de la base de un terraplen sobre el plano de clave(m.)", &Proyecto::h2r},
    {"hr - Altura del relleno sobre el plano de clave (m.)", &Proyecto::hr},
    {"hr1 - Altura del plano de clave sobre la base de un terraplén(m.)", &Proyecto::hr1},
    {"hr2 - Altura de la zanja inducida, en zanja inducida en terraplén", &Proyecto::hr2},
    {"lambda - Coeficiente de Rankine", &Proyecto::lambda},
    {"lambdaFa - Lambda utilizada en el cálculo de fa en Terraplen y zanja ind.",
     &Proyecto::lambdaFa},
    {"pq - Carga lineal por metro de rodillo del compactador", &Proyecto::pq},
    {"qm - Carga sobre un metro de longitud de la conducción producidapor la sobrecarga móvil"
     "(Kilonewtons/m. lineal)",
     &Proyecto::qm},
    {"qr - Carga producida por el terreno (Kilonewtons/m. lineal)", &Proyecto::qr},
    {"qTotal - Suma de cargas actuantes sobre el tubo (Kilonewtons/m. lineal)", &Proyecto::qTotal},
    {"r - Carga tráfico", &Proyecto::r},
};

}  // namespace

TFVariables::TFVariables(Proyecto& proyecto, QWidget* padre) : QDialog(padre), p_(proyecto)
{
    setObjectName("FVariables");
    setWindowTitle("Estado de las Variables");
    // Borde de diálogo: título y cierre, sin minimizar ni maximizar.
    PonMarcoSoloCerrar(this);

    grid = new QTableWidget(NumeroVariables, 2);
    grid->setObjectName("grid");
    grid->setHorizontalHeaderLabels({"Variable", "Valor"});
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setStretchLastSection(true);
    // Cada descripción cabe entera en su columna, la más larga también.
    int anchoDescripcion = 0;
    for (const Variable& variable : Variables)
        anchoDescripcion = std::max(anchoDescripcion, grid->fontMetrics().horizontalAdvance(
                                                          QString::fromUtf8(variable.descripcion)));
    grid->setColumnWidth(0, anchoDescripcion + 16);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);

    // El memo no se ve: es el texto que se imprime.
    Memo = new QTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->hide();

    Button1 = new QPushButton("Imprimir");
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &TFVariables::Button1Click);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Button1);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(grid);
    disposicion->addLayout(botones);
    // Ancho para las dos columnas (valores de hasta 15 cifras con exponente) sin barra horizontal.
    const int anchoValor = grid->fontMetrics().horizontalAdvance("-0.000000000000000E-300") + 16;
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(grid->columnWidth(0) + anchoValor + grid->verticalScrollBar()->sizeHint().width() +
               2 * grid->frameWidth() + disposicion->contentsMargins().left() +
               disposicion->contentsMargins().right(),
           451);
}

void TFVariables::FormActivate()
{
    QString texto = "Variable\nValor\n";
    for (int fila = 0; fila < NumeroVariables; ++fila) {
        const QString descripcion = QString::fromUtf8(Variables[fila].descripcion);
        const QString valor = GeneralQ(p_.*Variables[fila].campo);
        grid->setItem(fila, 0, new QTableWidgetItem(descripcion));
        grid->setItem(fila, 1, new QTableWidgetItem(valor));
        texto += descripcion + '\n' + valor + '\n';
    }
    Memo->setPlainText(texto);
}

void TFVariables::Button1Click()
{
    QPrinter& impresora = ImpresoraPrograma();
    if (!DialogosPrograma().DialogoImprimir(impresora))
        return;
    impresora.setDocName("Hola");
    Memo->document()->print(&impresora);
}

void TFVariables::showEvent(QShowEvent* evento)
{
    FormActivate();
    QDialog::showEvent(evento);
}

void TFVariables::changeEvent(QEvent* evento)
{
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(evento);
}
