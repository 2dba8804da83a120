#include "graficos.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

#include "clases.h"

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

QColor ColorQ(const ColorRGB& color)
{
    return QColor(color.rojo, color.verde, color.azul);
}

QColor ColorTextoSobre(const QColor& fondo)
{
    // Luminancia percibida.
    const double luz = 0.299 * fondo.red() + 0.587 * fondo.green() + 0.114 * fondo.blue();
    return luz < 140 ? Qt::white : Qt::black;
}

double PasoRedondo(double rango, int n)
{
    const double bruto = rango / n;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (const double f : {1.0, 2.0, 2.5, 5.0})
        if (bruto <= f * potencia)
            return f * potencia;
    return 10 * potencia;
}

QColor Tinte(const std::string& clase)
{
    const std::optional<ColorRGB> color = ColorClase(clase);
    if (!color)
        return Qt::white;
    const auto mezcla = [](int c) { return 255 - (255 - c) * 45 / 100; };
    return QColor(mezcla(color->rojo), mezcla(color->verde), mezcla(color->azul));
}

QFont Letra(const QPainter& pintor, double alto, bool negrita)
{
    QFont letra = pintor.font();
    letra.setFamily("Arial");
    letra.setPixelSize(std::max(1, static_cast<int>(std::lround(alto))));
    letra.setBold(negrita);
    return letra;
}
