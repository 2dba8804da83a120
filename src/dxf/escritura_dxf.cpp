// El dibujo escrito con dxflib en un texto (no en un archivo: lo guarda
// GuardaContenido, como todo lo que escribe el programa).

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <charconv>
#include <cmath>

#include "dibujo_dxf.h"
#include "numero.h"
#include "texto1252.h"

namespace {

// El escritor ASCII de dxflib volcado en un texto: números con todas sus
// cifras (la cota de 2.605 m mide eso en el programa de CAD) y punto decimal,
// sea cual sea el idioma; textos en Windows-1252 y CR LF.
// dxflib no nombra el bloque que dibuja cada cota; se pone aquí, tras la marca
// de su subclase, y los bloques *D1, *D2… se escriben en el mismo orden.
class EscritorDxf : public DL_WriterA {
public:
    EscritorDxf() : DL_WriterA("", DL_VERSION_2000) {}

    // Lo escrito; dxflib escribe con métodos constantes.
    mutable std::string texto;

    void dxfReal(int codigo, double valor) const override { Par(codigo, TextoGeneral(valor)); }
    void dxfInt(int codigo, int valor) const override { Par(codigo, std::to_string(valor)); }
    void dxfHex(int codigo, int valor) const override
    {
        char cifras[16];
        const auto fin = std::to_chars(cifras, cifras + sizeof cifras, valor, 16).ptr;
        std::string hex(cifras, fin);
        for (char& c : hex)
            c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
        Par(codigo, hex);
    }
    void dxfString(int codigo, const char* valor) const override
    {
        dxfString(codigo, std::string(valor));
    }
    void dxfString(int codigo, const std::string& valor) const override
    {
        Par(codigo, A1252(valor));
        if (codigo == 100 && valor == "AcDbDimension")
            Par(2, "*D" + std::to_string(++cotas_));
    }

private:
    void Par(int codigo, const std::string& valor) const
    {
        const std::string c = std::to_string(codigo);
        texto += std::string(c.size() < 3 ? 3 - c.size() : 0, ' ') + c + "\r\n" + valor + "\r\n";
    }
    mutable int cotas_ = 0;
};

DL_Attributes Atributos(const std::string& capa)
{
    return DL_Attributes(capa, 256, -1, "BYLAYER", 1.0);  // color y grosor de la capa
}

void Variable(DL_WriterA& w, const char* nombre, int codigo, double valor)
{
    w.dxfString(9, nombre);
    w.dxfReal(codigo, valor);
}

void Variable(DL_WriterA& w, const char* nombre, int valor)
{
    w.dxfString(9, nombre);
    w.dxfInt(70, valor);
}

void Punto(DL_WriterA& w, const char* nombre, PuntoDxf p)
{
    w.dxfString(9, nombre);
    w.dxfReal(10, p.x);
    w.dxfReal(20, p.y);
    w.dxfReal(30, 0);
}

void Cabecera(DL_Dxf& dxf, DL_WriterA& w, const DibujoDxf& d, PuntoDxf minimo, PuntoDxf maximo)
{
    dxf.writeHeader(w);
    w.dxfString(9, "$DWGCODEPAGE");
    w.dxfString(3, "ANSI_1252");
    Punto(w, "$INSBASE", {0, 0});
    Punto(w, "$EXTMIN", minimo);
    Punto(w, "$EXTMAX", maximo);
    Punto(w, "$LIMMIN", minimo);
    Punto(w, "$LIMMAX", maximo);
    Variable(w, "$INSUNITS", 6);     // metros
    Variable(w, "$MEASUREMENT", 1);  // métrico
    Variable(w, "$LUNITS", 2);       // decimales
    Variable(w, "$LUPREC", 3);
    w.dxfString(9, "$TEXTSTYLE");
    w.dxfString(7, "Standard");
    Variable(w, "$TEXTSIZE", 40, d.AltoCotas());
    w.dxfString(9, "$DIMSTYLE");
    w.dxfString(2, "Standard");
    Variable(w, "$DIMSCALE", 40, 1);
    Variable(w, "$DIMTXT", 40, d.AltoCotas());
    Variable(w, "$DIMASZ", 40, 0.8 * d.AltoCotas());
    Variable(w, "$DIMDEC", 2);
    Variable(w, "$DIMZIN", 8);
    w.sectionEnd();
}

void Tablas(DL_Dxf& dxf, DL_WriterA& w, const DibujoDxf& d)
{
    w.sectionTables();
    dxf.writeVPort(w);
    w.tableLinetypes(3);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    w.tableEnd();
    w.tableLayers(static_cast<int>(d.Capas().size()) + 1);
    dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", 7, 25, "CONTINUOUS", 1.0));
    for (const DibujoDxf::CapaDxf& capa : d.Capas()) {
        DL_Attributes atributos("", capa.aci, capa.grosor, "CONTINUOUS", 1.0);
        if (capa.color)
            atributos.setColor24(capa.color->rojo << 16 | capa.color->verde << 8 |
                                 capa.color->azul);
        dxf.writeLayer(w, DL_LayerData(capa.nombre, 0), atributos);
    }
    w.tableEnd();
    w.tableStyle(1);
    // dxflib guarda la letra de un estilo de AutoCAD 2000 como su familia.
    dxf.writeStyle(w, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, d.AltoCotas(), "Arial", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    const double t = d.AltoCotas();
    dxf.writeDimStyle(w, 0.8 * t, 0.6 * t, 0.5 * t, 0.4 * t, t);
    dxf.writeBlockRecord(w);
    for (std::size_t i = 1; i <= d.Cotas().size(); ++i)
        dxf.writeBlockRecord(w, "*D" + std::to_string(i));
    w.tableEnd();
    w.sectionEnd();
}

void Escribe(DL_Dxf& dxf, DL_WriterA& w, const DibujoDxf::Entidad& e)
{
    DL_Attributes a = Atributos(e.capa);
    a.setColor(e.aci);
    const std::vector<PuntoDxf>& p = e.puntos;
    switch (e.tipo) {
    case DibujoDxf::Tipo::Linea:
        dxf.writeLine(w, DL_LineData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0), a);
        break;
    case DibujoDxf::Tipo::Polilinea:
        dxf.writePolyline(w, DL_PolylineData(static_cast<int>(p.size()), 0, 0, e.cerrada ? 1 : 0),
                          a);
        for (const PuntoDxf& v : p)
            dxf.writeVertex(w, DL_VertexData(v.x, v.y, 0, v.curva));
        dxf.writePolylineEnd(w);
        break;
    case DibujoDxf::Tipo::Circulo:
        dxf.writeCircle(w, DL_CircleData(p[0].x, p[0].y, 0, e.medida), a);
        break;
    case DibujoDxf::Tipo::Relleno:
        // El cuarto vértice de un SOLID va antes que el tercero.
        dxf.writeSolid(w,
                       DL_SolidData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0, p[3].x, p[3].y, 0, p[2].x,
                                    p[2].y, 0, 0),
                       a);
        break;
    case DibujoDxf::Tipo::Texto: {
        const int horizontal = e.alinea == AlineaTexto::Izquierda ? 0
                               : e.alinea == AlineaTexto::Centro  ? 1
                                                                  : 2;
        dxf.writeText(w,
                      DL_TextData(p[0].x, p[0].y, 0, p[0].x, p[0].y, 0, e.medida, 1, 0, horizontal,
                                  0, e.texto, "Standard", e.angulo * PiDxf / 180),
                      a);
        break;
    }
    }
}

