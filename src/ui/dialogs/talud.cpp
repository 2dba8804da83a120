// Diálogo del ancho de zanja: talud H:V, resguardo lateral, espesor de cama y
// las dos anchuras (suelo y roca), con el medio croquis de la zanja.

#include "talud.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>
#include <tuple>

#include "ayuda.h"
#include "casillas.h"
#include "mensaje.h"
#include "numero.h"
#include "numero_qt.h"
#include "proyecto.h"
#include "rotulos.h"
#include "zanja.h"

namespace {

// Estado del módulo, no de cada diálogo: dura toda la ejecución.
struct EstadoTalud {
    double cSuelo = 0, cRoca = 0;  // espesor de cama (m)
    double bSuelo = 0, bRoca = 0;  // anchura de zanja (m)
    QString textoH, textoV;        // Edit1 y Edit2 en el último repintado
};
EstadoTalud estado;

const int ContextoTalud = 51;
const char* const TituloInformacion = "Información";
const char* const TituloConfirmacion = "Confirmación";

// Fondo del diálogo: el talud se borra pintándolo de este color.
QColor ColorFondo()
{
    return QColor(0, 128, 128);  // teal
}

// El número de la casilla, si lo que tiene escrito es uno.
std::optional<double> Lee(const QLineEdit* caja)
{
    const NumeroTecleado leido = LeeCasilla(caja->text());
    if (leido.estado != Tecleo::Valido)
        return std::nullopt;
    return leido.valor;
}

// Mensaje de confirmación de un solo botón: true si se ha contestado.
bool Confirma(const std::string& texto)
{
    return Mensaje(QString::fromStdString(texto), TituloConfirmacion, BotonSi | IconoPregunta) ==
           RespuestaSi;
}

// El medio croquis de la zanja, en píxeles del lienzo: eje del
// tubo en x = 30, plano de clave en y = 30, base del tubo en y = 130 y fondo
// de la zanja en y = 160. El talud se redibuja entero cada vez que cambia.
class DibujoTalud : public QWidget {
public:
    DibujoTalud(const Proyecto& proyecto, QWidget* padre = nullptr) : QWidget(padre), p_(proyecto)
    {
        setFixedSize(Ancho, Alto);
    }

    static constexpr int Ancho = 262;
    static constexpr int Alto = 198;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter g(this);
        QFont letra = g.font();
        letra.setPixelSize(11);
        g.setFont(letra);
        Fijo(g);
        Talud(g);
    }

private:
    static void Pluma(QPainter& g, int ancho, Qt::PenStyle estilo = Qt::SolidLine)
    {
        g.setPen(QPen(Qt::black, ancho, estilo, Qt::SquareCap, Qt::MiterJoin));
    }

    // Punta de flecha con el vértice en (x, y) y la dirección (dx, dy).
    static void Flecha(QPainter& g, double x, double y, double dx, double dy)
    {
        const QPointF punta(x, y), atras(x - 6 * dx, y - 6 * dy), normal(-dy * 2.5, dx * 2.5);
        g.save();
        g.setRenderHint(QPainter::Antialiasing, true);
        g.setPen(Qt::NoPen);
        g.setBrush(Qt::black);
        g.drawPolygon(QPolygonF({punta, atras + normal, atras - normal}));
        g.restore();
    }

    static void Rotulo(QPainter& g, const QRect& zona, const QString& texto)
    {
        g.setPen(Qt::black);
        g.drawText(zona, Qt::AlignCenter, texto);
    }

