#include "tramos_cli.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "json_calculo.h"
#include "numero.h"
#include "procesa.h"
#include "tramos_csv.h"

namespace {

const char* const programa = "calculo-tubos-cli: ";

// Un número entero (un diámetro en mm, unos metros redondos) se escribe sin decimales.
Json Cifra(double x)
{
    if (!std::isfinite(x))
        return nullptr;
    if (x == std::floor(x) && std::fabs(x) < 1e15)
        return static_cast<std::int64_t>(x);
    return x;
}

// Columnas de la tabla legible: título y anchura (con el blanco que las separa).
struct Columna {
    const char* titulo;
    std::size_t ancho;
};
constexpr Columna columnas[] = {
    {"Tramo", 24},  {"PK inicial", 12}, {"PK final", 12},
    {"Di (mm)", 9}, {"hr (m)", 8},      {"Carga de cálculo (kN/m²)", 26},
    {"UNE", 10},    {"ASTM", 0},
};

void EscribeFila(const std::string (&textos)[std::size(columnas)], std::ostream& salida)
{
    std::string linea;
    for (std::size_t i = 0; i < std::size(columnas); ++i)
        linea += Ajusta(textos[i], columnas[i].ancho > 0 ? columnas[i].ancho - 1 : 0) + ' ';
    linea.erase(linea.find_last_not_of(' ') + 1);
    salida << linea << '\n';
}

void EscribeCabecera(const OpcionesTramos& opciones, std::ostream& salida)
{
    salida << "Tabla de tramos: " << TextoVisible(opciones.tabla) << '\n'
           << "Caso base: "
           << (opciones.proyecto.empty() ? std::string("ninguno (registro inicial, sin tubo)")
                                         : TextoVisible(opciones.proyecto))
           << "\n\n";
    std::string titulos[std::size(columnas)];
    for (std::size_t i = 0; i < std::size(columnas); ++i)
        titulos[i] = columnas[i].titulo;
    EscribeFila(titulos, salida);
}

std::string ClaseLegible(const TramoCalculado& c, const ResultadoInforme& r)
{
    return c.calculado && r.entrega.Entregada() ? r.clase : "---";
}

void EscribeTramoLegible(const Tramo& t, const TramoCalculado& c, std::ostream& salida)
{
    const Proyecto& p = c.calculado ? c.proyecto : t.proyecto;
    const std::string textos[std::size(columnas)] = {
        TextoVisible(t.nombre), TextoNumero(t.pkInicial),
        TextoNumero(t.pkFinal), TextoNumero(DiametroMm(p)),
        TextoNumero(p.hr),      c.calculado ? Carga(p.CargaCalculo) : "---",
        ClaseLegible(c, c.une), ClaseLegible(c, c.astm),
    };
    EscribeFila(textos, salida);
    for (const std::string& error : c.errores)
        salida << "    Error: " << TextoVisible(error) << '\n';
    for (const std::string& nota : c.notas)
        salida << "    Nota: " << TextoVisible(nota) << '\n';
}

void EscribeMetros(const char* norma, const std::vector<MetrosClase>& lineas, std::ostream& salida)
{
    salida << "\nMetros por diámetro y clase, " << norma << ":\n";
    if (lineas.empty()) {
        salida << "  ningún tramo con clase\n";
        return;
    }
    salida << "  " << Ajusta("Di (mm)", 9) << Ajusta("Clase", 10) << "Metros\n";
    for (const MetrosClase& m : lineas)
        salida << "  " << Ajusta(TextoNumero(m.Di), 9) << Ajusta(TextoVisible(m.clase), 10)
               << TextoNumero(m.metros) << '\n';
    salida << "  " << Ajusta("Total", 19) << TextoNumero(MetrosTotales(lineas)) << '\n';
}

Json JsonMetros(const std::vector<MetrosClase>& lineas)
{
    Json j = Json::array();
    for (const MetrosClase& m : lineas)
        j.push_back({{"Di", Cifra(m.Di)}, {"clase", m.clase}, {"metros", Cifra(m.metros)}});
    return j;
}

// Lee el caso base; sin archivo, un registro recién inicializado.
CodigoSalida LeeBase(const std::string& nombre, Proyecto& base, std::ostream& errores)
{
    if (nombre.empty()) {
        InicializaDatos(base);
        return SalidaBien;
    }
    std::vector<std::string> mensajes;
    const bool leido = LeeProyecto(nombre, base, mensajes);
    for (const std::string& mensaje : mensajes)
        errores << programa << TextoVisible(nombre) << ": " << TextoVisible(mensaje) << '\n';
    if (!leido) {
        if (mensajes.empty())
            errores << programa << TextoVisible(nombre) << ": no es un archivo de proyecto\n";
        return SalidaNoProyecto;
    }
    return mensajes.empty() ? SalidaBien : SalidaErrores;
}

// Una fila de la tabla: sus celdas y su línea; y lo que se calcula de ella.
struct TramoDeTabla {
    std::vector<std::string> celdas;
    int linea = 0;
    Tramo tramo;
    TramoCalculado calculo;
};

// Lee hasta bloque.size() filas y las calcula repartidas entre hilos: cada
// tramo es independiente, y el bloque acotado mantiene la memoria sin crecer
// con la tabla. Deja en el bloque solo las filas leídas.
void CalculaBloque(LectorTramos& lector, std::vector<TramoDeTabla>& bloque, const Proyecto& base,
                   std::size_t hilos)
{
    std::size_t leidas = 0;
    while (leidas < bloque.size() && lector.Siguiente(bloque[leidas].celdas, bloque[leidas].linea))
        ++leidas;
    bloque.resize(leidas);
    const TablaTramos& tabla = lector.Lectura().tabla;
    const auto calcula = [&](std::size_t desde) {
        for (std::size_t i = desde; i < bloque.size(); i += hilos) {
            bloque[i].tramo = TramoDeCeldas(tabla, bloque[i].celdas, bloque[i].linea, base);
            bloque[i].calculo = CalculaTramo(bloque[i].tramo);
        }
    };
    std::vector<std::thread> otros;
    for (std::size_t h = 1; h < hilos && h < bloque.size(); ++h)
        otros.emplace_back(calcula, h);
    calcula(0);
    for (std::thread& hilo : otros)
        hilo.join();
}

}  // namespace

