#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "complex/ComplexOp.h"
#include "tests/support/RecordingBoxes.h"

namespace {

using testing_support::RecordingBoxes;
using Box = RecordingBoxes::Box;

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// A few units in the last place of the result.
void ExpectClose(long double actual, long double expected)
{
    EXPECT_LE(std::fabs(actual - expected), 4 * LDBL_EPSILON * std::max(1.0L, std::fabs(expected)))
        << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

TEST(CartToPolar, QuadrantsAndThreshold)
{
    struct Case {
        long double re, im, module, phase;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {1e-11L, 0, 0, 0},           // below the threshold: zero polar half
        {1e-10L, 0, 0, 0},           // at the threshold still counts as zero
        {2e-10L, 0, 2e-10L, 0},
        {1, 0, 1, 0},                // positive real axis: 0, never 2*pi
        {1, -0.0L, 1, 0},
        {1, 1, std::sqrt(2.0L), Pi / 4},
        {0, 1, 1, Pi / 2},
        {-0.0L, 1, 1, Pi / 2},
        {-1, 1, std::sqrt(2.0L), 3 * Pi / 4},
        {-1, 0, 1, Pi},
        {-1, -1, std::sqrt(2.0L), 5 * Pi / 4},
        {0, -1, 1, 3 * Pi / 2},
        {1, -1, std::sqrt(2.0L), 7 * Pi / 4},
        {3, 4, 5, std::atan2(4.0L, 3.0L)},
        {3, -4, 5, 2 * Pi - std::atan2(4.0L, 3.0L)},
        {kNaN, 1, 0, 0},             // a modulus that is not a number
        {1, kNaN, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << static_cast<double>(c.re) << ", " << static_cast<double>(c.im) << ")");
        TComplex z{c.re, c.im, 99, 99};
        CartToPolar(z);
        ExpectClose(z.Module, c.module);
        ExpectClose(z.Phase, c.phase);
        EXPECT_GE(z.Phase, 0);
        EXPECT_LT(z.Phase, 2 * Pi);
        // The Cartesian half is never touched.
        EXPECT_EQ(std::signbit(z.Re), std::signbit(c.re));
        if (!std::isnan(c.re) && !std::isnan(c.im)) {
            EXPECT_EQ(z.Re, c.re);
            EXPECT_EQ(z.Im, c.im);
        }
    }
}

TEST(PolarToCart, KeepsThePolarHalfAsGiven)
{
    TComplex z{0, 0, 2, Pi / 2};
    PolarToCart(z);
    EXPECT_EQ(z.Im, 2);
    EXPECT_NE(z.Re, 0);  // cos of the rounded pi/2 is a tiny residue
    EXPECT_LT(std::fabs(z.Re), 1e-18L);
    EXPECT_EQ(z.Module, 2);
    EXPECT_EQ(z.Phase, Pi / 2);

    TComplex odd{5, 5, -2, 7};  // negative modulus, phase beyond 2*pi
    PolarToCart(odd);
    ExpectClose(odd.Re, -2 * std::cos(7.0L));
    ExpectClose(odd.Im, -2 * std::sin(7.0L));
    EXPECT_EQ(odd.Module, -2);
    EXPECT_EQ(odd.Phase, 7);
}

TEST(ComplexDiv, DividesByAnyNonZeroAndRefusesComplexZeroWithOnePlainBox)
{
    RecordingBoxes boxes;
    TComplex c{7, 7, 3, 4};
    ComplexDiv(TComplex{1, 2}, TComplex{3, 4}, c);  // (1 + 2i) / (3 + 4i) = 0.44 + 0.08i
    ExpectClose(c.Re, 0.44L);
    ExpectClose(c.Im, 0.08L);
    ComplexDiv(TComplex{1, 0}, TComplex{1e-300L, 0}, c);
    ExpectClose(c.Re, 1e300L);
    EXPECT_TRUE(boxes.boxes().empty());

    for (const TComplex& zero : {TComplex{0, 0}, TComplex{-0.0L, 0}, TComplex{kNaN, 0}}) {
        boxes.Clear();
        c = TComplex{7, 7, 3, 4};
        ComplexDiv(TComplex{1, 2}, zero, c);
        EXPECT_EQ(c.Re, 0);
        EXPECT_EQ(c.Im, 0);
        EXPECT_EQ(boxes.boxes(), (std::vector<Box>{{platform::MsgKind::Plain, kComplexZeroDivisionText, false}}));
    }
}

TEST(ComputeRoot, DividesOrGivesZeroWithOneWarningBox)
{
    RecordingBoxes boxes;
    TComplex x{9, 9, 9, 9};
    ComputeRoot(TComplex{5, 5}, TComplex{2, 1}, TComplex{1, 1}, x);  // (3 + 4i) / (1 + i) = 3.5 + 0.5i
    ExpectClose(x.Re, 3.5L);
    ExpectClose(x.Im, 0.5L);
    EXPECT_EQ(x.Module, 0);
    EXPECT_EQ(x.Phase, 0);
    EXPECT_TRUE(boxes.boxes().empty());

    for (const TComplex& zero : {TComplex{0, 0}, TComplex{kNaN, 1}}) {
        boxes.Clear();
        x = TComplex{9, 9, 9, 9};
        ComputeRoot(TComplex{5, 5}, TComplex{2, 1}, zero, x);
        EXPECT_EQ(x.Re, 0);
        EXPECT_EQ(x.Im, 0);
        EXPECT_EQ(x.Module, 0);
        EXPECT_EQ(x.Phase, 0);
        EXPECT_EQ(boxes.boxes(), (std::vector<Box>{{platform::MsgKind::Warning, kZeroRootCoefficientText, false}}));
    }
}

TEST(ComplexArithmetic, ResultMayBeAnInput)
{
    TComplex a{1, 2};
    ComplexAdd(a, TComplex{3, 4}, a);
    EXPECT_EQ(a.Re, 4);
    EXPECT_EQ(a.Im, 6);
    TComplex b{3, 4};
    ComplexSub(TComplex{1, 1}, b, b);
    EXPECT_EQ(b.Re, -2);
    EXPECT_EQ(b.Im, -3);
    TComplex z{1, 2};
    ComplexMul(z, z, z);  // (1 + 2i)^2 = -3 + 4i
    EXPECT_EQ(z.Re, -3);
    EXPECT_EQ(z.Im, 4);
    TComplex q{-3, 4};
    ComplexDiv(q, TComplex{1, 2}, q);  // back to 1 + 2i
    ExpectClose(q.Re, 1);
    ExpectClose(q.Im, 2);
}

TEST(ComplexArithmetic, LeavesThePolarHalfOfTheResultAlone)
{
    using Operation = void (*)(const TComplex&, const TComplex&, TComplex&);
    struct Case {
        const char* name;
        Operation operation;
        long double re, im;  // result for (1 + 2i), (3 + 4i) and a result record of (10 + 20i)
    };
    const Case cases[] = {
        {"Add", ComplexAdd, 4, 6},         {"Sub", ComplexSub, -2, -2},
        {"Mul", ComplexMul, -5, 10},       {"Div", ComplexDiv, 0.44L, 0.08L},
        {"MulSub", ComplexMulSub, 15, 10}, {"MulAdd", ComplexMulAdd, 5, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TComplex result{10, 20, -7, 123};
        c.operation(TComplex{1, 2, 55, 66}, TComplex{3, 4, 77, 88}, result);
        ExpectClose(result.Re, c.re);
        ExpectClose(result.Im, c.im);
        EXPECT_EQ(result.Module, -7);
        EXPECT_EQ(result.Phase, 123);
    }
}

}  // namespace