    // Lo que no depende del talud: tubo, eje, fondo, resguardo y cotas.
    static void Fijo(QPainter& g)
    {
        g.setRenderHint(QPainter::Antialiasing, true);
        Pluma(g, 2);
        g.drawArc(QRectF(30 - 50, 80 - 50, 100, 100), -90 * 16, 180 * 16);
        g.drawArc(QRectF(30 - 45, 80 - 45, 90, 90), -90 * 16, 180 * 16);
        g.setRenderHint(QPainter::Antialiasing, false);

        Pluma(g, 1);
        g.drawLine(30, 30, 30, 160);  // eje
        Pluma(g, 3);
        g.drawLine(30, 160, 110, 160);  // fondo
        Pluma(g, 1, Qt::DotLine);
        g.drawLine(110, 160, 110, 30);  // borde del resguardo
        Pluma(g, 1);
        g.drawLine(110, 30, 80, 30);
        Pluma(g, 1, Qt::DotLine);
        g.drawLine(80, 30, 80, 160);  // borde exterior del tubo
        Pluma(g, 1);
        g.drawLine(30, 30, 80, 30);  // plano de clave

        // Cota de la izquierda: de (30-130) y c (130-160).
        g.drawLine(15, 30, 15, 160);
        for (int y : {30, 130, 160})
            g.drawLine(10, y, 20, y);
        Flecha(g, 15, 30, 0, -1);
        Flecha(g, 15, 130, 0, 1);
        Flecha(g, 15, 130, 0, -1);
        Flecha(g, 15, 160, 0, 1);
        Rotulo(g, QRect(0, 72, 14, 16), "de");
        Rotulo(g, QRect(0, 137, 14, 16), "c");

        // Cota del resguardo lateral.
        Pluma(g, 1);
        g.drawLine(80, 175, 110, 175);
        g.drawLine(80, 170, 80, 180);
        g.drawLine(110, 170, 110, 180);
        Flecha(g, 80, 175, -1, 0);
        Flecha(g, 110, 175, 1, 0);
        Rotulo(g, QRect(35, 181, 120, 16), "Resguardo Lateral");
    }

    // Pared de la zanja, terreno y cota b / 2, con e = 110 + trunc(130·H/V).
    void Talud(QPainter& g) const
    {
        if (p_.TaludV == 0)
            return;  // no ocurre: H y V están entre 1 y 99
        const double ancho = std::trunc(130 * p_.TaludH / p_.TaludV);
        if (!(std::fabs(ancho) < 1e6))
            return;
        const int e = 110 + static_cast<int>(ancho);
        Pluma(g, 3);
        g.drawLine(111, 160, e + 1, 30);
        Pluma(g, 1);
        g.drawLine(110, 30, e + 1, 30);
        g.drawLine(30, 15, 60, 15);
        g.drawLine(100, 15, e, 15);
        g.drawLine(30, 10, 30, 20);
        g.drawLine(e, 10, e, 20);
        Flecha(g, 30, 15, -1, 0);
        Flecha(g, e, 15, 1, 0);
        Rotulo(g, QRect(60, 8, 40, 15), "b / 2");
    }

    const Proyecto& p_;
};

QLineEdit* NuevaCasilla(const char* nombre, const QString& texto, int ancho)
{
    auto* casilla = new QLineEdit(texto);
    casilla->setObjectName(nombre);
    casilla->setAlignment(Qt::AlignRight);
    casilla->setFixedWidth(ancho);
    return casilla;
}

// Botón de giro: una flecha arriba y otra abajo, que repiten si se mantienen.
QWidget* NuevoGiro(const char* nombre, QToolButton*& arriba, QToolButton*& abajo)
{
    auto* giro = new QWidget;
    giro->setObjectName(nombre);
    auto* columna = new QVBoxLayout(giro);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    const QString base = QString::fromLatin1(nombre);
    for (auto [boton, flecha, sufijo] :
         {std::tuple{&arriba, Qt::UpArrow, "Up"}, std::tuple{&abajo, Qt::DownArrow, "Down"}}) {
        *boton = new QToolButton;
        (*boton)->setObjectName(base + sufijo);
        (*boton)->setArrowType(flecha);
        (*boton)->setFixedSize(17, 11);
        (*boton)->setAutoRepeat(true);
        (*boton)->setFocusPolicy(Qt::NoFocus);
        columna->addWidget(*boton);
    }
    return giro;
}

