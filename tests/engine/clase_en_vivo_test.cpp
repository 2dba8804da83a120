#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ayudas_pruebas.h"
#include "clase_en_vivo.h"
#include "proyecto.h"

// Rechazos, correcciones, preguntas y fallos de la orden, en lugar de la clase (los de
// cada vía, en vias_test).
TEST(ClaseEnVivo, LoQueLaOrdenHariaAntes)
{
    const std::tuple<const char*, std::function<void(Proyecto&)>, std::string> casos[] = {
        {"base", [](Proyecto&) {},
         "Carga de cálculo 49.15 kN/m² · UNE 90 (cualquier hr) · ASTM I (hasta hr 4.43 m)"},
        {"relleno sin γ",
         [](Proyecto& p) { p.RellenoIndex = RellenoUsuario, p.fi = 30, p.fi1 = 20; },
         "Faltan datos del relleno definido por el usuario"},
        {"hr2 y hr",
         [](Proyecto& p) {
             p.InstalacionIndex = InstalacionZanjaInducida, p.b2 = 1.5, p.hr2 = 3.5, p.hr = 2;
         },
         "Al calcular se corregirá hr2 a 2.9 m y hr a 3 m"},
        {"zanja estrecha", [](Proyecto& p) { p.b = 0.6; },
         "Al calcular se preguntará si corregir la anchura b"},
        {"resguardo", [](Proyecto& p) { p.Di = 0.6, p.Es = 0.1, p.De = 0.8; },
         "Al calcular se preguntará por el resguardo de la zanja"},
        {"como terraplén", [](Proyecto& p) { p.b = 2, p.hr = 1, p.AvisoCalculo = 1; },
         "Al calcular se preguntará por el aviso de carga como terraplén"},
        {"como terraplén sin aviso", [](Proyecto& p) { p.b = 2, p.hr = 1; },
         "Carga de cálculo 23.34 kN/m² · UNE 90 (hasta hr 3.21 m) · ASTM I (hasta hr 2.21 m)"},
        {"sin relleno", [](Proyecto& p) { p.hr = 0; }, "Error calculando la carga del relleno"},
        {"sin diámetro ni factor", [](Proyecto& p) { p.Di = 0, p.Fa = 0; },
         "Falta el tubo: dé su diámetro interior Di"},
        // La primera pregunta que haría la orden, no la última.
        {"dos preguntas", [](Proyecto& p) { p.Es = 0.05, p.De = 0.6, p.b = 0.5; },
         "Al calcular se preguntará por el espesor de pared"},
        // El consejo de la carretera con poco relleno no cambia nada.
        {"carretera con poco relleno", [](Proyecto& p) { p.hr = 0.8, p.CarreteraIndex = 1; },
         "Carga de cálculo 30.74 kN/m² · UNE 90 (cualquier hr) · ASTM I (hasta hr 4.43 m)"},
        {"ninguna clase", [](Proyecto& p) { p.Fa = 0.3, p.hr = 8; },
         "Carga de cálculo 482.37 kN/m² · UNE: ninguna clase · ASTM: ninguna clase con carga "
         "401.98 kN/m²"},
        {"ASTM por 1.25", [](Proyecto& p) { p.Fa = 0.85, p.hr = 8; },
         "Carga de cálculo 170.25 kN/m² · UNE 180 (hasta hr 12.36 m) · ASTM V con carga 141.87 "
         "kN/m² (cualquier hr)"},
    };
    for (const auto& [nombre, cambia, texto] : casos) {
        Proyecto p = TuboNormalizado();
        cambia(p);
        const EstadoClase estado = ClaseEnVivo(p);
        EXPECT_EQ(estado.conClase, texto.rfind("Carga de cálculo", 0) == 0) << nombre;
        EXPECT_EQ(estado.texto, texto) << nombre;
    }
}
