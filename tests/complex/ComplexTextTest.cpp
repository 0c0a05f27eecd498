#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "complex/ComplexOp.h"
#include "complex/ComplexText.h"
#include "complex/NumberText.h"
#include "platform/Regional.h"
#include "tests/support/TestEnvironment.h"

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TComplex Polar(long double re, long double im)
{
    TComplex z{re, im, 0, 0};
    CartToPolar(z);
    return z;
}

TComplex Re(long double x) { return TComplex{x, 0, 0, 0}; }
TComplex Im(long double x) { return TComplex{0, x, 0, 0}; }

struct Case {
    TComplex z;
    TShowCTRL settings;  // VPCrd, VPMod, VPPrc, VPPG
    const char* expected;
};

void ExpectTexts(const Case* begin, const Case* end)
{
    for (const Case* c = begin; c != end; ++c) {
        const TShowCTRL& s = c->settings;
        EXPECT_EQ(FormatComplex(c->z, s), c->expected)
            << "case " << (c - begin) << ": settings (" << s.VPCrd << ", " << s.VPMod << ", " << s.VPPrc
            << ", " << s.VPPG << ")";
    }
}

TEST(FormatComplex, FormsMasksAndEdgeValues)
{
    testing_support::TestEnvironment environment;
    const TComplex z34{3, 4, 0, 0};
    const TComplex z3m4{3, -4, 0, 0};
    const TComplex halfPi{0, 0, 1, Pi / 2};
    const Case cases[] = {
        // Cartesian forms.
        {z34, {0, 0, 0, false}, "3.000000 + J 4.000000"},
        {z34, {0, 1, 0, false}, "3.000000"},
        {z34, {0, 2, 0, false}, " + J 4.000000"},
        {z34, {0, 3, 0, false}, "4.000000"},
        {z3m4, {0, 0, 0, false}, "3.000000 - J 4.000000"},
        {z3m4, {0, 2, 0, false}, " - J 4.000000"},
        {z3m4, {0, 3, 0, false}, "-4.000000"},
        {z34, {0, 7, 0, false}, "3.000000 + J 4.000000"},
        {z34, {0, -1, 0, false}, "3.000000 + J 4.000000"},
        {z34, {2, 0, 0, false}, "3.000000 + J 4.000000"},
        {z34, {0, 0, 0, true}, "3.000000 + J 4.000000"},  // degrees only matter in polar
        // Polar forms, using the stored polar half.
        {Polar(3, 4), {1, 0, 0, false}, "5.000000 Exp ( + J 0.927295 )"},
        {Polar(3, 4), {1, 0, 0, true}, "5.000000 Exp ( + J 53.130102° )"},
        {Polar(3, 4), {1, 1, 0, false}, "5.000000"},
        {Polar(3, 4), {1, 2, 0, false}, " + J 0.927295"},
        {Polar(3, 4), {1, 3, 0, true}, "53.130102"},
        {Polar(3, -4), {1, 0, 0, false}, "5.000000 Exp ( + J 5.355890 )"},
        {Polar(3, 4), {1, 9, 4, false}, "5.0000000000000000 Exp ( + J 0.9272952180016122 )"},
        {halfPi, {1, 2, 0, true}, " + J 90.000000°"},
        {halfPi, {1, 3, 0, true}, "90.000000"},
        {TComplex{0, 0, 2, -Pi / 2}, {1, 0, 0, true}, "2.000000 Exp ( - J 90.000000° )"},
        {TComplex{0, 0, 2, -Pi / 2}, {1, 3, 0, false}, "-1.570796"},
        {TComplex{3, 4, 0, 0}, {1, 0, 0, false}, "0.000000 Exp ( + J 0.000000 )"},  // never refreshed
        // Every mask; codes outside 0..4 act as 5.
        {Re(3), {0, 1, 1, false}, "3.00000000"},
        {Re(123.456L), {0, 1, 2, false}, "1.23456e+002"},
        {Re(123.456L), {0, 1, 3, false}, "1.2345600e+002"},
        {Re(1), {0, 1, 4, false}, "1.0000000000000000"},
        {Re(1.5L), {0, 1, 5, false}, "1.5e+000"},
        {Re(1.5L), {0, 1, 9, false}, "1.5e+000"},
        {Re(1.5L), {0, 1, -1, false}, "1.5e+000"},
        {Re(0), {0, 1, 5, false}, "0e+000"},
        {Re(2), {0, 1, 5, false}, "2e+000"},
        {Re(0), {0, 1, 2, false}, "0.00000e+000"},
        {Re(-0.000123456789L), {0, 1, 3, false}, "-1.2345679e-004"},
        {Re(1234567.0L), {0, 1, 0, false}, "1234567.000000"},
        {Re(0.001234L), {0, 1, 0, false}, "0.001234"},
        {z34, {0, 0, 5, false}, "3e+000 + J 4e+000"},
        // Rounding: carries, half away from zero, 18 digits first.
        {Re(0.9999995L), {0, 1, 0, false}, "1.000000"},
        {Re(-0.9999995L), {0, 1, 0, false}, "-1.000000"},
        {Re(999999.99999999995L), {0, 1, 1, false}, "1000000.00000000"},
        {Re(9.999995L), {0, 1, 2, false}, "1.00000e+001"},
        {Re(0.0000005L), {0, 1, 0, false}, "0.000001"},
        {Re(0.1234564999999999999999L), {0, 1, 0, false}, "0.123457"},
        {Re(0.1L), {0, 1, 4, false}, "0.1000000000000000"},
        {Re(2.0L / 3), {0, 1, 4, false}, "0.6666666666666667"},
        {Re(123456789.123456789L), {0, 1, 4, false}, "123456789.1234567890000000"},
        {Re(0.99999999999999999999L), {0, 1, 5, false}, "1e+000"},
        // No minus sign for what rounds to zero.
        {Re(-1e-9L), {0, 1, 0, false}, "0.000000"},
        {Re(-0.0000004L), {0, 1, 0, false}, "0.000000"},
        {Re(-0.0L), {0, 1, 0, false}, "0.000000"},
        {Re(-0.0L), {0, 1, 2, false}, "0.00000e+000"},
        {Re(-0.0L), {0, 1, 5, false}, "0e+000"},
        {Im(-1e-9L), {0, 2, 0, false}, " - J 0.000000"},
        {Im(-1e-9L), {0, 3, 0, false}, "0.000000"},
        {Im(-0.0L), {0, 2, 0, false}, " + J 0.000000"},
        {Im(-1e-9L), {0, 3, 2, false}, "-1.00000e-009"},
        // 1e18 and above in the fixed masks: 15 digits in exponent form.
        {Re(1e18L), {0, 1, 0, false}, "1E18"},
        {Re(2.5e19L), {0, 1, 1, false}, "2.5E19"},
        {Re(-1.234567890123456789e25L), {0, 1, 4, false}, "-1.23456789012346E25"},
        {Re(1e18L - 0.0625L), {0, 1, 0, false}, "1000000000000000000.000000"},
        {Re(1e18L), {0, 1, 2, false}, "1.00000e+018"},
        // The ends of the range.
        {Re(LDBL_MAX), {0, 1, 5, false}, "1.1897314953572318e+4932"},
        {Re(LDBL_MAX), {0, 1, 0, false}, "1.18973149535723E4932"},
        {Re(LDBL_TRUE_MIN), {0, 1, 2, false}, "3.64520e-4951"},
        {Re(LDBL_TRUE_MIN), {0, 1, 4, false}, "0.0000000000000000"},
        // Values that are not finite.
        {Re(kInf), {0, 1, 0, false}, "INF"},
        {Re(-kInf), {0, 1, 2, false}, "-INF"},
        {Re(kNaN), {0, 1, 5, false}, "NAN"},
        {Re(-kNaN), {0, 1, 0, false}, "NAN"},
        {TComplex{kNaN, -kInf, 0, 0}, {0, 0, 0, false}, "NAN - J INF"},
        {TComplex{0, 0, kInf, kNaN}, {1, 0, 0, true}, "INF Exp ( + J NAN° )"},
    };
    ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(FormatComplex, WritesTheRegionalSeparator)
{
    testing_support::TestEnvironment environment;
    platform::SetDecimalSeparator(',');
    const Case cases[] = {
        {TComplex{3, 4, 0, 0}, {0, 0, 0, false}, "3,000000 + J 4,000000"},
        {Polar(3, 4), {1, 0, 1, true}, "5,00000000 Exp ( + J 53,13010235° )"},
        {Re(123.456L), {0, 1, 2, false}, "1,23456e+002"},
        {Re(1.5L), {0, 1, 5, false}, "1,5e+000"},
        {Re(2.5e19L), {0, 1, 0, false}, "2,5E19"},
    };
    ExpectTexts(std::begin(cases), std::end(cases));
}

// A file may hold x87 encodings no arithmetic produces. A pseudo-denormal
// (zero exponent, integer bit set) stands for a normal number, and its text
// is that number's, the one every calculation uses.
TEST(FormatComplex, PseudoDenormalIsWrittenAsTheNumberItStandsFor)
{
    testing_support::TestEnvironment env;
    // Read at run time, so the compiler never decodes the pattern itself.
    static const volatile unsigned char bytes[10] = {0, 0, 0, 0, 0, 0, 0, 0x9A, 0, 0};  // 1.203125 x 2^-16382
    long double pseudo = 0;
    for (std::size_t i = 0; i < sizeof bytes; ++i)
        reinterpret_cast<unsigned char*>(&pseudo)[i] = bytes[i];
    const long double number = 1.203125L * LDBL_MIN;
    EXPECT_EQ(pseudo * 1.5L, number * 1.5L) << "arithmetic sees the normal number";
    EXPECT_EQ(FormatGeneral(pseudo), "4.04503034405674E-4932");
    EXPECT_EQ(FormatComplex(Re(pseudo), {0, 1, 2, false}), "4.04503e-4932");
    EXPECT_EQ(FormatComplex(Im(pseudo), {0, 2, 5, false}), FormatComplex(Im(number), {0, 2, 5, false}));
}

}  // namespace