void Bloques(DL_Dxf& dxf, DL_WriterA& w, const DibujoDxf& d)
{
    w.sectionBlocks();
    for (const char* espacio : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(w, DL_BlockData(espacio, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(w, espacio);
    }
    for (std::size_t i = 0; i < d.Cotas().size(); ++i) {
        const std::string nombre = "*D" + std::to_string(i + 1);
        dxf.writeBlock(w, DL_BlockData(nombre, 1, 0.0, 0.0, 0.0));
        for (const DibujoDxf::Entidad& e : d.Cotas()[i].dibujo)
            Escribe(dxf, w, e);
        dxf.writeEndBlock(w, nombre);
    }
    w.sectionEnd();
}

void Cota(DL_Dxf& dxf, DL_WriterA& w, const DibujoDxf::CotaDxf& c)
{
    const double largo =
        c.vertical ? std::fabs(c.hasta.y - c.desde.y) : std::fabs(c.hasta.x - c.desde.x);
    const PuntoDxf linea = c.vertical ? PuntoDxf{c.linea, c.hasta.y} : PuntoDxf{c.hasta.x, c.linea};
    const PuntoDxf texto = c.dibujo.back().puntos[0];
    // Tipo 0 (girada) + 32 (su bloque es solo suyo); sin texto propio: la
    // medida; dxflib escribe en el 42 (la medida) su "ángulo".
    dxf.writeDimLinear(w,
                       DL_DimensionData(linea.x, linea.y, 0, texto.x, texto.y, 0, 32, 5, 1, 1.0, "",
                                        "Standard", largo),
                       DL_DimLinearData(c.desde.x, c.desde.y, 0, c.hasta.x, c.hasta.y, 0,
                                        c.vertical ? PiDxf / 2 : 0, 0),
                       Atributos(CapaCotas));
}

}  // namespace

std::string TextoDxf(const DibujoDxf& d)
{
    DL_Dxf dxf;
    EscritorDxf w;
    // Un margen de una letra alrededor de lo dibujado.
    const double margen = d.AltoCotas();
    const bool vacio = d.Maximo().x < d.Minimo().x;
    const PuntoDxf minimo =
        vacio ? PuntoDxf{} : PuntoDxf{d.Minimo().x - margen, d.Minimo().y - margen};
    const PuntoDxf maximo =
        vacio ? PuntoDxf{} : PuntoDxf{d.Maximo().x + margen, d.Maximo().y + margen};
    Cabecera(dxf, w, d, minimo, maximo);
    Tablas(dxf, w, d);
    Bloques(dxf, w, d);
    w.sectionEntities();
    for (const DibujoDxf::Entidad& e : d.Entidades())
        Escribe(dxf, w, e);
    for (const DibujoDxf::CotaDxf& c : d.Cotas())
        Cota(dxf, w, c);
    w.sectionEnd();
    dxf.writeObjects(w);
    dxf.writeObjectsEnd(w);
    w.dxfEOF();
    return w.texto;
}
