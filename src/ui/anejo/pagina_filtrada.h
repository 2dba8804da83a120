#pragma once
// Un dispositivo de pintura que pasa todo lo que se dibuja a otro pintor salvo
// el texto que cae fuera de una zona. Qt dibuja de un documento de texto los
// bloques y las filas de tabla que tocan el recorte, y alguna más: el
// recorte las tapa, pero su texto seguiría dentro del PDF, invisible, y un
// buscador lo encontraría dos veces. Así cada página lleva solo su texto.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>

#include <memory>

class QPainter;

class PaginaFiltrada : public QPaintDevice {
public:
    // destino: el pintor del PDF, ya empezado; zona: dónde puede ir el texto,
    // en coordenadas del dispositivo de destino.
    PaginaFiltrada(QPainter& destino, const QRectF& zona);
    ~PaginaFiltrada() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metrica) const override;

private:
    QPainter& destino_;
    std::unique_ptr<QPaintEngine> motor_;
};
