// Medida de la ventana principal: una tecla en la casilla hr hasta que la
// línea de la clase en vivo muestra lo nuevo (manejador de la casilla, cálculo
// de las dos memorias con su validez, texto y repintado de la ventana).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "archivo.h"
#include "form1.h"
#include "proyecto.h"

namespace {

void TeclaEnHr(benchmark::State& estado)
{
    static const char* const ejemplos[] = {"zanja.txt", "terraplen.txt", "zanja_terraplenada.txt",
                                           "zanja_inducida.txt"};
    const char* const ejemplo = ejemplos[estado.range(0)];
    Proyecto p;
    InicializaDatos(p);
    TForm1 ventana(p);
    ventana.show();
    LeeArchivo(p, std::string(CARPETA_EJEMPLOS "/") + ejemplo,
               [](const std::string&, BotonesLectura) { return true; });
    ventana.PintaVariables();
    auto* hr = ventana.findChild<QLineEdit*>("EditHr");
    auto* linea = ventana.findChild<QLabel*>("ClaseEnVivo");
    const QString base = QString::number(p.hr);
    hr->setText(base);
    QApplication::processEvents();
    bool otra = false;
    for (auto _ : estado) {
        // Una cifra más o una menos al final, como quien teclea y borra.
        hr->setText(otra ? base : base + "1");
        otra = !otra;
        QApplication::processEvents();
        benchmark::DoNotOptimize(linea->text());
    }
    hr->setText(base);
    QApplication::processEvents();
    estado.SetLabel(ejemplo + (": " + linea->toolTip().toStdString()));
}
BENCHMARK(TeclaEnHr)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
