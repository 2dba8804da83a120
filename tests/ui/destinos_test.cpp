// Todo lo que escribe el programa (proyecto, tabla de tramos, anejo, PDF de una
// ventana, planos y mediciones) rehúsa los mismos destinos que el proyecto,
// con el mismo mensaje, y nunca escribe sobre el proyecto abierto; si falla,
// la carpeta queda como estaba.

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sstream>

#include "../file/ayudas_archivo.h"
#include "anejo.h"
#include "caso.h"
#include "dialogos_guion.h"
#include "guarda_exportado.h"
#include "impresion.h"
#include "tramos_csv.h"

class PruebaDestinos : public QObject {
    Q_OBJECT

private slots:
    void CadaEscrituraCadaDestino()
    {
        const std::string ejemplo = CARPETA_EJEMPLOS "/zanja.txt";
        const CalculoArchivo calculo = CalculaArchivo(ejemplo);
        QWidget pagina;
        new QLabel("Clase 90", &pagina);
        using Escritura = std::function<QString(const QString& nombre, const std::string& abierto)>;
        const std::pair<const char*, Escritura> escrituras[] = {
            {"proyecto",
             [&](const QString& nombre, const std::string& abierto) {
                 Proyecto p = calculo.proyecto;
                 p.FileName = abierto;
                 return QString::fromStdString(GuardaArchivo(p, nombre.toStdString()).error);
             }},
            {"tabla de tramos",
             [](const QString& nombre, const std::string&) {
                 std::istringstream csv("Tramo;hr\nA;2\n");
                 return QString::fromStdString(
                     GuardaTablaTramos(LeeTablaTramos(csv).tabla, nombre.toStdString()).error);
             }},
            {"anejo",
             [&](const QString& nombre, const std::string& abierto) {
                 CalculoArchivo caso = calculo;
                 caso.archivo = abierto;
                 DatosAnejo datos;
                 datos.version = VersionPrograma();
                 return EscribeAnejo(caso, datos, nombre).error;
             }},
            {"PDF de una ventana",
             [&](const QString& nombre, const std::string& abierto) {
                 DialogosGuion guion;
                 guion.nombres = {nombre};
                 ExportaPdf(pagina, "caso.txt", guion, {abierto});
                 return guion.vistos.isEmpty() ? QString() : guion.vistos.back().texto;
             }},
            {"plano o mediciones",
             [](const QString& nombre, const std::string& abierto) {
                 return GuardaExportado(std::string(2000, 'x'), nombre, {abierto});
             }},
        };
        const std::pair<const char*, rlim_t> destinos[] = {
            {"nuevo.txt", 0},   {"viejo.txt", 0},        {"tuberia", 0}, {"nulo", 0},
            {"carpeta.txt", 0}, {"solo_lectura.txt", 0}, {"roto", 0},    {"bucle_a", 0},
            {"viejo.txt", 8},   {"proyecto.txt", 0},
        };
        for (const auto& [destino, limite] : destinos) {
            // Lo que responde el guardado del proyecto es lo que responden todos.
            QString esperado;
            for (const auto& [que, escribe] : escrituras) {
                QTemporaryDir carpeta;
                const fs::path c = carpeta.path().toStdString();
                if (!PreparaDestinos(c))
                    QSKIP("Sin permiso para crear una tubería o un dispositivo");
                std::ofstream(c / "proyecto.txt") << "el proyecto abierto";
                const std::map<std::string, std::string> antes = Foto(c);
                const std::string abierto = (c / "proyecto.txt").string();
                const QString nombre = QString::fromStdString((c / destino).string());
                // El nombre cambia de una carpeta a otra: "@" en su lugar.
                const QString error = ConLimite(limite, [&, &escribe = escribe] {
                                          return escribe(nombre, abierto);
                                      }).replace(nombre, "@");
                const QString donde = QString("%1 en %2").arg(que, destino);
                if (std::string(que) == "proyecto")
                    esperado = std::string(destino) == "proyecto.txt"
                                   ? "No se puede escribir sobre @, que está abierto en el "
                                     "programa: elija otro nombre."
                                   : error;
                else if (std::string(que) == "tabla de tramos" &&
                         std::string(destino) == "proyecto.txt")
                    continue;  // la ventana de tramos lo rehúsa antes
                else
                    QVERIFY2(error == esperado, qPrintable(donde + ": " + error));
                if (!error.isEmpty())
                    QVERIFY2(Foto(c) == antes, qPrintable(donde));
                const bool escrito = error.isEmpty();
                QVERIFY2(escrito == (std::string(destino) == "nuevo.txt" ||
                                     (std::string(destino) == "viejo.txt" && !limite) ||
                                     (std::string(que) == "proyecto" &&
                                      std::string(destino) == "proyecto.txt")),
                         qPrintable(donde));
            }
        }
    }
};

QTEST_MAIN(PruebaDestinos)
#include "destinos_test.moc"
