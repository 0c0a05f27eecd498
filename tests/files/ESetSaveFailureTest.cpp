#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <regex>
#include <stdexcept>

#include "files/ESetFile.h"
#include "model/ESetArrayService.h"
#include "platform/FileNames.h"
#include "tests/files/FileFixture.h"
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ChildLimits;
using testing_support::ReadFile;
using testing_support::RunInChild;
using testing_support::WriteFile;

const std::string kOpenError = " OPEN I/O ERROR.\r\n ОШИБКА ОТКРЫТИЯ ФАЙЛА ПО ЗАПИСИ.";
const std::string kCloseBox = " ERROR (Report from ColoseUFCB ):\r\n ОПЕРАЦИЯ ВВОДА/ВЫВОДА ЗАВЕРШИЛАСЬ АВАРИЙНО.";
const std::string kNotCreated = "СИСТЕМА УРАВНЕНИЙ ЕЩЕ НЕ СОЗДАНА!\r\nВЫПОЛНИТЕ : Файлы \\ Новая система";
const std::string kHeaderWritten = "D: Заголовок файла успешно записан";

class ESetSaveFailureTest : public FileFixture {
protected:
    static TESetCTRL System(std::int32_t n)
    {
        TESetCTRL set;
        EXPECT_TRUE(InitESetArrays(set, n));
        for (std::int32_t k = 0; k < n; ++k)
            for (std::int32_t i = 0; i <= n; ++i)
                set.A[k][i] = {static_cast<long double>(k), static_cast<long double>(i), 1, 2};
        return set;
    }

    // Saves in a child process under the limits and hands back the result
    // and what was shown there; then, in the same child, saves again to the
    // good name, which must succeed.
    std::pair<bool, Shown> SaveInChild(const ChildLimits& limits, const std::string& name, std::int32_t n,
                                       const std::string& good)
    {
        const TESetCTRL set = System(n);
        ClearShown();
        SetDebugMode(true);
        const auto child = RunInChild(limits, [&] {
            const bool saved = SaveESetToFile(name, set, ESetUFCB);
            if (ESetUFCB.IsOpen || ESetUFCB.FileVar.IsOpen())
                return std::string("block left open");
            const std::string outcome = EncodeOutcome(saved, CurrentlyShown());
            if (const std::string next = NextSaveWorks(good); !next.empty())
                throw std::runtime_error(next);
            return outcome;
        });
        SetDebugMode(false);
        EXPECT_TRUE(child.exitedNormally);
        EXPECT_EQ(child.exitCode, 0) << child.output;
        return DecodeOutcome(child.output);
    }

    // After a failure the program goes on: a save to a place that can be
    // written succeeds and reads back. Text for a child to hand back.
    static std::string NextSaveWorks(const std::string& good)
    {
        const TESetCTRL set = System(2);
        TESetCTRL loaded;
        if (!SaveESetToFile(good, set, ESetUFCB) || !LoadESetFromFile(good, loaded, ESetUFCB))
            return "the next save failed";
        return loaded.NRows == 2 && loaded.A[1][2].Re == 1 && loaded.A[1][2].Im == 2 ? "" : "the next save differs";
    }

    // A folder others may enter, holding an earlier save as name.
    std::string FolderWithEarlierFile(const std::string& folder, const std::string& name)
    {
        fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        const std::string path = dir.File(folder);
        fs::create_directory(path);
        const std::string file = path + "/" + name;
        EXPECT_TRUE(SaveESetToFile(file, System(3), ESetUFCB));
        return file;
    }
};

TEST_F(ESetSaveFailureTest, SystemOfFewerThanTwoRowsIsNotSaved)
{
    for (const std::int32_t rows : {0, 1}) {
        ClearShown();
        TESetCTRL set;
        if (rows > 0)
            InitESetArrays(set, rows);
        ClearShown();
        EXPECT_FALSE(SaveESetToFile(dir.File("none.esm"), set, ESetUFCB));
        const Shown shown = CurrentlyShown();
        EXPECT_TRUE(shown.lines.empty());
        EXPECT_EQ(shown.boxes, (std::vector<testing_support::RecordingBoxes::Box>{
                                   {platform::MsgKind::Warning, kNotCreated, false}}));
    }
    EXPECT_TRUE(FolderContents(dir.path()).empty());
}

