#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "ayudas_pruebas.h"
#include "informe.h"
#include "textos_informe.h"

using Ajuste = std::function<void(Proyecto&)>;

// Arena arcillosa sobre suelo natural, sin tráfico, Fa 2.8, clase UNE y un tubo
// de De (Es = 0.05 m) en la instalación y cama o clase dadas. Por omisión: zanja
// de 0.9 m, De 0.6 m, 3 m de relleno (qr ≈ 32.769 kN/m), cama de 120º.
static Ajuste Caso(int instalacion = 0, int tipo = 5, double b = 0.9, double De = 0.6,
                   double hr = 3, double hr1 = 0, double h2r = 0, double b2 = 0, double hr2 = 0,
                   bool talud = false)
{
    return [=](Proyecto& p) {
        p.InstalacionIndex = static_cast<std::uint8_t>(instalacion);
        p.Tipo = static_cast<std::int8_t>(tipo);
        p.b = b, p.De = De, p.Es = 0.05, p.Di = De - 0.1, p.hr = hr;
        p.hr1 = hr1, p.h2r = h2r, p.b2 = b2, p.hr2 = hr2, p.TaludDefinido = talud;
        p.TaludH = 1, p.TaludV = 5, p.Resguardo = 0.3, p.RellenoIndex = 2, p.BaseIndex = 1;
        p.TraficoIndex = p.CarreteraIndex = 0;
        p.Fa = 2.8, p.ModoCalculo = 1;
    };
}

static Ajuste Y(const Ajuste& a, const Ajuste& b)
{
    return [=](Proyecto& p) { a(p), b(p); };
}

// Comprueba textos separados por '|': "Nombre=texto" es lo que dice el rótulo (con
// "…", cualquier texto en su lugar), "+Nombre" se ve y "-Nombre" no; croquis,
// formula y clase (la del registro) como un rótulo más.
static void Comprueba(const TextosInforme& t, const Proyecto& p, const std::string& esperados,
                      const std::string& caso)
{
    auto textos = t.textos;
    textos["croquis"] = t.croquis, textos["formula"] = t.formula, textos["clase"] = p.ClaseTexto;
    std::istringstream pares(esperados);
    for (std::string par; std::getline(pares, par, '|');) {
        if (par[0] == '+' || par[0] == '-') {
            const auto visible = t.visibles.find(par.substr(1));
            EXPECT_TRUE(visible != t.visibles.end() && visible->second == (par[0] == '+'))
                << caso << ": " << par;
            continue;
        }
        const std::size_t igual = par.find('=');
        const std::string nombre = par.substr(0, igual), esperado = par.substr(igual + 1);
        const auto texto = textos.find(nombre);
        const std::string visto = texto == textos.end() ? "<sin texto>" : texto->second;
        const std::size_t puntos = esperado.find("…");
        if (puntos == std::string::npos) {
            EXPECT_EQ(visto, esperado) << caso << ": " << nombre;
            continue;
        }
        const std::string fin = esperado.substr(puntos + 3);
        EXPECT_TRUE(visto.size() >= puntos + fin.size() &&
                    visto.compare(0, puntos, esperado, 0, puntos) == 0 &&
                    visto.compare(visto.size() - fin.size(), fin.size(), fin) == 0)
            << caso << ": " << nombre << " = " << visto;
    }
}

