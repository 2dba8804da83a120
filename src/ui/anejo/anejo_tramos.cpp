// Capítulo "8. Tramos" del anejo: la conducción calculada tramo a tramo sobre
// el caso de los capítulos anteriores.

#include <QFileInfo>
#include <QPainter>

#include <memory>

#include "anejo_redactor.h"
#include "curva_clase.h"
#include "perfil_tramos.h"
#include "caso.h"

namespace {

const char* const Guion = "—";

// Las notas y errores de un tramo en una línea corta: los errores primero.
QString NotasBreves(const TramoCalculado& calculo)
{
    QStringList partes;
    for (const std::string& error : calculo.errores)
        partes << "Error: " + Q(TextoVisible(error));
    for (const std::string& nota : calculo.notas)
        partes << Q(TextoVisible(nota));
    QString texto = partes.join("; ");
    constexpr int Maximo = 140;
    if (texto.size() > Maximo)
        texto = texto.left(Maximo - 1).trimmed() + "…";
    return texto;
}

// La clase que dio la memoria de la norma, "NO" incluida; guion sin cálculo.
QString ClaseCalculada(const TramoCalculado& calculo, int modo)
{
    const ResultadoInforme& r = modo == 1 ? calculo.une : calculo.astm;
    if (!calculo.calculado || !r.entrega.Entregada() || r.clase.empty())
        return Guion;
    return Q(r.clase);
}

void TablaTramos(Redactor& r, const TramosAnejo& t)
{
    const std::vector<TramoPerfil> perfil = PerfilDeTramos(t.tramos, t.calculos, 1);
    const int filas = static_cast<int>(t.tramos.size()) + 1;
    QVector<QTextLength> anchos;
    for (const double ancho : {12, 8, 8, 8, 7, 6, 9, 7, 7, 28})
        anchos << QTextLength(QTextLength::PercentageLength, ancho);
    QTextTable* tabla = r.Tabla(filas, 10, anchos, false);
    const char* const cabeceras[] = {
        "Tramo",  "PK inicial (m)",           "PK final (m)", "Longitud (m)", "Di (mm)",
        "hr (m)", "Carga de cálculo (kN/m²)", "Clase UNE",    "Clase ASTM",   "Notas"};
    std::vector<QTextTableCell> celdas;
    celdas.reserve(static_cast<std::size_t>(filas) * 10);
    for (int fila = 0; fila < filas; ++fila)
        for (int c = 0; c < 10; ++c)
            celdas.push_back(tabla->cellAt(fila, c));
    for (int c = 0; c < 10; ++c)
        r.CeldaMenor(celdas[static_cast<std::size_t>(c)], cabeceras[c], true);
    const TramoCalculado sinCalculo;
    for (std::size_t i = 0; i < t.tramos.size(); ++i) {
        const Tramo& tramo = t.tramos[i];
        const TramoCalculado& calculo = i < t.calculos.size() ? t.calculos[i] : sinCalculo;
        const int fila = static_cast<int>(i) + 1;
        const bool carga = calculo.calculado && calculo.une.entrega.Entregada();
        // Los nombres vienen de la tabla tal cual: sus caracteres de control, escritos.
        const QString textos[] = {Q(TextoVisible(tramo.nombre)),
                                  N(tramo.pkInicial),
                                  N(tramo.pkFinal),
                                  N(tramo.Longitud()),
                                  N(tramo.proyecto.Di * 1000),
                                  N(perfil[i].hr),
                                  carga ? N(Trunca2(calculo.une.entrega.carga)) : Guion,
                                  ClaseCalculada(calculo, 1),
                                  ClaseCalculada(calculo, 2),
                                  NotasBreves(calculo)};
        for (int c = 0; c < 10; ++c)
            r.CeldaMenor(celdas[static_cast<std::size_t>(fila * 10 + c)], textos[c], false,
                         c == 7 || c == 8 ? ColorClase(textos[c].toStdString()) : std::nullopt);
    }
    r.FinTabla();
}

void Resumen(Redactor& r, const TramosAnejo& t, int modo)
{
    const std::vector<MetrosClase>& metros = modo == 1 ? t.resumen.une : t.resumen.astm;
    r.Subapartado(modo == 1 ? "Metros de tubo por diámetro y clase UNE 127.010"
                            : "Metros de tubo por diámetro y clase ASTM C76M");
    if (!metros.empty()) {
        QTextTable* tabla = r.Tabla(static_cast<int>(metros.size()) + 1, 3,
                                    {QTextLength(QTextLength::PercentageLength, 30),
                                     QTextLength(QTextLength::PercentageLength, 40),
                                     QTextLength(QTextLength::PercentageLength, 30)},
                                    true);
        r.Celda(tabla, 0, 0, "Di (mm)");
        r.Celda(tabla, 0, 1, "Clase");
        r.Celda(tabla, 0, 2, "Longitud (m)");
        int fila = 1;
        for (const MetrosClase& m : metros) {
            r.Celda(tabla, fila, 0, N(m.Di));
            r.Celda(tabla, fila, 1, Q(NombreClase(static_cast<std::uint8_t>(modo), m.clase)));
            r.ColorCelda(tabla, fila, 1, ColorClase(m.clase));
            r.Celda(tabla, fila, 2, N(m.metros));
            ++fila;
        }
        r.FinTabla();
    }
    r.Parrafo("Total con clase: " + N(MetrosTotales(metros)) + " m", true);
    int sinClase = 0;
    double longitud = 0;
    for (std::size_t i = 0; i < t.tramos.size(); ++i) {
        if (i >= t.calculos.size() || t.calculos[i].Clase(modo).empty()) {
            ++sinClase;
            longitud += t.tramos[i].Longitud();
        }
    }
    if (sinClase > 0)
        r.Parrafo(QString("Tramos sin clase: %1, con %2 m (no cuentan en la tabla).")
                      .arg(sinClase)
                      .arg(N(longitud)));
}

}  // namespace

void ApartadoTramos(Redactor& r, const TramosAnejo& t)
{
    r.Apartado("8. Tramos");
    const QString tabla = QFileInfo(t.tabla).fileName();
    r.Dato("Tabla de tramos:", tabla.isEmpty() ? QString("(sin nombre)") : tabla);
    r.Parrafo("Cada tramo es el caso de los apartados anteriores con los datos de su fila, "
              "calculado como las órdenes de cálculo de la ventana principal: se anotan las "
              "correcciones hechas y las preguntas respondidas No.");
    if (t.tramos.empty()) {
        r.Parrafo("La tabla no tiene tramos.");
        return;
    }
    int conErrores = 0;
    double longitud = 0;
    for (std::size_t i = 0; i < t.tramos.size(); ++i) {
        longitud += t.tramos[i].Longitud();
        conErrores += i < t.calculos.size() && !t.calculos[i].errores.empty();
    }
    r.Parrafo(QString("Tramos: %1; longitud total: %2 m; con errores: %3.")
                  .arg(t.tramos.size())
                  .arg(N(longitud))
                  .arg(conErrores));

    r.Subapartado("Tramos calculados");
    TablaTramos(r, t);
    Resumen(r, t, 1);
    Resumen(r, t, 2);

    r.Subapartado("Perfil longitudinal");
    for (const int modo : {1, 2}) {
        auto perfil = std::make_shared<const std::vector<TramoPerfil>>(
            PerfilDeTramos(t.tramos, t.calculos, modo));
        r.Dibujo(
            [perfil, modo](QPainter& pintor, const QRectF& zona) {
                DibujaPerfilTramos(pintor, zona, *perfil, modo);
            },
            QSizeF(170, 95));
    }
}
