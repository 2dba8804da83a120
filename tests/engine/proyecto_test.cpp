#include <gtest/gtest.h>

#include "proyecto.h"

namespace {

TEST(InicializaDatos, ValoresDeUnProyectoNuevoYLoQueConserva)
{
    using P = Proyecto;
    double P::*const aCero[] = {&P::b,  &P::De,  &P::Di,  &P::Es,    &P::hr, &P::hr1,
                                &P::h2r, &P::b2, &P::hr2, &P::fi,    &P::fi1, &P::gamma,
                                &P::qp, &P::D,   &P::qs,  &P::pq,    &P::dh, &P::V,
                                &P::n,  &P::Fa,  &P::Resguardo};
    // Resultados y datos que no describen el caso.
    double P::*const conservados[] = {&P::fck, &P::c,  &P::qr,     &P::qTotal, &P::CargaCalculo,
                                      &P::Ct,  &P::ho, &P::lambda, &P::ResguardoMinimo};
    Proyecto p;
    for (auto campo : aCero)
        p.*campo = 9;
    for (auto campo : conservados)
        p.*campo = 7;
    p.NVias = 4;
    p.InstalacionIndex = p.RellenoIndex = p.BaseIndex = p.TraficoIndex = p.CarreteraIndex = 2;
    p.ViaIndex = p.AeropuertoIndex = p.CompactadorIndex = p.ApoyoDirecto = 1;
    p.SentidoViaIndex = 0;
    p.FileName = "obra.txt";
    p.MObra = p.MSeccion = p.MCliente = {"línea"};
    p.Modificado = p.AvisoCalculo = 1;
    p.Tipo = 7;
    p.ModoCalculo = 2;
    p.ValorA = "a=0.3 m.";
    p.ClaseTexto = "90";
    p.ZanjaComoTerraplen = p.TaludDefinido = 1;

    InicializaDatos(p);

    for (auto campo : aCero)
        EXPECT_EQ(p.*campo, 0);
    for (auto campo : conservados)
        EXPECT_EQ(p.*campo, 7);
    EXPECT_EQ(p.NVias, 0);
    EXPECT_EQ(p.InstalacionIndex, 0);
    EXPECT_EQ(p.RellenoIndex, 2);
    EXPECT_EQ(p.BaseIndex, 1);
    EXPECT_EQ(p.CarreteraIndex, 3);
    EXPECT_EQ(p.SentidoViaIndex, 1);
    EXPECT_EQ(p.TraficoIndex + p.ViaIndex + p.AeropuertoIndex + p.CompactadorIndex, 0);
    EXPECT_EQ(p.ApoyoDirecto, 0);
    EXPECT_EQ(p.TaludH, 1.0);
    EXPECT_EQ(p.TaludV, 5.0);
    EXPECT_EQ(p.lambdaFa, 0.33);
    EXPECT_EQ(p.lambdaFaEdit, 0.33);
    EXPECT_EQ(p.FileName, "");
    EXPECT_TRUE(p.MObra.empty() && p.MSeccion.empty() && p.MCliente.empty());
    EXPECT_EQ(p.AvisoEspesor + p.AvisoAnchura, 2);
    EXPECT_EQ(p.AvisoCalculo + p.Modificado, 0);
    EXPECT_EQ(p.Tipo, 7);
    EXPECT_EQ(p.ModoCalculo, 2);
    EXPECT_EQ(p.ValorA, "a=0.3 m.");
    EXPECT_EQ(p.ClaseTexto, "90");
    EXPECT_EQ(p.ZanjaComoTerraplen + p.TaludDefinido, 2);
}

}  // namespace
