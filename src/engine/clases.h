#pragma once
// Clase resistente mínima del tubo según UNE 127.010 y ASTM C76M, y la matriz
// de clases de las hojas de resultados.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CamaZanja;
struct Proyecto;
class Interlocutor;

// Clase UNE ("60", "90", "135", "180" o "NO") para la carga de cálculo x
// (kN/m²) y el diámetro interior Di (m).
std::string ClaseUNE(double x, double Di);

// Clase ASTM de una carga, el valor que se muestra (kN/m²) y el texto de su factor.
struct ClasificacionASTM {
    std::string clase;   // "I".."V" o "NO"
    double valor = 0;    // 1.5·y hasta 100, 1.25·y por encima
    std::string factor;  // "1.5 · Qtotal" o "1.25 · Qtotal"
};

// Clase ASTM para y = carga de cálculo/1.5 (kN/m²).
ClasificacionASTM ClaseASTM(double y);

// Clase de la carga de cálculo x (kN/m²) en el modo 1 (UNE, con Di en m) o 2
// (ASTM, sobre x/1.5); vacía en otro modo.
std::string ClaseSegunModo(std::uint8_t modo, double x, double Di);

// Cargas de cálculo (kN/m²) en las que puede cambiar la clase de cada modo, de
// menor a mayor: UNE 60, 90, 135 y 180; ASTM las de x/1.5 = 40, 50, 65, 100 y 140.
std::vector<double> LimitesDeClase(std::uint8_t modo);

// Lugar de una clase en el orden de resistencia de su norma: UNE 60 < 90 <
// 135 < 180 < NO y ASTM I < II < III < IV < V < NO; -1 si no es una clase.
int RangoClase(const std::string& clase);

struct ColorRGB {
    std::uint8_t rojo, verde, azul;
    bool operator==(const ColorRGB& otro) const
    {
        return rojo == otro.rojo && verde == otro.verde && azul == otro.azul;
    }
};

// Color de fondo de la celda de una clase.
std::optional<ColorRGB> ColorClase(const std::string& clase);

// Si sobre ese fondo se lee la letra blanca (gris, verde azulado, rojo) y no
// la negra, por su luminancia percibida.
bool FondoOscuro(const ColorRGB& fondo);

// Factor de apoyo de las once filas (camas) de la hoja de zanjas, fila 1..11.
extern const double FaZanja[12];

enum class HojaResultados { Zanjas, Terraplen };

constexpr int FilasHoja(HojaResultados hoja)
{
    return hoja == HojaResultados::Zanjas ? 11 : 3;
}
constexpr int ColumnasHoja = 6;

// Una celda de la hoja: la clase calculada, el texto que muestra y su color
// (vacío: el de fondo de la hoja).
struct CeldaResultado {
    std::string clase;
    std::string texto;
    std::optional<ColorRGB> color;
};

using MatrizResultados = std::vector<std::array<CeldaResultado, ColumnasHoja>>;

// Calcula la hoja entera: una celda por cama (fila) y relleno (columna), cada
// una con su factor de apoyo y su relleno, en el modo dado (1 UNE, 2 ASTM). Se calcula
// columna a columna; la sexta (relleno de usuario) con el peso específico que
// tenía el registro al empezar. El registro queda con las cargas de la última
// celda calculada.
MatrizResultados RellenaResultados(Proyecto& p, Interlocutor& interlocutor, HojaResultados hoja,
                                   std::uint8_t modo);

// Títulos de las columnas (rellenos) de las dos hojas y de las filas (camas)
// de la hoja de zanjas: apoyo, relleno y ángulo ("" donde no lo hay).
extern const char* const TitulosColumnas[ColumnasHoja];
struct TituloCama {
    const char* apoyo;
    const char* relleno;
    const char* angulo;
};
extern const TituloCama TitulosCamasZanja[11];
// La cama de la fila 1..11 de la hoja de zanjas (el orden de la ayuda y de la memoria).
const CamaZanja& CamaDeFila(int fila);
// Nombre de la cama de la fila 1..11 con los rótulos de la hoja de zanjas:
// "Hormigón / Compactado / 120º", "Granular", "Apoyo directo".
std::string NombreCama(int fila);
// Filas de la hoja de terraplén: clases A, B y C.
extern const char* const TitulosClasesTerraplen[3];

// Número con dos decimales alineado a la derecha en 8 caracteres ("   45.68").
std::string TextoCelda(double x);
