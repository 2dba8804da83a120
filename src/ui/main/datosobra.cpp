#include "datosobra.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

#include "acercade.h"
#include "ayuda.h"
#include "proyecto.h"

namespace {

// Memo con tope de caracteres. El tope frena lo que se teclea o se pega, no
// lo que pone el programa: un texto más largo leído de un archivo se muestra
// entero y se puede acortar.
class MemoLimitado : public QPlainTextEdit {
public:
    MemoLimitado(const char* nombre, int lineasVisibles)
    {
        setObjectName(nombre);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setTabChangesFocus(true);
        setFixedWidth(380);
        const QMargins margen = contentsMargins();
        const int bordes =
            2 * static_cast<int>(document()->documentMargin()) + margen.top() + margen.bottom() + 2;
        setFixedHeight(fontMetrics().lineSpacing() * lineasVisibles + bordes);
        // Conectado antes que el manejador de la ventana: este ve ya el texto recortado.
        connect(this, &QPlainTextEdit::textChanged, this, [this] { Limita(); });
    }

    void Carga(const QString& texto)
    {
        const QSignalBlocker bloqueo(this);
        setPlainText(texto);
        anterior_ = texto;
    }

private:
    void Limita()
    {
        const QString texto = toPlainText();
        const int exceso = int(texto.size()) - TDatosObra::LongitudMaxima;
        if (exceso <= 0 || texto.size() <= anterior_.size()) {
            anterior_ = texto;
            return;
        }
        // Lo añadido es lo que queda entre el principio y el final comunes
        // con el texto anterior; sobra su parte final.
        int inicio = 0;
        while (inicio < anterior_.size() && texto[inicio] == anterior_[inicio])
            ++inicio;
        int fin = int(texto.size());
        for (int finAnterior = int(anterior_.size());
             finAnterior > inicio && fin > inicio && texto[fin - 1] == anterior_[finAnterior - 1];
             --finAnterior)
            --fin;
        const int quitar = std::min(exceso, fin - inicio);
        QTextCursor cursor(document());
        cursor.setPosition(fin - quitar);
        cursor.setPosition(fin, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();  // vuelve a avisar del cambio, ya dentro del tope
    }

    QString anterior_;
};

// Las líneas del memo, como las guarda el registro: un salto final no abre
// otra línea y un memo vacío no tiene ninguna.
void CopiaLineas(const QPlainTextEdit* memo, std::vector<std::string>& lineas, std::size_t maximo)
{
    lineas.clear();
    const QString texto = memo->toPlainText();
    if (texto.isEmpty())
        return;
    QStringList partes = texto.split('\n');
    if (texto.endsWith('\n'))
        partes.removeLast();
    for (const QString& parte : partes) {
        if (lineas.size() == maximo)
            break;
        lineas.push_back(parte.toStdString());
    }
}

QString Une(const std::vector<std::string>& lineas)
{
    QStringList partes;
    for (const std::string& linea : lineas)
        partes.append(QString::fromStdString(linea));
    return partes.join('\n');
}

}  // namespace

TDatosObra::TDatosObra(Proyecto& proyecto, TFVariables* variables, QWidget* padre)
    : QDialog(padre), p_(proyecto), variables_(variables)
{
    setObjectName("DatosObra");
    setWindowTitle("Datos de la Obra");

    auto* barra = new QMenuBar(this);
    QMenu* datos = barra->addMenu("&Datos Obra");
    QAction* salir = datos->addAction("&Salir");
    salir->setObjectName("Salir1");
    FijaContextoAyuda(salir, 16);
    connect(salir, &QAction::triggered, this, &TDatosObra::Salir1Click);
    QMenu* interrogacion = barra->addMenu(" &?");
    QAction* acerca = interrogacion->addAction("Acerca de ...");
    acerca->setObjectName("Acercade1");
    connect(acerca, &QAction::triggered, this, &TDatosObra::Acercade1Click);
    QAction* ayuda = interrogacion->addAction("Ayuda");
    ayuda->setObjectName("Ayuda1");
    FijaContextoAyuda(ayuda, 0);
    connect(ayuda, &QAction::triggered, this, [] { AbreAyuda(0); });

    MObra = new MemoLimitado("MObra", LineasObra);
    MSeccion = new MemoLimitado("MSeccion", LineasSeccion);
    MCliente = new MemoLimitado("MCliente", LineasCliente);
    connect(MObra, &QPlainTextEdit::textChanged, this, &TDatosObra::MObraChange);
    connect(MSeccion, &QPlainTextEdit::textChanged, this, &TDatosObra::MSeccionChange);
    connect(MCliente, &QPlainTextEdit::textChanged, this, &TDatosObra::MClienteChange);

    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(8);
    rejilla->setVerticalSpacing(10);
    int fila = 0;
    for (const auto& [rotulo, memo] : {std::pair<const char*, QPlainTextEdit*>{"Obra:", MObra},
                                       {"Sección Tipo:", MSeccion},
                                       {"Cliente:", MCliente}}) {
        auto* etiqueta = new QLabel(rotulo);
        QFont letra = etiqueta->font();
        letra.setBold(true);
        etiqueta->setFont(letra);
        etiqueta->setBuddy(memo);
        rejilla->addWidget(etiqueta, fila, 0, Qt::AlignRight | Qt::AlignTop);
        rejilla->addWidget(memo, fila, 1);
        ++fila;
    }

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setMenuBar(barra);
    disposicion->setContentsMargins(14, 12, 14, 14);
    disposicion->addLayout(rejilla);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);  // borde de diálogo: no se estira
}

void TDatosObra::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    static_cast<MemoLimitado*>(MObra)->Carga(Une(p_.MObra));
    static_cast<MemoLimitado*>(MSeccion)->Carga(Une(p_.MSeccion));
    static_cast<MemoLimitado*>(MCliente)->Carga(Une(p_.MCliente));
    // Como si cada texto se hubiera vuelto a escribir: abrir la ventana deja
    // el proyecto modificado y el registro con las líneas que admite.
    MObraChange();
    MSeccionChange();
    MClienteChange();
    MObra->setFocus();
}

void TDatosObra::MObraChange()
{
    p_.Modificado = 1;
    CopiaLineas(MObra, p_.MObra, LineasObra);
}

void TDatosObra::MSeccionChange()
{
    p_.Modificado = 1;
    CopiaLineas(MSeccion, p_.MSeccion, LineasSeccion);
}

void TDatosObra::MClienteChange()
{
    p_.Modificado = 1;
    CopiaLineas(MCliente, p_.MCliente, LineasCliente);
}

void TDatosObra::Salir1Click()
{
    close();
}

void TDatosObra::Acercade1Click()
{
    TAcercaDe acerca(variables_, this);
    acerca.exec();
}
