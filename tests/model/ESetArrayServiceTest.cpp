#include <cmath>
#include <set>
#include <string>

#include "complex/ComplexOp.h"
#include "model/ESetArrayService.h"
#include "model/RandomGenerator.h"
#include "tests/model/RandomTestSystem.h"
#include "tests/model/ReportingFixture.h"
#include "tests/support/ChildProcess.h"

namespace {

using testing_support::RecordingBoxes;

// All four fields equal (the records' padding bytes are not compared).
bool SameRecord(const TComplex& a, const TComplex& b)
{
    return a.Re == b.Re && a.Im == b.Im && a.Module == b.Module && a.Phase == b.Phase;
}

bool IsZero(const TComplex& z) { return SameRecord(z, TComplex{}); }

// The polar half is what CartToPolar makes of the Cartesian half.
bool PolarIsFresh(const TComplex& z)
{
    TComplex refreshed = z;
    CartToPolar(refreshed);
    return SameRecord(z, refreshed);
}

// A drawn part is ((500 - r) * 2) / 1001 times its bound for an r in 0..999.
bool OnRandomLattice(long double part, long double bound)
{
    const long long r = 500 - std::llround(part / bound * 1001 / 2);
    return r >= 0 && r <= 999 && part == (static_cast<long double>(500 - r) * 2) / 1001 * bound;
}

void ExpectAllZero(const TESetCTRL& set, std::size_t n)
{
    ASSERT_EQ(set.A.size(), n);
    ASSERT_EQ(set.G.size(), n);
    ASSERT_EQ(set.X.size(), n);
    for (std::size_t k = 0; k < n; ++k) {
        ASSERT_EQ(set.A[k].size(), n + 1);
        ASSERT_EQ(set.G[k].size(), n + 1);
        EXPECT_TRUE(IsZero(set.X[k]));
        for (std::size_t i = 0; i <= n; ++i)
            EXPECT_TRUE(IsZero(set.A[k][i]) && IsZero(set.G[k][i])) << k << "," << i;
    }
    EXPECT_TRUE(set.RefRoots.empty());
}

class ESetArrayServiceTest : public ReportingFixture {
protected:
    // A random system of n equations with the new-system dialog's default bounds.
    TESetCTRL RandomSet(std::int32_t n)
    {
        TESetCTRL set = RandomTestSystem(n);
        memo.Clear();
        boxes.Clear();
        return set;
    }

    // Leaves the bar part way through a run, so a later StopProgress shows.
    void AdvanceBar()
    {
        StartProgress("earlier", 0, 1, 10);
        StepProgress();
        StepProgress();
        ASSERT_EQ(bar.Position(), 2);
    }
};

TEST_F(ESetArrayServiceTest, InitSizesAndZeroesEveryArray)
{
    TESetCTRL set;
    ASSERT_TRUE(InitESetArrays(set, 2));
    EXPECT_EQ(set.NRows, 2);
    EXPECT_EQ(set.NCols, 3);
    ExpectAllZero(set, 2);
    EXPECT_TRUE(Lines().empty());  // the success line is a debug line
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ESetArrayServiceTest, InitReportsSuccessInDebugMode)
{
    SetDebugMode(true);
    TESetCTRL set;
    ASSERT_TRUE(InitESetArrays(set, 3));
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(Lines()[0].starts_with(" *** DEBUG *** "));
    EXPECT_TRUE(Lines()[0].ends_with(" *** :  Размеры динамических массивов инициализированы"));
    EXPECT_EQ(environment.sleeps(), std::vector<int>{3000});  // the bar was stopped once
}

TEST_F(ESetArrayServiceTest, InitResizesInPlaceAndKeepsBoundsAndNames)
{
    TESetCTRL set = RandomSet(5);
    set.FileName = "/data/five.esm";
    set.ShortName = "five.esm";
    const TESetCTRL sharing = set;  // a copy shares the arrays

    ASSERT_TRUE(InitESetArrays(set, 3));

    EXPECT_EQ(set.NRows, 3);
    EXPECT_EQ(set.NCols, 4);
    ExpectAllZero(set, 3);
    EXPECT_TRUE(set.A.SameArray(sharing.A));
    EXPECT_TRUE(set.G.SameArray(sharing.G));
    EXPECT_TRUE(set.X.SameArray(sharing.X));
    EXPECT_TRUE(set.RefRoots.SameArray(sharing.RefRoots));
    EXPECT_EQ(sharing.A.size(), 3u);
    EXPECT_TRUE(sharing.RefRoots.empty());
    EXPECT_EQ(set.FileName, "/data/five.esm");
    EXPECT_EQ(set.ShortName, "five.esm");
    EXPECT_EQ(set.MaxReCoeff, 1);
    EXPECT_EQ(set.MaxImCoeff, 1);
    EXPECT_EQ(set.MaxReRoots, 10);
    EXPECT_EQ(set.MaxImRoots, 10);
}

TEST_F(ESetArrayServiceTest, InitFailureIsReportedAndKeepsTheNewSize)
{
    SetDebugMode(true);  // makes StopProgress visible as a recorded pause
    TESetCTRL set;
    // A negative size asks for more entries than a vector can hold.
    EXPECT_FALSE(InitESetArrays(set, -1));
    EXPECT_EQ(set.NRows, -1);
    EXPECT_EQ(set.NCols, 0);
    EXPECT_EQ(Lines(),
              std::vector<std::string>{" SYSERROR(InitESetArrays): ОШИБКА ИНИЦИАЛИЗАЦИИ ДИНАМИЧЕСКИХ МАССИВОВ"});
    EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{
                                 {platform::MsgKind::Error, kInitESetArraysErrorText, false}}));
    EXPECT_EQ(environment.sleeps(), std::vector<int>{3000});
}

