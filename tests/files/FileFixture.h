#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "journal/Progress.h"
#include "journal/Reports.h"
#include "platform/Memo.h"
#include "platform/ProgressBar.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

// What the user was shown: the journal lines after the title lines, debug
// lines reduced to "D:" and their text (the time stamp dropped), and the
// boxes.
struct Shown {
    std::vector<std::string> lines;
    std::vector<testing_support::RecordingBoxes::Box> boxes;
};

// The journal lines a sequence of reported texts makes: texts with CR LF
// become several lines, as the journal shows them.
inline std::vector<std::string> JournalLines(const std::vector<std::string>& texts)
{
    std::vector<std::string> lines;
    for (const auto& text : texts)
        for (auto& line : platform::SplitLines(text))
            lines.push_back(line);
    return lines;
}

inline testing_support::RecordingBoxes::Box ErrorBox(const std::string& text)
{
    return {platform::MsgKind::Error, text, false};
}

// A result and what was shown, passed out of a child process as text.
inline std::string EncodeOutcome(bool result, const Shown& shown)
{
    std::string text(1, result ? '1' : '0');
    for (const auto& line : shown.lines)
        text += "\x1e" "L\x1f" + line;
    for (const auto& box : shown.boxes)
        text += "\x1e" "B\x1f" + std::to_string(static_cast<int>(box.kind)) + "\x1f" + box.text;
    return text;
}

inline std::pair<bool, Shown> DecodeOutcome(const std::string& text)
{
    Shown shown;
    std::size_t start = text.find('\x1e');
    while (start != std::string::npos) {
        const std::size_t end = text.find('\x1e', start + 1);
        const std::string item = text.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        if (item.starts_with("L\x1f")) {
            shown.lines.push_back(item.substr(2));
        } else {
            const std::size_t mark = item.find('\x1f', 2);
            shown.boxes.push_back({static_cast<platform::MsgKind>(std::stoi(item.substr(2, mark - 2))),
                                   item.substr(mark + 1), false});
        }
        start = end;
    }
    return {text.starts_with('1'), shown};
}

// Binds the journal and a progress bar, records the boxes, gives a fresh
// folder, and restores debug mode afterwards.
class FileFixture : public ::testing::Test {
protected:
    FileFixture()
    {
        InitReport(&memo);
        InitProgress(nullptr, &bar);
    }

    ~FileFixture() override
    {
        InitProgress(nullptr, nullptr);
        InitReport(nullptr);
        SetDebugMode(false);
    }

    void ClearShown()
    {
        InitReport(&memo);
        boxes.Clear();
    }

    Shown CurrentlyShown() const
    {
        static const std::string debugPrefix = " *** DEBUG *** ";
        static const std::string debugTextMark = " *** : ";
        Shown shown;
        const auto lines = memo.Lines();
        for (std::size_t i = 2; i < lines.size(); ++i) {  // after the two title lines
            const std::string& line = lines[i];
            const auto mark = line.find(debugTextMark);
            if (line.starts_with(debugPrefix) && mark != std::string::npos)
                shown.lines.push_back("D:" + line.substr(mark + debugTextMark.size()));
            else
                shown.lines.push_back(line);
        }
        shown.boxes = boxes.boxes();
        return shown;
    }

    std::set<std::string> FolderContents(const std::string& folder) const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    testing_support::TestEnvironment environment;
    testing_support::RecordingBoxes boxes;
    testing_support::TempDir dir;
    platform::TextMemo memo;
    platform::ProgressBar bar;
};
