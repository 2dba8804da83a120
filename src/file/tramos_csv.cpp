#include "tramos_csv.h"

#include <filesystem>
#include <fstream>

#include "numero.h"
#include "sistema.h"
#include "texto1252.h"

namespace {

const char* const MarcaUtf8 = "\xEF\xBB\xBF";

std::string Comillas(const std::string& texto)
{
    return "«" + texto + "»";
}

bool EsUtf8(const std::string& texto)
{
    for (std::size_t i = 0; i < texto.size();)
        if (SiguienteCaracter(texto, i) == CaracterInvalido)
            return false;
    return true;
}

// Parte el texto en registros de campos; un campo entre comillas puede llevar
// el separador, saltos de línea y comillas dobladas. Anota la línea en que
// empieza cada registro.
struct Registros {
    std::vector<std::vector<std::string>> campos;
    std::vector<int> lineas;
    bool comillaAbierta = false;
};

Registros Parte(const std::string& texto, char separador)
{
    Registros r;
    std::vector<std::string> registro(1);
    int linea = 1, inicio = 1;
    bool entreComillas = false, comillado = false;
    auto cierra = [&] {
        r.campos.push_back(std::move(registro));
        r.lineas.push_back(inicio);
        registro.assign(1, "");
        comillado = false;
    };
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\n')
            ++linea;
        if (entreComillas) {
            if (c != '"')
                registro.back() += c;
            else if (i + 1 < texto.size() && texto[i + 1] == '"')
                registro.back() += texto[++i];
            else
                entreComillas = false;
        } else if (c == '"' && !comillado &&
                   registro.back().find_first_not_of(" ") == std::string::npos) {
            registro.back().clear();
            entreComillas = comillado = true;
        } else if (c == separador) {
            registro.emplace_back();
            comillado = false;
        } else if (c == '\n') {
            cierra();
            inicio = linea;
        } else if (c != '\r') {
            registro.back() += c;
        }
    }
    r.comillaAbierta = entreComillas;
    if (registro.size() > 1 || !registro.back().empty() || comillado)
        cierra();
    return r;
}

// El separador de la fila de cabeceras (la primera que no está en blanco): ";"
// si lo lleva fuera de comillas; si no, un tabulador si lo lleva; si no, ";".
char Separador(const std::string& texto)
{
    bool entreComillas = false, tabulador = false, escrita = false;
    for (const char c : texto) {
        if (c == '"')
            entreComillas = !entreComillas;
        else if (entreComillas)
            continue;
        else if (c == ';')
            return ';';
        else if (c == '\t')
            tabulador = true;
        else if (c == '\n' && escrita)
            break;
        escrita |= c != ' ' && c != '\r' && c != '\n';
    }
    return tabulador ? '\t' : ';';
}

