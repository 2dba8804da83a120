// La ventana principal: creación, relleno desde el registro, página de
// instalación, avisos y cierre.

#include "form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>

#include <cmath>
#include <vector>

#include "acercade.h"
#include "apoyo.h"
#include "casillas.h"
#include "datosobra.h"
#include "mensaje.h"
#include "numero.h"
#include "numero_qt.h"
#include "primera.h"
#include "proyecto.h"
#include "relleno.h"

TForm1::TForm1(Proyecto& proyecto, QWidget* padre) : QMainWindow(padre), p_(proyecto)
{
    setObjectName("Form1");
    setWindowTitle("Cálculo mecánico de tubos");
    CreaMenus();
    CreaControles();
    ConectaControles();
    CreaClaseEnVivo();

    // FormCreate: valores por omisión y controles rellenos.
    InicializaDatos();
    PintaVariables();
    ::InicializaDatos(p_);

    // Un solo tamaño desde el principio: el que piden los paneles que se turnan,
    // que guardan su sitio aunque estén ocultos.
    resize(minimumSizeHint());
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
}

void TForm1::ConectaControles()
{
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm1::TabbedNotebook1Click);
    connect(TabTrafico, &QTabWidget::currentChanged, this, &TForm1::TabTraficoClick);

    for (const auto& [casilla, manejador] : Casillas()) {
        connect(casilla, &QLineEdit::textChanged, this, manejador);
        casilla->installEventFilter(this);
    }
    connect(EditDi, &QComboBox::editTextChanged, this, &TForm1::EditDiChange);
    // La lista recibe la salida del foco; su casilla, los atajos de teclado.
    EditDi->installEventFilter(this);
    EditDi->lineEdit()->installEventFilter(this);

    const std::pair<QComboBox*, void (TForm1::*)()> listas[] = {
        {ComboRelleno, &TForm1::ComboRellenoChange},
        {ComboBase, &TForm1::ComboBaseChange},
        {ComboCompactador, &TForm1::ComboCompactadorChange},
        {ComboCarretera, &TForm1::ComboCarreteraChange},
        {ComboVia, &TForm1::ComboViaChange},
        {ComboBox1, &TForm1::ComboBox1Change},
        {ComboAeropuerto, &TForm1::ComboAeropuertoChange},
    };
    for (const auto& [lista, manejador] : listas)
        connect(lista, &QComboBox::currentIndexChanged, this, manejador);
}

std::vector<std::pair<QLineEdit*, void (TForm1::*)()>> TForm1::Casillas() const
{
    return {
        {EditEs, &TForm1::EditEsChange},       {EditHr, &TForm1::EditHrChange},
        {EditH1r, &TForm1::EditH1rChange},     {EditH2r, &TForm1::EditH2rChange},
        {EditB2, &TForm1::EditB2Change},       {EditHr2, &TForm1::EditHr2Change},
        {EditB, &TForm1::EditBChange},         {EFap, &TForm1::EFapChange},
        {EditFi, &TForm1::EditFiChange},       {EditFi1, &TForm1::EditFi1Change},
        {EditGamma, &TForm1::EditGammaChange}, {EditD, &TForm1::EditDChange},
        {EditQp, &TForm1::EditQpChange},       {EditQs, &TForm1::EditQsChange},
        {Editdh, &TForm1::EditdhChange},       {EditNVias, &TForm1::EditNViasChange},
        {EditVTren, &TForm1::EditVTrenChange}, {EditPq, &TForm1::EditPqChange},
    };
}

void TForm1::InicializaDatos()
{
    ::InicializaDatos(p_);  // también vacía los datos de la obra
    for (QWidget* control : {static_cast<QWidget*>(Editdh), static_cast<QWidget*>(Label46),
                             static_cast<QWidget*>(Label49), static_cast<QWidget*>(Label42)})
        control->setVisible(false);
    setWindowTitle("Cálculo mecánico de tubos [ ]");
}

