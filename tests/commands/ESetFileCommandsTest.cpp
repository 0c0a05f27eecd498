#include <filesystem>

#include "commands/ESetFileCommands.h"
#include "commands/NewESet.h"
#include "platform/StringGrid.h"
#include "tests/model/ReportingFixture.h"

using platform::MsgKind;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

class ESetFileCommandsTest : public ReportingFixture {
protected:
    ESetFileCommandsTest()
    {
        TNewESetCTRL request{3, 4, true};
        NewESet(set, request, equations, roots, TShowCTRL{});
        memo.Clear();
        boxes.Clear();
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir.File(name)); }

    testing_support::TempDir dir;
    platform::StringGrid equations;
    platform::StringGrid roots;
    TESetCTRL set;
};

TEST_F(ESetFileCommandsTest, NamesGetTheEsmExtension)
{
    const std::pair<std::string, std::string> names[] = {
        {"sys", "sys.esm"}, {"SYS.ESM", "SYS.ESM"}, {"a.Esm", "a.Esm"}, {"x.txt", "x.txt.esm"}};
    for (const auto& [typed, written] : names) {
        SaveESetAs(dir.File(typed), set);
        EXPECT_TRUE(Exists(written)) << typed;
        EXPECT_EQ(set.FileName, dir.File(written));
        EXPECT_EQ(set.ShortName, written);
        TESetCTRL loaded;
        EXPECT_TRUE(LoadESet(dir.File(typed), loaded, TShowCTRL{}, equations, roots)) << typed;
        EXPECT_EQ(loaded.ShortName, written);
    }
}

TEST_F(ESetFileCommandsTest, SaveAsAndLoadReportWithUpperCaseNames)
{
    SaveESetAs(dir.File("data_система"), set);
    EXPECT_EQ(boxes.boxes().back().text, " УСПЕШНО СОХРАНЕН ФАЙЛ : DATA_система.ESM");
    TESetCTRL loaded;
    ASSERT_TRUE(LoadESet(dir.File("data_система.esm"), loaded, TShowCTRL{}, equations, roots));
    EXPECT_EQ(boxes.boxes().back(),
              (testing_support::RecordingBoxes::Box{MsgKind::Information, " УСПЕШНО ЗАГРУЖЕН ФАЙЛ : DATA_система.ESM", false}));
    EXPECT_EQ(loaded.NRows, 3);
    EXPECT_EQ(MatrixSelect, 1);
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(loaded.A[k][i].Re, set.A[k][i].Re);
}

TEST_F(ESetFileCommandsTest, OverwriteAnsweredNoWritesNothing)
{
    WriteFile(dir.File("kept.esm"), "old");
    set.FileName = "remembered";
    set.ShortName = "remembered";
    SaveESetAs(dir.File("kept"), set);
    EXPECT_EQ(ReadFile(dir.File("kept.esm")), "old");
    EXPECT_EQ(set.FileName, "remembered");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "ФАЙЛ: kept.esm\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?");
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 5u) << "the section's two ends and nothing between";
    EXPECT_EQ(lines[2], " НАЧАЛО СОХРАНЕНИЯ СИСТЕМЫ УРАВНЕНИЙ В ФАЙЛ ");
    EXPECT_EQ(lines[3], " КОНЕЦ СОХРАНЕНИЯ СИСТЕМЫ УРАВНЕНИЙ ");

    boxes.AnswerNext(true);
    SaveESetAs(dir.File("kept"), set);
    EXPECT_NE(ReadFile(dir.File("kept.esm")), "old");
    EXPECT_EQ(set.ShortName, "kept.esm");
}

TEST_F(ESetFileCommandsTest, SaveNeedsARememberedFileThatStillExists)
{
    SaveESet(set);
    EXPECT_EQ(boxes.boxes().back().text, "СИСТЕМА УРАВНЕНИЙ ЕЩЕ НЕ СОХРАНЯЛАСЬ!\r\nВЫПОЛНИТЕ : Файлы \\ Сохранить как ...");
    EXPECT_TRUE(Lines().empty());

    SaveESetAs(dir.File("sys"), set);
    set.A[0][0].Re = 42;
    SaveESet(set);  // no question: the file belongs to the system
    EXPECT_EQ(boxes.boxes().back().text, " УСПЕШНО СОХРАНЕН ФАЙЛ : SYS.ESM");

    std::filesystem::remove(dir.File("sys.esm"));
    boxes.Clear();
    SaveESet(set);
    EXPECT_EQ(boxes.boxes(), (std::vector<testing_support::RecordingBoxes::Box>{
                                 {MsgKind::Error,
                                  " ОШИБКА. УТЕРЯНА СВЯЗЬ С ФАЙЛОМ СОХРАНЕНИЯ\r\nВЫПОЛНИТЕ : Файлы \\ Сохранить как ...",
                                  false}}));
    EXPECT_FALSE(Exists("sys.esm"));
    EXPECT_EQ(set.ShortName, "sys.esm");
}

TEST_F(ESetFileCommandsTest, MissingOrDamagedFiles)
{
    TESetCTRL loaded = set;
    EXPECT_FALSE(LoadESet(dir.File("absent"), loaded, TShowCTRL{}, equations, roots));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(loaded.NRows, 3) << "a name that names no file changes nothing";

    WriteFile(dir.File("broken.esm"), std::string(56, '\x07'));
    set.FileName = "x";
    set.ShortName = "x";
    EXPECT_FALSE(LoadESet(dir.File("broken.esm"), set, TShowCTRL{}, equations, roots));
    EXPECT_EQ(boxes.Texts().back(), " БУДЕТ СОЗДАНА НОВАЯ МИНИМАЛЬНАЯ СИСТЕМА УРАВНЕНИЙ");
    EXPECT_EQ(set.NRows, 2);
    EXPECT_EQ(set.FileName, "");
    EXPECT_EQ(set.ShortName, "");
    EXPECT_EQ(equations.RowCount(), 3);
    EXPECT_EQ(equations.ColCount(), 4);
    EXPECT_EQ(equations.Cell(3, 2), "0.000000 + J 0.000000");
    EXPECT_EQ(roots.RowCount(), 3);
    EXPECT_EQ(MatrixSelect, 1);
}

}  // namespace
