#include "complex/DecimalDigits.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace {

// Zero keeps its sign flag, which the writers ignore.
void MakeZero(DecimalDigits& d)
{
    d.digits.assign(1, '0');
    d.exponent = 0;
}

// Keeps the first `keep` digits (none when keep <= 0) and rounds half away
// from zero by the first digit dropped.
DecimalDigits RoundAt(DecimalDigits d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return d;
    const bool up = keep >= 0 && d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(keep > 0 ? static_cast<std::size_t>(keep) : 0);
    if (up) {
        auto digit = d.digits.rbegin();
        for (; digit != d.digits.rend() && *digit == '9'; ++digit)
            *digit = '0';
        if (digit != d.digits.rend()) {
            ++*digit;
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.IsZero())
        MakeZero(d);
    return d;
}

}  // namespace

char DecimalDigits::DigitAt(int index) const
{
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)]
                                                                  : '0';
}

DecimalDigits ToDecimal18(long double x)
{
    // A value loaded from a file may be a pseudo-denormal, an x87 encoding
    // that no arithmetic produces. The FPU reads it as the number it stands
    // for, but std::to_chars decodes its bits as a denormal and writes a far
    // smaller number. An addition gives the encoding arithmetic uses, so
    // the text is that of the value every calculation sees. (It turns -0
    // into +0; no text shows the sign of a zero.)
    x = x + 0.0L;
    // std::to_chars is exact, rounds ties to even and ignores the C locale:
    // "-d.ddddddddddddddddde-dddd", 26 characters at most.
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 17);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));

    DecimalDigits d;
    d.negative = text.front() == '-';
    if (d.negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    d.digits.assign(1, text[0]);
    d.digits.append(text.substr(2, e - 2));
    int magnitude = 0;
    for (const char c : text.substr(e + 2))
        magnitude = magnitude * 10 + (c - '0');
    d.exponent = text[e + 1] == '-' ? -magnitude : magnitude;
    if (d.IsZero())
        MakeZero(d);
    return d;
}

DecimalDigits RoundToSignificant(DecimalDigits d, int count)
{
    d = RoundAt(std::move(d), count);
    // A carry out of the first digit leaves one zero too many.
    if (static_cast<int>(d.digits.size()) > count)
        d.digits.resize(static_cast<std::size_t>(count));
    return d;
}

DecimalDigits RoundToDecimals(DecimalDigits d, int decimals)
{
    const int keep = d.exponent + 1 + decimals;
    return RoundAt(std::move(d), keep);
}

void DropTrailingZeros(DecimalDigits& d)
{
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
}

void AppendSignificand(std::string& text, const DecimalDigits& d, int count, char separator)
{
    text += d.DigitAt(0);
    if (count > 1) {
        text += separator;
        for (int i = 1; i < count; ++i)
            text += d.DigitAt(i);
    }
}

void AppendExponent(std::string& text, int exponent, int minDigits)
{
    char buffer[16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::abs(exponent));
    const int length = static_cast<int>(written.ptr - buffer);
    if (length < minDigits)
        text.append(static_cast<std::size_t>(minDigits - length), '0');
    text.append(buffer, written.ptr);
}
