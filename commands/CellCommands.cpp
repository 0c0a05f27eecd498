#include "commands/CellCommands.h"

#include <string>

#include "complex/ComplexOp.h"
#include "grids/ESetGridService.h"
#include "model/MAINDATA.h"
#include "platform/MessageBoxes.h"
#include "platform/StringGrid.h"

namespace {

// The located cell may be written: a matrix entry in the data area of the grid.
bool CellIsWritable(const TESetCellCTRL& cell, const platform::StringGrid& grid)
{
    return cell.Changed && cell.MatrixRow >= 0 && cell.MatrixCol >= 0 && cell.GridRow >= grid.FixedRows()
        && cell.GridCol >= grid.FixedCols();
}

TComplex& EntryOf(const TESetArray& matrix, const TESetCellCTRL& cell)
{
    return matrix[std::size_t(cell.MatrixRow)][std::size_t(cell.MatrixCol)];
}

}  // namespace

void ClearESetCell(platform::StringGrid& EquationGrid)
{
    if (MatrixSelect != 1 || !GetESetGridCell(EquationGrid, ESet.A, ESetCellCTRL))
        return;
    ESetCellCTRL.Changed = platform::AskYesNo(
        platform::MsgKind::Confirmation, "ОЧИСТИТЬ ДАННЫЕ В СТРОКЕ = " + std::to_string(ESetCellCTRL.MatrixRow)
                                             + ", КОЛОНКЕ = " + std::to_string(ESetCellCTRL.MatrixCol) + " ?");
    if (!CellIsWritable(ESetCellCTRL, EquationGrid))
        return;
    TComplex& entry = EntryOf(ESet.A, ESetCellCTRL);
    ComplexClear(entry);
    EquationGrid.SetCell(ESetCellCTRL.GridCol, ESetCellCTRL.GridRow, FormatComplex(entry, ShowCTRL));
}

void CommitESetCellEdit()
{
    platform::StringGrid* grid = ESetCellCTRL.Grid;
    if (!grid || !CellIsWritable(ESetCellCTRL, *grid)
        || std::size_t(ESetCellCTRL.MatrixRow) >= ESetCellCTRL.Matrix.size()
        || std::size_t(ESetCellCTRL.MatrixCol) >= ESetCellCTRL.Matrix[std::size_t(ESetCellCTRL.MatrixRow)].size())
        return;
    TComplex& entry = EntryOf(ESetCellCTRL.Matrix, ESetCellCTRL);
    ComplexCopy(ESetCellCTRL.NewValue, entry);
    grid->SetCell(ESetCellCTRL.GridCol, ESetCellCTRL.GridRow, FormatComplex(entry, ShowCTRL));
}

void JumpInESetGrid(platform::StringGrid& EquationGrid, GridJump Target)
{
    platform::StringGrid& g = EquationGrid;
    switch (Target) {
    case GridJump::FirstRow:
        GoToGridCell(g, g.FixedRows(), g.Col());
        break;
    case GridJump::LastRow:
        GoToGridCell(g, g.RowCount() - g.FixedRows(), g.Col());
        break;
    case GridJump::FirstCol:
        GoToGridCell(g, g.Row(), g.FixedCols());
        break;
    case GridJump::LastCol:
        GoToGridCell(g, g.Row(), g.ColCount() - g.FixedCols());
        break;
    case GridJump::LastEditedCell:
        GoToGridCell(g, ESetCellCTRL.GridRow, ESetCellCTRL.GridCol);
        break;
    }
}

void SetRootMark(platform::StringGrid& RootGrid, RootMark Column, bool Marked)
{
    if (CheckRootGridRow(RootGrid, ESet))
        RootGrid.SetCell(int(Column), RootGrid.Row(), Marked ? " +++" : "");
}
