#include "clases.h"

#include <algorithm>
#include <charconv>

#include "apoyo.h"
#include "cargas.h"
#include "factor_apoyo.h"
#include "proyecto.h"

const double FaZanja[12] = {
    0,    // sin fila 0
    4.0,  // hormigón, compactado, 180º
    2.8,  // hormigón, compactado, 120º
    2.3,  // hormigón, compactado, 90º
    3.0,  // hormigón, seleccionado sin compactar, 180º
    2.2,  // hormigón, seleccionado sin compactar, 120º
    2.0,  // hormigón, seleccionado sin compactar, 90º
    2.1,  // granular
    1.9,  // granular, compactado, 180º
    1.7,  // granular, compactado, 90º
    1.5,  // granular, seleccionado sin compactar, 90º
    1.1,  // apoyo directo
};

const char* const TitulosColumnas[ColumnasHoja] = {
    "Arcilla plástica", "Arcilla ordinaria", "Arena arcillosa",
    "Arenas y gravas",  "Zahorras",          "Def. por usuario",
};

const TituloCama TitulosCamasZanja[11] = {
    {"Hormigón", "Compactado", "180º"},
    {"Hormigón", "Compactado", "120º"},
    {"Hormigón", "Compactado", "90º"},
    {"Hormigón", "Selec. Sin Compactar", "180º"},
    {"Hormigón", "Selec. Sin Compactar", "120º"},
    {"Hormigón", "Selec. Sin Compactar", "90º"},
    {" Granular", "", ""},
    {" Granular", "Compactado", "180º"},
    {" Granular", "Compactado", "90º"},
    {" Granular", "Selec. Sin Compactar", "90º"},
    {" Apoyo directo", "", ""},
};

const char* const TitulosClasesTerraplen[3] = {"A", "B", "C"};

const CamaZanja& CamaDeFila(int fila)
{
    static const int tipos[11] = {3, 5, 7, 4, 6, 8, 9, 10, 11, 12, 13};
    return *CamaDeCodigo(tipos[std::clamp(fila, 1, 11) - 1]);
}

std::string NombreCama(int fila)
{
    const TituloCama& t = TitulosCamasZanja[std::clamp(fila, 1, 11) - 1];
    std::string nombre = t.apoyo[0] == ' ' ? t.apoyo + 1 : t.apoyo;
    if (*t.relleno)
        nombre = nombre + " / " + t.relleno + " / " + t.angulo;
    return nombre;
}

std::string ClaseUNE(double x, double Di)
{
    if (x > 180)
        return "NO";
    if (x > 135)
        return Di >= 1.8L ? "NO" : "180";
    if (x > 90)
        return Di >= 2.5L ? "NO" : "135";
    if (x > 60)
        return "90";
    // Los tubos de 800 mm o menos no se fabrican en la clase 60.
    return Di <= 0.8001L ? "90" : "60";
}

ClasificacionASTM ClaseASTM(double y)
{
    ClasificacionASTM r;
    if (y > 140)
        r.clase = "NO";
    else if (y > 100)
        r.clase = "V";
    else if (y > 65)
        r.clase = "IV";
    else if (y > 50)
        r.clase = "III";
    else if (y > 40)
        r.clase = "II";
    else
        r.clase = "I";
    if (y <= 100) {
        r.valor = 1.5 * y;
        r.factor = "1.5 · Qtotal";
    } else {
        r.valor = 1.25 * y;
        r.factor = "1.25 · Qtotal";
    }
    return r;
}

std::string ClaseSegunModo(std::uint8_t modo, double x, double Di)
{
    if (modo == 1)
        return ClaseUNE(x, Di);
    if (modo == 2)
        return ClaseASTM(x / 1.5).clase;
    return {};
}

std::vector<double> LimitesDeClase(std::uint8_t modo)
{
    if (modo == 1)
        return {60, 90, 135, 180};
    if (modo == 2)
        return {1.5 * 40, 1.5 * 50, 1.5 * 65, 1.5 * 100, 1.5 * 140};
    return {};
}

