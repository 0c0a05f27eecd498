#include "grids/ESetGridService.h"

#include <memory>
#include <string>

#include "complex/ComplexOp.h"
#include "grids/MatrixSnapshot.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "platform/StaticText.h"
#include "platform/StringGrid.h"

namespace {

struct RootColumn {
    int width;
    const char* header;
};

// The column heads of the roots grid.
constexpr RootColumn kRootColumns[6] = {
    {60, " i или k"},
    {40, " X - on"},
    {250, " Значение корня X [ i ]"},
    {40, " b - on"},
    {250, " Значение b [ k ]"},
    {250, "Баланс k - того уравнения"},
};

constexpr int kRootValueCol = 2;
constexpr int kFreeTermCol = 4;
constexpr int kBalanceCol = 5;

constexpr TShowCTRL kCellReSettings{0, 1, 4, false};
constexpr TShowCTRL kCellImSettings{0, 2, 4, false};

}  // namespace

bool InitESetGrid(platform::StringGrid& Grid, std::int32_t Rows, std::int32_t Cols)
{
    StartProgress("InitESetGrid", 0, 1, Rows);
    bool ok = false;
    try {
        platform::GridUpdate update(Grid);
        Grid.SetRowCount(Rows + 1);
        Grid.SetColCount(Cols + 1);
        Grid.SetFixedRows(1);
        Grid.SetFixedCols(1);
        for (int r = 0; r <= Rows; ++r) {
            StepProgress();
            if (r > 0) {
                // The data cells keep their texts; only the row head is written.
                Grid.SetCell(0, r, "A [ " + std::to_string(r - 1) + ", i ]");
                continue;
            }
            for (int c = 0; c <= Cols; ++c) {
                if (c == 0) {
                    Grid.SetColWidth(c, 60);
                    Grid.SetCell(c, 0, "");
                } else if (c == Cols) {
                    Grid.SetColWidth(c, 250);
                    Grid.SetCell(c, 0, " b [ k ] = Свободный член");
                } else {
                    Grid.SetColWidth(c, 250);
                    const std::string index = std::to_string(c - 1);
                    Grid.SetCell(c, 0, "X" + index + "   ( i = " + index + " )");
                }
            }
        }
        ok = true;
        ReportDebug(" Grid для системы уравнений инициализирован");
    } catch (...) {
        ReportError(true, false, " SYSERROR(InitESetGrid): ОШИБКА ИНИЦИАЛИЗАЦИИ GRID ДЛЯ СИСТЕМЫ УРАВНЕНИЙ");
        ok = false;
    }
    StopProgress();
    return ok;
}

bool InitRootGrid(platform::StringGrid& Grid, std::int32_t Rows)
{
    try {
        platform::GridUpdate update(Grid);
        Grid.SetRowCount(1 + Rows);
        Grid.SetColCount(6);
        Grid.SetFixedRows(1);
        Grid.SetFixedCols(1);
        for (int r = 0; r <= Rows; ++r)
            for (int c = 0; c < 6; ++c) {
                if (r == 0) {
                    Grid.SetColWidth(c, kRootColumns[c].width);
                    Grid.SetCell(c, 0, kRootColumns[c].header);
                } else {
                    Grid.SetCell(c, r, c == 0 ? std::to_string(r - 1) : std::string());
                }
            }
        ReportDebug(" Grid для корней системы уравнений инициализирован");
        return true;
    } catch (...) {
        ReportError(true, false,
                    " SYSERROR(InitRootGrid): ОШИБКА ИНИЦИАЛИЗАЦИИ GRID ДЛЯ КОРНЕЙ СИСТЕМЫ УРАВНЕНИЙ");
        return false;
    }
}

bool InitESetAndRootGrid(const TESetCTRL& ESet, platform::StringGrid& EquationGrid, platform::StringGrid& RootGrid)
{
    return InitESetGrid(EquationGrid, ESet.NRows, ESet.NCols) && InitRootGrid(RootGrid, ESet.NRows);
}

void ShowESetToGrid(const TESetArray& Matrix, TShowCTRL Settings, platform::StringGrid& Grid)
{
    const int rows = int(Matrix.size());
    if (rows == Grid.RowCount() - Grid.FixedRows() && Grid.ColCount() == Grid.RowCount() + 1) {
        StartProgress("ShowESetToGrid", 0, 1, rows - 1);
        auto snapshot = std::make_shared<MatrixSnapshot>(Matrix, Settings, true);
        const int cols = snapshot->Cols();
        Grid.SetBlock(Grid.FixedCols(), Grid.FixedRows(), cols, rows, std::move(snapshot));
    }
    StopProgress();
}

