#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as text with the regional decimal separator, independent of the C
// library's LC_NUMERIC.

// The general number format: 15 significant digits, trailing zeros dropped;
// plain decimal for 0.0001 <= |value| < 1e15, otherwise "1.5E-20" style.
std::string FormatGeneral(long double value);

// Plain decimal integer with an optional sign; false when the text is not a
// 32-bit signed integer.
bool TextToInteger(std::string_view text, std::int32_t& value);

// Decimal notation with an optional sign and exponent and the regional
// separator; false when the text does not convert or lies outside the 80-bit
// range.
bool TextToFloat(std::string_view text, long double& value);
