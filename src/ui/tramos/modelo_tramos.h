#pragma once
// ModeloTramos: la tabla de tramos para una QTableView. Sus columnas son las
// de la tabla (editables, con la cabecera del archivo) y detrás las del
// resultado de cada fila (solo lectura). Al editar una celda se rehace y se
// calcula esa fila al momento; una tabla entera se calcula en otro hilo, por
// lotes, y lo que llegue tarde de una fila ya editada se descarta.

#include <QAbstractTableModel>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "proyecto.h"
#include "tramos.h"
#include "tramos_csv.h"

// Columnas del resultado, detrás de las de la tabla.
enum class ColumnaResultado { Carga, Une, ValidezUne, Astm, ValidezAstm, Notas };
constexpr int NumeroColumnasResultado = static_cast<int>(ColumnaResultado::Notas) + 1;

// Lo que dice "Notas" de una fila que aún no se ha calculado.
inline const char* const TextoSinCalcular = "sin calcular";

class ModeloTramos : public QAbstractTableModel {
    Q_OBJECT
public:
    // base: el caso sobre el que se aplica cada fila (se copia).
    explicit ModeloTramos(const Proyecto& base, QObject* padre = nullptr);
    // Cancela el cálculo en curso y espera a que el hilo termine.
    ~ModeloTramos() override;

    // Pone una tabla nueva con todas sus filas sin calcular (véase CalculaTodo).
    void PonTabla(TablaTramos tabla);
    const TablaTramos& Tabla() const { return tabla_; }
    // Tramos y cálculos de cada fila; el de una fila sin calcular está vacío.
    const std::vector<Tramo>& Tramos() const { return tramos_; }
    const std::vector<TramoCalculado>& Calculos() const { return calculos_; }
    bool Calculada(int fila) const { return calculadas_.at(static_cast<std::size_t>(fila)); }

    // Calcula en otro hilo las filas sin calcular; el resultado llega por lotes.
    void CalculaTodo();
    // Detiene el cálculo en curso; lo que no llegó queda sin calcular.
    void Cancela();
    bool Calculando() const { return hilo_.joinable(); }

    // Añade al final un tramo vacío (el caso base) y lo calcula.
    void AnadeFila();
    // Quita las filas dadas (índices, en cualquier orden).
    void QuitaFilas(std::vector<int> filas);

    // Metros por diámetro y clase de las filas calculadas.
    ResumenTramos Resumen() const;
    // Filas calculadas sin clase de la norma (1 UNE, 2 ASTM), con errores incluidas.
    int SinClase(int modo) const;
    int SinCalcular() const;

    // Hay cambios que no están en el archivo.
    bool Modificada() const { return modificada_; }
    // Guarda la tabla (las filas, numeradas de nuevo por su línea en el
    // archivo); si se guarda, deja de estar modificada.
    ResultadoGuardar Guarda(const std::string& nombre);

    int ColumnasTabla() const { return static_cast<int>(tabla_.cabeceras.size()); }
    // Índice de la columna de resultado dada.
    int Columna(ColumnaResultado columna) const
    {
        return ColumnasTabla() + static_cast<int>(columna);
    }

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor,
                 int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int papel = Qt::DisplayRole) const override;

signals:
    // Filas calculadas de las del cálculo en curso.
    void Progreso(int hechas, int total);
    // El cálculo en segundo plano terminó (o se canceló).
    void CalculoTerminado(bool cancelado);
    // Cambió algún resultado o alguna fila: hay que rehacer resumen y perfil.
    void ResultadosCambiados();
    // Cambió el estado de modificada.
    void ModificadaCambia(bool modificada);

private:
    struct Lote;
    void CalculaFila(std::size_t fila);
    void RecibeLote(const Lote& lote);
    void Modifica();
    void Renumera();
    QString Notas(std::size_t fila, const QString& separador) const;

    Proyecto base_;
    TablaTramos tabla_;
    // Por fila: su identidad (no cambia al quitar o añadir otras), cuántas veces
    // se ha editado, su tramo, su cálculo y si está calculada.
    std::vector<std::uint64_t> ids_;
    std::vector<std::uint64_t> generaciones_;
    std::vector<Tramo> tramos_;
    std::vector<TramoCalculado> calculos_;
    std::vector<bool> calculadas_;
    std::uint64_t siguienteId_ = 1;
    bool modificada_ = false;

    std::thread hilo_;
    std::shared_ptr<std::atomic<bool>> cancelar_;
    std::uint64_t corrida_ = 0;  // la del cálculo en curso; los lotes de otra se descartan
    int hechas_ = 0, total_ = 0;
};
