#include "graph/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

QColor ToQColor(platform::Color color)
{
    if (platform::IsSystemColor(color)) {
        const QPalette palette = QGuiApplication::palette();
        if (color == platform::clBtnFace)
            return palette.color(QPalette::Button);
        if (color == platform::clWindow)
            return palette.color(QPalette::Base);
        return palette.color(QPalette::Window);
    }
    return QColor(platform::RedOf(color), platform::GreenOf(color), platform::BlueOf(color));
}

platform::Color FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return platform::MakeColor(std::uint8_t(rgb.red()), std::uint8_t(rgb.green()), std::uint8_t(rgb.blue()));
}
