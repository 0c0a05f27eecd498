#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "complex/ComplexOp.h"
#include "model/ESetArrayService.h"
#include "solver/SolveESet.h"
#include "tests/model/RandomTestSystem.h"
#include "tests/model/ReportingFixture.h"

namespace {

using testing_support::RecordingBoxes;
using Row = TESetRow;

TComplex C(long double re, long double im = 0)
{
    TComplex z;
    z.Re = re;
    z.Im = im;
    return z;
}

bool SameCartesian(const TComplex& a, const TComplex& b) { return a.Re == b.Re && a.Im == b.Im; }

// All four fields equal (the records' padding bytes are not compared).
bool SameRecord(const TComplex& a, const TComplex& b)
{
    return a.Re == b.Re && a.Im == b.Im && a.Module == b.Module && a.Phase == b.Phase;
}

bool PolarIsFresh(const TComplex& z)
{
    TComplex refreshed = z;
    CartToPolar(refreshed);
    return SameRecord(z, refreshed);
}

// A set whose A and G both hold the rows (which may be ragged) and whose X
// has the given number of zero roots; the outcome fields hold markers.
TESetCTRL MakeSet(const std::vector<Row>& rows, std::size_t roots)
{
    TESetCTRL set;
    set.NRows = static_cast<std::int32_t>(rows.size());
    set.NCols = set.NRows + 1;
    set.A.resize(rows.size());
    set.G.resize(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        set.A[k] = rows[k];
        set.G[k] = rows[k];
    }
    set.X.resize(roots);
    set.Solved = true;
    set.ResultCode = 42;
    set.ResultText = "before";
    return set;
}

TESetCTRL RandomSet(std::int32_t n)
{
    TESetCTRL set = RandomTestSystem(n);
    CopyESetToWork(set);
    return set;
}

long double Distance(const TComplex& a, const TComplex& b) { return std::hypot(a.Re - b.Re, a.Im - b.Im); }

long double RelativeError(const TESetCTRL& set)
{
    long double error = 0;
    long double scale = 0;
    for (std::size_t k = 0; k < set.X.size(); ++k) {
        error = std::max(error, Distance(set.X[k], set.RefRoots[k]));
        scale = std::max(scale, std::hypot(set.RefRoots[k].Re, set.RefRoots[k].Im));
    }
    return error / scale;
}

class SolveESetTest : public ReportingFixture {};

struct SmallSystem {
    const char* name;
    std::vector<Row> rows;
    std::size_t roots;
    bool result;
    std::optional<std::int32_t> code;  // none: the outcome stays as it was
    Row x;                             // the roots, when the solve runs to the end
    int zeroCoefficientWarnings;
    std::function<void(const TESetCTRL&, const platform::ProgressBar&)> check;
};

// Row 0 of G is the equation chosen as the first pivot.
auto FirstPivotRowIs(Row expected)
{
    return [expected](const TESetCTRL& set, const platform::ProgressBar&) {
        for (std::size_t c = 0; c < expected.size(); ++c)
            EXPECT_TRUE(SameCartesian(set.G[0][c], expected[c])) << c;
    };
}

const SmallSystem kSmallSystems[] = {
    {"identity", {{C(1), C(0), C(1)}, {C(0), C(1), C(2)}}, 2, true, 0, {C(1), C(2)}, 0, {}},
    {"zero leading entry swaps",
     {{C(0), C(1), C(2, 1)}, {C(0, 3), C(0), C(0, 3)}},
     2, true, 0, {C(1), C(2, 1)}, 0,
     FirstPivotRowIs({C(0, 3), C(0), C(0, 3)})},
    {"equal moduli keep the earlier row",
     {{C(1), C(2), C(5)}, {C(-1), C(1), C(1)}},
     2, true, 0, {C(1), C(2)}, 0,
     FirstPivotRowIs({C(1), C(2), C(5)})},
    {"two identical equations fail at the row test",
     {{C(1), C(2), C(3)}, {C(1), C(2), C(3)}},
     2, false, 2, {}, 0,
     [](const TESetCTRL& set, const platform::ProgressBar&) {
         for (const TComplex& z : set.G[1])
             EXPECT_TRUE(z.Re == 0 && z.Im == 0);
         EXPECT_EQ(set.G[0][2].Module, 3);  // the row test refreshed row 0
     }},
    {"all zero fails at the first pivot",
     {{C(0), C(0), C(0), C(0)}, {C(0), C(0), C(0), C(0)}, {C(0), C(0), C(0), C(0)}},
     3, false, 2, {}, 0,
     [](const TESetCTRL&, const platform::ProgressBar& bar) {
         EXPECT_EQ(bar.Position(), 1);  // not reset: left for the solve command
     }},
    {"a small largest pivot fails at its step",
     {{C(1), C(0), C(0), C(1)}, {C(0), C(1e-11L), C(1), C(1)}, {C(0), C(-1e-11L), C(2), C(1)}},
     3, false, 2, {}, 0,
     [](const TESetCTRL& set, const platform::ProgressBar& bar) {
         EXPECT_EQ(bar.Position(), 1);  // full at Max = N - 2, not reset
         EXPECT_EQ(set.G[1][2].Module, 0);  // the row test never ran
     }},
    {"a zero last pivot with a free term is suspect",
     {{C(1), C(0), C(0), C(1)}, {C(0), C(1), C(0), C(1)}, {C(1), C(1), C(0), C(5)}},
     3, true, 1, {C(1), C(1), C(0)}, 1,
     [](const TESetCTRL& set, const platform::ProgressBar&) {
         EXPECT_TRUE(SameCartesian(set.G[2][3], C(3)));
     }},
    {"the inconsistent system is suspect",
     {{C(1), C(2), C(3)}, {C(2), C(4), C(7)}},
     2, true, 1, {C(3.5L), C(0)}, 1,
     [](const TESetCTRL& set, const platform::ProgressBar& bar) {
         FirstPivotRowIs({C(2), C(4), C(7)})(set, bar);
         EXPECT_TRUE(SameCartesian(set.G[1][2], C(-0.5L)));
     }},
    {"no data", {}, 0, false, -1, {}, 0, {}},
    {"a row of wrong length", {{C(1), C(0), C(1)}, {C(0), C(1)}}, 2, false, 3, {}, 0, {}},
    {"one equation", {{C(1), C(1)}}, 1, false, std::nullopt, {}, 0, {}},
    {"short X", {{C(1), C(0), C(1)}, {C(0), C(1), C(2)}}, 1, false, std::nullopt, {}, 0, {}},
};

TEST_F(SolveESetTest, SmallSystems)
{
    for (const SmallSystem& s : kSmallSystems) {
        SCOPED_TRACE(s.name);
        memo.Clear();
        boxes.Clear();
        TESetCTRL set = MakeSet(s.rows, s.roots);

        EXPECT_EQ(SolveESetGauss(set), s.result);

        std::vector<RecordingBoxes::Box> expectedBoxes(
            s.zeroCoefficientWarnings, {platform::MsgKind::Warning, kZeroRootCoefficientText, false});
        std::vector<std::string> expectedLines;
        if (!s.code) {
            EXPECT_TRUE(set.Solved);
            EXPECT_EQ(set.ResultCode, 42);
            EXPECT_EQ(set.ResultText, "before");
        } else {
            EXPECT_EQ(set.ResultCode, *s.code);
            EXPECT_EQ(set.Solved, *s.code == 0 || *s.code == 1);
            const std::string texts[] = {kNotFormedText, kSolvedText, kSolvedWithErrorsText, kIllConditionedText,
                                         kWrongSizesText};
            std::string expected = texts[*s.code + 1];
            if (*s.code == 0 || *s.code == 1)
                expected += "0";  // every root of these systems is exact
            EXPECT_EQ(set.ResultText, expected);
            if (*s.code == 1) {
                expectedBoxes.push_back({platform::MsgKind::Warning, expected, false});
                expectedLines = platform::SplitLines(expected);
            }
        }
        EXPECT_EQ(boxes.boxes(), expectedBoxes);
        EXPECT_EQ(Lines(), expectedLines);
        if (!s.x.empty()) {
            for (std::size_t k = 0; k < s.x.size(); ++k) {
                EXPECT_TRUE(SameCartesian(set.X[k], s.x[k])) << k;
                EXPECT_TRUE(PolarIsFresh(set.X[k])) << k;
            }
        }
        if (s.check)
            s.check(set, bar);
    }
}

TEST_F(SolveESetTest, LargeBalanceWithoutZeroCoefficientIsSuspect)
{
    // With parts this large the rounding of row 0 alone is far above the threshold.
    SetRandomSeedForTesting(99);
    TESetCTRL set;
    set.MaxReCoeff = set.MaxImCoeff = set.MaxReRoots = set.MaxImRoots = 1e15L;
    ASSERT_TRUE(InitESetArrays(set, 10));
    ASSERT_TRUE(MakeRandomTestESet(set));
    CopyESetToWork(set);
    memo.Clear();
    ASSERT_TRUE(SolveESetGauss(set));
    EXPECT_TRUE(set.Solved);
    EXPECT_EQ(set.ResultCode, 1);
    EXPECT_TRUE(set.ResultText.starts_with(kSolvedWithErrorsText));
    EXPECT_NE(set.ResultText, std::string(kSolvedWithErrorsText) + "0");
    EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{platform::MsgKind::Warning, set.ResultText, false}}));
    EXPECT_EQ(Lines(), platform::SplitLines(set.ResultText));
}

