#pragma once

namespace platform {
class StringGrid;
}

// The commands on single cells of the two grids, on the program's current
// equation set, display settings and cell-control record.

// Clears the current cell of the equation grid after a Yes to the
// confirmation; only while the grid shows the source matrix.
void ClearESetCell(platform::StringGrid& EquationGrid);

// Writes the value entered in the cell-edit dialog into the source matrix and
// the equation grid, when a value was entered for a located cell.
void CommitESetCellEdit();

// The targets of the five navigation buttons of the equation grid.
enum class GridJump { FirstRow, LastRow, FirstCol, LastCol, LastEditedCell };
void JumpInESetGrid(platform::StringGrid& EquationGrid, GridJump Target);

// The two mark columns of the roots grid.
enum class RootMark { Root = 1, FreeTerm = 3 };
// Marks (" +++") or unmarks the current row of the roots grid when it
// belongs to an equation of the current set.
void SetRootMark(platform::StringGrid& RootGrid, RootMark Column, bool Marked);
