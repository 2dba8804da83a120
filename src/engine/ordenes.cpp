#include "ordenes.h"

#include "apoyo.h"
#include "comprobaciones.h"
#include "factor_apoyo.h"
#include "interlocutor.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
#include "trafico.h"
#include "zanja.h"

namespace {

const char* const RellenoSinDatos =
    "Si los datos del relleno son a definir por el usuario, asegurese de que los valores sean "
    "distintos de cero";

Aviso Mensaje(Aviso::Tipo tipo, std::string texto, std::string titulo, std::string breve = "",
              int foco = 0)
{
    Aviso a;
    a.tipo = tipo;
    a.texto = std::move(texto);
    a.titulo = std::move(titulo);
    a.icono = tipo == Aviso::Tipo::Pregunta ? Aviso::Icono::Pregunta : Aviso::Icono::Ninguno;
    a.breve = std::move(breve);
    a.foco = foco;
    return a;
}

void Rechaza(Interlocutor& interlocutor, std::string texto, std::string titulo, std::string breve,
             int foco = 0)
{
    interlocutor.Avisa(
        Mensaje(Aviso::Tipo::Rechazo, std::move(texto), std::move(titulo), std::move(breve), foco));
}

// Una corrección de la orden: el valor como lo mostrará su casilla, el aviso y
// lo que queda anticuado (el Fa de una clase de apoyo).
void Corrige(Proyecto& p, Interlocutor& interlocutor, double& campo, double valor,
             const std::string& mensaje, const char* titulo, const char* nombre, int foco)
{
    campo = ComoSeMuestra(valor);
    p.Modificado = 1;
    RehaceFaDeLaClase(p);
    interlocutor.Avisa(Mensaje(Aviso::Tipo::Correccion, mensaje, titulo,
                               std::string(nombre) + " a " + TextoNumero(campo) + " m", foco));
}

// La profundidad de la zanja inducida, que solo cuenta en ella; false si no
// se puede calcular (sin anchura b2).
bool CompruebaZanjaInducida(Proyecto& p, Interlocutor& interlocutor)
{
    if (p.InstalacionIndex != InstalacionZanjaInducida)
        return true;
    const CorreccionHr2 hr2 = CorrigeHr2(p.hr2, p.b2, true);
    switch (hr2.accion) {
    case CorreccionHr2::Accion::Ninguna: return true;
    case CorreccionHr2::Accion::Corrige:
        Corrige(p, interlocutor, p.hr2, hr2.hr2, hr2.mensaje, TituloPrograma, "hr2", CasillaB2);
        return true;
    case CorreccionHr2::Accion::PideB2: break;
    }
    Rechaza(interlocutor, hr2.mensaje, TituloAviso, "Falta la anchura b2 de la zanja inducida",
            CasillaB2);
    return false;
}

// Lo que una casilla no admite al salir de ella y la orden no puede calcular;
// la memoria tampoco una clase de apoyo que el diálogo no ofrece con esa h'r.
bool CompruebaDatos(const Proyecto& p, Interlocutor& interlocutor, bool claseDeApoyo)
{
    std::string imposible = DatosImposibles(p);
    if (imposible.empty() && claseDeApoyo)
        imposible = ClaseFueraDeProyeccion(p);
    if (imposible.empty())
        return true;
    Rechaza(interlocutor, imposible, TituloAviso, imposible);
    return false;
}

// El Fa de una clase sigue a los datos con que se calcula, vengan de donde
// vengan; si el guardado era de otros datos (un archivo de antes), se dice.
void SigueLaClase(Proyecto& p, Interlocutor& interlocutor)
{
    const double antes = p.Fa;
    RehaceFaDeLaClase(p);
    if (p.Fa == antes || p.Fa <= 0)
        return;
    p.Modificado = 1;
    interlocutor.Avisa(
        Mensaje(Aviso::Tipo::Correccion,
                "El factor de apoyo de la clase " + LetraClaseTerraplen(p.Tipo) +
                    " no corresponde a los datos del caso (Fa = " + TextoNumero(antes) +
                    "): se rehace con ellos, Fa = " + TextoNumero(p.Fa) + ".",
                TituloAviso, "Fa a " + TextoNumero(p.Fa), CasillaFa));
}

bool CompruebaFactor(const Proyecto& p, Interlocutor& interlocutor)
{
    if (p.Fa > 0)
        return true;
    Rechaza(interlocutor, "Debe indicar el Factor de Apoyo", "¡ Atención !",
            "Falta el factor de apoyo", CasillaFa);
    return false;
}

}  // namespace

std::string TextoTraficoSinContar(const Proyecto& p)
{
    const std::string trafico =
        p.TraficoIndex == 1
            ? "El tráfico ferroviario (" + ListaVias.Texto(p.ViaIndex) + ")"
            : "El tráfico aéreo (" + ListaAeropuertos.Texto(p.AeropuertoIndex) + ")";
    return trafico + " no se cuenta: con hr = " + TextoNumero(p.hr) +
           " m, menos de 1 m de relleno, no carga el tubo; se cuenta desde hr = 1 m.";
}

void RehaceFaDeLaClase(Proyecto& p)
{
    if (const std::optional<double> fa = FaDeLaClase(p))
        p.Fa = *fa;
}

void CompruebaRelleno(Proyecto& p, Interlocutor& interlocutor)
{
    const CorreccionCasilla hr = CompruebaAlturaRelleno(p);
    if (!hr.mensaje.empty())
        Corrige(p, interlocutor, p.hr, hr.valor, hr.mensaje, TituloAviso, "hr", CasillaHr);
    const ConsejoTrafico carretera = ConsejoCarretera(p.hr, p.CarreteraIndex);
    if (!carretera.mensaje.empty()) {
        Aviso consejo = Mensaje(Aviso::Tipo::Consejo, carretera.mensaje, TituloAviso);
        consejo.icono = Aviso::Icono::Informacion;
        interlocutor.Avisa(consejo);
    }
}

