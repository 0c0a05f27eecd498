#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "journal/Reports.h"
#include "journal/Windows1251.h"
#include "platform/FileNames.h"
#include "platform/Memo.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using platform::MsgKind;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

const std::string kSeparator = " >>> 17:34:56 " + std::string(100, '-');

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override { InitReport(&memo); }
    void TearDown() override { InitReport(nullptr); }

    std::size_t FilesInDir() const
    {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
            ++count;
        return count;
    }

    testing_support::TestEnvironment env;
    testing_support::RecordingBoxes boxes;
    platform::TextMemo memo;
    testing_support::TempDir dir;
};

TEST_F(ReportFileTest, SavedJournalIsWindows1251WithCrLf)
{
    ReportError(true, false, "Ошибка\r\nвторая строка");
    ReportMessage(false, false, "знак € и 漢字");
    boxes.Clear();
    SaveReportToFile(dir.File("journal"));

    // "ЖУРНАЛ ОПЕРАЦИЙ." in Windows-1251, then the rest.
    const std::string expected = std::string("\xC6\xD3\xD0\xCD\xC0\xCB \xCE\xCF\xC5\xD0\xC0\xD6\xC8\xC9.\r\n")
        + ToWindows1251("Журнал начат : 11.12.2026 17:34:56") + "\r\n"
        + ToWindows1251("Ошибка") + "\r\n" + ToWindows1251("вторая строка") + "\r\n"
        + ToWindows1251("знак ") + "\x88" + ToWindows1251(" и ??") + "\r\n"
        + " \r\n" + kSeparator + "\r\n"
        + ToWindows1251(" НАЧАТО СОХРАНЕНИЕ ЖУРНАЛА ") + "\r\n";
    EXPECT_EQ(ReadFile(dir.File("journal.txt")), expected);

    const std::vector<testing_support::RecordingBoxes::Box> expectedBoxes = {
        {MsgKind::Information, " ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ journal.txt", false}};
    EXPECT_EQ(boxes.boxes(), expectedBoxes);
    const auto lines = memo.Lines();
    const std::vector<std::string> tail(lines.end() - 5, lines.end());
    const std::vector<std::string> expectedTail = {
        kSeparator, " НАЧАТО СОХРАНЕНИЕ ЖУРНАЛА ", " ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ journal.txt",
        " СОХРАНЕНИЕ ЖУРНАЛА ЗАВЕРШЕНО ", kSeparator};
    EXPECT_EQ(tail, expectedTail);
}

TEST_F(ReportFileTest, NamesGetTheTextExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"report", "report.txt"}, {"REPORT.TXT", "REPORT.TXT"}, {"a.Txt", "a.Txt"},
        {"notes.log", "notes.log.txt"}, {"ab", "ab.txt"}, {"  j.txt  ", "j.txt"}};
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());  // names as typed, without a folder
    for (const auto& [typed, written] : cases) {
        SaveReportToFile(typed);
        EXPECT_TRUE(std::filesystem::exists(dir.File(written))) << typed;
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(FilesInDir(), std::size(cases));
}

TEST_F(ReportFileTest, BlankNameDoesNothing)
{
    SaveReportToFile(" \t ");
    EXPECT_EQ(memo.Lines().size(), 2u);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ReportFileTest, OverwriteQuestionDecides)
{
    WriteFile(dir.File("old.txt"), "old contents");
    const auto linesBefore = memo.Lines();

    SaveReportToFile(dir.File("old.txt"));  // the recorder answers No
    EXPECT_EQ(ReadFile(dir.File("old.txt")), "old contents");
    EXPECT_EQ(memo.Lines(), linesBefore);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].question);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Warning);
    EXPECT_EQ(boxes.boxes()[0].text, "ФАЙЛ: old.txt\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?");

    boxes.AnswerNext(true);
    SaveReportToFile(dir.File("old.txt"));
    const std::string saved = ReadFile(dir.File("old.txt"));
    EXPECT_EQ(saved.rfind("\xC6\xD3\xD0", 0), 0u);  // starts with the title, old contents gone
    EXPECT_EQ(FilesInDir(), 1u);
}

