#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ayudas_pruebas.h"
#include "comprobaciones.h"

static const std::string Corrige = "por lo que se corrige automáticante el valor.";

TEST(LeeCampo, LoQueHaceCadaCasillaConLoTecleado)
{
    // Casilla, texto, saliendo, valor guardado; estado, guarda, valor, rehace, rehecho, mensaje.
    const auto V = Tecleo::Valido, M = Tecleo::AMedias, I = Tecleo::Imposible;
    const char* no = "Valor no válido";
    const char* fi = "El ángulo de rozamiento interno del relleno (fi) debe estar entre 0 y 90 "
                     "grados.";
    const char* gamma = "El peso específico del relleno (γ) no puede ser negativo.";
    const std::tuple<int, const char*, bool, double, Tecleo, bool, double, bool, double,
                     const char*>
        casos[] = {{CasillaHr, "-3", false, 7, V, true, 3, false, 0, ""},
                   {CasillaFi, "-2,5", false, 7, I, false, 0, true, 7, fi},
                   {CasillaFi, "90", false, 7, I, false, 0, true, 7, fi},
                   {CasillaFi, "89,9", false, 7, V, true, 89.9, false, 0, ""},
                   {CasillaGamma, "-19", false, 7, I, false, 0, true, 7, gamma},
                   {CasillaHr, "1.5x", false, 7, I, true, 1.5, true, 1.5, ""},
                   {CasillaGamma, "x", false, 7, I, true, 0, true, 0, ""},
                   {CasillaHr, "-", false, 7, M, false, 0, false, 0, ""},
                   {CasillaHr, "-", true, 7, I, true, 0, true, 0, ""},
                   {CasillaQs, "3e-", true, 7, I, true, 3, true, 3, ""},
                   {CasillaDh, "-2x", false, 7, I, true, 2, true, 2, ""},
                   {CasillaDi, "abc", false, 600, I, false, 0, true, 600, no},
                   {CasillaDi, "", true, 600, I, false, 0, true, 600, no},
                   {CasillaDi, "-1200", false, 600, V, true, 1200, false, 0, ""},
                   {CasillaEs, "x", false, 50, I, false, 0, true, 50, no},
                   {CasillaB, "abc", false, 1.2, I, false, 0, true, 1.2, ""},
                   {CasillaFa, "", true, 7, I, false, 0, true, 7, ""},
                   {CasillaFa, "-1,9", false, 7, V, true, 1.9, false, 0, ""}};
    for (const auto& [clave, texto, saliendo, guardado, estado, guarda, valor, rehace, rehecho,
                      mensaje] : casos) {
        const LecturaCampo r = LeeCampo(clave, texto, saliendo, guardado);
        SCOPED_TRACE(std::to_string(clave) + " '" + texto + "'");
        EXPECT_EQ(std::tie(r.estado, r.guarda, r.valor, r.rehace, r.rehecho),
                  std::tie(estado, guarda, valor, rehace, rehecho));
        EXPECT_EQ(r.mensaje, mensaje);
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
    const int U = RellenoUsuario;
    const std::tuple<int, int, bool> casos[] = {
        {InstalacionTerraplen, U, true},  {InstalacionZanjaInducida, U, true},
        {InstalacionZanja, U, false},     {InstalacionZanjaTerraplenada, U, false},
        {InstalacionTerraplen, 2, false}, {InstalacionZanjaInducida, 4, false}};
    for (const auto& [instalacion, relleno, sin] : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = std::uint8_t(instalacion), p.RellenoIndex = std::uint8_t(relleno);
        EXPECT_EQ(SinParamentosDeZanja(p), sin) << instalacion << " " << relleno;
    }
}

TEST(MedidasTubo, DiametroNormalizadoTraeSuEspesor)
{
    // Di en mm, Es que había; Di, Es y De que quedan (m).
    const double casos[][5] = {{300, 0.06, 0.3, 0.05, 0.4},
                               {350, 0.06, 0.35, 0.06, 0.47},
                               {1000, 0.05, 1, 0.109, 1.218},
                               {0, 0.05, 0, 0.05, 0.1}};
    for (const auto& c : casos) {
        const MedidasTubo t = TuboConDiametro(c[0], c[1]);
        EXPECT_DOUBLE_EQ(t.Di, c[2]) << c[0];
        EXPECT_DOUBLE_EQ(t.Es, c[3]) << c[0];
        EXPECT_DOUBLE_EQ(t.De, c[4]) << c[0];
    }
    const MedidasTubo t = TuboConEspesor(0.6, 60);
    EXPECT_DOUBLE_EQ(t.Es, 0.06);
    EXPECT_DOUBLE_EQ(t.De, 0.72);
}

TEST(CompruebaAlturaRelleno, MinimoPorInstalacion)
{
    const std::string minimo = "mayor o igual a 0.5 m, ", sobreH2r = " mayor que h\"r, ",
                      sobreHr2 = " mayor de hr2, ", sobreDe = " mayor o igual que De, ";
    const std::tuple<std::uint8_t, double, double, double, double, double, std::string> casos[] = {
        {InstalacionZanja, 0, 0, 0, 0.4, 0, ""},  // sin relleno aún
        {InstalacionZanja, 0.49999, 0, 0, 0.4, 0.5, minimo},
        {InstalacionZanja, 0.5, 0, 0, 0.4, 0.5, ""},
        {InstalacionTerraplen, 0.4, 0, 0, 0.4, 0.5, minimo},
        {InstalacionTerraplen, 0.5, 0, 0, 0.4, 0.5, ""},
        {InstalacionZanjaTerraplenada, 1.5, 1.5, 0, 1.218, 1.6, sobreH2r},
        {InstalacionZanjaTerraplenada, 1.51, 1.5, 0, 1.218, 1.51, ""},
        {InstalacionZanjaTerraplenada, 1, 1.5, 0, 0.01, 1, ""},  // sin tubo
        {InstalacionZanjaTerraplenada, 0.3, 0.3, 0, 0.4, 0.5, minimo},
        {InstalacionZanjaTerraplenada, 0.3, 0.5, 0, 0.4, 0.6, sobreH2r},
        {InstalacionZanjaInducida, 3, 0, 3, 1.218, 3.1, sobreHr2},
        {InstalacionZanjaInducida, 0.7, 0, 0, 1.218, 1.218, sobreDe},
        {InstalacionZanjaInducida, 1.218, 0, 0, 1.218, 1.218, ""},
        {InstalacionZanjaInducida, 0.3, 0, 0, 0.4, 0.5, minimo},
    };
    const std::string reparto = "Para garantizar un correcto reparto de las cargas, hr debe ser ";
    for (const auto& [instalacion, hr, h2r, hr2, De, queda, motivo] : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = instalacion, p.hr = hr, p.h2r = h2r, p.hr2 = hr2, p.De = De;
        const CorreccionCasilla r = CompruebaAlturaRelleno(p);
        EXPECT_DOUBLE_EQ(r.valor, queda) << int(instalacion) << " hr " << hr;
        EXPECT_EQ(r.mensaje, motivo.empty() ? "" : reparto + motivo + " " + Corrige) << hr;
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
    const auto C = ConsejoCarretera, A = ConsejoAeropuerto, V = ConsejoVia;
    const std::tuple<Consejo, double, std::uint8_t, std::string, std::string> casos[] = {
        {C, 0.8, 1, "", carretera}, {C, 0.999, 3, "", carretera},
        {C, 1.0, 1, "", ""},        {C, 0.8, 0, "", ""},
        {C, 0, 1, "", ""},          {A, 0.999, 1, "", ""},
        {A, 1.0, 1, "", avion},     {A, 1.499, 5, "", avion},
        {A, 1.5, 1, "", ""},        {A, 1.2, 0, "", ""},
        {V, 0.8, 1, pregunta, ""},  {V, 0.999, 2, pregunta, ""},
        {V, 1.0, 1, "", tren},      {V, 1.499, 1, "", tren},
        {V, 1.5, 1, "", ""},        {V, 0.8, 0, "", ""}};
    for (const auto& [consejo, hr, indice, pide, mensaje] : casos) {
        const ConsejoTrafico r = consejo(hr, indice);
        EXPECT_EQ(r.pregunta, pide) << hr << " " << int(indice);
        EXPECT_EQ(r.mensaje, mensaje) << hr << " " << int(indice);
    }
}

TEST(AvisoEspesorPared, SoloBajoElNormalizadoYConElAvisoActivo)
{
    const std::string aviso =
        "La Norma UNE 127.010 recomienda un espesor de pared mínimo de 75 mm. "
        "¿Quiere mantener activado este aviso?";
    const std::tuple<double, double, std::uint8_t, std::string> casos[] = {{0.6, 0.06, 1, aviso},
                                                                           {0.6, 0.0749, 1, aviso},
                                                                           {0.6, 0.075, 1, ""},
                                                                           {0.6, 0.06, 0, ""},
                                                                           {0.35, 0.01, 1, ""}};
    for (const auto& [Di, Es, activo, mensaje] : casos) {
        Proyecto p = Nuevo();
        p.Di = Di, p.Es = Es, p.AvisoEspesor = activo;
        EXPECT_EQ(AvisoEspesorPared(p), mensaje) << Di << " " << Es;
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
    const std::tuple<double, double, std::string> velocidades[] = {
        {120, 120, ""}, {200, 200, ""}, {200.001, 200, tope}};
    for (const auto& [V, queda, mensaje] : velocidades) {
        EXPECT_EQ(VelocidadTren(V).valor, queda) << V;
        EXPECT_EQ(VelocidadTren(V).mensaje, mensaje) << V;
    }
    const std::pair<long long, int> vias[] = {{0, 0},   {3, 3},   {10, 10}, {11, 10},
                                              {256, 0}, {258, 2}, {-3, 10}, {-254, 2}};
    for (const auto& [tecleado, quedan] : vias)
        EXPECT_EQ(NumeroVias(tecleado), quedan) << tecleado;
}

TEST(CambiaInstalacion, RellenoDelUsuarioYAnchuraReleida)
{
    // Instalación, relleno, texto de b → se borra el relleno, se relee b, b, "0" en la casilla.
    const std::tuple<std::uint8_t, std::uint8_t, const char*, bool, bool, double, bool> casos[] = {
        {InstalacionZanja, RellenoUsuario, "1,25", false, true, 1.25, false},
        {InstalacionZanjaTerraplenada, 2, "-2", false, true, 2, false},
        {InstalacionZanjaInducida, RellenoUsuario, "abc", true, true, 0, true},
        {InstalacionZanjaInducida, 2, "1.", false, true, 1, false},
        {InstalacionTerraplen, RellenoUsuario, "abc", true, false, 0, false},
        {InstalacionTerraplen, 2, "1", false, false, 0, false}};
    for (const auto& [instalacion, relleno, texto, borra, relee, b, rehace] : casos) {
        Proyecto p = Nuevo();
        p.InstalacionIndex = instalacion, p.RellenoIndex = relleno;
        const CambioInstalacion c = CambiaInstalacion(p, texto);
        EXPECT_EQ(std::tie(c.borraRelleno, c.releeB, c.b, c.rehaceB),
                  std::tie(borra, relee, b, rehace))
            << int(instalacion) << " " << texto;
    }
}
