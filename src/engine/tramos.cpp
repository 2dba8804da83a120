#include "tramos.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "apoyo.h"
#include "clases.h"
#include "comprobaciones.h"
#include "factor_apoyo.h"
#include "interlocutor.h"
#include "listas.h"
#include "numero.h"
#include "ordenes.h"

namespace {

const char* const cabeceras[NumeroColumnasTramo] = {
    "Tramo",    "PK inicial",
    "PK final", "Di",
    "Es",       "hr",
    "b",        "h'r",
    "h''r",     "b2",
    "hr2",      "Instalación",
    "Cama",     "Clase de apoyo",
    "Fa",       "Relleno",
    "fi",       "fi'",
    "gamma",    "Base",
    "Tráfico",  "Carretera",
    "Vía",      "Sentido vía",
    "Vías",     "V",
    "dh",       "Aeropuerto",
    "qp",       "D",
    "qs",       "Compactador",
    "pq",
};

// Las primas y los apóstrofos tipográficos (los que pone una hoja de cálculo
// al autocorregir «h'r») y el acento suelto, como apóstrofos.
const std::pair<std::string_view, std::string_view> Primas[] = {
    {"\u2032", "'"},  {"\u2033", "''"}, {"\u2019", "'"}, {"\u2018", "'"},
    {"\u201D", "''"}, {"\u201C", "''"}, {"\u00B4", "'"},
};

// Minúsculas sin acentos ni blancos a los lados, y las primas como apóstrofos,
// para comparar cabeceras y textos de listas.
std::string Pliega(std::string_view texto)
{
    std::string r;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto prima = std::find_if(std::begin(Primas), std::end(Primas), [&](const auto& p) {
            return texto.compare(i, p.first.size(), p.first) == 0;
        });
        if (prima != std::end(Primas)) {
            r += prima->second;
            i += prima->first.size() - 1;
            continue;
        }
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c == 0xC3 && i + 1 < texto.size()) {
            static const char latin[] = "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // U+00E0..U+00FF
            const auto siguiente = static_cast<unsigned char>(texto[i + 1]);
            if (siguiente >= 0x80 && siguiente <= 0xBF) {
                r += latin[(siguiente - 0x80) & 0x1F];
                ++i;
                continue;
            }
        }
        r += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    const std::size_t inicio = r.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos)
        return "";
    return r.substr(inicio, r.find_last_not_of(" \t\r\n") - inicio + 1);
}

std::string Comillas(std::string_view texto)
{
    return "«" + std::string(texto) + "»";
}

// Las palabras de un nombre de cama, sin mayúsculas, acentos ni signos:
// "Hormigón / Selec. Sin Compactar / 90º" es "hormigon selec sin compactar 90".
std::string PalabrasCama(std::string_view nombre)
{
    std::string plegado = Pliega(nombre);
    for (const std::string_view signo : {"\u00B7", "\u00BA", "\u00B0"})  // · º °
        for (std::size_t i = plegado.find(signo); i != std::string::npos; i = plegado.find(signo))
            plegado.replace(i, signo.size(), " ");
    std::string palabras;
    bool separa = false;
    for (const char c : plegado) {
        if (std::string_view("/,.;:- \t").find(c) != std::string_view::npos) {
            separa = !palabras.empty();
            continue;
        }
        if (separa)
            palabras += ' ';
        separa = false;
        palabras += c;
    }
    return palabras;
}

