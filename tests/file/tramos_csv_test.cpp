#include <gtest/gtest.h>

#include <sstream>

#include "ayudas_archivo.h"
#include "tramos_csv.h"

namespace {

LecturaTramos Lee(const std::string& bytes)
{
    std::istringstream entrada(bytes);
    return LeeTablaTramos(entrada);
}

// Las celdas de la tabla, "|" entre celdas y "/" entre filas, con su línea.
std::string Celdas(const TablaTramos& t)
{
    std::string r;
    for (std::size_t f = 0; f < t.filas.size(); ++f) {
        r += std::to_string(t.lineas[f]) + ":";
        for (std::size_t c = 0; c < t.filas[f].size(); ++c)
            r += (c ? "|" : "") + t.filas[f][c];
        r += "/";
    }
    return r;
}

}  // namespace

// Lo que guardan las hojas de cálculo: marca UTF-8 o Windows-1252, ";" o
// tabulador, CR LF, comillas, líneas en blanco y filas cortas o largas.
TEST(TablaTramos, LeeLoQueEscribenLasHojasDeCalculo)
{
    const struct {
        const char* caso;
        std::string bytes;
        std::string celdas;
        std::string avisos;
    } casos[] = {
        {"punto y coma", "Tramo;hr\nA;1,5\nB;2.5\n", "2:A|1,5/3:B|2.5/", ""},
        {"marca y CR LF", "\xEF\xBB\xBFTramo;hr\r\nA;1\r\n", "2:A|1/", ""},
        {"tabulador tras una línea en blanco", "\nTramo\thr\nA\t1,5\n", "3:A|1,5/", ""},
        {"CR solo, de las hojas antiguas", "Tramo;hr\rA;1\r\rB;\"2\r\"\r", "2:A|1/4:B|2\r/", ""},
        {"líneas en blanco", "\nTramo;hr\n\nA;1\n ; \nB;2", "4:A|1/6:B|2/", ""},
        {"comillas", "Tramo;hr\n\"Cruce; \"\"N-340\"\"\nbajo vía\";\"1,5\"\nC;2\n",
         "2:Cruce; \"N-340\"\nbajo vía|1,5/4:C|2/", ""},
        {"Windows-1252", "Tramo;Instalaci\xF3n\nA;ZANJA\n", "2:A|ZANJA/", ""},
        {"fila corta y larga", "Tramo;hr;b\nA;1\nB;1;2;3\n", "2:A|1|/3:B|1|2/",
         "La línea 3 tiene más celdas que cabeceras: las de más no se usan."},
        {"columnas ajenas y repetidas", "Tramo;Notas;hr;HR;PK inicial;PK final\nA;x;1;2;0;1\n",
         "2:A|x|1|2|0|1/",
         "La columna «Notas» no es de la tabla de tramos: no se usa. La columna «HR» está "
         "repetida: solo se usa la primera."},
        {"sin PK", "Tramo\nA\n", "2:A/",
         "Sin las columnas «PK inicial» y «PK final» los tramos no tienen longitud."},
        {"camas por número", "Tramo;Cama\nA;1\nB; 3\nC;Granular\nD;8\nE\n",
         "2:A|1/3:B| 3/4:C|Granular/5:D|8/6:E|/",
         "Las líneas 3 y 5 tienen una cama por número: es su fila en la hoja de zanjas, no el "
         "botón del diálogo «Predefinidos» como hasta ahora. Compruebe la cama (la ventana de "
         "tramos la guarda por su nombre)."},
    };
    for (const auto& c : casos) {
        const LecturaTramos r = Lee(c.bytes);
        ASSERT_TRUE(r.leida) << c.caso << ": " << r.error;
        EXPECT_EQ(Celdas(r.tabla), c.celdas) << c.caso;
        std::string avisos;
        for (const std::string& aviso : r.avisos)
            if (c.caso == std::string("sin PK") || aviso.find("PK") == std::string::npos)
                avisos += (avisos.empty() ? "" : " ") + aviso;
        EXPECT_EQ(avisos, c.avisos) << c.caso;
    }
}

// Lo que no es una tabla de tramos no se lee, con su porqué.
TEST(TablaTramos, RehusaLoQueNoEsUnaTabla)
{
    CarpetaTemporal carpeta;
    const std::string grande =
        carpeta.Escribe("grande.csv", "Tramo;hr\n" + std::string(10 << 20, 'x'));
    std::string filas = "Tramo\n";
    for (int i = 0; i <= 50000; ++i)
        filas += "A\n";
    const std::pair<std::string, std::string> casos[] = {
        {"", "La tabla de tramos está vacía: falta la fila de cabeceras."},
        {"hr;b\n1;2\n", "La tabla de tramos no tiene la columna «Tramo»."},
        {"Tramo,hr\nA,1\n",
         "La tabla de tramos está separada por comas: el separador debe ser «;» (o el tabulador)."},
        {"Tramo;hr\n\"A;1\nB;2\n",
         "La tabla de tramos tiene unas comillas sin cerrar (desde la línea 2)."},
        {"Tramo" + std::string(200, ';') + "\nA\n",
         "La tabla de tramos tiene demasiadas columnas (más de 200)."},
        {filas, "La tabla de tramos tiene demasiadas filas (más de 50.000): divídala en varias "
                "tablas."},
        {"Tramo;Notas\n\nA;" + std::string(1001, 'x') + "\n",
         "Línea 3, columna «Notas»: la celda tiene más de 1000 caracteres."},
    };
    for (const auto& [bytes, error] : casos) {
        const LecturaTramos r = Lee(bytes);
        EXPECT_FALSE(r.leida) << bytes.substr(0, 40);
        EXPECT_EQ(r.error, error) << bytes.substr(0, 40);
    }
    const std::string demasiado =
        "El archivo es demasiado grande para ser una tabla de tramos (más de 8 MB).";
    EXPECT_EQ(LeeArchivoTramos(grande).error, demasiado);
    std::ifstream flujo(grande, std::ios::binary);
    EXPECT_EQ(LeeTablaTramos(flujo).error, demasiado);  // una tubería no dice su tamaño
    EXPECT_EQ(LeeArchivoTramos((carpeta.ruta / "no-existe.csv").string()).error,
              "Error abriendo archivo");
    EXPECT_EQ(LeeArchivoTramos(carpeta.ruta.string()).error, "Error abriendo archivo");
}

