#pragma once
// TAcercaDe: el cuadro "Acerca de...", con la versión y los autores. Una
// doble pulsación sobre la versión abre la ventana de variables.

#include <QDialog>

class QLabel;
class QPushButton;
class TFVariables;

class TAcercaDe : public QDialog {
    Q_OBJECT
public:
    // `variables` es la ventana de variables del programa; sin ella la doble
    // pulsación no hace nada.
    explicit TAcercaDe(TFVariables* variables, QWidget* padre = nullptr);

    // Abre la ventana de variables, modal.
    void LVersionDblClick();

    QLabel* LVersion;
    QLabel* LWeb;
    QPushButton* BAceptar;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TFVariables* variables_;
};
