#pragma once

#include <QColor>

#include "platform/Color.h"

// Colours of the core (0x00BBGGRR, or a system colour) as the toolkit's and back.
QColor ToQColor(platform::Color color);
platform::Color FromQColor(const QColor& color);