void TForm1::PintaVariables()
{
    // Rellenar los controles no es teclear en ellos: sus manejadores no se
    // ejecutan, así abrir un proyecto no cambia ninguno de sus valores.
    std::vector<QSignalBlocker> bloqueos;
    for (QObject* control : findChildren<QLineEdit*>())
        bloqueos.emplace_back(control);
    for (QObject* control : findChildren<QComboBox*>())
        bloqueos.emplace_back(control);
    for (QObject* control : findChildren<QTabWidget*>())
        bloqueos.emplace_back(control);

    ComboBase->setCurrentIndex(p_.BaseIndex);
    ComboRelleno->setCurrentIndex(p_.RellenoIndex);
    PintaRelleno();
    TabTrafico->setCurrentIndex(p_.TraficoIndex);
    ComboCarretera->setCurrentIndex(p_.CarreteraIndex);
    ComboAeropuerto->setCurrentIndex(p_.AeropuertoIndex);
    ComboVia->setCurrentIndex(p_.ViaIndex);
    ComboCompactador->setCurrentIndex(p_.CompactadorIndex);
    PintaCompactacion();
    ComboBox1->setCurrentIndex(p_.SentidoViaIndex);
    TabbedNotebook1->setCurrentIndex(p_.InstalacionIndex);
    PintaPaneles();

    for (const auto& [casilla, valor] : ValoresCasillas())
        casilla->setText(TextoQ(valor));
    LClaseTerraplen->setText(QString::fromStdString(LetraClaseTerraplen(p_.Tipo)));
    MuestraRozamientoParamentos();

    bloqueos.clear();
    PintaSentidoVia();
    PintaCargaTrafico();
    PintaAvisos();
}

std::vector<std::pair<QLineEdit*, double>> TForm1::ValoresCasillas() const
{
    return {
        {EditB, p_.b},          {EditDe, p_.De * 1000},
        {EditEs, p_.Es * 1000}, {EFap, p_.Fa},
        {EditFi, p_.fi},        {EditFi1, p_.fi1},
        {EditGamma, p_.gamma},  {EditHr, p_.hr},
        {EditH1r, p_.hr1},      {EditH2r, p_.h2r},
        {EditD, p_.D},          {EditQs, p_.qs},
        {EditQp, p_.qp},        {Editdh, p_.dh},
        {EditNVias, p_.NVias},  {EditVTren, p_.V},
        {EditPq, p_.pq},        {EditB2, p_.b2},
        {EditHr2, p_.hr2},      {EditDi->lineEdit(), p_.Di * 1000},
    };
}

void TForm1::PintaCasillas()
{
    // Lo tecleado que ya vale lo guardado se deja como está ("2.50" sigue "2.50").
    for (const auto& [casilla, valor] : ValoresCasillas()) {
        const NumeroTecleado leido = LeeCasilla(casilla->text());
        if (leido.estado == Tecleo::Valido && leido.valor == ComoSeMuestra(valor))
            continue;
        const QSignalBlocker bloqueo(casilla);
        casilla->setText(TextoQ(valor));
    }
    ProgramaClaseEnVivo();  // el registro cambió sin pasar por las casillas
}

void TForm1::NormalizaCasilla(QObject* control)
{
    // Al dejarla, la casilla escribe su número como los demás: "2," y "0,8" pasan a "2" y "0.8".
    if (control == EditDi)
        control = EditDi->lineEdit();
    for (const auto& [casilla, valor] : ValoresCasillas()) {
        if (casilla != control || LeeCasilla(casilla->text()).estado != Tecleo::Valido)
            continue;
        const QSignalBlocker bloqueo(casilla);
        casilla->setText(TextoQ(valor));
    }
}

QWidget* TForm1::CasillaDeClave(int clave) const
{
    switch (clave) {
    case CasillaB: return EditB;
    case CasillaB2: return EditB2;
    case CasillaEs: return EditEs;
    case CasillaFa: return EFap;
    case CasillaHr: return EditHr;
    case CasillaHr1: return EditH1r;
    case CasillaHr2: return EditHr2;
    default: return nullptr;
    }
}

void TForm1::PintaAvisos()
{
    // Tres interruptores y dos opciones: cada marca dice la verdad. "Activar
    // avisos " con los tres encendidos, "Desactivar avisos" con los tres
    // apagados; si difieren (al empezar el de la carga del relleno está
    // apagado, o un No ha callado uno), ninguna de las dos.
    const int encendidos = p_.AvisoCalculo + p_.AvisoEspesor + p_.AvisoAnchura;
    Activarmensajes1->setChecked(encendidos == 3);
    Desactivarmensajes1->setChecked(encendidos == 0);
}

void TForm1::PintaPaneles()
{
    const bool zanja = GrupoZanja(p_);
    PanelB->setVisible(zanja);
    PanelH1r->setVisible(!zanja);
    lmrelleno->setText(zanja ? "λμ′ =" : "λμ =");
}

