#pragma once
// Una conducción por tramos: cada tramo es el caso base con los datos de su
// fila, se calcula como las órdenes "Calcular Clase Resistente UNE/ASTM" de la
// ventana principal y se suman los metros de tubo de cada diámetro y clase.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "informe.h"
#include "proyecto.h"

// Columnas de la tabla de tramos.
enum class ColumnaTramo {
    Tramo,
    PkInicial,
    PkFinal,
    Di,
    Es,
    Hr,
    B,
    Hr1,
    H2r,
    B2,
    Hr2,
    Instalacion,
    Cama,
    ClaseApoyo,
    Fa,
    Relleno,
    Fi,
    Fi1,
    Gamma,
    Base,
    Trafico,
    Carretera,
    Via,
    SentidoVia,
    NVias,
    V,
    Dh,
    Aeropuerto,
    Qp,
    D,
    Qs,
    Compactador,
    Pq,
};
constexpr int NumeroColumnasTramo = static_cast<int>(ColumnaTramo::Pq) + 1;

// Cabecera de la columna, tal como se escribe ("PK inicial", "h'r", "Relleno").
const char* CabeceraTramo(ColumnaTramo columna);

// La columna de una cabecera, sin distinguir mayúsculas ni acentos y sin los
// blancos de los lados; ninguna si no es de la tabla.
std::optional<ColumnaTramo> ColumnaDeCabecera(std::string_view cabecera);

// true si las celdas de la columna son números (se escriben con coma decimal).
bool ColumnaNumerica(ColumnaTramo columna);

// La fila 1..11 de la hoja de zanjas de una celda «Cama»: su número de fila o
// su nombre ("Hormigón / Compactado / 120º", sin mirar mayúsculas, acentos ni
// signos); ninguna si no es una cama.
std::optional<int> FilaDeCama(std::string_view celda);

// Una celda de una fila: su columna y su texto.
struct CeldaTramo {
    ColumnaTramo columna;
    std::string texto;
};

// Un tramo leído: nombre, puntos kilométricos (m) y el caso con sus celdas.
struct Tramo {
    std::string nombre;
    double pkInicial = 0, pkFinal = 0;
    Proyecto proyecto;
    std::vector<std::string> errores;  // una celda no válida: "columna «hr»: …"
    std::vector<std::string> notas;    // lo que las celdas corrigieron o preguntaron

    // Longitud del tramo (m): la diferencia de sus PK, nunca negativa.
    double Longitud() const;
};

// Aplica las celdas, en el orden de las columnas, sobre una copia del caso
// base, como las casillas y listas de la ventana principal; una celda vacía
// deja el valor del caso base. Una celda no válida (también un número que su
// columna no admite, como un Di de 1e308 mm o un PK a más de 10.000 km) deja
// también el del caso base y se anota en errores.
Tramo LeeTramo(const Proyecto& base, const std::vector<CeldaTramo>& celdas);

// Lo calculado de un tramo.
struct TramoCalculado {
    std::vector<std::string>
        errores;  // los de sus celdas, el rechazo de la orden o el fallo de las cargas
    std::vector<std::string> notas;  // correcciones hechas y preguntas respondidas No
    bool calculado = false;          // hay memorias UNE y ASTM
    Proyecto proyecto;               // el registro tras la memoria UNE (sus cargas)
    ResultadoInforme une, astm;

    // La clase de la norma (1 UNE, 2 ASTM) si el tramo la tiene ("NO" no lo es); si no, vacío.
    std::string Clase(int modo) const;
};

// Corrige el caso como la orden de cálculo (respondiendo No a sus preguntas) y
// calcula la memoria en modo UNE y en modo ASTM con su validez. Un tramo con
// errores en sus celdas no se calcula.
TramoCalculado CalculaTramo(const Tramo& tramo);

// Diámetro interior del caso en mm, sin el ruido del paso de m a mm (el que
// agrupa los metros).
double DiametroMm(const Proyecto& p);

// Metros de tubo de un diámetro y una clase.
struct MetrosClase {
    double Di = 0;  // mm
    std::string clase;
    double metros = 0;
};

// Metros por diámetro y clase de cada norma, por diámetro y, en cada uno, de
// la clase menos a la más resistente; solo cuentan los tramos con clase.
struct ResumenTramos {
    std::vector<MetrosClase> une, astm;
};

// Los metros de todas las líneas de una norma.
double MetrosTotales(const std::vector<MetrosClase>& lineas);

// Suma un tramo calculado al resumen.
void SumaTramo(ResumenTramos& resumen, const Tramo& tramo, const TramoCalculado& calculo);
