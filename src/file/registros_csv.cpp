#include "registros_csv.h"

namespace {

constexpr int Fin = std::char_traits<char>::eof();

bool Blanco(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

RegistrosCsv::RegistrosCsv(std::istream& entrada, char separador, bool utf8)
    : entrada_(*entrada.rdbuf()), separador_(separador), utf8_(utf8)
{}

bool RegistrosCsv::Siguiente(std::size_t maximo, std::size_t caracteres)
{
    campos.clear();
    numero = 0;
    sobranLlenos = false;
    largo.reset();
    linea = siguiente_;
    std::string campo;
    std::size_t escritos = 0;
    bool entreComillas = false, comillado = false, soloEspacios = true, cortado = false;
    bool leido = false;
    const auto anade = [&](char c) {
        if (numero >= maximo) {
            sobranLlenos |= !Blanco(c);
            return;
        }
        // Un carácter UTF-8 empieza en un byte que no es 10xxxxxx.
        const bool empieza = !utf8_ || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (cortado || (empieza && escritos == caracteres)) {
            cortado = true;
            if (!largo)
                largo = numero;
            return;
        }
        escritos += empieza;
        campo += c;
    };
    const auto cierra = [&] {
        if (numero < maximo)
            campos.push_back(std::move(campo));
        ++numero;
        campo.clear();
        escritos = 0;
        comillado = cortado = false;
        soloEspacios = true;
    };
    for (int i = entrada_.sbumpc(); i != Fin; i = entrada_.sbumpc()) {
        const char c = static_cast<char>(i);
        leido = true;
        // Una línea acaba en LF, CR LF o CR solo (las hojas de cálculo antiguas).
        const bool finDeLinea = c == '\n' || (c == '\r' && entrada_.sgetc() != '\n');
        if (finDeLinea)
            ++siguiente_;
        if (entreComillas) {
            if (c != '"')
                anade(c);
            else if (entrada_.sgetc() == '"')
                anade(static_cast<char>(entrada_.sbumpc()));
            else
                entreComillas = false;
        } else if (c == '"' && !comillado && soloEspacios) {
            campo.clear();
            escritos = 0;
            entreComillas = comillado = true;
        } else if (c == separador_) {
            cierra();
        } else if (finDeLinea) {
            cierra();
            return true;
        } else if (c != '\r') {
            anade(c);
            soloEspacios &= c == ' ';
        }
    }
    comillaAbierta = entreComillas;
    if (!leido)
        return false;
    cierra();
    return true;
}

char SeparadorCsv(std::istream& entrada)
{
    std::streambuf& b = *entrada.rdbuf();
    bool entreComillas = false, tabulador = false, escrita = false;
    for (int i = b.sbumpc(); i != Fin; i = b.sbumpc()) {
        const char c = static_cast<char>(i);
        if (c == '"')
            entreComillas = !entreComillas;
        else if (entreComillas)
            continue;
        else if (c == ';')
            return ';';
        else if (c == '\t')
            tabulador = true;
        else if ((c == '\n' || c == '\r') && escrita)
            break;
        escrita |= c != ' ' && c != '\r' && c != '\n';
    }
    return tabulador ? '\t' : ';';
}

bool EnBlanco(const std::string& texto)
{
    return texto.find_first_not_of(" \t") == std::string::npos;
}
