#include "modelo_tramos.h"

#include <QBrush>
#include <QColor>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <unordered_map>

#include "caso.h"
#include "clases.h"
#include "graficos.h"
#include "numero.h"

namespace {

// Un lote sale del hilo con este número de filas o tras este tiempo, lo que
// llegue antes: la barra avanza sin inundar de eventos la ventana.
const std::size_t FilasLote = 200;
const auto TiempoLote = std::chrono::milliseconds(100);

// Fondo de la celda de una clase, como en las hojas de resultados; no válido si no tiene.
QColor FondoClase(const std::string& clase)
{
    const std::optional<ColorRGB> color = ColorClase(clase);
    return color ? ColorQ(*color) : QColor();
}

const char* const TitulosResultado[NumeroColumnasResultado] = {
    "Carga de cálculo (kN/m²)", "UNE", "Validez UNE", "ASTM", "Validez ASTM", "Notas",
};

}  // namespace

// Filas calculadas en el hilo, con la identidad y la edición de cada una
// cuando salió hacia él.
struct ModeloTramos::Lote {
    std::uint64_t corrida = 0;
    std::vector<std::uint64_t> ids, generaciones;
    std::vector<Tramo> tramos;
    std::vector<TramoCalculado> calculos;
    bool ultimo = false;
};

ModeloTramos::ModeloTramos(const Proyecto& base, QObject* padre)
    : QAbstractTableModel(padre), base_(base)
{}

ModeloTramos::~ModeloTramos()
{
    if (hilo_.joinable()) {
        *cancelar_ = true;
        hilo_.join();
    }
}

void ModeloTramos::PonTabla(TablaTramos tabla)
{
    Cancela();
    beginResetModel();
    tabla_ = std::move(tabla);
    const std::size_t n = tabla_.filas.size();
    tabla_.lineas.resize(n, 0);
    ids_.resize(n);
    for (std::uint64_t& id : ids_)
        id = siguienteId_++;
    generaciones_.assign(n, 0);
    tramos_.assign(n, Tramo{});
    calculos_.assign(n, TramoCalculado{});
    calculadas_.assign(n, false);
    modificada_ = false;
    endResetModel();
    emit ModificadaCambia(false);
    emit ResultadosCambiados();
}

void ModeloTramos::CalculaFila(std::size_t fila)
{
    tramos_[fila] = TramoDeFila(tabla_, fila, base_);
    calculos_[fila] = CalculaTramo(tramos_[fila]);
    calculadas_[fila] = true;
}

void ModeloTramos::CalculaTodo()
{
    Cancela();
    std::vector<std::size_t> pendientes;
    for (std::size_t i = 0; i < calculadas_.size(); ++i)
        if (!calculadas_[i])
            pendientes.push_back(i);
    hechas_ = 0;
    total_ = static_cast<int>(pendientes.size());
    if (pendientes.empty()) {
        emit CalculoTerminado(false);
        return;
    }

    // El hilo trabaja sobre sus propias copias: la tabla puede cambiar mientras tanto.
    const std::uint64_t corrida = ++corrida_;
    cancelar_ = std::make_shared<std::atomic<bool>>(false);
    emit Progreso(0, total_);
    hilo_ =
        std::thread([this, corrida, cancelar = cancelar_, tabla = tabla_, base = base_, ids = ids_,
                     generaciones = generaciones_, pendientes = std::move(pendientes)] {
            auto lote = std::make_shared<Lote>();
            auto envia = [&](bool ultimo) {
                lote->corrida = corrida;
                lote->ultimo = ultimo;
                QMetaObject::invokeMethod(
                    this, [this, lote] { RecibeLote(*lote); }, Qt::QueuedConnection);
                lote = std::make_shared<Lote>();
            };
            auto desde = std::chrono::steady_clock::now();
            for (const std::size_t fila : pendientes) {
                if (*cancelar)
                    return;
                Tramo tramo = TramoDeFila(tabla, fila, base);
                lote->calculos.push_back(CalculaTramo(tramo));
                lote->tramos.push_back(std::move(tramo));
                lote->ids.push_back(ids[fila]);
                lote->generaciones.push_back(generaciones[fila]);
                if (lote->ids.size() >= FilasLote ||
                    std::chrono::steady_clock::now() - desde >= TiempoLote) {
                    envia(false);
                    desde = std::chrono::steady_clock::now();
                }
            }
            envia(true);
        });
}

