#include "solver/SolveESet.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "complex/ComplexOp.h"
#include "complex/NumberText.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "solver/BlockedElimination.h"
#include "platform/WorkerPool.h"

namespace {

void SetOutcome(TESetCTRL& ESet, bool solved, std::int32_t code, std::string text)
{
    ESet.Solved = solved;
    ESet.ResultCode = code;
    ESet.ResultText = std::move(text);
}

// One thread per core, though not more than one per 64 columns: waking a
// thread costs more than a small system's work.
unsigned SolverThreads(std::size_t n)
{
    const auto perColumns = static_cast<unsigned>(std::min<std::size_t>((n + 1) / 64, 256));
    return std::clamp(std::thread::hardware_concurrency(), 1u, std::max(perColumns, 1u));
}

// Whether some entry of the row keeps a non-zero modulus once its polar half
// is refreshed; the row itself is not changed. Looks from the free term
// backwards, where a triangulated row has its non-zero entries.
bool KeepsSomeModulus(const TComplex* row, std::size_t cols)
{
    for (std::size_t c = cols; c-- > 0;) {
        TComplex z = row[c];
        CartToPolar(z);
        if (z.Module != 0)
            return true;
    }
    return false;
}

void RefreshPolarHalves(TComplex* row, std::size_t cols)
{
    for (std::size_t c = 0; c < cols; ++c)
        CartToPolar(row[c]);
}

// The test ComputeRoot makes before it divides by a diagonal coefficient.
bool IsZeroCoefficient(const TComplex& c) { return !((c.Re * c.Re) + (c.Im * c.Im) > 0); }

}  // namespace

bool CheckESetSizes(TESetCTRL& ESet)
{
    if (ESet.A.empty() || ESet.G.empty() || ESet.X.empty()) {
        SetOutcome(ESet, false, -1, kNotFormedText);
        return false;
    }
    const std::size_t n = ESet.G.size();
    if (n < 2 || ESet.X.size() != n)
        return false;
    for (std::size_t k = 0; k < n; ++k) {
        if (ESet.G[k].size() != n + 1) {
            SetOutcome(ESet, false, 3, kWrongSizesText);
            return false;
        }
    }
    return true;
}

bool BuildGausseMatrix(TESetCTRL& ESet)
{
    const std::size_t n = ESet.G.size();
    const std::size_t cols = n + 1;
    ESet.Solved = false;
    StartProgress("BuildGausseMatrix", 0, 1, static_cast<std::int32_t>(n) - 2);

    // The rows stay in place (swaps exchange entries), so their pointers hold
    // for the whole elimination.
    std::vector<TComplex*> rows(n);
    for (std::size_t k = 0; k < n; ++k)
        rows[k] = ESet.G[k].data();

    // Both stops leave the bar to the solve command, which resets it when it
    // ends.
    platform::WorkerPool pool(SolverThreads(n));
    if (!EliminateForward(rows.data(), n, pool)) {
        SetOutcome(ESet, false, 2, kIllConditionedText);
        return false;
    }

    // Row test: the rows in order, each failing when the sum of its refreshed
    // moduli is below the threshold, the rows after a failing one keeping
    // their polar halves. A refreshed modulus is either 0 or above the
    // threshold, and adding non-negative terms never lessens a sum, so a row
    // fails exactly when none of its entries keeps a modulus. That finds the
    // first failing row cheaply; the rows up to it are then refreshed on all
    // threads.
    std::size_t passing = 0;
    while (passing < n && KeepsSomeModulus(rows[passing], cols))
        ++passing;
    pool.Run(std::min(passing + 1, n), [&](std::size_t k) { RefreshPolarHalves(rows[k], cols); });
    if (passing < n) {
        SetOutcome(ESet, false, 2, kIllConditionedText);
        return false;
    }
    ESet.Solved = true;
    StopProgress();
    return true;
}

bool SolveRoots(TESetCTRL& ESet)
{
    const TESetArray& g = ESet.G;
    const TESetRoots& x = ESet.X;
    const std::size_t n = g.size();
    bool everyCoefficientNonZero = true;
    StartProgress("SolveRoots", 0, 1, static_cast<std::int32_t>(n) - 1);
    for (std::size_t i = n; i-- > 0;) {
        StepProgress();
        const TESetRow& row = g[i];
        TComplex known;
        for (std::size_t j = i + 1; j < n; ++j)
            ComplexMulAdd(row[j], x[j], known);
        if (IsZeroCoefficient(row[i]))
            everyCoefficientNonZero = false;
        ComputeRoot(row[n], known, row[i], x[i]);
        CartToPolar(x[i]);
    }
    StopProgress();
    return everyCoefficientNonZero;
}

bool SolveESetGauss(TESetCTRL& ESet)
{
    ReportDebug(" Начато решение системы уравнений");
    if (!CheckESetSizes(ESet))
        return false;
    ReportDebug(" Размеры исходной матрицы корректны");
    if (!BuildGausseMatrix(ESet))
        return false;
    ReportDebug(" Треугольная (Гауссова) матрица построена");
    const bool everyRootDetermined = SolveRoots(ESet);
    ReportDebug(" Корни системы уравнений вычислены");

    // Row 0 is the first pivot row, which the elimination leaves as entered.
    const TESetRow& row0 = ESet.G[0];
    const std::size_t n = ESet.G.size();
    TComplex known;
    for (std::size_t c = 0; c < n; ++c)
        ComplexMulAdd(row0[c], ESet.X[c], known);
    TComplex residual;
    ComplexSub(row0[n], known, residual);
    const long double balance = ComplexModule(residual);

    ReportDebug(" Завершено решение системы уравнений");
    // A root forced to zero means the system has no unique solution, however
    // small the balance of row 0 is: such a solve is suspect, not a success.
    if (balance < ModuleThreshold && everyRootDetermined) {
        SetOutcome(ESet, true, 0, kSolvedText + FormatGeneral(balance));
    } else {
        SetOutcome(ESet, true, 1, kSolvedWithErrorsText + FormatGeneral(balance));
        ReportError(true, true, ESet.ResultText);
    }
    return true;
}
