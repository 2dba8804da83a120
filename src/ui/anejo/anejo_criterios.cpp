// Lo que el anejo dice del método para que un revisor lo compruebe: las
// hipótesis, la deducción del factor de apoyo, los límites de las clases y la
// conclusión de cada norma.

#include <QTextTable>

#include <algorithm>

#include "anejo_redactor.h"
#include "apoyo.h"
#include "caso.h"
#include "desglose.h"
#include "factor_apoyo.h"
#include "listas.h"
#include "numero.h"

QString TextoLibre(const std::vector<std::string>& lineas)
{
    constexpr std::size_t MaximoLineas = 20, MaximoCaracteres = 2000;
    QStringList texto;
    qsizetype caracteres = 0, total = 0;
    bool recortado = false;
    for (const std::string& linea : lineas) {
        total += static_cast<qsizetype>(linea.size());
        if (recortado)
            continue;
        QString q = Q(TextoVisible(linea.substr(0, MaximoCaracteres + 1)));
        if (static_cast<std::size_t>(texto.size()) == MaximoLineas ||
            caracteres + q.size() > static_cast<qsizetype>(MaximoCaracteres)) {
            q.truncate(
                std::max<qsizetype>(0, static_cast<qsizetype>(MaximoCaracteres) - caracteres));
            if (!q.isEmpty() && static_cast<std::size_t>(texto.size()) < MaximoLineas)
                texto << q;
            recortado = true;
            continue;
        }
        caracteres += q.size();
        texto << q;
    }
    if (recortado)
        texto << QString("… [el anejo lo recorta: el proyecto trae %1 líneas y %2 bytes]")
                     .arg(lineas.size())
                     .arg(total);
    return texto.join('\n');
}

void HipotesisDelMetodo(Redactor& r)
{
    r.Subapartado("Método e hipótesis");
    const char* const hipotesis[] = {
        "Método de cálculo de tubos enterrados de la norma UNE 127.010: las cargas se calculan "
        "por metro de tubo y la del relleno por la teoría de Marston, con el plano de igual "
        "asiento y la razón de asiento de la base.",
        "Zanja o terraplén: en zanja y en zanja terraplenada, si la anchura de la zanja pasa de "
        "la de transición, la carga del relleno es la de terraplén (la menor de las dos).",
        "Carga de cálculo = 1.5 · Qtotal / (Fa · Di): la carga de rotura por metro de longitud y "
        "metro de diámetro interior que debe resistir el tubo en el ensayo de tres aristas, con un "
        "coeficiente de seguridad de 1.5 sobre las cargas; el factor de apoyo Fa pasa de la "
        "carga en el ensayo a la del tubo enterrado con su apoyo.",
        "Tráfico de carretera: vehículos de 70 kN y 130 kN de eje simple y carro de tres ejes de "
        "600 kN, repartidos a 1.4 en horizontal por unidad de profundidad, con coeficiente de "
        "impacto por debajo de 0.9 m; fuera de 0.5 m ≤ hr ≤ 4 m no cargan.",
        "Tráfico ferroviario: tren de la vía elegida (Renfe o UIC 71), repartido a 1.4 por unidad "
        "de profundidad bajo su huella, con coeficiente de impacto y el número de vías que "
        "alcanzan al tubo; tráfico aéreo: presión en la clave de la tabla de cada avión por "
        "altura de relleno. Ninguno de los dos carga con menos de 1 m de relleno.",
        "Altura de relleno hasta la que vale la clase: se sube hr desde la del caso de 0.01 en "
        "0.01 m donde el tráfico hace subir y bajar la carga (hasta 4 m con carretera, 15 m con "
        "tren o avión) y, más arriba, de 10 en 10 m y luego de 0.01 en 0.01 m; en cada altura se "
        "calcula como la orden, con el Fa de una clase de terraplén rehecho para esa altura.",
        "No se consideran el agua freática, la presión interior del tubo ni otras cargas de obra "
        "que la del compactador indicado.",
    };
    for (const char* texto : hipotesis)
        r.Parrafo(QString("• ") + texto);
}

void FactorDeApoyo(Redactor& r, const Proyecto& p)
{
    r.Subapartado("Factor de apoyo");
    const std::string letra = LetraClaseTerraplen(p.Tipo);
    if (GrupoTerraplen(p) && !letra.empty()) {
        Proyecto calculo = p;
        const std::uint8_t clase = static_cast<std::uint8_t>(p.Tipo + 1);
        const std::optional<TerminosFa> t = TerminosDeFa(calculo, clase);
        r.Parrafo("Clase de apoyo " + Q(letra) + " en " +
                  (p.InstalacionIndex == InstalacionTerraplen ? "terraplén" : "zanja inducida") +
                  ": Fa = 1.431 / (N − x · q).");
        if (!t) {
            r.Parrafo("Con estos datos la fórmula no tiene valor: Fa = 0.", true);
            return;
        }
        r.Parrafo("N = " + N(t->N) + " (coeficiente de la clase " + Q(letra) + ")");
        r.Parrafo("p = h′r / De = " + N(p.hr1) + " m / " + N(p.De) + " m = " + N(t->p) +
                  " (razón de proyección)");
        r.Parrafo("x = " + N(t->x) + " (presión lateral de la clase " + Q(letra) +
                  " en la tabla, para p = " + N(t->p) + ")");
        r.Parrafo("q = λ · p / Ct · (p · De / (2 · hr) + 1) = " + N(t->lambda) + " · " + N(t->p) +
                  " / " + N(t->Ct) + " · (" + N(t->p) + " · " + N(p.De) + " m / (2 · " + N(p.hr) +
                  " m) + 1) = " + N(t->q) + "  (Ct: coeficiente de Marston del " +
                  (p.InstalacionIndex == InstalacionTerraplen ? "terraplén" : "la zanja inducida") +
                  ")");
        QString fa =
            "Fa = 1.431 / (" + N(t->N) + " − " + N(t->x) + " · " + N(t->q) + ") = " + N(t->fa);
        if (t->fa > 8)
            fa += ", mayor que 8: se toma Fa = 8";
        r.Parrafo(fa + ".", true);
        return;
    }
    if (const CamaZanja* cama = GrupoZanja(p) ? CamaDeCodigo(p.Tipo) : nullptr) {
        for (int fila = 1; fila <= 11; ++fila) {
            if (&CamaDeFila(fila) != cama)
                continue;
            r.Parrafo("Cama «" + Q(NombreCama(fila)) + "» (fila " + N(fila) +
                      " de la tabla de factores de apoyo de las camas en zanja, la de la hoja de "
                      "resultados de zanjas), con ángulo de apoyo de " +
                      N(cama->angulo) + "°: Fa = " + N(cama->fa) + ".");
            return;
        }
    }
    r.Parrafo("Factor de apoyo tecleado: Fa = " + N(p.Fa) + ".");
}

