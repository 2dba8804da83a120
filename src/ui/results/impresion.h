#pragma once
// Impresión de una ventana de resultados (la memoria o una hoja). No hay un
// formato de impresión aparte: la propia ventana es la página. Sus textos,
// cajas de texto, dibujos marcados y marcos, colocados directamente sobre ella
// y visibles, se dibujan en una página al 80 % del área imprimible y centrados.
// La impresora, la vista previa y el PDF usan el mismo dibujo.

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPrinter;
class QWidget;

// Marca un dibujo (un Croquis) para que se imprima; los demás no se imprimen.
void MarcaParaImprimir(QWidget* dibujo);
// Marca un control como marco (solo se imprime su rectángulo).
void MarcaComoMarco(QWidget* marco);

// Escala de la ventana (ancho w, alto h) en una página de W × H píxeles de la
// impresora: s = 0.8·min(W/w, H/h) y los desplazamientos que la centran.
struct EscalaPagina {
    double s = 1;
    int dx = 0;
    int dy = 0;
};
EscalaPagina CalculaEscala(int W, int H, int w, int h);

// Rectángulo de la ventana pasado a la página.
QRect MapeaRectangulo(const QRect& r, const EscalaPagina& escala);

// Trozos en que se corta un texto para escribirlo con saltos de línea: cada
// blanco (salvo uno en la primera posición) termina un trozo y lo conserva;
// tras nueve trozos, el resto es el décimo.
std::vector<QString> CortaEnTrozos(const QString& texto);

// Posición (respecto de la esquina del rectángulo) de cada trozo escrito en
// un rectángulo de ancho × alto píxeles de página, con las medidas de cada
// trozo que da la letra en uso.
struct TrozoColocado {
    QString texto;
    int x;
    int y;
};
std::vector<TrozoColocado> ColocaTrozos(const QString& texto, int ancho, int alto, double s,
                                        const std::function<int(const QString&)>& anchura,
                                        const std::function<int(const QString&)>& altura);

// Dibuja la ventana en una página de la impresora (un trabajo). false si la
// impresora falla; el trabajo queda abortado.
bool ImprimeVentana(QWidget& ventana, QPrinter& impresora);

// Diálogo de imprimir y un trabajo por copia pedida; cada copia que falla
// muestra "La impresora no responde correctamente, reintentar".
void ImprimeConDialogo(QWidget& ventana);

// Aborta el trabajo en curso, si lo hay.
void AbortaImpresion();

// Vista previa de la página que se imprimiría.
void VistaPrevia(QWidget& ventana);

// Escribe la página en un PDF elegido con el diálogo de guardar (nombre
// propuesto: el del proyecto con .pdf). false si se cancela o falla.
bool ExportaPdf(QWidget& ventana, const QString& nombrePropuesto);
