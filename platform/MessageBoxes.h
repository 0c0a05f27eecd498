#pragma once

#include <string>

namespace platform {

// The kinds of modal message box the core asks for. Plain has no icon.
enum class MsgKind { Plain, Information, Warning, Error, Confirmation };

// The toolkit's standard message boxes. The program installs the real
// implementation at start-up; tests install a recorder.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A box with the text and a single OK button; returns when it is closed.
    virtual void Show(MsgKind kind, const std::string& text) = 0;
    // A box with Yes and No; true only for Yes.
    virtual bool Ask(MsgKind kind, const std::string& text) = 0;
};

// Installs the boxes every later call goes to; nullptr restores the default,
// which shows nothing and answers every question with No.
void SetMessageBoxes(MessageBoxes* boxes);

void ShowMessageBox(MsgKind kind, const std::string& text);
bool AskYesNo(MsgKind kind, const std::string& text);

}  // namespace platform