void LimitesDeClase(Redactor& r)
{
    r.Subapartado("Límites de las clases");
    const int une = r.RotuloTabla("Clases UNE 127.010: carga de cálculo máxima de cada clase");
    QTextTable* tabla = r.Tabla(5, 3,
                                {QTextLength(QTextLength::PercentageLength, 20),
                                 QTextLength(QTextLength::PercentageLength, 30),
                                 QTextLength(QTextLength::PercentageLength, 50)},
                                true);
    const char* const filasUne[5][3] = {{"Clase", "Carga máxima (kN/m²)", "Diámetros"},
                                        {"60", "60", "no existe hasta Di 800 mm (se toma la 90)"},
                                        {"90", "90", "todos"},
                                        {"135", "135", "no existe desde Di 2500 mm"},
                                        {"180", "180", "no existe desde Di 1800 mm"}};
    for (int f = 0; f < 5; ++f)
        for (int c = 0; c < 3; ++c)
            r.Celda(tabla, f, c, filasUne[f][c]);
    r.FinTabla();
    const int astm =
        r.RotuloTabla("Clases ASTM C76M: carga de fisuración D y carga de cálculo máxima");
    tabla = r.Tabla(6, 4,
                    {QTextLength(QTextLength::PercentageLength, 14),
                     QTextLength(QTextLength::PercentageLength, 18),
                     QTextLength(QTextLength::PercentageLength, 40),
                     QTextLength(QTextLength::PercentageLength, 28)},
                    true);
    const char* const filasAstm[6][4] = {
        {"Clase", "D (kN/m²)", "Carga de cálculo máxima 1.5 · D (kN/m²)", "Carga ASTM escrita"},
        {"I", "40", "60", "1.5 · y"},
        {"II", "50", "75", "1.5 · y"},
        {"III", "65", "97.5", "1.5 · y"},
        {"IV", "100", "150", "1.5 · y"},
        {"V", "140", "210", "1.25 · y"}};
    for (int f = 0; f < 6; ++f)
        for (int c = 0; c < 4; ++c)
            r.Celda(tabla, f, c, filasAstm[f][c]);
    r.FinTabla();
    r.Parrafo(QString("La clase UNE es la menor de la tabla %1 cuya carga máxima no pasa de la "
                      "de cálculo, con las reglas de diámetro. La ASTM es la menor de la tabla %2 "
                      "cuya D no pasa de y = carga de cálculo / 1.5; la carga ASTM que se escribe "
                      "es 1.5 · y hasta y = 100 kN/m² y 1.25 · y por encima.")
                  .arg(une)
                  .arg(astm));
}

namespace {

QString Validez(const ResultadoInforme& r)
{
    switch (r.alcance.estado) {
    case ValidezClase::Hasta: return " (válido para hr ≤ " + N(r.alcance.hr) + " m)";
    case ValidezClase::Cualquiera: return " (válido para cualquier altura de relleno)";
    case ValidezClase::Falla: break;
    }
    return "";
}

QString Adopta(const CalculoArchivo& c, const ResultadoInforme& r, const char* norma)
{
    if (!c.rechazo.empty())
        return QString("No se adopta clase ") + norma +
               ": la orden de cálculo no calcula el caso (" + Q(c.rechazo) + ").";
    if (!r.entrega.Entregada())
        return QString("No se adopta clase ") + norma + ": el cálculo no ha terminado porque " +
               Q(CausaDelFallo(c.proyecto)) + ".";
    if (r.clase == "NO")
        return QString("Ninguna clase ") + norma + " basta para la carga de cálculo de " +
               Q(TextoNumero(Trunca2(r.valor))) + " kN/m² con Di " + N(c.proyecto.Di * 1000) +
               " mm: no se adopta clase.";
    return QString("Se adopta tubo de clase ") + norma + " " + Q(r.clase) + Validez(r) + ".";
}

}  // namespace

void Conclusion(Redactor& r, const CalculoArchivo& c)
{
    r.Subapartado("Conclusión");
    r.Parrafo(Adopta(c, c.une, "UNE"), true);
    r.Parrafo(Adopta(c, c.astm, "ASTM"), true);
}
