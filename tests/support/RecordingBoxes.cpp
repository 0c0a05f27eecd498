#include "tests/support/RecordingBoxes.h"

namespace testing_support {

RecordingBoxes::RecordingBoxes() { platform::SetMessageBoxes(this); }

RecordingBoxes::~RecordingBoxes() { platform::SetMessageBoxes(nullptr); }

void RecordingBoxes::Show(platform::MsgKind kind, const std::string& text)
{
    boxes_.push_back({kind, text, false});
}

bool RecordingBoxes::Ask(platform::MsgKind kind, const std::string& text)
{
    boxes_.push_back({kind, text, true});
    if (answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

std::vector<std::string> RecordingBoxes::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

}  // namespace testing_support
