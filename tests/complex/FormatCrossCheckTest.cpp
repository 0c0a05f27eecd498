// Cross-checks the number texts against an exact decimal expansion of the
// 80-bit value, rounded by the same two steps: first to 18 significant
// digits (ties to even on the exact digits), then half away from zero to the
// written precision.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "complex/ComplexText.h"
#include "complex/NumberText.h"
#include "tests/complex/ExactDecimal.h"
#include "tests/support/TestEnvironment.h"

namespace complex_tests {
namespace {

// A non-negative decimal value digits * 10^scale.
struct Scaled {
    std::string digits;
    int scale = 0;
};

bool IsZeroDigits(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

// Adds one to a decimal integer string.
void Increment(std::string& digits)
{
    auto digit = digits.rbegin();
    for (; digit != digits.rend() && *digit == '9'; ++digit)
        *digit = '0';
    if (digit == digits.rend())
        digits.insert(digits.begin(), '1');
    else
        ++*digit;
}

// Drops the last `count` digits of the integer, rounding half away from zero.
std::string DropHalfAway(const std::string& digits, int count)
{
    if (count <= 0)
        return digits + std::string(static_cast<std::size_t>(-count), '0');
    const auto size = static_cast<int>(digits.size());
    if (count > size)
        return "0";
    std::string kept = digits.substr(0, static_cast<std::size_t>(size - count));
    const bool up = digits[static_cast<std::size_t>(size - count)] >= '5';
    if (kept.empty())
        kept = "0";
    if (up)
        Increment(kept);
    return kept;
}

// The first step: the exact value to 18 significant digits, ties to even.
Scaled Round18(const ExactDecimal& exact)
{
    const auto size = static_cast<int>(exact.digits.size());
    if (size <= 18)
        return {exact.digits, exact.exponent10};
    std::string kept = exact.digits.substr(0, 18);
    const std::string rest = exact.digits.substr(18);
    const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && !IsZeroDigits(rest.substr(1)));
    const bool tie = rest[0] == '5' && IsZeroDigits(rest.substr(1));
    if (aboveHalf || (tie && (kept.back() - '0') % 2 == 1))
        Increment(kept);
    return {kept, exact.exponent10 + size - 18};
}

std::string Sign(bool negative, const std::string& digits) { return negative && !IsZeroDigits(digits) ? "-" : ""; }

std::string ExpectedFixed(const ExactDecimal& exact, int decimals)
{
    const Scaled v = Round18(exact);
    // The value times 10^decimals, rounded to an integer.
    std::string n = DropHalfAway(v.digits, -(v.scale + decimals));
    if (n.size() < static_cast<std::size_t>(decimals) + 1)
        n.insert(0, static_cast<std::size_t>(decimals) + 1 - n.size(), '0');
    const std::size_t point = n.size() - static_cast<std::size_t>(decimals);
    return Sign(exact.negative, n) + n.substr(0, point) + "." + n.substr(point);
}

// The value to `count` significant digits: the digits and the exponent of the first.
std::pair<std::string, int> Significant(const ExactDecimal& exact, int count)
{
    const Scaled v = Round18(exact);
    const auto size = static_cast<int>(v.digits.size());
    std::string n = DropHalfAway(v.digits, size - count);
    int lead = v.scale + size - 1;
    if (static_cast<int>(n.size()) > count) {
        n.pop_back();
        ++lead;
    }
    return {n, lead};
}

std::string TrimZeros(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

std::string ExpectedScientific(const ExactDecimal& exact, int count, bool trim)
{
    auto [n, lead] = Significant(exact, count);
    if (trim)
        n = TrimZeros(n);
    std::string exponent = std::to_string(std::abs(lead));
    exponent.insert(0, exponent.size() < 3 ? 3 - exponent.size() : 0, '0');
    std::string text = Sign(exact.negative, n) + n.substr(0, 1);
    if (n.size() > 1)
        text += "." + n.substr(1);
    return text + (lead < 0 ? "e-" : "e+") + exponent;
}

std::string ExpectedGeneral(const ExactDecimal& exact)
{
    auto [n, lead] = Significant(exact, 15);
    n = TrimZeros(n);
    const std::string sign = exact.negative ? "-" : "";
    if (lead >= -4 && lead < 15) {
        if (lead < 0)
            return sign + "0." + std::string(static_cast<std::size_t>(-lead - 1), '0') + n;
        const auto integerDigits = static_cast<std::size_t>(lead) + 1;
        if (n.size() <= integerDigits)
            return sign + n + std::string(integerDigits - n.size(), '0');
        return sign + n.substr(0, integerDigits) + "." + n.substr(integerDigits);
    }
    std::string text = sign + n.substr(0, 1);
    if (n.size() > 1)
        text += "." + n.substr(1);
    return text + "E" + std::to_string(lead);
}

// Exact text of the value for failure messages.
std::string Hex(long double x)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::hex);
    return std::string(buffer, written.ptr);
}

long double FromDecimal(const std::string& text)
{
    long double x = 0;
    std::from_chars(text.data(), text.data() + text.size(), x);
    return x;
}

std::string RandomDigits(std::mt19937_64& random, int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>('0' + random() % 10);
    if (!digits.empty() && digits[0] == '0')
        digits[0] = static_cast<char>('1' + random() % 9);
    return digits;
}

void AddWithNeighbours(std::vector<long double>& values, long double x)
{
    values.push_back(x);
    values.push_back(std::nextafter(x, 0.0L));
    values.push_back(std::nextafter(x, 2 * x));
}

// Values across the whole range, grouped by binary exponent, plus values on
// and next to the rounding boundaries of every precision.
std::vector<long double> CrossCheckValues()
{
    std::mt19937_64 random(20240611);
    std::vector<long double> values;
    auto addGroup = [&](int binaryExponent, int count) {
        for (int i = 0; i < count; ++i)
            values.push_back(std::ldexp(static_cast<long double>(random() | (1ULL << 63)), binaryExponent));
    };
    std::uniform_int_distribution<int> anyExponent(-16445, 16320);
    for (int i = 0; i < 250; ++i)
        addGroup(anyExponent(random), 8);
    // Where the fixed masks show significant digits.
    for (int e = -100; e <= -1; ++e)
        addGroup(e, 12);
    // Subnormals of every width.
    for (int bits = 1; bits < 64; ++bits)
        values.push_back(std::ldexp(static_cast<long double>((random() >> (64 - bits)) | (1ULL << (bits - 1))), -16445));
    // Around 1e18, where the fixed masks give way to the exponent form.
    long double above = 1e18L;
    long double below = 1e18L;
    for (int i = 0; i < 40; ++i) {
        values.push_back(above);
        values.push_back(below);
        above = std::nextafter(above, 2e18L);
        below = std::nextafter(below, 0.0L);
    }
    // Decimal ties of the fixed masks, i.ddd5 with the 5 just after the last
    // decimal shown, and their neighbours.
    for (const int decimals : {6, 8, 16}) {
        for (int i = 0; i < 100; ++i) {
            const int integerDigits = static_cast<int>(random() % 12);
            std::string fraction = std::string(random() % 4, '0') + RandomDigits(random, decimals);
            fraction.resize(static_cast<std::size_t>(decimals));
            const std::string integer = integerDigits ? RandomDigits(random, integerDigits) : "0";
            AddWithNeighbours(values, FromDecimal(integer + "." + fraction + "5"));
        }
    }
    // Decimal ties of the significant-digit precisions anywhere in the range.
    std::uniform_int_distribution<int> anyDecimalExponent(-4940, 4920);
    for (const int count : {6, 8, 15, 17}) {
        for (int i = 0; i < 50; ++i)
            AddWithNeighbours(values, FromDecimal(RandomDigits(random, count) + "5e" +
                                                  std::to_string(anyDecimalExponent(random))));
    }
    // Exact ties of the first step: J * 2^-k with 19 significant digits ending in 5.
    for (int k = 0; k <= 20; ++k) {
        const auto lowest = static_cast<std::uint64_t>(std::ceil(1e18L / std::pow(5.0L, k)));
        for (int i = 0; i < 10; ++i) {
            std::uint64_t j = lowest + random() % (lowest * 8);
            if (k == 0)
                j = j / 10 * 10 + 5;
            values.push_back(std::ldexp(static_cast<long double>(j | 1), -k));
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (random() % 2)
            values[i] = -values[i];
    return values;
}

TEST(FormatCrossCheck, MasksAndGeneralFormatMatchTheExactExpansion)
{
    testing_support::TestEnvironment environment;
    ExactExpander expander;
    int failures = 0;
    const std::vector<long double> values = CrossCheckValues();
    for (const long double x : values) {
        const ExactDecimal exact = expander.Expand(x);
        const bool exponentForm = std::fabs(x) >= 1e18L;
        const std::string expected[6] = {
            exponentForm ? ExpectedGeneral(exact) : ExpectedFixed(exact, 6),
            exponentForm ? ExpectedGeneral(exact) : ExpectedFixed(exact, 8),
            ExpectedScientific(exact, 6, false),
            ExpectedScientific(exact, 8, false),
            exponentForm ? ExpectedGeneral(exact) : ExpectedFixed(exact, 16),
            ExpectedScientific(exact, 17, true),
        };
        for (int code = 0; code < 6; ++code) {
            const std::string actual = FormatComplex(TComplex{x, 0, 0, 0}, TShowCTRL{0, 1, code, false});
            if (actual != expected[code] && ++failures <= 20)
                ADD_FAILURE() << Hex(x) << " code " << code << ": " << actual << " != " << expected[code];
        }
        const std::string general = FormatGeneral(x);
        if (general != ExpectedGeneral(exact) && ++failures <= 20)
            ADD_FAILURE() << Hex(x) << " general: " << general << " != " << ExpectedGeneral(exact);
    }
    EXPECT_EQ(failures, 0) << "of " << values.size() << " values";
}

}  // namespace
}  // namespace complex_tests
