// Las mediciones que escribe --bc3, leídas de nuevo con un lector de FIEBDC-3
// propio de la prueba: registros separados por «~», campos por «|» y
// subcampos por «\».

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tramos_cli.h"

namespace {

using Campos = std::vector<std::string>;

std::vector<std::string> Parte(const std::string& texto, char separador)
{
    std::vector<std::string> partes;
    std::string parte;
    std::istringstream entrada(texto);
    while (std::getline(entrada, parte, separador))
        partes.push_back(parte);
    return partes;
}

// Los registros de un archivo: su letra y sus campos.
std::multimap<char, Campos> Registros(const std::string& bytes)
{
    std::multimap<char, Campos> registros;
    for (std::string registro : Parte(bytes, '~')) {
        while (!registro.empty() && (registro.back() == '\n' || registro.back() == '\r'))
            registro.pop_back();
        if (registro.empty())
            continue;
        Campos campos = Parte(registro.substr(2), '|');
        registros.emplace(registro[0], campos);
    }
    return registros;
}

// Las mediciones de la tabla sobre el proyecto de zanja, con las dos normas.
std::string Mediciones(const std::string& tabla)
{
    const std::filesystem::path bc3 =
        std::filesystem::temp_directory_path() / "pruebas-cli-mediciones.bc3";
    OpcionesTramos opciones{tabla, CARPETA_EJEMPLOS "/zanja.txt", false, {}};
    opciones.exportes.bc3 = bc3.string();
    opciones.exportes.astm = true;
    std::ostringstream salida, errores;
    CalculaTramos(opciones, salida, errores);
    std::ifstream archivo(bc3, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(archivo), {}};
    archivo.close();  // Windows no borra un archivo abierto
    std::filesystem::remove(bc3);
    return bytes;
}

}  // namespace

// Lo que un programa de presupuestos lee del archivo: la página de códigos
// que declara (con los acentos en ella), una partida por diámetro y clase con
// los metros del resumen, cada tramo medido en su partida y los que no tienen
// clase fuera, nombrados en el comentario; y ningún código sin su concepto. (El
// archivo de la tabla de ejemplo entero, byte a byte, en la salida de referencia.)
TEST(MedicionesBc3, SeLeenComoLasEscribeLaTabla)
{
    const std::string bytes = Mediciones(CARPETA_CASOS "/tramos_celda_mala.csv");
    ASSERT_EQ(bytes.substr(0, 3), "~V|");
    EXPECT_NE(bytes.find("hormig\xF3n"), std::string::npos);  // "ó" en Windows-1252
    const std::multimap<char, Campos> r = Registros(bytes);
    const Campos& v = r.find('V')->second;
    EXPECT_EQ(v.at(4), "ANSI");
    EXPECT_EQ(v.at(5), "Tramos sin medir: A-2 (con errores); A-4  [31m  (con errores)");

    std::set<std::string> conceptos;
    for (auto [c, fin] = r.equal_range('C'); c != fin; ++c)
        conceptos.insert(c->second.at(0));
    std::map<std::string, double> rendimientos;
    for (auto [d, fin] = r.equal_range('D'); d != fin; ++d) {
        const std::vector<std::string> hijos = Parte(d->second.at(1), '\\');
        for (std::size_t i = 0; i + 2 < hijos.size(); i += 3) {
            EXPECT_EQ(conceptos.count(hijos[i]), 1u) << hijos[i];
            rendimientos[hijos[i]] = std::stod(hijos[i + 2]);
        }
    }
    std::map<std::string, double> metros;
    std::size_t lineas = 0;
    for (auto [m, fin] = r.equal_range('M'); m != fin; ++m) {
        const std::string partida = Parte(m->second.at(0), '\\').at(1);
        const std::vector<std::string> sub = Parte(m->second.at(3), '\\');
        double suma = 0;
        for (std::size_t i = 0; i + 3 < sub.size(); i += 6, ++lineas)
            suma += std::stod(sub[i + 2]) * std::stod(sub[i + 3]);
        EXPECT_DOUBLE_EQ(suma, std::stod(m->second.at(2))) << partida;
        EXPECT_DOUBLE_EQ(suma, rendimientos[partida]) << partida;
        metros[partida] = suma;
    }
    EXPECT_EQ(metros, (std::map<std::string, double>{{"UNE_800_135", 40},
                                                     {"UNE_1000_135", 40},
                                                     {"ASTM_800_III", 40},
                                                     {"ASTM_1000_IV", 40}}));
    EXPECT_EQ(lineas, 4u);
}
