#pragma once

#include <cstdint>

#include "complex/ComplexText.h"
#include "model/MAINDATA.h"

namespace platform {
class StaticText;
class StringGrid;
}

// Laying out and filling the equation-set grid and the roots grid.

// N + 1 rows and N + 2 columns with their headers; the data cells keep their texts.
bool InitESetGrid(platform::StringGrid& Grid, std::int32_t Rows, std::int32_t Cols);
// N + 1 rows and six columns with headers and indices; values and marks cleared.
bool InitRootGrid(platform::StringGrid& Grid, std::int32_t Rows);
bool InitESetAndRootGrid(const TESetCTRL& ESet, platform::StringGrid& EquationGrid, platform::StringGrid& RootGrid);

// Shows the matrix as it is now; later changes of the matrix show only after
// the next call. Nothing is drawn unless the grid was laid out for its size.
void ShowESetToGrid(const TESetArray& Matrix, TShowCTRL Settings, platform::StringGrid& Grid);
void ShowESetRootsToGrid(const TESetRoots& Roots, TShowCTRL Settings, platform::StringGrid& Grid);
// The free term and the balance b[k] - sum a[k, i] * X[i] of every equation.
void ShowESetNEqToGrid(const TESetCTRL& ESet, TShowCTRL Settings, platform::StringGrid& Grid);

// Shows A (Which = 1) or G (Which = 2) and records the choice in MatrixSelect.
bool RefreshESetGrid(const TESetCTRL& ESet, platform::StringGrid& Grid, TShowCTRL Settings, std::uint8_t Which);

// The real and imaginary parts of entry [k][i] with 16 decimals.
void ShowESetCellToText(const TESetArray& Matrix, std::int32_t K, std::int32_t I, platform::StaticText& ReText,
                        platform::StaticText& ImText);
// Locates the grid's current cell in the matrix.
bool GetESetGridCell(const platform::StringGrid& Grid, const TESetArray& Matrix, TESetCellCTRL& Cell);
// True when the current row of the roots grid belongs to an equation of the set.
bool CheckRootGridRow(const platform::StringGrid& Grid, const TESetCTRL& ESet);
void GoToGridCell(platform::StringGrid& Grid, std::int32_t Row, std::int32_t Col);