int RangoClase(const std::string& clase)
{
    static const char* const une[] = {"60", "90", "135", "180"};
    static const char* const astm[] = {"I", "II", "III", "IV", "V"};
    if (clase == "NO")
        return 5;
    for (int i = 0; i < 4; ++i)
        if (clase == une[i])
            return i;
    for (int i = 0; i < 5; ++i)
        if (clase == astm[i])
            return i;
    return -1;
}

std::optional<ColorRGB> ColorClase(const std::string& clase)
{
    if (clase == "I")
        return ColorRGB{128, 128, 128};
    if (clase == "60" || clase == "II")
        return ColorRGB{0, 128, 128};
    if (clase == "90" || clase == "III")
        return ColorRGB{192, 192, 192};
    if (clase == "135" || clase == "IV")
        return ColorRGB{0, 255, 255};
    if (clase == "180" || clase == "V")
        return ColorRGB{255, 255, 255};
    if (clase == "NO")
        return ColorRGB{255, 0, 0};
    return std::nullopt;
}

bool FondoOscuro(const ColorRGB& fondo)
{
    return 0.299 * fondo.rojo + 0.587 * fondo.verde + 0.114 * fondo.azul < 140;
}

std::string TextoCelda(double x)
{
    char buffer[400];
    auto [fin, error] =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 2);
    std::string texto = error == std::errc() ? std::string(buffer, fin) : std::string();
    if (texto.size() < 8)
        texto.insert(0, 8 - texto.size(), ' ');
    return texto;
}

namespace {

CeldaResultado CalculaCelda(Proyecto& p, Interlocutor& interlocutor, int fila, std::uint8_t relleno,
                            std::uint8_t modo)
{
    CeldaResultado celda;
    double fa = 0;
    if (GrupoTerraplen(p)) {
        const auto faClase = CalculaFa(p, p.InstalacionIndex, static_cast<std::uint8_t>(fila));
        if (!faClase) {
            celda.texto = "error";
            return celda;
        }
        fa = *faClase;
    } else {
        fa = FaZanja[fila];
    }

    const EntregaCargas entrega = CalculaCargas(p, interlocutor, relleno, fa);
    if (!entrega.Entregada()) {
        celda.texto = "error";
        return celda;
    }
    double x = entrega.carga;
    if (modo == 1) {
        celda.clase = ClaseUNE(x, p.Di);
        celda.color = ColorClase(celda.clase);
        celda.texto = (celda.clase == "NO" ? "NO" : "C " + celda.clase) + "   " + TextoCelda(x);
    } else if (modo == 2) {
        const ClasificacionASTM astm = ClaseASTM(x / 1.5);
        celda.clase = astm.clase;
        x = astm.valor;
        celda.color = ColorClase(celda.clase);
        celda.texto = (celda.clase == "NO" ? "NO" : "Clase " + celda.clase) + " " + TextoCelda(x);
    } else {
        return celda;
    }
    if (x == 0)
        celda.texto = "error";
    return celda;
}

}  // namespace

MatrizResultados RellenaResultados(Proyecto& p, Interlocutor& interlocutor, HojaResultados hoja,
                                   std::uint8_t modo)
{
    const int filas = FilasHoja(hoja);
    MatrizResultados matriz(static_cast<std::size_t>(filas));
    const double gammaUsuario = p.gamma;  // los rellenos tabulados lo sobrescriben
    for (int columna = 0; columna < ColumnasHoja; ++columna) {
        for (int fila = 1; fila <= filas; ++fila) {
            if (columna == RellenoUsuario)
                p.gamma = gammaUsuario;
            matriz[static_cast<std::size_t>(fila - 1)][static_cast<std::size_t>(columna)] =
                CalculaCelda(p, interlocutor, fila, static_cast<std::uint8_t>(columna), modo);
        }
    }
    return matriz;
}
