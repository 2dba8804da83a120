#pragma once
// Las mediciones de una tabla de tramos en FIEBDC-3 (".bc3"), el formato con
// que los programas de presupuestos intercambian obras: un capítulo por norma,
// una partida por diámetro y clase (metros de tubo) y una línea de medición
// por tramo, con su nombre, sus PK y su longitud, para que el presupuesto diga
// de dónde sale cada metro.

#include <string>
#include <vector>

#include "archivo.h"
#include "tramos.h"

// El precio de un tubo: diámetro interior (mm), clase y euros por metro.
struct PrecioTubo {
    double Di = 0;
    std::string clase;
    double precio = 0;
};

struct OpcionesBc3 {
    bool une = true, astm = false;    // un capítulo por norma elegida
    std::vector<PrecioTubo> precios;  // las partidas que no están aquí, a 0 €/m
    std::string tabla, base;          // nombres de la tabla y del caso base, para los textos
};

// Lo que se mide de cada tramo mientras se calcula la tabla: solo sus datos
// cortos (nombre, PK, diámetro, clases y apoyo), no su caso entero.
class MedicionesTramos {
public:
    // Anota un tramo ya calculado (o que no se pudo calcular) y suma sus metros.
    void Anade(const Tramo& tramo, const TramoCalculado& calculo);

    // Los metros por diámetro y clase de las normas, como el resumen de la tabla.
    const ResumenTramos& Resumen() const { return resumen_; }

    // Los tramos que no se miden en alguna de las normas elegidas y por qué,
    // uno por línea: «P-07 (ninguna clase UNE 127.010 basta)», «P-12 (con errores)».
    std::vector<std::string> TramosSinMedir(const OpcionesBc3& opciones) const;

    // Lo que no entra en las mediciones, en frases: los tramos sin medir y, con
    // precios, cada partida que la tabla de precios no trae (a 0 €/m).
    std::vector<std::string> Avisos(const OpcionesBc3& opciones) const;

    // El archivo FIEBDC-3 entero: Windows-1252 (como declara su registro ~V) y CR LF.
    std::string TextoBc3(const OpcionesBc3& opciones) const;

private:
    struct Linea {
        std::string tramo;
        double pkInicial = 0, pkFinal = 0, longitud = 0;
        double Di = 0;            // mm, el del resumen
        std::string clase[2];     // UNE y ASTM; vacías sin clase
        std::string sinMedir[2];  // por qué no se mide en cada norma
        std::size_t apoyo = 0;    // su texto en apoyos_
    };
    void EscribePartida(std::string& r, int norma, const std::string& posicion,
                        const MetrosClase& m, const OpcionesBc3& opciones) const;

    ResumenTramos resumen_;
    std::vector<Linea> lineas_;
    std::vector<std::string> apoyos_;  // instalación y apoyo, sin repetir
};

// Guarda las mediciones en el archivo nombre como GuardaContenido.
ResultadoGuardar GuardaBc3(const MedicionesTramos& mediciones, const OpcionesBc3& opciones,
                           const std::string& nombre);
