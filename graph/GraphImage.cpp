#include "graph/GraphImage.h"

#include <QPainter>

GraphImage::GraphImage(QWidget* parent) : QWidget(parent) {}

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
    painter.drawImage(0, 0, surface_);
}
