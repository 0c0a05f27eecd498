// The blocked, threaded elimination against the plain sequential one: every
// bit of every entry of G (all four fields), of every root and the outcome
// fields must agree, also when the elimination stops with code 2.

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "complex/ComplexOp.h"
#include "model/ESetArrayService.h"
#include "model/RandomGenerator.h"
#include "platform/WorkerPool.h"
#include "solver/BlockedElimination.h"
#include "solver/SolveESet.h"
#include "tests/model/RandomTestSystem.h"
#include "tests/model/ReportingFixture.h"
#include "tests/solver/ReferenceElimination.h"

namespace {

constexpr std::size_t kBlock = kEliminationBlockSteps;

// The 10 bytes of an x87 extended value; the rest of its 16 is padding.
bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

std::string FirstDifference(const TComplex& a, const TComplex& b)
{
    const char* names[] = {"Re", "Im", "Module", "Phase"};
    const long double fieldsA[] = {a.Re, a.Im, a.Module, a.Phase};
    const long double fieldsB[] = {b.Re, b.Im, b.Module, b.Phase};
    for (int k = 0; k < 4; ++k) {
        if (!SameBits(fieldsA[k], fieldsB[k]))
            return names[k];
    }
    return {};
}

// The first entry whose bits differ, or nothing.
std::string FirstDifference(const TESetArray& a, const TESetArray& b)
{
    for (std::size_t r = 0; r < a.size(); ++r) {
        for (std::size_t c = 0; c < a[r].size(); ++c) {
            const std::string field = FirstDifference(a[r][c], b[r][c]);
            if (!field.empty())
                return "G[" + std::to_string(r) + "][" + std::to_string(c) + "]." + field;
        }
    }
    return {};
}

std::string FirstDifference(const TESetRoots& a, const TESetRoots& b)
{
    for (std::size_t k = 0; k < a.size(); ++k) {
        const std::string field = FirstDifference(a[k], b[k]);
        if (!field.empty())
            return "X[" + std::to_string(k) + "]." + field;
    }
    return {};
}

// A random system of n equations in G, drawn from a fixed seed.
TESetCTRL RandomSet(std::size_t n, std::uint64_t seed)
{
    SetRandomSeedForTesting(seed);
    TESetCTRL set = RandomTestSystem(static_cast<std::int32_t>(n));
    CopyESetToWork(set);
    set.Solved = true;
    set.ResultCode = 42;
    set.ResultText = "before";
    return set;
}

// A copy with arrays of its own (a plain copy shares them).
TESetCTRL Twin(const TESetCTRL& set)
{
    TESetCTRL twin = set;
    twin.G = TESetArray();
    twin.X = TESetRoots();
    twin.G.resize(set.G.size());
    for (std::size_t k = 0; k < set.G.size(); ++k)
        twin.G[k] = set.G[k];
    twin.X.resize(set.X.size());
    for (std::size_t k = 0; k < set.X.size(); ++k)
        twin.X[k] = set.X[k];
    return twin;
}

enum class Outcome { Solved, PivotStop, RowTestStop, Any };

struct Shaped {
    const char* name;
    std::size_t n;
    std::uint64_t seed;
    std::function<void(const TESetArray&)> shape;  // rewrites the random G
    Outcome outcome;                                // what the reference must meet
};

TComplex C(long double re, long double im)
{
    TComplex z;
    z.Re = re;
    z.Im = im;
    CartToPolar(z);
    return z;
}

auto ZeroColumn(std::size_t column)
{
    return [column](const TESetArray& g) {
        for (std::size_t r = 0; r < g.size(); ++r)
            g[r][column] = TComplex();
    };
}

auto ScaledColumn(std::size_t column, long double factor)
{
    return [column, factor](const TESetArray& g) {
        for (std::size_t r = 0; r < g.size(); ++r)
            g[r][column] = C(g[r][column].Re * factor, g[r][column].Im * factor);
    };
}

// The rows rFirst .. rLast - 1 (rLast 0: up to the last) times factor.
auto ScaledRows(std::size_t rFirst, std::size_t rLast, long double factor)
{
    return [=](const TESetArray& g) {
        for (std::size_t r = rFirst; r < (rLast == 0 ? g.size() : rLast); ++r) {
            for (TComplex& z : g[r])
                z = C(z.Re * factor, z.Im * factor);
        }
    };
}

// Row `to` becomes row `from` times m (an exact copy for m = 1).
auto MultipleRow(std::size_t from, std::size_t to, TComplex m)
{
    return [from, to, m](const TESetArray& g) {
        for (std::size_t c = 0; c < g[from].size(); ++c) {
            TComplex z = g[from][c];
            if (m.Re != 1 || m.Im != 0) {
                ComplexMul(g[from][c], m, z);
                CartToPolar(z);
            }
            g[to][c] = z;
        }
    };
}

// Entries from {0, -0, 1, -1, i, -i, 1 + i}: equal moduli everywhere, exact
// cancellations that leave zero and tied pivots, and zeros of either sign.
void SmallIntegers(const TESetArray& g)
{
    const TComplex values[] = {C(0, 0), C(-0.0L, -0.0L), C(1, 0), C(-1, -0.0L), C(0, 1), C(-0.0L, -1), C(1, 1)};
    for (std::size_t r = 0; r < g.size(); ++r) {
        for (TComplex& z : g[r])
            z = values[RandomInteger0To999() % 7];
    }
}

void AllZero(const TESetArray& g)
{
    for (std::size_t r = 0; r < g.size(); ++r) {
        for (TComplex& z : g[r])
            z = TComplex();
    }
}

void ZeroDiagonal(const TESetArray& g)
{
    for (std::size_t r = 0; r < g.size(); ++r)
        g[r][r] = TComplex();
}

class EliminationBitIdentityTest : public ReportingFixture {
protected:
    // Solves the set with the solver and its twin with the reference and
    // compares every bit; returns the reference's outcome.
    Outcome ExpectSameSolve(const TESetCTRL& set)
    {
        TESetCTRL fast = Twin(set);
        TESetCTRL plain = Twin(set);
        const std::size_t n = set.G.size();

        boxes.Clear();
        const bool fastResult = BuildGausseMatrix(fast);
        const int fastBar = bar.Position();
        const auto fastBoxes = boxes.boxes();
        boxes.Clear();
        ReferenceSteps reference{};
        const bool plainResult = ReferenceBuildGausseMatrix(plain, &reference);
        EXPECT_EQ(fastBoxes, boxes.boxes());

        EXPECT_EQ(fastResult, plainResult);
        EXPECT_EQ(fast.Solved, plain.Solved);
        EXPECT_EQ(fast.ResultCode, plain.ResultCode);
        EXPECT_EQ(fast.ResultText, plain.ResultText);
        EXPECT_EQ(FirstDifference(fast.G, plain.G), "");
        if (reference.stopped) {
            // One step of the bar per pivot step begun (Max is N - 2).
            EXPECT_EQ(static_cast<std::size_t>(fastBar), std::min(reference.begun, n - 2));
            return Outcome::PivotStop;
        }
        if (!plainResult)
            return Outcome::RowTestStop;
        boxes.Clear();
        (void)SolveRoots(fast);
        const auto fastRootBoxes = boxes.boxes();
        boxes.Clear();
        ReferenceSolveRoots(plain);
        EXPECT_EQ(fastRootBoxes, boxes.boxes());
        EXPECT_EQ(FirstDifference(fast.X, plain.X), "");
        return Outcome::Solved;
    }
};

TEST_F(EliminationBitIdentityTest, RandomSystemsOfManySizes)
{
    // Sizes at, around and between the block boundaries, and some others.
    const std::size_t sizes[] = {2, 3, 4, 7, 16, 17, kBlock - 1, kBlock, kBlock + 1, kBlock + 2, 2 * kBlock - 1,
                                 2 * kBlock, 2 * kBlock + 1, 3 * kBlock + 5, 100, 4 * kBlock + 1, 150, 200,
                                 8 * kBlock - 1, 8 * kBlock + 1, 300};
    for (const std::size_t n : sizes) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ExpectSameSolve(RandomSet(n, 1000 + n)), Outcome::Solved);
    }
}

