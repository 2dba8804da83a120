#pragma once
// TCalculos: la memoria de cálculo ("Cálculos"). Una página de 625 × 615 px
// con los datos de la obra, el croquis de la instalación con su leyenda de
// cotas, la fórmula de la carga del relleno, todas las cargas, la carga de
// cálculo y, según el modo, la clase mínima UNE o ASTM con la altura de
// relleno hasta la que vale. La página guarda posiciones fijas: la impresión
// la dibuja tal cual, control a control y en su orden de creación.
//
// Se rellena la primera vez que se muestra, con la memoria que calculó la orden.

#include <QDialog>
#include <QString>

#include "impresion.h"
#include "informe.h"

struct Proyecto;
class Dialogos;
class QAction;
class QMenuBar;
class QScrollArea;
class QWidget;
class Croquis;

class TCalculos : public QDialog {
    Q_OBJECT
public:
    // La memoria calculada del registro; los avisos y la impresión van por dialogos.
    TCalculos(Proyecto& proyecto, const ResultadoInforme& resultado, Dialogos& dialogos,
              QWidget* padre = nullptr);

    // Rellena la página con la memoria (avisos de la carga del relleno incluidos).
    void Rellena();

    // Menú "&Opciones".
    void ImprimirClick();
    void CancelarImpresionClick();
    void VistaPreviaClick();
    void ExportarPdfClick();

    // La página que se imprime (sus hijos directos son los elementos impresos).
    QWidget* Pagina() const { return pagina_; }
    QScrollArea* Desplazamiento() const { return desplazamiento_; }
    // Nombres del croquis y de la fórmula mostrados; vacío si ninguno.
    QString CroquisMostrado() const { return croquis_; }
    QString FormulaMostrada() const { return formula_; }

    QAction* Imprimir1;
    QAction* CancelarImpresion1;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void CreaPagina();
    void CreaMenu();
    // Pone la fracción de la carga de cálculo entre sus dos "=" y la carga detrás.
    void ColocaFraccion();

    QMenuBar* MainMenu1 = nullptr;
    OpcionesPagina opciones_;
    Proyecto& p_;
    Dialogos& dialogos_;
    ResultadoInforme resultado_;
    QWidget* pagina_ = nullptr;
    QScrollArea* desplazamiento_ = nullptr;
    Croquis* Image1 = nullptr;
    Croquis* FormulaCargaRelleno = nullptr;
    QString croquis_;
    QString formula_;
    bool rellena_ = false;
};