QFrame* NuevoMarco(const char* nombre)
{
    auto* marco = new QFrame;
    marco->setObjectName(nombre);
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setFrameShadow(QFrame::Raised);
    return marco;
}

QPushButton* NuevoBoton(const QString& texto, const char* nombre)
{
    auto* boton = new QPushButton(texto);
    boton->setObjectName(nombre);
    boton->setAutoDefault(false);  // Intro en una casilla no elige nada
    return boton;
}

}  // namespace

TFTalud::TFTalud(const Proyecto& proyecto, QWidget* padre) : QDialog(padre), p_(proyecto)
{
    setObjectName("FTalud");
    setWindowTitle("Cálculo del ancho de zanja");
    FijaContextoAyuda(this, ContextoTalud);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, ColorFondo());
    setPalette(fondo);
    setAutoFillBackground(true);
    CreaControles();

    connect(Edit1, &QLineEdit::textChanged, this, &TFTalud::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TFTalud::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TFTalud::Edit3Change);
    for (QLineEdit* casilla : {Edit1, Edit2, Edit3})
        casilla->installEventFilter(this);
    connect(SpinButton1Up, &QToolButton::clicked, this, &TFTalud::SpinButton1UpClick);
    connect(SpinButton1Down, &QToolButton::clicked, this, &TFTalud::SpinButton1DownClick);
    connect(SpinButton2Up, &QToolButton::clicked, this, &TFTalud::SpinButton2UpClick);
    connect(SpinButton2Down, &QToolButton::clicked, this, &TFTalud::SpinButton2DownClick);
    connect(Button1, &QPushButton::clicked, this, &TFTalud::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFTalud::Button2Click);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [] { AbreAyuda(ContextoTalud); });
}

