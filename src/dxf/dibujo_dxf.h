#pragma once
// Un dibujo en metros para un archivo DXF: capas nombradas por su contenido y
// las entidades de cada una (líneas, polilíneas, círculos, rellenos, textos y
// cotas). Se compone en memoria y se escribe entero con dxflib, de modo que la
// cabecera ya sabe qué ocupa (sus límites envuelven todo lo dibujado).

#include <optional>
#include <string>
#include <vector>

#include "clases.h"

// π para los giros de los textos y de las cotas (M_PI no es del estándar).
inline constexpr double PiDxf = 3.14159265358979323846;

// Un punto (m); en una polilínea, curva es el "bulge" del tramo hasta el
// siguiente vértice (la tangente de un cuarto del ángulo del arco; negativo,
// en el sentido de las agujas del reloj).
struct PuntoDxf {
    double x = 0, y = 0;
    double curva = 0;
};

enum class AlineaTexto { Izquierda, Centro, Derecha };

class DibujoDxf {
public:
    // Una capa con su color de AutoCAD (ACI), o con el color de una clase
    // (verdadero, y el ACI más parecido para los programas que no lo leen).
    void Capa(const std::string& nombre, int aci, int grosor);
    void Capa(const std::string& nombre, const ColorRGB& color, int grosor);

    void Linea(const std::string& capa, PuntoDxf a, PuntoDxf b);
    void Polilinea(const std::string& capa, const std::vector<PuntoDxf>& puntos, bool cerrada);
    void Circulo(const std::string& capa, PuntoDxf centro, double radio);
    // Un cuadrilátero (o triángulo, repitiendo el último) relleno; vértices en orden.
    void Relleno(const std::string& capa, PuntoDxf a, PuntoDxf b, PuntoDxf c, PuntoDxf d);
    // Texto de alto alto (m) con su punto de inserción en la línea base;
    // angulo en grados; aci, su color si no es el de la capa (256).
    void Texto(const std::string& capa, PuntoDxf punto, double alto, const std::string& texto,
               AlineaTexto alinea = AlineaTexto::Izquierda, double angulo = 0, int aci = 256);
    // Cota horizontal (o vertical) entre dos puntos, con su línea a la altura
    // linea (o en la abscisa linea), en la capa de cotas. Escribe la medida con
    // dos decimales, como el estilo de cota.
    void Cota(PuntoDxf desde, PuntoDxf hasta, bool vertical, double linea);

    // Tamaño de las cotas (m): alto de su texto.
    void AltoCotas(double alto) { altoCotas_ = alto; }
    double AltoCotas() const { return altoCotas_; }

    // Lo que ocupa lo dibujado (m); vacío si no hay nada.
    PuntoDxf Minimo() const { return minimo_; }
    PuntoDxf Maximo() const { return maximo_; }

    struct CapaDxf {
        std::string nombre;
        int aci = 7;
        std::optional<ColorRGB> color;
        int grosor = 25;  // centésimas de mm
    };
    enum class Tipo { Linea, Polilinea, Circulo, Relleno, Texto };
    struct Entidad {
        Tipo tipo = Tipo::Linea;
        std::string capa{};
        std::vector<PuntoDxf> puntos{};
        bool cerrada = false;
        double medida = 0;  // radio del círculo o alto del texto
        std::string texto{};
        AlineaTexto alinea = AlineaTexto::Izquierda;
        double angulo = 0;
        int aci = 256;  // el de la capa
    };
    struct CotaDxf {
        PuntoDxf desde, hasta;
        bool vertical = false;
        double linea = 0;
        std::vector<Entidad> dibujo;  // líneas, flechas y texto de su bloque
    };
    const std::vector<CapaDxf>& Capas() const { return capas_; }
    const std::vector<Entidad>& Entidades() const { return entidades_; }
    const std::vector<CotaDxf>& Cotas() const { return cotas_; }

private:
    void Anade(Entidad e);
    void Abarca(PuntoDxf p);
    void Abarca(const Entidad& e);

    std::vector<CapaDxf> capas_;
    std::vector<Entidad> entidades_;
    std::vector<CotaDxf> cotas_;
    double altoCotas_ = 0.1;
    PuntoDxf minimo_{1e300, 1e300}, maximo_{-1e300, -1e300};
};

// La capa de las cotas, que el dibujo crea al poner la primera.
inline const char* const CapaCotas = "COTAS";

// El archivo DXF del dibujo: AutoCAD 2000, unidades metros, textos en
// Windows-1252 con el estilo Standard (Arial) y CR LF.
std::string TextoDxf(const DibujoDxf& dibujo);
