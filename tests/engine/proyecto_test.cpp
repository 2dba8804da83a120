#include <gtest/gtest.h>

#include <tuple>

#include "proyecto.h"

namespace {

TEST(InicializaDatos, ValoresDeUnProyectoNuevoYLoQueConserva)
{
    using P = Proyecto;
    double P::*const aCero[] = {&P::b,  &P::De, &P::Di,  &P::Es,  &P::hr, &P::hr1,   &P::h2r,
                                &P::b2, &P::hr2, &P::fi, &P::fi1, &P::gamma, &P::qp, &P::D,
                                &P::qs, &P::pq, &P::dh,  &P::V,   &P::n,  &P::Fa,    &P::Resguardo};
    // Resultados y datos que no describen el caso.
    double P::*const conservados[] = {&P::fck, &P::c,  &P::qr,     &P::qTotal, &P::CargaCalculo,
                                      &P::Ct,  &P::ho, &P::lambda, &P::ResguardoMinimo};
    Proyecto p;
    for (auto campo : aCero)
        p.*campo = 9;
    for (auto campo : conservados)
        p.*campo = 7;
    p.InstalacionIndex = p.RellenoIndex = p.BaseIndex = p.TraficoIndex = p.CarreteraIndex = 2;
    p.NVias = p.ViaIndex = p.AeropuertoIndex = p.CompactadorIndex = p.ApoyoDirecto = 1;
    p.SentidoViaIndex = p.AvisoEspesor = p.AvisoAnchura = 0;
    p.Modificado = p.AvisoCalculo = p.ZanjaComoTerraplen = p.TaludDefinido = 1;
    p.FileName = "obra.txt";
    p.MObra = p.MSeccion = p.MCliente = {"línea"};
    p.Tipo = 7, p.ModoCalculo = 2, p.ClaseTexto = "90", p.ValorA = "a=0.3 m.";

    InicializaDatos(p);

    for (auto campo : aCero)
        EXPECT_EQ(p.*campo, 0);
    for (auto campo : conservados)
        EXPECT_EQ(p.*campo, 7);
    EXPECT_EQ(p.NVias + p.InstalacionIndex + p.TraficoIndex + p.ViaIndex + p.AeropuertoIndex +
                  p.CompactadorIndex + p.ApoyoDirecto + p.AvisoCalculo + p.Modificado, 0);
    // Relleno, base, carretera, sentido de la vía y avisos.
    EXPECT_EQ(std::make_tuple(p.RellenoIndex, p.BaseIndex, p.CarreteraIndex, p.SentidoViaIndex,
                              p.AvisoEspesor, p.AvisoAnchura),
              std::make_tuple(2, 1, 3, 1, 1, 1));
    EXPECT_EQ(std::make_tuple(p.TaludH, p.TaludV, p.lambdaFa, p.lambdaFaEdit),
              std::make_tuple(1.0, 5.0, 0.33, 0.33));
    EXPECT_EQ(p.FileName, "");
    EXPECT_TRUE(p.MObra.empty() && p.MSeccion.empty() && p.MCliente.empty());
    // Se conservan.
    EXPECT_EQ(p.Tipo + p.ModoCalculo + p.ZanjaComoTerraplen + p.TaludDefinido, 11);
    EXPECT_EQ(p.ClaseTexto + p.ValorA, "90a=0.3 m.");
}

}  // namespace