// El separador de miles de una cifra escrita con él, como a veces la escribe
// una hoja de cálculo ("1.250,50", "1,250.5", "1.250.000"): de una a tres
// cifras y grupos de tres tras el mismo signo, y quizá decimales tras el otro.
std::optional<char> SeparadorDeMiles(std::string_view c)
{
    const auto digito = [](char x) { return std::isdigit(static_cast<unsigned char>(x)) != 0; };
    const auto espacio = [](char x) { return std::isspace(static_cast<unsigned char>(x)) != 0; };
    std::size_t i = 0, fin = c.size();
    while (i < fin && espacio(c[i]))
        ++i;
    while (fin > i && espacio(c[fin - 1]))
        --fin;
    if (i < fin && (c[i] == '+' || c[i] == '-'))
        ++i;
    const auto cifras = [&](std::size_t desde) {
        std::size_t j = desde;
        while (j < fin && digito(c[j]))
            ++j;
        return j - desde;
    };
    const std::size_t primeras = cifras(i);
    if (primeras < 1 || primeras > 3)
        return std::nullopt;
    i += primeras;
    if (i == fin || (c[i] != '.' && c[i] != ','))
        return std::nullopt;
    const char separador = c[i];
    bool grupos = false;
    for (; i < fin && c[i] == separador && cifras(i + 1) == 3; i += 4)
        grupos = true;
    if (!grupos)
        return std::nullopt;
    if (i < fin && (c[i] == '.' || c[i] == ',') && c[i] != separador) {
        const std::size_t decimales = cifras(i + 1);
        if (decimales == 0)
            return std::nullopt;
        i += 1 + decimales;
    }
    if (i != fin)
        return std::nullopt;
    return separador;
}

// Por qué una celda no es un número.
std::string NoEsNumero(const std::string& celda)
{
    std::string texto = Comillas(celda) + " no es un número";
    if (const std::optional<char> separador = SeparadorDeMiles(celda)) {
        std::string sin = celda;
        sin.erase(std::remove(sin.begin(), sin.end(), *separador), sin.end());
        texto += " (no lleva separador de miles: " + Comillas(Pliega(sin)) + ")";
    }
    return texto;
}

constexpr double SinTope = std::numeric_limits<double>::infinity();

// Un PK (m) está a menos de 10.000 km del origen, más que cualquier
// conducción: la longitud de un tramo, la diferencia de sus PK, queda finita y
// exacta al milímetro.
constexpr double PkMaximo = 1e7;

// Lo que admite cada columna numérica, en las unidades en que se escribe. Un
// valor fuera no es de ninguna obra sino un error al escribir la celda, y con
// él el cálculo daría infinitos o fallaría sin decir por qué. Antes que esto,
// la celda pasa la regla de su campo en el archivo y en las casillas
// (ValorImposible: un peso específico negativo, un rozamiento de 90 grados).
struct Margen {
    ColumnaTramo columna;
    int clave;  // la del campo en el archivo; 0 en los PK, que no son del caso
    double minimo, maximo;
    bool cero;  // vale además 0, que es "no hay"
    const char* unidad;
};

// Las medidas y las cargas van de lo último que muestran las casillas con sus
// tres decimales (menos se vería como 0 y se calcularía con otro número) a
// mil: ni zanja ni terraplén de un kilómetro, ni grúa ni acopio de mil
// toneladas. El tubo, de 1 cm a 10 m de luz, con pared de 1 mm a 1 m. Fa, de 1
// (el ensayo de tres aristas; la cama menos favorable, el apoyo directo, da
// 1.1) a FaMaximo, o 0 (sin factor, que la orden rechaza). γ, hasta 100 kN/m³
// (el acero pesa 78.5). El rozamiento no tiene más regla que la de su campo, y
// la velocidad del tren se queda en la máxima de la Memoria, como en la ventana.
const Margen margenes[] = {
    {ColumnaTramo::PkInicial, 0, -PkMaximo, PkMaximo, false, "m"},
    {ColumnaTramo::PkFinal, 0, -PkMaximo, PkMaximo, false, "m"},
    {ColumnaTramo::Di, CasillaDi, 10, 10000, false, "mm"},
    {ColumnaTramo::Es, CasillaEs, 1, 1000, true, "mm"},
    {ColumnaTramo::Hr, CasillaHr, 0.001, 1000, true, "m"},
    {ColumnaTramo::B, CasillaB, 0.001, 1000, true, "m"},
    {ColumnaTramo::Hr1, CasillaHr1, 0.001, 1000, true, "m"},
    {ColumnaTramo::H2r, CasillaH2r, 0.001, 1000, true, "m"},
    {ColumnaTramo::B2, CasillaB2, 0.001, 1000, true, "m"},
    {ColumnaTramo::Hr2, CasillaHr2, 0.001, 1000, true, "m"},
    {ColumnaTramo::Fa, CasillaFa, 1, FaMaximo, true, ""},
    {ColumnaTramo::Fi, CasillaFi, -SinTope, SinTope, false, ""},
    {ColumnaTramo::Fi1, CasillaFi1, -SinTope, SinTope, false, ""},
    {ColumnaTramo::Gamma, CasillaGamma, 0, 100, false, "kN/m³"},
    {ColumnaTramo::V, CasillaV, -SinTope, SinTope, false, ""},
    {ColumnaTramo::Dh, CasillaDh, 0.001, 1000, true, "m"},
    {ColumnaTramo::Qp, CasillaQp, 0.001, 1000, true, "t"},
    {ColumnaTramo::D, CasillaD, 0.001, 1000, true, "m"},
    {ColumnaTramo::Qs, CasillaQs, 0.001, 1000, true, "t/m²"},
    {ColumnaTramo::Pq, CasillaPq, 0.001, 1000, true, "t/m"},
};

