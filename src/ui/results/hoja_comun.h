#pragma once
// THojaResultados: lo que comparten las dos hojas de resultados (zanjas y
// terraplén). La hoja impresa es el widget Hoja: título, títulos de columnas,
// celdas L011… y leyenda son hijos directos suyos, con su geometría; los
// croquis, los botones y el panel de zoom quedan fuera de la impresión.

#include <QDialog>

#include <map>

#include "clases.h"

struct Proyecto;
class Dialogos;
class Interlocutor;
class Croquis;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Nombre de la celda de la fila 1.. y la columna 1..6 ("L011", "L116").
QString NombreCelda(int fila, int columna);

class THojaResultados : public QDialog {
    Q_OBJECT
public:
    // Calcula la matriz, la escribe en las celdas, muestra la sexta columna
    // solo para el relleno de usuario y pone el título.
    void FormShow();
    // Imprime la hoja con el diálogo de imprimir, con Parar visible mientras tanto.
    void BImprimirClick();
    // Aborta la impresión en curso y devuelve los botones a su sitio.
    void BAbortarClick();
    void BVistaPreviaClick();
    void BExportarPdfClick();
    void BAyudaClick();

    // Celda de la fila 1.. y la columna 1..6.
    QLabel* Celda(int fila, int columna) const;

    QWidget* Hoja;  // lo que se imprime
    QLabel* titulo;
    QPushButton* BImprimir;
    QPushButton* BAbortar;
    QPushButton* BVistaPrevia;
    QPushButton* BExportarPdf;
    QPushButton* BCancelar;
    QPushButton* BAyuda;

protected:
    // columnasCabecera: columnas de la rejilla a la izquierda de las celdas
    // (rótulos de fila e icono). La impresión va por dialogos; las preguntas
    // del cálculo, a interlocutor.
    THojaResultados(Proyecto& proyecto, Dialogos& dialogos, Interlocutor& interlocutor,
                    HojaResultados tipo, int columnasCabecera, QWidget* padre);

    // Título de la hoja con los datos del registro.
    virtual QString Titulo() const = 0;
    // Lo que cada hoja oculta antes de imprimir y vuelve a mostrar después.
    virtual void AntesDeImprimir() = 0;
    virtual void DespuesDeImprimir() = 0;
    // Pulsación sobre el icono de la fila 1..
    virtual void Zoom(int fila) = 0;

    // Leyenda: un recuadro con "Clase mínima" y el texto de la carga a la
    // derecha, bajo las tres primeras columnas de celdas.
    void CreaLeyenda(const QString& textoCarga);
    // Icono de la fila, que abre el zoom al pulsarlo.
    Croquis* CreaIcono(int fila, const char* nombre, int ancho, int alto);
    // Rótulo colocado en la hoja.
    QLabel* Rotulo(const QString& texto, const char* nombre = nullptr);

    int FilaRejilla(int fila) const { return fila + 1; }  // 0 título, 1 cabecera
    int FilaLeyenda() const;
    int ColumnaCelda(int columna) const { return columnasCabecera_ + columna - 1; }

    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    Proyecto& p_;
    Dialogos& dialogos_;
    Interlocutor& interlocutor_;
    HojaResultados tipo_;
    QGridLayout* rejilla_;
    QVBoxLayout* disposicion_;  // la de la ventana: hoja, (panel) y botones
    QHBoxLayout* botones_;

private:
    int columnasCabecera_;
    QLabel* titulosColumnas_[ColumnasHoja] = {};
    std::map<QObject*, int> iconos_;  // icono -> fila
};
