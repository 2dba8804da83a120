#pragma once
// Impresión de una ventana de resultados (la memoria o una hoja). No hay un
// formato de impresión aparte: la propia ventana es la página. Sus textos,
// cajas de texto, dibujos marcados y marcos, colocados directamente sobre ella
// y visibles, se dibujan en una página al 80 % del área imprimible y centrados.
// La impresora, la vista previa y el PDF usan el mismo dibujo.
//
// Se dibujan en el orden de creación de los controles (el de children()), y
// un marco tapa con su relleno blanco lo creado antes bajo él: los marcos se
// crean antes que los textos que enmarcan.

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class Dialogos;
class QAction;
class QDialog;
class QMenuBar;
class QPainter;
class QPrinter;
class QScrollArea;
class QWidget;

// Marca un dibujo (un Croquis) para que se imprima; los demás no se imprimen.
void MarcaParaImprimir(QWidget* dibujo);
// Marca un control como marco (solo se imprime su rectángulo).
void MarcaComoMarco(QWidget* marco);
// Marca un control que solo es para la pantalla (una indicación de uso): no
// sale en la página impresa, ni en la vista previa ni en el PDF.
void MarcaSoloPantalla(QWidget* control);

// Escala de la ventana (ancho w, alto h) en una página de W × H píxeles de la
// impresora: s = 0.8·min(W/w, H/h) y los desplazamientos que la centran.
struct EscalaPagina {
    double s = 1;
    int dx = 0;
    int dy = 0;
};
EscalaPagina CalculaEscala(int W, int H, int w, int h);

// Letra de la ventana llevada a la página: su altura en píxeles de ventana (los
// puntos, a ppp píxeles por pulgada) por 0.9·s, truncada y de al menos 1 píxel.
QFont LetraImpresa(QFont letra, double s, int ppp);

// Rectángulo de la ventana (píxeles de ventana) pasado a la página (píxeles
// de impresora). Su borde derecho es left() + width(), no right().
QRect MapeaRectangulo(const QRect& r, const EscalaPagina& escala);

// Rectángulo de página de un dibujo de tamaño propio `propio` puesto en el
// rectángulo r de la ventana: sin deformar, desde la esquina superior izquierda.
QRect RectanguloDibujo(const QRect& r, const QSize& propio, const EscalaPagina& escala);

// Trozos en que se corta un texto para escribirlo con saltos de línea: cada
// blanco (salvo uno en la primera posición) termina un trozo y lo conserva;
// tras nueve trozos, el resto es el décimo.
std::vector<QString> CortaEnTrozos(const QString& texto);

// Posición (respecto de la esquina del rectángulo, en píxeles de página) de
// cada trozo escrito en un rectángulo de ancho × alto, con las medidas de cada
// trozo que da la letra en uso. Un trozo que no cabe en lo que queda de línea
// pasa a la siguiente; solo en una línea vacía se queda, aunque se salga.
struct TrozoColocado {
    QString texto;
    int x;
    int y;
};
std::vector<TrozoColocado> ColocaTrozos(const QString& texto, int ancho, int alto, double s,
                                        const std::function<int(const QString&)>& anchura,
                                        const std::function<int(const QString&)>& altura);

// Borde izquierdo (píxeles de página) de un texto alineado a la derecha de
// ancho impreso anchoTexto: 1.1 veces ese ancho antes del borde derecho, y no
// menos de lo que pide el texto para caber en una línea.
int IzquierdaAlineadaDerecha(int derecha, int anchoTexto, double s);

// Escribe un texto con la letra en uso del pintor, cortado en trozos, dentro
// del rectángulo de página r; s es la escala de la página.
void ImprimeTexto(QPainter& pintor, const QRect& r, const QString& texto, double s);

// Dibuja la página de la ventana con el pintor, ocupando su dispositivo
// (impresora, vista previa, PDF o imagen).
void DibujaVentana(QPainter& pintor, QWidget& ventana);

// Dibuja la ventana en una página de la impresora (un trabajo). false si la
// impresora falla o se aborta; el trabajo queda abortado.
bool ImprimeVentana(QWidget& ventana, QPrinter& impresora);

// Diálogo de imprimir y un trabajo por copia pedida; cada copia que falla
// muestra "La impresora no responde correctamente, reintentar". Abortar con
// AbortaImpresion deja sin imprimir las copias que faltan. Diálogo y avisos, por dialogos.
void ImprimeConDialogo(QWidget& ventana, Dialogos& dialogos);

// Aborta el trabajo en curso, si lo hay.
void AbortaImpresion();

// Vista previa de la página que se imprimiría.
void VistaPrevia(QWidget& ventana);

// Escribe la página en un PDF elegido con el diálogo de guardar (nombre
// propuesto: el del proyecto con .pdf), hecho en memoria y guardado como un
// proyecto, nunca sobre uno de los archivos abiertos. false si se cancela o
// falla (con su mensaje).
bool ExportaPdf(QWidget& ventana, const QString& nombrePropuesto, Dialogos& dialogos,
                const std::vector<std::string>& abiertos);

// Menú "&Opciones" de una ventana que es una página impresa (la memoria, la
// clase según la altura): Imprimir, Vista previa, Exportar PDF…, Cancelar
// Impresión (apagado), Ayuda con su contexto y Salir. La ventana conecta las
// cuatro primeras acciones.
struct OpcionesPagina {
    QMenuBar* barra = nullptr;
    QAction* imprimir = nullptr;
    QAction* vistaPrevia = nullptr;
    QAction* exportarPdf = nullptr;
    QAction* cancelar = nullptr;
};
OpcionesPagina CreaOpcionesPagina(QDialog& ventana, int contextoAyuda);

// Imprime la página con el diálogo; mientras dura, Imprimir se apaga y
// Cancelar Impresión se enciende.
void ImprimePagina(QWidget& pagina, Dialogos& dialogos, const OpcionesPagina& opciones);
// Aborta la impresión en curso y devuelve las dos acciones a su estado.
void CancelaImpresionPagina(const OpcionesPagina& opciones);

// Página blanca de ancho × alto con letra negra ("Pagina"): la que se imprime.
QWidget* CreaPaginaImpresa(int ancho, int alto);
// Dispone la ventana de una página impresa: el menú arriba y, debajo, la
// página en un área desplazable ("Desplazamiento"), que devuelve.
QScrollArea* ColocaPaginaImpresa(QDialog& ventana, QMenuBar* menu, QWidget* pagina);
