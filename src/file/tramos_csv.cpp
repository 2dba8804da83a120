#include "tramos_csv.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "clases.h"
#include "factor_apoyo.h"
#include "numero.h"
#include "registros_csv.h"
#include "sistema.h"
#include "texto1252.h"

namespace {

const char* const MarcaUtf8 = "\xEF\xBB\xBF";
const char* const TextoGrande =
    "El archivo es demasiado grande para ser una tabla de tramos (más de 8 MB).";
const char* const TextoErrorLectura = "Error en lectura del archivo";

std::string Comillas(const std::string& texto)
{
    return "«" + texto + "»";
}

// Comprueba byte a byte si un flujo es UTF-8: los bytes de un carácter se
// comprueban juntos al llegar el que empieza el siguiente.
class CompruebaUtf8 {
public:
    void Byte(char c)
    {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80 || b >= 0xC0)
            Cierra();
        if (b >= 0x80) {
            caracter_ += c;
            if (caracter_.size() > 4)  // ningún carácter lleva más
                Cierra();
        }
    }
    bool Valido()
    {
        Cierra();
        return valido_;
    }

private:
    void Cierra()
    {
        valido_ = valido_ && EsUtf8(caracter_);
        caracter_.clear();
    }
    std::string caracter_;
    bool valido_ = true;
};

// Cuenta los bytes del flujo, sin pasar de TamanoMaximoTramos, y mira si es UTF-8.
struct Recuento {
    Contenido contenido = Contenido::Leido;
    bool utf8 = true;
};

Recuento Cuenta(std::istream& entrada)
{
    Recuento r;
    CompruebaUtf8 utf8;
    char trozo[4096];
    std::size_t bytes = 0;
    try {
        while (entrada.read(trozo, sizeof trozo) || entrada.gcount() > 0) {
            const auto leidos = static_cast<std::size_t>(entrada.gcount());
            bytes += leidos;
            if (bytes > TamanoMaximoTramos) {
                r.contenido = Contenido::Grande;
                return r;
            }
            for (std::size_t i = 0; i < leidos; ++i)
                utf8.Byte(trozo[i]);
        }
    } catch (...) {  // el flujo tenía activadas las excepciones
        r.contenido = Contenido::Error;
        return r;
    }
    r.contenido = entrada.bad() ? Contenido::Error : Contenido::Leido;
    r.utf8 = utf8.Valido();
    return r;
}

bool Vacio(const RegistrosCsv& registro)
{
    if (registro.sobranLlenos)
        return false;
    for (const std::string& campo : registro.campos)
        if (!EnBlanco(campo))
            return false;
    return true;
}

// Las líneas de las que hay que avisar: las primeras y cuántas son.
struct Lineas {
    std::vector<int> primeras;
    std::size_t total = 0;

    void Anota(int linea)
    {
        if (primeras.size() < 10)
            primeras.push_back(linea);
        ++total;
    }
    // "La línea 3 tiene", "Las líneas 3, 5 y 8 tienen", "Las líneas 3, 5, … y otras 40 tienen".
    std::string Texto() const
    {
        if (total == 1)
            return "La línea " + std::to_string(primeras[0]) + " tiene";
        std::string r = "Las líneas ";
        for (std::size_t i = 0; i < primeras.size(); ++i) {
            const bool ultima = i + 1 == primeras.size() && total == primeras.size();
            r += (i == 0 ? "" : ultima ? " y " : ", ") + std::to_string(primeras[i]);
        }
        if (total > primeras.size())
            r += " y otras " + std::to_string(total - primeras.size());
        return r + " tienen";
    }
};

