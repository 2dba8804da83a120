// Lectura del archivo de proyecto: cada clave conocida sustituye su campo.

#include "archivo.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "claves.h"
#include "comprobaciones.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
#include "sistema.h"
#include "texto1252.h"

namespace {

// Campo numérico del registro que lleva cada clave de número.
double* CampoNumero(Proyecto& p, int clave)
{
    switch (clave) {
    case 8: return &p.b;
    case 9: return &p.C;
    case 10: return &p.Ct;
    case 11: return &p.Cz;
    case 12: return &p.Czt;
    case 13: return &p.c;
    case 14: return &p.De;
    case 15: return &p.Di;
    case 16: return &p.Es;
    case 17: return &p.Fa;
    case 18: return &p.fck;
    case 19: return &p.fi;
    case 20: return &p.gamma;
    case 21: return &p.ho;
    case 22: return &p.hr;
    case 23: return &p.hr1;
    case 24: return &p.h2r;
    case 25: return &p.lambda;
    case 26: return &p.mi;
    case 27: return &p.mi1;
    case 28: return &p.pi;
    case 29: return &p.qm;
    case 30: return &p.qr;
    case 31: return &p.qs;
    case 32: return &p.qTotal;
    case 34: return &p.fi1;
    case 35: return &p.D;
    case 36: return &p.qp;
    case 38: return &p.n;
    case 44: return &p.TaludH;
    case 45: return &p.TaludV;
    case 46: return &p.Resguardo;
    case 50: return &p.dh;
    case 53: return &p.pq;
    case 54: return &p.b2;
    case 55: return &p.hr2;
    case 56: return &p.V;
    case 57: return &p.lambdaFa;
    default: return nullptr;
    }
}

std::string* CampoTexto(Proyecto& p, int clave)
{
    switch (clave) {
    case 39: return &p.ValorA;
    case 40: return &p.ValorB;
    case 41: return &p.ValorC;
    case 42: return &p.ValorC2;
    default: return nullptr;
    }
}

std::vector<std::string>* CampoBloque(Proyecto& p, int clave)
{
    switch (clave) {
    case ClaveObra: return &p.MObra;
    case ClaveSeccion: return &p.MSeccion;
    case ClaveCliente: return &p.MCliente;
    default: return nullptr;
    }
}

struct CampoLista {
    std::uint8_t* indice;
    const ListaTextos* lista;
};

CampoLista CampoDeLista(Proyecto& p, int clave)
{
    switch (clave) {
    case ClaveBase: return {&p.BaseIndex, &ListaBases};
    case ClaveInstalacion: return {&p.InstalacionIndex, &ListaInstalaciones};
    case ClaveRelleno: return {&p.RellenoIndex, &ListaRellenos};
    case ClaveCarretera: return {&p.CarreteraIndex, &ListaCarreteras};
    case ClaveTrafico: return {&p.TraficoIndex, &ListaTraficos};
    case ClaveAeropuerto: return {&p.AeropuertoIndex, &ListaAeropuertos};
    case ClaveVia: return {&p.ViaIndex, &ListaVias};
    case ClaveCompactador: return {&p.CompactadorIndex, &ListaCompactadores};
    case ClaveSentidoVia: return {&p.SentidoViaIndex, &ListaSentidosVia};
    default: return {nullptr, nullptr};
    }
}

// Textos de base de versiones anteriores, que se leen pero ya no se escriben.
const char* const BasesAnteriores[] = {"Roca o suelo rígido (no asentable)",
                                       "Suelo compacto (ordinario)", "Suelo natural (asentable)"};

const char* const TextoGrande =
    "El archivo es demasiado grande para ser un archivo de datos (más de 1 MB).";
const char* const TextoErrorLectura = "Error en lectura del archivo";

constexpr int ClaveDe = 14, ClaveEs = 16;

// Un 0 en De, Di o Es solo es válido si las tres son 0 (un proyecto aún sin
// tubo). Como el archivo las trae en cualquier orden, se juzga al final: aquí
// se anota el valor que tenía el campo antes del primer 0.
class CerosDelTubo {
public:
    void Anota(int clave, double anterior, double nuevo)
    {
        Pendiente& c = pendientes_[clave - ClaveDe];
        if (nuevo != 0)
            c.hay = false;
        else if (!c.hay)
            c = {true, anterior};
    }

