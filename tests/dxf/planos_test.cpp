// Los planos DXF leídos de nuevo con dxflib: capas, entidades y coordenadas
// de la sección de cada proyecto de ejemplo y del perfil de la tabla de
// tramos de ejemplo, todo dentro de los límites que declara la cabecera.

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "caso.h"
#include "numero.h"
#include "seccion_dxf.h"
#include "texto1252.h"
#include "tramos_cli.h"

namespace {

// Lo que interesa de un plano: lo que hay en el espacio modelo (no en los
// bloques de las cotas), por capa.
class Plano : public DL_CreationAdapter {
public:
    std::set<std::string> capas;
    std::map<std::string, int> entidades;  // "CAPA TIPO": cuántas
    std::vector<std::pair<double, double>> puntos;
    std::vector<std::string> circulos, cotas, textos;
    int unidades = 0;
    double minimo[2] = {0, 0}, maximo[2] = {0, 0};

    void addLayer(const DL_LayerData& d) override { capas.insert(d.name); }
    void addBlock(const DL_BlockData&) override { enBloque_ = true; }
    void endBlock() override { enBloque_ = false; }
    void addLine(const DL_LineData& d) override { Anota("LINE", {{d.x1, d.y1}, {d.x2, d.y2}}); }
    void addPolyline(const DL_PolylineData&) override { Anota("LWPOLYLINE", {}); }
    void addVertex(const DL_VertexData& d) override { Anota("", {{d.x, d.y}}); }
    void addSolid(const DL_SolidData& d) override
    {
        Anota("SOLID", {{d.x[0], d.y[0]}, {d.x[1], d.y[1]}, {d.x[2], d.y[2]}});
    }
    void addCircle(const DL_CircleData& d) override
    {
        if (Anota("CIRCLE",
                  {{d.cx - d.radius, d.cy - d.radius}, {d.cx + d.radius, d.cy + d.radius}}))
            circulos.push_back(TextoNumero(d.cx) + " " + TextoNumero(d.cy) + " r" +
                               TextoNumero(d.radius));
    }
    void addText(const DL_TextData& d) override
    {
        if (Anota("TEXT", {{d.ipx, d.ipy}}))
            textos.push_back(De1252(d.text));
    }
    void addDimLinear(const DL_DimensionData& d, const DL_DimLinearData& l) override
    {
        // Lo que mide: la distancia entre sus dos puntos en x, o en y si está girada.
        if (Anota("DIMENSION", {{d.dpx, d.dpy}, {l.dpx1, l.dpy1}, {l.dpx2, l.dpy2}}))
            cotas.push_back(TextoNumero(l.angle == 0 ? std::fabs(l.dpx2 - l.dpx1)
                                                     : std::fabs(l.dpy2 - l.dpy1)));
    }
    void setVariableInt(const std::string& clave, int valor, int) override
    {
        if (clave == "$INSUNITS")
            unidades = valor;
    }
    void setVariableVector(const std::string& clave, double x, double y, double, int) override
    {
        if (clave == "$EXTMIN" || clave == "$EXTMAX") {
            double* v = clave == "$EXTMIN" ? minimo : maximo;
            v[0] = x, v[1] = y;
        }
    }

private:
    bool Anota(const char* tipo, std::vector<std::pair<double, double>> p)
    {
        if (enBloque_)
            return false;
        if (*tipo)
            ++entidades[getAttributes().getLayer() + " " + tipo];
        puntos.insert(puntos.end(), p.begin(), p.end());
        return true;
    }
    bool enBloque_ = false;
};

Plano Lee(const std::string& dxf)
{
    Plano plano;
    std::stringstream entrada(dxf);
    DL_Dxf().in(entrada, &plano);
    std::sort(plano.circulos.begin(), plano.circulos.end());
    std::sort(plano.cotas.begin(), plano.cotas.end(),
              [](const std::string& a, const std::string& b) {
                  return LeeNumero(a).valor < LeeNumero(b).valor;
              });
    return plano;
}

std::string Junta(const std::vector<std::string>& textos)
{
    std::string r;
    for (const std::string& t : textos)
        r += (r.empty() ? "" : " ") + t;
    return r;
}

void CompruebaLimites(const Plano& plano)
{
    for (const auto& [x, y] : plano.puntos) {
        EXPECT_GE(x, plano.minimo[0]);
        EXPECT_LE(x, plano.maximo[0]);
        EXPECT_GE(y, plano.minimo[1]);
        EXPECT_LE(y, plano.maximo[1]);
    }
}

}  // namespace

