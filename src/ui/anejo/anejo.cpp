// El anejo en PDF: páginas A4 con cabecera y pie dibujados a mano y el cuerpo
// sacado del documento de texto, cortado de modo que ni una línea ni una fila
// de tabla queden partidas entre dos páginas.

#include "anejo.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <utility>

#include "anejo_interno.h"
#include "caso.h"
#include "guarda_exportado.h"
#include "anejo_redactor.h"
#include "pagina_filtrada.h"
#include "textos_informe.h"

namespace {

constexpr int Resolucion = 300;  // ppp del PDF: las unidades del documento
constexpr double MargenMm = 20;
constexpr double CabeceraMm = 19;
constexpr double PieMm = 10;
const char* const LetraAnejo = "Liberation Sans";

double Puntos(double milimetros)
{
    return milimetros / 25.4 * Resolucion;
}

// Un trozo del documento que no se parte: una línea de texto o una fila de tabla.
struct Pieza {
    double arriba, abajo;
    bool conSiguiente;  // va en la misma página que la pieza siguiente
    // La fila de encabezado de su tabla, que se repite si la página empieza en
    // esta pieza (vacía si no es una fila de cuerpo de una tabla con encabezado).
    double cabeceraArriba = 0, cabeceraAbajo = 0;
};

void PiezasDeBloque(const QTextBlock& bloque, QAbstractTextDocumentLayout& disposicion,
                    std::vector<Pieza>& piezas)
{
    const QRectF zona = disposicion.blockBoundingRect(bloque);
    const QTextLayout* lineas = bloque.layout();
    const bool conSiguiente = bloque.blockFormat().boolProperty(ConSiguiente);
    for (int i = 0; i < lineas->lineCount(); ++i) {
        const QTextLine linea = lineas->lineAt(i);
        piezas.push_back({zona.top() + linea.y(), zona.top() + linea.y() + linea.height(),
                          conSiguiente || i + 1 < lineas->lineCount()});
    }
}

// Las líneas de texto de una fila, de arriba abajo, con las que se solapan
// (las de celdas vecinas a la misma altura) unidas.
std::vector<std::pair<double, double>> LineasDeFila(QTextTable& tabla, int fila,
                                                    QAbstractTextDocumentLayout& disposicion)
{
    std::vector<std::pair<double, double>> lineas;
    for (int columna = 0; columna < tabla.columns(); ++columna) {
        const QTextTableCell celda = tabla.cellAt(fila, columna);
        QTextBlock bloque = celda.firstCursorPosition().block();
        const QTextBlock ultimo = celda.lastCursorPosition().block();
        while (bloque.isValid()) {
            const double arriba = disposicion.blockBoundingRect(bloque).top();
            const QTextLayout* disposicionBloque = bloque.layout();
            for (int i = 0; i < disposicionBloque->lineCount(); ++i) {
                const QTextLine linea = disposicionBloque->lineAt(i);
                lineas.emplace_back(arriba + linea.y(), arriba + linea.y() + linea.height());
            }
            if (bloque == ultimo)
                break;
            bloque = bloque.next();
        }
    }
    std::sort(lineas.begin(), lineas.end());
    std::vector<std::pair<double, double>> unidas;
    for (const auto& linea : lineas) {
        if (!unidas.empty() && linea.first < unidas.back().second)
            unidas.back().second = std::max(unidas.back().second, linea.second);
        else
            unidas.push_back(linea);
    }
    return unidas;
}

void PiezasDeTabla(QTextTable& tabla, QAbstractTextDocumentLayout& disposicion,
                   std::vector<Pieza>& piezas)
{
    const QTextTableFormat formato = tabla.format();
    const double margen = formato.cellPadding() + formato.border() + 1;
    const bool entera = formato.boolProperty(TablaEntera);
    const int encabezado = formato.headerRowCount();
    double cabeceraArriba = 0, cabeceraAbajo = 0;
    for (int fila = 0; fila < tabla.rows(); ++fila) {
        std::vector<std::pair<double, double>> lineas = LineasDeFila(tabla, fila, disposicion);
        if (lineas.empty())
            continue;
        lineas.front().first -= margen;
        lineas.back().second += margen;
        if (fila < encabezado) {
            cabeceraArriba = fila == 0 ? lineas.front().first : cabeceraArriba;
            cabeceraAbajo = lineas.back().second;
        }
        // Las líneas de una fila van juntas (salvo una fila más alta que una
        // página, que se corta entre dos líneas) y las filas de una tabla entera
        // también, como el encabezado con la primera fila.
        for (std::size_t i = 0; i < lineas.size(); ++i) {
            const bool ultima = i + 1 == lineas.size();
            Pieza pieza{lineas[i].first, lineas[i].second,
                        !ultima || (entera && fila + 1 < tabla.rows()) || fila < encabezado};
            if (fila >= encabezado && i == 0)
                pieza.cabeceraArriba = cabeceraArriba, pieza.cabeceraAbajo = cabeceraAbajo;
            piezas.push_back(pieza);
        }
    }
}

std::vector<Pieza> Piezas(QTextDocument& documento)
{
    QAbstractTextDocumentLayout& disposicion = *documento.documentLayout();
    std::vector<Pieza> piezas;
    for (auto i = documento.rootFrame()->begin(); !i.atEnd(); ++i) {
        if (auto* tabla = qobject_cast<QTextTable*>(i.currentFrame()))
            PiezasDeTabla(*tabla, disposicion, piezas);
        else if (i.currentBlock().isValid())
            PiezasDeBloque(i.currentBlock(), disposicion, piezas);
    }
    return piezas;
}

}  // namespace