    // Deja como estaban los campos de los ceros imposibles; da sus claves.
    std::vector<int> Imposibles(Proyecto& p) const
    {
        std::vector<int> claves;
        if (p.De == 0 && p.Di == 0 && p.Es == 0)
            return claves;
        for (int clave = ClaveDe; clave <= ClaveEs; ++clave) {
            const Pendiente& c = pendientes_[clave - ClaveDe];
            if (c.hay) {
                *CampoNumero(p, clave) = c.anterior;
                claves.push_back(clave);
            }
        }
        return claves;
    }

private:
    struct Pendiente {
        bool hay = false;
        double anterior = 0;
    };
    std::array<Pendiente, 3> pendientes_{};
};

// Líneas terminadas en CR LF, LF o CR, sobre el archivo ya leído en memoria.
class LectorLineas {
public:
    explicit LectorLineas(std::string_view texto) : texto_(texto) {}

    bool Fin() const { return pos_ >= texto_.size(); }

    bool Lee(std::string_view& linea)
    {
        if (Fin())
            return false;
        // El primer LF, y un CR antes que él; memchr va mucho más deprisa que un
        // bucle carácter a carácter.
        const char* inicio = texto_.data() + pos_;
        const std::size_t resto = texto_.size() - pos_;
        const auto* lf = static_cast<const char*>(std::memchr(inicio, '\n', resto));
        const std::size_t hastaLf = lf ? static_cast<std::size_t>(lf - inicio) : resto;
        const auto* cr = static_cast<const char*>(std::memchr(inicio, '\r', hastaLf));
        const std::size_t largo = cr ? static_cast<std::size_t>(cr - inicio) : hastaLf;
        linea = texto_.substr(pos_, largo);
        pos_ += largo + 1;
        if (cr && cr + 1 == lf)  // CR LF
            ++pos_;
        return true;
    }

private:
    std::string_view texto_;
    std::size_t pos_ = 0;
};

// "Error en " y la línea; una línea muy larga se muestra recortada.
std::string ErrorEn(std::string_view linea1252)
{
    constexpr std::size_t mostrado = 100;
    if (linea1252.size() <= mostrado)
        return "Error en " + De1252(linea1252);
    return "Error en " + De1252(linea1252.substr(0, mostrado)) + "…";
}

// Muestra los "Error en …" hasta ErroresMostrados y cuenta los demás.
class Errores {
public:
    explicit Errores(const AvisoLectura& aviso) : aviso_(aviso) {}

    // "Error en " y la línea del archivo; false si el usuario cancela.
    bool Muestra(std::string_view linea1252)
    {
        if (mostrados_ == ErroresMostrados) {
            ++callados_;
            return true;
        }
        ++mostrados_;
        return aviso_(ErrorEn(linea1252), BotonesLectura::AceptarCancelar);
    }

