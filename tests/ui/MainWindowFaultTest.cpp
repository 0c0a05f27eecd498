#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <filesystem>
#include <set>

#include "graph/ShowGraphXY01.h"
#include "model/MAINDATA.h"
#include "model/RandomSeedForTesting.h"
#include "solver/SolveESet.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "ui/About.h"
#include "ui/EditESetDialod.h"
#include "ui/NewESetDialog.h"
#include "ui/ShowCTRLDialog.h"
#include "ui/TSDIAppForm.h"

namespace {

using platform::MsgKind;
using testing_support::Child;
using testing_support::Click;
using testing_support::DriveModal;

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The real main window with its dialogs, holding a solved random system of
// three equations.
class MainWindowFaultTest : public ::testing::Test {
protected:
    MainWindowFaultTest()
    {
        testing_support::ResetSharedState();
        SetRandomSeedForTesting(9);
        form = std::make_unique<TSDIAppForm>();
        about = std::make_unique<TAboutBox>(form.get());
        cellEdit = std::make_unique<TESetEditForm>(form.get());
        newESet = std::make_unique<TNewESetForm>(form.get());
        showCTRL = std::make_unique<TFormShowCTRL>(form.get());
        form->SetDialogs(about.get(), cellEdit.get(), newESet.get(), showCTRL.get());
        form->show();
        DriveModal(*newESet, [&] { Child<QAction>(*form, "MMNewESet").trigger(); }, [&] {
            Child<QLineEdit>(*newESet, "EditESetRow").setText("3");
            Click(Child<QCheckBox>(*newESet, "CheckBoxRqTestData"));
            Click(Child<QWidget>(*newESet, "OKBtn"));
        });
        Child<QAction>(*form, "MMRunSolve1").trigger();
        boxes.Clear();
    }
    ~MainWindowFaultTest() override
    {
        showCTRL.reset();
        newESet.reset();
        cellEdit.reset();
        about.reset();
        form.reset();
        SetRandomSeedForTesting(std::nullopt);
        testing_support::ResetSharedState();
    }

    // Saves the vector diagram under the name typed into the save dialog.
    void SaveVectorsAs(const std::string& name)
    {
        auto& dialog = Child<QFileDialog>(*form, "SaveDialog");
        DriveModal(dialog, [&] { Click(Child<QToolButton>(*form, "TBVectorsSave")); }, [&] {
            Child<QAbstractItemView>(dialog, "listView").clearSelection();
            Child<QLineEdit>(dialog, "fileNameEdit").setText(QString::fromStdString(name));
            QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
        });
    }

    testing_support::TestEnvironment env;
    testing_support::RecordingBoxes boxes;
    testing_support::TempDir dir;
    std::unique_ptr<TSDIAppForm> form;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TESetEditForm> cellEdit;
    std::unique_ptr<TNewESetForm> newESet;
    std::unique_ptr<TFormShowCTRL> showCTRL;
};

// The diagram routine passes a write failure on; the window's command loop
// shows it in the error box, the indicators return to rest, and the next
// commands work.
TEST_F(MainWindowFaultTest, FailureInsideACommandEndsInTheErrorBoxAndTheProgramGoesOn)
{
    ASSERT_EQ(ESet.ResultCode, 0) << "the fixture's system is solved";
    std::filesystem::create_directory(dir.File("roots.jpg"));
    SaveVectorsAs(dir.File("roots"));

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Error);
    EXPECT_EQ(boxes.Texts()[0].rfind("ОШИБКА ЗАПИСИ ФАЙЛА " + dir.File("roots.jpg") + " : ", 0), 0u)
        << boxes.Texts()[0];
    EXPECT_EQ(Child<QLabel>(*form, "STxtPrMsg").text(), "");
    EXPECT_EQ(Child<QProgressBar>(*form, "PrBarRun").value(), Child<QProgressBar>(*form, "PrBarRun").minimum());
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"roots.jpg"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("roots.jpg")));

    boxes.Clear();
    SaveVectorsAs(dir.File("good"));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{"good.jpg", "roots.jpg"}));
    EXPECT_GT(std::filesystem::file_size(dir.File("good.jpg")), 0u);

    Child<QAction>(*form, "MMRunSolve1").trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Information);
    EXPECT_EQ(boxes.Texts()[0].rfind(kSolvedText, 0), 0u);
}

}  // namespace
