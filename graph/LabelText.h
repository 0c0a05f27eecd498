#pragma once

#include <string>

// The text of a grid label by its fixed-point format "%-0.Nf": N decimals
// (six without a precision), no padding, a minus sign for negative values
// and the regional decimal separator, whatever the C library's locale.
std::string FormatLabel(const std::string& format, long double value);
