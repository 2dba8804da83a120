// Lectura del archivo de proyecto: cada clave conocida sustituye su campo.

#include "archivo.h"

#include <filesystem>
#include <fstream>

#include "claves.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
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


// Lee líneas terminadas en CR LF, LF o CR. Una línea desmesurada se recorta a
// su primer mega, de modo que la memoria no depende del archivo.
class LectorLineas {
public:
    explicit LectorLineas(std::istream& entrada) : buffer_(*entrada.rdbuf()) {}

    bool Fin() { return buffer_.sgetc() == std::char_traits<char>::eof(); }

    bool Lee(std::string& linea)
    {
        using Rasgos = std::char_traits<char>;
        linea.clear();
        if (Fin())
            return false;
        for (;;) {
            const int c = buffer_.sbumpc();
            if (c == Rasgos::eof() || c == '\n')
                break;
            if (c == '\r') {
                if (buffer_.sgetc() == '\n')
                    buffer_.sbumpc();
                break;
            }
            if (linea.size() < LongitudMaxima)
                linea += static_cast<char>(c);
        }
        return true;
    }

private:
    static constexpr std::size_t LongitudMaxima = 1 << 20;
    std::streambuf& buffer_;
};

// "Error en " y la línea; una línea muy larga se muestra recortada.
std::string ErrorEn(const std::string& linea1252)
{
    constexpr std::size_t mostrado = 100;
    if (linea1252.size() <= mostrado)
        return "Error en " + De1252(linea1252);
    return "Error en " + De1252(linea1252.substr(0, mostrado)) + "…";
}

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
bool GuardaValor(Proyecto& p, int clave, const std::string& v)
{
    if (double* campo = CampoNumero(p, clave)) {
        const NumeroLeido leido = LeeNumero(v);
        if (!leido.valido)
            return false;  // el campo conserva su valor
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

}  // namespace

ResultadoLectura LeeArchivo(Proyecto& p, const std::string& nombre, const AvisoLectura& aviso)
{
    std::error_code ec;
    std::ifstream entrada;
    if (std::filesystem::is_regular_file(nombre, ec))
        entrada.open(nombre, std::ios::binary);
    if (!entrada.is_open()) {
        aviso("Error abriendo archivo", BotonesLectura::Cancelar);
        return ResultadoLectura::NoSeAbre;
    }
    return LeeDatos(p, entrada, nombre, aviso);
}

ResultadoLectura LeeDatos(Proyecto& p, std::istream& entrada, const std::string& nombre,
                          const AvisoLectura& aviso)
{
    LectorLineas lector(entrada);
    std::string K;
    if (!lector.Lee(K) || BuscaClave(De1252(K)) != ClaveTitulo) {
        aviso("Formato incorrecto", BotonesLectura::Cancelar);
        return ResultadoLectura::FormatoIncorrecto;
    }
    // K es la línea clave en curso. Un bloque de texto termina al leer la
    // línea clave siguiente, que queda pendiente para la próxima vuelta.
    bool clavePendiente = false;
    std::string V;
    while (!lector.Fin()) {
        bool falla = false;
        if (!clavePendiente)
            lector.Lee(K);  // no puede fallar: el archivo no ha terminado
        clavePendiente = false;
        const int N = BuscaClave(De1252(K));

        if (N == 0) {
            falla = true;
        } else if (std::vector<std::string>* bloque = CampoBloque(p, N)) {
            bloque->clear();
            while (lector.Lee(V)) {
                std::string linea = De1252(V);
                if (BuscaClave(linea) != 0) {
                    K = V;
                    clavePendiente = true;
                    break;
                }
                bloque->push_back(std::move(linea));
            }
        } else {
            falla = !lector.Lee(V) || !GuardaValor(p, N, V);
        }

        if (falla && !aviso(ErrorEn(K), BotonesLectura::AceptarCancelar))
            return ResultadoLectura::Cancelado;
    }
    p.Modificado = 0;
    p.FileName = nombre;
    return ResultadoLectura::Leido;
}
