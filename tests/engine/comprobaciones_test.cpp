#include <gtest/gtest.h>

#include <string>

#include "ayudas_pruebas.h"
#include "comprobaciones.h"

namespace {

const std::string Corrige = "por lo que se corrige automáticante el valor.";

TEST(LeeCampo, LoQueHaceCadaCasillaConLoTecleado)
{
    const struct {
        int clave;
        const char* texto;
        bool saliendo;
        double guardado;
        Tecleo estado;
        bool guarda;
        double valor;
        bool rehace;
        double rehecho;
        const char* mensaje;
    } casos[] = {
        {CasillaHr, "-3", false, 7, Tecleo::Valido, true, 3, false, 0, ""},
        {CasillaHr, "2,5", false, 7, Tecleo::Valido, true, 2.5, false, 0, ""},
        {CasillaFi, "-2,5", false, 7, Tecleo::Valido, true, -2.5, false, 0, ""},
        {CasillaV, "-250", false, 7, Tecleo::Valido, true, 250, false, 0, ""},
        {CasillaHr, "1.5x", false, 7, Tecleo::Imposible, true, 1.5, true, 1.5, ""},
        {CasillaGamma, "x", false, 7, Tecleo::Imposible, true, 0, true, 0, ""},
        {CasillaHr, "-", false, 7, Tecleo::AMedias, false, 0, false, 0, ""},
        {CasillaHr, "-", true, 7, Tecleo::Imposible, true, 0, true, 0, ""},
        {CasillaQs, "3e-", true, 7, Tecleo::Imposible, true, 3, true, 3, ""},
        {CasillaDh, "-2x", false, 7, Tecleo::Imposible, true, 2, true, 2, ""},
        {CasillaDi, "abc", false, 600, Tecleo::Imposible, false, 0, false, 0, "Valor no válido"},
        {CasillaDi, "-", true, 600, Tecleo::Imposible, false, 0, false, 0, "Valor no válido"},
        {CasillaDi, "-1200", false, 600, Tecleo::Valido, true, 1200, false, 0, ""},
        {CasillaEs, "x", false, 50, Tecleo::Imposible, false, 0, true, 50, "Valor no válido"},
        {CasillaB, "abc", false, 1.2, Tecleo::Imposible, false, 0, true, 1.2, ""},
        {CasillaFa, "", true, 7, Tecleo::Imposible, false, 0, true, 7, ""},
        {CasillaFa, "-1,9", false, 7, Tecleo::Valido, true, 1.9, false, 0, ""},
    };
    for (const auto& c : casos) {
        const LecturaCampo r = LeeCampo(c.clave, c.texto, c.saliendo, c.guardado);
        const std::string caso = std::to_string(c.clave) + " '" + c.texto + "'";
        EXPECT_EQ(r.estado, c.estado) << caso;
        EXPECT_EQ(r.guarda, c.guarda) << caso;
        EXPECT_EQ(r.valor, c.valor) << caso;
        EXPECT_EQ(r.rehace, c.rehace) << caso;
        EXPECT_EQ(r.rehecho, c.rehecho) << caso;
        EXPECT_EQ(r.mensaje, c.mensaje) << caso;
    }
}

TEST(CampoSinSigno, SoloLasMedidasYCargasNoLosAngulosNiElPeso)
{
    for (int clave : {CasillaB, CasillaDi, CasillaHr, CasillaHr2, CasillaV})
        EXPECT_TRUE(CampoSinSigno(clave)) << clave;
    // 57: el λ del factor de apoyo.
    for (int clave : {int(CasillaFi), int(CasillaFi1), int(CasillaGamma), 57})
        EXPECT_FALSE(CampoSinSigno(clave)) << clave;
}

TEST(SinParamentosDeZanja, RellenoDelUsuarioSinParamentos)
{
    const struct {
        std::uint8_t instalacion, relleno;
        bool sin;
    } casos[] = {{InstalacionTerraplen, RellenoUsuario, true},
                 {InstalacionZanjaInducida, RellenoUsuario, true},
                 {InstalacionZanja, RellenoUsuario, false},
                 {InstalacionZanjaTerraplenada, RellenoUsuario, false},
                 {InstalacionTerraplen, 2, false},
                 {InstalacionZanjaInducida, 4, false}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = c.instalacion, p.RellenoIndex = c.relleno;
        EXPECT_EQ(SinParamentosDeZanja(p), c.sin) << int(c.instalacion) << " " << int(c.relleno);
    }
}

TEST(MedidasTubo, DiametroNormalizadoTraeSuEspesor)
{
    const struct {
        double Di, Es, esperadoEs, De;
    } diametros[] = {{300, 0.06, 0.05, 0.4},
                     {350, 0.06, 0.06, 0.47},
                     {1000, 0.05, 0.109, 1.218},
                     {0, 0.05, 0.05, 0.1}};
    for (const auto& c : diametros) {
        const MedidasTubo t = TuboConDiametro(c.Di, c.Es);
        EXPECT_DOUBLE_EQ(t.Di, c.Di / 1000) << c.Di;
        EXPECT_DOUBLE_EQ(t.Es, c.esperadoEs) << c.Di;
        EXPECT_DOUBLE_EQ(t.De, c.De) << c.Di;
    }
    const MedidasTubo t = TuboConEspesor(0.6, 60);
    EXPECT_DOUBLE_EQ(t.Es, 0.06);
    EXPECT_DOUBLE_EQ(t.De, 0.72);
}

TEST(CompruebaAlturaRelleno, MinimoPorInstalacion)
{
    const std::string minimo = "mayor o igual a 0.5 m, ", sobreH2r = " mayor que h\"r, ",
                      sobreHr2 = " mayor de hr2, ", sobreDe = " mayor o igual que De, ";
    const struct {
        std::uint8_t instalacion;
        double hr, h2r, hr2, De, queda;
        std::string motivo;
    } casos[] = {
        {InstalacionZanja, 0, 0, 0, 0.4, 0, ""},  // sin relleno aún
        {InstalacionZanja, 0.3, 0, 0, 0.4, 0.5, minimo},
        {InstalacionZanja, 0.49999, 0, 0, 0.4, 0.5, minimo},
        {InstalacionZanja, 0.5, 0, 0, 0.4, 0.5, ""},
        {InstalacionTerraplen, 0.4, 0, 0, 0.4, 0.5, minimo},
        {InstalacionTerraplen, 0.5, 0, 0, 0.4, 0.5, ""},
        {InstalacionZanjaTerraplenada, 1, 1.5, 0, 1.218, 1.6, sobreH2r},
        {InstalacionZanjaTerraplenada, 1.5, 1.5, 0, 1.218, 1.6, sobreH2r},
        {InstalacionZanjaTerraplenada, 1.51, 1.5, 0, 1.218, 1.51, ""},
        {InstalacionZanjaTerraplenada, 1, 1.5, 0, 0.01, 1, ""},  // sin tubo
        {InstalacionZanjaTerraplenada, 0.3, 0.3, 0, 0.4, 0.5, minimo},
        {InstalacionZanjaTerraplenada, 0.3, 0.5, 0, 0.4, 0.6, sobreH2r},
        {InstalacionZanjaInducida, 2, 0, 3, 1.218, 3.1, sobreHr2},
        {InstalacionZanjaInducida, 3, 0, 3, 1.218, 3.1, sobreHr2},
        {InstalacionZanjaInducida, 0.7, 0, 0, 1.218, 1.218, sobreDe},
        {InstalacionZanjaInducida, 1.218, 0, 0, 1.218, 1.218, ""},
        {InstalacionZanjaInducida, 0.3, 0, 0, 0.4, 0.5, minimo},
    };
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = c.instalacion;
        p.hr = c.hr, p.h2r = c.h2r, p.hr2 = c.hr2, p.De = c.De;
        const CorreccionCasilla r = CompruebaAlturaRelleno(p);
        const std::string caso = std::to_string(c.instalacion) + " hr " + std::to_string(c.hr);
        EXPECT_DOUBLE_EQ(r.valor, c.queda) << caso;
        EXPECT_EQ(r.mensaje, c.motivo.empty()
                                 ? ""
                                 : "Para garantizar un correcto reparto de las cargas, hr "
                                   "debe ser " +
                                       c.motivo + " " + Corrige)
            << caso;
    }
}

