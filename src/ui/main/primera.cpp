#include "primera.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

#include "dibujos.h"
#include "marco.h"

namespace {

// El emblema se dibuja en un cuadrado de 64 × 64; resources/calculo-tubos.svg
// repite las mismas medidas y colores.
constexpr double LadoEmblema = 64;

const QColor Verdeazulado(0x00, 0x80, 0x80);

QLabel* Rotulo(const QString& texto, const char* nombre, int puntos, bool negrita)
{
    auto* rotulo = new QLabel(texto);
    rotulo->setObjectName(nombre);
    QFont letra = rotulo->font();
    letra.setPointSize(puntos);
    letra.setBold(negrita);
    rotulo->setFont(letra);
    return rotulo;
}

}  // namespace

void DibujaEmblema(QPainter& pintor, const QRectF& zona)
{
    const double lado = std::min(zona.width(), zona.height());
    if (lado <= 0)
        return;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.translate(zona.center().x() - lado / 2, zona.center().y() - lado / 2);
    pintor.scale(lado / LadoEmblema, lado / LadoEmblema);

    // Loseta y terreno.
    QPainterPath loseta;
    loseta.addRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(0xee, 0xf5, 0xf5));
    pintor.drawPath(loseta);
    QPainterPath terreno;
    terreno.addRect(QRectF(0, 18, 64, 46));
    pintor.setBrush(QColor(0xd8, 0xc8, 0xa0));
    pintor.drawPath(loseta.intersected(terreno));
    pintor.setPen(QPen(QColor(0x5d, 0x4a, 0x2a), 1.5, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(QPointF(2, 18), QPointF(62, 18));

    // La carga que baja sobre el tubo.
    const QColor rojo(0xb7, 0x1c, 0x1c);
    pintor.setPen(QPen(rojo, 2.5, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(QPointF(32, 5), QPointF(32, 13));
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(rojo);
    pintor.drawPolygon(QPolygonF({QPointF(27.5, 12), QPointF(36.5, 12), QPointF(32, 17.5)}));

    // Sección del tubo con su armadura.
    const QPointF centro(32, 38);
    const QColor contorno(0x37, 0x47, 0x4f);
    pintor.setPen(QPen(contorno, 1.5));
    pintor.setBrush(QColor(0xa7, 0xb0, 0xb3));
    pintor.drawEllipse(centro, 17, 17);
    pintor.setPen(QPen(contorno, 1.2));
    pintor.setBrush(Qt::white);
    pintor.drawEllipse(centro, 12, 12);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(0x26, 0x32, 0x38));
    for (int i = 0; i < 12; ++i) {
        const double angulo = i * 3.141592 / 6;
        const QPointF barra(14.5 * std::cos(angulo), 14.5 * std::sin(angulo));
        pintor.drawEllipse(centro + barra, 1.2, 1.2);
    }

    // Borde de la loseta, encima de todo.
    pintor.setPen(QPen(QColor(0x00, 0x5f, 0x66), 2));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(loseta);
    pintor.restore();
}

QIcon IconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap imagen(lado, lado);
        imagen.fill(Qt::transparent);
        QPainter pintor(&imagen);
        DibujaEmblema(pintor, QRectF(0, 0, lado, lado));
        pintor.end();
        icono.addPixmap(imagen);
    }
    return icono;
}

TPrimera::TPrimera(QWidget* padre) : QDialog(padre)
{
    setObjectName("Primera");
    setWindowTitle("Cálculo mecánico de tubos");
    // Borde de diálogo: título y cierre, sin minimizar ni maximizar.
    PonMarcoSoloCerrar(this);
    setAutoFillBackground(true);
    QPalette colores = palette();
    colores.setColor(QPalette::Window, Verdeazulado);
    colores.setColor(QPalette::WindowText, Qt::white);
    setPalette(colores);

    auto* emblema = new Croquis([](QPainter& pintor, const QRectF& zona) {
        pintor.fillRect(zona, Verdeazulado);
        DibujaEmblema(pintor, zona);
    });
    emblema->setObjectName("Image1");
    emblema->setFixedSize(128, 128);
    auto* fabricante = Rotulo("Laboratorio de Estructuras Enterradas", "LFabricante", 8, false);
    fabricante->setAlignment(Qt::AlignCenter);
    fabricante->setWordWrap(true);
    fabricante->setFixedWidth(150);

    auto* titulo = Rotulo("Cálculo Mecánico Tubos Hormigón Armado", "LTitulo", 17, true);
    titulo->setWordWrap(true);
    titulo->setFixedWidth(300);

    // Las dos normas, en un marco en relieve sobre un fondo claro.
    auto* marco = new QFrame;
    marco->setObjectName("Panel1");
    marco->setFrameShape(QFrame::Panel);
    marco->setFrameShadow(QFrame::Raised);
    marco->setLineWidth(2);
    marco->setAutoFillBackground(true);
    QPalette claro = marco->palette();
    claro.setColor(QPalette::Window, QColor(0xe0, 0xf2, 0xf1));
    claro.setColor(QPalette::WindowText, QColor(0x00, 0x4d, 0x40));
    marco->setPalette(claro);
    auto* normas = new QVBoxLayout(marco);
    normas->setContentsMargins(16, 8, 16, 8);
    for (const auto& [norma, nombre] :
         {std::pair{"UNE 127.010", "LUne"}, std::pair{"ASTM C-76M", "LAstm"}}) {
        auto* rotulo = Rotulo(norma, nombre, 13, true);
        rotulo->setAlignment(Qt::AlignCenter);
        normas->addWidget(rotulo);
    }

    LVersion = Rotulo(TextoVersion, "LVersion", 9, false);
    BContinuar = new QPushButton("&Continuar");
    BContinuar->setObjectName("BContinuar");
    BContinuar->setDefault(true);
    BContinuar->setAutoFillBackground(false);
    BContinuar->setPalette(QPalette());  // el botón con los colores del sistema
    connect(BContinuar, &QPushButton::clicked, this, &QDialog::accept);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(emblema, 0, Qt::AlignHCenter);
    izquierda->addWidget(fabricante, 0, Qt::AlignHCenter);
    izquierda->addStretch();

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(titulo);
    derecha->addSpacing(12);
    derecha->addWidget(marco, 0, Qt::AlignLeft);
    derecha->addStretch();

    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(20);
    arriba->addLayout(izquierda);
    arriba->addLayout(derecha);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(LVersion);
    abajo->addStretch();
    abajo->addWidget(BContinuar);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(20, 20, 20, 14);
    disposicion->setSpacing(14);
    disposicion->addLayout(arriba);
    disposicion->addLayout(abajo);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);  // borde de diálogo: no se estira
    BContinuar->setFocus();
}
