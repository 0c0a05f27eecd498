#include "graph/GraphImage.h"

#include <QPainter>

#include "graph/QtColor.h"

QFont GraphCanvasFont()
{
    QFont font;
    font.setPixelSize(10);
    return font;
}

GraphImage::GraphImage(QWidget* parent) : QWidget(parent), canvasFont_(GraphCanvasFont()) {}

QImage& GraphImage::Surface()
{
    if (!hasSurface_) {
        surface_ = NewSurface(size());
        hasSurface_ = true;
    }
    return surface_;
}

void GraphImage::SetSurfaceSize(const QSize& size)
{
    surface_ = NewSurface(size);
    hasSurface_ = true;
    update();
}

QImage GraphImage::NewSurface(const QSize& size) const
{
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

void GraphImage::paintEvent(QPaintEvent*)
{
    if (!hasSurface_)
        return;
    QPainter painter(this);
    // Until the next clear adapts the surface to a grown control, the part it
    // does not cover shows the canvas colour rather than the window's.
    if (surface_.width() < width() || surface_.height() < height())
        painter.fillRect(rect(), ToQColor(brushColor_));
    painter.drawImage(0, 0, surface_);
}
