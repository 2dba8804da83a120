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
#include "espesores.h"
#include "form1.h"
#include "mensaje.h"
#include "numero.h"
#include "proyecto.h"
#include "numero_qt.h"
#include "rotulos.h"

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

const char* const AvisoMinimo02 =
    "El resguardo lateral de la zanja ha de ser como mínimo 0.2, que esta en función del diámetro "
    "nominal instalado. Por tanto será corregido automaticamente";
const char* const AvisoAngulo = "Como angulo seleccionado es menor o igual a 60º se recomienda que el "
                            "resguardo lateral sea como mínimo 0,2";

QString Recomendacion(const QString& minimo)
{
    return "Es recomendable que el resguardo lateral de la zanja sea, como mínimo un valor igual a " +
           minimo + " que está en función del diámetro nominal instalado. Por tanto será corregido "
                    "automáticamente.";
}

// Fondo del diálogo: el talud se borra pintándolo de este color.
QColor ColorFondo()
{
    return QColor(0, 128, 128);  // teal
}

// Un resguardo mayor no es de ninguna zanja: es un error al teclear.
const double ResguardoMaximo = 100;

// El número de la casilla, si lo que tiene escrito es uno.
std::optional<double> Lee(const QLineEdit* caja)
{
    const NumeroTecleado leido = LeeCasilla(caja->text());
    if (leido.estado != Tecleo::Valido)
        return std::nullopt;
    return leido.valor;
}

// Número entero más próximo; 0 (que se rechaza) si no es un número razonable.
long long Entero(double x)
{
    return std::isfinite(x) && std::fabs(x) < 1e9 ? std::llround(x) : 0;
}

// Ángulo del talud H:V en grados; el programa usa 57.29 grados por radián.
double Angulo(double H, double V)
{
    return static_cast<double>(std::atan(static_cast<long double>(V) / H) * 57.29L);
}

// Resguardo lateral mínimo (m) según el ángulo del talud y el diámetro nominal
// (Di). Los límites son de precisión extendida: un Di tecleado 0.35 queda en
// la banda de 0.25.
double ResguardoMinimoDe(double angulo, double Di)
{
    if (angulo <= 60)
        return 0.2;
    if (Di <= 0.35L)
        return 0.25;
    if (Di <= 0.7L)
        return 0.35;
    if (Di <= 1.2L)
        return 0.43;
    return 0.5;
}