TEST(ConsejoTrafico, AlturaMinimaPorTrafico)
{
    const std::string carretera = "Para la determinación de la carga producida por el tráfico "
                                  "automovilístico es recomendable que hr sea no menor de 1m.";
    const std::string avion =
        "En la determinación de la carga producida por el tráfico aéreo  se "
        "recomienda que la altura de relleno (hr) tenga un valor no menor de 1.5 m.";
    const std::string tren =
        "En la determinación de la carga ferroviaria  se recomienda que la altura "
        "de relleno (hr) tenga un valor no menor de 1.5 m.";
    const std::string pregunta =
        "En la determinación de la carga ferroviaria la altura de relleno por encima de la clave "
        "del tubo debe ser como mínimo de 1 m.. No obstante se recomienda un valor no menor de "
        "1.5 m. Por tanto el valor se corregirá automaticamente.";
    using Consejo = ConsejoTrafico (*)(double, std::uint8_t);
    const struct {
        Consejo consejo;
        double hr;
        std::uint8_t indice;
        std::string pregunta, mensaje;
    } casos[] = {
        {ConsejoCarretera, 0.8, 1, "", carretera},
        {ConsejoCarretera, 0.999, 3, "", carretera},
        {ConsejoCarretera, 1.0, 1, "", ""},
        {ConsejoCarretera, 0.8, 0, "", ""},
        {ConsejoCarretera, 0, 1, "", ""},
        {ConsejoAeropuerto, 0.999, 1, "", ""},
        {ConsejoAeropuerto, 1.0, 1, "", avion},
        {ConsejoAeropuerto, 1.499, 5, "", avion},
        {ConsejoAeropuerto, 1.5, 1, "", ""},
        {ConsejoAeropuerto, 1.2, 0, "", ""},
        {ConsejoVia, 0.8, 1, pregunta, ""},
        {ConsejoVia, 0.999, 2, pregunta, ""},
        {ConsejoVia, 1.0, 1, "", tren},
        {ConsejoVia, 1.499, 1, "", tren},
        {ConsejoVia, 1.5, 1, "", ""},
        {ConsejoVia, 0.8, 0, "", ""},
    };
    for (const auto& c : casos) {
        const ConsejoTrafico r = c.consejo(c.hr, c.indice);
        EXPECT_EQ(r.pregunta, c.pregunta) << c.hr << " " << int(c.indice);
        EXPECT_EQ(r.mensaje, c.mensaje) << c.hr << " " << int(c.indice);
    }
}

