#include "precios_csv.h"

#include <fstream>
#include <sstream>

#include "clases.h"
#include "numero.h"
#include "registros_csv.h"
#include "texto1252.h"

namespace {

std::string SinBlancos(const std::string& texto)
{
    const std::size_t inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string::npos)
        return "";
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

// Lee las filas de la tabla ya en UTF-8.
LecturaPrecios Filas(const std::string& texto)
{
    LecturaPrecios r;
    std::istringstream entrada(texto);
    const char separador = SeparadorCsv(entrada);
    entrada.clear();
    entrada.seekg(0);
    RegistrosCsv registros(entrada, separador, true);
    const char* const cabeceras[3] = {"Di", "Clase", "Precio"};
    int columnas[3] = {-1, -1, -1};
    bool primera = true;
    while (registros.Siguiente(16, 200)) {
        const std::vector<std::string>& campos = registros.campos;
        const std::string linea = "Línea " + std::to_string(registros.linea) + ": ";
        if (primera) {
            primera = false;
            // La cabecera puede llevar la unidad: «Precio (€/m)».
            for (int c = 0; c < 3; ++c)
                for (std::size_t i = 0; i < campos.size(); ++i) {
                    const std::string cabecera = SinBlancos(campos[i]);
                    if (IgualesSinMayusculas(cabecera.substr(0, cabecera.find(" (")), cabeceras[c]))
                        columnas[c] = static_cast<int>(i);
                }
            if (columnas[0] < 0 || columnas[1] < 0 || columnas[2] < 0) {
                r.error = "La tabla de precios debe tener las columnas «Di», «Clase» y «Precio».";
                return r;
            }
            continue;
        }
        const auto celda = [&](int c) {
            const auto i = static_cast<std::size_t>(columnas[c]);
            return i < campos.size() ? SinBlancos(campos[i]) : std::string();
        };
        if (celda(0).empty() && celda(1).empty() && celda(2).empty())
            continue;
        PrecioTubo precio;
        const NumeroTecleado Di = LeeTecleado(celda(0));
        const NumeroTecleado euros = LeeTecleado(celda(2));
        precio.clase = celda(1);
        for (char& ch : precio.clase)
            if (ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
        if (Di.estado != Tecleo::Valido || !(Di.valor > 0))
            r.error = linea + "«" + celda(0) + "» no es un diámetro en mm.";
        else if (RangoClase(precio.clase) < 0 || precio.clase == "NO")
            r.error = linea + "«" + celda(1) + "» no es una clase (60, 90, 135, 180 o I a V).";
        else if (euros.estado != Tecleo::Valido || !(euros.valor >= 0) || euros.valor > 1e9)
            r.error = linea + "«" + celda(2) + "» no es un precio en €/m.";
        if (!r.error.empty()) {
            r.precios.clear();
            return r;
        }
        precio.Di = Di.valor;
        precio.precio = euros.valor;
        r.precios.push_back(std::move(precio));
    }
    if (registros.comillaAbierta)
        r.error = "La tabla de precios tiene unas comillas sin cerrar.";
    r.leida = r.error.empty() && !primera;
    if (primera)
        r.error = "La tabla de precios está vacía.";
    return r;
}

}  // namespace

LecturaPrecios LeePrecios(std::istream& entrada)
{
    std::string bytes;
    switch (LeeTodo(entrada, bytes, TamanoMaximoPrecios)) {
    case Contenido::Grande: return {false, "La tabla de precios pasa de 1 MB.", {}};
    case Contenido::Error: return {false, "Error en lectura del archivo", {}};
    case Contenido::Leido: break;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    return Filas(EsUtf8(bytes) ? bytes : De1252(bytes));
}

LecturaPrecios LeeArchivoPrecios(const std::string& nombre)
{
    std::ifstream entrada(nombre, std::ios::binary);
    if (!entrada.is_open())
        return {false, "Error abriendo archivo", {}};
    return LeePrecios(entrada);
}