// Por qué un valor leído de una columna no es admisible, o vacío.
std::string NoAdmisible(ColumnaTramo columna, double valor)
{
    const auto m = std::find_if(std::begin(margenes), std::end(margenes),
                                [&](const Margen& m) { return m.columna == columna; });
    if (m == std::end(margenes))
        return "";
    if (std::string frase = m->clave ? ValorImposible(m->clave, valor) : ""; !frase.empty()) {
        // La frase del aviso de la casilla, como parte de esta: sin mayúscula ni punto.
        if (frase.back() == '.')
            frase.pop_back();
        frase[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(frase[0])));
        return frase;
    }
    if ((valor >= m->minimo && valor <= m->maximo) || (m->cero && valor == 0))
        return "";
    return std::string(m->cero ? "debe ser 0 o estar" : "debe estar") + " entre " +
           TextoNumero(m->minimo) + " y " + TextoNumero(m->maximo) + (*m->unidad ? " " : "") +
           m->unidad;
}

// Lee las celdas de una fila sobre el registro del tramo.
class LectorTramo {
public:
    explicit LectorTramo(Tramo& t) : t_(t), p_(t.proyecto) {}

    void Aplica(const std::vector<CeldaTramo>& celdas);

private:
    const std::string* Celda(ColumnaTramo columna) const;
    void Error(ColumnaTramo columna, const std::string& texto);
    bool Admisible(ColumnaTramo columna, double valor);
    bool Numero(ColumnaTramo columna, double& valor, bool sinSigno = true);
    bool Lista(ColumnaTramo columna, const ListaTextos& lista, std::uint8_t& indice);
    void Medida(ColumnaTramo columna, int clave, double& campo);
    void PuntoKilometrico(ColumnaTramo columna, double& pk);
    void Instalacion();
    void Tubo();
    void Trafico();
    void Apoyo(bool geometria);

    Tramo& t_;
    Proyecto& p_;
    const std::string* celdas_[NumeroColumnasTramo] = {};
};

const std::string* LectorTramo::Celda(ColumnaTramo columna) const
{
    const std::string* celda = celdas_[static_cast<int>(columna)];
    return celda && !Pliega(*celda).empty() ? celda : nullptr;
}

void LectorTramo::Error(ColumnaTramo columna, const std::string& texto)
{
    t_.errores.push_back("columna " + Comillas(CabeceraTramo(columna)) + ": " + texto);
}

// Un valor fuera de lo que admite la columna se anota como error de su celda.
bool LectorTramo::Admisible(ColumnaTramo columna, double valor)
{
    const std::string motivo = NoAdmisible(columna, valor);
    if (!motivo.empty())
        Error(columna, Comillas(*Celda(columna)) + " no es admisible: " + motivo);
    return motivo.empty();
}

bool LectorTramo::Numero(ColumnaTramo columna, double& valor, bool sinSigno)
{
    const std::string* celda = Celda(columna);
    if (!celda)
        return false;
    const NumeroTecleado leido = LeeTecleado(Pliega(*celda));
    if (leido.estado != Tecleo::Valido || !std::isfinite(leido.valor)) {
        Error(columna, NoEsNumero(*celda));
        return false;
    }
    const double numero = sinSigno ? std::fabs(leido.valor) : leido.valor;
    if (!Admisible(columna, numero))
        return false;
    valor = numero;
    return true;
}