TEST_F(ESetArrayServiceTest, InitReportsExhaustedMemory)
{
    if (!testing_support::AddressSpaceLimitsWork())
        GTEST_SKIP() << "no address-space limit under AddressSanitizer";
    const auto result = testing_support::RunInChild({.addressSpaceLimit = 256L << 20}, [this] {
        TESetCTRL set;
        const bool ok = InitESetArrays(set, 20000);  // two matrices of about 25 GB each
        std::string out = ok ? "true" : "false";
        for (const auto& line : Lines())
            out += "|" + line;
        for (const auto& text : boxes.Texts())
            out += "|box:" + text;
        return out;
    });
    ASSERT_TRUE(result.exitedNormally);
    EXPECT_EQ(result.output, std::string("false|") + kInitESetArraysErrorText + "|box:" + kInitESetArraysErrorText);
}

TEST_F(ESetArrayServiceTest, CopyToWorkCopiesAllFieldsThroughACopyOfTheRecord)
{
    const TESetCTRL set = RandomSet(4);
    const TESetCTRL copy = set;
    CopyESetToWork(copy);
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t i = 0; i <= 4; ++i)
            EXPECT_TRUE(SameRecord(set.G[k][i], set.A[k][i])) << k << "," << i;
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ESetArrayServiceTest, CopyToWorkCopiesNothingOnShapeMismatchButStopsTheBar)
{
    struct Case {
        const char* name;
        void (*distort)(const TESetArray& g);
    };
    const Case cases[] = {
        {"one row more",
         [](const TESetArray& g) {
             g.resize(4);
             g[3].resize(4);
         }},
        {"first row longer", [](const TESetArray& g) { g[0].resize(5); }},
        {"last row shorter", [](const TESetArray& g) { g[2].resize(3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TESetCTRL set = RandomSet(3);
        c.distort(set.G);
        AdvanceBar();

        CopyESetToWork(set);

        for (std::size_t k = 0; k < set.G.size(); ++k)
            for (std::size_t i = 0; i < set.G[k].size(); ++i)
                EXPECT_TRUE(IsZero(set.G[k][i])) << k << "," << i;
        EXPECT_EQ(bar.Position(), 0);
    }
}

TEST_F(ESetArrayServiceTest, RandomFactorTakesTheThousandLatticeValues)
{
    SetRandomSeedForTesting(7);
    ReseedRandomGenerator();
    std::set<long long> seen;
    for (int draw = 0; draw < 20000; ++draw) {
        const long double factor = RandomFactor();
        ASSERT_TRUE(OnRandomLattice(factor, 1)) << static_cast<double>(factor);
        seen.insert(500 - std::llround(factor * 1001 / 2));
    }
    EXPECT_EQ(seen.size(), 1000u);  // every r from 0 to 999, so both ends and zero
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 999);
}

TEST_F(ESetArrayServiceTest, RandomSystemHasLatticePartsAndExactFreeTerms)
{
    TESetCTRL set;
    set.MaxReCoeff = 1;
    set.MaxImCoeff = 1;
    set.MaxReRoots = 10;
    set.MaxImRoots = 10;
    const std::size_t n = 30;
    ASSERT_TRUE(InitESetArrays(set, static_cast<std::int32_t>(n)));
    memo.Clear();

    ASSERT_TRUE(MakeRandomTestESet(set));

    EXPECT_EQ(Lines(), std::vector<std::string>{" Система уравнений инициирована случайными тестовыми значениями"});
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(bar.Position(), 0);
    ASSERT_EQ(set.RefRoots.size(), n);
    for (std::size_t k = 0; k < n; ++k) {
        const TComplex& root = set.RefRoots[k];
        EXPECT_TRUE(OnRandomLattice(root.Re, 10) && OnRandomLattice(root.Im, 10)) << k;
        EXPECT_TRUE(PolarIsFresh(root)) << k;
        TComplex sum;
        for (std::size_t i = 0; i < n; ++i) {
            const TComplex& a = set.A[k][i];
            EXPECT_TRUE(OnRandomLattice(a.Re, 1) && OnRandomLattice(a.Im, 1)) << k << "," << i;
            EXPECT_TRUE(PolarIsFresh(a)) << k << "," << i;
            TComplex term;
            ComplexMul(a, set.RefRoots[i], term);
            ComplexAdd(sum, term, sum);
        }
        const TComplex& freeTerm = set.A[k][n];
        EXPECT_TRUE(freeTerm.Re == sum.Re && freeTerm.Im == sum.Im) << k;
        EXPECT_TRUE(PolarIsFresh(freeTerm) && freeTerm.Module > 0) << k;
    }
    // G and X stay as sized.
    for (std::size_t k = 0; k < n; ++k) {
        EXPECT_TRUE(IsZero(set.X[k]));
        for (std::size_t i = 0; i <= n; ++i)
            EXPECT_TRUE(IsZero(set.G[k][i]));
    }
}

TEST_F(ESetArrayServiceTest, RandomDrawsComeRootFirstThenTheRowRealBeforeImaginary)
{
    SetRandomSeedForTesting(12345);
    TESetCTRL set;
    // Four different bounds, so a part drawn with the wrong bound shows.
    set.MaxReCoeff = 1;
    set.MaxImCoeff = 0.1L;
    set.MaxReRoots = 10;
    set.MaxImRoots = 100;
    ASSERT_TRUE(InitESetArrays(set, 3));
    ASSERT_TRUE(MakeRandomTestESet(set));

    ReseedRandomGenerator();  // the same seed again: replay the sequence
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(set.RefRoots[k].Re, RandomFactor() * 10) << k;
        EXPECT_EQ(set.RefRoots[k].Im, RandomFactor() * 100) << k;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(set.A[k][i].Re, RandomFactor() * 1) << k << "," << i;
            EXPECT_EQ(set.A[k][i].Im, RandomFactor() * 0.1L) << k << "," << i;
        }
    }
}

