#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace testing_support {

// Message boxes that record every box as (kind, text) and answer questions
// from a script (No once the script is used up). Installed for its lifetime.
class RecordingBoxes : public platform::MessageBoxes {
public:
    struct Box {
        platform::MsgKind kind;
        std::string text;
        bool question;
        bool operator==(const Box&) const = default;
    };

    RecordingBoxes();
    ~RecordingBoxes() override;
    RecordingBoxes(const RecordingBoxes&) = delete;
    RecordingBoxes& operator=(const RecordingBoxes&) = delete;

    void Show(platform::MsgKind kind, const std::string& text) override;
    bool Ask(platform::MsgKind kind, const std::string& text) override;

    void AnswerNext(bool yes) { answers_.push_back(yes); }
    const std::vector<Box>& boxes() const { return boxes_; }
    std::vector<std::string> Texts() const;
    void Clear() { boxes_.clear(); }

private:
    std::vector<Box> boxes_;
    std::deque<bool> answers_;
};

}  // namespace testing_support