void ModeloTramos::RecibeLote(const Lote& lote)
{
    if (lote.corrida != corrida_ || !hilo_.joinable())
        return;  // de un cálculo ya cancelado
    std::unordered_map<std::uint64_t, std::size_t> filas;
    filas.reserve(ids_.size());
    for (std::size_t i = 0; i < ids_.size(); ++i)
        filas.emplace(ids_[i], i);
    int primera = rowCount(), ultima = -1;
    for (std::size_t k = 0; k < lote.ids.size(); ++k) {
        const auto lugar = filas.find(lote.ids[k]);
        // Una fila quitada o editada después de salir hacia el hilo: vale lo de aquí.
        if (lugar == filas.end() || generaciones_[lugar->second] != lote.generaciones[k] ||
            calculadas_[lugar->second])
            continue;
        const std::size_t fila = lugar->second;
        tramos_[fila] = lote.tramos[k];
        calculos_[fila] = lote.calculos[k];
        calculadas_[fila] = true;
        primera = std::min(primera, static_cast<int>(fila));
        ultima = std::max(ultima, static_cast<int>(fila));
    }
    if (ultima >= 0)
        emit dataChanged(index(primera, 0), index(ultima, columnCount() - 1));
    hechas_ += static_cast<int>(lote.ids.size());
    emit Progreso(hechas_, total_);
    emit ResultadosCambiados();
    if (lote.ultimo) {
        hilo_.join();
        emit CalculoTerminado(false);
    }
}

void ModeloTramos::Cancela()
{
    if (!hilo_.joinable())
        return;
    *cancelar_ = true;
    hilo_.join();
    ++corrida_;  // los lotes que aún estén en camino no cuentan
    emit CalculoTerminado(true);
}

void ModeloTramos::Modifica()
{
    if (!modificada_) {
        modificada_ = true;
        emit ModificadaCambia(true);
    }
}

void ModeloTramos::AnadeFila()
{
    const int fila = rowCount();
    beginInsertRows(QModelIndex(), fila, fila);
    tabla_.filas.emplace_back(tabla_.cabeceras.size());
    const auto ultima = std::max_element(tabla_.lineas.begin(), tabla_.lineas.end());
    tabla_.lineas.push_back(ultima == tabla_.lineas.end() ? 2 : *ultima + 1);
    ids_.push_back(siguienteId_++);
    generaciones_.push_back(0);
    tramos_.emplace_back();
    calculos_.emplace_back();
    calculadas_.push_back(false);
    CalculaFila(static_cast<std::size_t>(fila));
    endInsertRows();
    Modifica();
    emit ResultadosCambiados();
}

void ModeloTramos::QuitaFilas(std::vector<int> filas)
{
    // De la última a la primera, para que los índices que quedan sigan valiendo.
    std::sort(filas.begin(), filas.end());
    filas.erase(std::unique(filas.begin(), filas.end()), filas.end());
    bool quitada = false;
    for (auto i = filas.rbegin(); i != filas.rend(); ++i) {
        const int fila = *i;
        if (fila < 0 || fila >= rowCount())
            continue;
        beginRemoveRows(QModelIndex(), fila, fila);
        const auto quita = [fila](auto& v) { v.erase(v.begin() + fila); };
        quita(tabla_.filas);
        quita(tabla_.lineas);
        quita(ids_);
        quita(generaciones_);
        quita(tramos_);
        quita(calculos_);
        quita(calculadas_);
        endRemoveRows();
        quitada = true;
    }
    if (quitada) {
        Modifica();
        emit ResultadosCambiados();
    }
}

void ModeloTramos::Renumera()
{
    // Las filas van al archivo una por línea, tras la de cabeceras; los
    // errores de las calculadas dicen la línea nueva.
    for (std::size_t i = 0; i < tabla_.lineas.size(); ++i) {
        const int linea = static_cast<int>(i) + 2;
        if (tabla_.lineas[i] == linea)
            continue;
        tabla_.lineas[i] = linea;
        if (calculadas_[i] && !tramos_[i].errores.empty()) {
            CalculaFila(i);
            const int fila = static_cast<int>(i);
            emit dataChanged(index(fila, Columna(ColumnaResultado::Notas)),
                             index(fila, Columna(ColumnaResultado::Notas)));
        }
    }
}

ResultadoGuardar ModeloTramos::Guarda(const std::string& nombre)
{
    Renumera();
    const ResultadoGuardar resultado = GuardaTablaTramos(tabla_, nombre);
    if (resultado.guardado && modificada_) {
        modificada_ = false;
        emit ModificadaCambia(false);
    }
    return resultado;
}

ResumenTramos ModeloTramos::Resumen() const
{
    ResumenTramos resumen;
    for (std::size_t i = 0; i < tramos_.size(); ++i)
        if (calculadas_[i])
            SumaTramo(resumen, tramos_[i], calculos_[i]);
    return resumen;
}

int ModeloTramos::SinClase(int modo) const
{
    int n = 0;
    for (std::size_t i = 0; i < calculos_.size(); ++i)
        if (calculadas_[i] && calculos_[i].Clase(modo).empty())
            ++n;
    return n;
}

int ModeloTramos::SinCalcular() const
{
    return static_cast<int>(std::count(calculadas_.begin(), calculadas_.end(), false));
}