void TFTalud::CreaControles()
{
    Dibujo = new DibujoTalud(p_);
    Dibujo->setObjectName("Dibujo");

    // Talud, resguardo y tubo, a la derecha del croquis.
    Edit1 = NuevaCasilla("Edit1", "1", 34);
    Edit2 = NuevaCasilla("Edit2", "5", 34);
    Edit3 = NuevaCasilla("Edit3", "0", 52);
    SpinButton1 = NuevoGiro("SpinButton1", SpinButton1Up, SpinButton1Down);
    SpinButton2 = NuevoGiro("SpinButton2", SpinButton2Up, SpinButton2Down);
    Label15 = Rotulo("", "Label15");
    Lde = Rotulo("de= ", "Lde");

    auto* talud = new QHBoxLayout;
    talud->setSpacing(2);
    talud->addWidget(Rotulo("talud="));
    talud->addSpacing(4);
    talud->addWidget(Edit1);
    talud->addWidget(SpinButton1);
    talud->addSpacing(3);
    talud->addWidget(Rotulo(":"));
    talud->addSpacing(3);
    talud->addWidget(Edit2);
    talud->addWidget(SpinButton2);
    talud->addStretch();

    auto* resguardo = new QHBoxLayout;
    resguardo->setSpacing(4);
    resguardo->addWidget(Rotulo("resguardo lateral="));
    resguardo->addWidget(Edit3);
    resguardo->addWidget(Rotulo("m."));
    resguardo->addStretch();

    auto* diametro = new QHBoxLayout;
    diametro->setSpacing(4);
    diametro->addWidget(Rotulo("DN = Di ="));
    diametro->addWidget(Label15);
    diametro->addStretch();

    auto* datos = new QVBoxLayout;
    datos->setSpacing(8);
    datos->addSpacing(20);
    datos->addWidget(Rotulo("Talud de las paredes (H : V)"));
    datos->addLayout(talud);
    datos->addSpacing(6);
    datos->addLayout(resguardo);
    datos->addSpacing(6);
    datos->addLayout(diametro);
    datos->addWidget(Lde);
    datos->addStretch();

    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(12);
    arriba->addWidget(Dibujo, 0, Qt::AlignTop);
    arriba->addLayout(datos);

    // Una fila por terreno: c, b y el botón que la elige.
    auto fila = [](QFrame* marco, QLabel* terreno, QLabel* c, QLabel* b, QPushButton* boton) {
        auto* disposicion = new QHBoxLayout(marco);
        disposicion->setContentsMargins(8, 4, 8, 4);
        disposicion->setSpacing(4);
        terreno->setFixedWidth(56);
        c->setFixedWidth(40);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->setFixedWidth(64);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        disposicion->addWidget(terreno);
        disposicion->addWidget(Rotulo("c="));
        disposicion->addWidget(c);
        disposicion->addWidget(Rotulo("m."));
        disposicion->addSpacing(18);
        disposicion->addWidget(Rotulo("b="));
        disposicion->addWidget(b);
        disposicion->addSpacing(8);
        disposicion->addWidget(boton);
        disposicion->addStretch();
    };
    LTerreno = Rotulo("Terreno", "LTerreno");
    LSuelo = Rotulo("Suelo", "LSuelo");
    LRoca = Rotulo("Roca", "LRoca");
    QFont negrita = LTerreno->font();
    negrita.setBold(true);
    for (QLabel* rotulo : {LTerreno, LSuelo, LRoca})
        rotulo->setFont(negrita);
    LC1 = Rotulo("0", "LC1");
    LC2 = Rotulo("0", "LC2");
    Lb1 = Rotulo("0 m.", "Lb1");
    Lb2 = Rotulo("0 m.", "Lb2");
    Button1 = NuevoBoton("<- S&eleccionar", "Button1");
    Button2 = NuevoBoton("<- Se&leccionar", "Button2");
    PanelSuelo = NuevoMarco("PanelSuelo");
    PanelRoca = NuevoMarco("PanelRoca");
    fila(PanelSuelo, LSuelo, LC1, Lb1, Button1);
    fila(PanelRoca, LRoca, LC2, Lb2, Button2);

    CancelBtn = NuevoBoton("&Cancelar", "CancelBtn");
    HelpBtn = NuevoBoton("&Ayuda", "HelpBtn");
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CancelBtn);
    botones->addWidget(HelpBtn);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
    disposicion->setSpacing(6);
    disposicion->addLayout(arriba);
    disposicion->addWidget(LTerreno);
    disposicion->addWidget(PanelSuelo);
    disposicion->addWidget(PanelRoca);
    disposicion->addSpacing(4);
    disposicion->addLayout(botones);
}

double TFTalud::AnguloTalud() const
{
    return AnguloTaludGrados(p_.TaludH, p_.TaludV);
}

void TFTalud::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // Volver de minimizado no es mostrar de nuevo, pero sí repintar.
    if (!evento->spontaneous())
        FormShow();
    FormPaint();
}

bool TFTalud::event(QEvent* evento)
{
    // El diálogo se repinta (y guarda el talud) cada vez que queda
    // descubierto, por ejemplo al cerrarse un mensaje sobre él.
    if (evento->type() == QEvent::WindowActivate && isVisible())
        FormPaint();
    return QDialog::event(evento);
}

