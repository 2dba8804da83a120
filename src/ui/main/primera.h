#pragma once
// TPrimera: la pantalla de presentación, que se ve una sola vez al arrancar.
// Aquí vive también el emblema del programa (la sección de un tubo armado
// enterrado), que repiten el "Acerca de" y el icono del escritorio.

#include <QDialog>

class QIcon;
class QLabel;
class QPainter;
class QPushButton;
class QRectF;

// Texto de la versión del programa, igual en la presentación y en "Acerca de".
inline const char* const TextoVersion = "Versión : 2.02a";

// Dibuja el emblema del programa, cuadrado y centrado en la zona, a cualquier
// tamaño. Deja el pintor como estaba.
void DibujaEmblema(QPainter& pintor, const QRectF& zona);

// Icono de las ventanas del programa, pintado con el emblema.
QIcon IconoPrograma();

class TPrimera : public QDialog {
    Q_OBJECT
public:
    explicit TPrimera(QWidget* padre = nullptr);

    QLabel* LVersion;
    QPushButton* BContinuar;
};