bool LectorTramo::Lista(ColumnaTramo columna, const ListaTextos& lista, std::uint8_t& indice)
{
    const std::string* celda = Celda(columna);
    if (!celda)
        return false;
    for (std::size_t i = 0; i < lista.numero; ++i) {
        if (Pliega(lista.textos[i]) == Pliega(*celda)) {
            indice = static_cast<std::uint8_t>(i);
            return true;
        }
    }
    std::string opciones;
    for (std::size_t i = 0; i < lista.numero; ++i)
        opciones += (i ? ", " : "") + Comillas(lista.textos[i]);
    Error(columna, Comillas(*celda) + " no es de la lista (" + opciones + ")");
    return false;
}

void LectorTramo::Medida(ColumnaTramo columna, int clave, double& campo)
{
    double valor = 0;
    if (Numero(columna, valor, CampoSinSigno(clave)))
        campo = valor;
}

// Un PK en metros ("1250,5") o como se rotula en los planos ("1+250,5").
void LectorTramo::PuntoKilometrico(ColumnaTramo columna, double& pk)
{
    const std::string* celda = Celda(columna);
    const std::string texto = celda ? Pliega(*celda) : "";
    const std::size_t mas = texto.find('+');
    // "1e+3" es un número con exponente; "1+250", un PK.
    if (mas == std::string::npos || mas == 0 ||
        !std::isdigit(static_cast<unsigned char>(texto[mas - 1]))) {
        Numero(columna, pk, false);
        return;
    }
    const EnteroLeido km = LeeEntero(texto.substr(0, mas));
    const std::string metros = texto.substr(mas + 1);
    const NumeroTecleado m = LeeTecleado(metros);
    const bool tresCifras = metros.size() >= 3 && metros.find_first_not_of("0123456789") >= 3 &&
                            (metros.size() == 3 || metros[3] == ',' || metros[3] == '.');
    if (!km.valido || m.estado != Tecleo::Valido || !tresCifras) {
        Error(columna, Comillas(*celda) + " no es un PK (metros, o «1+250»)");
        return;
    }
    const double leido = static_cast<double>(km.valor) * 1000 + m.valor;
    if (Admisible(columna, leido))
        pk = leido;
}

// Otra instalación borra el factor de apoyo y, si cambia de grupo, el relleno
// del usuario, como al cambiar de página en la ventana principal.
void LectorTramo::Instalacion()
{
    std::uint8_t instalacion = p_.InstalacionIndex;
    if (!Lista(ColumnaTramo::Instalacion, ListaInstalaciones, instalacion) ||
        instalacion == p_.InstalacionIndex)
        return;
    p_.InstalacionIndex = instalacion;
    const CambioInstalacion cambio = CambiaInstalacion(p_, TextoGeneral(p_.b));
    if (cambio.borraRelleno)
        p_.fi = p_.fi1 = p_.gamma = 0;
    if (cambio.releeB)
        p_.b = cambio.b;
    // El apoyo elegido era de la otra instalación: ni su Fa ni su clase valen aquí.
    p_.Fa = 0;
    p_.Tipo = 14;
}

// Un diámetro normalizado trae su espesor; una celda Es lo sustituye.
void LectorTramo::Tubo()
{
    double Di = 0;
    if (Numero(ColumnaTramo::Di, Di)) {
        const MedidasTubo tubo = TuboConDiametro(Di, p_.Es);
        p_.Di = tubo.Di;
        p_.Es = tubo.Es;
        p_.De = tubo.De;
    }
    double Es = 0;
    if (Numero(ColumnaTramo::Es, Es)) {
        const MedidasTubo tubo = TuboConEspesor(p_.Di, Es);
        p_.Es = tubo.Es;
        p_.De = tubo.De;
    }
}

