#include "exportes_cli.h"

#include <filesystem>

#include "precios_csv.h"
#include "seccion_dxf.h"

namespace {

const char* const programa = "calculo-tubos-cli: ";

std::string SinCarpeta(const std::string& nombre)
{
    return std::filesystem::path(nombre).filename().string();
}

int Guardado(const ResultadoGuardar& r, std::ostream& errores)
{
    if (r.guardado)
        return SalidaBien;
    errores << programa << TextoVisible(r.error) << '\n';  // el error ya nombra el archivo
    return SalidaSinEscribir;
}

}  // namespace

bool ExportesTramos::Prepara(const OpcionesExportes& opciones, std::ostream& errores)
{
    opciones_ = opciones;
    if (!opciones.dxf.empty()) {
        if (opciones.une)
            franjas_.push_back({1, {}});
        if (opciones.astm)
            franjas_.push_back({2, {}});
    }
    if (opciones.precios.empty())
        return true;
    LecturaPrecios lectura = LeeArchivoPrecios(opciones.precios);
    if (!lectura.leida)
        errores << programa << TextoVisible(opciones.precios) << ": " << TextoVisible(lectura.error)
                << '\n';
    precios_ = std::move(lectura.precios);
    return lectura.leida;
}

void ExportesTramos::Anade(const Tramo& tramo, const TramoCalculado& calculo)
{
    if (!opciones_.bc3.empty())
        mediciones_.Anade(tramo, calculo);
    for (FranjaPerfil& franja : franjas_)
        franja.tramos.push_back(PerfilDeTramo(tramo, &calculo, franja.modo));
}

int ExportesTramos::Escribe(const std::string& tabla, const std::string& base,
                            std::ostream& errores) const
{
    int codigo = SalidaBien;
    if (!opciones_.bc3.empty()) {
        OpcionesBc3 bc3{opciones_.une, opciones_.astm, precios_, SinCarpeta(tabla),
                        base.empty() ? std::string("(ninguno)") : SinCarpeta(base)};
        for (const std::string& aviso : mediciones_.Avisos(bc3))
            errores << "Aviso: " << TextoVisible(aviso) << '\n';
        codigo = Guardado(GuardaBc3(mediciones_, bc3, opciones_.bc3), errores);
    }
    if (!opciones_.dxf.empty()) {
        const std::string dxf = TextoDxf(DibujaPerfilDxf(franjas_, SinCarpeta(tabla)));
        codigo = std::max(codigo, Guardado(GuardaContenido(dxf, opciones_.dxf), errores));
    }
    return codigo;
}

int EscribeSeccion(const CalculoArchivo& calculo, const std::string& dxf, std::ostream& errores)
{
    if (!calculo.leido)
        return SalidaNoProyecto;
    const Proyecto& p = calculo.proyecto;
    if (const std::string no = SeccionNoDibujable(p); !no.empty()) {
        errores << programa << TextoVisible(dxf) << ": " << no << '\n';
        return SalidaErrores;
    }
    RotulosSeccion rotulos{SinCarpeta(calculo.archivo), "", ""};
    if (calculo.calculado && calculo.une.entrega.Entregada()) {
        rotulos.claseUne = calculo.une.clase;
        rotulos.claseAstm = calculo.astm.clase;
    }
    return Guardado(GuardaContenido(TextoDxf(DibujaSeccionDxf(p, rotulos)), dxf), errores);
}
