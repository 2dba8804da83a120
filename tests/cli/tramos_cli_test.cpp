#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "archivo.h"
#include "procesa.h"
#include "tramos_cli.h"
#include "tramos_csv.h"

namespace {

using Json = nlohmann::ordered_json;

const std::string zanja = CARPETA_EJEMPLOS "/zanja.txt";

// La línea JSON de la fila calculada por --tramos --json sobre el ejemplo de zanja.
Json LineaTramos(const std::string& csv)
{
    const std::filesystem::path tabla =
        std::filesystem::temp_directory_path() / "pruebas-cli-tramos.csv";
    std::ofstream(tabla, std::ios::binary) << csv;
    std::ostringstream salida, errores;
    CalculaTramos({tabla.string(), zanja, true}, salida, errores);
    std::filesystem::remove(tabla);
    std::istringstream lineas(salida.str());
    std::string primera;
    std::getline(lineas, primera);
    return Json::parse(primera);
}

// El objeto del modo de archivos para el proyecto de la fila: el caso base con
// las celdas aplicadas, guardado y leído (la herramienta hace las correcciones de la orden).
Json ObjetoArchivo(const std::string& csv)
{
    Proyecto base;
    std::vector<std::string> errores;
    EXPECT_TRUE(LeeProyecto(zanja, base, errores));
    std::istringstream texto(csv);
    const LecturaTramos lectura = LeeTablaTramos(texto);
    EXPECT_TRUE(lectura.leida) << lectura.error;
    const Proyecto p = TramoDeFila(lectura.tabla, 0, base).proyecto;
    std::istringstream archivo(TextoArchivo(p));
    std::ostringstream salida;
    EscribeJson(CalculaDatos(archivo, "tramo.txt"), salida);
    return Json::parse(salida.str());
}

}  // namespace

// Cada fila de la tabla da las mismas cargas y clases que su proyecto calculado
// como archivo: zanja normal, una cama con cuna, el relleno mínimo que la orden
// corrige, vía de tren y un terraplén. (El archivo guarda tres decimales: un Fa
// calculado de una clase de terraplén no vuelve igual, por eso se teclea.)
TEST(TramosLineaDeOrdenes, CadaFilaSeCalculaComoSuArchivo)
{
    const char* const filas[] = {
        "Di;hr\n800;2,5\n",
        "Di;b;hr;Cama\n1200;2,4;5,8;1\n",
        "Di;hr\n600;0,3\n",
        "Di;b;hr;Tráfico;Vía;Sentido vía;Vías;V\n1200;2,4;3,5;Ferroviaria;Via UIC 71;Transversal;2;"
        "120\n",
        "Di;hr;h'r;Instalación;Fa\n1000;4;0,6;TERRAPLEN;2,2\n",
    };
    for (const char* fila : filas) {
        const std::string csv =
            std::string("Tramo;PK inicial;PK final;") +
            std::string(fila).insert(std::string(fila).find('\n') + 1, "T;0;10;");
        const Json tramo = LineaTramos(csv);
        const Json archivo = ObjetoArchivo(csv);
        ASSERT_TRUE(tramo.contains("une")) << fila << tramo.dump();
        for (const char* parte : {"calculo", "une", "astm"})
            EXPECT_EQ(tramo[parte], archivo[parte]) << fila << parte;
    }
}

// Solo un tramo sin errores y con clase en las dos normas sale con 0; «NO» no es una clase.
TEST(TramosLineaDeOrdenes, CodigoDeSalidaDeCadaTramo)
{
    const struct {
        const char *une, *astm;
        bool error;
        int codigo;
    } casos[] = {
        {"90", "III", false, 0},
        {"90", "NO", false, 1},
        {"NO", "V", false, 1},
        {"90", "III", true, 1},
    };
    for (const auto& c : casos) {
        TramoCalculado calculo;
        calculo.calculado = true;
        calculo.une.clase = c.une;
        calculo.astm.clase = c.astm;
        if (c.error)
            calculo.errores = {"Línea 2, columna «hr»: «x» no es un número"};
        EXPECT_EQ(CodigoDeTramo(calculo), c.codigo) << c.une << "/" << c.astm << c.error;
    }
}