// The journal saved to a place that can be written, as the program goes on
// after a failed save; the box it shows.
std::string SaveToGoodPlace(const std::string& file)
{
    testing_support::RecordingBoxes boxes;
    SaveReportToFile(file);
    return boxes.boxes().empty() ? std::string("no box") : boxes.boxes().back().text;
}

TEST_F(ReportFileTest, MissingFolderOrFolderInThePlaceOfTheFileGivesTheMessage)
{
    std::filesystem::create_directory(dir.File("folder.txt"));
    for (const char* name : {"missing/journal.txt", "folder.txt"}) {
        SCOPED_TRACE(name);
        boxes.Clear();
        SaveReportToFile(dir.File(name));
        const std::string shortName = platform::ExtractFileName(name);
        EXPECT_EQ(boxes.boxes(), (std::vector<testing_support::RecordingBoxes::Box>{
                                     {MsgKind::Error, " НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ " + shortName, false}}));
        EXPECT_EQ(memo.Lines()[memo.Lines().size() - 3], " НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ " + shortName);
        EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder.txt")));
        EXPECT_EQ(FilesInDir(), 1u);
    }
    EXPECT_EQ(SaveToGoodPlace(dir.File("good.txt")), " ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ good.txt");
}

TEST_F(ReportFileTest, FailedSaveKeepsTheOldFileAndTheJournal)
{
    const std::string folder = dir.File("readonly");
    std::filesystem::create_directory(folder);
    WriteFile(folder + "/kept.txt", "old contents");
    const std::string open = dir.File("open");
    std::filesystem::create_directory(open);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(folder.c_str(), 0555);
    ::chmod(open.c_str(), 0777);

    const auto result = testing_support::RunInChild({.dropRoot = true}, [&] {
        testing_support::RecordingBoxes childBoxes;
        childBoxes.AnswerNext(true);
        SaveReportToFile(folder + "/kept.txt");
        std::string out;
        for (const auto& box : childBoxes.boxes())
            out += box.text + "|";
        const auto lines = memo.Lines();
        out += "#" + lines[lines.size() - 3] + "#" + lines[lines.size() - 2];
        return out + "#" + SaveToGoodPlace(open + "/journal.txt");
    });
    ASSERT_TRUE(result.exitedNormally);
    EXPECT_EQ(result.output,
              "ФАЙЛ: kept.txt\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?|"
              " НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ kept.txt|"
              "# НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ kept.txt# СОХРАНЕНИЕ ЖУРНАЛА ЗАВЕРШЕНО "
              "# ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ journal.txt");
    EXPECT_EQ(ReadFile(folder + "/kept.txt"), "old contents");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(ReportFileTest, WriteFailingPartWayKeepsTheOldFile)
{
    WriteFile(dir.File("big.txt"), "old contents");
    for (int i = 0; i < 2000; ++i)
        ReportMessage(false, false, std::string(100, 'x'));
    const auto result = testing_support::RunInChild({.fileSizeLimit = 64 * 1024}, [&] {
        testing_support::RecordingBoxes childBoxes;
        childBoxes.AnswerNext(true);
        SaveReportToFile(dir.File("big.txt"));
        const std::string failure = childBoxes.boxes().back().text;
        // A journal that fits under the limit is saved.
        InitReport(&memo);
        return failure + "#" + SaveToGoodPlace(dir.File("small.txt"));
    });
    ASSERT_TRUE(result.exitedNormally);
    EXPECT_EQ(result.output, " НЕРАСПОЗНАННАЯ ОШИБКА ПРИ ЗАПИСИ ЖУРНАЛА В ФАЙЛ big.txt"
                             "# ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ small.txt");
    EXPECT_EQ(ReadFile(dir.File("big.txt")), "old contents");
    EXPECT_EQ(FilesInDir(), 2u);
}

}  // namespace
