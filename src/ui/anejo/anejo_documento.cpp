// Redacción del anejo: los siete apartados del caso, con los textos de la
// memoria de cálculo donde los hay, para que anejo y memoria digan lo mismo.
// El de los tramos está en anejo_tramos.cpp.

#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <memory>

#include "anejo_interno.h"
#include "anejo_redactor.h"
#include "apoyo.h"
#include "clases.h"
#include "curva_clase.h"
#include "curva_dibujo.h"
#include "desglose.h"
#include "dibujos.h"
#include "informe_dibujos.h"
#include "listas.h"
#include "numero.h"
#include "caso.h"
#include "textos_informe.h"

namespace {

// Nombre de cada paso del cálculo de cargas, para decir cuál falló.
QString NombrePaso(PasoCarga paso)
{
    switch (paso) {
    case PasoCarga::Relleno: return "la carga del relleno";
    case PasoCarga::Trafico: return "la carga del tráfico";
    case PasoCarga::Puntual: return "la sobrecarga puntual";
    case PasoCarga::Superficie: return "la sobrecarga repartida";
    case PasoCarga::Compactacion: return "la carga del compactador";
    case PasoCarga::Total: return "la carga total";
    case PasoCarga::CargaCalculo: return "la carga de cálculo";
    case PasoCarga::Terminado: break;
    }
    return {};
}

using Pares = std::vector<std::pair<QString, QString>>;

void TablaDatos(Redactor& r, const Pares& pares)
{
    r.RotuloTabla("Datos del caso");
    QTextTable* tabla = r.Tabla(static_cast<int>(pares.size()) + 1, 2,
                                {QTextLength(QTextLength::PercentageLength, 55),
                                 QTextLength(QTextLength::PercentageLength, 45)},
                                false);
    r.Celda(tabla, 0, 0, "Dato");
    r.Celda(tabla, 0, 1, "Valor");
    for (std::size_t i = 0; i < pares.size(); ++i) {
        r.Celda(tabla, static_cast<int>(i) + 1, 0, pares[i].first);
        r.Celda(tabla, static_cast<int>(i) + 1, 1, pares[i].second);
    }
    r.FinTabla();
}

// Un valor y su unidad, separados por un espacio de media eme: con uno normal,
// "4 m" y "0 t" se copian del PDF como "4m" y "0t".
QString ConUnidad(double x, const QString& unidad)
{
    return N(x) + QChar(0x2002) + unidad;
}

QString Metros(double x)
{
    return ConUnidad(x, "m");
}

QString Milimetros(double x)
{
    return ConUnidad(x * 1000, "mm");
}

void ApartadoDatos(Redactor& r, const Proyecto& p)
{
    r.Apartado("1. Datos");
    Pares d;
    if (!p.MObra.empty())
        d.emplace_back("Obra", TextoLibre(p.MObra));
    if (!p.MSeccion.empty())
        d.emplace_back("Sección tipo", TextoLibre(p.MSeccion));
    if (!p.MCliente.empty())
        d.emplace_back("Cliente", TextoLibre(p.MCliente));
    d.emplace_back("Tipo de instalación", Q(ListaInstalaciones.Texto(p.InstalacionIndex)));
    d.emplace_back("Diámetro interior Di", Milimetros(p.Di));
    d.emplace_back("Espesor de pared Es", Milimetros(p.Es));
    d.emplace_back("Diámetro exterior De", Milimetros(p.De));
    d.emplace_back("Altura de relleno sobre la clave hr", Metros(p.hr));
    if (GrupoZanja(p))
        d.emplace_back("Anchura de la zanja en el plano de clave b", Metros(p.b));
    if (p.InstalacionIndex == InstalacionZanjaTerraplenada)
        d.emplace_back("Altura de la base del terraplén sobre la clave h″r", Metros(p.h2r));
    if (GrupoTerraplen(p))
        d.emplace_back("Altura de la clave sobre la base del terraplén h′r", Metros(p.hr1));
    if (p.InstalacionIndex == InstalacionZanjaInducida) {
        d.emplace_back("Anchura de la zanja inducida b2", Metros(p.b2));
        d.emplace_back("Profundidad de la zanja inducida hr2", Metros(p.hr2));
    }
    if (GrupoZanja(p) && p.TaludDefinido) {
        d.emplace_back("Talud de la zanja (horizontal:vertical)", N(p.TaludH) + ":" + N(p.TaludV));
        d.emplace_back("Resguardo lateral en la base", Metros(p.Resguardo));
    }
    d.emplace_back("Tipo de base", Q(ListaBases.Texto(p.BaseIndex)));
    d.emplace_back("Tipo de relleno", Q(ListaRellenos.Texto(p.RellenoIndex)));
    if (p.RellenoIndex == RellenoUsuario) {
        d.emplace_back("Rozamiento interno del relleno φ", ConUnidad(p.fi, "grados"));
        d.emplace_back("Rozamiento relleno-paramentos de la zanja φ′", ConUnidad(p.fi1, "grados"));
        d.emplace_back("Peso específico del relleno γ", ConUnidad(p.gamma, "kN/m³"));
    }
    d.emplace_back("Factor de apoyo Fa", N(p.Fa));
    if (GrupoTerraplen(p)) {
        const std::string letra = LetraClaseTerraplen(p.Tipo);
        if (!letra.empty())
            d.emplace_back("Clase de apoyo en terraplén", Q(letra));
        d.emplace_back("λ de la fórmula del factor de apoyo", N(p.lambdaFa));
    }
    // Solo lo que el caso tiene: ni "Ninguna" ni ceros de lo que no hay.
    const bool vehiculo = p.TraficoIndex == 0 && p.CarreteraIndex != 0;
    const bool tren = p.TraficoIndex == 1 && p.ViaIndex != 0;
    const bool avion = p.TraficoIndex == 2 && p.AeropuertoIndex != 0;
    if (!vehiculo && !tren && !avion)
        d.emplace_back("Tráfico", "sin tráfico");
    if (vehiculo)
        d.emplace_back("Tráfico de carretera", Q(ListaCarreteras.Texto(p.CarreteraIndex)));
    if (tren) {
        d.emplace_back("Tráfico ferroviario", Q(ListaVias.Texto(p.ViaIndex)));
        d.emplace_back("Número de vías", N(p.NVias));
        d.emplace_back("Sentido de la vía", Q(ListaSentidosVia.Texto(p.SentidoViaIndex)));
        if (p.SentidoViaIndex == 0)
            d.emplace_back("Distancia a la primera vía dh", Metros(p.dh));
        d.emplace_back("Velocidad V", ConUnidad(p.V, "km/h"));
    }
    if (avion)
        d.emplace_back("Tráfico aéreo", Q(ListaAeropuertos.Texto(p.AeropuertoIndex)));
    if (p.qp > 0) {
        d.emplace_back("Carga puntual en superficie qp", ConUnidad(p.qp, "t"));
        d.emplace_back("Distancia horizontal a la carga puntual D", Metros(p.D));
    }
    if (p.qs > 0)
        d.emplace_back("Carga repartida en superficie qs", ConUnidad(p.qs, "t/m²"));
    if (p.CompactadorIndex != 0) {
        d.emplace_back("Compactador", Q(ListaCompactadores.Texto(p.CompactadorIndex)));
        d.emplace_back("Carga del compactador por m de rodillo pq", ConUnidad(p.pq, "t/m"));
    }
    if (p.fck > 0)
        d.emplace_back("Resistencia característica del hormigón fck", ConUnidad(p.fck, "MPa"));
    TablaDatos(r, d);
}

void ApartadoHipotesis(Redactor& r, const Proyecto& p, const TextosInforme& t)
{
    auto texto = [&t](const char* nombre) {
        const auto i = t.textos.find(nombre);
        return i == t.textos.end() ? QString() : Q(i->second);
    };
    auto visible = [&t](const char* nombre) {
        const auto i = t.visibles.find(nombre);
        return i == t.visibles.end() || i->second;
    };
    r.Apartado("2. Hipótesis");
    HipotesisDelMetodo(r);
    r.Subapartado("Esquema de instalación");
    const QString croquis = Q(t.croquis);
    const int instalacion = p.InstalacionIndex;
    r.Dibujo(
        [croquis, instalacion](QPainter& pintor, const QRectF& zona) {
            if (croquis.isEmpty())
                DibujaInstalacion(pintor, zona, instalacion);
            else
                DibujaCroquisInforme(pintor, zona, croquis);
        },
        QSizeF(70, 69));
    r.RotuloFigura("Esquema de la instalación (no representa proporciones reales)");
    for (const char* nombre : {"LInstalacion", "LRelleno", "LBase"}) {
        if (!texto(nombre).isEmpty())
            r.Parrafo(texto(nombre));
    }
    QStringList cotas;
    for (const char* nombre : {"LDa", "LDb", "LDc", "LDC2", "LTalud", "LResguardo"}) {
        if (!texto(nombre).isEmpty())
            cotas << texto(nombre);
    }
    if (!cotas.isEmpty())
        r.Dato("Cotas:", cotas.join("   "));

    r.Subapartado("Relleno");
    r.Parrafo(texto("LCTerreno"));
    const QString formula = Q(t.formula);
    const QSizeF tamano = TamanoFormula(formula);
    if (!tamano.isEmpty()) {
        // Las fórmulas se miden a 96 ppp: 1 px = 0.2646 mm.
        r.Dibujo([formula](QPainter& pintor,
                           const QRectF& zona) { DibujaFormula(pintor, zona, formula); },
                 tamano * (25.4 / 96) * 1.5);
    }
    r.Dato("γ =", texto("LDgamma"));
    r.Dato(texto("Lmrelleno"), texto("LDLambda"));
    if (visible("LDH0"))
        r.Dato("ho =", texto("LDH0"));
    r.Dato("Razón de asiento de la base c1 =", N(p.c1));

    FactorDeApoyo(r, p);

    if (p.TraficoIndex == 0 ? p.CarreteraIndex != 0
                            : (p.TraficoIndex == 1 ? p.ViaIndex != 0 : p.AeropuertoIndex != 0)) {
        r.Subapartado("Tráfico");
        r.Parrafo(texto("LTrafico"));
    }
}

void ApartadoCargas(Redactor& r, const CalculoArchivo& c)
{
    r.Apartado("3. Cargas");
    const std::vector<ApartadoDesglose> desglose = DesgloseCargas(c.proyecto, c.une.entrega);
    if (desglose.empty())
        r.Parrafo("—");
    for (const ApartadoDesglose& apartado : desglose) {
        r.Subapartado(Q(apartado.titulo));
        for (const std::string& linea : apartado.lineas)
            r.Parrafo(Q(linea));
    }
}

// Textos de la memoria para un modo de cálculo (1 UNE, 2 ASTM).
TextosInforme TextosDelModo(const CalculoArchivo& c, std::uint8_t modo)
{
    Proyecto p = c.proyecto;
    const ResultadoInforme& resultado = modo == 1 ? c.une : c.astm;
    p.ClaseTexto = resultado.clase;
    return TextosDelInforme(p, resultado);
}

const char* const SinClase = "Sin clase: el cálculo no ha terminado (véase el apartado 7. Notas).";

void CargaYClases(Redactor& r, const CalculoArchivo& c);

void ApartadoClases(Redactor& r, const CalculoArchivo& c)
{
    r.Apartado("4. Carga de cálculo y clases resistentes");
    CargaYClases(r, c);
    LimitesDeClase(r);
    Conclusion(r, c);
}

void CargaYClases(Redactor& r, const CalculoArchivo& c)
{
    if (!c.une.entrega.Entregada()) {
        r.Parrafo(SinClase, true);
        return;
    }
    const TextosInforme une = TextosDelModo(c, 1);
    const Proyecto& p = c.proyecto;
    r.Dato("Carga de cálculo Qc = 1.5 · Qtotal / (Fa · Di) =",
           "1.5 · " + Q(TextoNumero(Trunca2(p.qTotal))) + " kN/m / (" + N(p.Fa) + " · " + N(p.Di) +
               " m) = " + Q(une.textos.at("LDCarga")));
    r.Subapartado("UNE 127.010");
    r.Juntos(!c.une.validez.empty());
    r.Dato(Q(une.textos.at("TextoTipoCalculo")), Q(une.textos.at("LDres")));
    r.Juntos(false);
    if (!c.une.validez.empty())
        r.Parrafo(Q(c.une.validez));

    r.Subapartado("ASTM C76M");
    if (!c.astm.entrega.Entregada()) {
        r.Parrafo(SinClase, true);
        return;
    }
    const TextosInforme astm = TextosDelModo(c, 2);
    r.Juntos(true);  // el bloque ASTM, en una página
    r.Dato(Q(astm.textos.at("TextoTipoCalculo")), Q(astm.textos.at("LDres")));
    r.Dato("Carga ASTM = " + Q(c.astm.factor) + " / (Fa · Di) =", Q(astm.textos.at("LDCarga")));
    // Sin truncar la carga de cálculo: Qtotal / (Fa · Di), con sus valores.
    r.Dato("Carga de fisuración = Qtotal / (Fa · Di) =",
           Q(TextoNumero(Trunca2(p.qTotal))) + " kN/m / (" + N(p.Fa) + " · " + N(p.Di) +
               " m) = " + Q(TextoNumero(Trunca2(p.CargaCalculo / 1.5))) + " kN/m²");
    r.Juntos(false);
    if (!c.astm.validez.empty())
        r.Parrafo(Q(c.astm.validez));
}

QString TituloFila(const Proyecto& p, int fila)
{
    if (GrupoTerraplen(p))
        return "Clase " + QString(TitulosClasesTerraplen[fila]);
    const TituloCama& t = TitulosCamasZanja[fila];
    QStringList partes;
    for (const char* parte : {t.apoyo, t.relleno, t.angulo}) {
        if (*parte)
            partes << QString(parte).trimmed();
    }
    return partes.join(", ");
}

void Matriz(Redactor& r, const Proyecto& p, const MatrizResultados& matriz, const QString& norma)
{
    r.Subapartado("Clase mínima " + norma + " por apoyo y relleno");
    r.RotuloTabla("Clase " + norma +
                  " y carga de cálculo (kN/m²) de cada apoyo (filas) y relleno "
                  "(columnas)");
    // La columna del relleno de usuario solo tiene sentido con ese relleno.
    const int columnas = p.RellenoIndex == RellenoUsuario ? ColumnasHoja : ColumnasHoja - 1;
    QVector<QTextLength> anchos{QTextLength(QTextLength::PercentageLength, 100 - 14 * columnas)};
    for (int i = 0; i < columnas; ++i)
        anchos << QTextLength(QTextLength::PercentageLength, 14);
    QTextTable* tabla = r.Tabla(static_cast<int>(matriz.size()) + 1, columnas + 1, anchos, true);
    r.Celda(tabla, 0, 0, "Apoyo");
    for (int c = 0; c < columnas; ++c)
        r.Celda(tabla, 0, c + 1, TitulosColumnas[c]);
    for (std::size_t f = 0; f < matriz.size(); ++f) {
        const int fila = static_cast<int>(f) + 1;
        r.Celda(tabla, fila, 0, TituloFila(p, static_cast<int>(f)));
        for (int c = 0; c < columnas; ++c) {
            const CeldaResultado& celda = matriz[f][static_cast<std::size_t>(c)];
            // Clase arriba y carga debajo: la celda de la hoja no cabe en una línea.
            QString texto = Q(celda.texto).simplified();
            const int corte = texto.lastIndexOf(' ');
            if (corte > 0)
                texto[corte] = '\n';
            r.Celda(tabla, fila, c + 1, texto);
            r.ColorCelda(tabla, fila, c + 1, celda.color);
        }
    }
    r.FinTabla();
}

void Leyenda(Redactor& r, const std::vector<const char*>& clases)
{
    const int n = static_cast<int>(clases.size());
    QVector<QTextLength> anchos;
    for (int i = 0; i < n; ++i)
        anchos << QTextLength(QTextLength::PercentageLength, 100.0 / n);
    QTextTable* tabla = r.Tabla(1, n, anchos, true);
    for (int i = 0; i < n; ++i) {
        const QString clase = clases[static_cast<std::size_t>(i)];
        r.Celda(tabla, 0, i, clase == "NO" ? "NO: ninguna clase basta" : "Clase " + clase);
        r.ColorCelda(tabla, 0, i, ColorClase(clases[static_cast<std::size_t>(i)]));
    }
    r.FinTabla();
}

void ApartadoMatrices(Redactor& r, const CalculoArchivo& c)
{
    r.Apartado("5. Clases para cada apoyo y relleno");
    if (!c.une.entrega.Entregada()) {
        r.Parrafo(SinClase, true);
        return;
    }
    const Proyecto& p = c.proyecto;
    r.Parrafo("Cada casilla da la clase mínima y, debajo, la carga de cálculo (kN/m²) con el "
              "factor de apoyo de su fila y el relleno de su columna.");
    Matriz(r, p, c.matrizUne, "UNE 127.010");
    Leyenda(r, {"60", "90", "135", "180", "NO"});
    Matriz(r, p, c.matrizAstm, "ASTM C76M");
    Leyenda(r, {"I", "II", "III", "IV", "V", "NO"});
}

void ApartadoCurva(Redactor& r, const CalculoArchivo& c)
{
    r.Apartado("6. Clase según la altura de relleno");
    if (!c.une.entrega.Entregada()) {
        r.Parrafo(SinClase, true);
        return;
    }
    // Cada norma con su título pegado al gráfico, para que no se separen de página.
    for (const std::uint8_t modo : {1, 2}) {
        auto curva = std::make_shared<const CurvaClase>(CalculaCurva(c.proyecto, modo, 200));
        r.Subapartado(modo == 1 ? "UNE 127.010: carga de cálculo y clase según hr"
                                : "ASTM C76M: carga de cálculo y clase según hr");
        r.RotuloFigura(modo == 1 ? "Carga de cálculo y clases UNE 127.010 según hr"
                                 : "Carga de cálculo y clases ASTM C76M según hr");
        r.Dibujo([curva](QPainter& pintor,
                         const QRectF& zona) { DibujaCurvaClase(pintor, zona, *curva); },
                 QSizeF(170, 95));
        r.Parrafo(Lineas(LineasCurva(*curva)));
    }
}

void ApartadoNotas(Redactor& r, const CalculoArchivo& c)
{
    r.Apartado("7. Notas");
    QStringList notas;
    for (const std::string& error : c.errores)
        notas << "Error de lectura del archivo: " + Q(TextoVisible(error));
    // Lo que la orden de cálculo corrigió, aconsejó o preguntó (respondido No).
    for (const std::string& aviso : c.avisos)
        notas << Q(aviso);
    if (!c.rechazo.empty())
        notas << "La orden de cálculo no calcula este caso: " + Q(c.rechazo);
    if (!c.une.entrega.mensaje.empty())
        notas << Q(c.une.entrega.mensaje);
    if (c.proyecto.ZanjaComoTerraplen)
        notas << "La carga del relleno se ha calculado como terraplén por sobrepasar el ancho "
                 "de zanja b la anchura de transición.";
    if (c.calculado && !c.une.entrega.Entregada())
        notas << "El cálculo no ha terminado: ha fallado " + NombrePaso(c.une.entrega.fallo) +
                     " porque " + Q(CausaDelFallo(c.proyecto)) + ". No se da clase resistente.";
    if (notas.isEmpty())
        notas << "Sin notas.";
    for (const QString& nota : notas)
        r.Parrafo(nota);
}

}  // namespace

std::vector<std::pair<QString, int>> RedactaAnejo(QTextDocument& documento, ObjetosDibujo& objetos,
                                                  const CalculoArchivo& calculo,
                                                  const std::optional<TramosAnejo>& tramos,
                                                  const std::atomic<bool>* cancelado)
{
    // Todo en un solo cambio: el documento se dispone una vez, al final.
    QTextCursor bloqueo(&documento);
    bloqueo.beginEditBlock();
    Redactor r(documento, objetos, cancelado);
    const Proyecto& p = calculo.proyecto;
    ApartadoDatos(r, p);
    ApartadoHipotesis(r, p, TextosDelModo(calculo, 1));
    ApartadoCargas(r, calculo);
    ApartadoClases(r, calculo);
    ApartadoMatrices(r, calculo);
    ApartadoCurva(r, calculo);
    ApartadoNotas(r, calculo);
    if (tramos)
        ApartadoTramos(r, *tramos);
    bloqueo.endEditBlock();
    return r.Apartados();
}
