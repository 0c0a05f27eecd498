#include "tests/ui/ProgramWindow.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>

#include "model/RandomSeedForTesting.h"
#include "tests/ui/DialogDriver.h"

namespace testing_support {

ProgramWindow::ProgramWindow(std::uint64_t seed)
{
    ResetSharedState();
    SetRandomSeedForTesting(seed);
    form = std::make_unique<TSDIAppForm>();
    about = std::make_unique<TAboutBox>(form.get());
    cellEdit = std::make_unique<TESetEditForm>(form.get());
    newESet = std::make_unique<TNewESetForm>(form.get());
    showCTRL = std::make_unique<TFormShowCTRL>(form.get());
    form->SetDialogs(about.get(), cellEdit.get(), newESet.get(), showCTRL.get());
    form->show();
}

ProgramWindow::~ProgramWindow()
{
    showCTRL.reset();
    newESet.reset();
    cellEdit.reset();
    about.reset();
    form.reset();
    SetRandomSeedForTesting(std::nullopt);
    ResetSharedState();
}

void ProgramWindow::ChooseFile(const char* dialogName, const std::string& name, const std::function<void()>& open)
{
    auto& dialog = Child<QFileDialog>(*form, dialogName);
    DriveModal(dialog, open, [&] {
        // Typed into the name box, as a user does (selectFile leaves a focused box
        // alone); a file still selected from the last showing would win over it.
        Child<QAbstractItemView>(dialog, "listView").clearSelection();
        Child<QLineEdit>(dialog, "fileNameEdit").setText(QString::fromStdString(name));
        QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
        if (dialog.isVisible())
            ADD_FAILURE() << "not accepted: " << dialog.selectedFiles().join(",").toStdString();
    });
}

}  // namespace testing_support
