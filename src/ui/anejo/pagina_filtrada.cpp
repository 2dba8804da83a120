#include "pagina_filtrada.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace {

// Pasa cada orden de pintura al pintor de destino, con el estado que el
// pintor de la página le va dando; el texto, solo si su línea base cae en la zona.
class MotorFiltrado : public QPaintEngine {
public:
    MotorFiltrado(QPainter& destino, const QRectF& zona)
        : QPaintEngine(QPaintEngine::AllFeatures), destino_(destino), zona_(zona)
    {}

    bool begin(QPaintDevice*) override
    {
        destino_.save();
        base_ = destino_.transform();
        Recorta(QPainterPath(), Qt::NoClip);
        return true;
    }

    bool end() override
    {
        destino_.restore();
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& estado) override
    {
        const DirtyFlags f = estado.state();
        if (f & DirtyTransform)
            destino_.setTransform(estado.transform() * base_);
        if (f & DirtyPen)
            destino_.setPen(estado.pen());
        if (f & DirtyBrush)
            destino_.setBrush(estado.brush());
        if (f & DirtyBrushOrigin)
            destino_.setBrushOrigin(estado.brushOrigin());
        if (f & DirtyBackground)
            destino_.setBackground(estado.backgroundBrush());
        if (f & DirtyBackgroundMode)
            destino_.setBackgroundMode(estado.backgroundMode());
        if (f & DirtyFont)
            destino_.setFont(estado.font());
        if (f & DirtyHints)
            destino_.setRenderHints(estado.renderHints());
        if (f & DirtyCompositionMode)
            destino_.setCompositionMode(estado.compositionMode());
        if (f & DirtyOpacity)
            destino_.setOpacity(estado.opacity());
        if (f & DirtyClipPath)
            Recorta(estado.clipPath(),
                    estado.isClipEnabled() ? estado.clipOperation() : Qt::NoClip);
        else if (f & (DirtyClipRegion | DirtyClipEnabled)) {
            QPainterPath camino;
            camino.addRegion(estado.clipRegion());
            Recorta(camino, estado.isClipEnabled() ? estado.clipOperation() : Qt::NoClip);
        }
    }

    void drawTextItem(const QPointF& punto, const QTextItem& texto) override
    {
        const QPointF enPagina = destino_.transform().map(punto);
        if (enPagina.y() >= zona_.top() && enPagina.y() <= zona_.bottom())
            destino_.drawTextItem(punto, texto);
    }

    void drawRects(const QRectF* rects, int n) override { destino_.drawRects(rects, n); }
    void drawLines(const QLineF* lineas, int n) override { destino_.drawLines(lineas, n); }
    void drawEllipse(const QRectF& r) override { destino_.drawEllipse(r); }
    void drawPath(const QPainterPath& camino) override { destino_.drawPath(camino); }
    void drawPoints(const QPointF* puntos, int n) override { destino_.drawPoints(puntos, n); }
    void drawPolygon(const QPointF* puntos, int n, PolygonDrawMode modo) override
    {
        switch (modo) {
        case PolylineMode: destino_.drawPolyline(puntos, n); break;
        case ConvexMode: destino_.drawConvexPolygon(puntos, n); break;
        case OddEvenMode: destino_.drawPolygon(puntos, n, Qt::OddEvenFill); break;
        case WindingMode: destino_.drawPolygon(puntos, n, Qt::WindingFill); break;
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap& imagen, const QRectF& origen) override
    {
        destino_.drawPixmap(r, imagen, origen);
    }
    void drawImage(const QRectF& r, const QImage& imagen, const QRectF& origen,
                   Qt::ImageConversionFlags flags) override
    {
        destino_.drawImage(r, imagen, origen, flags);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap& imagen, const QPointF& desde) override
    {
        destino_.drawTiledPixmap(r, imagen, desde);
    }

private:
    // El recorte de la página siempre; el que pida el documento, dentro de él.
    void Recorta(const QPainterPath& camino, Qt::ClipOperation operacion)
    {
        const QTransform actual = destino_.transform();
        destino_.setTransform(QTransform());
        destino_.setClipRect(zona_);
        destino_.setTransform(actual);
        if (operacion != Qt::NoClip)
            destino_.setClipPath(camino, Qt::IntersectClip);
    }

    QPainter& destino_;
    QRectF zona_;
    QTransform base_;
};

}  // namespace

PaginaFiltrada::PaginaFiltrada(QPainter& destino, const QRectF& zona)
    : destino_(destino), motor_(std::make_unique<MotorFiltrado>(destino, zona))
{}

PaginaFiltrada::~PaginaFiltrada() = default;

QPaintEngine* PaginaFiltrada::paintEngine() const
{
    return motor_.get();
}

int PaginaFiltrada::metric(PaintDeviceMetric metrica) const
{
    // Las medidas del PDF: el documento se dispuso para él.
    const QPaintDevice& d = *destino_.device();
    switch (metrica) {
    case PdmWidth: return d.width();
    case PdmHeight: return d.height();
    case PdmWidthMM: return d.widthMM();
    case PdmHeightMM: return d.heightMM();
    case PdmNumColors: return d.colorCount();
    case PdmDepth: return d.depth();
    case PdmDpiX: return d.logicalDpiX();
    case PdmDpiY: return d.logicalDpiY();
    case PdmPhysicalDpiX: return d.physicalDpiX();
    case PdmPhysicalDpiY: return d.physicalDpiY();
    case PdmDevicePixelRatio: return d.devicePixelRatio();
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(d.devicePixelRatioF() * QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
