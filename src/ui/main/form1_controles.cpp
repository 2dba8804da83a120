// Construcción de la ventana principal: menús, controles y su disposición.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "ayuda.h"
#include "dibujos.h"
#include "form1.h"
#include "listas.h"
#include "rotulos.h"

namespace {

QLineEdit* Casilla(const char* nombre, int contexto)
{
    auto* casilla = new QLineEdit("0");
    casilla->setObjectName(nombre);
    casilla->setAlignment(Qt::AlignRight);
    casilla->setFixedWidth(58);
    if (contexto >= 0)
        FijaContextoAyuda(casilla, contexto);
    return casilla;
}

QComboBox* Lista(const char* nombre, const ListaTextos& textos)
{
    auto* lista = new QComboBox;
    lista->setObjectName(nombre);
    // Los textos largos no deben ensanchar la ventana: la lista desplegada los muestra enteros.
    lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lista->setMinimumContentsLength(12);
    for (std::size_t i = 0; i < textos.numero; ++i)
        lista->addItem(QString::fromUtf8(textos.textos[i]));
    return lista;
}

QFrame* Panel(const char* nombre)
{
    auto* panel = new QFrame;
    panel->setObjectName(nombre);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

// Un control que se oculta y se vuelve a mostrar guarda su sitio mientras está
// oculto: lo de alrededor no se mueve y la ventana no crece al mostrarlo.
void Reserva(QWidget* control)
{
    QSizePolicy politica = control->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    control->setSizePolicy(politica);
}

// Una fila "Rótulo  símbolo [casilla] unidad" de una rejilla.
void Fila(QGridLayout* rejilla, int fila, QLabel* rotulo, const QString& simbolo, QWidget* casilla,
          const QString& unidad)
{
    rejilla->addWidget(rotulo, fila, 0);
    rejilla->addWidget(Rotulo(simbolo), fila, 1, Qt::AlignRight);
    rejilla->addWidget(casilla, fila, 2);
    rejilla->addWidget(Rotulo(unidad), fila, 3);
}

// Pone el control en la única celda de la rejilla, que comparte con los que se
// turnan con él, y hace que su sitio se guarde aunque esté oculto: así la
// ventana tiene un solo tamaño, el que pide el mayor de ellos.
void Superpone(QGridLayout* rejilla, QWidget* control, Qt::Alignment alineacion = {})
{
    Reserva(control);
    rejilla->addWidget(control, 0, 0, alineacion);
}

QGridLayout* Rejilla(QWidget* padre)
{
    auto* rejilla = new QGridLayout(padre);
    rejilla->setContentsMargins(6, 4, 6, 4);
    rejilla->setHorizontalSpacing(4);
    rejilla->setVerticalSpacing(3);
    rejilla->setColumnStretch(4, 1);
    return rejilla;
}

}  // namespace

void TForm1::CreaMenus()
{
    // Una orden de menú ve lo que la casilla en curso muestra, no lo tecleado a medias.
    auto anade = [this](QMenu* menu, const QString& texto, const QKeySequence& atajo, int contexto,
                        std::function<void(TForm1*)> orden) {
        QAction* opcion = menu->addAction(texto);
        opcion->setShortcut(atajo);
        if (contexto >= 0)
            FijaContextoAyuda(opcion, contexto);
        connect(opcion, &QAction::triggered, this, [this, orden = std::move(orden)] {
            TerminaTecleo(QApplication::focusWidget());
            orden(this);
        });
        return opcion;
    };

    QMenu* archivo = menuBar()->addMenu("&Archivo");
    FijaContextoAyuda(archivo->menuAction(), 10);
    anade(archivo, "A&brir fich. datos", QKeySequence("Ctrl+B"), 11, &TForm1::AbrirClick);
    anade(archivo, "Limpiar &Datos", QKeySequence("Ctrl+D"), 12, &TForm1::LimpiarDatos1Click);
    anade(archivo, "&Guardar datos", QKeySequence("Ctrl+G"), 13, &TForm1::GuardarClick);
    anade(archivo, "Guardar c&omo", QKeySequence("Ctrl+O"), 14, &TForm1::Guardarcomo1Click);
    archivo->addSeparator();
    anade(archivo, "Exportar &sección (DXF)…", {}, 10, &TForm1::ExportarSeccionClick)
        ->setObjectName("ExportarSeccion");
    archivo->addSeparator();
    anade(archivo, "&Especificar impresora", QKeySequence("Ctrl+E"), 15, &TForm1::Imprimir1Click);
    archivo->addSeparator();
    anade(archivo, "Salir", QKeySequence("Alt+F4"), 16, &TForm1::SalirClick);

    QMenu* calculos = menuBar()->addMenu("&Cálculos");
    FijaContextoAyuda(calculos->menuAction(), 21);
    anade(calculos, "Calcular &todo UNE", QKeySequence("Ctrl+T"), 22,
          [](TForm1* ventana) { ventana->CalculartodoClick(0); });
    anade(calculos, "Calcular t&odo ASTM", QKeySequence("Ctrl+X"), 22,
          [](TForm1* ventana) { ventana->CalculartodoClick(1); });
    anade(calculos, "Ca&lcular Carga", QKeySequence("Ctrl+L"), 23, &TForm1::CalcularSoloCarga);
    anade(calculos, "Calcular Clase Resistente &UNE", QKeySequence("Ctrl+U"), -1,
          &TForm1::CalcularClaseResistenteUNE);
    anade(calculos, "Calcular Clase Resistente A&STM", QKeySequence("Ctrl+S"), -1,
          &TForm1::CalcularClaseResistenteASTM);
    anade(calculos, "Clase según altura de relleno", {}, 26, &TForm1::ClaseSegunAltura);
    anade(calculos, "T&ramos…", {}, 27, &TForm1::TramosClick)->setObjectName("TramosMenu");
    QAction* memoria = calculos->addAction("&Memoria de Cálculo");
    memoria->setShortcut(QKeySequence("Ctrl+M"));
    FijaContextoAyuda(memoria, 33);
    connect(memoria, &QAction::triggered, this, [] { AbreAyuda(33); });
    anade(calculos, "&Anejo de cálculo (PDF)…", {}, 34, &TForm1::AnejoCalculoClick)
        ->setObjectName("AnejoCalculo");

    QMenu* obra = menuBar()->addMenu("&Obra");
    anade(obra, "&Datos de la Obra", {}, -1, &TForm1::DatosdelaObra1Click);

    QMenu* opciones = menuBar()->addMenu("&Opciones");
    Activarmensajes1 = anade(opciones, "Activar avisos ", {}, -1, &TForm1::Activarmensajes1Click);
    Desactivarmensajes1 =
        anade(opciones, "Desactivar avisos", {}, -1, &TForm1::Desactivarmensajes1Click);
    Activarmensajes1->setObjectName("Activarmensajes1");
    Desactivarmensajes1->setObjectName("Desactivarmensajes1");
    Activarmensajes1->setCheckable(true);
    Desactivarmensajes1->setCheckable(true);

    QMenu* interrogacion = menuBar()->addMenu("?");
    anade(interrogacion, "Acerca de...", {}, -1, &TForm1::Acercade2Click);
    QAction* ayuda = interrogacion->addAction("Ayuda");
    connect(ayuda, &QAction::triggered, this, [] { AbreAyuda(0); });
}

QWidget* TForm1::CreaInstalacion()
{
    TabbedNotebook1 = new QTabWidget;
    TabbedNotebook1->setObjectName("TabbedNotebook1");
    TabbedNotebook1->setUsesScrollButtons(false);
    // Las cuatro pestañas caben en una fila.
    TabbedNotebook1->setStyleSheet(
        "QTabBar::tab { padding: 3px 5px; border: 1px solid #a0a0a0; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e4e4e4;"
        " margin-right: 1px; margin-top: 2px; }"
        "QTabBar::tab:selected { background: palette(window); margin-top: 0px; }");
    QFont letraPestanas = TabbedNotebook1->font();
    letraPestanas.setPointSizeF(letraPestanas.pointSizeF() * 0.9);
    TabbedNotebook1->tabBar()->setFont(letraPestanas);
    FijaContextoAyuda(TabbedNotebook1, 120);

    Croquis** croquis[] = {&Image1, &Image2, &Image3, &Image4};
    for (int i = 0; i < 4; ++i) {
        auto* pagina = new QWidget;
        auto* disposicion = new QVBoxLayout(pagina);
        disposicion->setContentsMargins(4, 4, 4, 4);
        *croquis[i] = new Croquis(
            [i](QPainter& pintor, const QRectF& zona) { DibujaInstalacion(pintor, zona, i); });
        (*croquis[i])->setObjectName(QString("Image%1").arg(i + 1));
        disposicion->addWidget(*croquis[i], 1);
        TabbedNotebook1->addTab(pagina, QString::fromUtf8(ListaInstalaciones.textos[i]));

        if (i == 2) {  // zanja terraplenada: altura de la base del terraplén
            EditH2r = Casilla("EditH2r", 127);
            auto* fila = new QHBoxLayout;
            fila->addWidget(Negrita("Altura base terraplén:"));
            fila->addStretch();
            fila->addWidget(Rotulo("h″r="));
            fila->addWidget(EditH2r);
            fila->addWidget(Rotulo("m"));
            disposicion->addLayout(fila);
        } else if (i == 3) {  // zanja inducida: anchura y profundidad
            EditB2 = Casilla("EditB2", 125);
            EditHr2 = Casilla("EditHr2", 125);
            auto* fila = new QHBoxLayout;
            fila->addWidget(Negrita("Zanja Inducida:"));
            fila->addStretch();
            fila->addWidget(Rotulo("b2="));
            fila->addWidget(EditB2);
            fila->addWidget(Rotulo("m"));
            fila->addSpacing(8);
            fila->addWidget(Rotulo("hr2="));
            fila->addWidget(EditHr2);
            fila->addWidget(Rotulo("m"));
            disposicion->addLayout(fila);
        }
    }
    return TabbedNotebook1;
}

QWidget* TForm1::CreaTubo()
{
    auto* columna = new QWidget;
    auto* disposicion = new QVBoxLayout(columna);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(4);

    QFrame* Panel2 = Panel("Panel2");
    auto* tubo = Rejilla(Panel2);
    EditDi = new QComboBox;
    EditDi->setObjectName("EditDi");
    EditDi->setEditable(true);
    EditDi->setInsertPolicy(QComboBox::NoInsert);
    EditDi->setCompleter(nullptr);  // lo tecleado no se completa solo con un diámetro de la lista
    EditDi->addItems({"300", "400", "500", "600", "800", "1000", "1200", "1400", "1500", "1600",
                      "1800", "2000", "2500", "3000"});
    EditDi->setEditText("0");
    EditDi->setFixedWidth(72);
    EditDi->lineEdit()->setAlignment(Qt::AlignRight);
    FijaContextoAyuda(EditDi, 121);
    EditEs = Casilla("EditEs", 122);
    EditDe = Casilla("EditDe", 123);
    EditDe->setReadOnly(true);
    EditDe->setFocusPolicy(Qt::ClickFocus);
    QPalette gris = EditDe->palette();
    gris.setColor(QPalette::Base, palette().color(QPalette::Window));
    EditDe->setPalette(gris);
    Fila(tubo, 0, Negrita("Diámetro interior tubo:"), "Di=", EditDi, "mm");
    Fila(tubo, 1, Negrita("Espesor tubo:"), "Es=", EditEs, "mm");
    Fila(tubo, 2, Negrita("Diámetro exterior tubo:"), "De=", EditDe, "mm");
    disposicion->addWidget(Panel2);

    QFrame* Panel4 = Panel("Panel4");
    EditHr = Casilla("EditHr", 125);
    Fila(Rejilla(Panel4), 0, Negrita("Altura del relleno:"), "hr=", EditHr, "m");
    disposicion->addWidget(Panel4);

    PanelH1r = Panel("PanelH1r");
    EditH1r = Casilla("EditH1r", 126);
    Fila(Rejilla(PanelH1r), 0, Negrita("Altura sobre base terraplén:"), "h′r= ", EditH1r, "m");

    PanelB = Panel("PanelB");
    EditB = Casilla("EditB", 128);
    Button1 = new QPushButton("&Obtener");
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    auto* anchura = Rejilla(PanelB);
    Fila(anchura, 0, Negrita("Anchura de la zanja:"), "b= ", EditB, "m");
    anchura->addWidget(Button1, 0, 4, Qt::AlignRight);
    // Los dos paneles se turnan en el mismo sitio, con el tamaño del mayor.
    auto* turno = new QGridLayout;
    Superpone(turno, PanelH1r);
    Superpone(turno, PanelB);
    disposicion->addLayout(turno);
    return columna;
}

QWidget* TForm1::CreaApoyo()
{
    auto* columna = new QWidget;
    auto* disposicion = new QVBoxLayout(columna);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(4);

    QFrame* Panel3 = Panel("Panel3");
    auto* apoyo = new QHBoxLayout(Panel3);
    apoyo->setContentsMargins(6, 4, 6, 4);
    EFap = Casilla("EFap", 124);
    claseFa = Rotulo("", "claseFa");
    claseFa->setMinimumWidth(14);
    Button2 = new QPushButton("&Predefinidos");
    Button2->setObjectName("Button2");
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    LClaseTerraplen = Rotulo("A", "LClaseTerraplen");
    LClaseTerraplen->setStyleSheet("color: gray;");
    apoyo->addWidget(Negrita("Factor de apoyo:"));
    apoyo->addWidget(EFap);
    apoyo->addWidget(claseFa);
    apoyo->addStretch();
    apoyo->addWidget(Button2);
    apoyo->addWidget(LClaseTerraplen);
    disposicion->addWidget(Panel3);

    QFrame* Panel1 = Panel("Panel1");
    auto* base = new QHBoxLayout(Panel1);
    base->setContentsMargins(6, 4, 6, 4);
    ComboBase = Lista("ComboBase", ListaBases);
    // Cerrada se lee entera, también la base más larga.
    ComboBase->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBase->setMinimumContentsLength(0);
    base->addWidget(Negrita("Tipo de base:"));
    base->addWidget(ComboBase, 1);
    disposicion->addWidget(Panel1);
    return columna;
}

QWidget* TForm1::CreaRelleno()
{
    auto* grupo = new QGroupBox("DATOS DEL RELLENO");
    auto* disposicion = new QVBoxLayout(grupo);
    disposicion->setContentsMargins(6, 4, 6, 4);
    disposicion->setSpacing(3);
    ComboRelleno = Lista("ComboRelleno", ListaRellenos);
    FijaContextoAyuda(ComboRelleno, 105);
    auto* fila = new QHBoxLayout;
    fila->addWidget(Negrita("Relleno:"));
    fila->addWidget(ComboRelleno, 1);
    disposicion->addLayout(fila);

    // Relleno definido por el usuario.
    PanelRellenoUsuario = new QWidget;
    PanelRellenoUsuario->setObjectName("PanelRellenoUsuario");
    auto* usuario = Rejilla(PanelRellenoUsuario);
    usuario->setContentsMargins(0, 0, 0, 0);
    EditFi1 = Casilla("EditFi1", 105);
    EditFi = Casilla("EditFi", 105);
    EditGamma = Casilla("EditGamma", 105);
    LRU1 = Rotulo("Rozamiento relleno-paramentos zanja:", "LRU1");
    Label33 = Rotulo("φ′=", "Label33");
    Label35 = Rotulo("grados", "Label35");
    for (QWidget* control : {static_cast<QWidget*>(LRU1), static_cast<QWidget*>(Label33),
                             static_cast<QWidget*>(EditFi1), static_cast<QWidget*>(Label35)})
        Reserva(control);
    usuario->addWidget(LRU1, 0, 0);
    usuario->addWidget(Label33, 0, 1, Qt::AlignRight);
    usuario->addWidget(EditFi1, 0, 2);
    usuario->addWidget(Label35, 0, 3);
    Fila(usuario, 1, Rotulo("Rozamiento interno del relleno:"), "φ=", EditFi, "grados");
    Fila(usuario, 2, Rotulo("Peso específico del relleno:"), "γ=", EditGamma, "kN/m³");

    // Rellenos tabulados: sus valores.
    PanelNoRellenoUsuario = new QWidget;
    PanelNoRellenoUsuario->setObjectName("PanelNoRellenoUsuario");
    auto* tabulado = new QHBoxLayout(PanelNoRellenoUsuario);
    tabulado->setContentsMargins(0, 0, 0, 0);
    lmrelleno = Rotulo("λμ′ =", "lmrelleno");
    LLambdami = Rotulo("", "LLambdami");
    LPeso = Rotulo("", "LPeso");
    tabulado->addWidget(lmrelleno);
    tabulado->addWidget(LLambdami);
    tabulado->addSpacing(16);
    tabulado->addWidget(Rotulo("γ ="));
    tabulado->addWidget(LPeso);
    tabulado->addStretch();
    // Los dos paneles ocupan el mismo sitio, con la altura del de usuario.
    auto* turno = new QGridLayout;
    Superpone(turno, PanelRellenoUsuario);
    Superpone(turno, PanelNoRellenoUsuario, Qt::AlignTop);
    disposicion->addLayout(turno);
    disposicion->addStretch();
    return grupo;
}

QWidget* TForm1::CreaSobrecargas()
{
    auto* grupo = new QGroupBox("SOBRECARGAS");
    auto* rejilla = Rejilla(grupo);
    EditQp = Casilla("EditQp", 109);
    EditD = Casilla("EditD", 109);
    EditQs = Casilla("EditQs", 110);
    EditPq = Casilla("EditPq", 112);
    ComboCompactador = Lista("ComboCompactador", ListaCompactadores);
    FijaContextoAyuda(ComboCompactador, 112);
    Lab_comp = Rotulo("0 kN/m", "Lab_comp");
    Fila(rejilla, 0, Negrita("Puntual:"), "", EditQp, "t.");
    Fila(rejilla, 1, Rotulo("Distancia:"), "", EditD, "m.");
    Fila(rejilla, 2, Negrita("Distribuida en superficie:"), "", EditQs, "t/m2.");
    rejilla->addWidget(Negrita("Compactador:"), 3, 0);
    rejilla->addWidget(ComboCompactador, 3, 1, 1, 4);
    Fila(rejilla, 4, Rotulo("Carga por m. de ancho rodillo:"), "", EditPq, "t/m");
    rejilla->addWidget(Lab_comp, 5, 2, 1, 3);
    rejilla->setRowStretch(6, 1);
    return grupo;
}

QWidget* TForm1::CreaTrafico()
{
    auto* grupo = new QGroupBox;
    auto* disposicion = new QVBoxLayout(grupo);
    disposicion->setContentsMargins(6, 4, 6, 4);
    disposicion->setSpacing(3);
    Lqt = Rotulo("0 kN/m", "Lqt");
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Negrita("Producida por el tráfico:"));
    cabecera->addWidget(Lqt);
    cabecera->addStretch();
    disposicion->addLayout(cabecera);