int CodigoDeTramo(const TramoCalculado& c)
{
    const bool bien = c.errores.empty() && !c.Clase(1).empty() && !c.Clase(2).empty();
    return bien ? SalidaBien : SalidaErrores;
}

void EscribeTramoJson(const Tramo& t, const TramoCalculado& c, std::ostream& salida)
{
    Json j;
    j["tramo"] = t.nombre;
    j["pk_inicial"] = Cifra(t.pkInicial);
    j["pk_final"] = Cifra(t.pkFinal);
    j["errores"] = c.errores;
    j["notas"] = c.notas;
    if (c.calculado)
        AnadeCalculo(j, c.proyecto, c.une, c.astm);
    EscribeLineaJson(j, salida);
}

int CalculaTramos(const OpcionesTramos& opciones, std::ostream& salida, std::ostream& errores)
{
    Proyecto base;
    int codigo = LeeBase(opciones.proyecto, base, errores);
    if (codigo == SalidaNoProyecto)
        return codigo;
    LectorTramos lector(opciones.tabla);
    const LecturaTramos& lectura = lector.Lectura();
    if (!lectura.leida) {
        errores << programa << TextoVisible(opciones.tabla) << ": " << TextoVisible(lectura.error)
                << '\n';
        return SalidaNoProyecto;
    }
    for (const std::string& aviso : lectura.avisos)
        errores << "Aviso: " << TextoVisible(aviso) << '\n';
    ExportesTramos exportes;
    if (!exportes.Prepara(opciones.exportes, errores))
        return SalidaNoProyecto;

    if (!opciones.json)
        EscribeCabecera(opciones, salida);
    ResumenTramos resumen;
    const std::size_t hilos = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<TramoDeTabla> bloque;
    do {
        bloque.resize(64 * hilos);
        CalculaBloque(lector, bloque, base, hilos);
        for (const TramoDeTabla& fila : bloque) {
            SumaTramo(resumen, fila.tramo, fila.calculo);
            exportes.Anade(fila.tramo, fila.calculo);
            codigo = std::max(codigo, CodigoDeTramo(fila.calculo));
            if (opciones.json)
                EscribeTramoJson(fila.tramo, fila.calculo, salida);
            else
                EscribeTramoLegible(fila.tramo, fila.calculo, salida);
        }
    } while (!bloque.empty() && salida);
    if (opciones.json) {
        Json j;
        j["resumen"] = {{"une", JsonMetros(resumen.une)}, {"astm", JsonMetros(resumen.astm)}};
        EscribeLineaJson(j, salida);
    } else {
        EscribeMetros("UNE 127.010", resumen.une, salida);
        EscribeMetros("ASTM C76M", resumen.astm, salida);
    }
    codigo = TerminaSalida(salida, errores, codigo);
    return std::max(codigo, exportes.Escribe(opciones.tabla, opciones.proyecto, errores));
}
