#include "interlocutor.h"

#include <algorithm>

bool RespondeNo::SubeAlturaRelleno(const std::string& pregunta)
{
    if (std::find(preguntas.begin(), preguntas.end(), pregunta) == preguntas.end())
        preguntas.push_back(pregunta);
    return false;
}
