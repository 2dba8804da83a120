#pragma once
// La única forma de escribir un número como texto y la única de leerlo.
// Ni una ni otra dependen de la configuración regional: el separador decimal
// es siempre el punto.

#include <string>
#include <string_view>

// Número con tres decimales redondeados, sin ceros finales ni punto final
// ("12", "1.5", "0.125", "-2.25").
std::string TextoNumero(double x);

// Forma general con hasta 15 cifras significativas ("0.5", "1.23456789012345",
// "1E20", "1.5E-6"); la usan las correcciones que escriben el valor exacto.
std::string TextoGeneral(double x);

// El valor que guarda una casilla que muestra x (TextoNumero de x, leído de
// nuevo): lo que calcula un diálogo o una corrección se guarda así, como lo
// guarda el archivo, para que todas las vías calculen con el mismo número.
double ComoSeMuestra(double x);

// Paso de marcas "redondo" (1, 2, 2.5 o 5 por una potencia de 10) para unas n
// marcas en un rango positivo.
double PasoRedondo(double rango, int n);

// x truncado hacia cero a dos decimales (las cargas del informe y de la ventana).
double Trunca2(double x);

// Resultado de leer un texto tecleado o leído de un archivo.
struct NumeroLeido {
    double valor = 0;     // el valor; en un texto no válido, el de su parte inicial válida
    bool valido = false;  // el texto entero sigue la regla
};

// Lee un número en notación normal o exponencial: blancos iniciales, signo
// opcional, cifras, punto decimal opcional y exponente opcional; nada detrás.
// Un texto vacío o que empieza por otra cosa vale 0 y no es válido; tampoco lo
// es un número que no cabe en un double.
NumeroLeido LeeNumero(std::string_view texto);

struct EnteroLeido {
    long long valor = 0;
    bool valido = false;
};

// Lee un número entero con la misma regla, sin decimales ni exponente.
EnteroLeido LeeEntero(std::string_view texto);

// Cómo está lo tecleado en una casilla mientras el usuario escribe.
enum class Tecleo {
    Valido,     // un número según la regla
    AMedias,    // aún no, pero puede llegar a serlo tecleando más ("", "-", ".", "2e", "1e-")
    Imposible,  // no lo será por mucho que se teclee detrás ("2x", "1.5.", "1e999")
};

struct NumeroTecleado {
    double valor = 0;  // lo leído; de un texto no válido, su parte inicial válida
    Tecleo estado = Tecleo::AMedias;
};

struct EnteroTecleado {
    long long valor = 0;
    Tecleo estado = Tecleo::AMedias;
};

// Lee lo tecleado en una casilla como LeeNumero, con la coma decimal además del
// punto ("2,5" vale 2.5; sin separador de miles) y distinguiendo un número a
// medio escribir de uno imposible.
NumeroTecleado LeeTecleado(std::string_view texto);

// Lo mismo para un número entero: a medias solo están el texto vacío y un signo.
EnteroTecleado LeeEnteroTecleado(std::string_view texto);
