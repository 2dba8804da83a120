// Capítulo "8. Tramos" del anejo: la conducción calculada tramo a tramo sobre
// el caso de los capítulos anteriores.

#include <QFileInfo>
#include <QPainter>

#include <memory>

#include "anejo_redactor.h"
#include "apoyo.h"
#include "curva_clase.h"
#include "perfil_tramos.h"
#include "caso.h"
#include "clases.h"
#include "factor_apoyo.h"
#include "listas.h"

namespace {

const char* const Guion = "—";

// Las notas y errores de un tramo, enteros: los errores primero.
QString Notas(const TramoCalculado& calculo)
{
    QStringList partes;
    for (const std::string& error : calculo.errores)
        partes << "Error: " + Q(TextoVisible(error));
    for (const std::string& nota : calculo.notas)
        partes << Q(TextoVisible(nota));
    return partes.join("; ");
}

// La clase que dio la memoria de la norma, "NO" incluida, con la altura hasta
// la que vale; guion sin cálculo.
QString ClaseCalculada(const TramoCalculado& calculo, int modo)
{
    const ResultadoInforme& r = modo == 1 ? calculo.une : calculo.astm;
    if (!calculo.calculado || !r.entrega.Entregada() || r.clase.empty())
        return Guion;
    switch (r.alcance.estado) {
    case ValidezClase::Hasta: return Q(r.clase) + "\nhr ≤ " + N(r.alcance.hr) + " m";
    case ValidezClase::Cualquiera: return Q(r.clase) + "\ncualquier hr";
    case ValidezClase::Falla: break;
    }
    return Q(r.clase);
}

// Instalación, apoyo (cama, clase de terraplén o Fa tecleado) con su Fa y anchura de zanja.
QString InstalacionYApoyo(const Proyecto& p)
{
    QString apoyo = "Fa tecleado";
    if (GrupoTerraplen(p) && !LetraClaseTerraplen(p.Tipo).empty()) {
        apoyo = "clase " + Q(LetraClaseTerraplen(p.Tipo));
    } else if (const CamaZanja* cama = GrupoZanja(p) ? CamaDeCodigo(p.Tipo) : nullptr) {
        for (int fila = 1; fila <= 11; ++fila)
            if (&CamaDeFila(fila) == cama)
                apoyo = "cama " + N(fila);
    }
    QString texto =
        Q(ListaInstalaciones.Texto(p.InstalacionIndex)) + "\n" + apoyo + ", Fa " + N(p.Fa);
    if (GrupoZanja(p))
        texto += "\nb " + N(p.b) + " m";
    return texto;
}

QString Trafico(const Proyecto& p)
{
    switch (p.TraficoIndex) {
    case 0: return p.CarreteraIndex ? Q(ListaCarreteras.Texto(p.CarreteraIndex)) : Guion;
    case 1:
        return p.ViaIndex ? Q(ListaVias.Texto(p.ViaIndex)) + ", " + N(p.NVias) + " vías" : Guion;
    case 2: return p.AeropuertoIndex ? Q(ListaAeropuertos.Texto(p.AeropuertoIndex)) : Guion;
    default: return Guion;
    }
}

void TablaTramos(Redactor& r, const TramosAnejo& t)
{
    const std::vector<TramoPerfil> perfil = PerfilDeTramos(t.tramos, t.calculos, 1);
    const int filas = static_cast<int>(t.tramos.size()) + 1;
    constexpr int Columnas = 11;
    QVector<QTextLength> anchos;
    for (const double ancho : {10, 8, 5, 5, 5, 14, 10, 7, 10, 10, 16})
        anchos << QTextLength(QTextLength::PercentageLength, ancho);
    r.RotuloTabla("Tramos: datos de cada fila, carga de cálculo y clases con la altura de "
                  "relleno hasta la que valen");
    QTextTable* tabla = r.Tabla(filas, Columnas, anchos, false);
    const char* const cabeceras[Columnas] = {
        "Tramo",   "PK (m)",        "L (m)", "Di (mm)", "hr (m)", "Instalación y apoyo",
        "Tráfico", "Carga (kN/m²)", "UNE",   "ASTM",    "Notas"};
    std::vector<QTextTableCell> celdas;
    celdas.reserve(static_cast<std::size_t>(filas) * Columnas);
    for (int fila = 0; fila < filas; ++fila)
        for (int c = 0; c < Columnas; ++c)
            celdas.push_back(tabla->cellAt(fila, c));
    for (int c = 0; c < Columnas; ++c)
        r.CeldaMenor(celdas[static_cast<std::size_t>(c)], cabeceras[c], true);
    const TramoCalculado sinCalculo;
    for (std::size_t i = 0; i < t.tramos.size() && !r.Cancelado(); ++i) {
        const Tramo& tramo = t.tramos[i];
        const TramoCalculado& calculo = i < t.calculos.size() ? t.calculos[i] : sinCalculo;
        const Proyecto& p = calculo.calculado ? calculo.proyecto : tramo.proyecto;
        const int fila = static_cast<int>(i) + 1;
        const bool carga = calculo.calculado && calculo.une.entrega.Entregada();
        const QString une = ClaseCalculada(calculo, 1), astm = ClaseCalculada(calculo, 2);
        // Los nombres vienen de la tabla tal cual: sus caracteres de control, escritos.
        const QString textos[Columnas] = {Q(TextoVisible(tramo.nombre)),
                                          N(tramo.pkInicial) + "\n" + N(tramo.pkFinal),
                                          N(tramo.Longitud()),
                                          N(tramo.proyecto.Di * 1000),
                                          N(perfil[i].hr),
                                          InstalacionYApoyo(p),
                                          Trafico(p),
                                          carga ? N(Trunca2(calculo.une.entrega.carga)) : Guion,
                                          une,
                                          astm,
                                          Notas(calculo)};
        for (int c = 0; c < Columnas; ++c)
            r.CeldaMenor(celdas[static_cast<std::size_t>(fila * Columnas + c)], textos[c], false,
                         c == 8 || c == 9 ? ColorClase(textos[c].section('\n', 0, 0).toStdString())
                                          : std::nullopt);
    }
    r.FinTabla();
}

void Resumen(Redactor& r, const TramosAnejo& t, int modo)
{
    const std::vector<MetrosClase>& metros = modo == 1 ? t.resumen.une : t.resumen.astm;
    r.Subapartado(modo == 1 ? "Metros de tubo por diámetro y clase UNE 127.010"
                            : "Metros de tubo por diámetro y clase ASTM C76M");
    if (!metros.empty()) {
        r.RotuloTabla(modo == 1 ? "Metros por diámetro y clase UNE 127.010"
                                : "Metros por diámetro y clase ASTM C76M");
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
    const QString tabla = Visible(QFileInfo(t.tabla).fileName());
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
        r.RotuloFigura(modo == 1 ? "Perfil longitudinal con las clases UNE 127.010"
                                 : "Perfil longitudinal con las clases ASTM C76M");
        r.Dibujo(
            [perfil, modo](QPainter& pintor, const QRectF& zona) {
                DibujaPerfilTramos(pintor, zona, *perfil, modo);
            },
            QSizeF(170, 95));
    }
}
