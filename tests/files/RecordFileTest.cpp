#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>

#include "files/RecordFile.h"
#include "platform/FileNames.h"
#include "tests/files/FileFixture.h"
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::RunInChild;
using testing_support::WriteFile;

const std::string kCloseBox = " ERROR (Report from ColoseUFCB ):\r\n ОПЕРАЦИЯ ВВОДА/ВЫВОДА ЗАВЕРШИЛАСЬ АВАРИЙНО.";
const std::string kReadPastEnd = "Прочитано неправильное число записей :  Запрошено = 1 Прочитано = 0";
const std::string kWrittenNone = "Записано неправильное число записей :  Запрошено = 1 Записано = 0";

class RecordFileTest : public FileFixture {
protected:
    char record[8] = {};

    void SetRecord(char fill) { std::fill(std::begin(record), std::end(record), fill); }
    std::string Record() const { return std::string(record, sizeof record); }

    bool Open(const std::string& name, std::uint16_t mode, bool create)
    {
        block = TUFCB{};
        return OpenUFCB(name, mode, create, sizeof record, record, block);
    }

    TUFCB block;
};

TEST_F(RecordFileTest, FailedOpenLeavesTheBlockClosedWithTheReason)
{
    const std::string missing = dir.File("missing.dat");
    struct Case {
        const char* what;
        std::function<bool(TUFCB&, void*)> open;
        int code;
    };
    const std::vector<Case> cases = {
        {"missing file", [&](TUFCB& b, void* buf) { return OpenUFCB(missing, 0, false, 8, buf, b); }, ENOENT},
        {"missing file, read with create", [&](TUFCB& b, void* buf) { return OpenUFCB(missing, 0, true, 8, buf, b); },
         ENOENT},
        {"missing file for writing", [&](TUFCB& b, void* buf) { return OpenUFCB(missing, 1, false, 8, buf, b); },
         ENOENT},
        {"missing folder", [&](TUFCB& b, void* buf) { return OpenUFCB(dir.File("no/x"), 1, true, 8, buf, b); },
         ENOENT},
        {"folder", [&](TUFCB& b, void* buf) { return OpenUFCB(dir.path(), 0, false, 8, buf, b); }, EISDIR},
        {"folder replaced", [&](TUFCB& b, void* buf) { return OpenReplacingUFCB(dir.path(), 8, buf, b); }, EISDIR},
        {"mode 3", [&](TUFCB& b, void* buf) { return OpenUFCB(missing, 3, true, 8, buf, b); }, EINVAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TUFCB b;
        b.FileName = "earlier";
        b.Mode = 2;
        b.RecSize = 4;
        b.Buffer = record;
        EXPECT_FALSE(c.open(b, record));
        EXPECT_FALSE(b.IsOpen);
        EXPECT_EQ(b.LastError, c.code);
        EXPECT_EQ(b.ErrorText, "Open ERROR :" + platform::SystemErrorMessage(c.code));
        EXPECT_EQ(b.FileName, "");
        EXPECT_EQ(b.Mode, 0);
        EXPECT_EQ(b.RecSize, 0);
        EXPECT_EQ(b.Buffer, nullptr);
    }
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(CurrentlyShown().lines.empty());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RecordFileTest, RecordsReadBackAndTheEndIsAWrongCount)
{
    SetDebugMode(true);
    const std::string name = dir.File("r.dat");
    ASSERT_TRUE(Open(name, 1, true));
    EXPECT_EQ(block.FileName, name);
    EXPECT_EQ(block.ErrorText, platform::SystemErrorMessage(0));
    for (char c : {'a', 'b', 'c'}) {
        SetRecord(c);
        ASSERT_TRUE(WriteUFCB(block));
    }
    ASSERT_TRUE(CommitUFCB(block));
    ColoseUFCB(block);
    EXPECT_TRUE(CurrentlyShown().lines.empty());
    EXPECT_EQ(ReadFile(name), std::string(8, 'a') + std::string(8, 'b') + std::string(8, 'c'));

    ASSERT_TRUE(Open(name, 0, false));
    for (char c : {'a', 'b', 'c'}) {
        SetRecord('-');
        ASSERT_TRUE(ReadUFCB(block));
        EXPECT_EQ(Record(), std::string(8, c));
        EXPECT_EQ(block.RecCount, 1);
        EXPECT_EQ(block.LastError, 0);
        EXPECT_FALSE(block.ErrorText.empty());
        EXPECT_EQ(block.ErrorText, platform::SystemErrorMessage(0));
    }
    EXPECT_FALSE(ReadUFCB(block));
    EXPECT_EQ(block.RecCount, 0);
    EXPECT_EQ(block.LastError, 199);
    EXPECT_EQ(block.ErrorText, kReadPastEnd);
    ColoseUFCB(block);
    EXPECT_FALSE(block.IsOpen);
    EXPECT_EQ(block.LastError, 199);  // the close changes nothing else
    EXPECT_EQ(CurrentlyShown().lines, JournalLines({"D:I/O - ERROR. LastErrorCode = 199 >> " + kReadPastEnd, kCloseBox}));
    EXPECT_EQ(boxes.boxes(), std::vector{ErrorBox(kCloseBox)});
}

TEST_F(RecordFileTest, TrailingFragmentReadsLikeTheEnd)
{
    const std::string name = dir.File("fragment.dat");
    WriteFile(name, std::string(8, 'x') + "half");
    ASSERT_TRUE(Open(name, 0, false));
    EXPECT_TRUE(ReadUFCB(block));
    EXPECT_FALSE(ReadUFCB(block));
    EXPECT_EQ(block.RecCount, 0);
    EXPECT_EQ(block.LastError, 199);
    EXPECT_EQ(block.ErrorText, kReadPastEnd);
    ColoseUFCB(block);
}

TEST_F(RecordFileTest, WrongModeChangesNothing)
{
    const std::string name = dir.File("m.dat");
    WriteFile(name, std::string(16, 'x'));
    auto expectUnchanged = [&](bool (*operation)(TUFCB&)) {
        block.LastError = 5;
        block.RecCount = 7;
        block.ErrorText = "before";
        EXPECT_FALSE(operation(block));
        EXPECT_EQ(block.LastError, 5);
        EXPECT_EQ(block.RecCount, 7);
        EXPECT_EQ(block.ErrorText, "before");
        block.LastError = 0;
    };
    ASSERT_TRUE(Open(name, 0, false));
    expectUnchanged(WriteUFCB);
    expectUnchanged(CommitUFCB);
    ColoseUFCB(block);
    ASSERT_TRUE(Open(name, 1, false));
    expectUnchanged(ReadUFCB);
    ColoseUFCB(block);
    expectUnchanged(ReadUFCB);  // closed
    expectUnchanged(WriteUFCB);
    EXPECT_EQ(ReadFile(name), std::string(16, 'x'));
    EXPECT_TRUE(CurrentlyShown().lines.empty());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RecordFileTest, OpenModesCreateTruncateOrKeepTheFile)
{
    const std::string name = dir.File("modes.dat");
    const std::string old = std::string(8, '1') + std::string(8, '2') + std::string(8, '3');
    auto writeOne = [&](char c) {
        SetRecord(c);
        EXPECT_TRUE(WriteUFCB(block));
    };

    WriteFile(name, old);
    ASSERT_TRUE(Open(name, 1, true));  // made empty
    writeOne('a');
    ColoseUFCB(block);
    EXPECT_EQ(ReadFile(name), std::string(8, 'a'));

    WriteFile(name, old);
    ASSERT_TRUE(Open(name, 1, false));  // kept, written from the start
    writeOne('a');
    ColoseUFCB(block);
    EXPECT_EQ(ReadFile(name), std::string(8, 'a') + old.substr(8));

    WriteFile(name, old);
    ASSERT_TRUE(Open(name, 2, false));  // a write goes where the reads have got to
    EXPECT_TRUE(ReadUFCB(block));
    EXPECT_EQ(Record(), std::string(8, '1'));
    writeOne('b');
    EXPECT_TRUE(ReadUFCB(block));
    EXPECT_EQ(Record(), std::string(8, '3'));
    writeOne('c');
    ColoseUFCB(block);
    EXPECT_EQ(ReadFile(name), std::string(8, '1') + std::string(8, 'b') + std::string(8, '3') + std::string(8, 'c'));

    WriteFile(name, old);
    ASSERT_TRUE(Open(name, 2, true));
    EXPECT_FALSE(ReadUFCB(block));  // emptied
    ColoseUFCB(block);
    EXPECT_EQ(ReadFile(name), "");
}

TEST_F(RecordFileTest, ReplacedFileChangesOnlyOnCommit)
{
    const std::string name = dir.File("target.dat");
    WriteFile(name, "old");
    block = TUFCB{};
    ASSERT_TRUE(OpenReplacingUFCB(name, sizeof record, record, block));
    EXPECT_EQ(block.Mode, 1);
    SetRecord('n');
    ASSERT_TRUE(WriteUFCB(block));
    ColoseUFCB(block);  // not committed: the new version goes
    EXPECT_EQ(ReadFile(name), "old");
    EXPECT_EQ(FolderContents(dir.path()), std::set<std::string>{"target.dat"});

    block = TUFCB{};
    ASSERT_TRUE(OpenReplacingUFCB(name, sizeof record, record, block));
    ASSERT_TRUE(WriteUFCB(block));
    ASSERT_TRUE(CommitUFCB(block));
    ColoseUFCB(block);
    EXPECT_EQ(ReadFile(name), std::string(8, 'n'));
    EXPECT_EQ(FolderContents(dir.path()), std::set<std::string>{"target.dat"});
    EXPECT_TRUE(boxes.boxes().empty());
}

// Records wait in the buffer, so a write error surfaces when it is sent on:
// in a later write, in the commit, or in the close, which raises it. No
// failure passes as success.
TEST_F(RecordFileTest, BufferedWriteErrorsAreNeverLost)
{
    const std::string name = dir.File("limited.dat");
    const std::string tooLarge = platform::SystemErrorMessage(EFBIG);
    auto inChild = [&](const std::function<std::string()>& body) {
        const auto child = RunInChild({.fileSizeLimit = 100}, body);
        EXPECT_EQ(child.exitCode, 0);
        return child.output;
    };

    EXPECT_EQ(inChild([&] {
                  Open(name, 1, true);
                  std::string seen;
                  for (int r = 0; r < 20; ++r)  // 160 bytes, all in the buffer
                      seen += WriteUFCB(block) ? "w" : "!";
                  seen += CommitUFCB(block) ? " committed" : " commit failed " + std::to_string(block.LastError);
                  seen += " " + block.ErrorText;
                  ColoseUFCB(block);
                  return seen;
              }),
              std::string(20, 'w') + " commit failed " + std::to_string(EFBIG) + " " + tooLarge);

    EXPECT_EQ(inChild([&] {
                  Open(name, 1, true);
                  for (int r = 0; r < 20; ++r)
                      WriteUFCB(block);
                  try {
                      ColoseUFCB(block);
                  } catch (const std::system_error& e) {
                      return "raised " + std::to_string(e.code().value());
                  }
                  return std::string("closed quietly");
              }),
              "raised " + std::to_string(EFBIG));

    // A buffer's worth of records: the one that fills it takes the error,
    // and after that no record is taken.
    EXPECT_EQ(inChild([&] {
                  Open(name, 1, true);
                  int r = 0;
                  while (WriteUFCB(block))
                      ++r;
                  std::string seen = std::to_string(block.RecCount) + " " + std::to_string(block.LastError) + " "
                                     + block.ErrorText + "|";
                  WriteUFCB(block);
                  seen += std::to_string(block.RecCount) + " " + std::to_string(block.LastError) + " "
                          + block.ErrorText + "|" + std::to_string(r);
                  ColoseUFCB(block);
                  return seen;
              }),
              "1 " + std::to_string(EFBIG) + " " + tooLarge + "|0 199 " + kWrittenNone + "|"
                  + std::to_string((1 << 20) / 8 - 1));
}

}  // namespace
