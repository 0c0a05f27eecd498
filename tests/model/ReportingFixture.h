#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "journal/Progress.h"
#include "journal/Reports.h"
#include "model/RandomSeedForTesting.h"
#include "platform/Memo.h"
#include "platform/ProgressBar.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

// Binds the journal to a text memo and the progress indicator to a bar,
// records the message boxes, and restores debug mode and clock seeding of the
// random generator afterwards.
class ReportingFixture : public ::testing::Test {
protected:
    ReportingFixture()
    {
        InitReport(&memo);
        memo.Clear();  // drop the title lines: the tests look at their own lines only
        InitProgress(nullptr, &bar);
    }

    ~ReportingFixture() override
    {
        InitProgress(nullptr, nullptr);
        InitReport(nullptr);
        SetDebugMode(false);
        SetRandomSeedForTesting(std::nullopt);
    }

    std::vector<std::string> Lines() const { return memo.Lines(); }

    testing_support::TestEnvironment environment;
    testing_support::RecordingBoxes boxes;
    platform::TextMemo memo;
    platform::ProgressBar bar;
};
