#pragma once
// TClases: el diálogo del tipo de apoyo en zanja y zanja terraplenada. Cada
// una de sus once camas fija el factor de apoyo Fa y el código Tipo, y sube
// hr y h''r a los mínimos que pide.

#include <QDialog>

#include <functional>

struct Proyecto;
class TForm1;
class QLabel;
class QPushButton;
class QTabWidget;

class TClases : public QDialog {
    Q_OBJECT
public:
    // abreTalud abre el diálogo del ancho de zanja (tras elegir Apoyo Directo).
    TClases(Proyecto& proyecto, TForm1& principal, std::function<void()> abreTalud,
            QWidget* padre = nullptr);

    // Rellena las medidas de cada cama y los valores de c; abre en "Hormigón".
    void FormShow();
    // Valores de c al pie: 0 en la página "Directo".
    void TabbedNotebook1Click();
    // Aplica la cama del botón 1..11 y cierra; con el 11 pregunta por el ancho de zanja.
    void ButtonClick(int boton);
    void HelpBtnClick();

    QTabWidget* TabbedNotebook1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button11;
    QLabel* LSuelo;
    QLabel* LRoca;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QWidget* CreaPanel(int boton);
    QWidget* CreaHormigon();
    QWidget* CreaGranular();
    QWidget* CreaDirecto();
    QWidget* CreaPie();
    QPushButton*& Boton(int boton);

    Proyecto& p_;
    TForm1& principal_;
    std::function<void()> abreTalud_;
    // Altura de la cuna (LCunaN; nulo en las camas sin cuna) y mínimo sobre la
    // clave (LMinimoN) de cada botón.
    QLabel* cuna_[12] = {};
    QLabel* minimo_[12] = {};
};