// La columna de cada cabecera y los avisos de las que no se usan; un error si
// falta «Tramo».
void Columnas(LecturaTramos& r)
{
    TablaTramos& t = r.tabla;
    bool conTramo = false;
    std::vector<bool> vista(NumeroColumnasTramo, false);
    for (const std::string& cabecera : t.cabeceras) {
        std::optional<ColumnaTramo> columna = ColumnaDeCabecera(cabecera);
        if (!columna) {
            if (!EnBlanco(cabecera))
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
        // Una sola cabecera con comas: un CSV a la inglesa.
        const bool comas = t.cabeceras.size() == 1 && t.cabeceras[0].find(',') != std::string::npos;
        r.error = comas ? "La tabla de tramos está separada por comas: el separador debe ser «;» "
                          "(o el tabulador)."
                        : "La tabla de tramos no tiene la columna «Tramo».";
        return;
    }
    if (!vista[static_cast<int>(ColumnaTramo::PkInicial)] ||
        !vista[static_cast<int>(ColumnaTramo::PkFinal)])
        r.avisos.push_back(
            "Sin las columnas «PK inicial» y «PK final» los tramos no tienen longitud.");
}

std::string CeldaLarga(int linea, const std::string& columna)
{
    return "Línea " + std::to_string(linea) + ", columna " + columna + ": la celda tiene más de " +
           std::to_string(CeldaMaximaTramos) + " caracteres.";
}

// La tabla entera, con sus filas.
LecturaTramos Entera(LectorTramos& lector)
{
    LecturaTramos r = lector.Lectura();
    std::vector<std::string> celdas;
    int linea = 0;
    while (lector.Siguiente(celdas, linea)) {
        r.tabla.filas.push_back(std::move(celdas));
        r.tabla.lineas.push_back(linea);
    }
    return r;
}

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

// Una hoja de cálculo toma por fórmula la celda que empieza por = + - @, o por
// un tabulador o un retorno y uno de ellos. Se guarda con un apóstrofo delante,
// que la hoja muestra como texto; la que ya empezaba por apóstrofos lleva uno
// más, y al leer se quita uno: vuelve el mismo texto.
bool PareceFormula(const std::string& texto)
{
    std::size_t i = texto.find_first_not_of('\'');
    if (i < texto.size() && (texto[i] == '\t' || texto[i] == '\r'))
        ++i;
    return i < texto.size() && std::string_view("=+-@").find(texto[i]) != std::string_view::npos;
}

std::string SinApostrofo(std::string texto)
{
    if (!texto.empty() && texto.front() == '\'' && PareceFormula(texto))
        texto.erase(0, 1);
    return texto;
}

// Una celda como se guarda: un número con coma decimal y una cama por su
// nombre, que no depende de cómo se numeren; lo demás, como está y a salvo de
// leerse como fórmula.
std::string Guardada(std::optional<ColumnaTramo> columna, std::string texto)
{
    if (columna == ColumnaTramo::Cama) {
        if (const std::optional<int> fila = FilaDeCama(texto))
            return NombreCama(*fila);
    }
    if (columna && ColumnaNumerica(*columna) && LeeTecleado(texto).estado == Tecleo::Valido) {
        for (char& c : texto)
            if (c == '.')
                c = ',';
        return texto;
    }
    return PareceFormula(texto) ? "'" + texto : texto;
}

// Una cama dada por un número que ahora es su fila en la hoja de zanjas y que
// en las tablas de antes era el botón del diálogo «Predefinidos», de otra cama.
bool CamaRenumerada(const std::string& celda)
{
    const std::optional<int> fila = FilaDeCama(celda);
    return fila &&
           std::isdigit(static_cast<unsigned char>(celda[celda.find_first_not_of(" \t")])) &&
           CamaDeFila(*fila).boton != *fila;
}

}  // namespace

LectorTramos::LectorTramos(std::istream& entrada) : entrada_(&entrada)
{
    Abre();
}

LectorTramos::LectorTramos(const std::string& nombre)
{
    // El nombre es UTF-8 en todos los sistemas: en Windows, nada de la API estrecha.
    std::error_code ec;
    const std::filesystem::path ruta = RutaArchivo(nombre);
    if (std::filesystem::is_regular_file(ruta, ec)) {
        if (std::filesystem::file_size(ruta, ec) > TamanoMaximoTramos && !ec) {
            lectura_.error = TextoGrande;
            return;
        }
        archivo_.open(ruta, std::ios::binary);
    }
    if (!archivo_.is_open()) {
        lectura_.error = "Error abriendo archivo";
        return;
    }
    entrada_ = &archivo_;
    Abre();
}

LectorTramos::~LectorTramos() = default;

bool LectorTramos::Rebobina()
{
    entrada_->clear();
    entrada_->seekg(inicio_);
    return !entrada_->fail();
}

// Tres vueltas al flujo sin guardarlo: su tamaño y su codificación, el
// separador de la fila de cabeceras y la comprobación de todas las filas.
void LectorTramos::Abre()
{
    inicio_ = entrada_->tellg();
    const Recuento recuento = Cuenta(*entrada_);
    if (recuento.contenido == Contenido::Grande) {
        lectura_.error = TextoGrande;
        return;
    }
    char marca[3] = {};
    if (recuento.contenido == Contenido::Error || inicio_ == std::streampos(-1) || !Rebobina() ||
        (!entrada_->read(marca, 3) && !entrada_->eof())) {
        lectura_.error = TextoErrorLectura;
        return;
    }
    utf8_ = recuento.utf8;
    if (entrada_->gcount() == 3 && std::string(marca, 3) == MarcaUtf8) {
        inicio_ += 3;
        utf8_ = true;
    }
    Rebobina();
    separador_ = SeparadorCsv(*entrada_);
    Rebobina();
    Comprueba();
    if (!lectura_.leida)
        return;
    Rebobina();
    registros_ = std::make_unique<RegistrosCsv>(*entrada_, separador_, utf8_);
}

