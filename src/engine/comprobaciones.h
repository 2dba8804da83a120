#pragma once
// Lo que la ventana principal decide sobre lo tecleado: cómo se lee cada
// casilla, los valores que de ella se derivan y las correcciones y consejos
// al salir de las casillas. Alturas y anchuras en m.

#include <cstdint>
#include <string>
#include <string_view>

#include "numero.h"

struct Proyecto;

// Lo tecleado en una casilla (número real). Al salir de ella ya no se espera a
// que se termine de escribir: un número a medias cuenta entonces como imposible.
NumeroTecleado LeeTecleadoCasilla(std::string_view texto, bool saliendo);

// Lo mismo para una casilla de números enteros.
EnteroTecleado LeeEnteroCasilla(std::string_view texto, bool saliendo);

// true si el campo de número real con esa clave del archivo se guarda siempre
// en valor absoluto (la ventana lo guarda así; un negativo en un archivo no es
// de este programa).
bool CampoSinSigno(int clave);

// Un valor que ningún caso real puede tener en el campo de esa clave (un peso
// específico negativo, un ángulo de rozamiento fuera de 0..90 grados): el
// mensaje que lo rechaza, o vacío. Lo usan las casillas, el archivo y las tablas.
std::string ValorImposible(int clave, double valor);

// Qué hace la casilla del campo con clave (la del archivo) con lo tecleado.
struct LecturaCampo {
    Tecleo estado = Tecleo::AMedias;  // a medias: aún no se hace nada
    bool guarda = false;              // valor va al registro
    double valor = 0;                 // lo que se guarda, en las unidades de la casilla
    bool rehace = false;              // la casilla se reescribe con el valor guardado
    double rehecho = 0;               // el valor con que se reescribe
    std::string mensaje;              // el aviso de un texto no válido, o vacío
};
// guardado: lo que el registro tiene ahora, en las unidades de la casilla.
LecturaCampo LeeCampo(int clave, std::string_view texto, bool saliendo, double guardado);

// Claves de archivo de las casillas de la ventana principal.
enum CasillaCampo : int {
    CasillaB = 8,
    CasillaDe = 14,
    CasillaDi = 15,
    CasillaEs = 16,
    CasillaFa = 17,
    CasillaFi = 19,
    CasillaGamma = 20,
    CasillaHr = 22,
    CasillaHr1 = 23,
    CasillaH2r = 24,
    CasillaQs = 31,
    CasillaFi1 = 34,
    CasillaD = 35,
    CasillaQp = 36,
    CasillaDh = 50,
    CasillaPq = 53,
    CasillaB2 = 54,
    CasillaHr2 = 55,
    CasillaV = 56,
};

// true si el relleno es del usuario y no hay paramentos de zanja (terraplén o
// zanja inducida): el rozamiento contra ellos es entonces el interno.
bool SinParamentosDeZanja(const Proyecto& p);

// Al cambiar de instalación (p ya con la nueva): si se borran los datos del
// relleno del usuario y, fuera del terraplén, la anchura b (m) releída del
// texto de su casilla, 0 si no es un número.
struct CambioInstalacion {
    bool borraRelleno = false;  // fi, fi1 y γ vuelven a 0: sin paramentos se piden de nuevo
    bool releeB = false;
    double b = 0;
    bool rehaceB = false;  // la casilla de b pasa a "0"
};
CambioInstalacion CambiaInstalacion(const Proyecto& p, std::string_view textoB);

// Diámetros y espesor del tubo (m).
struct MedidasTubo {
    double Di = 0, Es = 0, De = 0;
};
// Con el diámetro interior tecleado (mm, sin signo): un diámetro normalizado
// trae su espesor; si no, se queda Es (m).
MedidasTubo TuboConDiametro(double DiMm, double Es);
// Con el espesor tecleado (mm, sin signo) y el diámetro interior Di (m).
MedidasTubo TuboConEspesor(double Di, double EsMm);

// Un valor corregido (m, o km/h la velocidad) con su aviso; sin aviso no hay corrección.
struct CorreccionCasilla {
    double valor = 0;
    std::string mensaje;
};

// Altura de relleno hr mínima según la instalación (0.5 m; sobre h''r, hr2 y De).
CorreccionCasilla CompruebaAlturaRelleno(const Proyecto& p);

// Aviso del espesor de pared por debajo del normalizado: la pregunta de si se
// mantiene el aviso, o vacío.
std::string AvisoEspesorPared(const Proyecto& p);

// Lo que las casillas corrigen al salir de ellas y la orden de cálculo no
// admite si llega sin corregir (de un archivo, de una fila de tramos): un valor
// imposible del relleno del usuario, h'r > De o b2 < De en la zanja inducida.
// El rechazo, o vacío. Solo se mira
// lo que la instalación usa.
std::string DatosImposibles(const Proyecto& p);

// Salida de h'r: no mayor que De (corrige hr1).
CorreccionCasilla SalidaH1r(const Proyecto& p);
// Salida de h''r: menor que hr (corrige hr).
CorreccionCasilla SalidaH2r(const Proyecto& p);
// Salida de hr2: menor que hr (corrige hr); y si toca después la corrección de hr2 por b2.
struct SalidaHr2Zanja {
    CorreccionCasilla hr;
    bool corrigeHr2 = false;
};
SalidaHr2Zanja SalidaHr2(const Proyecto& p);
// Salida de b2: como mínimo De (corrige b2).
CorreccionCasilla SalidaB2(const Proyecto& p);

// Consejos de altura de relleno al elegir el tráfico (m). pregunta: la de subir hr a 1 m.
struct ConsejoTrafico {
    std::string pregunta;
    std::string mensaje;
};
ConsejoTrafico ConsejoCarretera(double hr, std::uint8_t carretera);
ConsejoTrafico ConsejoAeropuerto(double hr, std::uint8_t aeropuerto);
ConsejoTrafico ConsejoVia(double hr, std::uint8_t via);

// Velocidad del tren tecleada (km/h, sin signo), con el tope de 200 km/h.
CorreccionCasilla VelocidadTren(double V);

// Número de vías tecleado: un byte (módulo 256) con un máximo de 10.
std::uint8_t NumeroVias(long long tecleado);
