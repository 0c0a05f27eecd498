#include "tests/graph/SurfacePixels.h"

#include <QFontMetrics>
#include <QPainter>

#include "graph/GraphImage.h"
#include "graph/GraphXYv03.h"
#include "graph/QtColor.h"

const QImage& SurfaceOf(const TGraphXY& graph) { return graph.Image()->Surface(); }

platform::Color PixelAt(const QImage& surface, int x, int y) { return FromQColor(surface.pixelColor(x, y)); }

bool AllPixelsAre(const QImage& surface, platform::Color color)
{
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (PixelAt(surface, x, y) != color)
                return false;
    return true;
}

QSize TextSizeOf(const std::string& text)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    painter.setFont(GraphCanvasFont());
    const QFontMetrics metrics = painter.fontMetrics();
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

QImage TextPatch(const std::string& text, platform::Color color, platform::Color back)
{
    const QSize size = TextSizeOf(text);
    QImage patch(size, QImage::Format_RGB32);
    patch.fill(ToQColor(back));
    QPainter painter(&patch);
    painter.setFont(GraphCanvasFont());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(ToQColor(back));
    painter.setPen(ToQColor(color));
    painter.drawText(QPointF(0, painter.fontMetrics().ascent()), QString::fromStdString(text));
    return patch;
}

bool PatchAt(const QImage& surface, const QImage& patch, int x, int y)
{
    for (int py = 0; py < patch.height(); ++py)
        for (int px = 0; px < patch.width(); ++px) {
            const QPoint at(x + px, y + py);
            if (surface.rect().contains(at) && surface.pixel(at) != patch.pixel(px, py))
                return false;
        }
    return true;
}

bool HasDarkPixel(const QImage& surface, const QRect& area)
{
    const QRect clipped = area.intersected(surface.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QRgb pixel = surface.pixel(x, y);
            if (qRed(pixel) < 0x80 || qGreen(pixel) < 0x80 || qBlue(pixel) < 0x80)
                return true;
        }
    return false;
}
