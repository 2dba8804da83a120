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
    const ColorRGB color{static_cast<std::uint8_t>(fondo.red()),
                         static_cast<std::uint8_t>(fondo.green()),
                         static_cast<std::uint8_t>(fondo.blue())};
    return FondoOscuro(color) ? Qt::white : Qt::black;
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