// El error de una celda dice su línea y su columna; las otras filas se leen.
// De una columna repetida vale la primera.
TEST(TablaTramos, ErrorConLineaYColumna)
{
    Proyecto base;
    InicializaDatos(base);
    const LecturaTramos r =
        Lee("Tramo;PK inicial;PK final;hr;HR\n\nA;0;100;2;7\nB;100;150;2,x;7\n");
    ASSERT_TRUE(r.leida);
    const Tramo a = TramoDeFila(r.tabla, 0, base), b = TramoDeFila(r.tabla, 1, base);
    EXPECT_TRUE(a.errores.empty());
    EXPECT_EQ(a.proyecto.hr, 2);
    EXPECT_EQ(a.Longitud(), 100);
    ASSERT_EQ(b.errores.size(), 1u);
    EXPECT_EQ(b.errores[0], "Línea 4, columna «hr»: «2,x» no es un número");
}

// Un texto que una hoja de cálculo tomaría por fórmula se guarda con un
// apóstrofo delante y se relee como estaba; los números siguen siendo números.
TEST(TablaTramos, LasFormulasSeGuardanComoTextoYSeReleenIguales)
{
    struct Caso {
        std::string tramo, hr;  // lo escrito en la ventana
        std::string guardado;   // la fila en el archivo
    };
    const Caso casos[] = {
        {"=cmd|' /C calc'!A0", "1", "'=cmd|' /C calc'!A0;1"},
        {"+34 600", "-2.5", "'+34 600;-2,5"},
        {"-P1", "+1", "'-P1;+1"},
        {"@SUMA(A1)", "=1+1", "'@SUMA(A1);'=1+1"},
        {"\t=1", "1", "\"'\t=1\";1"},
        {"\r-1", "1", "\"'\r-1\";1"},
        {"'=A1", "1", "''=A1;1"},
        {"'nota", "1", "'nota;1"},
        {"P=1", "1", "P=1;1"},
    };
    for (const Caso& c : casos) {
        LecturaTramos leida = Lee("Tramo;hr\n");
        ASSERT_TRUE(leida.leida);
        leida.tabla.filas = {{c.tramo, c.hr}};
        leida.tabla.lineas = {2};
        const std::string texto = TextoTablaTramos(leida.tabla);
        EXPECT_EQ(texto, "\xEF\xBB\xBFTramo;hr\r\n" + c.guardado + "\r\n") << c.tramo;
        const LecturaTramos releida = Lee(texto);
        ASSERT_TRUE(releida.leida) << c.tramo;
        ASSERT_EQ(releida.tabla.filas.size(), 1u) << c.tramo;
        EXPECT_EQ(releida.tabla.filas[0][0], c.tramo);
        EXPECT_EQ(releida.tabla.filas[0][1], c.hr == "-2.5" ? "-2,5" : c.hr);
    }
}

// Se guarda para una hoja de cálculo en castellano, con las camas por su
// nombre, y se vuelve a leer igual.
TEST(TablaTramos, GuardaConComaDecimalYSeReleeIgual)
{
    const LecturaTramos leida =
        Lee("Tramo;Notas;PK inicial;hr;Relleno;Cama\n\"N-340; cruce\";a.b;0.5;1.25;Arena "
            "Arcillosa;3\nB;\"dice \"\"hola\"\"\";1e3;2,x; x ;granular\n");
    ASSERT_TRUE(leida.leida);
    const std::string texto = TextoTablaTramos(leida.tabla);
    EXPECT_EQ(texto, "\xEF\xBB\xBFTramo;Notas;PK inicial;hr;Relleno;Cama\r\n"
                     "\"N-340; cruce\";a.b;0,5;1,25;Arena Arcillosa;Hormigón / Compactado / 90º\r\n"
                     "B;\"dice \"\"hola\"\"\";1e3;2,x;\" x \";Granular\r\n");
    const LecturaTramos releida = Lee(texto);
    ASSERT_TRUE(releida.leida);
    EXPECT_EQ(TextoTablaTramos(releida.tabla), texto);

    CarpetaTemporal carpeta;
    const std::string nombre = (carpeta.ruta / "linea.csv").string();
    ASSERT_TRUE(GuardaTablaTramos(leida.tabla, nombre).guardado);
    EXPECT_EQ(LeeBytes(nombre), texto);
    const ResultadoGuardar enCarpeta = GuardaTablaTramos(leida.tabla, carpeta.ruta.string());
    EXPECT_FALSE(enCarpeta.guardado);
    EXPECT_FALSE(enCarpeta.error.empty());
}