void LectorTramo::Trafico()
{
    Lista(ColumnaTramo::Trafico, ListaTraficos, p_.TraficoIndex);
    Lista(ColumnaTramo::Carretera, ListaCarreteras, p_.CarreteraIndex);
    Lista(ColumnaTramo::Via, ListaVias, p_.ViaIndex);
    Lista(ColumnaTramo::SentidoVia, ListaSentidosVia, p_.SentidoViaIndex);
    Lista(ColumnaTramo::Aeropuerto, ListaAeropuertos, p_.AeropuertoIndex);
    if (const std::string* vias = Celda(ColumnaTramo::NVias)) {
        const EnteroTecleado leido = LeeEnteroTecleado(Pliega(*vias));
        if (leido.estado == Tecleo::Valido)
            p_.NVias = NumeroVias(leido.valor);
        else
            Error(ColumnaTramo::NVias, Comillas(*vias) + " no es un número entero");
    }
    double V = 0;
    if (Numero(ColumnaTramo::V, V)) {
        const CorreccionCasilla tope = VelocidadTren(V);
        p_.V = tope.valor;
        if (!tope.mensaje.empty())
            t_.notas.push_back(tope.mensaje);
    }
    Medida(ColumnaTramo::Dh, CasillaDh, p_.dh);
}

// La cama (zanja) o la clase de apoyo (terraplén) fijan el factor como sus
// diálogos; con una clase de terraplén, otra geometría lo recalcula como la
// ventana; un Fa tecleado manda sobre los dos.
void LectorTramo::Apoyo(bool geometria)
{
    bool elegido = false;
    if (const std::string* cama = Celda(ColumnaTramo::Cama)) {
        const std::optional<int> fila = FilaDeCama(*cama);
        if (!GrupoZanja(p_)) {
            Error(ColumnaTramo::Cama, "la cama se elige en zanja y zanja terraplenada; en "
                                      "terraplén y zanja inducida, la clase de apoyo");
        } else if (!fila) {
            std::string texto = Comillas(*cama) + " no es una cama (su fila en la hoja de zanjas, "
                                                  "de 1 a 11, o su nombre: ";
            for (int f = 1; f <= 11; ++f)
                texto += (f > 1 ? ", " : "") + Comillas(NombreCama(f));
            Error(ColumnaTramo::Cama, texto + ")");
        } else {
            const EleccionCama e = EligeCama(p_, CamaDeFila(*fila).boton);
            p_.Fa = e.fa;
            p_.Tipo = e.tipo;
            p_.ApoyoDirecto = e.apoyoDirecto;
            if (!e.textoHr.empty()) {
                p_.hr = e.hr;
                t_.notas.push_back("La cama sube hr a " + TextoNumero(e.hr) + " m");
            }
            // h''r solo cuenta en la zanja terraplenada; en zanja se sube sin más, como en el
            // diálogo.
            if (!e.textoH2r.empty() && e.h2r != p_.h2r &&
                p_.InstalacionIndex == InstalacionZanjaTerraplenada)
                t_.notas.push_back("La cama sube h''r a " + TextoNumero(e.h2r) + " m");
            if (!e.textoH2r.empty())
                p_.h2r = e.h2r;
            if (!e.pregunta.empty())
                t_.notas.push_back(e.pregunta + " (respondida No)");
            elegido = true;
        }
    }
    if (const std::string* clase = Celda(ColumnaTramo::ClaseApoyo)) {
        const std::string plegada = Pliega(*clase);
        const std::uint8_t letra =
            plegada.size() == 1 ? ClaseDeLetra(std::string(1, plegada[0] - 'a' + 'A')) : 0;
        if (!GrupoTerraplen(p_)) {
            Error(ColumnaTramo::ClaseApoyo, "la clase de apoyo se elige en terraplén y zanja "
                                            "inducida; en zanja, la cama");
        } else if (letra == 0) {
            Error(ColumnaTramo::ClaseApoyo, Comillas(*clase) + " no es una clase (A, B, C o D)");
        } else {
            const EleccionClase e = EligeClaseTerraplen(letra, ProyeccionInicial(p_), p_.De);
            p_.Tipo = e.tipo;
            p_.hr1 = e.hr1;
            p_.n = p_.De > 0 ? p_.hr1 / p_.De : p_.n;
            p_.Fa = FaDeLaClase(p_).value_or(0);
            elegido = true;
        }
    }
    if (!elegido && geometria) {
        if (const std::optional<double> fa = FaDeLaClase(p_))
            p_.Fa = *fa;
    }
    double fa = 0;
    if (Numero(ColumnaTramo::Fa, fa)) {
        const FactorTecleado factor = LeeFactorApoyo(fa, p_.Fa);
        p_.Fa = factor.fa;
        if (factor.tipo)
            p_.Tipo = *factor.tipo;
    }
}

