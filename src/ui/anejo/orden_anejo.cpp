#include "orden_anejo.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <optional>

#include "anejo.h"
#include "caso.h"
#include "letras.h"
#include "sistema.h"
#include "tramos_csv.h"

bool PideAnejo(int argc, char** argv)
{
    return argc > 1 && std::strcmp(argv[1], "--anejo") == 0;
}

namespace {

const char* const Uso = "Uso: calculo-tubos --anejo SALIDA.pdf [--tramos TABLA.csv] [--autor "
                        "AUTOR] [--revision REVISION] PROYECTO.txt\n";

struct ArgumentosAnejo {
    QString pdf, tabla, autor, revision;
    std::string proyecto;
};

// Los argumentos (en UTF-8, el primero --anejo); vacío si no valen (una opción
// sin valor, dos proyectos…).
std::optional<ArgumentosAnejo> LeeArgumentos(const std::vector<std::string>& palabras)
{
    if (palabras.size() < 3)
        return std::nullopt;
    ArgumentosAnejo a;
    a.pdf = QString::fromStdString(palabras[1]);
    for (std::size_t i = 2; i < palabras.size(); ++i) {
        const std::string& opcion = palabras[i];
        QString* valor = opcion == "--tramos"     ? &a.tabla
                         : opcion == "--autor"    ? &a.autor
                         : opcion == "--revision" ? &a.revision
                                                  : nullptr;
        if (valor) {
            if (i + 1 == palabras.size() || palabras[i + 1].rfind("--", 0) == 0)
                return std::nullopt;
            *valor = QString::fromStdString(palabras[++i]);
        } else if (opcion.rfind("--", 0) == 0 || !a.proyecto.empty()) {
            return std::nullopt;
        } else {
            a.proyecto = opcion;
        }
    }
    if (a.proyecto.empty())
        return std::nullopt;
    return a;
}

// La tabla de tramos calculada sobre el caso; vacía si no se puede leer.
std::optional<TramosAnejo> CalculaTabla(const QString& tabla, const Proyecto& base, int& codigo)
{
    const LecturaTramos lectura = LeeArchivoTramos(tabla.toStdString());
    if (!lectura.leida) {
        std::cerr << "calculo-tubos: " << lectura.error << '\n';
        codigo = SalidaNoProyecto;
        return std::nullopt;
    }
    for (const std::string& aviso : lectura.avisos)
        std::cerr << "calculo-tubos: " << aviso << '\n';
    TramosAnejo t;
    t.tabla = tabla;
    for (std::size_t fila = 0; fila < lectura.tabla.filas.size(); ++fila) {
        t.tramos.push_back(TramoDeFila(lectura.tabla, fila, base));
        t.calculos.push_back(CalculaTramo(t.tramos.back()));
        SumaTramo(t.resumen, t.tramos.back(), t.calculos.back());
        if (!t.calculos.back().calculado)
            codigo = std::max(codigo, static_cast<int>(SalidaErrores));
    }
    return t;
}

}  // namespace

int EjecutaAnejo(int argc, char** argv)
{
    PreparaConsola();
    const std::optional<ArgumentosAnejo> argumentos = LeeArgumentos(ArgumentosPrograma(argc, argv));
    if (!argumentos) {
        std::cerr << Uso;
        return SalidaNoProyecto;
    }
    // Sin pantalla: la plataforma se fija antes de crear la aplicación.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int uno = 1;
    QGuiApplication aplicacion(uno, argv);
    InstalaLetrasPrograma();
    const ArgumentosAnejo& a = *argumentos;

    const CalculoArchivo calculo = CalculaArchivo(a.proyecto);
    if (!calculo.leido) {
        for (const std::string& error : calculo.errores)
            std::cerr << "calculo-tubos: " << error << '\n';
        std::cerr << "calculo-tubos: " << a.proyecto
                  << " no es un archivo de proyecto; no se escribe el anejo.\n";
        return calculo.Codigo();
    }
    int codigo = calculo.Codigo();
    DatosAnejo datos;
    datos.archivo = QFileInfo(QString::fromStdString(a.proyecto)).fileName();
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    datos.autor = a.autor;
    datos.revision = a.revision;
    if (!a.tabla.isEmpty()) {
        // Las filas, sobre el caso tal como se leyó (no el que dejó su cálculo).
        Proyecto base;
        std::vector<std::string> errores;
        LeeProyecto(a.proyecto, base, errores);
        datos.tramos = CalculaTabla(a.tabla, base, codigo);
        if (!datos.tramos)
            return codigo;
    }
    const ResultadoAnejo resultado = EscribeAnejo(calculo, datos, a.pdf);
    if (!resultado.escrito) {
        std::cerr << "calculo-tubos: " << resultado.error.toStdString() << '\n';
        return SalidaSinEscribir;
    }
    return codigo;
}
