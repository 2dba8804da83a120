#include "proyecto.h"

void InicializaDatos(Proyecto& p)
{
    // El separador decimal es siempre el punto: los lectores y escritores de
    // números no dependen de la configuración regional.
    p.MCliente.clear();
    p.MObra.clear();
    p.MSeccion.clear();

    p.InstalacionIndex = InstalacionZanja;
    p.RellenoIndex = 2;
    p.TraficoIndex = 0;
    p.CarreteraIndex = 3;
    p.ViaIndex = 0;
    p.AeropuertoIndex = 0;
    p.SentidoViaIndex = 1;
    p.BaseIndex = 1;
    p.CompactadorIndex = 0;

    p.b = p.De = p.Di = p.Es = 0;
    p.fi = p.fi1 = p.Fa = p.gamma = 0;
    p.hr = p.hr1 = p.h2r = 0;
    p.D = p.qp = p.qs = p.n = 0;

    p.FileName.clear();
    p.Resguardo = 0;
    p.TaludH = 1.0;
    p.TaludV = 5.0;
    // Un caso nuevo no tiene talud elegido: ni la memoria ni el archivo
    // deben citar el del caso anterior.
    p.TaludDefinido = 0;

    p.dh = 0;
    p.NVias = 0;
    p.V = p.pq = p.b2 = p.hr2 = 0;

    p.lambdaFa = 0.33;
    p.lambdaFaEdit = 0.33;
    p.ApoyoDirecto = 0;

    p.AvisoEspesor = 1;
    p.AvisoCalculo = 0;
    p.AvisoAnchura = 1;
    p.Modificado = 0;
    // Un caso nuevo no tiene resultados: los del anterior se guardarían con él.
    BorraResultados(p);
}

void BorraResultados(Proyecto& p)
{
    p.qr = p.qm = p.fp = p.fs = p.fc = p.qTotal = p.CargaCalculo = 0;
    p.Cz = p.Ct = p.Czt = p.Ci = p.ho = p.c1 = p.r = p.qc = 0;
    p.lambda = p.lambdami = p.lambdami1 = 0;
    p.NViasActuantes = 0;
    p.ZanjaComoTerraplen = 0;
    p.ClaseTexto.clear();
    p.ValorA.clear(), p.ValorB.clear(), p.ValorC.clear(), p.ValorC2.clear();
}
