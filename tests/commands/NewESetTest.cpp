#include "commands/NewESet.h"
#include "platform/StringGrid.h"
#include "tests/model/ReportingFixture.h"
#include "tests/support/ChildProcess.h"

using platform::MsgKind;

namespace {

class NewESetTest : public ReportingFixture {
protected:
    platform::StringGrid equations;
    platform::StringGrid roots;
};

TEST_F(NewESetTest, OutOfRangeSizeBecomesFiveRandomEquations)
{
    for (const int rows : {1, 1001}) {
        boxes.Clear();
        memo.Clear();
        TESetCTRL set;
        set.MaxReCoeff = set.MaxImCoeff = set.MaxReRoots = set.MaxImRoots = 1;  // as the dialog left them
        TNewESetCTRL request{rows, rows + 1, false};
        ASSERT_TRUE(NewESet(set, request, equations, roots, TShowCTRL{}));
        EXPECT_EQ(request.Rows, 5);
        EXPECT_EQ(request.Cols, 6);
        EXPECT_TRUE(request.RandomData);
        EXPECT_EQ(boxes.boxes(), (std::vector<testing_support::RecordingBoxes::Box>{
                                     {MsgKind::Warning, "ОШИБКА. Размер системы переустановлен на допустимый.", false}}));
        const std::vector<std::string> expected = {
            "ОШИБКА. Размер системы переустановлен на допустимый.",
            " Запрошено создание системы уравнений с числом строк = 5",
            " Система уравнений инициирована случайными тестовыми значениями",
            " Выполнено создание системы уравнений с числом строк = 5"};
        EXPECT_EQ(Lines(), expected);
        EXPECT_EQ(set.NRows, 5);
        EXPECT_EQ(set.RefRoots.size(), 5u);
        EXPECT_EQ(equations.RowCount(), 6);
        EXPECT_EQ(roots.RowCount(), 6);
        EXPECT_NE(equations.Cell(1, 1), "0.000000 + J 0.000000") << "random data is shown";
    }
}

TEST_F(NewESetTest, TwoZeroEquationsWithTenAsBounds)
{
    TESetCTRL set;
    set.FileName = "/tmp/old.esm";
    set.ShortName = "old.esm";
    set.MaxReCoeff = set.MaxImCoeff = set.MaxReRoots = set.MaxImRoots = 1;
    TNewESetCTRL request{2, 3, false};
    MatrixSelect = 2;
    ShowCTRLChanged = true;
    ASSERT_TRUE(NewESet(set, request, equations, roots, TShowCTRL{}));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(Lines(), (std::vector<std::string>{" Запрошено создание системы уравнений с числом строк = 2",
                                                 " Выполнено создание системы уравнений с числом строк = 2"}));
    EXPECT_EQ(set.FileName, "");
    EXPECT_EQ(set.ShortName, "");
    for (const long double bound : {set.MaxReCoeff, set.MaxImCoeff, set.MaxReRoots, set.MaxImRoots})
        EXPECT_EQ(bound, 10);
    EXPECT_EQ(MatrixSelect, 1);
    EXPECT_FALSE(ShowCTRLChanged);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(equations.Cell(c, r), "0.000000 + J 0.000000");
    EXPECT_EQ(roots.Cell(2, 1), "") << "the roots come with the next solve";
}

// Memory runs out while the arrays of 1000 equations are sized: the array
// routine's error and then the command's, and the next New of five
// equations works in the same process.
TEST_F(NewESetTest, ThousandEquationsBeyondTheMemoryFailThenFiveWork)
{
    if (!testing_support::AddressSpaceLimitsWork())
        GTEST_SKIP() << "no address-space limit under AddressSanitizer";
    // The two matrices of 1000 equations take 80 MB; the child may add 48 MB.
    const long limit = testing_support::AddressSpaceInUse() + (48L << 20);
    const auto result = testing_support::RunInChild({.addressSpaceLimit = limit}, [this] {
        TESetCTRL set;
        TNewESetCTRL big{1000, 1001, false};
        std::string out = NewESet(set, big, equations, roots, TShowCTRL{}) ? "created" : "failed";
        for (const auto& box : boxes.boxes())
            out += "|" + std::to_string(int(box.kind)) + ":" + box.text;
        for (const auto& line : Lines())
            out += "|" + line;
        boxes.Clear();
        memo.Clear();
        TNewESetCTRL five{5, 6, true};
        out += NewESet(set, five, equations, roots, TShowCTRL{}) ? "#created" : "#failed";
        out += "|" + std::to_string(set.NRows) + "|" + std::to_string(equations.RowCount()) + "|"
            + std::to_string(boxes.boxes().size()) + "|" + equations.Cell(5, 5);
        return out;
    });
    ASSERT_TRUE(result.exitedNormally) << result.output;
    const std::string initError = " SYSERROR(InitESetArrays): ОШИБКА ИНИЦИАЛИЗАЦИИ ДИНАМИЧЕСКИХ МАССИВОВ";
    const std::string newError = " SYSERROR(NewESet): СОЗДАНИЕ НОВОЙ СИСТЕМЫ ЗАВЕРШИЛОСЬ АВАРИЙНО";
    const std::string error = std::to_string(int(MsgKind::Error)) + ":";
    const std::string expectedStart = "failed|" + error + initError + "|" + error + newError
        + "| Запрошено создание системы уравнений с числом строк = 1000|" + initError + "|" + newError
        + "#created|5|6|0|";
    EXPECT_EQ(result.output.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(result.output.substr(expectedStart.size()), "0.000000 + J 0.000000") << "random data is shown";
}

}  // namespace