    // El último mensaje: cuántos errores no se mostraron.
    bool Resumen() const
    {
        if (callados_ == 0)
            return true;
        const std::string texto =
            callados_ == 1 ? std::string("Otra línea del archivo tampoco se ha podido leer.")
                           : "Otras " + std::to_string(callados_) +
                                 " líneas del archivo tampoco se han podido leer.";
        return aviso_(texto, BotonesLectura::AceptarCancelar);
    }

private:
    const AvisoLectura& aviso_;
    int mostrados_ = 0;
    long callados_ = 0;
};

bool BuscaEnLista(const ListaTextos& lista, const std::string& texto, std::uint8_t& indice)
{
    for (std::size_t i = 0; i < lista.numero; ++i) {
        if (IgualesSinMayusculas(lista.textos[i], texto)) {
            indice = static_cast<std::uint8_t>(i);
            return true;
        }
    }
    return false;
}

// Guarda el valor v de la clave en el registro; false si no es válido para ella.
bool GuardaValor(Proyecto& p, int clave, std::string_view v, CerosDelTubo& ceros)
{
    if (double* campo = CampoNumero(p, clave)) {
        const NumeroLeido leido = LeeNumero(v);
        if (!leido.valido || (leido.valor < 0 && CampoSinSigno(clave)) ||
            !ValorImposible(clave, leido.valor).empty())
            return false;  // el campo conserva su valor
        if (clave >= ClaveDe && clave <= ClaveEs)
            ceros.Anota(clave, *campo, leido.valor);
        *campo = leido.valor;
        if (clave >= 44 && clave <= 46)
            p.TaludDefinido = 1;
        if (clave == 57)  // el proyecto reabierto calcula con el λ con que se guardó
            p.lambdaFaEdit = leido.valor;
        return true;
    }
    if (std::string* texto = CampoTexto(p, clave)) {
        *texto = De1252(v);
        return true;
    }
    if (clave == ClaveTipo) {
        const EnteroLeido leido = LeeEntero(v);
        const bool valido = leido.valido && leido.valor >= -128 && leido.valor <= 127;
        p.Tipo = valido ? static_cast<std::int8_t>(leido.valor) : 0;
        return valido;
    }
    if (clave == ClaveNVias) {
        const EnteroLeido leido = LeeEntero(v);
        if (!leido.valido || leido.valor < 0 || leido.valor > 255)
            return false;
        p.NVias = static_cast<std::uint8_t>(leido.valor);
        return true;
    }
    const CampoLista lista = CampoDeLista(p, clave);
    if (lista.indice) {
        const std::string texto = De1252(v);
        if (BuscaEnLista(*lista.lista, texto, *lista.indice))
            return true;
        if (clave == ClaveBase) {
            for (std::uint8_t i = 0; i < 3; ++i) {
                if (texto == BasesAnteriores[i]) {
                    p.BaseIndex = i;
                    return true;
                }
            }
        }
        return false;
    }
    return true;  // título y carga de compactación: nada que guardar
}

// Interpreta el archivo entero (bytes Windows-1252) sobre el registro.
ResultadoLectura Interpreta(Proyecto& p, std::string_view bytes, const std::string& nombre,
                            const AvisoLectura& aviso)
{
    LectorLineas lector(bytes);
    std::string_view K;
    if (!lector.Lee(K) || BuscaClaveArchivo(K) != ClaveTitulo) {
        aviso("Formato incorrecto", BotonesLectura::Cancelar);
        return ResultadoLectura::FormatoIncorrecto;
    }
    Errores errores(aviso);
    CerosDelTubo ceros;
    // K es la línea clave en curso. Un bloque de texto termina al leer la
    // línea clave siguiente, que queda pendiente para la próxima vuelta.
    bool clavePendiente = false;
    std::string_view V;
    while (!lector.Fin()) {
        bool falla = false;
        if (!clavePendiente)
            lector.Lee(K);  // no puede fallar: el archivo no ha terminado
        clavePendiente = false;
        const int N = BuscaClaveArchivo(K);

        if (N == 0) {
            falla = true;
        } else if (std::vector<std::string>* bloque = CampoBloque(p, N)) {
            bloque->clear();
            while (lector.Lee(V)) {
                if (BuscaClaveArchivo(V) != 0) {
                    K = V;
                    clavePendiente = true;
                    break;
                }
                bloque->push_back(De1252(V));
            }
        } else {
            falla = !lector.Lee(V) || !GuardaValor(p, N, V, ceros);
        }

        if (falla && !errores.Muestra(K))
            return ResultadoLectura::Cancelado;
    }
    for (const int clave : ceros.Imposibles(p))
        if (!errores.Muestra(A1252(Claves[clave - 1])))
            return ResultadoLectura::Cancelado;
    if (!errores.Resumen())
        return ResultadoLectura::Cancelado;
    p.Modificado = 0;
    p.FileName = nombre;
    return ResultadoLectura::Leido;
}

}  // namespace

Contenido LeeTodo(std::istream& entrada, std::string& bytes, std::size_t maximo)
{
    char trozo[4096];
    try {
        while (entrada.read(trozo, sizeof trozo) || entrada.gcount() > 0) {
            bytes.append(trozo, static_cast<std::size_t>(entrada.gcount()));
            if (bytes.size() > maximo)
                return Contenido::Grande;
        }
    } catch (...) {  // el flujo tenía activadas las excepciones
        return Contenido::Error;
    }
    return entrada.bad() ? Contenido::Error : Contenido::Leido;
}

ResultadoLectura LeeArchivo(Proyecto& p, const std::string& nombre, const AvisoLectura& aviso)
{
    std::error_code ec;
    const std::filesystem::path ruta = RutaArchivo(nombre);
    std::ifstream entrada;
    if (std::filesystem::is_regular_file(ruta, ec)) {
        // Se rechaza sin leerlo; un archivo que crece mientras se lee, o que dice
        // medir 0 (los de /proc), lo para LeeDatos.
        if (std::filesystem::file_size(ruta, ec) > TamanoMaximoArchivo && !ec) {
            aviso(TextoGrande, BotonesLectura::Cancelar);
            return ResultadoLectura::Grande;
        }
        entrada.open(ruta, std::ios::binary);
    }
    if (!entrada.is_open()) {
        aviso("Error abriendo archivo", BotonesLectura::Cancelar);
        return ResultadoLectura::NoSeAbre;
    }
    return LeeDatos(p, entrada, nombre, aviso);
}

ResultadoLectura LeeDatos(Proyecto& p, std::istream& entrada, const std::string& nombre,
                          const AvisoLectura& aviso)
{
    std::string bytes;
    switch (LeeTodo(entrada, bytes, TamanoMaximoArchivo)) {
    case Contenido::Grande:
        aviso(TextoGrande, BotonesLectura::Cancelar);
        return ResultadoLectura::Grande;
    case Contenido::Error:
        aviso(TextoErrorLectura, BotonesLectura::Cancelar);
        return ResultadoLectura::ErrorLectura;
    case Contenido::Leido: break;
    }
    return Interpreta(p, bytes, nombre, aviso);
}
