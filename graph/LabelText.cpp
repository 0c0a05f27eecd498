#include "graph/LabelText.h"

#include <cfloat>
#include <charconv>
#include <vector>

#include "platform/Regional.h"

namespace {

int PrecisionOf(const std::string& format)
{
    const auto point = format.find('.');
    if (point == std::string::npos)
        return 6;
    int precision = 0;
    for (auto i = point + 1; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
        precision = precision * 10 + (format[i] - '0');
    return precision;
}

}  // namespace

std::string FormatLabel(const std::string& format, long double value)
{
    const int precision = PrecisionOf(format);
    // Room for every digit of the largest extended value, sign, point and decimals.
    std::vector<char> text(std::size_t(LDBL_MAX_10_EXP + precision + 8));
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, precision);
    std::string label(text.data(), result.ptr);
    if (const auto point = label.find('.'); point != std::string::npos)
        label[point] = platform::DecimalSeparator();
    return label;
}
