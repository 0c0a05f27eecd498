#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <filesystem>
#include <set>

#include "graph/ShowGraphXY01.h"
#include "model/MAINDATA.h"
#include "solver/SolveESet.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "tests/ui/ProgramWindow.h"

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
    MainWindowFaultTest() : program(9), form(program.form)
    {
        DriveModal(*program.newESet, [&] { Child<QAction>(*form, "MMNewESet").trigger(); }, [&] {
            Child<QLineEdit>(*program.newESet, "EditESetRow").setText("3");
            Click(Child<QCheckBox>(*program.newESet, "CheckBoxRqTestData"));
            Click(Child<QWidget>(*program.newESet, "OKBtn"));
        });
        Child<QAction>(*form, "MMRunSolve1").trigger();
        EXPECT_EQ(boxes.Texts().at(0).rfind(kSolvedText, 0), 0u) << "the fixture's system is solved";
        boxes.Clear();
    }

    // Saves the vector diagram under the name typed into the save dialog.
    void SaveVectorsAs(const std::string& name)
    {
        program.ChooseFile("SaveDialog", name, [&] { Click(Child<QToolButton>(*form, "TBVectorsSave")); });
    }

    testing_support::TestEnvironment env;
    testing_support::RecordingBoxes boxes;
    testing_support::TempDir dir;
    testing_support::ProgramWindow program;
    std::unique_ptr<TSDIAppForm>& form;
};

// The diagram routine passes a write failure on; the window's command loop
// shows it in the error box, the indicators return to rest, and the next
// commands work.
TEST_F(MainWindowFaultTest, FailureInsideACommandEndsInTheErrorBoxAndTheProgramGoesOn)
{
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
