#include "model/ESetArrayService.h"

#include <exception>
#include <utility>

#include "complex/ComplexOp.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "model/RandomGenerator.h"
#include "platform/WorkerPool.h"

namespace {

// The shape tests look at every row, not only the first: the loops below
// index each row up to the length the first one promises.

bool RowsHaveLength(const TESetArray& matrix, std::size_t cols)
{
    for (std::size_t k = 0; k < matrix.size(); ++k)
        if (matrix[k].size() != cols)
            return false;
    return true;
}

bool SameShape(const TESetArray& a, const TESetArray& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].size() != b[k].size())
            return false;
    return true;
}

// A is shaped for a random system: NRows >= 1 rows of NCols = NRows + 1 entries.
bool ShapedForRandomSystem(const TESetCTRL& ESet)
{
    return ESet.NRows >= 1 && ESet.NCols == ESet.NRows + 1 && std::cmp_equal(ESet.A.size(), ESet.NRows) &&
           RowsHaveLength(ESet.A, static_cast<std::size_t>(ESet.NCols));
}

// The Cartesian half of a drawn value; its polar half follows once all the
// draws are made.
void DrawRandomPart(TComplex& z, long double maxRe, long double maxIm)
{
    z.Re = RandomFactor() * maxRe;
    z.Im = RandomFactor() * maxIm;
}

// Row k of a drawn system finished: the polar halves of its root and its
// coefficients, then its free term from all the roots, summed in increasing i.
void FinishRandomRow(const TESetCTRL& ESet, std::size_t k)
{
    const std::size_t n = ESet.A.size();
    TESetRow& row = ESet.A[k];
    CartToPolar(ESet.RefRoots[k]);
    TComplex sum;
    for (std::size_t i = 0; i < n; ++i) {
        CartToPolar(row[i]);
        TComplex term;
        ComplexMul(row[i], ESet.RefRoots[i], term);
        ComplexAdd(sum, term, sum);
    }
    ComplexCopy(sum, row[n]);
    CartToPolar(row[n]);
}

}  // namespace

bool InitESetArrays(TESetCTRL& ESet, std::int32_t N)
{
    ESet.NRows = N;
    ESet.NCols = N + 1;
    bool ok = false;
    try {
        StartProgress("InitESetArrays", 0, 1, N);
        // A negative N becomes a size beyond max_size() and fails like
        // exhausted memory.
        const auto rows = static_cast<std::size_t>(N);
        const auto cols = static_cast<std::size_t>(ESet.NCols);
        ESet.A.resize(rows);
        ESet.G.resize(rows);
        ESet.X.resize(rows);
        ESet.RefRoots.resize(0);
        for (std::size_t k = 0; k < rows; ++k) {
            StepProgress();
            ComplexClear(ESet.X[k]);
            TESetRow& a = ESet.A[k];
            TESetRow& g = ESet.G[k];
            a.resize(cols);
            g.resize(cols);
            for (std::size_t i = 0; i < cols; ++i) {
                ComplexClear(a[i]);
                ComplexCopy(a[i], g[i]);
            }
        }
        ReportDebug(kArraysInitialisedText);
        ok = true;
    } catch (const std::exception&) {
        ReportError(true, false, kInitESetArraysErrorText);
    }
    StopProgress();
    return ok;
}

void CopyESetToWork(const TESetCTRL& ESet)
{
    const TESetArray& a = ESet.A;
    const TESetArray& g = ESet.G;
    if (SameShape(a, g)) {
        StartProgress("CopyESetToWork", 0, 1, static_cast<std::int32_t>(a.size()) - 1);
        for (std::size_t k = 0; k < a.size(); ++k) {
            StepProgress();
            for (std::size_t i = 0; i < a[k].size(); ++i)
                ComplexCopy(a[k][i], g[k][i]);
        }
    }
    StopProgress();
}

long double RandomFactor()
{
    const int r = RandomInteger0To999();
    return (static_cast<long double>(500 - r) * 2) / 1001;
}

bool MakeRandomTestESet(TESetCTRL& ESet)
{
    bool ok = false;
    try {
        if (ShapedForRandomSystem(ESet)) {
            StartProgress("MakeRandomTestESet", 0, 1, ESet.NRows);
            ReseedRandomGenerator();
            const auto n = static_cast<std::size_t>(ESet.NRows);
            ESet.RefRoots.resize(n);
            // Draw order: root k (Re, Im), then the coefficients of row k.
            for (std::size_t k = 0; k < n; ++k) {
                StepProgress();
                DrawRandomPart(ESet.RefRoots[k], ESet.MaxReRoots, ESet.MaxImRoots);
                for (std::size_t i = 0; i < n; ++i)
                    DrawRandomPart(ESet.A[k][i], ESet.MaxReCoeff, ESet.MaxImCoeff);
            }
            // What remains depends only on the drawn values, row by row, so
            // the rows are finished on all cores with the same results.
            platform::WorkerPool pool(platform::WorkerPool::HardwareThreads());
            pool.Run(n, [&](std::size_t k) { FinishRandomRow(ESet, k); });
            ReportMessage(false, false, kRandomTestESetText);
            ok = true;
        }
    } catch (const std::exception&) {
        ReportError(true, false, kMakeRandomTestESetErrorText);
    }
    StopProgress();
    return ok;
}
