#include "mediciones_bc3.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>

#include "medidas_apoyo.h"
#include "numero.h"
#include "perfil.h"
#include "texto1252.h"

namespace {

const char* const Normas[2] = {"UNE 127.010", "ASTM C76M"};
const char* const Capitulos[2] = {"UNE#", "ASTM#"};
const char* const Prefijos[2] = {"UNE_", "ASTM_"};
const char* const Raiz = "TUBOS##";

// Un texto en un campo: sin los separadores del formato (~, | y \) ni saltos de línea.
std::string Campo(std::string texto)
{
    for (char& c : texto) {
        if (c == '~')
            c = '-';
        else if (c == '|' || c == '\\')
            c = '/';
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return texto;
}

// Un registro: ~tipo|campo|campo|…| y fin de línea.
void Registro(std::string& r, const char* tipo, std::initializer_list<std::string> campos)
{
    r += std::string("~") + tipo + "|";
    for (const std::string& campo : campos)
        r += campo + "|";
    r += "\r\n";
}

// Código de la partida de un diámetro y una clase: "UNE_1000_90", "ASTM_1000_III".
std::string Codigo(int norma, const MetrosClase& m)
{
    return Prefijos[norma] + TextoNumero(m.Di) + "_" + m.clase;
}

std::string ResumenPartida(int norma, const MetrosClase& m)
{
    return "Tubo de hormigón armado DN " + TextoNumero(m.Di) + " clase " + m.clase + " (" +
           Normas[norma] + ")";
}

const PrecioTubo* Precio(const OpcionesBc3& opciones, const MetrosClase& m)
{
    for (const PrecioTubo& p : opciones.precios)
        if (std::fabs(p.Di - m.Di) < 1e-6 && p.clase == m.clase)
            return &p;
    return nullptr;
}

std::vector<int> Elegidas(const OpcionesBc3& opciones)
{
    std::vector<int> normas;
    if (opciones.une)
        normas.push_back(0);
    if (opciones.astm)
        normas.push_back(1);
    return normas;
}

}  // namespace

void MedicionesTramos::Anade(const Tramo& tramo, const TramoCalculado& calculo)
{
    SumaTramo(resumen_, tramo, calculo);
    Linea l;
    l.tramo = tramo.nombre;
    l.pkInicial = tramo.pkInicial;
    l.pkFinal = tramo.pkFinal;
    l.longitud = tramo.Longitud();
    l.Di = DiametroMm(tramo.proyecto);
    for (int norma = 0; norma < 2; ++norma) {
        const ResultadoInforme& r = norma == 0 ? calculo.une : calculo.astm;
        l.clase[norma] = calculo.Clase(norma + 1);
        if (!calculo.errores.empty())
            l.sinMedir[norma] = "con errores";
        else if (l.clase[norma].empty())
            l.sinMedir[norma] = calculo.calculado && r.clase == "NO"
                                    ? std::string("ninguna clase ") + Normas[norma] + " basta"
                                    : std::string("sin clase ") + Normas[norma];
    }
    const std::string apoyo =
        TextoInstalacionApoyo(calculo.calculado ? calculo.proyecto : tramo.proyecto);
    const auto visto = std::find(apoyos_.begin(), apoyos_.end(), apoyo);
    l.apoyo = static_cast<std::size_t>(visto - apoyos_.begin());
    if (visto == apoyos_.end())
        apoyos_.push_back(apoyo);
    lineas_.push_back(std::move(l));
}

std::vector<std::string> MedicionesTramos::TramosSinMedir(const OpcionesBc3& opciones) const
{
    std::vector<std::string> tramos;
    for (const Linea& l : lineas_) {
        std::string porque;
        for (const int norma : Elegidas(opciones))
            if (!l.sinMedir[norma].empty() && porque.find(l.sinMedir[norma]) == std::string::npos)
                porque += (porque.empty() ? "" : ", ") + l.sinMedir[norma];
        if (!porque.empty())
            tramos.push_back(l.tramo + " (" + porque + ")");
    }
    return tramos;
}

std::vector<std::string> MedicionesTramos::Avisos(const OpcionesBc3& opciones) const
{
    std::vector<std::string> avisos;
    for (const std::string& tramo : TramosSinMedir(opciones))
        avisos.push_back("Tramo sin medir: " + tramo);
    if (!opciones.precios.empty())
        for (const int norma : Elegidas(opciones))
            for (const MetrosClase& m : norma == 0 ? resumen_.une : resumen_.astm)
                if (!Precio(opciones, m))
                    avisos.push_back("Sin precio en la tabla, a 0 €/m: " +
                                     ResumenPartida(norma, m));
    return avisos;
}

std::string MedicionesTramos::TextoBc3(const OpcionesBc3& opciones) const
{
    const std::vector<int> normas = Elegidas(opciones);
    std::string comentario;
    for (const std::string& tramo : TramosSinMedir(opciones))
        comentario += (comentario.empty() ? "Tramos sin medir: " : "; ") + tramo;
    if (comentario.empty())
        comentario = "Todos los tramos medidos";

    std::string r;
    // Presupuesto (tipo 2) en la página de códigos de Windows, la que leen los
    // programas de presupuestos en castellano.
    Registro(r, "V", {"", "FIEBDC-3/2016", "calculo-tubos", "", "ANSI", Campo(comentario), "2"});
    // Decimales: mediciones y longitudes a mm (3), importes a céntimos (2); en euros.
    Registro(r, "K", {"2\\3\\3\\3\\2\\2\\2\\2\\EUR\\", "0\\0\\0\\0\\0\\"});

    std::string capitulos;
    for (const int norma : normas)
        capitulos += std::string(Capitulos[norma]) + "\\1\\1\\";
    Registro(r, "C", {Raiz, "", Campo("Tubos de hormigón armado: " + opciones.tabla), "", "", "0"});
    Registro(r, "T",
             {Raiz, Campo("Metros de tubo de la tabla de tramos " + opciones.tabla +
                          " sobre el caso base " + opciones.base +
                          ", con la clase resistente mínima de cada tramo. Cada partida es un "
                          "diámetro y una clase; cada línea de medición, un tramo con sus PK y "
                          "su longitud.")});
    Registro(r, "D", {Raiz, capitulos});

    for (std::size_t c = 0; c < normas.size(); ++c) {
        const int norma = normas[c];
        const std::vector<MetrosClase>& partidas = norma == 0 ? resumen_.une : resumen_.astm;
        std::string hijos;
        for (const MetrosClase& m : partidas)
            hijos += Codigo(norma, m) + "\\1\\" + TextoNumero(m.metros) + "\\";
        Registro(r, "C",
                 {Capitulos[norma], "",
                  std::string("Tubos de hormigón armado, clases ") + Normas[norma], "", "", "0"});
        Registro(r, "D", {Capitulos[norma], hijos});

        for (std::size_t p = 0; p < partidas.size(); ++p)
            EscribePartida(r, norma, std::to_string(c + 1) + "\\" + std::to_string(p + 1) + "\\",
                           partidas[p], opciones);
    }
    return A1252(r);
}

// Una partida: su concepto, su texto con la instalación y el apoyo de sus
// tramos, y sus líneas de medición.
void MedicionesTramos::EscribePartida(std::string& r, int norma, const std::string& posicion,
                                      const MetrosClase& m, const OpcionesBc3& opciones) const
{
    const std::string codigo = Codigo(norma, m);
    std::string lineas;
    std::vector<std::size_t> vistos;
    for (const Linea& l : lineas_) {
        if (l.clase[norma] != m.clase || l.Di != m.Di)
            continue;
        lineas += "\\" +
                  Campo(l.tramo + ": PK " + TextoPk(l.pkInicial) + " a " + TextoPk(l.pkFinal)) +
                  "\\1\\" + TextoNumero(l.longitud) + "\\\\\\";
        if (std::find(vistos.begin(), vistos.end(), l.apoyo) == vistos.end())
            vistos.push_back(l.apoyo);
    }
    // Si sus tramos no van todos igual, cada instalación y apoyo.
    std::string apoyos = vistos.size() > 1 ? " Según el tramo: " : " ";
    for (std::size_t i = 0; i < vistos.size(); ++i) {
        std::string apoyo = apoyos_[vistos[i]];
        if (vistos.size() > 1)
            apoyo[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(apoyo[0])));
        apoyos += (i ? "; " : "") + apoyo;
    }
    const PrecioTubo* precio = Precio(opciones, m);
    Registro(r, "C",
             {codigo, "m", Campo(ResumenPartida(norma, m)),
              TextoNumero(precio ? precio->precio : 0), "", "0"});
    Registro(r, "T",
             {codigo, Campo("Tubo de hormigón armado de " + TextoNumero(m.Di) +
                            " mm de diámetro interior, clase resistente " + m.clase + " según " +
                            Normas[norma] + "." + apoyos + ".")});
    Registro(
        r, "M",
        {std::string(Capitulos[norma]) + "\\" + codigo, posicion, TextoNumero(m.metros), lineas});
}

ResultadoGuardar GuardaBc3(const MedicionesTramos& mediciones, const OpcionesBc3& opciones,
                           const std::string& nombre)
{
    return GuardaContenido(mediciones.TextoBc3(opciones), nombre);
}
