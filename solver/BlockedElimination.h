#pragma once

#include <cstddef>

#include "complex/TComplex.h"

namespace platform {
class WorkerPool;
}

// The number of pivot steps whose row updates are gathered into one pass over
// the matrix.
inline constexpr std::size_t kEliminationBlockSteps = 32;

// Forward elimination with partial pivoting by modulus of the n x (n + 1)
// matrix given by its row pointers (n >= 2), on the threads of the pool.
// Every bit of every entry, polar fields included, comes out as the plain
// sequential elimination leaves it: at each pivot step i the search stores
// the modulus in each entry of column i from row i down, the rows i and p are
// swapped whole, the modulus of the pivot is stored again, and every row r
// below takes G[r][c] := G[r][c] - (G[r][i] / G[i][i]) * G[i][c] over all
// columns. Steps the progress bar once per pivot step, from the calling
// thread. False when a pivot's modulus is below the threshold; the matrix is
// then exactly as the sequential elimination leaves it at that step.
bool EliminateForward(TComplex* const* rows, std::size_t n, platform::WorkerPool& pool);
