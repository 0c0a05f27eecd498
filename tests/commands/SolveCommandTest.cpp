#include "commands/NewESet.h"
#include "commands/SolveCommand.h"
#include "model/ESetArrayService.h"
#include "platform/StringGrid.h"
#include "tests/model/ReportingFixture.h"

using platform::MsgKind;
using Box = testing_support::RecordingBoxes::Box;

namespace {

class SolveCommandTest : public ReportingFixture {
protected:
    // A system of the given equations, laid out and shown like a new one.
    TESetCTRL Make(const std::vector<std::vector<TComplex>>& rows)
    {
        TESetCTRL set;
        TNewESetCTRL request{int(rows.size()), int(rows.size()) + 1, false};
        NewESet(set, request, equations, roots, TShowCTRL{});
        for (std::size_t k = 0; k < rows.size(); ++k)
            for (std::size_t i = 0; i < rows[k].size(); ++i)
                set.A[k][i] = rows[k][i];
        memo.Clear();
        boxes.Clear();
        return set;
    }

    std::vector<std::string> LinesFrom(std::size_t first) const
    {
        const auto lines = Lines();
        return {lines.begin() + long(first), lines.end()};
    }

    platform::StringGrid equations;
    platform::StringGrid roots;
};

TComplex Re(long double re) { return TComplex{re, 0, 0, 0}; }

TEST_F(SolveCommandTest, NoSystemYetGivesOneWarningOnly)
{
    TESetCTRL set;
    roots.SetCell(2, 1, "untouched");
    EXPECT_FALSE(RunSolveESet(set, TShowCTRL{}, roots));
    EXPECT_EQ(boxes.boxes(), (std::vector<Box>{{MsgKind::Warning, kNoSourceDataText, false}}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ИСХОДНЫЕ ДАННЫЕ НЕ СФОРМИРОВАНЫ",
                                                 "Выполните создание или загрузку системы"}));
    EXPECT_EQ(roots.Cell(2, 1), "untouched");
}

TEST_F(SolveCommandTest, AllZeroSystemStillShowsZeroRoots)
{
    TESetCTRL set = Make({{Re(0), Re(0), Re(0)}, {Re(0), Re(0), Re(0)}});
    EXPECT_FALSE(RunSolveESet(set, TShowCTRL{}, roots));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Warning);
    EXPECT_TRUE(boxes.boxes()[0].text.starts_with("МАТРИЦА системы ПЛОХО ОБУСЛОВЛЕНА."));
    EXPECT_EQ(roots.Cell(2, 1), "0.000000 + J 0.000000");
    EXPECT_EQ(roots.Cell(5, 2), "0.000000 + J 0.000000");
    const auto lines = Lines();
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2],
              "  X1\t0.0000000000000000 + J 0.0000000000000000      \t0.0000000000000000 Exp ( + J 0.0000000000000000 )");
}

TEST_F(SolveCommandTest, SolvedSystemReportsOnceAndFillsGridAndTable)
{
    // (1 + 0j) x0 = 3 + 4j, x1 = 2: the roots 3 + 4j and 2.
    TESetCTRL set = Make({{Re(1), Re(0), TComplex{3, 4, 0, 0}}, {Re(0), Re(1), Re(2)}});
    set.ResultCode = 7;
    set.ResultText = "before";
    const TESetCTRL shared = set;
    EXPECT_TRUE(RunSolveESet(set, TShowCTRL{}, roots));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Information);
    EXPECT_EQ(boxes.boxes()[0].text, "УСПЕШНОЕ РЕШЕНИЕ системы уравнений.\r\nМодуль баланса нулевой строки равен 0");
    const std::vector<std::string> expected = {
        "УСПЕШНОЕ РЕШЕНИЕ системы уравнений.",
        "Модуль баланса нулевой строки равен 0",
        "",
        " ТАБЛИЦА КОРНЕЙ СИСТЕМЫ УРАВНЕНИЙ В ДЕКАРТОВЫХ и ПОЛЯРНЫХ КООРДИНАТАХ ",
        "",
        "  X0\t3.0000000000000000 + J 4.0000000000000000      \t5.0000000000000000 Exp ( + J 0.9272952180016122 )",
        "  X1\t2.0000000000000000 + J 0.0000000000000000      \t2.0000000000000000 Exp ( + J 0.0000000000000000 )",
        ""};
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(roots.Cell(2, 1), "3.000000 + J 4.000000");
    EXPECT_EQ(roots.Cell(4, 1), "3.000000 + J 4.000000");
    EXPECT_EQ(roots.Cell(5, 1), "0.000000 + J 0.000000");
    // The copy shares G and X; the outcome fields stayed with the copy.
    EXPECT_EQ(shared.X[0].Re, 3);
    EXPECT_EQ(shared.G[0][2].Im, 4);
    EXPECT_EQ(set.ResultCode, 7);
    EXPECT_EQ(set.ResultText, "before");
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(SolveCommandTest, SuspectSolutionWarnsTwice)
{
    // x0 + 2 x1 = 3, 2 x0 + 4 x1 = 7 has no solution.
    TESetCTRL set = Make({{Re(1), Re(2), Re(3)}, {Re(2), Re(4), Re(7)}});
    EXPECT_TRUE(RunSolveESet(set, TShowCTRL{}, roots));
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Warning);
    EXPECT_TRUE(boxes.boxes()[0].text.starts_with("КОЭФФИЦИЕНТ ПРИ ВЫЧИСЛЯЕМОМ КОРНЕ"));
    EXPECT_EQ(boxes.boxes()[1], boxes.boxes()[2]);
    EXPECT_EQ(boxes.boxes()[2].kind, MsgKind::Warning);
    EXPECT_TRUE(boxes.boxes()[2].text.starts_with("Cистема решена c некоторыми ОШИБКАМИ."));
    const auto lines = Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Cистема решена c некоторыми ОШИБКАМИ."), 2);
}

TEST_F(SolveCommandTest, ThousandRootsMakeAThousandTableLines)
{
    TESetRoots roots1000;
    roots1000.resize(1000);
    ESetRootsToReport(roots1000);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1004u);
    EXPECT_TRUE(lines[3].starts_with("  X0\t"));
    EXPECT_TRUE(lines[1002].starts_with("  X999\t"));
    memo.Clear();
    ESetRootsToReport(TESetRoots{});
    EXPECT_TRUE(Lines().empty());
}

}  // namespace