TEST_F(ESetArrayServiceTest, SuccessiveRandomSystemsDiffer)
{
    const TESetCTRL first = RandomSet(5);
    const TESetCTRL second = RandomSet(5);
    bool differ = false;
    for (std::size_t k = 0; k < 5; ++k)
        for (std::size_t i = 0; i < 6; ++i)
            differ = differ || !SameRecord(first.A[k][i], second.A[k][i]);
    EXPECT_TRUE(differ);
}

TEST_F(ESetArrayServiceTest, RandomSystemRefusesAMisshapedSetSilently)
{
    struct Case {
        const char* name;
        std::int32_t nRows;
        std::int32_t nCols;
        std::size_t lastRowLength;
    };
    for (const Case& c : {Case{"fewer rows than NRows", 4, 5, 4}, Case{"row longer than NCols", 3, 3, 4},
                          Case{"last row short", 3, 4, 3}, Case{"no rows", 0, 1, 0}}) {
        SCOPED_TRACE(c.name);
        TESetCTRL set;
        set.MaxReCoeff = set.MaxImCoeff = set.MaxReRoots = set.MaxImRoots = 1;
        ASSERT_TRUE(InitESetArrays(set, 3));
        if (c.nRows == 0)
            set.A.resize(0);
        else
            set.A[2].resize(c.lastRowLength);
        set.NRows = c.nRows;
        set.NCols = c.nCols;
        memo.Clear();
        AdvanceBar();

        EXPECT_FALSE(MakeRandomTestESet(set));

        EXPECT_TRUE(Lines().empty());
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_TRUE(set.RefRoots.empty());
        for (std::size_t k = 0; k < set.A.size(); ++k)
            for (std::size_t i = 0; i < set.A[k].size(); ++i)
                EXPECT_TRUE(IsZero(set.A[k][i]));
        EXPECT_EQ(bar.Position(), 0);
    }
}

}  // namespace
