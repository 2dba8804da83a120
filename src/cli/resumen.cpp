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

// Una celda en columnas: la clase a la izquierda y la carga alineada a la derecha
// ("Clase II    61.12" y "Clase I     59.03" acaban en el mismo sitio).
std::string Celda(const CeldaResultado& celda)
{
    const std::string& texto = celda.texto;
    const std::size_t fin = texto.find_last_not_of(' ');
    const std::size_t corte = texto.find_last_of(' ', fin);
    if (corte == std::string::npos)
        return texto;  // "error"
    const std::string clase = texto.substr(0, texto.find_last_not_of(' ', corte) + 1);
    const std::string carga = texto.substr(corte + 1, fin - corte);
    return Ajusta(clase, 9) + std::string(carga.size() < 8 ? 8 - carga.size() : 0, ' ') + carga;
}

// La columna del relleno del usuario solo si el caso lo usa: si no, son celdas "error".
void EscribeMatriz(const char* titulo, const MatrizResultados& matriz, bool usuario,
                   std::ostream& salida)
{
    constexpr std::size_t anchoFila = 42, anchoCelda = 19;
    const std::size_t columnas = usuario ? ColumnasHoja : ColumnasHoja - 1;
    std::string cabecera = "    " + Ajusta("Apoyo", anchoFila);
    for (std::size_t columna = 0; columna < columnas; ++columna)
        cabecera += Ajusta(TitulosColumnas[columna], anchoCelda);
    salida << "  " << titulo << " (clase y carga de cálculo en kN/m²):\n"
           << cabecera.substr(0, cabecera.find_last_not_of(' ') + 1) << '\n';
    for (std::size_t fila = 0; fila < matriz.size(); ++fila) {
        std::string linea =
            "    " + Ajusta(TituloFila(static_cast<int>(fila), matriz.size()), anchoFila);
        for (std::size_t columna = 0; columna < columnas; ++columna)
            linea += Ajusta(Celda(matriz[fila][columna]), anchoCelda);
        salida << linea.substr(0, linea.find_last_not_of(' ') + 1) << '\n';
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
    const bool usuario = c.proyecto.RellenoIndex == RellenoUsuario;
    EscribeMatriz("Clases UNE 127.010", c.matrizUne, usuario, salida);
    EscribeMatriz("Clases ASTM C76M", c.matrizAstm, usuario, salida);
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
