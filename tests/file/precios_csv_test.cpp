#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "numero.h"
#include "precios_csv.h"

// La tabla de precios se lee con coma o punto decimal, en cualquier orden de
// columnas, con la unidad en la cabecera y en Windows-1252; una fila que no vale la deja sin leer y
// el mensaje dice su línea.
TEST(TablaDePrecios, SeLeeEnteraONoSeLee)
{
    const struct {
        const char* csv;
        const char* leido;  // "Di clase precio; …", o el error
    } casos[] = {
        {"Di;Clase;Precio\n600;90;85,5\n1000;iii;120.25\n", "600 90 85.5; 1000 III 120.25"},
        {"\xEF\xBB\xBFPrecio\tCLASE\tdi\r\n70\t135\t800\r\n\r\n", "800 135 70"},
        {"Di;Clase;Precio (\x80/m)\n600;V;1\n", "600 V 1"},
        {"Di;Clase\n600;90\n",
         "La tabla de precios debe tener las columnas «Di», «Clase» y «Precio»."},
        {"Di;Clase;Precio\n600;90;1\n800;NO;2\n",
         "Línea 3: «NO» no es una clase (60, 90, 135, 180 o I a V)."},
        {"Di;Clase;Precio\n-600;90;1\n", "Línea 2: «-600» no es un diámetro en mm."},
        {"Di;Clase;Precio\n600;90;1.250,00\n", "Línea 2: «1.250,00» no es un precio en €/m."},
        {"", "La tabla de precios está vacía."},
    };
    for (const auto& c : casos) {
        std::istringstream entrada(c.csv);
        const LecturaPrecios r = LeePrecios(entrada);
        std::string leido = r.error;
        for (const PrecioTubo& p : r.precios)
            leido += (leido.empty() ? "" : "; ") + TextoNumero(p.Di) + " " + p.clase + " " +
                     TextoNumero(p.precio);
        EXPECT_EQ(leido, c.leido) << c.csv;
        EXPECT_EQ(r.leida, r.error.empty()) << c.csv;
    }
}