TEST_F(SolveESetTest, DebugModeTracesEachStep)
{
    SetDebugMode(true);
    TESetCTRL set = MakeSet({{C(1), C(0), C(1)}, {C(0), C(1), C(2)}}, 2);
    ASSERT_TRUE(SolveESetGauss(set));
    const std::vector<std::string> steps = {
        " Начато решение системы уравнений", " Размеры исходной матрицы корректны",
        " Треугольная (Гауссова) матрица построена", " Корни системы уравнений вычислены",
        " Завершено решение системы уравнений"};
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_TRUE(lines[k].starts_with(" *** DEBUG *** ")) << k;
        EXPECT_TRUE(lines[k].ends_with(" *** : " + steps[k])) << k;
    }
    // Elimination and back substitution each stop the bar once.
    EXPECT_EQ(environment.sleeps(), (std::vector<int>{3000, 3000}));
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(SolveESetTest, WorkingMatrixKeepsResiduesWithFreshPolarHalves)
{
    SetRandomSeedForTesting(2024);
    const std::size_t n = 20;
    TESetCTRL set = RandomSet(static_cast<std::int32_t>(n));
    std::vector<Row> source(n);
    for (std::size_t k = 0; k < n; ++k)
        source[k] = set.A[k];

    ASSERT_TRUE(SolveESetGauss(set));
    EXPECT_EQ(set.ResultCode, 0);

    bool someResidue = false;
    for (std::size_t k = 0; k < n; ++k) {
        for (std::size_t c = 0; c <= n; ++c) {
            const TComplex& z = set.G[k][c];
            EXPECT_TRUE(PolarIsFresh(z)) << k << "," << c;
            if (c < k) {
                someResidue = someResidue || z.Re != 0 || z.Im != 0;
                EXPECT_TRUE(z.Module == 0 && z.Phase == 0) << k << "," << c;
            }
            EXPECT_TRUE(SameRecord(set.A[k][c], source[k][c])) << "A changed at " << k << "," << c;
        }
    }
    EXPECT_TRUE(someResidue);
}

TEST_F(SolveESetTest, RandomSystemsSolveBackToTheirRoots)
{
    for (std::int32_t n = 2; n <= 200; ++n) {
        SetRandomSeedForTesting(static_cast<std::uint64_t>(n));
        TESetCTRL set = RandomSet(n);
        ASSERT_TRUE(SolveESetGauss(set)) << n;
        EXPECT_EQ(set.ResultCode, 0) << n;
        EXPECT_LE(RelativeError(set), 1e-15L) << n;
    }
}

}  // namespace
