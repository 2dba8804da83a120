#pragma once
// El redactor de los capítulos del anejo: títulos, párrafos, tablas y dibujos
// con las letras y los márgenes de todo el documento.

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <optional>
#include <string>
#include <vector>

#include "anejo_interno.h"
#include "caso.h"
#include "clases.h"
#include "graficos.h"
#include "numero_qt.h"

// Abreviatura de TextoQ, que en las tablas del anejo se usa a cada paso.
inline QString N(double x)
{
    return TextoQ(x);
}

// Las líneas de un texto del cálculo, una por renglón.
inline QString Lineas(const std::vector<std::string>& lineas)
{
    QStringList l;
    for (const std::string& linea : lineas)
        l << Q(linea);
    return l.join('\n');
}

// Un texto del usuario (nombres, firma) como lo escribe el anejo: los
// caracteres de control y de dirección, escapados; nada oculto ni en otro orden.
inline QString Visible(const QString& texto)
{
    return Q(TextoVisible(texto.toStdString()));
}

// Un texto libre del proyecto (obra, sección, cliente) como lo escribe el
// anejo: como mucho 20 líneas y 2000 caracteres; si trae más, se corta con "…"
// y se dice cuánto traía. Un archivo ajeno de un mega no hace un anejo de mil páginas.
QString TextoLibre(const std::vector<std::string>& lineas);

// Escribe los capítulos al final del documento, con las letras y los
// márgenes de todo el anejo.
class Redactor {
public:
    Redactor(QTextDocument& documento, ObjetosDibujo& objetos,
             const std::atomic<bool>* cancelado = nullptr)
        : cursor_(&documento), objetos_(objetos), cancelado_(cancelado)
    {
        normal_.setFontPointSize(10);
        negrita_ = normal_;
        negrita_.setFontWeight(QFont::Bold);
        apartado_ = negrita_;
        apartado_.setFontPointSize(13);
        subapartado_ = negrita_;
        subapartado_.setFontPointSize(11);
    }

    void Apartado(const QString& titulo)
    {
        Bloque(apartado_, 14, 4, true);
        apartados_.emplace_back(titulo, cursor_.position());
        cursor_.insertText(titulo, apartado_);
    }

    void Subapartado(const QString& titulo)
    {
        Bloque(subapartado_, 8, 2, true);
        cursor_.insertText(titulo, subapartado_);
    }

    void Parrafo(const QString& texto, bool resalta = false)
    {
        Bloque(normal_, 2, 2, false);
        cursor_.insertText(texto, resalta ? negrita_ : normal_);
    }

    // Un párrafo con una parte en negrita delante.
    void Dato(const QString& rotulo, const QString& valor)
    {
        Bloque(normal_, 2, 2, false);
        cursor_.insertText(rotulo + " ", negrita_);
        cursor_.insertText(valor, normal_);
    }

    void Dibujo(FuncionDibujo dibujo, QSizeF milimetros)
    {
        Bloque(normal_, 4, 4, false);
        objetos_.Inserta(cursor_, std::move(dibujo), milimetros);
    }

    // Rótulos numerados de tablas y figuras, pegados a lo que rotulan: "Tabla 3.
    // Clases UNE 127.010". Devuelven el número, para citarlo en el texto.
    int RotuloTabla(const QString& texto) { return Rotulo("Tabla", ++tablas_, texto); }
    int RotuloFigura(const QString& texto) { return Rotulo("Figura", ++figuras_, texto); }
    // El número que llevará la próxima tabla o figura.
    int SiguienteTabla() const { return tablas_ + 1; }
    int SiguienteFigura() const { return figuras_ + 1; }

    // Tabla de filas × columnas con la primera fila de encabezado. entera: que
    // no se reparta entre páginas si cabe en una.
    QTextTable* Tabla(int filas, int columnas, const QVector<QTextLength>& anchos, bool entera)
    {
        QTextTableFormat formato;
        formato.setBorder(0.6);
        formato.setBorderBrush(Qt::black);
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellPadding(3);
        formato.setCellSpacing(0);
        formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        formato.setColumnWidthConstraints(anchos);
        formato.setProperty(TablaEntera, entera);
        formato.setHeaderRowCount(filas > 1 ? 1 : 0);  // se repite en cada página de la tabla
        QTextTable* tabla = cursor_.insertTable(filas, columnas, formato);
        for (int c = 0; c < columnas; ++c) {
            QTextTableCellFormat celda;
            celda.setBackground(QColor(230, 230, 230));
            tabla->cellAt(0, c).setFormat(celda);
        }
        return tabla;
    }