std::vector<PaginaAnejo> PaginasDeDocumento(QTextDocument& documento, double alto)
{
    const std::vector<Pieza> piezas = Piezas(documento);
    std::vector<PaginaAnejo> paginas(1);
    for (std::size_t i = 0; i < piezas.size(); ++i) {
        const double inicio = paginas.back().inicio;
        // Una página que sigue una tabla lleva arriba su encabezado: cabe menos.
        const double cabe = alto - paginas.back().Cabecera();
        if (piezas[i].abajo - inicio <= cabe || piezas[i].arriba <= inicio)
            continue;
        // Las piezas que van con esta pasan con ella a la página siguiente,
        // salvo que ni así quepan (un grupo más alto que una página).
        std::size_t primera = i;
        while (primera > 0 && piezas[primera - 1].conSiguiente &&
               piezas[primera - 1].arriba > inicio)
            --primera;
        // Un grupo que no cabe en una página (o que ya empezaba arriba de esta)
        // se corta donde se sale: pasarlo entero dejaría esta página a medias.
        std::size_t ultima = i;
        while (ultima + 1 < piezas.size() && piezas[ultima].conSiguiente)
            ++ultima;
        const bool empiezaAntes = primera > 0 && piezas[primera - 1].conSiguiente;
        if (empiezaAntes || piezas[ultima].abajo - piezas[primera].arriba > alto)
            primera = i;
        paginas.back().fin = piezas[primera].arriba;
        PaginaAnejo siguiente;
        siguiente.inicio = piezas[primera].arriba;
        siguiente.cabeceraArriba = piezas[primera].cabeceraArriba;
        siguiente.cabeceraAbajo = piezas[primera].cabeceraAbajo;
        paginas.push_back(siguiente);
        i = primera;
    }
    paginas.back().fin = std::max(documento.size().height(), paginas.back().inicio);
    return paginas;
}

void ObjetosDibujo::Inserta(QTextCursor& cursor, FuncionDibujo dibujo, QSizeF milimetros)
{
    QTextCharFormat formato;
    formato.setObjectType(Tipo);
    formato.setProperty(QTextFormat::UserProperty + 10, static_cast<int>(dibujos_.size()));
    formato.setProperty(QTextFormat::UserProperty + 11, milimetros / 25.4 * ppp_);
    dibujos_.push_back(std::move(dibujo));
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), formato);
}

QSizeF ObjetosDibujo::intrinsicSize(QTextDocument*, int, const QTextFormat& formato)
{
    return formato.property(QTextFormat::UserProperty + 11).toSizeF();
}

