// Escritura del archivo de proyecto: el texto exacto. El guardado seguro, propio
// de cada sistema, está en guardado_posix.cpp y guardado_windows.cpp.

#include "archivo.h"

#include "claves.h"
#include "listas.h"
#include "numero.h"
#include "proyecto.h"
#include "texto1252.h"

namespace {

class Escritor {
public:
    // Con anota, lleva la cuenta de los caracteres que 1252 no tiene.
    explicit Escritor(bool anota) : anota_(anota) {}
    void Linea(std::string_view texto)
    {
        // Un salto de línea dentro de un valor rompería el formato.
        for (const char ch : A1252(texto))
            salida_ += (ch == '\r' || ch == '\n') ? ' ' : ch;
        salida_ += "\r\n";
        if (anota_)
            AnadeCaracteresSin1252(texto, sin1252_);
    }
    void Clave(int clave) { Linea(Claves[clave - 1]); }
    void Numero(int clave, double valor)
    {
        Clave(clave);
        Linea("   " + TextoNumero(valor));
    }
    void Lista(int clave, const ListaTextos& lista, std::uint8_t indice)
    {
        Clave(clave);
        Linea(lista.Texto(indice));
    }
    void Texto(int clave, const std::string& texto)
    {
        Clave(clave);
        Linea(texto);
    }
    void Bloque(int clave, const std::vector<std::string>& lineas)
    {
        Clave(clave);
        for (const std::string& linea : lineas)
            Linea(linea);
    }
    std::string Resultado() { return std::move(salida_); }
    // Los caracteres escritos "?" porque 1252 no los tiene (UTF-8, sin repetir).
    std::string Sin1252() { return std::move(sin1252_); }

private:
    bool anota_;
    std::string salida_;
    std::string sin1252_;
};

Escritor Escribe(const Proyecto& p, bool anota)
{
    Escritor e(anota);
    e.Clave(ClaveTitulo);
    e.Bloque(ClaveObra, p.MObra);
    e.Bloque(ClaveSeccion, p.MSeccion);
    e.Bloque(ClaveCliente, p.MCliente);
    e.Lista(ClaveBase, ListaBases, p.BaseIndex);
    e.Lista(ClaveInstalacion, ListaInstalaciones, p.InstalacionIndex);
    e.Numero(ClaveTipo, p.Tipo);
    if (p.InstalacionIndex == InstalacionTerraplen)
        e.Numero(ClaveN, p.n);
    e.Lista(ClaveRelleno, ListaRellenos, p.RellenoIndex);
    e.Lista(ClaveCarretera, ListaCarreteras, p.CarreteraIndex);
    const double geometria[] = {p.b,  p.C,  p.Ct, p.Cz, p.Czt, p.c,
                                p.De, p.Di, p.Es, p.Fa, p.fck, p.fi};
    for (int k = 0; k < 12; ++k)
        e.Numero(8 + k, geometria[k]);
    e.Numero(34, p.fi1);
    const double relleno[] = {p.gamma, p.ho, p.hr, p.hr1, p.h2r, p.lambda, p.mi, p.mi1, p.pi, p.qm};
    for (int k = 0; k < 10; ++k)
        e.Numero(20 + k, relleno[k]);
    e.Numero(36, p.qp);
    e.Numero(35, p.D);
    e.Numero(30, p.qr);
    e.Numero(31, p.qs);
    e.Numero(32, p.qTotal);
    e.Texto(39, p.ValorA);
    e.Texto(40, p.ValorB);
    e.Texto(41, p.ValorC);
    e.Texto(42, p.ValorC2);
    if (p.TaludDefinido) {
        e.Numero(44, p.TaludH);
        e.Numero(45, p.TaludV);
        e.Numero(46, p.Resguardo);
    }
    e.Lista(ClaveTrafico, ListaTraficos, p.TraficoIndex);
    e.Lista(ClaveAeropuerto, ListaAeropuertos, p.AeropuertoIndex);
    e.Lista(ClaveVia, ListaVias, p.ViaIndex);
    e.Numero(50, p.dh);
    e.Numero(ClaveNVias, p.NVias);
    e.Lista(ClaveCompactador, ListaCompactadores, p.CompactadorIndex);
    const double finales[] = {p.pq, p.b2, p.hr2, p.V, p.lambdaFa};
    for (int k = 0; k < 5; ++k)
        e.Numero(53 + k, finales[k]);
    e.Lista(ClaveSentidoVia, ListaSentidosVia, p.SentidoViaIndex);
    return e;
}

}  // namespace

std::string TextoArchivo(const Proyecto& p)
{
    return Escribe(p, false).Resultado();
}

std::string CaracteresNoGuardables(const Proyecto& p)
{
    return Escribe(p, true).Sin1252();
}

ResultadoGuardar GuardaArchivo(Proyecto& p, const std::string& nombre)
{
    const ResultadoGuardar guardado = GuardaContenido(TextoArchivo(p), nombre);
    if (guardado.guardado) {
        p.Modificado = 0;
        p.FileName = nombre;
    }
    return guardado;
}