TEST_F(EliminationBitIdentityTest, ZeroTiedAndDependentPivots)
{
    // Large enough for the solver to use two threads or more.
    constexpr std::size_t n = 4 * kBlock + 3;
    const Shaped cases[] = {
        {"all zero stops at the first step", 40, 1, AllZero, Outcome::PivotStop},
        {"a zero column stops inside the second block", n, 2, ZeroColumn(kBlock + 8), Outcome::PivotStop},
        {"a zero column stops at a block's first step", n, 3, ZeroColumn(kBlock), Outcome::PivotStop},
        {"a zero column stops at the last step", n, 4, ZeroColumn(n - 2), Outcome::PivotStop},
        {"a tiny column stops at its step", n, 5, ScaledColumn(45, 1e-13L), Outcome::PivotStop},
        {"two equal rows fail at the row test", n, 6, MultipleRow(20, 60, C(1, 0)), Outcome::RowTestStop},
        {"equal rows in different blocks", n, 7, MultipleRow(3, 120, C(1, 0)), Outcome::RowTestStop},
        {"complex multiples of rows", n, 8,
         [](const TESetArray& g) {
             MultipleRow(7, 50, C(2, -1))(g);
             MultipleRow(64, 65, C(0, 1))(g);
         },
         Outcome::Any},
        {"small integers, 33 equations", 33, 9, SmallIntegers, Outcome::Any},
        {"small integers, 70 equations", 70, 10, SmallIntegers, Outcome::Any},
        {"small integers, 100 equations", 100, 11, SmallIntegers, Outcome::Any},
        {"small integers, 130 equations", 130, 12, SmallIntegers, Outcome::Any},
        {"zero diagonal", n, 13, ZeroDiagonal, Outcome::Solved},
        // Multipliers beyond the range of doubles, in some rows or in all.
        {"tiny rows", n, 14, ScaledRows(20, 0, 1e-320L), Outcome::PivotStop},
        {"a huge row", n, 15, ScaledRows(10, 11, 1e400L), Outcome::Solved},
        // Every pivot row but the last keeps its pivot's modulus, so only a
        // pivot that is not a number lets an earlier row fail the row test;
        // the rows after it keep their polar halves. Each such pivot shows
        // a division box for every row below it.
        {"a row that is not a number", n, 16, ScaledRows(5, 6, std::numeric_limits<long double>::quiet_NaN()),
         Outcome::RowTestStop},
    };
    for (const Shaped& s : cases) {
        SCOPED_TRACE(s.name);
        TESetCTRL set = RandomSet(s.n, s.seed);
        s.shape(set.G);
        const Outcome outcome = ExpectSameSolve(set);
        if (s.outcome != Outcome::Any) {
            EXPECT_EQ(outcome, s.outcome);
        }
    }
}

TEST_F(EliminationBitIdentityTest, ThreadCountChangesNoBit)
{
    TESetCTRL stopping = RandomSet(70, 21);
    ZeroColumn(kBlock + 8)(stopping.G);
    const TESetCTRL sets[] = {RandomSet(150, 20), stopping};
    for (const TESetCTRL& set : sets) {
        TESetCTRL plain = Twin(set);
        const ReferenceSteps reference = ReferenceForwardSteps(plain.G);
        for (const unsigned threads : {1u, 3u, 5u}) {
            SCOPED_TRACE(threads);
            TESetCTRL fast = Twin(set);
            std::vector<TComplex*> rows;
            for (std::size_t k = 0; k < fast.G.size(); ++k)
                rows.push_back(fast.G[k].data());
            platform::WorkerPool pool(threads);
            EXPECT_EQ(EliminateForward(rows.data(), rows.size(), pool), !reference.stopped);
            EXPECT_EQ(FirstDifference(fast.G, plain.G), "");
        }
    }
}

}  // namespace
