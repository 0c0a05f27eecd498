#include <gtest/gtest.h>

#include "complex/ComplexOp.h"
#include "grids/ESetGridService.h"
#include "journal/Progress.h"
#include "journal/Reports.h"
#include "platform/Memo.h"
#include "platform/ProgressBar.h"
#include "platform/StaticText.h"
#include "platform/StringGrid.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using platform::StringGrid;

namespace {

TComplex Cart(long double re, long double im)
{
    TComplex z{re, im, 0, 0};
    CartToPolar(z);
    return z;
}

// A system of N equations whose entry [k][i] is (k + 1) + i*j.
TESetCTRL MakeSystem(int n)
{
    TESetCTRL set;
    set.NRows = n;
    set.NCols = n + 1;
    set.A.resize(std::size_t(n));
    set.G.resize(std::size_t(n));
    set.X.resize(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        set.A[std::size_t(k)].resize(std::size_t(n + 1));
        set.G[std::size_t(k)].resize(std::size_t(n + 1));
        for (int i = 0; i <= n; ++i)
            set.A[std::size_t(k)][std::size_t(i)] = Cart(k + 1, i);
    }
    return set;
}

class GridsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitReport(&memo);
        InitProgress(nullptr, &bar);
        MatrixSelect = 0;
        ShowCTRLChanged = true;
    }
    void TearDown() override
    {
        InitProgress(nullptr, nullptr);
        InitReport(nullptr);
    }

    testing_support::TestEnvironment env;
    testing_support::RecordingBoxes boxes;
    platform::TextMemo memo;
    platform::ProgressBar bar;
    StringGrid equations;
    StringGrid roots;
};

TEST_F(GridsTest, LayoutAndHeadersForTwoAndFiveEquations)
{
    for (const int n : {2, 5}) {
        const TESetCTRL set = MakeSystem(n);
        ASSERT_TRUE(InitESetAndRootGrid(set, equations, roots));
        EXPECT_EQ(equations.RowCount(), n + 1);
        EXPECT_EQ(equations.ColCount(), n + 2);
        EXPECT_EQ(equations.FixedRows(), 1);
        EXPECT_EQ(equations.FixedCols(), 1);
        EXPECT_EQ(equations.ColWidth(0), 60);
        EXPECT_EQ(equations.Cell(0, 0), "");
        EXPECT_EQ(equations.Cell(1, 0), "X0   ( i = 0 )");
        EXPECT_EQ(equations.Cell(n, 0), "X" + std::to_string(n - 1) + "   ( i = " + std::to_string(n - 1) + " )");
        EXPECT_EQ(equations.Cell(n + 1, 0), " b [ k ] = Свободный член");
        EXPECT_EQ(equations.Cell(0, n), "A [ " + std::to_string(n - 1) + ", i ]");
        for (int c = 1; c <= n + 1; ++c)
            EXPECT_EQ(equations.ColWidth(c), 250);

        EXPECT_EQ(roots.RowCount(), n + 1);
        EXPECT_EQ(roots.ColCount(), 6);
        const std::vector<std::string> heads = {" i или k", " X - on", " Значение корня X [ i ]", " b - on",
                                                " Значение b [ k ]", "Баланс k - того уравнения"};
        const std::vector<int> widths = {60, 40, 250, 40, 250, 250};
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(roots.Cell(c, 0), heads[std::size_t(c)]);
            EXPECT_EQ(roots.ColWidth(c), widths[std::size_t(c)]);
        }
        EXPECT_EQ(roots.Cell(0, n), std::to_string(n - 1));
    }
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(GridsTest, MatrixTextsFollowTheSettingsAndStayUntilRefreshed)
{
    TESetCTRL set = MakeSystem(2);
    ASSERT_TRUE(InitESetAndRootGrid(set, equations, roots));
    ASSERT_TRUE(RefreshESetGrid(set, equations, TShowCTRL{}, 1));
    EXPECT_EQ(MatrixSelect, 1);
    EXPECT_FALSE(ShowCTRLChanged);
    EXPECT_EQ(equations.Cell(1, 1), "1.000000 + J 0.000000");
    EXPECT_EQ(equations.Cell(3, 2), "2.000000 + J 2.000000");

    set.G[1][2] = Cart(3, -4);
    ASSERT_TRUE(RefreshESetGrid(set, equations, TShowCTRL{1, 0, 0, false}, 2));
    EXPECT_EQ(MatrixSelect, 2);
    EXPECT_EQ(equations.Cell(3, 2), "5.000000 Exp ( + J 5.355890 )");
    set.G[1][2] = Cart(1, 0);  // a solve writes G; the grid keeps what it was shown
    EXPECT_EQ(equations.Cell(3, 2), "5.000000 Exp ( + J 5.355890 )");

    EXPECT_FALSE(RefreshESetGrid(set, equations, TShowCTRL{}, 3));
    EXPECT_EQ(MatrixSelect, 2);
}

