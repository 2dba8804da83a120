#pragma once
// TFTalud: "Cálculo del ancho de zanja". Calcula la anchura b de la zanja en
// el plano de clave a partir del talud de las paredes (H:V), del resguardo
// lateral en el fondo y del espesor de cama c, en suelo y en roca, y ofrece
// la elegida al cerrarse (AnchuraElegida).
//
// Los espesores c, las dos anchuras y los textos del talud del último
// repintado se guardan en el módulo, no en cada diálogo: duran todo el
// programa.

#include <QDialog>

#include <optional>

#include "proyecto.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

class TFTalud : public QDialog {
    Q_OBJECT
public:
    // Trabaja sobre su copia del caso; quien lo abre aplica lo elegido.
    TFTalud(const Proyecto& proyecto, QWidget* padre = nullptr);

    // El talud y los resguardos tal como quedaron, también al cancelar: las
    // flechas y casillas los escriben al momento.
    const Proyecto& Datos() const { return p_; }

    // La anchura b (m) entera, no la truncada del rótulo, si se eligió una al
    // cerrar; nada si se canceló.
    std::optional<double> AnchuraElegida() const { return anchuraElegida_; }

    // Al mostrarse: DN, resguardo mínimo, espesores, De y talud.
    void FormShow();
    // Repintado: guarda los textos del talud (el origen del ángulo), marca el
    // diálogo como pintado, vuelve a poner H y V y redibuja el croquis.
    void FormPaint();

    // Manejadores, con los nombres del programa.
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit3Exit();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void SpinButton2UpClick();
    void SpinButton2DownClick();
    void Button1Click();  // selecciona la anchura en suelo
    void Button2Click();  // selecciona la anchura en roca

    // Ángulo del talud que se ve (grados sexagesimales, 57.29 por radián),
    // que deciden el resguardo mínimo y la selección.
    double AnguloTalud() const;

protected:
    void showEvent(QShowEvent* evento) override;
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CreaControles();
    void PonH(long long k);
    void PonV(long long k);
    void CalculaAnchos();
    void PintaEspesores();
    void Selecciona(bool roca);

    Proyecto p_;
    std::optional<double> anchuraElegida_;
    bool saliendo_ = false;  // se está saliendo de una casilla

public:
    // Controles, con los nombres del programa (también son sus objectName).
    QWidget* Dibujo;   // el medio croquis de la zanja
    QLineEdit* Edit1;  // H
    QWidget* SpinButton1;
    QToolButton* SpinButton1Up;
    QToolButton* SpinButton1Down;
    QLineEdit* Edit2;  // V
    QWidget* SpinButton2;
    QToolButton* SpinButton2Up;
    QToolButton* SpinButton2Down;
    QLineEdit* Edit3;  // resguardo lateral
    QLabel* Label15;   // Di en mm
    QLabel* Lde;       // "de= " y De
    QLabel* LTerreno;
    QLabel* LSuelo;
    QLabel* LRoca;
    QFrame* PanelSuelo;
    QFrame* PanelRoca;
    QLabel* LC1;  // c en suelo
    QLabel* LC2;  // c en roca
    QLabel* Lb1;  // b en suelo
    QLabel* Lb2;  // b en roca
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;
};