void ObjetosDibujo::drawObject(QPainter* pintor, const QRectF& zona, QTextDocument*, int,
                               const QTextFormat& formato)
{
    const int indice = formato.intProperty(QTextFormat::UserProperty + 10);
    if (indice < 0 || indice >= static_cast<int>(dibujos_.size()))
        return;
    // Los dibujos miden sus trazos y letras en píxeles de pantalla (96 ppp).
    const double escala = ppp_ / 96;
    pintor->save();
    pintor->translate(zona.topLeft());
    pintor->scale(escala, escala);
    dibujos_[static_cast<std::size_t>(indice)](*pintor,
                                               QRectF(QPointF(0, 0), zona.size() / escala));
    pintor->restore();
}

namespace {

QString PrimeraLinea(const std::vector<std::string>& lineas)
{
    QStringList l = TextoLibre(lineas).split('\n');
    for (QString& linea : l)
        linea = linea.trimmed();
    l.removeAll(QString());
    return l.join(" · ");
}

void DibujaCabecera(QPainter& pintor, const QRectF& zona, const CalculoArchivo& calculo,
                    const DatosAnejo& datos)
{
    const Proyecto& p = calculo.proyecto;
    QFont letra(LetraAnejo);
    letra.setPointSizeF(9);
    pintor.setFont(letra);
    const QFontMetricsF medida(letra, pintor.device());
    const double alto = medida.lineSpacing();
    const QString derecha[] = {"Archivo: " + Visible(datos.archivo),
                               "Fecha: " + datos.fecha.toString("dd/MM/yyyy"), datos.version};
    const QString izquierda[] = {"Obra: " + PrimeraLinea(p.MObra),
                                 "Sección tipo: " + PrimeraLinea(p.MSeccion),
                                 "Cliente: " + PrimeraLinea(p.MCliente)};
    const double anchoDerecha = zona.width() * 0.38;
    for (int i = 0; i < 3; ++i) {
        const QRectF linea(zona.left(), zona.top() + i * alto, zona.width(), alto);
        pintor.drawText(linea, Qt::AlignRight | Qt::AlignVCenter,
                        medida.elidedText(derecha[i], Qt::ElideMiddle, anchoDerecha));
        pintor.drawText(linea, Qt::AlignLeft | Qt::AlignVCenter,
                        medida.elidedText(izquierda[i], Qt::ElideRight,
                                          zona.width() - anchoDerecha - Puntos(4)));
    }
    const double raya = zona.top() + 3 * alto + Puntos(1.5);
    pintor.setPen(QPen(Qt::black, Puntos(0.25)));
    pintor.drawLine(QPointF(zona.left(), raya), QPointF(zona.right(), raya));
}

void DibujaPie(QPainter& pintor, const QRectF& zona, int pagina, int paginas)
{
    QFont letra(LetraAnejo);
    letra.setPointSizeF(9);
    pintor.setFont(letra);
    pintor.setPen(QPen(Qt::black, Puntos(0.25)));
    pintor.drawLine(zona.topLeft(), zona.topRight());
    const QRectF texto = zona.adjusted(0, Puntos(1.5), 0, 0);
    pintor.drawText(texto, Qt::AlignLeft | Qt::AlignTop,
                    "Anejo de cálculo. Tubos de hormigón armado (UNE 127.010)");
    pintor.drawText(texto, Qt::AlignRight | Qt::AlignTop,
                    QString("Página %1 de %2").arg(pagina).arg(paginas));
}

// La portada: título, datos de la obra, quién firma y cuándo, y el índice de
// apartados con su página.
void DibujaPortada(QPainter& pintor, const QRectF& zona, const CalculoArchivo& calculo,
                   const DatosAnejo& datos, const std::vector<std::pair<QString, int>>& indice)
{
    const Proyecto& p = calculo.proyecto;
    QFont letra(LetraAnejo);
    letra.setPointSizeF(20);
    letra.setBold(true);
    double y = zona.top() + Puntos(25);
    const auto escribe = [&](const QString& texto, double puntos, bool negrita, int alineacion,
                             double antes) {
        letra.setPointSizeF(puntos);
        letra.setBold(negrita);
        pintor.setFont(letra);
        const QRectF caja(zona.left(), y + antes, zona.width(), zona.bottom() - y - antes);
        const QRectF usada = pintor.boundingRect(caja, alineacion | Qt::TextWordWrap, texto);
        pintor.drawText(caja, alineacion | Qt::TextWordWrap, texto);
        y = usada.bottom();
    };
    pintor.setPen(Qt::black);
    escribe("Anejo de cálculo", 22, true, Qt::AlignHCenter, 0);
    escribe("Cálculo mecánico de tubos de hormigón armado según UNE 127.010", 13, false,
            Qt::AlignHCenter, Puntos(4));
    const std::pair<QString, QString> datosObra[] = {
        {"Obra", TextoLibre(p.MObra)},
        {"Sección tipo", TextoLibre(p.MSeccion)},
        {"Cliente", TextoLibre(p.MCliente)},
        {"Archivo del proyecto", Visible(datos.archivo)},
        {"Autor", Visible(datos.autor)},
        {"Revisión", Visible(datos.revision)},
        {"Fecha", datos.fecha.toString("dd/MM/yyyy")},
        {"Programa", datos.version}};
    y += Puntos(12);
    for (const auto& [rotulo, valor] : datosObra) {
        if (valor.trimmed().isEmpty())
            continue;
        escribe(rotulo, 11, true, Qt::AlignLeft, Puntos(3));
        escribe(valor, 11, false, Qt::AlignLeft, Puntos(0.5));
    }
    escribe("Índice", 14, true, Qt::AlignLeft, Puntos(12));
    letra.setPointSizeF(11);
    letra.setBold(false);
    pintor.setFont(letra);
    const QFontMetricsF medida(letra, pintor.device());
    for (const auto& [titulo, pagina] : indice) {
        y += Puntos(2);
        const QRectF linea(zona.left(), y, zona.width(), medida.lineSpacing());
        const QString numero = QString::number(pagina);
        pintor.drawText(linea, Qt::AlignLeft | Qt::AlignVCenter, titulo);
        pintor.drawText(linea, Qt::AlignRight | Qt::AlignVCenter, numero);
        // Puntos guía entre el título y el número.
        const double desde = zona.left() + medida.horizontalAdvance(titulo) + Puntos(2);
        const double hasta = zona.right() - medida.horizontalAdvance(numero) - Puntos(2);
        QString puntos;
        while (medida.horizontalAdvance(puntos + " .") < hasta - desde)
            puntos += " .";
        pintor.drawText(QRectF(desde, y, hasta - desde, medida.lineSpacing()),
                        Qt::AlignRight | Qt::AlignVCenter, puntos);
        y += medida.lineSpacing();
    }
}

}  // namespace