    void Celda(QTextTable* tabla, int fila, int columna, const QString& texto, bool resalta = false)
    {
        QTextCursor c = tabla->cellAt(fila, columna).firstCursorPosition();
        c.insertText(texto, resalta || fila == 0 ? negrita_ : normal_);
    }

    // Celda en letra menor, para las tablas de muchas columnas.
    void CeldaMenor(QTextTable* tabla, int fila, int columna, const QString& texto,
                    bool resalta = false)
    {
        CeldaMenor(tabla->cellAt(fila, columna), texto, resalta || fila == 0);
    }

    // Lo mismo con la celda ya buscada y su fondo, si lo lleva. Una tabla larga
    // busca todas sus celdas antes de escribir en ellas: tras cada escritura,
    // buscar otra rehace la rejilla entera.
    void CeldaMenor(QTextTableCell celda, const QString& texto, bool resalta,
                    const std::optional<ColorRGB>& color = std::nullopt)
    {
        QTextCharFormat letra = resalta ? negrita_ : normal_;
        letra.setFontPointSize(8);
        if (color && Fondo(celda, *color))
            letra.setForeground(Qt::white);
        celda.firstCursorPosition().insertText(texto, letra);
    }

    void ColorCelda(QTextTable* tabla, int fila, int columna, const std::optional<ColorRGB>& color)
    {
        if (!color)
            return;
        QTextTableCell celda = tabla->cellAt(fila, columna);
        if (Fondo(celda, *color)) {
            QTextCursor c = celda.firstCursorPosition();
            c.setPosition(celda.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCharFormat letra;
            letra.setForeground(Qt::white);
            c.mergeCharFormat(letra);
        }
    }

    // Mientras esté puesto, cada párrafo va en la misma página que el siguiente:
    // un bloque de resultados no se parte.
    void Juntos(bool juntos) { juntos_ = juntos; }

    // Los apartados escritos (título y posición en el documento), para el índice.
    const std::vector<std::pair<QString, int>>& Apartados() const { return apartados_; }

    // Si quien pidió el anejo lo canceló: lo que falta no se redacta.
    bool Cancelado() const { return cancelado_ && cancelado_->load(); }

    // Sale de la tabla en curso.
    void FinTabla() { cursor_.movePosition(QTextCursor::End); }

private:
    // Pone el fondo de la celda; true si es oscuro y la letra debe ir en blanco, como en la hoja.
    static bool Fondo(QTextTableCell& celda, const ColorRGB& color)
    {
        QTextCharFormat formato = celda.format();
        const QColor fondo = ColorQ(color);
        formato.setBackground(fondo);
        celda.setFormat(formato);
        return ColorTextoSobre(fondo) == Qt::white;
    }

    void Bloque(const QTextCharFormat& letra, double antes, double despues, bool conSiguiente)
    {
        QTextBlockFormat bloque;
        bloque.setTopMargin(antes);
        bloque.setBottomMargin(despues);
        bloque.setProperty(ConSiguiente, conSiguiente || juntos_);
        // El bloque vacío del principio o del final de una tabla se aprovecha.
        if (cursor_.block().length() <= 1) {
            cursor_.setBlockFormat(bloque);
            cursor_.setBlockCharFormat(letra);
        } else {
            cursor_.insertBlock(bloque, letra);
        }
    }

    int Rotulo(const char* que, int numero, const QString& texto)
    {
        Bloque(normal_, 6, 2, true);
        QTextCharFormat cursiva = normal_;
        cursiva.setFontItalic(true);
        cursor_.insertText(QString("%1 %2. ").arg(que).arg(numero), negrita_);
        cursor_.insertText(texto, cursiva);
        return numero;
    }

    QTextCursor cursor_;
    ObjetosDibujo& objetos_;
    const std::atomic<bool>* cancelado_;
    QTextCharFormat normal_, negrita_, apartado_, subapartado_;
    int tablas_ = 0, figuras_ = 0;
    bool juntos_ = false;
    std::vector<std::pair<QString, int>> apartados_;
};

// Capítulo de la conducción por tramos: la tabla de tramos, los metros por
// diámetro y clase de cada norma y el perfil longitudinal.
void ApartadoTramos(Redactor& r, const TramosAnejo& tramos);

// Lo que el anejo dice del método (anejo_criterios.cpp): las hipótesis, la
// deducción del factor de apoyo, los límites de las clases y la conclusión.
void HipotesisDelMetodo(Redactor& r);
void FactorDeApoyo(Redactor& r, const Proyecto& p);
void LimitesDeClase(Redactor& r);
void Conclusion(Redactor& r, const CalculoArchivo& c);
