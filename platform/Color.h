#pragma once

#include <cstdint>

namespace platform {

// A colour as 0x00BBGGRR (red in the low byte). Values with the top bit set
// name a system colour that the front end resolves from its palette.
using Color = std::uint32_t;

constexpr Color MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Color(red) | (Color(green) << 8) | (Color(blue) << 16);
}

constexpr std::uint8_t RedOf(Color c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(Color c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Color c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }

constexpr Color clBlack = 0x00000000;
constexpr Color clBtnFace = 0x8000000F;  // the system's button-face colour
constexpr Color clWindow = 0x80000005;   // the system's window (edit box) colour

}  // namespace platform