QString VersionPrograma()
{
    return QString::fromUtf8(VersionInforme);  // la misma que la memoria
}

ResultadoAnejo EscribeAnejo(const CalculoArchivo& calculo, const DatosAnejo& datos,
                            const QString& pdf, const std::atomic<bool>* cancelado)
{
    ResultadoAnejo resultado;
    // Se comprueba antes de maquetar (que con miles de tramos tarda) y se
    // vuelve a comprobar al guardar.
    std::vector<std::string> abiertos{calculo.archivo};
    if (datos.tramos)
        abiertos.push_back(datos.tramos->tabla.toStdString());
    resultado.error = SobreArchivoAbierto(pdf, abiertos);
    if (!resultado.error.isEmpty())
        return resultado;
    const auto cancela = [&] {
        resultado.cancelado = cancelado && cancelado->load();
        return resultado.cancelado;
    };
    // El PDF se hace en memoria y solo entero se escribe en el archivo.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter escritor(&bytes);
    escritor.setResolution(Resolucion);
    escritor.setPageSize(QPageSize(QPageSize::A4));
    escritor.setPageMargins(QMarginsF(MargenMm, MargenMm, MargenMm, MargenMm),
                            QPageLayout::Millimeter);
    escritor.setTitle("Anejo de cálculo");
    escritor.setCreator("Cálculo mecánico de tubos " + datos.version);

    const QRectF pagina(0, 0, escritor.width(), escritor.height());
    const QRectF cabecera(pagina.left(), pagina.top(), pagina.width(), Puntos(CabeceraMm));
    const QRectF pie(pagina.left(), pagina.bottom() - Puntos(PieMm) + Puntos(3), pagina.width(),
                     Puntos(PieMm - 3));
    const QRectF cuerpo(pagina.left(), cabecera.bottom(), pagina.width(),
                        pagina.height() - Puntos(CabeceraMm + PieMm));

    QTextDocument documento;
    documento.documentLayout()->setPaintDevice(&escritor);
    QFont letra(LetraAnejo);
    letra.setPointSizeF(10);
    documento.setDefaultFont(letra);
    documento.setDocumentMargin(0);
    documento.setTextWidth(cuerpo.width());
    ObjetosDibujo objetos(Resolucion);
    documento.documentLayout()->registerHandler(ObjetosDibujo::Tipo, &objetos);
    const std::vector<std::pair<QString, int>> apartados =
        RedactaAnejo(documento, objetos, calculo, datos.tramos, cancelado);
    if (cancela())
        return resultado;

    const std::vector<PaginaAnejo> cortes = PaginasDeDocumento(documento, cuerpo.height());
    if (cancela())
        return resultado;
    // La portada es la página 1; el cuerpo empieza en la 2.
    const int paginas = static_cast<int>(cortes.size()) + 1;
    std::vector<std::pair<QString, int>> indice;
    for (const auto& [titulo, posicion] : apartados) {
        const double y =
            documento.documentLayout()->blockBoundingRect(documento.findBlock(posicion)).top();
        int pagina = 0;
        while (pagina + 1 < static_cast<int>(cortes.size()) &&
               cortes[static_cast<std::size_t>(pagina) + 1].inicio <= y)
            ++pagina;
        indice.emplace_back(titulo, pagina + 2);
    }

    QPainter pintor;
    if (!pintor.begin(&escritor)) {
        resultado.error = "No se ha podido escribir el archivo " + pdf + ".";
        return resultado;
    }
    // Un trozo del documento (de arriba a abajo) dibujado en la página desde y,
    // sin el texto que Qt dibuja de más fuera de él.
    const auto dibuja = [&](double arriba, double abajo, double y) {
        PaginaFiltrada pagina(pintor, QRectF(cuerpo.left() - Puntos(1), y,
                                             cuerpo.width() + Puntos(2), abajo - arriba));
        QPainter interior(&pagina);
        interior.translate(cuerpo.left(), y - arriba);
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = QRectF(-Puntos(1), arriba, cuerpo.width() + Puntos(2), abajo - arriba);
        contexto.palette.setColor(QPalette::Text, Qt::black);
        documento.documentLayout()->draw(&interior, contexto);
    };
    DibujaPortada(pintor,
                  QRectF(pagina.left(), pagina.top(), pagina.width(), pie.top() - pagina.top()),
                  calculo, datos, indice);
    DibujaPie(pintor, pie, 1, paginas);
    for (int i = 0; i + 1 < paginas; ++i) {
        if (cancela())
            return resultado;
        escritor.newPage();
        DibujaCabecera(pintor, cabecera, calculo, datos);
        DibujaPie(pintor, pie, i + 2, paginas);
        const PaginaAnejo& trozo = cortes[static_cast<std::size_t>(i)];
        if (trozo.Cabecera() > 0)
            dibuja(trozo.cabeceraArriba, trozo.cabeceraAbajo, cuerpo.top());
        dibuja(trozo.inicio, trozo.fin, cuerpo.top() + trozo.Cabecera());
    }
    pintor.end();
    if (cancela())
        return resultado;
    resultado.error = GuardaExportado(bytes.data().toStdString(), pdf, abiertos);
    if (!resultado.error.isEmpty())
        return resultado;
    resultado.escrito = true;
    resultado.paginas = paginas;
    return resultado;
}
