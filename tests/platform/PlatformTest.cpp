#include <filesystem>
#include <gtest/gtest.h>

#include "platform/FileNames.h"
#include "platform/Memo.h"
#include "platform/ProgressBar.h"
#include "platform/ReplacingFile.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestEnvironment.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

TEST(PlatformTest, ProgressBarKeepsPositionWithinRange)
{
    platform::ProgressBar bar;
    bar.SetMin(2);
    bar.SetMax(5);
    bar.SetPosition(9);
    EXPECT_EQ(bar.Position(), 5);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 2);
    bar.SetPosition(4);
    bar.SetMax(3);
    EXPECT_EQ(bar.Position(), 3);
}

TEST(PlatformTest, MemoSplitsLineBreaks)
{
    platform::TextMemo memo;
    memo.Add("a\r\nb\nc\rd");
    memo.Add("");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "b", "c", "d", ""}));
}

TEST(PlatformTest, FileNameHelpers)
{
    EXPECT_EQ(platform::TrimName(" \t\x01name.esm \r\n"), "name.esm");
    EXPECT_EQ(platform::TrimName("  "), "");
    EXPECT_EQ(platform::ExtractFileName("/a/b/c.esm"), "c.esm");
    EXPECT_EQ(platform::ExtractFileDir("/a/b/c.esm"), "/a/b/");
    EXPECT_EQ(platform::ExtractFileName("c.esm"), "c.esm");
    EXPECT_EQ(platform::UpperCaseAscii("data_система.esm"), "DATA_система.ESM");
    const std::pair<const char*, const char*> names[] = {
        {"sys", "sys.esm"}, {"SYS.ESM", "SYS.ESM"}, {"a.Esm", "a.Esm"}, {"x.txt", "x.txt.esm"},
        {"sm", "sm.esm"}, {"система", "система.esm"}};
    for (const auto& [name, expected] : names)
        EXPECT_EQ(platform::WithExtension(name, ".esm"), expected) << name;
}

TEST(PlatformTest, ReplacingFileReplacesOnlyOnCommit)
{
    testing_support::TempDir dir;
    const std::string target = dir.File("target");
    WriteFile(target, "old");
    {
        platform::ReplacingFile file(target);
        ASSERT_TRUE(file.Write("new contents"));
        EXPECT_EQ(ReadFile(target), "old");
    }
    EXPECT_EQ(ReadFile(target), "old") << "without Commit the target stays";
    {
        platform::ReplacingFile file(target);
        ASSERT_TRUE(file.Write(std::string(3 << 20, 'x')));
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(ReadFile(target).size(), std::size_t(3 << 20));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PlatformTest, ReplacingFileFailuresLeaveNothingBehind)
{
    testing_support::TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    platform::ReplacingFile ontoFolder(dir.File("folder"));
    EXPECT_FALSE(ontoFolder.Commit());
    platform::ReplacingFile missingFolder(dir.File("missing/file"));
    EXPECT_FALSE(missingFolder.IsOpen());
    EXPECT_NE(missingFolder.Error(), 0);

    const std::string target = dir.File("target");
    WriteFile(target, "old");
    const auto result = testing_support::RunInChild({.fileSizeLimit = 100000}, [&] {
        platform::ReplacingFile file(target);
        const bool wrote = file.Write(std::string(3 << 20, 'x'));
        const bool committed = file.Commit();
        return std::to_string(wrote) + std::to_string(committed) + (file.Error() == EFBIG ? "EFBIG" : "?");
    });
    EXPECT_EQ(result.output, "00EFBIG");
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