TEST(AvisoEspesorPared, SoloBajoElNormalizadoYConElAvisoActivo)
{
    const std::string aviso =
        "La Norma UNE 127.100 recomienda un espesor de pared mínimo de 75 mm. "
        "¿Quiere mantener activado este aviso?";
    const struct {
        double Di, Es;
        std::uint8_t activo;
        std::string mensaje;
    } casos[] = {{0.6, 0.06, 1, aviso},
                 {0.6, 0.0749, 1, aviso},
                 {0.6, 0.075, 1, ""},
                 {0.6, 0.06, 0, ""},
                 {0.35, 0.01, 1, ""}};
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.Di = c.Di, p.Es = c.Es, p.AvisoEspesor = c.activo;
        EXPECT_EQ(AvisoEspesorPared(p), c.mensaje) << c.Di << " " << c.Es;
    }
}

TEST(SalidaCasillas, AlturasYAnchuraDeLasZanjas)
{
    const std::string h1r =
        "h´r debe ser menor o igual al diámetro exterior (De) del tubo, " + Corrige;
    const std::string h2r = "h\"r debe ser menor que la altura del relleno (hr), " + Corrige;
    const std::string hr2 = "hr2 debe ser menor que la altura del relleno (hr), " + Corrige;
    const std::string b2 =
        "B2 ha de ser un valor como mínimo igual al diámetro exterior de la tubería.";
    enum Casilla { H1r, H2r, Hr2, B2 };
    const struct {
        Casilla casilla;
        double valor, hr, De, b2;  // valor: el de la casilla que se deja
        double queda;
        std::string mensaje;
        bool corrigeHr2;
    } casos[] = {
        {H1r, 2, 3, 1.218, 0, 1.218, h1r, false}, {H1r, 1.218, 3, 1.218, 0, 1.218, "", false},
        {H1r, 2, 3, 0.01, 0, 2, "", false},       {H2r, 1, 1, 0.4, 0, 1.1, h2r, false},
        {H2r, 1, 1.2, 0.4, 0, 1.2, "", false},    {H2r, 0, 0, 0.4, 0, 0, "", false},
        {Hr2, 3, 2, 0.75, 1.2, 3.1, hr2, true},   {Hr2, 1, 2, 0.75, 0.01, 2, "", false},
        {Hr2, 2, 2, 0.75, 0.02, 2.1, hr2, true},  {Hr2, 0, 2, 0.75, 1.2, 2, "", false},
        {B2, 0, 2, 0.75, 0.5, 0.75, b2, false},   {B2, 0, 2, 0.75, 0.75, 0.75, "", false},
    };
    for (const auto& c : casos) {
        Proyecto p = Nuevo();
        p.hr = c.hr, p.De = c.De, p.b2 = c.b2;
        CorreccionCasilla r;
        switch (c.casilla) {
        case H1r: p.hr1 = c.valor, r = SalidaH1r(p); break;
        case H2r: p.h2r = c.valor, r = SalidaH2r(p); break;
        case Hr2: {
            p.hr2 = c.valor;
            const SalidaHr2Zanja s = SalidaHr2(p);
            r = s.hr;
            EXPECT_EQ(s.corrigeHr2, c.corrigeHr2) << c.valor;
            break;
        }
        case B2: r = SalidaB2(p); break;
        }
        EXPECT_DOUBLE_EQ(r.valor, c.queda) << c.casilla << " " << c.valor;
        EXPECT_EQ(r.mensaje, c.mensaje) << c.casilla << " " << c.valor;
    }
}

TEST(Trenes, VelocidadTopeYNumeroDeVias)
{
    const std::string tope = "La máxima velocidad permitida en la Memoria es 200 km/h., " + Corrige;
    const struct {
        double V, queda;
        std::string mensaje;
    } velocidades[] = {{120, 120, ""}, {200, 200, ""}, {200.001, 200, tope}, {250, 200, tope}};
    for (const auto& c : velocidades) {
        EXPECT_EQ(VelocidadTren(c.V).valor, c.queda) << c.V;
        EXPECT_EQ(VelocidadTren(c.V).mensaje, c.mensaje) << c.V;
    }
    const struct {
        long long tecleado;
        int vias;
    } vias[] = {{0, 0},   {3, 3},   {10, 10}, {11, 10}, {25, 10},
                {256, 0}, {258, 2}, {-3, 10}, {-254, 2}};
    for (const auto& c : vias)
        EXPECT_EQ(NumeroVias(c.tecleado), c.vias) << c.tecleado;
}

}  // namespace
