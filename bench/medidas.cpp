// Medidas: una hoja de zanjas completa (66 celdas), la memoria con su búsqueda
// de validez, todo lo que se calcula de un archivo con el peor caso conocido y
// la herramienta de línea de órdenes sobre 1000 archivos y 10.000 tramos.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "archivo.h"
#include "clase_en_vivo.h"
#include "clases.h"
#include "curva_clase.h"
#include "informe.h"
#include "interlocutor.h"
#include "caso.h"
#include "proyecto.h"
#include "tramos_cli.h"

namespace {

// Tubo de 1000 mm en zanja con tráfico de carretera y relleno de arena arcillosa.
Proyecto CasoZanja()
{
    Proyecto p;
    InicializaDatos(p);
    p.Di = 1.0;
    p.Es = 0.109;
    p.De = p.Di + 2 * p.Es;
    p.hr = 2.5;
    p.b = 2.1;
    p.Fa = 1.9;
    p.Tipo = 10;
    p.qs = 1.0;
    return p;
}

void HojaZanjas(benchmark::State& estado)
{
    Proyecto p = CasoZanja();
    RespondeNo no;
    for (auto _ : estado)
        benchmark::DoNotOptimize(RellenaResultados(p, no, HojaResultados::Zanjas, 1));
}
BENCHMARK(HojaZanjas)->Unit(benchmark::kMicrosecond);

void MemoriaConValidez(benchmark::State& estado)
{
    Proyecto p = CasoZanja();
    RespondeNo no;
    for (auto _ : estado)
        benchmark::DoNotOptimize(CalculaInforme(p, no, 1));
}
BENCHMARK(MemoriaConValidez)->Unit(benchmark::kMillisecond);

// La ventana de clase según hr: 200 alturas, tramos y validez, en los dos modos.
void CurvaClaseDosModos(benchmark::State& estado)
{
    const Proyecto p = CasoZanja();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(CalculaCurva(p, 1, 200));
        benchmark::DoNotOptimize(CalculaCurva(p, 2, 200));
    }
}
BENCHMARK(CurvaClaseDosModos)->Unit(benchmark::kMillisecond);

// Lo que la herramienta calcula de un archivo: la memoria en los dos modos,
// con su búsqueda de validez, y las dos matrices.
void TodoElArchivo(const Proyecto& p)
{
    CalculoArchivo calculo;
    CalculaProyecto(p, calculo);
    benchmark::DoNotOptimize(calculo);
}

// Terraplén con De negativo (un archivo ajeno): la ecuación del plano de
// igual asiento no tiene raíz en cada paso de la búsqueda de validez.
void ArchivoDeNegativo(benchmark::State& estado)
{
    Proyecto p;
    InicializaDatos(p);
    p.InstalacionIndex = InstalacionTerraplen;
    p.BaseIndex = 0;
    p.RellenoIndex = 3;
    p.Di = 1.5;
    p.Es = 0.15;
    p.De = -1.8;
    p.hr = 4;
    p.hr1 = 0.9;
    p.Fa = 2.194;
    p.Tipo = 1;
    for (auto _ : estado)
        TodoElArchivo(p);
}
BENCHMARK(ArchivoDeNegativo)->Unit(benchmark::kMillisecond);

// Terraplén con h'r/De = 1190 (un De de 10 mm en un archivo): C0 ≈ 458 y, desde
// 0.5, Newton tardaba unos 700 pasos en cada altura de la búsqueda de validez,
// que aquí recorre unos 1000 pasos finos hasta hr = 13.95 m.
void ArchivoDeProyeccionGrande(benchmark::State& estado)
{
    Proyecto p;
    InicializaDatos(p);
    p.InstalacionIndex = InstalacionTerraplen;
    p.BaseIndex = 0;
    p.RellenoIndex = 4;
    p.Di = 0.006;
    p.Es = 0.002;
    p.De = 0.01;
    p.hr = 4;
    p.hr1 = 11.9;
    p.qs = 1;
    p.Fa = 3510.47;
    p.Tipo = 14;
    for (auto _ : estado)
        TodoElArchivo(p);
}
BENCHMARK(ArchivoDeProyeccionGrande)->Unit(benchmark::kMillisecond);

