#pragma once
// TFVariables: "Estado de las Variables", la lista de 27 variables del
// registro con su valor actual, para revisar un cálculo. Se crea al arrancar y
// vive hasta el final; cada vez que se activa vuelve a leer el registro.

#include <QDialog>

struct Proyecto;
class QPushButton;
class QTableWidget;
class QTextEdit;

class TFVariables : public QDialog {
    Q_OBJECT
public:
    explicit TFVariables(Proyecto& proyecto, QWidget* padre = nullptr);

    // Llena la rejilla y el memo con los valores actuales del registro.
    void FormActivate();
    // Imprime la lista, tras el diálogo de impresora.
    void Button1Click();

    // Número de variables de la lista.
    static constexpr int NumeroVariables = 27;

    QTableWidget* grid;
    QTextEdit* Memo;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    Proyecto& p_;
};
