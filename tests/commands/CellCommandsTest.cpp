#include "commands/CellCommands.h"
#include "commands/NewESet.h"
#include "grids/ESetGridService.h"
#include "platform/StringGrid.h"
#include "tests/model/ReportingFixture.h"

namespace {

class CellCommandsTest : public ReportingFixture {
protected:
    CellCommandsTest()
    {
        ESet = TESetCTRL{};
        ESetCellCTRL = TESetCellCTRL{};
        ShowCTRL = TShowCTRL{};
        TNewESetCTRL request{5, 6, true};
        NewESet(ESet, request, equations, roots, ShowCTRL);
        boxes.Clear();
    }
    ~CellCommandsTest() override { ESet = TESetCTRL{}; }

    platform::StringGrid equations;
    platform::StringGrid roots;
};

TEST_F(CellCommandsTest, ClearAsksAndClearsOnlyOnYes)
{
    GoToGridCell(equations, 2, 3);
    const std::string before = equations.Cell(3, 2);
    ClearESetCell(equations);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, platform::MsgKind::Confirmation);
    EXPECT_EQ(boxes.boxes()[0].text, "ОЧИСТИТЬ ДАННЫЕ В СТРОКЕ = 1, КОЛОНКЕ = 2 ?");
    EXPECT_EQ(equations.Cell(3, 2), before);
    EXPECT_FALSE(ESetCellCTRL.Changed);

    GoToGridCell(equations, 1, 1);
    JumpInESetGrid(equations, GridJump::LastEditedCell);  // the cell the No was given for
    EXPECT_EQ(equations.Row(), 2);
    EXPECT_EQ(equations.Col(), 3);

    boxes.AnswerNext(true);
    ClearESetCell(equations);
    EXPECT_EQ(equations.Cell(3, 2), "0.000000 + J 0.000000");
    EXPECT_EQ(ESet.A[1][2].Re, 0);
    EXPECT_EQ(ESet.A[1][2].Module, 0);
}

TEST_F(CellCommandsTest, ClearDoesNothingWhileTheTriangularMatrixIsShown)
{
    MatrixSelect = 2;
    boxes.AnswerNext(true);
    ClearESetCell(equations);
    EXPECT_TRUE(boxes.boxes().empty());
    MatrixSelect = 1;
}

TEST_F(CellCommandsTest, NavigationTargets)
{
    GoToGridCell(equations, 1, 2);
    JumpInESetGrid(equations, GridJump::LastRow);
    EXPECT_EQ(equations.Row(), 5);
    EXPECT_EQ(equations.Col(), 2);
    JumpInESetGrid(equations, GridJump::LastCol);
    EXPECT_EQ(equations.Col(), 6);
    JumpInESetGrid(equations, GridJump::FirstRow);
    EXPECT_EQ(equations.Row(), 1);
    JumpInESetGrid(equations, GridJump::FirstCol);
    EXPECT_EQ(equations.Col(), 1);
    ESetCellCTRL.GridRow = -1;
    ESetCellCTRL.GridCol = -1;
    JumpInESetGrid(equations, GridJump::LastEditedCell);
    EXPECT_EQ(equations.Row(), 1);
}

TEST_F(CellCommandsTest, MarksAreCellTextsOfTheCurrentRow)
{
    roots.SetRow(3);
    SetRootMark(roots, RootMark::Root, true);
    SetRootMark(roots, RootMark::FreeTerm, true);
    EXPECT_EQ(roots.Cell(1, 3), " +++");
    EXPECT_EQ(roots.Cell(3, 3), " +++");
    SetRootMark(roots, RootMark::Root, false);
    EXPECT_EQ(roots.Cell(1, 3), "");
    EXPECT_EQ(roots.Cell(3, 3), " +++");

    ESet.X.resize(4);  // a roots vector that no longer fits the system
    SetRootMark(roots, RootMark::Root, true);
    EXPECT_EQ(roots.Cell(1, 3), "");
}

TEST_F(CellCommandsTest, CommitWritesTheNewValueOnlyWhenEntered)
{
    ESetCellCTRL.Grid = &equations;
    ESetCellCTRL.Matrix = ESet.A;
    ESetCellCTRL.GridRow = 2;
    ESetCellCTRL.GridCol = 6;
    ESetCellCTRL.MatrixRow = 1;
    ESetCellCTRL.MatrixCol = 5;
    ESetCellCTRL.NewValue = TComplex{3, -4, 5, 5.355890089177974L};
    const std::string before = equations.Cell(6, 2);
    ESetCellCTRL.Changed = false;
    CommitESetCellEdit();
    EXPECT_EQ(equations.Cell(6, 2), before);
    ESetCellCTRL.Changed = true;
    CommitESetCellEdit();
    EXPECT_EQ(equations.Cell(6, 2), "3.000000 - J 4.000000");
    EXPECT_EQ(ESet.A[1][5].Module, 5);
}

}  // namespace
