#include "texto1252.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

// Caracteres de los bytes 0x80 a 0x9F; 0 donde 1252 no define ninguno.
const char32_t Tramo80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t CaracterDeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && Tramo80[byte - 0x80] != 0)
        return Tramo80[byte - 0x80];
    return byte;  // ASCII, Latin-1 y los cinco bytes sin carácter
}

void AnadeUtf8(std::string& salida, char32_t c)
{
    if (c < 0x80) {
        salida += static_cast<char>(c);
    } else if (c < 0x800) {
        salida += static_cast<char>(0xC0 | (c >> 6));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        salida += static_cast<char>(0xE0 | (c >> 12));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t Invalido = CaracterInvalido;

}  // namespace

char32_t SiguienteCaracter(std::string_view texto, std::size_t& i)
{
    const auto byte = static_cast<unsigned char>(texto[i++]);
    if (byte < 0x80)
        return byte;
    int resto = 0;
    char32_t c = 0;
    if ((byte & 0xE0) == 0xC0) {
        resto = 1;
        c = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        resto = 2;
        c = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        resto = 3;
        c = byte & 0x07;
    } else {
        return Invalido;
    }
    std::size_t j = i;
    for (int k = 0; k < resto; ++k, ++j) {
        if (j >= texto.size() || (static_cast<unsigned char>(texto[j]) & 0xC0) != 0x80)
            return Invalido;
        c = (c << 6) | (static_cast<unsigned char>(texto[j]) & 0x3F);
    }
    i = j;
    static const char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimo[resto] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return Invalido;
    return c;
}

namespace {

// Byte 1252 del carácter, o '?' si no lo tiene.
char ByteDeCaracter(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c >= 0x80 && c < 0xA0)  // solo los cinco controles sin carácter vuelven a su byte
        return Tramo80[c - 0x80] == 0 ? static_cast<char>(c) : '?';
    for (int k = 0; k < 32; ++k)
        if (Tramo80[k] == c)
            return static_cast<char>(0x80 + k);
    return '?';
}

// Minúscula de las letras que tiene Windows-1252.
char32_t Minuscula(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return c;
    }
}

}  // namespace

std::string De1252(std::string_view texto)
{
    // UTF-8 de cada byte, calculado una vez: el lector convierte cada línea.
    struct Utf8 {
        char bytes[3];
        unsigned char longitud;
    };
    static const auto tabla = [] {
        std::array<Utf8, 256> t{};
        for (int byte = 0; byte < 256; ++byte) {
            std::string s;
            AnadeUtf8(s, CaracterDeByte(static_cast<unsigned char>(byte)));
            s.copy(t[byte].bytes, s.size());
            t[byte].longitud = static_cast<unsigned char>(s.size());
        }
        return t;
    }();

    std::string salida;
    salida.reserve(texto.size() + texto.size() / 8);
    std::size_t i = 0;
    while (i < texto.size()) {
        // Los tramos ASCII, que son casi todo, se copian de una vez.
        std::size_t j = i;
        while (j < texto.size() && static_cast<unsigned char>(texto[j]) < 0x80)
            ++j;
        salida.append(texto, i, j - i);
        if (j == texto.size())
            break;
        const Utf8& u = tabla[static_cast<unsigned char>(texto[j])];
        salida.append(u.bytes, u.longitud);
        i = j + 1;
    }
    return salida;
}

std::string A1252(std::string_view texto)
{
    std::string salida;
    salida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const char32_t c = SiguienteCaracter(texto, i);
        salida += c == Invalido ? '?' : ByteDeCaracter(c);
    }
    return salida;
}

void AnadeCaracteresSin1252(std::string_view texto, std::string& vistos)
{
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t inicio = i;
        const char32_t c = SiguienteCaracter(texto, i);
        if (c != Invalido && (c == '?' || ByteDeCaracter(c) != '?'))
            continue;
        std::string caracter;
        if (c == Invalido)
            AnadeUtf8(caracter, 0xFFFD);
        else
            caracter = texto.substr(inicio, i - inicio);
        // vistos solo lleva caracteres enteros: buscar uno no puede dar con medio.
        if (vistos.find(caracter) == std::string::npos)
            vistos += caracter;
    }
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (Minuscula(SiguienteCaracter(a, i)) != Minuscula(SiguienteCaracter(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

bool EsUtf8(std::string_view texto)
{
    for (std::size_t i = 0; i < texto.size();)
        if (SiguienteCaracter(texto, i) == CaracterInvalido)
            return false;
    return true;
}