void TForm1::TabbedNotebook1Click()
{
    claseFa->clear();
    // El apoyo elegido era de la otra instalación: ni su Fa ni su clase valen aquí.
    p_.Tipo = 14;
    p_.InstalacionIndex = static_cast<std::uint8_t>(TabbedNotebook1->currentIndex());
    const CambioInstalacion cambio = CambiaInstalacion(p_, EditB->text().toStdString());
    if (cambio.borraRelleno) {
        EditFi->setText("0");
        EditFi1->setText("0");
        EditGamma->setText("0");
    }
    MuestraRozamientoParamentos();
    p_.Modificado = 1;
    p_.Fa = 0;
    EFap->setText("0");
    PintaPaneles();
    if (cambio.releeB) {
        p_.b = cambio.b;
        if (cambio.rehaceB)
            EditB->setText("0");
    }
    CompruebaHr();
}

void TForm1::MuestraRozamientoParamentos()
{
    const bool sinParamentos = SinParamentosDeZanja(p_);
    for (QWidget* control : {static_cast<QWidget*>(LRU1), static_cast<QWidget*>(Label33),
                             static_cast<QWidget*>(EditFi1), static_cast<QWidget*>(Label35)})
        control->setVisible(!sinParamentos);
}

void TForm1::modificar()
{
    p_.Modificado = 1;
}

void TForm1::Activarmensajes1Click()
{
    p_.AvisoCalculo = p_.AvisoEspesor = p_.AvisoAnchura = 1;
    PintaAvisos();
}

void TForm1::Desactivarmensajes1Click()
{
    p_.AvisoCalculo = p_.AvisoEspesor = p_.AvisoAnchura = 0;
    PintaAvisos();
}

bool TForm1::SubeAlturaRelleno(const std::string& pregunta)
{
    if (Mensaje(QString::fromStdString(pregunta), TituloAviso, BotonesSiNo | IconoPregunta) !=
        RespuestaSi)
        return false;
    // Si la casilla ya muestra "1" (hr = 0.9999, por ejemplo) no cambiaría su
    // texto: se lee de nuevo.
    if (EditHr->text() == "1")
        EditHrChange();
    else
        EditHr->setText("1");
    return true;
}

void TForm1::PonTitulo(const QString& archivo)
{
    setWindowTitle("Cálculo mecánico de tubos [" + archivo + "]");
}

void TForm1::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (mostrada_)
        return;
    mostrada_ = true;
    // La presentación sale después, sobre la ventana principal ya visible.
    if (ConPresentacion)
        QMetaObject::invokeMethod(
            this,
            [this] {
                TPrimera presentacion(this);
                presentacion.exec();
            },
            Qt::QueuedConnection);
    PintaAvisos();
}

void TForm1::closeEvent(QCloseEvent* evento)
{
    // Cerrar por la barra de título pregunta lo mismo que "Salir".
    if (p_.Modificado == 1 && Mensaje("¿Seguro que desea salir sin guardar datos?", TituloAtencion,
                                      BotonesAceptarCancelar) != RespuestaAceptar) {
        evento->ignore();
        return;
    }
    evento->accept();
}

void TForm1::DatosdelaObra1Click()
{
    TDatosObra datos(p_, FVariables, this);
    datos.exec();
}

void TForm1::Acercade2Click()
{
    TAcercaDe acerca(FVariables, this);
    acerca.exec();
}

void TForm1::SalirClick()
{
    close();
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento)
{
    if (FiltraClaseEnVivo(objeto, evento))
        return false;
    if (evento->type() == QEvent::ShortcutOverride) {
        // Los atajos de los menús son órdenes aunque el cursor esté en una
        // casilla: Ctrl+U no borra la línea ni Ctrl+X corta. Sin aceptar el
        // evento, el atajo llega a su orden.
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const QKeySequence secuencia(
            QKeyCombination(tecla->modifiers() & ~Qt::KeypadModifier, Qt::Key(tecla->key())));
        for (const QAction* opcion : menuBar()->findChildren<QAction*>())
            if (!opcion->shortcut().isEmpty() && opcion->shortcut() == secuencia)
                return true;
    }
    if (SaleDeLaCasilla(evento)) {
        TerminaTecleo(objeto);
        NormalizaCasilla(objeto);
        if (objeto == EditEs)
            CompruebaEs();
        else if (objeto == EditHr || objeto == EditDi)
            CompruebaHr();  // con otro diámetro, al dejarlo; no a cada tecla
        else if (objeto == EditB)
            CompruebaB();
        else if (objeto == EditH1r)
            EditH1rExit();
        else if (objeto == EditH2r)
            EditH2rExit();
        else if (objeto == EditB2)
            EditB2Exit();
        else if (objeto == EditHr2)
            EditHr2Exit();
        // Una respuesta a las preguntas de la salida cambia el registro sin pasar por una casilla.
        ProgramaClaseEnVivo();
    }
    return QMainWindow::eventFilter(objeto, evento);
}
