#pragma once

#include <QImage>
#include <QRect>
#include <string>

#include "platform/Color.h"

class TGraphXY;

// Reading a graph's drawing surface in the tests.

const QImage& SurfaceOf(const TGraphXY& graph);
platform::Color PixelAt(const QImage& surface, int x, int y);
bool AllPixelsAre(const QImage& surface, platform::Color color);

// Width and height of a text in the surface's font.
QSize TextSizeOf(const std::string& text);
// The text as the graph draws it, opaque on Back, with its top-left at (0, 0).
QImage TextPatch(const std::string& text, platform::Color color, platform::Color back);
// Whether the part of the patch that lies on the surface, with its top-left
// at (x, y), is there pixel for pixel.
bool PatchAt(const QImage& surface, const QImage& patch, int x, int y);
// Whether a pixel of the area (clipped to the surface) is darker in some
// channel than the grid's grey, as the strokes of black text are.
bool HasDarkPixel(const QImage& surface, const QRect& area);
