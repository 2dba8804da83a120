#pragma once
// Marco de las ventanas pequeñas (presentación, "Acerca de", variables): el
// título y solo el botón de cerrar, sin maximizar ni minimizar.

#include <QWidget>

inline void PonMarcoSoloCerrar(QWidget* ventana)
{
    ventana->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
}
