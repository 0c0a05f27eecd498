#include "tests/solver/ReferenceElimination.h"

#include <utility>

#include "complex/ComplexOp.h"
#include "solver/SolveESet.h"

namespace {

bool IllConditioned(TESetCTRL& ESet)
{
    ESet.Solved = false;
    ESet.ResultCode = 2;
    ESet.ResultText = kIllConditionedText;
    return false;
}

}  // namespace

ReferenceSteps ReferenceForwardSteps(const TESetArray& g)
{
    const std::size_t n = g.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        long double best = ComplexModule(g[i][i]);
        std::size_t p = i;
        for (std::size_t j = i; j < n; ++j) {
            if (ComplexModule(g[j][i]) > best) {
                best = g[j][i].Module;
                p = j;
            }
        }
        if (p != i) {
            for (std::size_t c = 0; c <= n; ++c)
                std::swap(g[i][c], g[p][c]);
        }
        if (ComplexModule(g[i][i]) < ModuleThreshold)
            return {i + 1, true};
        for (std::size_t r = i + 1; r < n; ++r) {
            TComplex f;
            ComplexDiv(g[r][i], g[i][i], f);
            for (std::size_t c = 0; c <= n; ++c)
                ComplexMulSub(f, g[i][c], g[r][c]);
        }
    }
    return {n - 1, false};
}

bool ReferenceBuildGausseMatrix(TESetCTRL& ESet, ReferenceSteps* steps)
{
    const TESetArray& g = ESet.G;
    const std::size_t n = g.size();
    ESet.Solved = false;
    const ReferenceSteps taken = ReferenceForwardSteps(g);
    if (steps)
        *steps = taken;
    if (taken.stopped)
        return IllConditioned(ESet);
    for (std::size_t k = 0; k < n; ++k) {
        long double sum = 0;
        for (std::size_t c = 0; c <= n; ++c) {
            CartToPolar(g[k][c]);
            sum = sum + g[k][c].Module;
        }
        if (sum < ModuleThreshold)
            return IllConditioned(ESet);
    }
    ESet.Solved = true;
    return true;
}

void ReferenceSolveRoots(TESetCTRL& ESet)
{
    const TESetArray& g = ESet.G;
    const std::size_t n = g.size();
    for (std::size_t i = n; i-- > 0;) {
        TComplex s;
        ComplexClear(s);
        for (std::size_t j = i + 1; j < n; ++j)
            ComplexMulAdd(g[i][j], ESet.X[j], s);
        ComputeRoot(g[i][n], s, g[i][i], ESet.X[i]);
        CartToPolar(ESet.X[i]);
    }
}