bool TFTalud::eventFilter(QObject* objeto, QEvent* evento)
{
    if (SaleDeLaCasilla(evento)) {
        // Lo que quede a medio escribir se rehace con el valor en uso.
        const QScopedValueRollback<bool> saliendo(saliendo_, true);
        if (objeto == Edit1 && EstaAMedias(Edit1->text(), true))
            Edit1Change();
        else if (objeto == Edit2 && EstaAMedias(Edit2->text(), true))
            Edit2Change();
        else if (objeto == Edit3 && EstaAMedias(Edit3->text()))
            Edit3Change();
        if (objeto == Edit3)
            Edit3Exit();
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFTalud::FormShow()
{
    Label15->setText(GeneralQ(p_.Di * 1000) + " mm.");
    // El mínimo es el del talud que se va a ver, el del proyecto.
    p_.Resguardo = ResguardoMinimoDe(AnguloTalud(), p_.Di);
    Edit3->setText(TextoQ(p_.Resguardo));
    PintaEspesores();
    Lde->setText("de= " + TextoQ(p_.De) + " m.");
    PonH(RedondeaComponente(p_.TaludH));
    PonV(RedondeaComponente(p_.TaludV));
    Dibujo->update();
    p_.ResguardoMinimo = p_.Resguardo;
}

void TFTalud::FormPaint()
{
    estado.textoH = Edit1->text();
    estado.textoV = Edit2->text();
    PonH(RedondeaComponente(p_.TaludH));
    PonV(RedondeaComponente(p_.TaludV));
    Dibujo->update();
}

void TFTalud::PintaEspesores()
{
    const EspesoresTalud espesores = EspesoresCamaTalud(p_);
    estado.cSuelo = espesores.suelo;
    estado.cRoca = espesores.roca;
    for (QWidget* control :
         {static_cast<QWidget*>(LTerreno), static_cast<QWidget*>(LSuelo),
          static_cast<QWidget*>(LRoca), static_cast<QWidget*>(LC2), static_cast<QWidget*>(Lb2),
          static_cast<QWidget*>(PanelRoca), static_cast<QWidget*>(Button2)})
        control->setVisible(espesores.conRoca);
    LC1->setText(TextoQ(estado.cSuelo));
    LC2->setText(TextoQ(estado.cRoca));
}

void TFTalud::CalculaAnchos()
{
    const std::optional<double> suelo = AnchuraZanjaTalud(p_, estado.cSuelo);
    const std::optional<double> roca = AnchuraZanjaTalud(p_, estado.cRoca);
    if (!suelo || !roca)
        return;
    estado.bSuelo = *suelo;
    estado.bRoca = *roca;
    Lb1->setText(QString::fromStdString(RotuloAnchura(estado.bSuelo)));
    Lb2->setText(QString::fromStdString(RotuloAnchura(estado.bRoca)));
}

void TFTalud::PonH(long long k)
{
    if (!ComponenteTaludValida(k))
        return;
    p_.TaludH = static_cast<double>(k);
    Edit1->setText(QString::number(k));  // su manejador vuelve aquí con el mismo k
    CalculaAnchos();
    Dibujo->update();  // borra el talud anterior y dibuja el nuevo
}

void TFTalud::PonV(long long k)
{
    if (!ComponenteTaludValida(k))
        return;
    p_.TaludV = static_cast<double>(k);
    Edit2->setText(QString::number(k));
    CalculaAnchos();
    Dibujo->update();
}

void TFTalud::SpinButton1UpClick()
{
    if (const std::optional<long long> k = GiraComponente(p_.TaludH, true))
        PonH(*k);
}

void TFTalud::SpinButton1DownClick()
{
    if (const std::optional<long long> k = GiraComponente(p_.TaludH, false))
        PonH(*k);
}

void TFTalud::SpinButton2UpClick()
{
    if (const std::optional<long long> k = GiraComponente(p_.TaludV, true))
        PonV(*k);
}

void TFTalud::SpinButton2DownClick()
{
    if (const std::optional<long long> k = GiraComponente(p_.TaludV, false))
        PonV(*k);
}

void TFTalud::Edit1Change()
{
    const ComponenteTecleada leida = LeeComponenteTalud(LeeCasillaEntera(Edit1->text(), saliendo_));
    if (leida.accion == ComponenteTecleada::Accion::Toma)
        PonH(leida.k);
    else if (leida.accion == ComponenteTecleada::Accion::Restaura)
        Edit1->setText(TextoQ(p_.TaludH));
}

void TFTalud::Edit2Change()
{
    const ComponenteTecleada leida = LeeComponenteTalud(LeeCasillaEntera(Edit2->text(), saliendo_));
    if (leida.accion == ComponenteTecleada::Accion::Toma)
        PonV(leida.k);
    else if (leida.accion == ComponenteTecleada::Accion::Restaura)
        Edit2->setText(TextoQ(p_.TaludV));
}

void TFTalud::Edit3Change()
{
    const ResguardoTecleado leido = LeeResguardoTecleado(LeeCasilla(Edit3->text(), saliendo_));
    switch (leido.accion) {
    case ResguardoTecleado::Accion::Espera:
    case ResguardoTecleado::Accion::Ignora: return;
    case ResguardoTecleado::Accion::Restaura:
        if (!leido.mensaje.empty())
            Mensaje(QString::fromStdString(leido.mensaje), TituloAtencion);
        Edit3->setText(TextoQ(p_.Resguardo));
        return;
    case ResguardoTecleado::Accion::Toma: break;
    }
    p_.Resguardo = leido.resguardo;
    CalculaAnchos();
}

void TFTalud::Edit3Exit()
{
    const AvisoResguardo aviso =
        CompruebaSalidaResguardo(Lee(Edit3), AnguloTalud(), p_.ResguardoMinimo);
    if (aviso.mensaje.empty())
        return;
    if (!aviso.confirma)
        Mensaje(QString::fromStdString(aviso.mensaje), TituloInformacion,
                BotonAceptar | IconoInformacion);
    if (!aviso.confirma || Confirma(aviso.mensaje))
        Edit3->setText(GeneralQ(aviso.resguardo));
}

void TFTalud::Button1Click()
{
    Selecciona(false);
}

void TFTalud::Button2Click()
{
    Selecciona(true);
}

void TFTalud::Selecciona(bool roca)
{
    // 1 y 2: el resguardo tecleado, o el mínimo si no llega. El aviso se da
    // antes de tomar el mínimo; la pregunta, ya tomado.
    const ResguardoElegido elegido =
        ResguardoAlSeleccionar(Lee(Edit3), AnguloTalud(), p_.Di, p_.Resguardo);
    bool quedaAbierto = elegido.quedaAbierto;
    if (!elegido.mensaje.empty() && !elegido.confirma)
        Mensaje(QString::fromStdString(elegido.mensaje), TituloInformacion,
                BotonAceptar | IconoInformacion);
    p_.Resguardo = elegido.resguardo;
    if (elegido.confirma && Confirma(elegido.mensaje)) {
        Edit3->setText(GeneralQ(elegido.resguardo));
        quedaAbierto = true;
    }

    // 3: casillas, espesores, talud y croquis al día.
    Edit3->setText(TextoQ(p_.Resguardo));
    Label15->setText(GeneralQ(p_.Di * 1000) + " mm.");
    Lde->setText("de= " + TextoQ(p_.De) + " m.");
    PintaEspesores();
    PonH(RedondeaComponente(p_.TaludH));
    PonV(RedondeaComponente(p_.TaludV));
    Dibujo->update();
    p_.ResguardoMinimo = p_.Resguardo;

    // 4: el talud cambió desde el último repintado.
    const bool cambiado = Edit1->text() != estado.textoH || Edit2->text() != estado.textoV;
    const AvisoTalud aviso = AvisoTaludAlSeleccionar(cambiado, Lee(Edit1), Lee(Edit2), Lee(Edit3));
    if (!aviso.aviso.empty())
        Mensaje(QString::fromStdString(aviso.aviso), TituloPrograma, BotonAceptar);
    if (!aviso.pregunta.empty()) {
        const QString pregunta = QString::fromStdString(aviso.pregunta);
        const int respuesta =
            roca ? Mensaje(pregunta, TituloConfirmacion, BotonesSiNo | IconoPregunta)
                 : Mensaje(pregunta, TituloAviso, BotonesSiNo | IconoPregunta);
        if (respuesta == RespuestaSi)
            Edit3->setText(GeneralQ(aviso.resguardo));
    }

    if (quedaAbierto)
        return;  // la anchura corregida aún no es la elegida
    // 5: la anchura entera, no la truncada del rótulo, con el resguardo que queda.
    anchuraElegida_ = roca ? estado.bRoca : estado.bSuelo;
    accept();
}