void LectorTramos::Comprueba()
{
    LecturaTramos& r = lectura_;
    RegistrosCsv registros(*entrada_, separador_, utf8_);
    const auto lee = [&](std::size_t campos) {
        if (!registros.Siguiente(campos, CeldaMaximaTramos))
            return false;
        if (registros.comillaAbierta)
            r.error = "La tabla de tramos tiene unas comillas sin cerrar (desde la línea " +
                      std::to_string(registros.linea) + ").";
        return r.error.empty();
    };
    bool cabecera = false;
    while (!cabecera && lee(ColumnasMaximasTramos + 1))
        cabecera = !Vacio(registros);
    if (!r.error.empty())
        return;
    if (!cabecera) {
        r.error = "La tabla de tramos está vacía: falta la fila de cabeceras.";
        return;
    }
    if (registros.numero > ColumnasMaximasTramos) {
        r.error = "La tabla de tramos tiene demasiadas columnas (más de " +
                  std::to_string(ColumnasMaximasTramos) + ").";
        return;
    }
    if (registros.largo) {
        r.error = CeldaLarga(registros.linea, std::to_string(*registros.largo + 1));
        return;
    }
    TablaTramos& t = r.tabla;
    for (std::string& cabecera : registros.campos)
        t.cabeceras.push_back(SinApostrofo(utf8_ ? std::move(cabecera) : De1252(cabecera)));
    Columnas(r);
    if (!r.error.empty())
        return;

    const auto cama = static_cast<std::size_t>(
        std::find(t.columnas.begin(), t.columnas.end(), ColumnaTramo::Cama) - t.columnas.begin());
    Lineas largas, renumeradas;
    std::size_t filas = 0;
    while (lee(t.cabeceras.size())) {
        if (registros.largo) {
            r.error = CeldaLarga(registros.linea, Comillas(t.cabeceras[*registros.largo]));
            return;
        }
        if (registros.sobranLlenos)
            largas.Anota(registros.linea);
        registros.sobranLlenos = false;
        if (Vacio(registros))
            continue;
        if (cama < registros.campos.size() && CamaRenumerada(registros.campos[cama]))
            renumeradas.Anota(registros.linea);
        if (++filas > FilasMaximasTramos) {
            r.error = "La tabla de tramos tiene demasiadas filas (más de 50.000): divídala en "
                      "varias tablas.";
            return;
        }
    }
    if (!r.error.empty())
        return;
    if (largas.total > 0)
        r.avisos.push_back(largas.Texto() + " más celdas que cabeceras: las de más no se usan.");
    if (renumeradas.total > 0)
        r.avisos.push_back(renumeradas.Texto() +
                           " una cama por número: es su fila en la hoja de zanjas, no el botón "
                           "del diálogo «Predefinidos» como hasta ahora. Compruebe la cama (la "
                           "ventana de tramos la guarda por su nombre).");
    r.leida = true;
}

bool LectorTramos::Siguiente(std::vector<std::string>& celdas, int& linea)
{
    if (!registros_)
        return false;
    const std::size_t columnas = lectura_.tabla.cabeceras.size();
    // Si el archivo cambió desde que se comprobó, no se pasa de lo que cabe.
    while (filas_ <= FilasMaximasTramos && registros_->Siguiente(columnas, CeldaMaximaTramos)) {
        registros_->sobranLlenos = false;
        if (Vacio(*registros_))
            continue;
        if (filas_++ == 0)  // la fila de cabeceras
            continue;
        celdas = std::move(registros_->campos);
        celdas.resize(columnas);
        for (std::string& celda : celdas)
            celda = SinApostrofo(utf8_ ? std::move(celda) : De1252(celda));
        linea = registros_->linea;
        return true;
    }
    return false;
}

LecturaTramos LeeTablaTramos(std::istream& entrada)
{
    LectorTramos lector(entrada);
    return Entera(lector);
}

LecturaTramos LeeArchivoTramos(const std::string& nombre)
{
    LectorTramos lector(nombre);
    return Entera(lector);
}

Tramo TramoDeCeldas(const TablaTramos& tabla, const std::vector<std::string>& textos, int linea,
                    const Proyecto& base)
{
    std::vector<CeldaTramo> celdas;
    for (std::size_t i = 0; i < tabla.columnas.size() && i < textos.size(); ++i)
        if (tabla.columnas[i])
            celdas.push_back({*tabla.columnas[i], textos[i]});
    Tramo t = LeeTramo(base, celdas);
    const std::string prefijo = "Línea " + std::to_string(linea) + ", ";
    for (std::string& error : t.errores)
        error = prefijo + error;
    return t;
}

Tramo TramoDeFila(const TablaTramos& tabla, std::size_t fila, const Proyecto& base)
{
    return TramoDeCeldas(tabla, tabla.filas.at(fila),
                         fila < tabla.lineas.size() ? tabla.lineas[fila] : 0, base);
}

std::string TextoTablaTramos(const TablaTramos& tabla)
{
    std::string texto = MarcaUtf8;
    auto fila = [&](const std::vector<std::string>& celdas, bool cabecera) {
        for (std::size_t i = 0; i < celdas.size(); ++i) {
            const bool usada = !cabecera && i < tabla.columnas.size();
            texto += (i ? ";" : "") +
                     Campo(Guardada(usada ? tabla.columnas[i] : std::nullopt, celdas[i]));
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
