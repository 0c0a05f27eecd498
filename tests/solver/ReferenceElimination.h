#pragma once

#include <cstddef>

#include "model/MAINDATA.h"

// The plain sequential forward elimination and back substitution, written
// step by step after the algorithm, as the reference the solver's faster
// elimination must match bit for bit. Outcome fields as the solver sets
// them; no progress bar.

// The pivot steps on G: pivot search storing every examined modulus, whole-row
// swap, the pivot test, the row updates over all columns. Returns the number
// of steps begun, and whether the last of them stopped at a small pivot.
struct ReferenceSteps {
    std::size_t begun;
    bool stopped;
};
ReferenceSteps ReferenceForwardSteps(const TESetArray& G);

// The pivot steps, then the row test refreshing polar halves row by row;
// code 2 at a small pivot or at the first row below the threshold. Tells how
// the pivot steps ended when asked.
bool ReferenceBuildGausseMatrix(TESetCTRL& ESet, ReferenceSteps* steps = nullptr);

// X from the triangular G, from the last root up, each with its polar half.
void ReferenceSolveRoots(TESetCTRL& ESet);