TEST(TextosDelInforme, PaginaPorInstalacionCamaModoYCargas)
{
    const auto modo = [](int modo, double Fa) {
        return Ajuste([=](Proyecto& p) { p.ModoCalculo = std::uint8_t(modo), p.Fa = Fa; });
    };
    // La carga de una zanja estrecha no crece sin límite con hr: la clase vale siempre.
    const std::string siempre = "|LDhrMax=(Válido para cualquier altura de relleno hr)";
    // Sin carga de cálculo no hay clase: "Error", nunca la de un cálculo anterior.
    const std::string error = "LDres=Error|LDhrMax=(No se pudo completar el cálculo de cargas)|"
                              "clase=sin tocar|LDCarga=--|";
    // Tráfico (su lista, vías, dh) y compactador; el peso del rodillo, truncado.
    const auto trafico = [](int tipo, int indice, int vias, int actuantes, double dh,
                            int compactador) {
        return Ajuste([=](Proyecto& p) {
            p.TraficoIndex = std::uint8_t(tipo);
            (tipo == 0   ? p.CarreteraIndex
             : tipo == 1 ? p.ViaIndex
                         : p.AeropuertoIndex) = std::uint8_t(indice);
            p.NVias = std::uint8_t(vias), p.NViasActuantes = std::uint8_t(actuantes);
            p.CompactadorIndex = std::uint8_t(compactador);
            p.dh = dh, p.V = 100, p.pq = 2.559, p.qp = 2, p.D = 1.5, p.qs = 0.5;
        });
    };

    const struct {
        const char* caso;
        Ajuste ajuste;
        std::string textos;
    } casos[] = {
        {"zanja, cama de 120º", Caso(0, 5, 0.9, 0.6, 3, 0, 0, 0, 0, true),
         "croquis=IBNZAN120|formula=Formula1|LInstalacion=Instalación en Zanja;Relleno: "
         "Arena Arcillosa|LCTerreno=Carga producida por terreno (qr):|Lmrelleno=λμ′ =|"
         "LDa=a=0.15 m.|LDb=b=0.9 m.|LDc=c=0.08 m.(Suelo)|LDC2=c=0.15 m.(Roca)|LTalud=Talud="
         " 1:5|LResguardo=Resguardo=0.3 m.|LRelleno=Relleno Compactado 95% P.N.|LBase="
         "Hormigón|LDEs=50 mm.|LDgamma=19.2 kN/m³|LVersion=Versión: 2.02a|+LDC2|+Lc1|-LDh1r|"
         "-LDH2r|-LDH0"},
        {"zanja ancha, calculada como terraplén", Caso(0, 13, 2.0, 0.5, 1.0),
         "croquis=IBNZAN180|formula=Formula3|LCTerreno=Carga producida por terreno (qr): "
         "calculada como terraplén por sobrepasar el ancho de zanja b la anchura de "
         "transición.|Lmrelleno=λμ =|LDa=a=0.25 m.|LDc=c = 0 m.|LDC2=|LRelleno=Relleno "
         "fino|LBase=Idem|LTalud=|LResguardo=|+LDH0|-LDC2|-Lc1|-LDh1r|-LDH2r"},
        // Cada banda de la cama de zanja: croquis, a (De/2, De/4, De/6), relleno y base.
        {"zanja, cama de 90º sin compactar", Caso(0, 8),
         "croquis=IBNZAN090|LDa=a=0.1 m.|LRelleno=Relleno Seleccionado sin compactar|"
         "LBase=Hormigón"},
        {"zanja, cama granular", Caso(0, 9),
         "croquis=IBNZAN180|LDa=a=0.3 m.|LRelleno=Material Granular Compactado 95% P.N.|"
         "LBase=Idem"},
        {"zanja, cama de 90º granular", Caso(0, 11),
         "croquis=IBNZAN090|LDa=a=0.1 m.|LRelleno=Relleno Compactado 95% P.N.|"
         "LBase=Material Granular Compactado 95% P.N."},
        // Una clase de terraplén en zanja no es una cama: ni croquis ni a.
        {"zanja con una clase de terraplén", Caso(0, 1),
         "croquis=|LDa=|LDb=b=0.9 m.|LRelleno=|LBase=Material Granular Compactado 95% P.N."},
        {"terraplén clase B, hr bajo h0", Caso(1, 1, 0, 0.6, 0.5, 0.3),
         "croquis=ITerraplen|formula=Formula2|LInstalacion=Instalación en Terraplén (Clase "
         "B);Relleno: Arena Arcillosa;Base: Base de suelo natural ordinario|Lmrelleno=λμ ="
         "|LDa=a=0.24 m.|LDb=b>=0.75 m.|LDc=c>=0.08 m.(Suelo)|LDC2=c>=0.15 m.(Roca)|LBase="
         "Material Granular Compactado 95% P.N.|LRelleno=|LDh1r=0.3 m.|+LDh1r|+Lh1r|+LDH0|"
         "-LDH2r"},
        {"terraplén clase C", Caso(1, 2, 0, 0.6, 3, 0.3),
         "LInstalacion=Instalación en Terraplén (Clase C)…|LDa=a=0.102 m.|LDb=b>=0.75 m."},
        // La clase D no tiene cama: ni a, ni b, ni base de hormigón.
        {"terraplén clase D", Caso(1, 3, 0, 0.6, 3, 0.3),
         "formula=Formula3|LInstalacion=Instalación en Terraplén;Relleno: Arena Arcillosa;"
         "Base: Base de suelo natural ordinario|LDa=|LDb=|LBase=|+LDC2"},
        // Sus fórmulas usan λμ: el rótulo es el del valor que se muestra.
        {"zanja terraplenada, cama de 90º", Caso(2, 8, 1.0, 0.6, 4, 0, 1.0),
         "croquis=IBNZTE090|formula=Formula5|LInstalacion=Instalación en Zanja Terraplenada;"
         "Relleno: Arena Arcillosa|Lmrelleno=λμ =|LDa=a=0.1 m.|LDb=b=1 m.|LRelleno=Relleno "
         "Seleccionado sin compactar|LDH2r=1 m.|LTalud=|+LDH2r|+Lh2r|+LDH0|-LDh1r"},
        {"zanja terraplenada, hr bajo h0", Caso(2, 10, 1.0, 0.6, 1.5, 0, 1.0),
         "croquis=IBNZTE180|formula=Formula4|LBase=Material Granular Compactado 95% P.N."},
        {"zanja terraplenada, cama de 120º", Caso(2, 6, 1.0, 0.6, 1.5, 0, 1.0),
         "croquis=IBNZTE120|LDa=a=0.15 m."},
        {"zanja inducida clase A", Caso(3, 0, 0, 0.6, 5, 0.3, 0, 0.6, 0.6),
         "croquis=IZanInd|formula=Formula7|LInstalacion=Instalación en Zanja Inducida (Clase"
         " A);Relleno: Arena Arcillosa;Base: Base de suelo natural ordinario|LTalud=hr2= 0.6 m.|"
         "LResguardo=b2= 0.6 m.|LDa=a=0.15 m.|LDb=b>=0.8 m.|LDc=c>=0.125 m.|LDC2=|LBase=Hormigón"
         "|+LDh1r|+LDH0|-LDH2r|-LDC2"},
        {"zanja inducida, hr bajo h0", Caso(3, 2, 0, 0.6, 1.0, 0.3, 0, 0.6, 0.6),
         "formula=Formula6|LDa=a=0.102 m.|LDb=b>=0.75 m."},
        // Fa tecleado a mano: no se sabe la cama.
        {"zanja con Fa tecleado", Caso(0, 14),
         "croquis=|formula=Formula1|LInstalacion=|LBase=|LRelleno=|LDa=|LDb=b=0.9 m."},
        {"terraplén con Fa tecleado", Caso(1, 14, 0, 0.6, 3, 0.3),
         "croquis=ITerraplen|LInstalacion=|LBase=|LDa=|LDb=|LDc=c>=0.08 m.(Suelo)"},

        // Resultado por modo; las cargas se truncan a dos decimales (qr = 32.769).
        {"solo carga", Y(Caso(), modo(0, 2.8)),
         "TextoTipoCalculo=Carga calculada:|LDres=35.1 kN/m²|LDCarga=35.1 kN/m²|"
         "LDQFisuracion=  |LDhrMax=|clase=sin tocar"},
        {"UNE", Y(Caso(), modo(1, 2.8)),
         "TextoTipoCalculo=Clase mínima UNE-127.010 exigible:|LDres=Clase 90|LDQ1=qr= 32.76 "
         "kN/m|LDQtotal=32.76 kN/m|LDQ2=0 kN/m|LDQ5=0 kN/m|LDFap=2.8|clase=90" +
             siempre},
        {"ASTM", Y(Caso(), modo(2, 2.8)),
         "TextoTipoCalculo=Clase mínima ASTM-C76M exigible:|LDres=Clase I|LCociente=1.5 · "
         "Qtotal|LDQFisuracion=Carga de Fisuración= 23.4 kN/m²|clase=I" +
             siempre},

        // Con 1e-200 m de relleno la carga puntual es 0/0.
        {"carga puntual sin relleno", Y(Caso(), [](Proyecto& p) { p.hr = 1e-200, p.qp = 1; }),
         error + "LDQ3=--|LDQ4=--|LDQ5=--|LDQtotal=--|LDQ2=… kN/m"},
        {"diámetro interior 0", Y(Caso(), [](Proyecto& p) { p.Di = 0, p.qp = 1; }),
         error + "LDQ2=… kN/m|LDQ3=… kN/m|LDQ4=… kN/m|LDQ5=… kN/m|LDQtotal=… kN/m"},
        // Un fallo del relleno no es una carga 0 ni una clase: se muestra como un fallo.
        {"error del relleno en ASTM", Y(Caso(), [](Proyecto& p) { p.hr = 0, p.ModoCalculo = 2; }),
         error + "LDQ1=qr= --|LDQ2=--|LDQ5=--|LDQtotal=--|LCociente=<sin texto>|LDQFisuracion=  "
                 "|TextoTipoCalculo=Clase mínima ASTM-C76M exigible:|LDa=a=0.15 m."},

        {"carretera, sin compactador", Y(Caso(), trafico(0, 2, 0, 0, 0, 0)),
         "LTrafico=Carga Carretera,Eje simple de 130 kN (13 t.)|LComp=Carga debida a "
         "compactador|LPuntual=Carga puntual de 2t. situada a 1.5 m|LSup=Carga uniformemente"
         " distribuida en superficie de 0.5 t/m²"},
        {"una vía", Y(Caso(), trafico(1, 1, 1, 1, 0, 1)),
         "LTrafico=Carga Ferroviaria, Via Renfe 1 via,(1 actuante), dh=0, 100Km/h|LComp="
         "Carga debida a compactador Estático 2.55 t/m rodillo"},
        {"dos vías, una actuante", Y(Caso(), trafico(1, 1, 2, 1, 28, 2)),
         "LTrafico=Carga Ferroviaria, Via Renfe 2 vias,(1 actuante), dh=28, 100Km/h|LComp="
         "Carga debida a compactador Dinámico 2.55 t/m rodillo"},
        {"dos vías actuantes", Y(Caso(), trafico(1, 2, 2, 2, 0, 0)),
         "LTrafico=Carga Ferroviaria, Via UIC 71 2 vias,(2 actuantes), dh=0, 100Km/h"},
        {"aeropuerto", Y(Caso(), trafico(2, 1, 0, 0, 0, 0)),
         "LTrafico=Carga Aeropuerto,DC 9 (900 kN)"},
    };
    for (const auto& caso : casos) {
        Proyecto p = Nuevo();
        p.ValorA = p.ValorB = "de otro caso";
        p.ClaseTexto = "sin tocar";
        caso.ajuste(p);
        RespondeNo no;
        const ResultadoInforme r = CalculaInforme(p, no, p.ModoCalculo);
        const Proyecto calculado = p;
        const TextosInforme t = TextosDelInforme(p, r);
        Comprueba(t, p, caso.textos, caso.caso);
        // La leyenda que muestra la página es la que el cálculo dejó en el registro
        // (la guarda el archivo); los textos no tocan el registro.
        EXPECT_EQ(p.ValorA, t.textos.at("LDa")) << caso.caso;
        EXPECT_EQ(p.ValorB, t.textos.at("LDb")) << caso.caso;
        EXPECT_EQ(p.ValorC, t.textos.at("LDc")) << caso.caso;
        EXPECT_EQ(p.ValorC2, t.textos.at("LDC2")) << caso.caso;
        EXPECT_EQ(p.ClaseTexto, calculado.ClaseTexto) << caso.caso;
    }
}

// Sin regla para la instalación, la leyenda es la que había (la del archivo).
TEST(LeyendaDeCotas, InstalacionDesconocidaConservaLaDelRegistro)
{
    Proyecto p = Nuevo();
    p.InstalacionIndex = 4, p.Tipo = 5;
    p.ValorA = "a=1 m.", p.ValorB = "b=2 m.", p.ValorC = "c=3 m.", p.ValorC2 = "c=4 m.";
    const LeyendaCotas l = LeyendaDeCotas(p);
    EXPECT_EQ(l.a + l.b + l.c + l.c2, "a=1 m.b=2 m.c=3 m.c=4 m.");
    p.Tipo = 14;
    EXPECT_EQ(LeyendaDeCotas(p).a, "");
}
