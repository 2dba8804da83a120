#pragma once
// TTramos: la tabla de tramos de una conducción sobre el caso de la ventana
// principal. Arriba la tabla (editable, con lo calculado de cada fila); debajo
// la página que se imprime: el resumen de metros por diámetro y clase y el
// perfil longitudinal coloreado con las clases de la norma elegida.

#include <QDialog>
#include <QString>

#include "impresion.h"
#include "proyecto.h"
#include "tramos.h"

class Croquis;
class Dialogos;
class ModeloTramos;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

class TTramos : public QDialog {
    Q_OBJECT
public:
    // base: el caso de la ventana principal, que se copia al abrir.
    TTramos(const Proyecto& base, Dialogos& dialogos, QWidget* padre = nullptr);
    ~TTramos() override;

    // Lee la tabla del archivo y la calcula en segundo plano; el error de
    // lectura o los avisos, por mensaje. false si no se leyó (la tabla no cambia).
    bool AbreTabla(const QString& nombre);

    // Menú "&Archivo".
    void AbrirClick();
    // false si no se guardó (cancelado o fallido).
    bool GuardarClick();
    bool GuardarComoClick();
    void AnejoClick();
    // Las mediciones en FIEBDC-3 y el perfil en DXF, con las clases de la
    // norma del perfil.
    void ExportarBc3Click();
    void ExportarPerfilDxfClick();

    // Filas.
    void AnadeTramoClick();
    void QuitaTramosClick();
    // Vacía las celdas elegidas de la tabla (toman el valor del caso base).
    void VaciaCeldasClick();

    // Menú "&Opciones".
    void ImprimirClick();
    void CancelarImpresionClick();
    void VistaPreviaClick();
    void ExportarPdfClick();

    ModeloTramos& Modelo() const { return *modelo_; }
    QWidget* Pagina() const { return pagina_; }
    // Archivo de la tabla; vacío si aún no tiene.
    const QString& Archivo() const { return archivo_; }
    // Norma de las clases del perfil: 1 UNE, 2 ASTM.
    int ModoPerfil() const;

    // Salir: con cambios sin guardar, pregunta antes; detiene el cálculo.
    void reject() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CreaMenu();
    void CreaPagina();
    // La tabla en curso se puede dejar: no tiene cambios, se guardan o se descartan.
    bool PuedeDejarTabla();
    // Si quedan tramos sin calcular, lo dice (con luego, lo que se podrá hacer
    // entonces) y los calcula; true si no queda ninguno.
    bool TodosCalculados(const QString& luego);
    // El nombre que se propone al exportar: el de la tabla con esa extensión.
    QString Propuesto(const QString& extension) const;
    // Los archivos abiertos en la ventana, sobre los que no se exporta nada.
    std::vector<std::string> Abiertos() const;
    void RehaceResumen();
    void PonRotulos();
    void AjustaColumnas();
    void MuestraProgreso(int hechas, int total);
    void FinCalculo();

    Proyecto base_;
    Dialogos& dialogos_;
    QString archivo_;
    ModeloTramos* modelo_ = nullptr;
    OpcionesPagina opciones_;
    QTableView* tabla_ = nullptr;
    QWidget* pagina_ = nullptr;
    QLabel* LCasoBase = nullptr;
    QLabel* LTabla = nullptr;
    QLabel* LBasePagina = nullptr;
    QLabel* LNormaPagina = nullptr;
    QPlainTextEdit* resumen_ = nullptr;
    Croquis* perfil_ = nullptr;
    QComboBox* NormaPerfil = nullptr;
    QProgressBar* ProgresoTramos = nullptr;
    QPushButton* CancelaTramos = nullptr;
};

// Texto del resumen de metros: por norma, "Di (mm) | Clase | Metros" con los
// metros a dos decimales, el total y cuántos tramos no cuentan.
QString TextoResumen(const ResumenTramos& resumen, int sinClaseUne, int sinClaseAstm,
                     int sinCalcular);
