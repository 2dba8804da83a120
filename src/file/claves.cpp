#include "claves.h"

#include <array>
#include <bitset>
#include <string>
#include <unordered_map>

#include "texto1252.h"

// Cada línea clave: el símbolo en un campo de 9 caracteres (si lo tiene), la
// descripción y una tira de subrayados hasta su anchura. El archivo es un
// formato compartido: estas líneas tienen que quedar exactamente así.
// clang-format off
const std::string_view Claves[NumeroClaves] = {
    "Obra:________________________________________________________________________",  // 1
    "Sección tipo:________________________________________________________________",  // 2
    "Cliente:_____________________________________________________________________",  // 3
    "Tipo de Base:________________________________________________________________",  // 4
    "Tipo de Instalacion:_________________________________________________________",  // 5
    "Tipo de Relleno:_____________________________________________________________",  // 6
    "Tipo de Trafico:_____________________________________________________________",  // 7
    "b        Anchura de la zanja en el plano de clave, en metros.________________",  // 8
    "C        Clase resistente.___________________________________________________",  // 9
    "Ct       Coeficiente de Marston en terraplén.________________________________",  // 10
    "Cz       Coeficiente de Marston en zanja.____________________________________",  // 11
    "Czt      Coeficiente de Marston en zanja terraplenada._______________________",  // 12
    "c        Espesor cama apoyo._________________________________________________",  // 13
    "De       Diámetro exterior del tubo, en metros.______________________________",  // 14
    "Di       Diámetro interior del tubo, en metros.______________________________",  // 15
    "Es       Espesor del tubo, en metros.________________________________________",  // 16
    "Fap      Factor de apoyo.____________________________________________________",  // 17
    "fck      Resistencia característica a compresión del hormigón, en MPa (N/mm2)",  // 18
    "\"fi\"     Ángulo de rozamiento interno del relleno, en grados sexagesimales.__",  // 19
    "\"gamma\"  Peso específico del relleno, en kilonewtons/metro cúbico.___________",  // 20
    "ho       Altura del plano de igual asentamiento sobre plano de clave, en metros.",  // 21
    "hr       Altura del relleno sobre el plano de clave, en metros.______________",  // 22
    "h1r      Altura del plano de clave sobre la base de un terraplén, en metros.",  // 23
    "h2r      Altura de la base de un terraplén sobre el plano de clave, en metros.",  // 24
    "\"lambda\" Coeficiente de Rankine._____________________________________________",  // 25
    "\"mi\"     Coeficiente de rozamiento interno del relleno.______________________",  // 26
    "\"mi1\"    Coeficiente rozamiento del relleno contra los pavimentos de la zanja.",  // 27
    "\"pi\"     Razón de proyección positiva._______________________________________",  // 28
    "qm       Carga producida por la sobrecarga móvil, en kilonewtons/metro lineal.",  // 29
    "qr       Carga producida por el terreno, en kilonewtons/metro lineal.________",  // 30
    "qs       Carga uniforme distribuida en superficie, en toneladas/m2___________",  // 31
    "qtotal   Suma de cargas actuantes sobre el tubo, en kilonewtons/metro lineal.",  // 32
    "Cálculo mecánico de tubos de hormigón armado según UNE 127.010.",  // 33
    "\"fi1\"    Ángulo de rozamiento del relleno contra los pavimentos de la zanja.__",  // 34
    "D        Proyección horizontal de la distancia desde el pto aplicación carga__",  // 35
    "qp       Carga aplicada puntualente, en toneladas.____________________________",  // 36
    "Tipo     Tipo de Instalación (en terraplén)___________________________________",  // 37
    "n        Factor n (=hr/De) utilizado para calcular fa en terraplén____________",  // 38
    "Valor A  Valor A calculado____________________________________________________",  // 39
    "Valor B  Valor B calculado____________________________________________________",  // 40
    "Valor C  Valor C calculado____________________________________________________",  // 41
    "Valor C´ Segundo valor C calculado____________________________________________",  // 42
    "qc       Carga de compactación, el toneladas/metro lineal_____________________",  // 43
    "Componente horizontal del talud ______________________________________________",  // 44
    "Componente vertical del talud ________________________________________________",  // 45
    "Resguardo lateral en la base de la zanja______________________________________",  // 46
    "Tipo Generico de Trafico______________________________________________________",  // 47
    "Tipo de trafico Aeropuerto____________________________________________________",  // 48
    "Tipo de Via Ferroviaria_______________________________________________________",  // 49
    "dh       Distancia horizontal desde la primera via ferroviaria________________",  // 50
    "Numero de vias ferroviarias___________________________________________________",  // 51
    "Tipo de Compactador___________________________________________________________",  // 52
    "Pq       Carga del Compactador por m de ancho de rodillo______________________",  // 53
    "b2       Ancho de la Zanja Inducida___________________________________________",  // 54
    "hr2      Profundidad de la Zanja Inducida_____________________________________",  // 55
    "V        Velocidad Tren_______________________________________________________",  // 56
    "Lambda Fa Terraplen___________________________________________________________",  // 57
    "Sentido de la via_____________________________________________________________",  // 58
};
// clang-format on

namespace {

// Las claves por su texto, y sus longitudes: casi toda línea que no es una
// clave se descarta solo por su longitud, sin calcular nada más.
class TablaClaves {
public:
    template <class Conversion> explicit TablaClaves(Conversion convierte)
    {
        for (int k = 0; k < NumeroClaves; ++k) {
            textos_[k] = convierte(Claves[k]);
            numeros_.emplace(textos_[k], k + 1);
            longitudes_.set(textos_[k].size());
        }
    }

    int Busca(std::string_view linea) const
    {
        if (linea.size() >= longitudes_.size() || !longitudes_[linea.size()])
            return 0;
        const auto it = numeros_.find(linea);
        return it != numeros_.end() ? it->second : 0;
    }

private:
    std::array<std::string, NumeroClaves> textos_;
    std::unordered_map<std::string_view, int> numeros_;
    std::bitset<128> longitudes_;
};

}  // namespace

int BuscaClave(std::string_view linea)
{
    static const TablaClaves tabla([](std::string_view clave) { return std::string(clave); });
    return tabla.Busca(linea);
}

int BuscaClaveArchivo(std::string_view linea1252)
{
    static const TablaClaves tabla([](std::string_view clave) { return A1252(clave); });
    return tabla.Busca(linea1252);
}
