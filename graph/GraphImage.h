#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include "platform/Color.h"

// The font of every graph's canvas: the toolkit's default family at 10
// pixels, the size of the classic 8-point canvas font, so that the longest
// diagram title fits a picture of the panel's design width.
QFont GraphCanvasFont();

// The image control of a graph. It owns the drawing surface and shows it at
// its top-left corner without stretching. The surface is made at the
// control's size when it is first drawn upon and keeps that size, whatever
// happens to the control, until SetSurfaceSize.
class GraphImage : public QWidget {
public:
    explicit GraphImage(QWidget* parent);

    bool HasSurface() const { return hasSurface_; }
    QImage& Surface();  // made on first use
    void SetSurfaceSize(const QSize& size);

    // The brush colour of the surface's canvas: fills, and the background
    // behind text, which is drawn opaque.
    platform::Color BrushColor() const { return brushColor_; }
    void SetBrushColor(platform::Color color) { brushColor_ = color; }

    const QFont& CanvasFont() const { return canvasFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage NewSurface(const QSize& size) const;

    QImage surface_;
    QFont canvasFont_;
    bool hasSurface_ = false;
    platform::Color brushColor_ = 0x00FFFFFF;  // a new bitmap's white brush
};