TEST_F(GridsTest, MatrixOfAnotherSizeIsNotDrawnButTheBarIsReset)
{
    const TESetCTRL set = MakeSystem(2);  // the design grid is 3 by 3, a 2-system needs 3 by 4
    StartProgress("x", 0, 1, 10);
    StepProgress();
    ShowESetToGrid(set.A, TShowCTRL{}, equations);
    EXPECT_EQ(equations.Cell(1, 1), "");
    EXPECT_EQ(bar.Position(), 0);

    StepProgress();
    ShowESetRootsToGrid(MakeSystem(3).X, TShowCTRL{}, roots);
    EXPECT_EQ(roots.Cell(2, 1), "");
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(GridsTest, RootsFreeTermsAndBalances)
{
    TESetCTRL set = MakeSystem(2);
    ASSERT_TRUE(InitESetAndRootGrid(set, equations, roots));
    // Row k: (k+1) x0 + (k+1 + j) x1 = b with b = (k+1) + 2j; roots (1, 0) and (0, 0).
    set.X[0] = Cart(1, 0);
    ShowESetRootsToGrid(set.X, TShowCTRL{}, roots);
    ShowESetNEqToGrid(set, TShowCTRL{}, roots);
    EXPECT_EQ(roots.Cell(2, 1), "1.000000 + J 0.000000");
    EXPECT_EQ(roots.Cell(2, 2), "0.000000 + J 0.000000");
    EXPECT_EQ(roots.Cell(4, 2), "2.000000 + J 2.000000");
    EXPECT_EQ(roots.Cell(5, 1), "0.000000 + J 2.000000");
    EXPECT_EQ(roots.Cell(5, 2), "0.000000 + J 2.000000");
    EXPECT_EQ(roots.Cell(1, 1), "") << "marks stay empty";
}

TEST_F(GridsTest, CellTextsAlwaysComeFromTheGivenMatrix)
{
    const TESetCTRL set = MakeSystem(2);
    platform::PlainStaticText re, im;
    ShowESetCellToText(set.A, 1, 2, re, im);
    EXPECT_EQ(re.Caption(), "2.0000000000000000");
    EXPECT_EQ(im.Caption(), " + J 2.0000000000000000");
    ShowESetCellToText(set.A, 2, 0, re, im);  // outside: both keep their texts
    ShowESetCellToText(set.A, 0, 3, re, im);
    ShowESetCellToText(set.A, -1, 0, re, im);
    EXPECT_EQ(re.Caption(), "2.0000000000000000");
}

TEST_F(GridsTest, LocatingCellsAndRootRows)
{
    TESetCTRL set = MakeSystem(5);
    ASSERT_TRUE(InitESetAndRootGrid(set, equations, roots));
    TESetCellCTRL cell;
    equations.SetRow(5);
    equations.SetCol(6);
    ASSERT_TRUE(GetESetGridCell(equations, set.A, cell));
    EXPECT_EQ(cell.GridRow, 5);
    EXPECT_EQ(cell.GridCol, 6);
    EXPECT_EQ(cell.MatrixRow, 4);
    EXPECT_EQ(cell.MatrixCol, 5);
    EXPECT_FALSE(GetESetGridCell(equations, TESetArray{}, cell));
    EXPECT_FALSE(GetESetGridCell(equations, MakeSystem(3).A, cell)) << "current cell outside a smaller matrix";

    roots.SetRow(5);
    EXPECT_TRUE(CheckRootGridRow(roots, set));
    EXPECT_FALSE(CheckRootGridRow(roots, MakeSystem(3)));
    set.X.resize(4);
    EXPECT_FALSE(CheckRootGridRow(roots, set));
}

TEST_F(GridsTest, GoToGridCellStaysWithinTheDataCells)
{
    const TESetCTRL set = MakeSystem(5);
    ASSERT_TRUE(InitESetAndRootGrid(set, equations, roots));
    GoToGridCell(equations, equations.RowCount() - equations.FixedRows(), 3);
    EXPECT_EQ(equations.Row(), 5);
    EXPECT_EQ(equations.Col(), 3);
    GoToGridCell(equations, 2, equations.ColCount() - equations.FixedCols());
    EXPECT_EQ(equations.Col(), 6);
    GoToGridCell(equations, 0, 1);
    GoToGridCell(equations, -1, -1);
    GoToGridCell(equations, 7, 1);
    EXPECT_EQ(equations.Row(), 2);
    EXPECT_EQ(equations.Col(), 6);
}

}  // namespace
