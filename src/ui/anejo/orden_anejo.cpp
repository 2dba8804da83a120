#include "orden_anejo.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstring>
#include <iostream>

#include "anejo.h"
#include "letras.h"
#include "procesa.h"
#include "sistema.h"

bool PideAnejo(int argc, char** argv)
{
    return argc > 1 && std::strcmp(argv[1], "--anejo") == 0;
}

int EjecutaAnejo(int argc, char** argv)
{
    PreparaConsola();
    const std::vector<std::string> palabras = ArgumentosPrograma(argc, argv);
    if (palabras.size() != 3) {
        std::cerr << "Uso: calculo-tubos --anejo SALIDA.pdf PROYECTO.txt\n";
        return SalidaNoProyecto;
    }
    // Sin pantalla: la plataforma se fija antes de crear la aplicación.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argumentos = 1;
    QGuiApplication aplicacion(argumentos, argv);
    InstalaLetrasPrograma();
    const QString pdf = QString::fromStdString(palabras[1]);
    const std::string& proyecto = palabras[2];

    const CalculoArchivo calculo = CalculaArchivo(proyecto);
    if (!calculo.leido) {
        for (const std::string& error : calculo.errores)
            std::cerr << "calculo-tubos: " << error << '\n';
        std::cerr << "calculo-tubos: " << proyecto
                  << " no es un archivo de proyecto; no se escribe el anejo.\n";
        return calculo.Codigo();
    }
    DatosAnejo datos;
    datos.archivo = QFileInfo(QString::fromStdString(proyecto)).fileName();
    datos.fecha = QDate::currentDate();
    datos.version = VersionPrograma();
    const ResultadoAnejo resultado = EscribeAnejo(calculo, datos, pdf);
    if (!resultado.escrito) {
        std::cerr << "calculo-tubos: " << resultado.error.toStdString() << '\n';
        return SalidaSinEscribir;
    }
    return calculo.Codigo();
}