    TabTrafico = new QTabWidget;
    TabTrafico->setObjectName("TabTrafico");
    FijaContextoAyuda(TabTrafico, 111);

    auto* carretera = new QWidget;
    auto* filaCarretera = new QVBoxLayout(carretera);
    ComboCarretera = Lista("ComboCarretera", ListaCarreteras);
    filaCarretera->addWidget(ComboCarretera);
    filaCarretera->addStretch();
    TabTrafico->addTab(carretera, QString::fromUtf8(ListaTraficos.textos[0]));

    auto* ferroviaria = new QWidget;
    auto* via = Rejilla(ferroviaria);
    ComboVia = Lista("ComboVia", ListaVias);
    ComboBox1 = Lista("ComboBox1", ListaSentidosVia);
    Editdh = Casilla("Editdh", -1);
    EditNVias = Casilla("EditNVias", -1);
    EditVTren = Casilla("EditVTren", -1);
    Label42 = Rotulo(" Distancia 1ª via:", "Label42");
    Label46 = Rotulo("dh=", "Label46");
    Label49 = Rotulo("m.", "Label49");
    for (QWidget* control : {static_cast<QWidget*>(Label42), static_cast<QWidget*>(Label46),
                             static_cast<QWidget*>(Editdh), static_cast<QWidget*>(Label49)})
        Reserva(control);
    via->addWidget(Rotulo("Tipo de Via:"), 0, 0);
    via->addWidget(ComboVia, 0, 1, 1, 4);
    via->addWidget(Rotulo("Sentido via:"), 1, 0);
    via->addWidget(ComboBox1, 1, 1, 1, 4);
    via->addWidget(Label42, 2, 0);
    via->addWidget(Label46, 2, 1, Qt::AlignRight);
    via->addWidget(Editdh, 2, 2);
    via->addWidget(Label49, 2, 3);
    Fila(via, 3, Rotulo(" Nº de vias:"), "", EditNVias, "");
    Fila(via, 4, Rotulo(" Velocidad (máx 200)"), "", EditVTren, "km/h.");
    TabTrafico->addTab(ferroviaria, QString::fromUtf8(ListaTraficos.textos[1]));

