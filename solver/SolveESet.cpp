#include "solver/SolveESet.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "complex/ComplexOp.h"
#include "complex/NumberText.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "solver/EliminateRows.h"

namespace {

void SetOutcome(TESetCTRL& ESet, bool solved, std::int32_t code, std::string text)
{
    ESet.Solved = solved;
    ESet.ResultCode = code;
    ESet.ResultText = std::move(text);
}

// The row p at or below i whose entry in column i has the largest modulus;
// ties keep the earlier row. Every examined entry keeps its modulus.
std::size_t FindPivotRow(TComplex* const* rows, std::size_t n, std::size_t i)
{
    long double best = ComplexModule(rows[i][i]);
    std::size_t p = i;
    for (std::size_t j = i; j < n; ++j) {
        const long double module = ComplexModule(rows[j][i]);
        if (module > best) {
            best = module;
            p = j;
        }
    }
    return p;
}

// Refreshes the polar half of every entry of the row and adds up the moduli.
long double RowModuleSum(TComplex* row, std::size_t cols)
{
    long double sum = 0;
    for (std::size_t c = 0; c < cols; ++c) {
        CartToPolar(row[c]);
        sum = sum + row[c].Module;
    }
    return sum;
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

    for (std::size_t i = 0; i + 1 < n; ++i) {
        StepProgress();
        const std::size_t p = FindPivotRow(rows.data(), n, i);
        if (p != i)
            std::swap_ranges(rows[i], rows[i] + cols, rows[p]);
        // Leaves the bar to the solve command, which resets it when it ends.
        if (ComplexModule(rows[i][i]) < ModuleThreshold) {
            SetOutcome(ESet, false, 2, kIllConditionedText);
            return false;
        }
        EliminateRows(rows.data(), i + 1, n, rows[i], i, cols);
    }

    for (std::size_t k = 0; k < n; ++k) {
        if (RowModuleSum(rows[k], cols) < ModuleThreshold) {
            SetOutcome(ESet, false, 2, kIllConditionedText);
            return false;
        }
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
