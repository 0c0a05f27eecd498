#include "platform/MessageBoxes.h"

namespace platform {
namespace {

MessageBoxes* installedBoxes = nullptr;

}  // namespace

void SetMessageBoxes(MessageBoxes* boxes) { installedBoxes = boxes; }

void ShowMessageBox(MsgKind kind, const std::string& text)
{
    if (installedBoxes)
        installedBoxes->Show(kind, text);
}

bool AskYesNo(MsgKind kind, const std::string& text)
{
    return installedBoxes && installedBoxes->Ask(kind, text);
}

}  // namespace platform
