#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoyo.h"
#include "ayudas_pruebas.h"
#include "clases.h"
#include "informe.h"
#include "numero.h"

namespace {

// Tubo de 1 m en terraplén de clase A: la carga crece con la altura de relleno.
Proyecto CasoTerraplenA(double hr, std::uint8_t modo)
{
    Proyecto p;
    InicializaDatos(p);
    p.InstalacionIndex = InstalacionTerraplen;
    p.CarreteraIndex = 0;
    p.Di = 1.0;
    p.Es = 0.1;
    p.De = 1.2;
    p.hr1 = 0.6;
    p.hr = hr;
    p.Tipo = 0;
    p.ModoCalculo = modo;
    p.Fa = *CalculaFa(p, InstalacionTerraplen, 1);
    return p;
}

// Carga de cálculo del caso a la altura hr con el factor de apoyo que le
// toca: el de su clase de terraplén si la tiene, si no el tecleado.
double CargaA(Proyecto p, double hr)
{
    p.hr = hr;
    if (p.InstalacionIndex == InstalacionTerraplen && p.Tipo >= 0 && p.Tipo <= 3)
        p.Fa = *CalculaFa(p, p.InstalacionIndex, static_cast<std::uint8_t>(p.Tipo + 1));
    const Calculo c = Calcula(p, p.RellenoIndex, p.Fa);
    EXPECT_TRUE(c.entrega.Entregada());
    return c.carga;
}

// Altura del texto "(Válido para hr <=… m.)".
double AlturaValida(const std::string& validez)
{
    const std::string inicio = "(Válido para hr <=", fin = " m.)";
    if (validez.rfind(inicio, 0) != 0 || validez.size() < inicio.size() + fin.size() ||
        validez.substr(validez.size() - fin.size()) != fin) {
        ADD_FAILURE() << "texto de validez inesperado: " << validez;
        return 0;
    }
    const NumeroLeido altura =
        LeeNumero(validez.substr(inicio.size(), validez.size() - inicio.size() - fin.size()));
    EXPECT_TRUE(altura.valido) << validez;
    return altura.valor;
}

void CompruebaMismoRegistro(const Proyecto& a, const Proyecto& b)
{
#define IGUAL(campo) EXPECT_EQ(a.campo, b.campo) << #campo
    IGUAL(hr); IGUAL(Fa); IGUAL(qr); IGUAL(qm); IGUAL(fp); IGUAL(fs); IGUAL(fc); IGUAL(qTotal);
    IGUAL(CargaCalculo); IGUAL(Cz); IGUAL(Ct); IGUAL(Czt); IGUAL(Ci); IGUAL(ho); IGUAL(c1);
    IGUAL(gamma); IGUAL(lambda); IGUAL(lambdami); IGUAL(lambdami1); IGUAL(lambdaFa); IGUAL(n);
    IGUAL(ZanjaComoTerraplen); IGUAL(NViasActuantes); IGUAL(ClaseTexto);
#undef IGUAL
}

TEST(CalculaInforme, SoloCargaNoBuscaClaseNiValidez)
{
    Proyecto p = CasoZanja();
    p.ModoCalculo = 0;
    p.ClaseTexto = "135";
    RespondeNo respuesta;
    const ResultadoInforme r = CalculaInforme(p, respuesta);
    ASSERT_TRUE(r.entrega.Entregada());
    EXPECT_EQ(r.carga, p.CargaCalculo);
    EXPECT_EQ(r.clase, "");
    EXPECT_EQ(r.validez, "");
    EXPECT_EQ(p.ClaseTexto, "135");
}

TEST(CalculaInforme, ValidaHastaLaAlturaQueSuperaLaClase)
{
    // Di = 0.8 con C0 ≈ 50 lleva clase 90 y vale hasta pasar de 90, no de 60.
    Proyecto pequeno = CasoTerraplenA(2.0, 1);
    pequeno.Di = 0.8;
    pequeno.De = 1.0;
    pequeno.hr1 = 0.5;
    pequeno.Tipo = 14;  // Fa tecleado: no cambia con la altura
    pequeno.Fa = 1.87;
    const struct {
        const char* nombre;
        Proyecto p;
        const char* clase;
        double limite;  // carga de cálculo máxima de la clase
    } casos[] = {{"UNE 60", CasoTerraplenA(2.0, 1), "60", 60},
                 {"UNE 90", CasoTerraplenA(6.0, 1), "90", 90},
                 {"UNE 90 con Di 0.8", pequeno, "90", 90},
                 {"ASTM I", CasoTerraplenA(2.0, 2), "I", 60},
                 {"ASTM III", CasoTerraplenA(6.0, 2), "III", 97.5}};
    for (auto caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const Proyecto inicial = caso.p;
        RespondeNo respuesta;
        const ResultadoInforme r = CalculaInforme(caso.p, respuesta);
        ASSERT_EQ(r.clase, caso.clase);
        EXPECT_EQ(caso.p.ClaseTexto, caso.clase);
        const double h = AlturaValida(r.validez);
        EXPECT_GE(h, inicial.hr);
        EXPECT_LE(CargaA(inicial, h), caso.limite);
        EXPECT_GT(CargaA(inicial, h + 0.01), caso.limite);
        if (inicial.Di == 0.8) {
            EXPECT_LT(r.carga, 60);
            EXPECT_GT(CargaA(inicial, h), 60);
        }
    }
}

TEST(CalculaInforme, CargaAcotadaValeParaCualquierAlturaYSinClaseNoHayValidez)
{
    // En zanja estrecha la carga del relleno no pasa de γ·b/(2·λμ′).
    Proyecto p = CasoZanja();
    p.Fa = 4.0;
    p.ModoCalculo = 1;
    RespondeNo respuesta;
    EXPECT_EQ(CalculaInforme(p, respuesta).validez, "(Válido para cualquier altura de relleno hr)");

    p.Fa = 0.2;
    const ResultadoInforme r = CalculaInforme(p, respuesta);
    EXPECT_EQ(r.clase, "NO");
    EXPECT_EQ(p.ClaseTexto, "NO");
    EXPECT_EQ(r.validez, "");
}

TEST(CalculaInforme, ElRegistroQuedaComoTrasElCalculo)
{
    for (const std::uint8_t modo : {1, 2}) {
        SCOPED_TRACE(int(modo));
        Proyecto soloCargas = CasoTerraplenA(6.0, modo);
        Proyecto informe = soloCargas;
        ASSERT_TRUE(Calcula(soloCargas, 2, soloCargas.Fa).entrega.Entregada());
        RespondeNo respuesta;
        const ResultadoInforme r = CalculaInforme(informe, respuesta);
        ASSERT_FALSE(r.validez.empty());
        soloCargas.ClaseTexto = r.clase;
        CompruebaMismoRegistro(informe, soloCargas);
    }
}

TEST(BuscaValidez, UnCalculoFallidoDejaElTextoVacio)
{
    Proyecto sinDiametro = CasoTerraplenA(2.0, 1);
    sinDiametro.Di = 0;
    Proyecto sinFactor = CasoTerraplenA(2.0, 1);
    sinFactor.RellenoIndex = RellenoUsuario;  // fi = 0: CalculaFa no tiene valor
    for (Proyecto p : {sinDiametro, sinFactor}) {
        SCOPED_TRACE(p.Di == 0 ? "Di nulo" : "factor de apoyo fallido");
        RespondeNo respuesta;
        EXPECT_EQ(BuscaValidez(p, respuesta, "60"), "");
        CompruebaMismoRegistro(p, p.Di == 0 ? sinDiametro : sinFactor);
    }
}

}  // namespace