void LineaDeOrdenesMilArchivos(benchmark::State& estado)
{
    // Mil archivos: los ejemplos repetidos en una carpeta temporal.
    namespace fs = std::filesystem;
    const fs::path carpeta = fs::temp_directory_path() / "medidas-calculo-tubos";
    fs::create_directories(carpeta);
    std::vector<fs::path> ejemplos;
    for (const auto& entrada : fs::directory_iterator(CARPETA_EJEMPLOS))
        if (entrada.path().extension() == ".txt")
            ejemplos.push_back(entrada.path());
    std::vector<std::string> archivos;
    for (int i = 0; i < 1000 && !ejemplos.empty(); ++i) {
        const fs::path destino = carpeta / ("caso" + std::to_string(i) + ".txt");
        fs::copy_file(ejemplos[static_cast<std::size_t>(i) % ejemplos.size()], destino,
                      fs::copy_options::overwrite_existing);
        archivos.push_back(destino.string());
    }
    for (auto _ : estado)
        for (const std::string& archivo : archivos)
            benchmark::DoNotOptimize(CalculaArchivo(archivo).une.valor);
    estado.counters["archivos/s"] = benchmark::Counter(static_cast<double>(archivos.size()) *
                                                           static_cast<double>(estado.iterations()),
                                                       benchmark::Counter::kIsRate);
    fs::remove_all(carpeta);
}
BENCHMARK(LineaDeOrdenesMilArchivos)->Unit(benchmark::kMillisecond);

// Diez mil tramos de la tabla de ejemplo (sus filas repetidas) por el camino de
// --tramos: la tabla se comprueba, se lee por bloques, cada tramo se calcula
// en los hilos de la máquina con sus correcciones, sus dos memorias y su
// validez, y se escribe sin guardarlo.
void DiezMilTramos(benchmark::State& estado)
{
    namespace fs = std::filesystem;
    const fs::path tabla = fs::temp_directory_path() / "medidas-diez-mil-tramos.csv";
    {
        std::ifstream ejemplo(CARPETA_EJEMPLOS "/tramos.csv", std::ios::binary);
        std::string cabecera, linea;
        std::getline(ejemplo, cabecera);
        std::vector<std::string> filas;
        while (std::getline(ejemplo, linea))
            filas.push_back(linea);
        std::ofstream copia(tabla, std::ios::binary);
        copia << cabecera << '\n';
        for (std::size_t i = 0; i < 10000 && !filas.empty(); ++i)
            copia << filas[i % filas.size()] << '\n';
    }
    for (auto _ : estado) {
        std::ostringstream salida, errores;
        if (CalculaTramos({tabla.string(), "", false}, salida, errores) != 0)
            estado.SkipWithError("la tabla no se calculó entera");
    }
    estado.counters["tramos/s"] = benchmark::Counter(
        10000.0 * static_cast<double>(estado.iterations()), benchmark::Counter::kIsRate);
    fs::remove(tabla);
}
BENCHMARK(DiezMilTramos)->Unit(benchmark::kMillisecond);

// La línea de la clase en vivo tras una tecla, como la rehace la ventana: las
// dos memorias sobre una copia, con sus búsquedas de validez, y el texto. Los
// cuatro ejemplos y el terraplén de proyección grande, el peor caso conocido.
void LineaClaseEnVivo(benchmark::State& estado)
{
    static const char* const ejemplos[] = {"zanja.txt", "terraplen.txt", "zanja_terraplenada.txt",
                                           "zanja_inducida.txt"};
    Proyecto p;
    InicializaDatos(p);
    const auto caso = static_cast<std::size_t>(estado.range(0));
    if (caso < std::size(ejemplos)) {
        LeeArchivo(p, std::string(CARPETA_EJEMPLOS "/") + ejemplos[caso],
                   [](const std::string&, BotonesLectura) { return true; });
        estado.SetLabel(ejemplos[caso]);
    } else {
        p.InstalacionIndex = InstalacionTerraplen;
        p.BaseIndex = 0, p.RellenoIndex = 4, p.Tipo = 14;
        p.Di = 0.006, p.Es = 0.002, p.De = 0.01, p.hr = 4, p.hr1 = 11.9, p.qs = 1, p.Fa = 3510.47;
        p.AvisoEspesor = 0;
        estado.SetLabel("proyección grande");
    }
    for (auto _ : estado)
        benchmark::DoNotOptimize(ClaseEnVivo(p));
}
BENCHMARK(LineaClaseEnVivo)->Name("ClaseEnVivo")->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

#ifdef CON_ANEJO
#include <QGuiApplication>
#include <QTemporaryDir>

#include "anejo.h"

namespace {

// Un anejo entero en PDF del ejemplo de zanja: cálculo, documento y páginas.
void Anejo(benchmark::State& estado)
{
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argumentos = 1;
        static char nombre[] = "medidas";
        static char* lista[] = {nombre, nullptr};
        new QGuiApplication(argumentos, lista);  // vive hasta el final
    }
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath("anejo.pdf");
    DatosAnejo datos;
    datos.archivo = "zanja.txt";
    datos.fecha = QDate(2025, 3, 5);
    datos.version = VersionPrograma();
    for (auto _ : estado) {
        const CalculoArchivo calculo = CalculaArchivo(CARPETA_EJEMPLOS "/zanja.txt");
        const ResultadoAnejo resultado = EscribeAnejo(calculo, datos, pdf);
        if (!resultado.escrito)
            estado.SkipWithError("no se escribió el anejo");
    }
}
BENCHMARK(Anejo)->Unit(benchmark::kMillisecond);

}  // namespace
#endif

BENCHMARK_MAIN();
