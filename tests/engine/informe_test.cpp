#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "apoyo.h"
#include "ayudas_pruebas.h"
#include "informe.h"

// Tubo de 1 m en terraplén de clase A: la carga crece con la altura de relleno.
static Proyecto CasoTerraplenA(double hr, std::uint8_t modo)
{
    Proyecto p = CasoZanja();
    p.InstalacionIndex = InstalacionTerraplen;
    p.Di = 1.0, p.Es = 0.1, p.De = 1.2, p.hr1 = 0.6, p.hr = hr, p.Tipo = 0, p.ModoCalculo = modo;
    p.Fa = *CalculaFa(p, InstalacionTerraplen, 1);
    return p;
}

// Lo que el cálculo deja en el registro.
static auto Huella(const Proyecto& p)
{
    return std::make_tuple(p.hr, p.Fa, p.qr, p.qTotal, p.CargaCalculo, p.Ct, p.ho, p.gamma,
                           p.lambdami, p.lambdaFa, p.ZanjaComoTerraplen, p.ClaseTexto);
}

TEST(CalculaInforme, ClaseYAlturaHastaLaQueVale)
{
    // Di = 0.8 con C0 < 60 lleva clase 90 y vale hasta pasar de 90, no de 60.
    Proyecto pequeno = CasoTerraplenA(2.0, 1);
    pequeno.Di = 0.8, pequeno.De = 1.0, pequeno.hr1 = 0.5;
    pequeno.Tipo = 14, pequeno.Fa = 1.87;  // Fa tecleado: no cambia con la altura
    Proyecto sinClase = CasoZanja();
    sinClase.ModoCalculo = 1, sinClase.Fa = 0.2;
    // Clase D: su Fa se rehace en cada altura probada.
    Proyecto claseD = CasoTerraplenA(2.0, 1);
    claseD.Tipo = 3, claseD.Fa = *CalculaFa(claseD, InstalacionTerraplen, 4);
    // Zanja inducida honda de clase A: la carga crece despacio, vale pasados 100 m.
    Proyecto inducida = CasoTerraplenA(3.0, 1);
    inducida.InstalacionIndex = InstalacionZanjaInducida;
    inducida.b2 = 1.2, inducida.hr2 = 2.4, inducida.hr1 = 0.3;
    inducida.Fa = *CalculaFa(inducida, InstalacionZanjaInducida, 1);
    // La validez es la última altura, en la rejilla de 0.01 m, con la carga dentro de la clase.
    const struct {
        Proyecto p;
        const char *clase, *validez;
    } casos[] = {{sinClase, "NO", ""},  // sin clase no se busca validez
                 {CasoTerraplenA(2.0, 1), "60", "(Válido para hr <=4.6 m.)"},
                 {CasoTerraplenA(6.0, 1), "90", "(Válido para hr <=6.73 m.)"},
                 {pequeno, "90", "(Válido para hr <=3.44 m.)"},
                 {CasoTerraplenA(6.0, 2), "III", "(Válido para hr <=7.26 m.)"},
                 {claseD, "90", "(Válido para hr <=2.3 m.)"},
                 {inducida, "60", "(Válido para hr <=91 m.)"}};
    for (auto caso : casos) {
        SCOPED_TRACE(caso.validez);
        caso.p.ClaseTexto = "135";
        RespondeNo no;
        const ResultadoInforme r = CalculaInforme(caso.p, no, caso.p.ModoCalculo);
        ASSERT_TRUE(r.entrega.Entregada());
        EXPECT_EQ(r.entrega.carga, caso.p.CargaCalculo);
        EXPECT_EQ(r.clase, caso.clase);
        EXPECT_EQ(caso.p.ClaseTexto, caso.clase);
        EXPECT_EQ(r.validez, caso.validez);
    }
}

TEST(BuscaValidez, DejaElRegistroComoEstabaYSiFallaElTextoVacio)
{
    for (const std::uint8_t modo : {1, 2}) {
        Proyecto soloCargas = CasoTerraplenA(6.0, modo);
        Proyecto informe = soloCargas;
        ASSERT_TRUE(Calcula(soloCargas, 2, soloCargas.Fa).Entregada());
        RespondeNo no;
        const ResultadoInforme r = CalculaInforme(informe, no, informe.ModoCalculo);
        ASSERT_FALSE(r.validez.empty());
        soloCargas.ClaseTexto = r.clase;
        EXPECT_EQ(Huella(informe), Huella(soloCargas)) << int(modo);
    }
    Proyecto sinDiametro = CasoTerraplenA(2.0, 1), sinFactor = sinDiametro;
    sinDiametro.Di = 0;
    sinFactor.RellenoIndex = RellenoUsuario;  // fi = 0: CalculaFa no tiene valor
    for (const Proyecto& inicial : {sinDiametro, sinFactor}) {
        Proyecto p = inicial;
        EXPECT_EQ(BuscaValidez(p, "60", 1), "") << p.Di;
        EXPECT_EQ(Huella(p), Huella(inicial));
    }
}

TEST(CalculaInforme, SinCargaDelRellenoNoHayClaseYLaBusquedaNoPregunta)
{
    Proyecto sinAltura = CasoZanja();
    sinAltura.hr = 0;
    sinAltura.CompactadorIndex = 1, sinAltura.pq = 2;  // con otras cargas, aún sin clase
    // Avión con hr muy negativo: cada altura probada quedaría por debajo de 1 m.
    Proyecto avion = CasoZanja();
    avion.TraficoIndex = 2, avion.AeropuertoIndex = 1, avion.hr = -2000;
    const std::string error = "Error calculando la carga del relleno";
    const struct {
        Proyecto p;
        std::uint8_t modo;
        bool entregada;
        std::string aviso;
    } casos[] = {{sinAltura, 1, false, error}, {avion, 1, true, ""}};
    for (auto caso : casos) {
        caso.p.ModoCalculo = caso.modo, caso.p.Fa = 2, caso.p.ClaseTexto = "135";
        Responde no(false);
        const ResultadoInforme r = CalculaInforme(caso.p, no, caso.p.ModoCalculo);
        EXPECT_EQ(r.entrega.Entregada(), caso.entregada);
        EXPECT_EQ(r.entrega.mensaje, caso.aviso);
        EXPECT_TRUE(no.preguntas.empty());
        if (!caso.entregada) {
            EXPECT_EQ(r.entrega.fallo, PasoCarga::Relleno);
            EXPECT_EQ(r.clase, "");
            EXPECT_EQ(r.validez, "");
            EXPECT_EQ(caso.p.ClaseTexto, "135");
        }
    }
}
