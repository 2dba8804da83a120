// Las 58 líneas clave del archivo de proyecto.

#include <gtest/gtest.h>

#include "ayudas_archivo.h"

TEST(Claves, CadaLineaSeReconoceYCabeEnWindows1252)
{
    // El texto de las claves lo fijan los ejemplos reescritos byte a byte.
    for (int k = 1; k <= NumeroClaves; ++k) {
        EXPECT_EQ(De1252(A1252(K(k))), K(k)) << k;  // cabe en Windows-1252
        EXPECT_EQ(BuscaClave(K(k)), k);
    }
    // La única que no sale en los ejemplos; los archivos antiguos la traen así.
    EXPECT_EQ(BuscaClave("qc       Carga de compactación, el toneladas/metro lineal"
                         "_____________________"),
              43);
}