// Mensaje de confirmación de un solo botón: true si se ha contestado.
bool Confirma(const QString& texto)
{
    return Mensaje(texto, TituloConfirmacion, BotonSi | IconoPregunta) == RespuestaSi;
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
    for (auto [boton, flecha, sufijo] : {std::tuple{&arriba, Qt::UpArrow, "Up"},
                                         std::tuple{&abajo, Qt::DownArrow, "Down"}}) {
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

TFTalud::TFTalud(Proyecto& proyecto, TForm1& principal, QWidget* padre)
    : QDialog(padre), p_(proyecto), principal_(principal)
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
    return Angulo(p_.TaludH, p_.TaludV);
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
    PonH(Entero(p_.TaludH));
    PonV(Entero(p_.TaludV));
    Dibujo->update();
    p_.ResguardoMinimo = p_.Resguardo;
}

void TFTalud::FormPaint()
{
    estado.textoH = Edit1->text();
    estado.textoV = Edit2->text();
    PonH(Entero(p_.TaludH));
    PonV(Entero(p_.TaludV));
    Dibujo->update();
}

void TFTalud::PintaEspesores()
{
    // Con "Apoyo Directo" no hay cama: solo se ofrece la fila de suelo.
    const bool directo = p_.ApoyoDirecto == 1;
    const int activo = directo ? 0 : 1;
    estado.cSuelo = EspesorCamaMinimo(activo, 1, p_.Di);
    estado.cRoca = EspesorCamaMinimo(activo, 0, p_.Di);
    for (QWidget* control : {static_cast<QWidget*>(LTerreno), static_cast<QWidget*>(LSuelo),
                             static_cast<QWidget*>(LRoca), static_cast<QWidget*>(LC2),
                             static_cast<QWidget*>(Lb2), static_cast<QWidget*>(PanelRoca),
                             static_cast<QWidget*>(Button2)})
        control->setVisible(!directo);
    LC1->setText(TextoQ(estado.cSuelo));
    LC2->setText(TextoQ(estado.cRoca));
}

void TFTalud::CalculaAnchos()
{
    if (p_.TaludV == 0)
        return;  // no ocurre: V está entre 1 y 99
    auto ancho = [this](double c) {
        return p_.De + 2 * p_.Resguardo + 2 * p_.TaludH * (p_.De + c) / p_.TaludV;
    };
    estado.bSuelo = ancho(estado.cSuelo);
    estado.bRoca = ancho(estado.cRoca);
    Lb1->setText(TextoQ(Trunca2(estado.bSuelo)) + " m.");
    Lb2->setText(TextoQ(Trunca2(estado.bRoca)) + " m.");
}

void TFTalud::PonH(long long k)
{
    if (k < 1 || k > 99)
        return;
    p_.TaludH = static_cast<double>(k);
    Edit1->setText(QString::number(k));  // su manejador vuelve aquí con el mismo k
    CalculaAnchos();
    Dibujo->update();  // borra el talud anterior y dibuja el nuevo
}

void TFTalud::PonV(long long k)
{
    if (k < 1 || k > 99)
        return;
    p_.TaludV = static_cast<double>(k);
    Edit2->setText(QString::number(k));
    CalculaAnchos();
    Dibujo->update();
}

void TFTalud::SpinButton1UpClick()
{
    if (p_.TaludH < 100)
        PonH(Entero(p_.TaludH) + 1);
}

void TFTalud::SpinButton1DownClick()
{
    if (p_.TaludH > 1)
        PonH(Entero(p_.TaludH) - 1);
}

void TFTalud::SpinButton2UpClick()
{
    if (p_.TaludV < 100)
        PonV(Entero(p_.TaludV) + 1);
}

void TFTalud::SpinButton2DownClick()
{
    if (p_.TaludV > 1)
        PonV(Entero(p_.TaludV) - 1);
}

void TFTalud::Edit1Change()
{
    const EnteroTecleado leido = LeeCasillaEntera(Edit1->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado == Tecleo::Valido && leido.valor >= 1 && leido.valor <= 99)
        PonH(leido.valor);
    else
        Edit1->setText(TextoQ(p_.TaludH));
}

void TFTalud::Edit2Change()
{
    const EnteroTecleado leido = LeeCasillaEntera(Edit2->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado == Tecleo::Valido && leido.valor >= 1 && leido.valor <= 99)
        PonV(leido.valor);
    else
        Edit2->setText(TextoQ(p_.TaludV));
}

void TFTalud::Edit3Change()
{
    const NumeroTecleado leido = LeeCasilla(Edit3->text(), saliendo_);
    if (leido.estado == Tecleo::AMedias)
        return;
    if (leido.estado == Tecleo::Valido && leido.valor > ResguardoMaximo) {
        Mensaje("Valor no válido", TituloAtencion);
        Edit3->setText(TextoQ(p_.Resguardo));
        return;
    }
    if (leido.estado != Tecleo::Valido) {
        Edit3->setText(TextoQ(p_.Resguardo));
        return;
    }
    if (leido.valor < 0)
        return;  // un resguardo negativo no se toma
    p_.Resguardo = leido.valor;
    CalculaAnchos();
}

void TFTalud::Edit3Exit()
{
    const std::optional<double> x = Lee(Edit3);
    if (!x)
        return;
    if (AnguloTalud() < 60 && *x < 0.2) {
        Mensaje(AvisoMinimo02, TituloInformacion, BotonAceptar | IconoInformacion);
        Edit3->setText(GeneralQ(0.2));
    } else if (*x < p_.ResguardoMinimo) {
        if (Confirma(Recomendacion(GeneralQ(p_.ResguardoMinimo))))
            Edit3->setText(GeneralQ(p_.ResguardoMinimo));
    }
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
    bool quedaAbierto = false;
    const std::optional<double> x = Lee(Edit3);
    const double angulo = AnguloTalud();

    // 1 y 2: el resguardo tecleado, o el mínimo si no llega.
    if (x) {
        if (angulo <= 60) {
            if (*x < 0.2) {
                Mensaje(AvisoMinimo02, TituloInformacion, BotonAceptar | IconoInformacion);
                p_.Resguardo = 0.2;
                quedaAbierto = true;
            } else {
                p_.Resguardo = *x;
            }
        } else {
            const double minimo = ResguardoMinimoDe(angulo, p_.Di);
            if (*x < minimo) {
                p_.Resguardo = minimo;
                if (Confirma(Recomendacion(GeneralQ(minimo)))) {
                    Edit3->setText(GeneralQ(minimo));
                    quedaAbierto = true;
                }
            } else {
                p_.Resguardo = *x;
            }
        }
    }

    // 3: casillas, espesores, talud y croquis al día.
    Edit3->setText(TextoQ(p_.Resguardo));
    Label15->setText(GeneralQ(p_.Di * 1000) + " mm.");
    Lde->setText("de= " + TextoQ(p_.De) + " m.");
    PintaEspesores();
    PonH(Entero(p_.TaludH));
    PonV(Entero(p_.TaludV));
    Dibujo->update();
    p_.ResguardoMinimo = p_.Resguardo;

    // 4: el talud cambió desde el último repintado.
    if (Edit1->text() != estado.textoH || Edit2->text() != estado.textoV) {
        const std::optional<double> h = Lee(Edit1);
        const std::optional<double> v = Lee(Edit2);
        if (h && v && Angulo(*h, *v) <= 60) {
            Mensaje(AvisoAngulo, TituloPrograma, BotonAceptar);
            const std::optional<double> r = Lee(Edit3);
            if (r && *r < 0.2) {
                const QString pregunta = Recomendacion("0,2");
                const int respuesta =
                    roca ? Mensaje(pregunta, TituloConfirmacion, BotonesSiNo | IconoPregunta)
                         : Mensaje(pregunta, TituloAviso, BotonesSiNo | IconoPregunta);
                if (respuesta == RespuestaSi)
                    Edit3->setText(GeneralQ(0.2));
            }
        }
    }

    if (quedaAbierto)
        return;  // la anchura corregida aún no es la elegida
    // 5: la anchura entera (no la truncada del rótulo) a la ventana principal,
    // con el resguardo que queda. Su manejador anula TaludDefinido; se vuelve
    // a poner después.
    principal_.EditB->setText(TextoQ(roca ? estado.bRoca : estado.bSuelo));
    p_.TaludDefinido = 1;
    accept();
}
