#include <gtest/gtest.h>

#include "journal/Reports.h"
#include "platform/Memo.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using platform::MsgKind;
using testing_support::RecordingBoxes;

namespace {

const std::string kSeparator = " >>> 17:34:56 " + std::string(100, '-');
const std::string kDebugPrefix = " *** DEBUG *** 17:34:56 *** : ";

class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override { InitReport(&memo); }
    void TearDown() override
    {
        InitReport(nullptr);
        SetDebugMode(false);
    }

    std::vector<std::string> LinesAfterTitle() const
    {
        auto lines = memo.Lines();
        return {lines.begin() + 2, lines.end()};
    }

    testing_support::TestEnvironment env;
    RecordingBoxes boxes;
    platform::TextMemo memo;
};

TEST_F(ReportsTest, InitWritesTheTwoTitleLinesAndClearsAgain)
{
    const std::vector<std::string> title = {"ЖУРНАЛ ОПЕРАЦИЙ.", "Журнал начат : 11.12.2026 17:34:56"};
    EXPECT_EQ(memo.Lines(), title);
    ReportMessage(false, false, "line");
    InitReport(&memo);
    InitReport(&memo);
    EXPECT_EQ(memo.Lines(), title);
}

TEST_F(ReportsTest, LinesOfEveryCallWithDebugOff)
{
    ReportBegin(" BEGIN ");
    ReportDebug(" hidden");
    ReportMessage(false, false, "plain");
    ReportError(false, false, "quiet error");
    ReportBlankLine();
    ReportEnd(" END ");
    const std::vector<std::string> expected = {" ", kSeparator, " BEGIN ", "plain", "quiet error", "",
                                               " END ", kSeparator};
    EXPECT_EQ(LinesAfterTitle(), expected);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ReportsTest, DebugModeAddsDebugLinesAndShowsQuietErrors)
{
    SetDebugMode(true);
    ReportDebug(" step done");
    ReportError(false, false, "quiet error");
    const std::vector<std::string> expected = {kDebugPrefix + " step done", "quiet error"};
    EXPECT_EQ(LinesAfterTitle(), expected);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Information);
    EXPECT_EQ(boxes.boxes()[0].text, " *** DEBUG *** \tquiet error");
}

TEST_F(ReportsTest, BoxKindsFollowTheFlags)
{
    struct Case {
        bool error;
        bool asWarning;
        MsgKind kind;
    };
    for (const Case c : {Case{false, false, MsgKind::Information}, Case{false, true, MsgKind::Warning},
                         Case{true, false, MsgKind::Error}, Case{true, true, MsgKind::Warning}}) {
        for (const bool debug : {false, true}) {
            SetDebugMode(debug);
            boxes.Clear();
            if (c.error)
                ReportError(true, c.asWarning, "text");
            else
                ReportMessage(true, c.asWarning, "text");
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].kind, c.kind);
            EXPECT_EQ(boxes.boxes()[0].text, "text");
        }
    }
}

TEST_F(ReportsTest, TextWithLineBreaksShowsAsSeveralLines)
{
    ReportError(true, false, "first\r\nsecond");
    const std::vector<std::string> expected = {"first", "second"};
    EXPECT_EQ(LinesAfterTitle(), expected);
    EXPECT_EQ(boxes.boxes()[0].text, "first\r\nsecond");
}

TEST_F(ReportsTest, UnboundJournalIsSilent)
{
    InitReport(nullptr);
    SetDebugMode(true);
    ReportBegin("a");
    ReportEnd("b");
    ReportDebug("c");
    ReportBlankLine();
    ReportMessage(true, false, "d");
    ReportError(true, false, "e");
    ReportError(false, false, "f");
    SaveReportToFile("/nonexistent/x");
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(memo.Lines().size(), 2u);
}

}  // namespace
