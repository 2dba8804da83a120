#pragma once
// Piezas internas del anejo: el documento de texto y su paginación.

#include <QObject>
#include <QSizeF>
#include <QTextObjectInterface>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QString>

#include "anejo.h"

class QTextDocument;
class QTextCursor;

using FuncionDibujo = std::function<void(QPainter&, const QRectF&)>;

// Dibujos vectoriales dentro del texto: cada objeto lleva el número de su
// función de dibujo y su tamaño en unidades del documento. Las funciones
// dibujan en píxeles de 96 ppp, como en pantalla.
class ObjetosDibujo : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int Tipo = QTextFormat::UserObject + 1;
    explicit ObjetosDibujo(double ppp) : ppp_(ppp) {}

    // Pone en el cursor un dibujo de ancho × alto milímetros.
    void Inserta(QTextCursor& cursor, FuncionDibujo dibujo, QSizeF milimetros);

    QSizeF intrinsicSize(QTextDocument* documento, int posicion,
                         const QTextFormat& formato) override;
    void drawObject(QPainter* pintor, const QRectF& zona, QTextDocument* documento, int posicion,
                    const QTextFormat& formato) override;

private:
    double ppp_;
    std::vector<FuncionDibujo> dibujos_;
};

// Propiedades de formato que lee la paginación.
enum PropiedadAnejo {
    ConSiguiente = QTextFormat::UserProperty + 1,  // bloque: no se separa del siguiente
    TablaEntera = QTextFormat::UserProperty + 2,   // tabla: a ser posible, en una página
};

// Redacta el anejo en el documento, ya con su ancho y su dispositivo de
// pintura; con el capítulo de los tramos si los hay. Devuelve sus apartados
// (título y posición en el documento), para el índice. Si cancelado pasa a
// true, deja de redactar (el documento queda a medias).
std::vector<std::pair<QString, int>>
RedactaAnejo(QTextDocument& documento, ObjetosDibujo& objetos, const CalculoArchivo& calculo,
             const std::optional<TramosAnejo>& tramos = std::nullopt,
             const std::atomic<bool>* cancelado = nullptr);

// Lo que va en cada página del documento (coordenadas del documento): de
// inicio a fin y, si empieza dentro de una tabla, su encabezado repetido arriba.
struct PaginaAnejo {
    double inicio = 0, fin = 0;
    double cabeceraArriba = 0, cabeceraAbajo = 0;
    double Cabecera() const { return cabeceraAbajo - cabeceraArriba; }
};

// Las páginas del documento, de alto unidades cada una con su encabezado, sin
// partir una línea de texto ni una fila de tabla.
std::vector<PaginaAnejo> PaginasDeDocumento(QTextDocument& documento, double alto);
