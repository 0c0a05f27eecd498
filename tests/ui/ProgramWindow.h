#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/About.h"
#include "ui/EditESetDialod.h"
#include "ui/NewESetDialog.h"
#include "ui/ShowCTRLDialog.h"
#include "ui/TSDIAppForm.h"

namespace testing_support {

// The program as its start-up builds it, the main window first and then the
// dialogs, shown on a fresh shared state with the random generator seeded
// for replay; everything goes again, dialogs first, when the object does.
class ProgramWindow {
public:
    explicit ProgramWindow(std::uint64_t seed);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // Types the name into the shared file dialog that open shows, and accepts it.
    void ChooseFile(const char* dialogName, const std::string& name, const std::function<void()>& open);

    std::unique_ptr<TSDIAppForm> form;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TESetEditForm> cellEdit;
    std::unique_ptr<TNewESetForm> newESet;
    std::unique_ptr<TFormShowCTRL> showCTRL;
};

}  // namespace testing_support
