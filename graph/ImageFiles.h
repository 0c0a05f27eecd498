#pragma once

#include <string>

class QImage;

// Write the picture to the file Target, replacing an existing file only once
// the new one is complete: a failure leaves the old file as it was and no
// temporary file behind. A failure throws std::runtime_error naming the file.
void WriteJpegFile(const QImage& image, const std::string& Target);
void WriteBmpFile(const QImage& image, const std::string& Target);  // a Windows bitmap file
