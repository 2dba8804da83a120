#include "numero.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

bool EsCifra(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Escribe x con el formato dado y devuelve el texto.
std::string Formatea(double x, std::chars_format formato, int precision)
{
    char buffer[400];  // cabe cualquier double en coma fija con tres decimales
    auto [fin, error] = std::to_chars(buffer, buffer + sizeof buffer, x, formato, precision);
    if (error != std::errc())
        return {};
    return std::string(buffer, fin);
}

// Las partes de un número escrito: blancos, signo, cifras, punto y cifras (la
// mantisa) y, detrás, una "e" con su signo y sus cifras, si las hay.
struct Partes {
    std::size_t inicio = 0;  // tras los blancos
    std::size_t finMantisa = 0;
    std::size_t cifras = 0;  // cifras de la mantisa
    bool conE = false;
    std::size_t finExponente = 0;  // tras la "e", su signo y sus cifras
    std::size_t cifrasExponente = 0;
};

Partes Descompone(std::string_view texto)
{
    Partes partes;
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    partes.inicio = i;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    while (i < texto.size() && EsCifra(texto[i]))
        ++i, ++partes.cifras;
    if (i < texto.size() && texto[i] == '.') {
        ++i;
        while (i < texto.size() && EsCifra(texto[i]))
            ++i, ++partes.cifras;
    }
    partes.finMantisa = partes.finExponente = i;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        partes.conE = true;
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
            ++i;
        while (i < texto.size() && EsCifra(texto[i]))
            ++i, ++partes.cifrasExponente;
        partes.finExponente = i;
    }
    return partes;
}

// Quita los ceros finales de la parte decimal y el punto si queda solo.
void QuitaCerosFinales(std::string& texto)
{
    if (texto.find('.') == std::string::npos)
        return;
    while (!texto.empty() && texto.back() == '0')
        texto.pop_back();
    if (!texto.empty() && texto.back() == '.')
        texto.pop_back();
}

}  // namespace

std::string TextoNumero(double x)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    std::string texto = Formatea(x, std::chars_format::fixed, 3);
    QuitaCerosFinales(texto);
    if (texto == "-0")  // un negativo que redondea a cero se escribe sin signo
        texto = "0";
    return texto;
}

std::string TextoGeneral(double x)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    if (x == 0)
        return "0";
    // Cifras significativas y exponente decimal del valor redondeado a 15 cifras.
    std::string cientifico = Formatea(x, std::chars_format::scientific, 14);
    const auto posE = cientifico.find('e');
    const int exponente = std::atoi(cientifico.c_str() + posE + 1);
    std::string cifras;
    for (std::size_t i = 0; i < posE; ++i)
        if (EsCifra(cientifico[i]))
            cifras += cientifico[i];
    while (cifras.size() > 1 && cifras.back() == '0')
        cifras.pop_back();
    const std::string signo = x < 0 ? "-" : "";

    // Coma fija mientras la parte entera quepa en 15 cifras y el valor no sea
    // menor que 0.00001; si no, forma científica ("1.5E-6", "1E20").
    if (exponente >= -5 && exponente < 15) {
        std::string texto;
        if (exponente < 0) {
            texto = "0." + std::string(static_cast<std::size_t>(-exponente - 1), '0') + cifras;
        } else {
            const auto enteras = static_cast<std::size_t>(exponente) + 1;
            if (cifras.size() <= enteras)
                texto = cifras + std::string(enteras - cifras.size(), '0');
            else
                texto = cifras.substr(0, enteras) + "." + cifras.substr(enteras);
        }
        return signo + texto;
    }
    std::string mantisa = cifras.substr(0, 1);
    if (cifras.size() > 1)
        mantisa += "." + cifras.substr(1);
    return signo + mantisa + "E" + std::to_string(exponente);
}

double ComoSeMuestra(double x)
{
    if (!std::isfinite(x))
        return x;
    return LeeNumero(TextoNumero(x)).valor;
}

double PasoRedondo(double rango, int n)
{
    const double bruto = rango / n;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (const double f : {1.0, 2.0, 2.5, 5.0})
        if (bruto <= f * potencia)
            return f * potencia;
    return 10 * potencia;
}

