#include <gtest/gtest.h>

#include "journal/Progress.h"
#include "journal/Reports.h"
#include "platform/Color.h"
#include "platform/ProgressBar.h"
#include "platform/StaticText.h"
#include "tests/support/TestEnvironment.h"

namespace {

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override { InitProgress(&status, &bar); }
    void TearDown() override
    {
        InitProgress(nullptr, nullptr);
        SetDebugMode(false);
    }

    testing_support::TestEnvironment env;
    platform::PlainStaticText status;
    platform::ProgressBar bar;
};

TEST_F(ProgressTest, StepIsKeptOnlyWhenTheQuotientExceedsTwo)
{
    StartProgress("run", 0, 5, 10);
    EXPECT_EQ(bar.Step(), 1);
    StartProgress("run", 0, 5, 11);
    EXPECT_EQ(bar.Step(), 5);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 11);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ProgressTest, StepsStopAtMaxAndStopEmptiesTheBar)
{
    StartProgress("run", 0, 1, 3);
    for (int i = 0; i < 5; ++i)
        StepProgress();
    EXPECT_EQ(bar.Position(), 3);
    StopProgress();
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_TRUE(env.sleeps().empty());
}

TEST_F(ProgressTest, DebugModeNamesTheRoutineAndPausesAtTheEnd)
{
    ShowProgressMsg(" Решение системы");
    StartProgress("BuildGausseMatrix", 0, 1, 10);
    EXPECT_EQ(status.Caption(), " Решение системы");

    SetDebugMode(true);
    StartProgress("BuildGausseMatrix", 0, 1, 10);
    EXPECT_EQ(status.Caption(), "BuildGausseMatrix");
    EXPECT_EQ(status.GetColor(), platform::MakeColor(192, 220, 192));
    StepProgress();
    StopProgress();
    EXPECT_EQ(env.sleeps(), std::vector<int>{3000});
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ProgressTest, StatusTextColoursAndReset)
{
    ShowProgressMsg(" Создание системы");
    EXPECT_EQ(status.Caption(), " Создание системы");
    EXPECT_EQ(status.GetColor(), platform::MakeColor(192, 220, 192));
    StartProgress("x", 0, 1, 5);
    StepProgress();
    ShowProgressMsg("");
    EXPECT_EQ(status.Caption(), "");
    EXPECT_EQ(status.GetColor(), platform::clBtnFace);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ProgressTest, EmptyMessageResetsTheBarWithoutAStatusText)
{
    InitProgress(nullptr, &bar);
    StartProgress("x", 0, 1, 5);
    StepProgress();
    ShowProgressMsg("");
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ProgressTest, UnboundCallsDoNothing)
{
    InitProgress(nullptr, nullptr);
    SetDebugMode(true);
    StartProgress("x", 0, 1, 5);
    StepProgress();
    StopProgress();
    ShowProgressMsg("text");
    ShowProgressMsg("");
    EXPECT_TRUE(env.sleeps().empty());
    EXPECT_EQ(status.Caption(), "");
}

}  // namespace
