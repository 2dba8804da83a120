#include "interlocutor.h"

#include <algorithm>

void RespondeNo::Avisa(const Aviso& aviso)
{
    // Una misma pregunta del cálculo se repite en cada celda de una hoja: una nota basta.
    const bool dicho = std::any_of(dichos.begin(), dichos.end(), [&](const Aviso& a) {
        return a.tipo == aviso.tipo && a.texto == aviso.texto;
    });
    if (!dicho)
        dichos.push_back(aviso);
}

bool RespondeNo::Pregunta(const Aviso& pregunta)
{
    Avisa(pregunta);
    return false;
}

bool RespondeNo::SubeAlturaRelleno(const std::string& pregunta)
{
    if (std::find(preguntas.begin(), preguntas.end(), pregunta) == preguntas.end())
        preguntas.push_back(pregunta);
    Aviso aviso;
    aviso.tipo = Aviso::Tipo::Pregunta;
    aviso.texto = pregunta;
    aviso.icono = Aviso::Icono::Pregunta;
    aviso.breve = "si subir hr a 1 m";
    Avisa(aviso);
    return false;
}

const Aviso* RespondeNo::Rechazo() const
{
    for (const Aviso& a : dichos)
        if (a.tipo == Aviso::Tipo::Rechazo)
            return &a;
    return nullptr;
}

std::vector<std::string> RespondeNo::Notas() const
{
    std::vector<std::string> notas;
    for (const Aviso& a : dichos) {
        if (a.tipo == Aviso::Tipo::Pregunta)
            notas.push_back(a.texto + " (respondida No)");
        else if (a.tipo != Aviso::Tipo::Rechazo)
            notas.push_back(a.texto);
    }
    return notas;
}