bool Vacio(const std::vector<std::string>& campos)
{
    for (const std::string& campo : campos)
        if (campo.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

LecturaTramos Interpreta(std::string texto)
{
    LecturaTramos r;
    if (texto.rfind(MarcaUtf8, 0) == 0)
        texto.erase(0, 3);
    else if (!EsUtf8(texto))
        texto = De1252(texto);  // lo que guarda una hoja de cálculo como «CSV» en Windows
    const char separador = Separador(texto);
    Registros registros = Parte(texto, separador);
    if (registros.comillaAbierta) {
        r.error = "La tabla de tramos tiene unas comillas sin cerrar (desde la línea " +
                  std::to_string(registros.lineas.back()) + ").";
        return r;
    }
    std::size_t primero = 0;
    while (primero < registros.campos.size() && Vacio(registros.campos[primero]))
        ++primero;
    if (primero == registros.campos.size()) {
        r.error = "La tabla de tramos está vacía: falta la fila de cabeceras.";
        return r;
    }
    TablaTramos& t = r.tabla;
    t.cabeceras = registros.campos[primero];
    if (t.cabeceras.size() > ColumnasMaximasTramos) {
        r.error = "La tabla de tramos tiene demasiadas columnas (más de " +
                  std::to_string(ColumnasMaximasTramos) + ").";
        return r;
    }
    bool conTramo = false;
    std::vector<bool> vista(NumeroColumnasTramo, false);
    for (const std::string& cabecera : t.cabeceras) {
        std::optional<ColumnaTramo> columna = ColumnaDeCabecera(cabecera);
        if (!columna) {
            if (cabecera.find_first_not_of(" \t") != std::string::npos)
                r.avisos.push_back("La columna " + Comillas(cabecera) +
                                   " no es de la tabla de tramos: no se usa.");
        } else if (vista[static_cast<int>(*columna)]) {
            r.avisos.push_back("La columna " + Comillas(cabecera) +
                               " está repetida: solo se usa la primera.");
            columna.reset();
        } else {
            vista[static_cast<int>(*columna)] = true;
            conTramo |= *columna == ColumnaTramo::Tramo;
        }
        t.columnas.push_back(columna);
    }
    if (!conTramo) {
        r.error = "La tabla de tramos no tiene la columna «Tramo».";
        return r;
    }
    if (!vista[static_cast<int>(ColumnaTramo::PkInicial)] ||
        !vista[static_cast<int>(ColumnaTramo::PkFinal)])
        r.avisos.push_back(
            "Sin las columnas «PK inicial» y «PK final» los tramos no tienen longitud.");
    for (std::size_t i = primero + 1; i < registros.campos.size(); ++i) {
        std::vector<std::string>& campos = registros.campos[i];
        if (Vacio(campos))
            continue;
        if (campos.size() > t.cabeceras.size()) {
            const std::vector<std::string> sobrantes(campos.begin() + t.cabeceras.size(),
                                                     campos.end());
            if (!Vacio(sobrantes))
                r.avisos.push_back("La línea " + std::to_string(registros.lineas[i]) +
                                   " tiene más celdas que cabeceras: las de más no se usan.");
        }
        campos.resize(t.cabeceras.size());
        if (Vacio(campos))
            continue;
        if (t.filas.size() == FilasMaximasTramos) {
            r.error = "La tabla de tramos tiene demasiadas filas (más de 50.000): divídala en "
                      "varias tablas.";
            return r;
        }
        t.filas.push_back(std::move(campos));
        t.lineas.push_back(registros.lineas[i]);
    }
    r.leida = true;
    return r;
}

const char* const TextoGrande =
    "El archivo es demasiado grande para ser una tabla de tramos (más de 8 MB).";

// Un campo del CSV, entre comillas si lleva el separador, comillas, saltos de
// línea o blancos en los extremos.
std::string Campo(const std::string& texto)
{
    if (texto.find_first_of(";\"\r\n\t") == std::string::npos &&
        (texto.empty() || (texto.front() != ' ' && texto.back() != ' ')))
        return texto;
    std::string r = "\"";
    for (const char c : texto)
        r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

// Un número con coma decimal; un texto que no es un número se queda como está.
std::string ConComa(std::string texto)
{
    if (LeeTecleado(texto).estado == Tecleo::Valido)
        for (char& c : texto)
            if (c == '.')
                c = ',';
    return texto;
}

}  // namespace

LecturaTramos LeeTablaTramos(std::istream& entrada)
{
    std::string bytes;
    switch (LeeTodo(entrada, bytes, TamanoMaximoTramos)) {
    case Contenido::Grande: return {false, TextoGrande, {}, {}};
    case Contenido::Error: return {false, "Error en lectura del archivo", {}, {}};
    case Contenido::Leido: break;
    }
    return Interpreta(std::move(bytes));
}

LecturaTramos LeeArchivoTramos(const std::string& nombre)
{
    std::error_code ec;
    const std::filesystem::path ruta = RutaArchivo(nombre);
    std::ifstream entrada;
    if (std::filesystem::is_regular_file(ruta, ec)) {
        if (std::filesystem::file_size(ruta, ec) > TamanoMaximoTramos && !ec)
            return {false, TextoGrande, {}, {}};
        entrada.open(ruta, std::ios::binary);
    }
    if (!entrada.is_open())
        return {false, "Error abriendo archivo", {}, {}};
    return LeeTablaTramos(entrada);
}

Tramo TramoDeFila(const TablaTramos& tabla, std::size_t fila, const Proyecto& base)
{
    std::vector<CeldaTramo> celdas;
    const std::vector<std::string>& textos = tabla.filas.at(fila);
    for (std::size_t i = 0; i < tabla.columnas.size() && i < textos.size(); ++i)
        if (tabla.columnas[i])
            celdas.push_back({*tabla.columnas[i], textos[i]});
    Tramo t = LeeTramo(base, celdas);
    const std::string linea =
        "Línea " + std::to_string(fila < tabla.lineas.size() ? tabla.lineas[fila] : 0) + ", ";
    for (std::string& error : t.errores)
        error = linea + error;
    return t;
}

std::string TextoTablaTramos(const TablaTramos& tabla)
{
    std::string texto = MarcaUtf8;
    auto fila = [&](const std::vector<std::string>& celdas, bool cabecera) {
        for (std::size_t i = 0; i < celdas.size(); ++i) {
            const bool numerica = !cabecera && i < tabla.columnas.size() && tabla.columnas[i] &&
                                  ColumnaNumerica(*tabla.columnas[i]);
            texto += (i ? ";" : "") + Campo(numerica ? ConComa(celdas[i]) : celdas[i]);
        }
        texto += "\r\n";
    };
    fila(tabla.cabeceras, true);
    for (const std::vector<std::string>& celdas : tabla.filas)
        fila(celdas, false);
    return texto;
}

ResultadoGuardar GuardaTablaTramos(const TablaTramos& tabla, const std::string& nombre)
{
    return GuardaContenido(TextoTablaTramos(tabla), nombre);
}