    auto* aeropuerto = new QWidget;
    auto* filaAeropuerto = new QVBoxLayout(aeropuerto);
    ComboAeropuerto = Lista("ComboAeropuerto", ListaAeropuertos);
    filaAeropuerto->addWidget(ComboAeropuerto);
    filaAeropuerto->addStretch();
    TabTrafico->addTab(aeropuerto, QString::fromUtf8(ListaTraficos.textos[2]));

    disposicion->addWidget(TabTrafico, 1);
    return grupo;
}

void TForm1::CreaControles()
{
    auto* central = new QWidget;
    auto* rejilla = new QGridLayout(central);
    rejilla->setContentsMargins(6, 6, 6, 6);
    rejilla->setSpacing(6);
    auto* derecha = new QWidget;
    auto* columna = new QVBoxLayout(derecha);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(4);
    columna->addWidget(CreaTubo());
    columna->addWidget(CreaApoyo());
    columna->addStretch();
    rejilla->addWidget(CreaInstalacion(), 0, 0);
    rejilla->addWidget(CreaRelleno(), 1, 0);
    rejilla->addWidget(derecha, 0, 1);
    rejilla->addWidget(CreaSobrecargas(), 2, 0);
    rejilla->addWidget(CreaTrafico(), 1, 1, 2, 1);
    rejilla->setColumnStretch(0, 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(0, 1);
    setCentralWidget(central);
}
