#pragma once
// TClases: el diálogo del tipo de apoyo en zanja y zanja terraplenada. Cada
// una de sus once camas fija el factor de apoyo Fa y el código Tipo, y sube
// hr y h''r a los mínimos que pide; quien lo abre aplica la elegida.

#include <QDialog>

#include <optional>

#include "factor_apoyo.h"

struct Proyecto;
class QLabel;
class QPushButton;
class QTabWidget;

class TClases : public QDialog {
    Q_OBJECT
public:
    TClases(const Proyecto& proyecto, QWidget* padre = nullptr);

    // La cama elegida; vacía si se cerró sin elegir.
    const std::optional<EleccionCama>& Eleccion() const { return eleccion_; }

    // Rellena las medidas de cada cama y los valores de c; abre en "Hormigón".
    void FormShow();
    // Valores de c al pie: 0 en la página "Directo".
    void TabbedNotebook1Click();
    // Elige la cama del botón 1..11 y cierra.
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

    const Proyecto& p_;
    std::optional<EleccionCama> eleccion_;
    // Altura de la cuna (LCunaN; nulo en las camas sin cuna) y mínimo sobre la
    // clave (LMinimoN) de cada botón.
    QLabel* cuna_[12] = {};
    QLabel* minimo_[12] = {};
};