void LectorTramo::Aplica(const std::vector<CeldaTramo>& celdas)
{
    for (const CeldaTramo& celda : celdas)
        celdas_[static_cast<int>(celda.columna)] = &celda.texto;

    if (const std::string* nombre = Celda(ColumnaTramo::Tramo))
        t_.nombre = *nombre;
    else
        Error(ColumnaTramo::Tramo, "falta el nombre del tramo");
    PuntoKilometrico(ColumnaTramo::PkInicial, t_.pkInicial);
    PuntoKilometrico(ColumnaTramo::PkFinal, t_.pkFinal);

    Instalacion();
    Tubo();
    const double b = p_.b;
    Medida(ColumnaTramo::B, CasillaB, p_.b);
    if (p_.b != b)
        p_.TaludDefinido = 0;  // la anchura ya no es la del diálogo del talud
    const Proyecto antes = p_;
    Medida(ColumnaTramo::Hr, CasillaHr, p_.hr);
    Medida(ColumnaTramo::Hr1, CasillaHr1, p_.hr1);
    Medida(ColumnaTramo::H2r, CasillaH2r, p_.h2r);
    Medida(ColumnaTramo::B2, CasillaB2, p_.b2);
    Medida(ColumnaTramo::Hr2, CasillaHr2, p_.hr2);
    const bool geometria =
        p_.hr != antes.hr || p_.hr1 != antes.hr1 || p_.b2 != antes.b2 || p_.hr2 != antes.hr2;

    Lista(ColumnaTramo::Relleno, ListaRellenos, p_.RellenoIndex);
    Medida(ColumnaTramo::Fi1, CasillaFi1, p_.fi1);
    if (Numero(ColumnaTramo::Fi, p_.fi, CampoSinSigno(CasillaFi)) && SinParamentosDeZanja(p_))
        p_.fi1 = p_.fi;  // sin paramentos de zanja, el rozamiento contra ellos es el interno
    Medida(ColumnaTramo::Gamma, CasillaGamma, p_.gamma);
    Lista(ColumnaTramo::Base, ListaBases, p_.BaseIndex);

    Trafico();
    Medida(ColumnaTramo::Qp, CasillaQp, p_.qp);
    Medida(ColumnaTramo::D, CasillaD, p_.D);
    Medida(ColumnaTramo::Qs, CasillaQs, p_.qs);
    Lista(ColumnaTramo::Compactador, ListaCompactadores, p_.CompactadorIndex);
    Medida(ColumnaTramo::Pq, CasillaPq, p_.pq);

    Apoyo(geometria);
}

int Orden(const MetrosClase& m)
{
    return RangoClase(m.clase);
}

void Suma(std::vector<MetrosClase>& lineas, double Di, const std::string& clase, double metros)
{
    MetrosClase nueva{Di, clase, metros};
    const auto lugar = std::lower_bound(lineas.begin(), lineas.end(), nueva,
                                        [](const MetrosClase& a, const MetrosClase& b) {
                                            return a.Di != b.Di ? a.Di < b.Di : Orden(a) < Orden(b);
                                        });
    if (lugar != lineas.end() && lugar->Di == Di && lugar->clase == clase)
        lugar->metros += metros;
    else
        lineas.insert(lugar, nueva);
}

}  // namespace

const char* CabeceraTramo(ColumnaTramo columna)
{
    return cabeceras[static_cast<int>(columna)];
}

std::optional<ColumnaTramo> ColumnaDeCabecera(std::string_view cabecera)
{
    const std::string buscada = Pliega(cabecera);
    for (int i = 0; i < NumeroColumnasTramo; ++i)
        if (Pliega(cabeceras[i]) == buscada)
            return static_cast<ColumnaTramo>(i);
    return std::nullopt;
}

