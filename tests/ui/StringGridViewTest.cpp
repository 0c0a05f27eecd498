#include <QApplication>
#include <QHeaderView>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "grids/ESetGridService.h"
#include "ui/StringGridView.h"
#include "tests/support/TestEnvironment.h"

namespace {

TESetCTRL SystemOf(int n)
{
    TESetCTRL set;
    set.NRows = n;
    set.NCols = n + 1;
    set.A.resize(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        set.A[std::size_t(k)].resize(std::size_t(n + 1));
        for (int i = 0; i <= n; ++i)
            set.A[std::size_t(k)][std::size_t(i)] = TComplex{static_cast<long double>(k), static_cast<long double>(i), 0, 0};
    }
    return set;
}

TEST(StringGridViewTest, ShowsAThousandEquationGrid)
{
    testing_support::TestEnvironment env;
    platform::StringGrid grid;
    StringGridView view(grid);
    view.resize(800, 500);
    view.show();

    const TESetCTRL set = SystemOf(1000);
    ASSERT_TRUE(InitESetGrid(grid, 1000, 1001));
    ShowESetToGrid(set.A, TShowCTRL{}, grid);
    QApplication::processEvents();

    EXPECT_EQ(view.model()->rowCount(), 1000);
    EXPECT_EQ(view.model()->columnCount(), 1001);
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "X0   ( i = 0 )");
    EXPECT_EQ(view.model()->headerData(1000, Qt::Horizontal, Qt::DisplayRole).toString(),
              " b [ k ] = Свободный член");
    EXPECT_EQ(view.model()->headerData(999, Qt::Vertical, Qt::DisplayRole).toString(), "A [ 999, i ]");
    EXPECT_EQ(view.model()->index(999, 1000).data().toString(), "999.000000 + J 1000.000000");
    EXPECT_EQ(view.horizontalHeader()->sectionSize(1000), 250);
    EXPECT_EQ(view.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(view.verticalHeader()->sectionSize(500), 18);
    EXPECT_EQ(view.verticalHeader()->width(), 60);
    const QImage picture = view.grab().toImage();
    EXPECT_EQ(picture.width(), 800);
}

TEST(StringGridViewTest, CurrentCellMovesBothWays)
{
    platform::StringGrid grid;
    StringGridView view(grid);
    ASSERT_TRUE(InitRootGrid(grid, 5));
    int selects = 0;
    grid.SetOnSelectCell([&] { ++selects; });

    grid.SetRow(4);
    EXPECT_EQ(view.currentIndex().row(), 3);
    view.setCurrentIndex(view.model()->index(1, 4));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 5);
    EXPECT_GE(selects, 2);

    grid.SetCell(2, 3, "value");
    EXPECT_EQ(view.model()->index(2, 1).data().toString(), "value");

    view.show();
    const int before = selects;
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.currentIndex()).center());
    EXPECT_GT(selects, before) << "a click on the current cell is still a click";
}

}  // namespace
