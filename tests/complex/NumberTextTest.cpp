#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "complex/NumberText.h"
#include "platform/Regional.h"
#include "tests/complex/ExactDecimal.h"
#include "tests/support/TestEnvironment.h"

namespace {

using complex_tests::ExactDecimal;
using complex_tests::ExactExpander;

TEST(FormatGeneral, FifteenDigitsPlainOrExponentForm)
{
    testing_support::TestEnvironment environment;
    struct Case {
        long double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0L, "0"},
        {1.5e-20L, "1.5E-20"},
        {0.00025L, "0.00025"},
        {2.5e-5L, "2.5E-5"},
        {100, "100"},
        {-2.5L, "-2.5"},
        {12345.678L, "12345.678"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {0.0001L, "0.0001"},
        {0.00009999999999999999L, "0.0001"},  // judged on the rounded value
        {999999999999999.4L, "999999999999999"},
        {999999999999999.5L, "1E15"},
        {1e15L, "1E15"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {-1.25e300L, "-1.25E300"},
        {1e-10L, "1E-10"},
        {LDBL_TRUE_MIN, "3.64519953188247E-4951"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.expected);

    platform::SetDecimalSeparator(',');
    EXPECT_EQ(FormatGeneral(0.1L), "0,1");
    EXPECT_EQ(FormatGeneral(0.01L), "0,01");
    EXPECT_EQ(FormatGeneral(1.5e-20L), "1,5E-20");
}

TEST(TextToInteger, PlainDecimalIn32BitsOnly)
{
    struct Case {
        std::string text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"123", true, 123},
        {"+123", true, 123},
        {"-123", true, -123},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {std::string(10000, '0') + "5", true, 5},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {std::string(10000, '1'), false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"--1", false, 0},
        {"+-1", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"1.0", false, 0},
        {"1,0", false, 0},
        {"1e3", false, 0},
        {"0x10", false, 0},
        {"12a", false, 0},
        {"\xd0\xbe\xd0\xb4\xd0\xb8\xd0\xbd", false, 0},  // Cyrillic letters
        {"1\t", false, 0},
        {"\x01" "1", false, 0},
        {std::string("1\0", 2), false, 0},
    };
    for (const Case& c : cases) {
        std::int32_t value = -77;
        EXPECT_EQ(TextToInteger(c.text, value), c.ok) << '"' << c.text.substr(0, 40) << '"';
        EXPECT_EQ(value, c.ok ? c.value : -77) << "written only on success";
    }
}

struct FloatCase {
    std::string text;
    bool ok;
    long double value;
};

void ExpectFloats(const FloatCase* begin, const FloatCase* end)
{
    for (const FloatCase* c = begin; c != end; ++c) {
        long double value = -77;
        SCOPED_TRACE(testing::Message() << '"' << c->text.substr(0, 40) << '"');
        EXPECT_EQ(TextToFloat(c->text, value), c->ok);
        if (!c->ok) {
            EXPECT_EQ(value, -77) << "written only on success";
        } else {
            EXPECT_EQ(value, c->value);
            EXPECT_EQ(std::signbit(value), std::signbit(c->value));
        }
    }
}

TEST(TextToFloat, DecimalNotationWithThePointSeparator)
{
    testing_support::TestEnvironment environment;
    const FloatCase cases[] = {
        {"1.5", true, 1.5L},
        {"-1.5", true, -1.5L},
        {"+1.5", true, 1.5L},
        {"42", true, 42},
        {"1.", true, 1},
        {".5", true, 0.5L},
        {"0.1", true, 0.1L},
        {"1e3", true, 1000},
        {"1E3", true, 1000},
        {"1e+3", true, 1000},
        {"-.5e-2", true, -0.005L},
        {"-0", true, -0.0L},
        {"0e99999", true, 0},
        {"1e4932", true, 1e4932L},
        {"1.18973149535723176502e4932", true, LDBL_MAX},
        {"3.3621031431120935063e-4932", true, LDBL_MIN},
        // Underflow converts to a denormal or zero.
        {"1e-4940", true, 1e-4940L},
        {"-3.6e-4951", true, -LDBL_TRUE_MIN},
        {"1e-5000", true, 0},
        {"-1e-99999999999999999999", true, -0.0L},
        {"0." + std::string(9998, '0') + "1", true, 0},
        {"1" + std::string(9999, '0') + "e-9999", true, 1},
        // Overflow does not.
        {"1e99999", false, 0},
        {"-1e99999", false, 0},
        {"1.2e4932", false, 0},
        {"1e99999999999999999999", false, 0},
        {std::string(10000, '9'), false, 0},
        // Nor anything outside the notation.
        {"", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {".", false, 0},
        {"e5", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"1.2.3", false, 0},
        {"1e5.5", false, 0},
        {"1e5e5", false, 0},
        {"--1", false, 0},
        {"nan", false, 0},
        {"NAN", false, 0},
        {"inf", false, 0},
        {"-INF", false, 0},
        {"infinity", false, 0},
        {"0x10", false, 0},
        {"0x1p3", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"1,5", false, 0},  // the other separator
        {"1,5\xd1\x80", false, 0},  // Cyrillic letter
        {"\xd0\xbe\xd0\xb4\xd0\xb8\xd0\xbd", false, 0},
        {"1\n", false, 0},
        {"\t1", false, 0},
        {"1\x7f", false, 0},
        {std::string("1\0", 2), false, 0},
    };
    ExpectFloats(std::begin(cases), std::end(cases));
}

TEST(TextToFloat, CommaSeparator)
{
    testing_support::TestEnvironment environment;
    platform::SetDecimalSeparator(',');
    const FloatCase cases[] = {
        {"1,5", true, 1.5L},
        {"-0,25e1", true, -2.5L},
        {",5", true, 0.5L},
        {"1.5", false, 0},
        {"1,5,", false, 0},
    };
    ExpectFloats(std::begin(cases), std::end(cases));
}

std::string Text(const ExactDecimal& exact) { return exact.digits + "e" + std::to_string(exact.exponent10); }

// Denormals and the midpoints between them, written out in full (thousands
// of digits), convert with correct rounding, ties to even.
TEST(TextToFloat, DenormalsRoundCorrectly)
{
    testing_support::TestEnvironment environment;
    ExactExpander expander;
    for (const std::uint64_t k : {1ULL, 2ULL, 3ULL, 0x123456789ABCDEFULL, (1ULL << 63) - 2, (1ULL << 63) - 1}) {
        SCOPED_TRACE(k);
        const long double denormal = std::ldexp(static_cast<long double>(k), -16445);
        long double value = 0;
        ASSERT_TRUE(TextToFloat(Text(expander.Expand(denormal)), value));
        EXPECT_EQ(value, denormal);

        // (2k + 1) / 2 units: exactly halfway to the next denormal.
        const std::string midpoint = Text(expander.Expand(2 * k + 1, -16446));
        const long double even = std::ldexp(static_cast<long double>(k % 2 == 0 ? k : k + 1), -16445);
        ASSERT_TRUE(TextToFloat(midpoint, value));
        EXPECT_EQ(value, even);
        // Just above and just below the midpoint, the difference far beyond the 12000th digit.
        const ExactDecimal half = expander.Expand(2 * k + 1, -16446);
        const std::string above = half.digits + std::string(3000, '0') + "1e" + std::to_string(half.exponent10 - 3001);
        ASSERT_TRUE(TextToFloat(above, value));
        EXPECT_EQ(value, std::ldexp(static_cast<long double>(k + 1), -16445));
        std::string belowDigits = half.digits;
        belowDigits.back() = '4';  // every midpoint ends in 5
        const std::string below = belowDigits + std::string(3000, '9') + "e" + std::to_string(half.exponent10 - 3000);
        ASSERT_TRUE(TextToFloat(below, value));
        EXPECT_EQ(value, denormal);
    }
}

}  // namespace
