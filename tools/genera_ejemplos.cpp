// Escribe los proyectos de ejemplo de ejemplos/ con el propio escritor de
// archivos: genera-ejemplos CARPETA.

#include <algorithm>
#include <iostream>
#include <string>

#include "apoyo.h"
#include "archivo.h"
#include "informe.h"
#include "factor_apoyo.h"
#include "interlocutor.h"
#include "ordenes.h"
#include "proyecto.h"

namespace {

Proyecto Nuevo()
{
    Proyecto p;
    InicializaDatos(p);
    return p;
}

void Tubo(Proyecto& p, double Di, double Es)
{
    p.Di = Di;
    p.Es = Es;
    p.De = Di + 2 * Es;
}

// Factor de apoyo de la clase de terraplén elegida, como lo deja el diálogo.
void ClaseTerraplen(Proyecto& p, std::int8_t clase)
{
    p.Tipo = clase;
    p.n = p.hr1 / p.De;
    p.Fa = FaDeLaClase(p).value_or(0);
}

// Calcula la memoria en modo UNE, como al pulsar "Calcular Clase Resistente UNE".
void Calcula(Proyecto& p)
{
    RespondeNo no;
    OrdenMemoria(p, no, 1);
}

bool Escribe(Proyecto& p, const std::string& carpeta, const std::string& nombre)
{
    const ResultadoGuardar r = GuardaArchivo(p, carpeta + "/" + nombre);
    if (!r.guardado)
        std::cerr << r.error << '\n';
    return r.guardado;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Uso: genera-ejemplos CARPETA\n";
        return 2;
    }
    const std::string carpeta = argv[1];
    bool bien = true;

    // Colector de 1000 mm en zanja con taludes, bajo una calle con tráfico pesado.
    Proyecto zanja = Nuevo();
    zanja.MObra = {"Colector de pluviales de la Avenida del Puerto", "Tramo 2: P.K. 0+350 a 0+720"};
    zanja.MSeccion = {"Sección tipo 1: zanja con taludes 1:5", "Cama granular compactada a 180º"};
    zanja.MCliente = {"Ayuntamiento de Villanueva del Río"};
    Tubo(zanja, 1.0, 0.109);
    zanja.hr = 2.5;
    zanja.TaludDefinido = 1;
    zanja.Resguardo = 0.43;
    zanja.b = 2.605;
    zanja.Fa = 1.9;
    zanja.Tipo = 10;
    zanja.RellenoIndex = 2;
    zanja.CarreteraIndex = 3;
    zanja.CompactadorIndex = 1;
    zanja.pq = 2.0;
    zanja.ValorA = "a=0.609 m.";
    zanja.ValorB = "b=2.605 m.";
    zanja.ValorC = "c=0.1 m.(Suelo)";
    zanja.ValorC2 = "c=0.23 m.(Roca)";
    Calcula(zanja);
    bien &= Escribe(zanja, carpeta, "zanja.txt");

    // Marco de 1500 mm bajo el terraplén de una vía de ferrocarril doble.
    Proyecto terraplen = Nuevo();
    terraplen.MObra = {"Paso inferior de drenaje bajo la línea férrea", "P.K. 12+480"};
    terraplen.MSeccion = {"Terraplén de 4 m sobre la clave"};
    terraplen.MCliente = {"Administrador de infraestructuras ferroviarias"};
    terraplen.InstalacionIndex = InstalacionTerraplen;
    Tubo(terraplen, 1.5, 0.15);
    terraplen.hr = 4.0;
    terraplen.hr1 = 0.9;
    terraplen.RellenoIndex = 3;
    terraplen.BaseIndex = 0;
    terraplen.TraficoIndex = 1;
    terraplen.ViaIndex = 1;
    terraplen.SentidoViaIndex = 0;
    terraplen.NVias = 2;
    terraplen.V = 120;
    terraplen.ValorA = "a=0.72 m.";
    terraplen.ValorB = "b>=2.25 m.";
    terraplen.ValorC = "c>=0.1 m.(Suelo)";
    terraplen.ValorC2 = "c>=0.23 m.(Roca)";
    ClaseTerraplen(terraplen, 1);
    Calcula(terraplen);
    bien &= Escribe(terraplen, carpeta, "terraplen.txt");

    // Tubo de 600 mm en zanja terraplenada junto a la plataforma de un aeropuerto.
    Proyecto terraplenada = Nuevo();
    terraplenada.MObra = {"Drenaje longitudinal de la calle de rodaje B"};
    terraplenada.MSeccion = {"Zanja de 1.5 m bajo terraplén de 1 m"};
    terraplenada.MCliente = {"Aeropuerto de Castrobermejo"};
    terraplenada.InstalacionIndex = InstalacionZanjaTerraplenada;
    Tubo(terraplenada, 0.6, 0.075);
    terraplenada.hr = 3.0;
    terraplenada.h2r = 1.0;
    terraplenada.b = 1.5;
    terraplenada.Fa = 2.8;
    terraplenada.Tipo = 5;
    terraplenada.RellenoIndex = 1;
    terraplenada.TraficoIndex = 2;
    terraplenada.AeropuertoIndex = 1;
    terraplenada.qp = 5;
    terraplenada.D = 1.0;
    terraplenada.ValorA = "a=0.188 m.";
    terraplenada.ValorB = "b=1.5 m.";
    terraplenada.ValorC = "c=0.08 m.(Suelo)";
    terraplenada.ValorC2 = "c=0.15 m.(Roca)";
    Calcula(terraplenada);
    bien &= Escribe(terraplenada, carpeta, "zanja_terraplenada.txt");

    // Colector de 2000 mm bajo un terraplén alto con zanja inducida y relleno propio.
    Proyecto inducida = Nuevo();
    inducida.MObra = {"Encauzamiento del arroyo de la Vega", "Cruce bajo la variante norte"};
    inducida.MSeccion = {"Terraplén de 8 m con zanja inducida de 2.4 x 2 m"};
    inducida.MCliente = {"Confederación Hidrográfica", "Dirección técnica"};
    inducida.InstalacionIndex = InstalacionZanjaInducida;
    Tubo(inducida, 2.0, 0.192);
    inducida.hr = 8.0;
    inducida.b2 = 2.4;
    inducida.hr2 = 2.0;
    inducida.RellenoIndex = 5;
    inducida.fi = 30;
    inducida.fi1 = 20;
    inducida.gamma = 20;
    inducida.CarreteraIndex = 0;
    inducida.CompactadorIndex = 2;
    inducida.pq = 1.5;
    inducida.ValorA = "a=0.596 m.";
    inducida.ValorB = "b>=2.584 m.";
    inducida.ValorC = "c>=0.5 m.";
    inducida.ValorC2 = "";
    ClaseTerraplen(inducida, 0);
    Calcula(inducida);
    bien &= Escribe(inducida, carpeta, "zanja_inducida.txt");

    return bien ? 0 : 1;
}
