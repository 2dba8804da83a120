#include "ayuda.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const PropiedadContexto = "contextoAyuda";

QString Direccion(int contexto)
{
    return QString("qrc:/ayuda/%1.html").arg(contexto);
}

int ContextoDe(const QUrl& direccion)
{
    bool numero = false;
    const int contexto = direccion.fileName().section('.', 0, 0).toInt(&numero);
    return numero ? contexto : -1;
}

// Título (<title>) de una página de ayuda.
QString TituloPagina(const QString& archivo)
{
    QFile pagina(archivo);
    if (!pagina.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression titulo("<title>(.*)</title>",
                                           QRegularExpression::CaseInsensitiveOption);
    const auto encontrado = titulo.match(QString::fromUtf8(pagina.readAll()));
    return encontrado.hasMatch() ? encontrado.captured(1).trimmed() : QString();
}

// La ventana principal del programa, si se ve.
const QWidget* VentanaPrincipal()
{
    for (const QWidget* ventana : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(ventana) && ventana->isVisible())
            return ventana;
    return nullptr;
}

class TeclaAyuda : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(evento)->key() != Qt::Key_F1)
            return false;
        int contexto = -1;
        if (auto* menu = qobject_cast<QMenu*>(objeto)) {
            // Sobre un menú abierto vale la opción señalada, o el propio menú.
            if (QAction* opcion = menu->activeAction())
                contexto = ContextoAyuda(opcion);
            if (contexto < 0)
                contexto = ContextoAyuda(menu->menuAction());
        } else if (objeto->isWidgetType()) {
            QWidget* foco = QApplication::focusWidget();
            contexto = ContextoAyuda(foco ? foco : objeto);
        } else {
            return false;
        }
        if (contexto < 0)
            return false;
        AbreAyuda(contexto);
        return true;
    }
};

}  // namespace

void FijaContextoAyuda(QObject* objeto, int contexto)
{
    objeto->setProperty(PropiedadContexto, contexto);
}

int ContextoAyuda(const QObject* objeto)
{
    for (; objeto; objeto = objeto->parent()) {
        const QVariant valor = objeto->property(PropiedadContexto);
        if (valor.isValid())
            return valor.toInt();
    }
    return -1;
}

void AbreAyuda(int contexto)
{
    VentanaAyuda::Unica().Muestra(contexto);
}

void InstalaTeclaAyuda(QApplication& aplicacion)
{
    aplicacion.installEventFilter(new TeclaAyuda(&aplicacion));
}

VentanaAyuda& VentanaAyuda::Unica()
{
    static VentanaAyuda* ventana = new VentanaAyuda();  // vive hasta el final del programa
    return *ventana;
}

VentanaAyuda::VentanaAyuda()
    : QWidget(nullptr, Qt::Window), indice_(new QListWidget), pagina_(new QTextBrowser)
{
    setObjectName("VentanaAyuda");
    setWindowTitle("Ayuda - Cálculo Mecánico Tubos");

    auto* atras = new QPushButton("< &Atrás");
    auto* adelante = new QPushButton("A&delante >");
    auto* inicio = new QPushButton("Í&ndice");
    atras->setEnabled(false);
    adelante->setEnabled(false);
    auto* botones = new QHBoxLayout;
    botones->addWidget(inicio);
    botones->addWidget(atras);
    botones->addWidget(adelante);
    botones->addStretch();

    // El índice de la izquierda lista todas las páginas, en orden de contexto.
    QStringList archivos = QDir(":/ayuda").entryList({"*.html"});
    std::sort(archivos.begin(), archivos.end(), [](const QString& a, const QString& b) {
        return a.section('.', 0, 0).toInt() < b.section('.', 0, 0).toInt();
    });
    for (const QString& archivo : archivos) {
        auto* entrada = new QListWidgetItem(TituloPagina(":/ayuda/" + archivo), indice_);
        entrada->setData(Qt::UserRole, archivo.section('.', 0, 0).toInt());
    }
    // El índice, tan ancho como su entrada más larga.
    const int anchoIndice = indice_->sizeHintForColumn(0) + 2 * indice_->frameWidth() +
                            indice_->verticalScrollBar()->sizeHint().width() + 8;
    indice_->setMinimumWidth(anchoIndice);
    indice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* division = new QSplitter;
    division->addWidget(indice_);
    division->addWidget(pagina_);
    division->setStretchFactor(1, 1);
    division->setChildrenCollapsible(false);
    pagina_->setOpenLinks(true);
    pagina_->setOpenExternalLinks(false);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(botones);
    disposicion->addWidget(division);
    resize(QSize(anchoIndice + 520, 540).expandedTo(minimumSizeHint()));

    // Esc cierra la ayuda, como cualquier otra ventana secundaria.
    auto* cerrar = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cerrar, &QShortcut::activated, this, &QWidget::close);

    connect(atras, &QPushButton::clicked, pagina_, &QTextBrowser::backward);
    connect(adelante, &QPushButton::clicked, pagina_, &QTextBrowser::forward);
    connect(inicio, &QPushButton::clicked, this, [this] { Muestra(0); });
    connect(pagina_, &QTextBrowser::backwardAvailable, atras, &QPushButton::setEnabled);
    connect(pagina_, &QTextBrowser::forwardAvailable, adelante, &QPushButton::setEnabled);
    connect(indice_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* entrada) { Muestra(entrada->data(Qt::UserRole).toInt()); });
    connect(pagina_, &QTextBrowser::sourceChanged, this, [this](const QUrl& direccion) {
        contexto_ = ContextoDe(direccion);
        for (int i = 0; i < indice_->count(); ++i)
            if (indice_->item(i)->data(Qt::UserRole).toInt() == contexto_)
                indice_->setCurrentRow(i);
    });
}

void VentanaAyuda::Muestra(int contexto)
{
    const QString direccion = Direccion(contexto);
    pagina_->setSource(QFile::exists(direccion.mid(3)) ? QUrl(direccion) : QUrl(Direccion(0)));
    const bool yaVisible = isVisible();
    // Con un diálogo modal abierto, la ayuda tiene que poder usarse igual.
    const bool modal = QApplication::activeModalWidget() != nullptr;
    if (modal != (windowModality() != Qt::NonModal)) {
        hide();
        setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    }
    // Al abrirse sale centrada sobre la ventana principal; si ya se veía, se
    // queda donde el usuario la puso.
    if (!yaVisible)
        if (const QWidget* principal = VentanaPrincipal()) {
            QRect zona = geometry();
            zona.moveCenter(principal->geometry().center());
            setGeometry(zona);
        }
    show();
    raise();
    activateWindow();
}
