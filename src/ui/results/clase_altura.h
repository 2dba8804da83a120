#pragma once
// TCurvaClase: "Clase según altura de relleno". La carga de cálculo frente a la
// altura de relleno para UNE y para ASTM, con las franjas de clase, la altura
// del caso y la mínima, y junto a cada gráfico las alturas en que cambia la
// clase. Se calcula sobre una copia del registro: no cambia nada ni pregunta.
// La página se imprime, se ve en vista previa y se exporta a PDF como la memoria.

#include <QDialog>
#include <QString>

#include <cstdint>

#include "curva_clase.h"
#include "impresion.h"

struct Proyecto;
class Croquis;
class Dialogos;
class QAction;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QScrollArea;

class TCurvaClase : public QDialog {
    Q_OBJECT
public:
    TCurvaClase(const Proyecto& proyecto, Dialogos& dialogos, QWidget* padre = nullptr);

    // Muestra en el rótulo del punto la altura hr (m) del modo 1 (UNE) o 2
    // (ASTM): "hr 2.35 m · 85.12 kN/m² · UNE 90".
    void MuestraPunto(std::uint8_t modo, double hr);

    // Menú "&Opciones".
    void ImprimirClick();
    void CancelarImpresionClick();
    void VistaPreviaClick();
    void ExportarPdfClick();

    QWidget* Pagina() const { return pagina_; }
    const CurvaClase& Curva(std::uint8_t modo) const { return modo == 2 ? astm_ : une_; }

    QAction* Imprimir1 = nullptr;
    QAction* CancelarImpresion1 = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CreaPagina();
    void CreaMenu();
    void CreaGrafico(std::uint8_t modo, int y);

    const Proyecto& p_;
    Dialogos& dialogos_;
    CurvaClase une_, astm_;
    QMenuBar* MainMenu1 = nullptr;
    OpcionesPagina opciones_;
    QWidget* pagina_ = nullptr;
    QScrollArea* desplazamiento_ = nullptr;
    Croquis* CurvaUNE = nullptr;
    Croquis* CurvaASTM = nullptr;
    QLabel* LPunto = nullptr;
};