TEST_F(ESetSaveFailureTest, FileThatCannotBeCreatedGivesTheOpenError)
{
    fs::create_directory(dir.File("sys.esm"));
    struct Case {
        const char* target;
        int error;
    };
    for (const Case& c : {Case{"missing/sys.esm", ENOENT}, Case{"sys.esm", EISDIR}}) {
        SCOPED_TRACE(c.target);
        ClearShown();
        EXPECT_FALSE(SaveESetToFile(dir.File(c.target), System(2), ESetUFCB));
        const Shown shown = CurrentlyShown();
        EXPECT_EQ(shown.lines, JournalLines({kOpenError}));
        EXPECT_EQ(shown.boxes, std::vector{ErrorBox(kOpenError)});
        EXPECT_FALSE(ESetUFCB.IsOpen);
        EXPECT_EQ(ESetUFCB.LastError, c.error);
        EXPECT_EQ(FolderContents(dir.path()), std::set<std::string>{"sys.esm"});
        EXPECT_TRUE(fs::is_empty(dir.File("sys.esm")));
    }
    EXPECT_EQ(NextSaveWorks(dir.File("good.esm")), "");
}

// Without root, a folder that may not be written, or a file that may not, is
// refused at the open, and the earlier file stays as it was.
TEST_F(ESetSaveFailureTest, ReadOnlyFolderOrFileKeepsTheEarlierFile)
{
    struct Case {
        const char* folder;
        fs::perms folderPerms;
        fs::perms filePerms;
    };
    const fs::perms all = fs::perms::all;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms readExec = readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    const std::string open = dir.File("open");
    fs::create_directory(open);
    fs::permissions(open, all);
    for (const Case& c : {Case{"ro-folder", readExec, all}, Case{"ro-file", all, readOnly}}) {
        SCOPED_TRACE(c.folder);
        const std::string file = FolderWithEarlierFile(c.folder, "sys.esm");
        const std::string before = ReadFile(file);
        fs::permissions(file, c.filePerms);
        fs::permissions(dir.File(c.folder), c.folderPerms);

        const auto [saved, shown] = SaveInChild({.dropRoot = true}, file, 2, open + "/" + c.folder + ".esm");
        EXPECT_FALSE(saved);
        EXPECT_EQ(shown.lines, JournalLines({kOpenError}));
        EXPECT_EQ(shown.boxes, std::vector{ErrorBox(kOpenError)});
        EXPECT_EQ(ReadFile(file), before);
        EXPECT_EQ(FolderContents(dir.File(c.folder)), std::set<std::string>{"sys.esm"});
    }
}

// The file-size limit makes the writes fail: part-way through the body for
// a file larger than the write buffer, and only at the final flush for a
// small one. Either way the failure is the write error of a record, never a
// success, and the earlier file is kept.
TEST_F(ESetSaveFailureTest, WriteThatFailsKeepsTheEarlierFile)
{
    const std::string file = FolderWithEarlierFile("limited", "sys.esm");
    const std::string before = ReadFile(file);
    const std::string closeDebug =
        "D:I/O - ERROR. LastErrorCode = " + std::to_string(EFBIG) + " >> " + platform::SystemErrorMessage(EFBIG);
    const std::regex writeError(R"( I/O ERROR\. Ошибка операции записи\. Row = (\d+), Col = (\d+))");

    struct Case {
        std::int32_t n;
        long limit;
        bool lastRecord;  // the failure is that of the last record
    };
    for (const Case& c : {Case{150, 4096, false}, Case{7, 1000, true}}) {
        SCOPED_TRACE(c.n);
        const auto [saved, shown] = SaveInChild({.fileSizeLimit = c.limit}, file, c.n, dir.File("small.esm"));
        EXPECT_FALSE(saved);
        ASSERT_EQ(shown.lines.size(), 5u);
        EXPECT_EQ(std::vector(shown.lines.begin(), shown.lines.begin() + 4),
                  JournalLines({kHeaderWritten, closeDebug, kCloseBox}));
        std::smatch where;
        ASSERT_TRUE(std::regex_match(shown.lines[4], where, writeError)) << shown.lines[4];
        const int row = std::stoi(where[1]);
        const int col = std::stoi(where[2]);
        if (c.lastRecord) {
            EXPECT_EQ(row, c.n - 1);
            EXPECT_EQ(col, c.n);
        } else {
            EXPECT_LT(row, c.n - 1);
        }
        EXPECT_EQ(shown.boxes, (std::vector{ErrorBox(kCloseBox), ErrorBox(shown.lines[4])}));
        EXPECT_EQ(ReadFile(file), before);
        EXPECT_EQ(FolderContents(dir.File("limited")), std::set<std::string>{"sys.esm"});
        fs::remove(dir.File("small.esm"));
    }
}

}  // namespace