double Trunca2(double x)
{
    // Se trunca el valor decimal, no el binario: 3.56 se guarda como
    // 3.5599999…, y x·100 puede caer por debajo del entero (0.29·100 da
    // 28.999…). Se cortan las cifras del texto de 15 cifras significativas.
    if (!std::isfinite(x))
        return x;
    std::string texto = TextoGeneral(x);
    if (texto.find('E') != std::string::npos)  // fuera de la coma fija: entero o casi cero
        return std::fabs(x) < 1 ? 0.0 : x;
    const auto punto = texto.find('.');
    if (punto != std::string::npos && texto.size() > punto + 3)
        texto.resize(punto + 3);
    return LeeNumero(texto).valor;
}

NumeroLeido LeeNumero(std::string_view texto)
{
    const Partes partes = Descompone(texto);
    if (partes.cifras == 0)
        return {};
    const std::size_t inicio = partes.inicio;
    // Fin de la parte válida más larga: una "e" sin cifras no cuenta.
    const std::size_t fin = partes.cifrasExponente > 0 ? partes.finExponente : partes.finMantisa;

    // from_chars no admite el "+" inicial.
    std::size_t desde = inicio;
    if (texto[desde] == '+')
        ++desde;
    NumeroLeido leido;
    auto [ptr, error] = std::from_chars(texto.data() + desde, texto.data() + fin, leido.valor);
    if (error == std::errc::result_out_of_range) {
        // Por debajo del menor double el valor es cero; por encima, no cabe.
        const auto exponente = texto.find_first_of("eE", desde);
        const bool diminuto = exponente < fin && texto.find('-', exponente) < fin;
        if (!diminuto)
            return {};
        leido.valor = texto[inicio] == '-' ? -0.0 : 0.0;
    } else if (error != std::errc() || ptr != texto.data() + fin) {
        return {};
    }
    leido.valido = fin == texto.size();
    return leido;
}

EnteroLeido LeeEntero(std::string_view texto)
{
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    std::size_t desde = i;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    const std::size_t inicioCifras = i;
    while (i < texto.size() && EsCifra(texto[i]))
        ++i;
    if (i == inicioCifras)
        return {};
    if (texto[desde] == '+')
        ++desde;
    EnteroLeido leido;
    auto [ptr, error] = std::from_chars(texto.data() + desde, texto.data() + i, leido.valor);
    if (error != std::errc() || ptr != texto.data() + i)
        return {};
    leido.valido = i == texto.size();
    return leido;
}

namespace {

// El comienzo de un número que aún no lo es: blancos, signo y, sin cifras
// todavía, un punto; o una mantisa con cifras seguida de "e" y quizá un signo.
bool EsNumeroAMedias(std::string_view texto)
{
    const Partes partes = Descompone(texto);
    if (partes.cifras == 0)
        return !partes.conE && partes.finMantisa == texto.size();
    // La mantisa ha de caber en un double: si no, ningún exponente la arregla.
    return partes.conE && partes.cifrasExponente == 0 && partes.finExponente == texto.size() &&
           LeeNumero(texto.substr(0, partes.finMantisa)).valido;
}

}  // namespace

NumeroTecleado LeeTecleado(std::string_view texto)
{
    // La coma decimal se lee como el punto; con las dos, el texto no es un número.
    std::string conPunto(texto);
    for (char& ch : conPunto)
        if (ch == ',')
            ch = '.';
    const NumeroLeido leido = LeeNumero(conPunto);
    if (leido.valido)
        return {leido.valor, Tecleo::Valido};
    return {leido.valor, EsNumeroAMedias(conPunto) ? Tecleo::AMedias : Tecleo::Imposible};
}

EnteroTecleado LeeEnteroTecleado(std::string_view texto)
{
    const EnteroLeido leido = LeeEntero(texto);
    if (leido.valido)
        return {leido.valor, Tecleo::Valido};
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    return {leido.valor, i == texto.size() ? Tecleo::AMedias : Tecleo::Imposible};
}