// La sección de cada instalación, en metros: el tubo centrado bajo la clave
// (y = 0) con sus diámetros, la cama, la zanja o el terraplén, y las cotas
// con sus medidas (De, cama, anchuras, alturas).
TEST(PlanosDxf, SeccionDeCadaInstalacion)
{
    const struct {
        const char* proyecto;
        const char* circulos;
        const char* cotas;
        const char* titulo;
    } casos[] = {
        {"zanja.txt", "0 -0.609 r0.5 0 -0.609 r0.609", "0.1 0.609 1.218 2.078 2.5 2.605 3.605",
         "Sección tipo: Instalación en zanja con cama Granular / Compactado / 180º"},
        {"terraplen.txt", "0 -0.9 r0.75 0 -0.9 r0.9", "0.23 0.72 0.9 1.8 2.25 4",
         "Sección tipo: Instalación en terraplén con apoyo de clase B"},
        {"zanja_terraplenada.txt", "0 -0.375 r0.3 0 -0.375 r0.375", "0.08 0.188 0.75 1 1.5 3",
         "Sección tipo: Instalación en zanja terraplenada con cama Hormigón / Compactado / 120º"},
        {"zanja_inducida.txt", "0 -1.192 r1 0 -1.192 r1.192", "0.5 0.596 2 2.384 2.4 2.584 8",
         "Sección tipo: Instalación en zanja inducida con apoyo de clase A"},
    };
    for (const auto& c : casos) {
        const CalculoArchivo calculo =
            CalculaArchivo(std::string(CARPETA_EJEMPLOS "/") + c.proyecto);
        ASSERT_EQ(SeccionNoDibujable(calculo.proyecto), "") << c.proyecto;
        const Plano plano = Lee(TextoDxf(DibujaSeccionDxf(calculo.proyecto, {c.proyecto, "", ""})));
        EXPECT_EQ(plano.unidades, 6) << c.proyecto;  // metros
        for (const char* capa : {"TUBO", "CAMA", "TERRENO", "COTAS", "TEXTOS"})
            EXPECT_EQ(plano.capas.count(capa), 1u) << c.proyecto << capa;
        EXPECT_EQ(plano.entidades.at("TUBO CIRCLE"), 2) << c.proyecto;
        EXPECT_EQ(plano.entidades.at("CAMA LWPOLYLINE"), 1) << c.proyecto;
        EXPECT_EQ(Junta(plano.circulos), c.circulos) << c.proyecto;
        EXPECT_EQ(Junta(plano.cotas), c.cotas) << c.proyecto;
        EXPECT_NE(std::find(plano.textos.begin(), plano.textos.end(), c.titulo), plano.textos.end())
            << c.proyecto;
        CompruebaLimites(plano);
    }
}

// El perfil de la tabla de ejemplo con las dos normas: los PK reales en x, la
// superficie a hr por la exageración rotulada, una franja de cada norma con un
// relleno por tramo en la capa de su clase y los PK de los extremos.
TEST(PlanosDxf, PerfilDeLaTablaDeEjemplo)
{
    const std::filesystem::path dxf = std::filesystem::temp_directory_path() / "pruebas-perfil.dxf";
    OpcionesTramos opciones{
        CARPETA_EJEMPLOS "/tramos.csv", CARPETA_EJEMPLOS "/zanja.txt", false, {}};
    opciones.exportes.dxf = dxf.string();
    opciones.exportes.astm = true;
    std::ostringstream salida, errores;
    ASSERT_EQ(CalculaTramos(opciones, salida, errores), 0) << errores.str();
    std::ifstream archivo(dxf, std::ios::binary);
    const Plano plano = Lee(std::string(std::istreambuf_iterator<char>(archivo), {}));
    archivo.close();  // Windows no borra un archivo abierto
    std::filesystem::remove(dxf);

    std::string capas;
    for (const std::string& capa : plano.capas)
        capas += capa + " ";
    EXPECT_EQ(capas, "0 CLASE_135 CLASE_60 CLASE_90 CLASE_I CLASE_II CLASE_III CLASE_IV COTAS "
                     "REJILLA TERRENO TEXTOS TUBO ");
    // Franjas: UNE 60 en 6 tramos, 90 en 10 y 135 en 6; ASTM I en 8, II en 5,
    // III en 3 y IV en 6. Y una muestra de cada clase en la leyenda.
    const std::pair<const char*, int> rellenos[] = {
        {"CLASE_60 SOLID", 7}, {"CLASE_90 SOLID", 11}, {"CLASE_135 SOLID", 7}, {"CLASE_I SOLID", 9},
        {"CLASE_II SOLID", 6}, {"CLASE_III SOLID", 4}, {"CLASE_IV SOLID", 7},
    };
    for (const auto& [clave, cuantos] : rellenos)
        EXPECT_EQ(plano.entidades.at(clave), cuantos) << clave;
    EXPECT_EQ(plano.entidades.at("TUBO LINE"), 22);
    double xMinimo = 1e9, xMaximo = -1e9, yMaximo = 0;
    for (const auto& [x, y] : plano.puntos) {
        xMinimo = std::min(xMinimo, x), xMaximo = std::max(xMaximo, x);
        yMaximo = std::max(yMaximo, y);
    }
    EXPECT_LT(xMinimo, 0);     // el eje de hr, a la izquierda del PK 0+000
    EXPECT_GT(xMaximo, 1837);  // los rótulos del último PK
    const std::string textos = Junta(plano.textos);
    for (const char* texto :
         {"0+000", "0+382.5", "1+837", "UNE 127.010", "ASTM C76M",
          "exagerada 50 veces (1 m de hr mide 50 m en el dibujo)", "UNE 90", "ASTM IV", "hr (m)"})
        EXPECT_NE(textos.find(texto), std::string::npos) << texto;
    CompruebaLimites(plano);
}