void ShowESetRootsToGrid(const TESetRoots& Roots, TShowCTRL Settings, platform::StringGrid& Grid)
{
    const int count = int(Roots.size());
    if (count == Grid.RowCount() - Grid.FixedRows()) {
        StartProgress("ShowESetRootsToGrid", 0, 1, count - 1);
        platform::GridUpdate update(Grid);
        for (int i = 0; i < count; ++i) {
            StepProgress();
            Grid.SetCell(kRootValueCol, Grid.FixedRows() + i, FormatComplex(Roots[std::size_t(i)], Settings));
        }
    }
    StopProgress();
}

void ShowESetNEqToGrid(const TESetCTRL& ESet, TShowCTRL Settings, platform::StringGrid& Grid)
{
    const std::size_t n = ESet.A.size();
    StartProgress("ShowESetNEqToGrid", 0, 1, std::int32_t(n) - 1);
    {
        platform::GridUpdate update(Grid);
        for (std::size_t k = 0; k < n; ++k) {
            StepProgress();
            const TESetRow& row = ESet.A[k];
            if (row.size() <= n || ESet.X.size() < n)
                continue;  // a row or roots vector of another size has no balance
            TComplex sum;
            TComplex term;
            for (std::size_t i = 0; i < n; ++i) {
                ComplexMul(row[i], ESet.X[i], term);
                ComplexAdd(sum, term, sum);
            }
            TComplex balance;
            ComplexSub(row[n], sum, balance);
            CartToPolar(balance);
            const int gridRow = Grid.FixedRows() + int(k);
            Grid.SetCell(kFreeTermCol, gridRow, FormatComplex(row[n], Settings));
            Grid.SetCell(kBalanceCol, gridRow, FormatComplex(balance, Settings));
        }
    }
    StopProgress();
}

bool RefreshESetGrid(const TESetCTRL& ESet, platform::StringGrid& Grid, TShowCTRL Settings, std::uint8_t Which)
{
    if (Which != 1 && Which != 2)
        return false;
    ShowESetToGrid(Which == 1 ? ESet.A : ESet.G, Settings, Grid);
    MatrixSelect = Which;
    ShowCTRLChanged = false;
    return true;
}

void ShowESetCellToText(const TESetArray& Matrix, std::int32_t K, std::int32_t I, platform::StaticText& ReText,
                        platform::StaticText& ImText)
{
    if (K < 0 || std::size_t(K) >= Matrix.size() || I < 0 || std::size_t(I) >= Matrix[std::size_t(K)].size())
        return;
    const TComplex& entry = Matrix[std::size_t(K)][std::size_t(I)];
    ReText.SetCaption(FormatComplex(entry, kCellReSettings));
    ImText.SetCaption(FormatComplex(entry, kCellImSettings));
}

bool GetESetGridCell(const platform::StringGrid& Grid, const TESetArray& Matrix, TESetCellCTRL& Cell)
{
    if (Matrix.size() < 2 || Matrix.size() > 1000)
        return false;
    Cell.GridRow = Grid.Row();
    Cell.GridCol = Grid.Col();
    Cell.MatrixRow = Cell.GridRow - Grid.FixedRows();
    Cell.MatrixCol = Cell.GridCol - Grid.FixedCols();
    return Cell.MatrixRow >= 0 && std::size_t(Cell.MatrixRow) < Matrix.size() && Cell.MatrixCol >= 0
        && std::size_t(Cell.MatrixCol) < Matrix[std::size_t(Cell.MatrixRow)].size();
}

bool CheckRootGridRow(const platform::StringGrid& Grid, const TESetCTRL& ESet)
{
    const std::size_t n = ESet.A.size();
    const int k = Grid.Row() - Grid.FixedRows();
    return !ESet.A.empty() && !ESet.X.empty() && n >= 2 && n <= 1000 && ESet.X.size() == n && k >= 0
        && std::size_t(k) < n;
}

void GoToGridCell(platform::StringGrid& Grid, std::int32_t Row, std::int32_t Col)
{
    if (Row <= Grid.RowCount() - Grid.FixedRows() && Col <= Grid.ColCount() - Grid.FixedCols()
        && Row >= Grid.FixedRows() && Col >= Grid.FixedCols()) {
        Grid.SetRow(Row);
        Grid.SetCol(Col);
    }
}
