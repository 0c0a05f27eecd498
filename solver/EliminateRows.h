#pragma once

#include <cstddef>

#include "complex/TComplex.h"

// One step of the forward elimination on the rows first .. last - 1 of a
// matrix given by its row pointers: each such row r takes
//   f := r[pivotCol] / pivotRow[pivotCol]
// and then r[c] := r[c] - f * pivotRow[c] for every column c from 0 to
// cols - 1, the columns left of the pivot included. The pivot row is only
// read and must lie outside the range; the rows of the range do not depend on
// each other, so any split of the range gives the same bits.
void EliminateRows(TComplex* const* rows, std::size_t first, std::size_t last, const TComplex* pivotRow,
                   std::size_t pivotCol, std::size_t cols);
