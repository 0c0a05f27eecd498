#include <gtest/gtest.h>

#include "platform/StringGrid.h"

using platform::StringGrid;

namespace {

// A block whose texts name their own position.
class PositionBlock : public platform::GridBlock {
public:
    explicit PositionBlock(std::string tag) : tag_(std::move(tag)) {}
    std::string Text(int row, int col) const override
    {
        return tag_ + std::to_string(row) + "," + std::to_string(col);
    }

private:
    std::string tag_;
};

struct CountingView : platform::GridView {
    void LayoutChanged() override { ++layouts; }
    void CellsChanged(int r0, int c0, int r1, int c1) override
    {
        ++cellChanges;
        rect = {r0, c0, r1, c1};
    }
    void CurrentCellChanged() override { ++currentChanges; }
    int layouts = 0, cellChanges = 0, currentChanges = 0;
    std::array<int, 4> rect{};
};

TEST(StringGridTest, DesignStateAndCellsOutsideTheGrid)
{
    StringGrid grid;
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetCell(2, 2, "corner");
    grid.SetCell(5, 5, "outside");
    EXPECT_EQ(grid.Cell(2, 2), "corner");
    EXPECT_EQ(grid.Cell(5, 5), "");
    grid.SetRowCount(2);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cell(2, 2), "") << "shrinking drops the cells that no longer exist";
}

TEST(StringGridTest, BlocksAreReadOnDemandAndOverriddenByLaterWrites)
{
    StringGrid grid;
    grid.SetColCount(1002);
    grid.SetRowCount(1001);
    grid.SetCell(5, 5, "old");
    grid.SetBlock(1, 1, 1001, 1000, std::make_shared<PositionBlock>("a"));
    EXPECT_EQ(grid.Cell(5, 5), "a4,4") << "a block replaces what its cells held";
    EXPECT_EQ(grid.Cell(1001, 1000), "a999,1000");
    EXPECT_EQ(grid.Cell(0, 1), "");

    grid.SetCell(3, 2, "edited");
    EXPECT_EQ(grid.Cell(3, 2), "edited");
    grid.SetCell(3, 2, "");
    EXPECT_EQ(grid.Cell(3, 2), "") << "an empty write over a block is still a write";

    grid.SetBlock(1, 1, 1001, 1000, std::make_shared<PositionBlock>("b"));
    EXPECT_EQ(grid.Cell(3, 2), "b1,2");
    grid.SetBlock(2, 2, 1, 1, std::make_shared<PositionBlock>("c"));
    EXPECT_EQ(grid.Cell(2, 2), "c0,0");
    EXPECT_EQ(grid.Cell(3, 2), "b1,2");
}

TEST(StringGridTest, CurrentCellStaysInsideAndNotifies)
{
    StringGrid grid;
    int selects = 0;
    grid.SetOnSelectCell([&] { ++selects; });
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.SetRow(5);
    grid.SetCol(4);
    EXPECT_EQ(selects, 2);
    grid.SetRow(0);  // a fixed row cannot be current
    grid.SetCol(6);  // nor a column beyond the last
    grid.SetRow(5);  // no change, no notification
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(selects, 2);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(selects, 3);
}

TEST(StringGridTest, UpdatesReachTheViewOnceAtTheEnd)
{
    StringGrid grid;
    CountingView view;
    grid.SetView(&view);
    grid.SetCell(1, 1, "x");
    EXPECT_EQ(view.cellChanges, 1);
    {
        platform::GridUpdate update(grid);
        grid.SetCell(1, 2, "a");
        grid.SetCell(2, 1, "b");
        EXPECT_EQ(view.cellChanges, 1);
    }
    EXPECT_EQ(view.cellChanges, 2);
    EXPECT_EQ(view.rect, (std::array<int, 4>{1, 1, 2, 2}));
    {
        platform::GridUpdate update(grid);
        grid.SetColCount(1002);
        for (int c = 0; c < 1002; ++c)
            grid.SetColWidth(c, 250);
        grid.SetCell(1, 1, "y");
    }
    EXPECT_EQ(view.layouts, 1);
    EXPECT_EQ(view.cellChanges, 2) << "a new layout covers the cells";
    EXPECT_EQ(grid.ColWidth(1001), 250);
}

}  // namespace