bool ColumnaNumerica(ColumnaTramo columna)
{
    switch (columna) {
    case ColumnaTramo::Tramo:
    case ColumnaTramo::Instalacion:
    case ColumnaTramo::Cama:
    case ColumnaTramo::ClaseApoyo:
    case ColumnaTramo::Relleno:
    case ColumnaTramo::Base:
    case ColumnaTramo::Trafico:
    case ColumnaTramo::Carretera:
    case ColumnaTramo::Via:
    case ColumnaTramo::SentidoVia:
    case ColumnaTramo::Aeropuerto:
    case ColumnaTramo::Compactador: return false;
    default: return true;
    }
}

std::optional<int> FilaDeCama(std::string_view celda)
{
    const EnteroTecleado numero = LeeEnteroTecleado(Pliega(celda));
    if (numero.estado == Tecleo::Valido)
        return numero.valor >= 1 && numero.valor <= 11 ? std::optional<int>(numero.valor)
                                                       : std::nullopt;
    const std::string buscada = PalabrasCama(celda);
    for (int fila = 1; fila <= 11; ++fila)
        if (PalabrasCama(NombreCama(fila)) == buscada)
            return fila;
    return std::nullopt;
}

double Tramo::Longitud() const
{
    return std::fabs(pkFinal - pkInicial);
}

Tramo LeeTramo(const Proyecto& base, const std::vector<CeldaTramo>& celdas)
{
    Tramo t;
    t.proyecto = base;
    LectorTramo(t).Aplica(celdas);
    return t;
}

std::string TramoCalculado::Clase(int modo) const
{
    const ResultadoInforme& r = modo == 1 ? une : astm;
    if (!calculado || !r.entrega.Entregada() || RangoClase(r.clase) < 0 || r.clase == "NO")
        return "";
    return r.clase;
}

TramoCalculado CalculaTramo(const Tramo& tramo)
{
    TramoCalculado c;
    c.errores = tramo.errores;
    c.notas = tramo.notas;
    if (!c.errores.empty())
        return c;
    Proyecto p = tramo.proyecto;
    // La orden de la ventana, respondiendo No: sus correcciones y preguntas son notas y su
    // rechazo, el error de la fila.
    RespondeNo no;
    MemoriasUneAstm memorias = OrdenMemorias(p, no);
    if (p.TraficoIndex == 1 && p.ViaIndex != 0 && p.NVias == 0)
        c.notas.push_back("Con 0 vías el tren no carga el tubo: dé el número de vías");
    for (std::string& nota : no.Notas())
        c.notas.push_back(std::move(nota));
    if (const Aviso* rechazo = no.Rechazo()) {
        c.errores.push_back(rechazo->texto);
        return c;
    }
    c.une = std::move(memorias.une);
    c.astm = std::move(memorias.astm);
    c.proyecto = std::move(memorias.calculado);
    if (!c.une.entrega.Entregada()) {
        c.errores.push_back(c.une.entrega.mensaje.empty()
                                ? "No se pudo completar el cálculo de cargas"
                                : c.une.entrega.mensaje);
        return c;
    }
    if (!c.une.entrega.mensaje.empty())
        c.notas.push_back(c.une.entrega.mensaje);
    c.calculado = true;
    return c;
}

double DiametroMm(const Proyecto& p)
{
    return std::round(p.Di * 1e6) / 1e3;
}

double MetrosTotales(const std::vector<MetrosClase>& lineas)
{
    double total = 0;
    for (const MetrosClase& m : lineas)
        total += m.metros;
    return total;
}

void SumaTramo(ResumenTramos& resumen, const Tramo& tramo, const TramoCalculado& calculo)
{
    const double Di = DiametroMm(tramo.proyecto);
    if (const std::string une = calculo.Clase(1); !une.empty())
        Suma(resumen.une, Di, une, tramo.Longitud());
    if (const std::string astm = calculo.Clase(2); !astm.empty())
        Suma(resumen.astm, Di, astm, tramo.Longitud());
}