int ModeloTramos::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(tabla_.filas.size());
}

int ModeloTramos::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : ColumnasTabla() + NumeroColumnasResultado;
}

QString ModeloTramos::Notas(std::size_t fila, const QString& separador) const
{
    if (!calculadas_[fila])
        return TextoSinCalcular;
    QStringList notas;
    for (const std::string& error : calculos_[fila].errores)
        notas << Q(TextoVisible(error));
    for (const std::string& nota : calculos_[fila].notas)
        notas << Q(TextoVisible(nota));
    return notas.join(separador);
}

QVariant ModeloTramos::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= rowCount() || indice.column() >= columnCount())
        return {};
    const auto fila = static_cast<std::size_t>(indice.row());
    const int columna = indice.column();
    if (columna < ColumnasTabla()) {
        const std::vector<std::string>& celdas = tabla_.filas[fila];
        const auto i = static_cast<std::size_t>(columna);
        // Se ve con los controles escapados, como en el anejo; se edita como es.
        if (papel == Qt::DisplayRole && i < celdas.size())
            return Q(TextoVisible(celdas[i]));
        if (papel == Qt::EditRole && i < celdas.size())
            return Q(celdas[i]);
        return {};
    }

    const auto resultado = static_cast<ColumnaResultado>(columna - ColumnasTabla());
    const TramoCalculado& c = calculos_[fila];
    const bool calculado = calculadas_[fila] && c.calculado;
    switch (resultado) {
    case ColumnaResultado::Carga:
        if (papel == Qt::DisplayRole && calculado)
            return Q(TextoNumero(Trunca2(c.une.entrega.carga)));
        if (papel == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case ColumnaResultado::Une:
    case ColumnaResultado::Astm: {
        const std::string& clase = resultado == ColumnaResultado::Une ? c.une.clase : c.astm.clase;
        const bool conClase = calculado && RangoClase(clase) >= 0;
        if (papel == Qt::DisplayRole)
            return conClase ? Q(clase) : QString("—");
        if (papel == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        const QColor fondo = conClase ? FondoClase(clase) : QColor();
        if (papel == Qt::BackgroundRole && fondo.isValid())
            return QBrush(fondo);
        if (papel == Qt::ForegroundRole && fondo.isValid())
            return QBrush(ColorTextoSobre(fondo));
        return {};
    }
    case ColumnaResultado::ValidezUne:
    case ColumnaResultado::ValidezAstm:
        if (papel == Qt::DisplayRole && calculado)
            return Q(resultado == ColumnaResultado::ValidezUne ? c.une.validez : c.astm.validez);
        return {};
    case ColumnaResultado::Notas:
        if (papel == Qt::DisplayRole)
            return Notas(fila, "; ");
        if (papel == Qt::ToolTipRole)
            return Notas(fila, "\n");
        if (papel == Qt::ForegroundRole && calculadas_[fila] && !c.errores.empty())
            return QBrush(Qt::red);
        return {};
    }
    return {};
}

bool ModeloTramos::setData(const QModelIndex& indice, const QVariant& valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || indice.row() >= rowCount() ||
        indice.column() >= ColumnasTabla())
        return false;
    const auto fila = static_cast<std::size_t>(indice.row());
    std::vector<std::string>& celdas = tabla_.filas[fila];
    celdas.resize(std::max(celdas.size(), tabla_.cabeceras.size()));
    std::string& celda = celdas[static_cast<std::size_t>(indice.column())];
    const std::string texto = valor.toString().toStdString();
    if (texto == celda)
        return false;
    celda = texto;
    // Lo que el hilo traiga de esta fila ya es viejo.
    ++generaciones_[fila];
    CalculaFila(fila);
    emit dataChanged(index(indice.row(), 0), index(indice.row(), columnCount() - 1));
    Modifica();
    emit ResultadosCambiados();
    return true;
}

Qt::ItemFlags ModeloTramos::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return indice.column() < ColumnasTabla() ? base | Qt::ItemIsEditable : base;
}

QVariant ModeloTramos::headerData(int seccion, Qt::Orientation orientacion, int papel) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= columnCount())
        return QAbstractTableModel::headerData(seccion, orientacion, papel);
    const auto i = static_cast<std::size_t>(seccion);
    const bool usada =
        seccion >= ColumnasTabla() || (i < tabla_.columnas.size() && tabla_.columnas[i]);
    if (papel == Qt::ToolTipRole && !usada)
        return QString("Esta columna no es de la tabla de tramos: se guarda, pero no se usa");
    if (papel == Qt::ForegroundRole && !usada)
        return QBrush(Qt::gray);
    if (papel != Qt::DisplayRole)
        return {};
    if (seccion < ColumnasTabla())
        return Q(TextoVisible(tabla_.cabeceras[i]));
    return TitulosResultado[seccion - ColumnasTabla()];
}
