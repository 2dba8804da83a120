// Resumen legible del cálculo de un archivo.

#include <string>

#include "numero.h"
#include "procesa.h"
#include "texto1252.h"

namespace {

// Número de caracteres (no de bytes) de un texto UTF-8.
std::size_t Anchura(const std::string& texto)
{
    std::size_t caracteres = 0;
    for (const char ch : texto)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++caracteres;
    return caracteres;
}

std::string TituloFila(int fila, std::size_t filas)
{
    if (filas == 3)
        return std::string("Clase ") + TitulosClasesTerraplen[fila];
    const TituloCama& cama = TitulosCamasZanja[fila];
    std::string titulo = std::string(cama.apoyo).substr(cama.apoyo[0] == ' ' ? 1 : 0);
    if (*cama.relleno)
        titulo += std::string(" / ") + cama.relleno + " / " + cama.angulo;
    return titulo;
}

void EscribeMatriz(const char* titulo, const MatrizResultados& matriz, std::ostream& salida)
{
    constexpr std::size_t anchoFila = 42, anchoCelda = 19;
    salida << "  " << titulo << " (clase y carga de cálculo en kN/m²):\n    "
           << Ajusta("Apoyo", anchoFila);
    for (const char* columna : TitulosColumnas)
        salida << Ajusta(columna, anchoCelda);
    salida << '\n';
    for (std::size_t fila = 0; fila < matriz.size(); ++fila) {
        salida << "    " << Ajusta(TituloFila(static_cast<int>(fila), matriz.size()), anchoFila);
        for (const CeldaResultado& celda : matriz[fila])
            salida << Ajusta(celda.texto, anchoCelda);
        salida << '\n';
    }
}

void EscribeClase(const char* norma, const ResultadoInforme& r, std::ostream& salida)
{
    salida << "  Clase mínima " << norma << ": ";
    if (!r.entrega.Entregada()) {
        salida << "sin calcular (el cálculo de cargas falló)\n";
        return;
    }
    salida << r.clase;
    if (!r.factor.empty())
        salida << ", " << r.factor << " = " << Carga(r.valor) << " kN/m²";
    if (!r.validez.empty())
        salida << ' ' << r.validez;
    salida << '\n';
}

// Cargas, carga de cálculo y clases de la orden que se calculó.
void EscribeMemorias(const CalculoArchivo& c, std::ostream& salida)
{
    const Proyecto& p = c.proyecto;
    const EntregaCargas& e = c.une.entrega;
    salida << "  Cargas sobre el tubo (kN/m):\n";
    const struct {
        const char* nombre;
        double valor;
        PasoCarga paso;
    } cargas[] = {
        {"Relleno         qr     ", p.qr, PasoCarga::Relleno},
        {"Tráfico         qm     ", p.qm, PasoCarga::Trafico},
        {"Puntual         fp     ", p.fp, PasoCarga::Puntual},
        {"En superficie   fs     ", p.fs, PasoCarga::Superficie},
        {"Compactación    fc     ", p.fc, PasoCarga::Compactacion},
        {"Total           Qtotal ", p.qTotal, PasoCarga::Total},
    };
    for (const auto& carga : cargas)
        salida << "    " << carga.nombre << (e.Escrito(carga.paso) ? Carga(carga.valor) : "---")
               << '\n';
    salida << "  Carga de cálculo: "
           << (e.Entregada() ? Carga(p.CargaCalculo) + " kN/m²" : std::string("no calculada"))
           << '\n';
    if (!c.une.entrega.mensaje.empty())
        salida << "  Aviso: " << c.une.entrega.mensaje << '\n';
    EscribeClase("UNE 127.010", c.une, salida);
    EscribeClase("ASTM C76M", c.astm, salida);
}

}  // namespace

void EscribeResumen(const CalculoArchivo& c, std::ostream& salida)
{
    salida << "Archivo: " << TextoVisible(c.archivo) << '\n';
    for (const std::string& error : c.errores)
        salida << "  Error de lectura: " << TextoVisible(error) << '\n';
    if (!c.leido) {
        salida << '\n';
        return;
    }
    for (const std::string& aviso : c.avisos)
        salida << "  Aviso: " << aviso << '\n';
    if (!c.rechazo.empty())
        salida << "  No se calcula: " << c.rechazo << '\n';
    if (c.calculado)
        EscribeMemorias(c, salida);
    EscribeMatriz("Clases UNE 127.010", c.matrizUne, salida);
    EscribeMatriz("Clases ASTM C76M", c.matrizAstm, salida);
    salida << '\n';
}

std::string Ajusta(const std::string& texto, std::size_t ancho)
{
    const std::size_t actual = Anchura(texto);
    return actual >= ancho ? texto : texto + std::string(ancho - actual, ' ');
}

std::string Carga(double x)
{
    return TextoNumero(Trunca2(x));
}
