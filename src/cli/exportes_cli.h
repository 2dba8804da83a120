#pragma once
// Lo que la herramienta escribe en archivos además de su salida: las
// mediciones en FIEBDC-3 (--bc3) y el perfil DXF (--dxf) de una tabla de
// tramos, y la sección DXF de un proyecto (--dxf con un archivo).

#include <ostream>
#include <string>
#include <vector>

#include "caso.h"
#include "mediciones_bc3.h"
#include "perfil_dxf.h"

// Lo que se exporta de una tabla de tramos.
struct OpcionesExportes {
    std::string bc3, dxf;  // archivos de salida; vacíos: no se escriben
    std::string precios;   // tabla de precios de las partidas del BC3
    bool une = true, astm = false;
};

// Lo que se va anotando de cada tramo mientras se calcula la tabla.
class ExportesTramos {
public:
    // Lee la tabla de precios, si la hay; si no se puede leer, lo dice en
    // errores y devuelve false.
    bool Prepara(const OpcionesExportes& opciones, std::ostream& errores);
    void Anade(const Tramo& tramo, const TramoCalculado& calculo);
    // Escribe los archivos pedidos: los tramos sin medir, como avisos; un
    // archivo que no se pudo escribir, como error. Devuelve el código de salida.
    int Escribe(const std::string& tabla, const std::string& base, std::ostream& errores) const;

private:
    OpcionesExportes opciones_;
    std::vector<PrecioTubo> precios_;
    MedicionesTramos mediciones_;
    std::vector<FranjaPerfil> franjas_;
};

// Escribe en dxf la sección del proyecto calculado; si no se puede dibujar o
// escribir, lo dice en errores. Devuelve el código de salida.
int EscribeSeccion(const CalculoArchivo& calculo, const std::string& dxf, std::ostream& errores);
