#pragma once
// Conversión entre el texto del programa (UTF-8) y el de los archivos de
// proyecto (Windows-1252, un byte por carácter).

#include <cstddef>
#include <string>
#include <string_view>

// Texto Windows-1252 a UTF-8. Los cinco bytes sin carácter en 1252 pasan a los
// caracteres de control U+0081, U+008D, U+008F, U+0090 y U+009D, de modo que
// se vuelven a escribir igual.
std::string De1252(std::string_view texto);

// Texto UTF-8 a Windows-1252; un carácter que 1252 no tiene (o una secuencia
// UTF-8 mal formada) se escribe "?".
std::string A1252(std::string_view texto);

// Añade a vistos (UTF-8) cada carácter de texto que Windows-1252 no tiene y que
// vistos aún no lleva, por orden de aparición; una secuencia UTF-8 mal formada
// cuenta como U+FFFD. Son los que A1252 escribe "?".
void AnadeCaracteresSin1252(std::string_view texto, std::string& vistos);

// Lee el carácter UTF-8 que empieza en texto[i] y avanza i tras él; si la
// secuencia está mal formada, da CaracterInvalido y avanza un solo byte.
constexpr char32_t CaracterInvalido = 0xFFFFFFFF;
char32_t SiguienteCaracter(std::string_view texto, std::size_t& i);

// Si el texto entero es UTF-8 bien formado.
bool EsUtf8(std::string_view texto);

// Compara dos textos UTF-8 sin distinguir mayúsculas de minúsculas en las
// letras de Windows-1252 ("ZANJA inducida" = "ZANJA INDUCIDA", "estático" =
// "ESTÁTICO").
bool IgualesSinMayusculas(std::string_view a, std::string_view b);
