#include "complex/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <vector>

#include "complex/DecimalDigits.h"
#include "platform/Regional.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& position)
{
    const std::size_t begin = position;
    while (position < text.size() && IsDigit(text[position]))
        ++position;
    return text.substr(begin, position - begin);
}

// The pieces of [sign] digits [separator digits] [e|E [sign] digits].
struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool negativeExponent = false;
    std::string_view exponentDigits;
};

std::optional<DecimalText> ParseDecimalText(std::string_view text, char separator)
{
    DecimalText parsed;
    std::size_t position = 0;
    if (position < text.size() && (text[position] == '+' || text[position] == '-'))
        parsed.negative = text[position++] == '-';
    parsed.integerDigits = TakeDigits(text, position);
    if (position < text.size() && text[position] == separator)
        parsed.fractionDigits = TakeDigits(text, ++position);
    if (parsed.integerDigits.empty() && parsed.fractionDigits.empty())
        return std::nullopt;
    if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
        ++position;
        if (position < text.size() && (text[position] == '+' || text[position] == '-'))
            parsed.negativeExponent = text[position++] == '-';
        parsed.exponentDigits = TakeDigits(text, position);
        if (parsed.exponentDigits.empty())
            return std::nullopt;
    }
    if (position != text.size())
        return std::nullopt;
    return parsed;
}

// The written exponent, saturated far beyond any exponent that matters.
std::int64_t ExponentValue(const DecimalText& parsed)
{
    constexpr std::int64_t kLimit = 1'000'000'000'000;
    std::int64_t magnitude = 0;
    for (const char c : parsed.exponentDigits)
        magnitude = std::min(kLimit, magnitude * 10 + (c - '0'));
    return parsed.negativeExponent ? -magnitude : magnitude;
}

// Denormals are k x 2^-16445 with k < 2^63.
constexpr int kDenormalScale = 16445;
// Every midpoint between two denormals has an exact decimal expansion of
// fewer significant digits than this, so further digits only count as
// "something non-zero follows".
constexpr std::size_t kDenormalDigits = 12000;
// Below 10^-4951 everything rounds to zero (half the smallest denormal is
// about 1.8e-4951).
constexpr std::int64_t kZeroLeadExponent = -4952;

// A value below the smallest normal, correctly rounded (ties to even):
// digits x 10^exponent10 x 2^16445, computed exactly in decimal, has the
// denormal's mantissa k as its integer part. `digits` start with a non-zero
// digit; `sticky` says non-zero digits were cut off after them.
long double DenormalValue(std::string_view digits, std::int64_t exponent10, bool sticky)
{
    const std::int64_t leadExponent = exponent10 + static_cast<std::int64_t>(digits.size()) - 1;
    if (leadExponent < kZeroLeadExponent)
        return 0;

    constexpr std::uint32_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs;  // base 10^9, least significant first
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end >= 9 ? end - 9 : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = begin; i < end; ++i)
            limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        limbs.push_back(limb);
        end = begin;
    }
    for (int shift = kDenormalScale; shift > 0; shift -= 29) {
        const int bits = std::min(shift, 29);
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = (static_cast<std::uint64_t>(limb) << bits) + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
    }
    std::string scaled = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        scaled.append(9 - part.size(), '0');
        scaled += part;
    }

    // The point sits -exponent10 digits from the right end of `scaled`.
    const std::size_t fractionLength = static_cast<std::size_t>(-exponent10);
    if (scaled.size() < fractionLength)
        scaled.insert(0, fractionLength - scaled.size(), '0');
    const std::size_t integerLength = scaled.size() - fractionLength;
    std::uint64_t mantissa = 0;
    for (std::size_t i = 0; i < integerLength; ++i)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(scaled[i] - '0');
    const char first = scaled[integerLength];
    const bool beyondHalf = sticky || scaled.find_first_not_of('0', integerLength + 1) != std::string::npos;
    if (first > '5' || (first == '5' && (beyondHalf || mantissa % 2 == 1)))
        ++mantissa;
    return std::ldexp(static_cast<long double>(mantissa), -kDenormalScale);
}

// The result of an underflow, which std::from_chars refuses: zero or a
// denormal. Nullopt when the range error was an overflow.
std::optional<long double> UnderflowValue(const DecimalText& parsed)
{
    std::string digits(parsed.integerDigits);
    digits += parsed.fractionDigits;
    std::int64_t exponent10 = ExponentValue(parsed) - static_cast<std::int64_t>(parsed.fractionDigits.size());
    digits.erase(0, digits.find_first_not_of('0'));
    bool sticky = false;
    if (digits.size() > kDenormalDigits) {
        sticky = digits.find_first_not_of('0', kDenormalDigits) != std::string::npos;
        exponent10 += static_cast<std::int64_t>(digits.size() - kDenormalDigits);
        digits.resize(kDenormalDigits);
    }
    // A value of 1 or more out of range is an overflow.
    if (digits.empty() || exponent10 + static_cast<std::int64_t>(digits.size()) > 0)
        return std::nullopt;
    const long double magnitude = DenormalValue(digits, exponent10, sticky);
    return parsed.negative ? -magnitude : magnitude;
}

}  // namespace

std::string FormatGeneral(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    DecimalDigits d = RoundToSignificant(ToDecimal18(value), 15);
    DropTrailingZeros(d);
    if (d.IsZero())
        return "0";

    const char separator = platform::DecimalSeparator();
    const int count = static_cast<int>(d.digits.size());
    std::string text = d.negative ? "-" : "";
    if (d.exponent >= -4 && d.exponent < 15) {
        if (d.exponent < 0) {
            text += '0';
            text += separator;
            text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            text += d.digits;
        } else {
            for (int i = 0; i <= d.exponent; ++i)
                text += d.DigitAt(i);
            if (count > d.exponent + 1) {
                text += separator;
                text.append(d.digits, static_cast<std::size_t>(d.exponent + 1));
            }
        }
        return text;
    }
    AppendSignificand(text, d, count, separator);
    text += d.exponent < 0 ? "E-" : "E";
    AppendExponent(text, d.exponent, 1);
    return text;
}

bool TextToInteger(std::string_view text, std::int32_t& value)
{
    std::size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-'))
        negative = text[position++] == '-';
    const std::string_view digits = TakeDigits(text, position);
    if (digits.empty() || position != text.size())
        return false;
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit)
            return false;
    }
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(result);
    return true;
}

bool TextToFloat(std::string_view text, long double& value)
{
    // The syntax is checked here, so the C library's locale and its extra
    // notations (blanks, hex, inf, nan) never come into it.
    const std::optional<DecimalText> parsed = ParseDecimalText(text, platform::DecimalSeparator());
    if (!parsed)
        return false;
    std::string normalised = parsed->negative ? "-" : "";
    normalised += parsed->integerDigits.empty() ? std::string_view("0") : parsed->integerDigits;
    if (!parsed->fractionDigits.empty()) {
        normalised += '.';
        normalised += parsed->fractionDigits;
    }
    if (!parsed->exponentDigits.empty()) {
        normalised += parsed->negativeExponent ? "e-" : "e";
        normalised += parsed->exponentDigits;
    }

    long double result = 0;
    const char* const end = normalised.data() + normalised.size();
    const auto [stop, error] = std::from_chars(normalised.data(), end, result);
    if (error == std::errc() && stop == end) {
        value = result;
        return true;
    }
    if (error != std::errc::result_out_of_range)
        return false;
    const std::optional<long double> underflow = UnderflowValue(*parsed);
    if (!underflow)
        return false;
    value = *underflow;
    return true;
}
