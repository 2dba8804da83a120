#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ayudas_pruebas.h"
#include "desglose.h"
#include "numero.h"

namespace {

// Lo que la memoria muestra de la carga de cada paso.
std::string Resultado(const Proyecto& p, PasoCarga paso)
{
    const double valores[] = {p.qr, p.qm, p.fp, p.fs, p.fc, p.qTotal, p.CargaCalculo};
    return TextoNumero(Trunca2(valores[static_cast<int>(paso) - 1]));
}

// Último número de una línea que acaba en su unidad.
std::string UltimoNumero(const std::string& linea)
{
    for (const std::string unidad : {" kN/m", " kN/m²"}) {
        const std::size_t fin = linea.size() - unidad.size();
        if (linea.size() > unidad.size() && linea.compare(fin, unidad.size(), unidad) == 0) {
            const std::size_t inicio = linea.rfind(' ', fin - 1) + 1;
            return linea.substr(inicio, fin - inicio);
        }
    }
    return "sin unidad: " + linea;
}

}  // namespace

TEST(DesgloseCargas, CadaCargaConSuFormulaValoresYResultado)
{
    const struct {
        const char* nombre;
        Proyecto p;
        std::vector<std::string> lineas;  // deben aparecer, en este orden
        std::size_t apartados = 7;
    } casos[] = {
        {"zanja.txt",
         Ejemplo("zanja.txt"),
         {"qt = 1.3641 · 19.2 · 2.5 · 1.218 = 79.75 kN/m",
          "qt = 79.75 kN/m < qz = 108.64 kN/m: calculada como terraplén por sobrepasar el ancho "
          "de zanja b la anchura de transición",
          "qr = qt = 79.75 kN/m",
          "hr ≥ 1 m y De < c:", "qm = 600 · 1.218 / ((4.979 + 3) · 4.1) + 4 · 1.218 = 27.21 kN/m",
          "fc = 19.6 · 2 · 1.218 / (3.141592 · 2.5) = 6.07 kN/m",
          "qTotal = 79.75 + 27.211 + 0 + 0 + 6.079 = 113.04 kN/m",
          "Qc = 1.5 · 113.041 / (1.9 · 1) = 89.24 kN/m²"}},
        {"terraplen.txt",
         Ejemplo("terraplen.txt"),
         {"Base rígida (roca o suelo muy compactado): razón de asiento c1 = 1",
          "hr = 4 m > ho = 2.86 m: condición de proyección incompleta",
          "qr = 1.4215 · 17.6 · 4 · 1.8 = 180.12 kN/m",
          "Ci = 1 + 0.33 · V / 100 − 0.1 · hr = 1 + 0.33 · 120 / 100 − 0.1 · 4 = 0.996 < 1: Ci = 1",
          "n = ent((1.401 · hr + w2) / s) + 1 = ent((1.401 · 4 + 2.8) / 3.7) + 1 = 3 vías",
          "qm = 3 · 1 · 1.8 · 899.64 / 72.38 = 67.11 kN/m"}},
        {"zanja_inducida.txt",
         Ejemplo("zanja_inducida.txt"),
         {"λ = tan²(45° − φ / 2) = tan²(45° − 30° / 2) = 0.3333",
          "Razón de asiento de la zanja inducida (tabla en p = 0.8333): r = -0.6333",
          "m = |hr2 / De · r| = |2 / 2.384 · (-0.6333)| = 0.5313",
          "qr = 0.6146 · 20 · 8 · 2.4 = 235.99 kN/m",
          "Compactador Dinámico de pq = 1.5 t/m de rodillo: k = 78.4 (hr > 3 m)"}},
        {"zanja_terraplenada.txt",
         Ejemplo("zanja_terraplenada.txt"),
         {"Czt = (1 − e^(−2 · 0.13 · 1.445 / 1.5)) / (2 · 0.13 · 3 / 1.5) + e^(−2 · 0.13 · "
          "1.445 / 1.5) · (3 − 1.445) / 3 = 0.8296",
          "hr = 3 m > h′o = 1.356 m: condición de proyección incompleta", "qr = qt = 62.8 kN/m",
          "fp = 1.5 · 9.8 · 5 · 0.75 · 0.9487⁵ / 3² = 4.7 kN/m"}},
        {"zanja que no pasa a terraplén, con eje de 70 kN y sobrecargas",
         CasoZanja([](Proyecto& p) {
             p.CarreteraIndex = 1, p.qp = 5, p.D = 1, p.qs = 1, p.CompactadorIndex = 1, p.pq = 2;
         }),
         {"Cz = (1 − e^(−2 · 0.15 · 3 / 0.9)) / (2 · 0.15 · 3 / 0.9) = 0.6321",
          "qz = 32.76 kN/m ≤ qt = 53 kN/m: vale la carga en zanja", "qr = qz = 32.76 kN/m",
          "qm = 70 · 0.6 / (5.03 · 4.5) = 1.85 kN/m",
          "t = hr / √(hr² + D²) = 3 / √(3² + 1²) = 0.9487",
          "fs = e^(−2 · 0.15 · 3 / 0.9) · 9.8 · 1 · 0.9 = 3.24 kN/m"}},
        {"terraplén con sobrecarga repartida: qr con los coeficientes de hr",
         CasoZanja(
             [](Proyecto& p) { p.InstalacionIndex = InstalacionTerraplen, p.hr1 = 0.3, p.qs = 1; }),
         {"qr = 1.3824 · 19.2 · 3 · 0.6 = 47.77 kN/m",
          "he = 9.8 · qs / γ = 9.8 · 1 / 19.2 = 0.51 m", "fs = 56.236 − 47.775 = 8.46 kN/m"}},
        {"terraplén en condición completa",
         CasoZanja([](Proyecto& p) {
             p.InstalacionIndex = InstalacionTerraplen, p.hr1 = 0.6, p.BaseIndex = 0, p.hr = 1;
         }),
         {"hr = 1 m ≤ ho = 1.372 m: condición de proyección completa",
          "Ct = (e^(2 · 0.15 · 1 / 0.6) − 1) / (2 · 0.15 · 1 / 0.6) = 1.2974"}},
        {"zanja terraplenada que no pasa a terraplén",
         CasoZanja([](Proyecto& p) {
             p.InstalacionIndex = InstalacionZanjaTerraplenada, p.b = 1, p.h2r = 1, p.hr = 4;
         }),
         {"ho = t · b / (2 · λμ) = 0.4565 · 1 / (2 · 0.15) = 1.522 m", "qr = qzt = 53.6 kN/m"}},
        {"zanja con relleno de usuario: λμ′ contra las paredes",
         CasoZanja([](Proyecto& p) {
             p.RellenoIndex = RellenoUsuario, p.fi = 30, p.fi1 = 20, p.gamma = 18;
         }),
         {"λμ′ = λ · tan(φ′) = 0.3333 · tan(20°) = 0.1213",
          "Cz = (1 − e^(−2 · 0.1213 · 3 / 0.9)) / (2 · 0.1213 · 3 / 0.9) = 0.6857"}},
        {"vía UIC transversal: cuenta las vías que alcanzan dh",
         CasoZanja([](Proyecto& p) {
             p.TraficoIndex = 1, p.ViaIndex = 2, p.SentidoViaIndex = 1, p.NVias = 3, p.dh = 26;
             p.hr = 2;
         }),
         {"P = 79.8 · (1.4 · (hr − 0.5) + 6.4) + 487.68 = 79.8 · (1.4 · (2 − 0.5) + 6.4) + "
          "487.68 = 1165.98 kN",
          "Vías k = 0 … 2 con k · s − A / 2 ≤ dh ≤ k · s + A / 2: k = 2; n = 1 vía",
          "qm = 1 · 1.25 · 0.6 · 1165.98 / 43.35 = 20.17 kN/m"}},
        {"avión interpolado en la tabla",
         CasoZanja([](Proyecto& p) { p.TraficoIndex = 2, p.AeropuertoIndex = 1, p.hr = 1.5; }),
         {"pv = p1 + (p2 − p1) · (hr − h1) / (h2 − h1) = 98 + (39.2 − 98) · (1.5 − 1) / (2 − 1) "
          "= 68.6 kN/m²",
          "qm = 68.6 · 0.6 = 41.16 kN/m"}},
        {"avión con menos de 1 m sin corregir",
         CasoZanja([](Proyecto& p) { p.TraficoIndex = 2, p.AeropuertoIndex = 1, p.hr = 0.8; }),
         {"Aeropuerto, DC 9 (900 kN): hr = 0.8 m, menor que 1 m, sin la corrección a 1 m: qm = 0 "
          "kN/m"}},
        {"carretera fuera de alcance",
         CasoZanja([](Proyecto& p) { p.CarreteraIndex = 2, p.hr = 5; }),
         {"Carretera, Eje simple de 130 kN (13 t.): hr = 5 m, Di = 0.5 m fuera del alcance del "
          "método (0.5 m ≤ hr ≤ 4 m, 0.15 m < Di ≤ 3 m): qm = 0 kN/m"}},
        {"carro de 600 kN con poco relleno: el mayor de dos repartos",
         CasoZanja([](Proyecto& p) { p.CarreteraIndex = 3, p.hr = 0.7; }),
         {"qm = 4 · De + 300 · De / ((a + 3) · b)",
          "qm = 4 · 0.6 + 300 · 0.6 / ((1.81 + 3) · 1.58) = 26.08 kN/m"}},
        {"fallo en la carga de cálculo",
         CasoZanja([](Proyecto& p) { p.Di = 0; }),
         {"qTotal = 32.769 + 0 + 0 + 0 + 0 = 32.76 kN/m",
          "El cálculo se detuvo en la carga de cálculo (Qc): el diámetro interior Di es 0. Las "
          "cargas siguientes no se calcularon."}},
        {"fallo en la carga del relleno",
         CasoZanja([](Proyecto& p) { p.hr = 0; }),
         {"El cálculo se detuvo en la carga del relleno (qr): Error calculando la carga del "
          "relleno: la altura de relleno hr es 0. Las cargas siguientes no se calcularon."},
         1},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto p = caso.p;
        const EntregaCargas entrega = Calcula(p, p.RellenoIndex, p.Fa);
        const std::vector<ApartadoDesglose> apartados = DesgloseCargas(p, entrega);
        ASSERT_EQ(apartados.size(), caso.apartados);

        std::vector<std::string> todas;
        for (const ApartadoDesglose& a : apartados) {
            todas.insert(todas.end(), a.lineas.begin(), a.lineas.end());
            // Cada carga acaba en el valor que muestra la memoria.
            if (entrega.Escrito(a.paso)) {
                EXPECT_EQ(UltimoNumero(a.lineas.back()), Resultado(p, a.paso)) << a.titulo;
            }
        }
        auto desde = todas.begin();
        for (const std::string& linea : caso.lineas) {
            const auto hallada = std::find(desde, todas.end(), linea);
            EXPECT_NE(hallada, todas.end()) << linea;
            if (hallada != todas.end())
                desde = hallada;
        }
    }
}
