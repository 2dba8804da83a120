#pragma once
// TClasesTerra: el diálogo de las clases de apoyo A, B, C y D en terraplén y
// zanja inducida. Muestra las medidas de cada clase y el Fa que daría con la
// proyección n = h'r/De y el λ elegidos, sobre su propia copia del caso; quien
// lo abre aplica la clase elegida (Tipo, h'r, λ y espesor de cama).

#include <QDialog>

#include <optional>

#include "factor_apoyo.h"

#include "proyecto.h"
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TClasesTerra : public QDialog {
    Q_OBJECT
public:
    TClasesTerra(const Proyecto& proyecto, QWidget* padre = nullptr);

    // Los datos con que muestra las clases (n, h'r, λ y C los cambia el diálogo).
    const Proyecto& Datos() const { return p_; }
    // La clase elegida y su h'r; vacía si se cerró sin elegir.
    const std::optional<EleccionClase>& Eleccion() const { return eleccion_; }

    // Pasos al mostrarse: λ del registro, n = h'r/De (como mucho 1), un paso
    // arriba y otro abajo.
    void FormShow();
    // Recalcula C, las medidas, las clases que se ofrecen y los cuatro Fa.
    void Refresca();
    void Edit_nChange();
    void Edit1Change();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    // Elige la clase 1..4 (A..D) y cierra.
    void EligeClase(int clase);
    void HelpBtnClick();
    // Cerrar sin elegir (Cancelar, Esc o la X) no cambia nada.
    void reject() override;

    QLineEdit* Edit_n;
    QWidget* SpinButton1;
    QToolButton* SpinButton1Arriba;
    QToolButton* SpinButton1Abajo;
    QLineEdit* Edit1;
    QPushButton* ButtonClaseA;
    QPushButton* ButtonClaseB;
    QPushButton* ButtonClaseC;
    QPushButton* ButtonClaseD;
    QLabel* LFa_A;
    QLabel* LFa_B;
    QLabel* LFa_C;
    QLabel* LFa_D;
    QLabel* label_a1;
    QLabel* Label_a2;
    QLabel* Label_a3;
    QLabel* Label_a4;
    QLabel* Label_b1;
    QLabel* Label_b2;
    QLabel* Label_b3;
    QLabel* Label_b4;
    QLabel* Label_c1;
    QLabel* Label_c2;
    QLabel* Label_c3;
    QLabel* Label_c4;
    QLabel* Label_d1;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* CreaClase(int clase);
    QWidget* CreaPie();
    int ContextoAyuda() const;

    Proyecto p_;  // copia de trabajo: n, h'r y λ cambian aquí
    std::optional<EleccionClase> eleccion_;
    double n_ = 0;           // último n aceptado en Edit_n
    bool saliendo_ = false;  // se está saliendo de una casilla
};
