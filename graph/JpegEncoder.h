#pragma once

#include <string>

class QImage;

// The picture as a JPEG (JFIF) file's bytes, made by libjpeg: 24-bit RGB
// input, quality 90 with baseline-compatible tables, sequential, scanlines
// top to bottom. A libjpeg error throws std::runtime_error with its message.
std::string EncodeJpeg(const QImage& image);