void CompruebaEspesor(Proyecto& p, Interlocutor& interlocutor)
{
    const std::string aviso = AvisoEspesorPared(p);
    if (!aviso.empty())
        p.AvisoEspesor = interlocutor.Pregunta(Mensaje(Aviso::Tipo::Pregunta, aviso, TituloAviso,
                                                       "por el espesor de pared", CasillaEs))
                             ? 1
                             : 0;
    CompruebaRelleno(p, interlocutor);
}

void CompruebaAnchura(Proyecto& p, Interlocutor& interlocutor)
{
    const CorreccionAnchura anchura = CorrigeAnchuraZanja(p);
    if (!anchura.pregunta.empty() &&
        interlocutor.Pregunta(Mensaje(Aviso::Tipo::Pregunta, anchura.pregunta, TituloAviso,
                                      "si corregir la anchura b", CasillaB))) {
        p.b = ComoSeMuestra(anchura.b);
        p.Modificado = 1;
    }
    // El consejo mira la anchura que queda, también la recién corregida.
    const std::string consejo = ConsejoAnchuraZanja(p);
    if (!consejo.empty())
        p.AvisoAnchura = interlocutor.Pregunta(Mensaje(Aviso::Tipo::Pregunta, consejo, TituloAviso,
                                                       "por el resguardo de la zanja", CasillaB))
                             ? 1
                             : 0;
}

OrdenPreparada PreparaOrdenMemoria(Proyecto& p, Interlocutor& interlocutor)
{
    OrdenPreparada r;
    if (!CompruebaZanjaInducida(p, interlocutor))
        return r;
    SigueLaClase(p, interlocutor);
    if (!CompruebaFactor(p, interlocutor) || !CompruebaDatos(p, interlocutor, true))
        return r;
    CompruebaEspesor(p, interlocutor);
    if (GrupoZanja(p))
        CompruebaAnchura(p, interlocutor);
    if (p.RellenoIndex == RellenoUsuario && (p.fi == 0 || p.fi1 == 0 || p.gamma == 0)) {
        Rechaza(interlocutor, RellenoSinDatos, TituloPrograma,
                "Faltan datos del relleno definido por el usuario");
        return r;
    }
    // Una corrección de hr puede dejar la clase sin factor (un cálculo imposible).
    if (!CompruebaFactor(p, interlocutor))
        return r;
    if (TraficoPesadoSinContar(p)) {
        r.sinTraficoPesado = true;
        interlocutor.Avisa(
            Mensaje(Aviso::Tipo::Nota, TextoTraficoSinContar(p), TituloAviso,
                    p.TraficoIndex == 1 ? "sin el tren (hr < 1 m)" : "sin el avión (hr < 1 m)"));
    }
    r.calcula = true;
    return r;
}

OrdenCalculada OrdenMemoria(Proyecto& p, Interlocutor& interlocutor, std::uint8_t modo)
{
    OrdenCalculada r;
    r.preparada = PreparaOrdenMemoria(p, interlocutor);
    if (!r.preparada.calcula)
        return r;
    r.informe = CalculaInforme(p, interlocutor, modo);
    r.calculada = true;
    return r;
}

MemoriasUneAstm OrdenMemorias(Proyecto& p, Interlocutor& interlocutor)
{
    MemoriasUneAstm m;
    OrdenCalculada une = OrdenMemoria(p, interlocutor, 1);
    m.preparada = une.preparada;
    if (!une.calculada)
        return m;
    m.calculadas = true;
    m.une = std::move(une.informe);
    m.calculado = p;
    // La orden ASTM sobre el registro ya corregido no corrige ni pregunta nada más.
    m.astm = CalculaInforme(p, interlocutor, 2);
    return m;
}

OrdenHojasPreparada OrdenHojas(Proyecto& p, Interlocutor& interlocutor, int tag)
{
    OrdenHojasPreparada r;
    if (!CompruebaZanjaInducida(p, interlocutor))
        return r;
    SigueLaClase(p, interlocutor);
    if (!CompruebaDatos(p, interlocutor, false))
        return r;
    CompruebaEspesor(p, interlocutor);
    if (p.hr < 0.5)  // también hr = 0, que la comprobación de hr no toca
        Corrige(p, interlocutor, p.hr, 0.5,
                "Hr debe tomar un valor mayor o igual a 0.5, por lo que se corrige automáticamente",
                TituloPrograma, "hr", CasillaHr);
    r.modo = tag != 0 ? 2 : 1;
    if (GrupoZanja(p)) {
        CompruebaAnchura(p, interlocutor);
        r.hoja = HojaResultados::Zanjas;
    } else {
        r.hoja = HojaResultados::Terraplen;
    }
    r.abre = true;
    return r;
}

OrdenPredefinidos PreparaPredefinidos(const Proyecto& p)
{
    if (p.InstalacionIndex == InstalacionZanjaInducida && (p.hr == 0 || p.b2 == 0 || p.hr2 == 0))
        return {DialogoApoyo::Ninguno,
                "No se puede utilizar Predefinidos si la Altura de relleno (hr), la Anchura de la "
                "zanja (b2) o la Altura de la zanja (hr2) valen 0",
                "Aviso"};
    if (GrupoZanja(p))
        return {DialogoApoyo::Cama, "", ""};
    if (p.RellenoIndex == RellenoUsuario && p.fi == 0)
        return {DialogoApoyo::Ninguno, RellenoSinDatos, "Cálculo mecánico de Tubos"};
    return {DialogoApoyo::ClaseTerraplen, "", ""};
}
