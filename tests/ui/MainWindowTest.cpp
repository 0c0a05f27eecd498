#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>
#include <filesystem>

#include "graph/ShowGraphXY01.h"
#include "journal/Reports.h"
#include "model/MAINDATA.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "tests/ui/ProgramWindow.h"

// Readable QStrings in failure messages.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using platform::MsgKind;
using testing_support::Child;
using testing_support::Click;
using testing_support::DriveModal;
using testing_support::Pick;
using testing_support::TypeOver;

namespace {

// The real program, with the helpers of a user's steps.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : program(2026), form(program.form), newESet(program.newESet), cellEdit(program.cellEdit),
                       showCTRL(program.showCTRL), about(program.about)
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    ~MainWindowTest() override { SetDebugMode(false); }

    QAction& Action(const char* name) { return Child<QAction>(*form, name); }
    QToolButton& Button(const char* name) { return Child<QToolButton>(*form, name); }
    QString Text(const char* label) { return Child<QLabel>(*form, label).text(); }
    int Page() { return Child<QTabWidget>(*form, "PageControl1").currentIndex(); }
    std::vector<std::string> Journal() { return SplitLines(Child<QPlainTextEdit>(*form, "MemoReport")); }
    static std::vector<std::string> SplitLines(const QPlainTextEdit& memo)
    {
        std::vector<std::string> lines;
        for (const QString& line : memo.toPlainText().split(QLatin1Char('\n')))
            lines.push_back(line.toStdString());
        return lines;
    }
    bool JournalHas(const std::string& line)
    {
        const auto lines = Journal();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // New with the given size, random or not, through the dialog.
    void NewSystem(const char* rows, bool random, const std::function<void()>& open)
    {
        DriveModal(*newESet, open, [&] {
            TypeOver(Child<QLineEdit>(*newESet, "EditESetRow"), QString::fromLatin1(rows));
            auto& box = Child<QCheckBox>(*newESet, "CheckBoxRqTestData");
            if (box.isChecked() != random)
                Click(box);
            Click(Child<QWidget>(*newESet, "OKBtn"));
        });
    }
    void NewSystem(const char* rows, bool random)
    {
        NewSystem(rows, random, [&] { Action("MMNewESet").trigger(); });
    }
    void ChooseFile(const char* dialogName, const std::string& name, const std::function<void()>& open)
    {
        program.ChooseFile(dialogName, name, open);
    }
    // F9 on the main window, once it has the keyboard again after the last
    // modal closed.
    void PressF9()
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == form->windowHandle(); }, 5000));
        QTest::keyClick(form.get(), Qt::Key_F9);
    }
    void Solve() { Action("MMRunSolve1").trigger(); }

    testing_support::TestEnvironment env;
    testing_support::RecordingBoxes boxes;
    testing_support::TempDir dir;
    testing_support::ProgramWindow program;
    std::unique_ptr<TSDIAppForm>& form;
    std::unique_ptr<TNewESetForm>& newESet;
    std::unique_ptr<TESetEditForm>& cellEdit;
    std::unique_ptr<TFormShowCTRL>& showCTRL;
    std::unique_ptr<TAboutBox>& about;
};

TEST_F(MainWindowTest, StartUpState)
{
    EXPECT_EQ(form->windowTitle(), " v.1.04. Система линейных уравнений файл : (отсутствует)");
    EXPECT_EQ(Journal().size(), 2u);
    EXPECT_EQ(Journal()[0], "ЖУРНАЛ ОПЕРАЦИЙ.");
    for (const char* text : {"STextShowVPCrd", "STextShowVPMod", "STextShowVPPrc", "STextShowVPPG", "STextShowMSel",
                             "STextShowRM", "STextShowIP"})
        EXPECT_EQ(Text(text), "") << text;
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(form->size(), QSize(792, form->size().height()));
    EXPECT_FALSE(Child<QAction>(*form, "PMESetCellToCalc").isEnabled());
    EXPECT_FALSE(Child<QAction>(*form, "PMESetCellFromCalc").isEnabled());
    EXPECT_FALSE(Child<QAction>(*form, "PM2CopyRootToCalc").isEnabled());
    EXPECT_EQ(Action("MMNewESet").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Action("MMRunSolve1").shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(Action("MMOpenFile").statusTip(), "Open a file");
    EXPECT_EQ(Button("ToolButtRunSolve").toolTip(), "Выполнить решение системы уравнений");
    ASSERT_TRUE(VectorsGraph);
    EXPECT_EQ(VectorsGraph->Image()->objectName(), "ImgVectors");
}

TEST_F(MainWindowTest, RoadOfOneSolve)
{
    NewSystem("4", true, [&] { Click(Button("ToolButtNewESet")); });
    EXPECT_EQ(Text("STextShowMSel"), " Исходная сисиема");
    EXPECT_EQ(Text("STextShowVPCrd"), " Декартовы коорд.");
    EXPECT_EQ(Text("STextShowVPPrc"), " FIX 6 цифр");
    EXPECT_EQ(ESet.NRows, 4);
    EXPECT_TRUE(JournalHas(" ЗЕВЕРШЕНО СОЗДАНИЕ НОВОЙ СИСТЕМЫ УРАВНЕНИЙ "));

    PressF9();
    EXPECT_EQ(Page(), 1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Information);
    EXPECT_TRUE(boxes.boxes()[0].text.starts_with("УСПЕШНОЕ РЕШЕНИЕ системы уравнений."));
    EXPECT_EQ(form->RootGrid().Cell(0, 4), "3");
    EXPECT_FALSE(form->RootGrid().Cell(2, 4).empty());
    EXPECT_TRUE(JournalHas(" ТАБЛИЦА КОРНЕЙ СИСТЕМЫ УРАВНЕНИЙ В ДЕКАРТОВЫХ и ПОЛЯРНЫХ КООРДИНАТАХ "));
    EXPECT_TRUE(JournalHas(" КОНЕЦ РЕШЕНИЯ СИСТЕМЫ УРАВНЕНИЙ "));
    EXPECT_EQ(Child<QProgressBar>(*form, "PrBarRun").value(), 0);
    EXPECT_EQ(Child<QLabel>(*form, "STxtPrMsg").text(), "");
}

TEST_F(MainWindowTest, FailedSolveStaysOnThePage)
{
    PressF9();  // no system yet
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                                 "ИСХОДНЫЕ ДАННЫЕ НЕ СФОРМИРОВАНЫ\r\nВыполните создание или загрузку системы"}));
    EXPECT_EQ(Page(), 0);
    NewSystem("3", false);
    boxes.Clear();
    Solve();
    EXPECT_TRUE(boxes.Texts().at(0).starts_with("МАТРИЦА системы ПЛОХО ОБУСЛОВЛЕНА."));
    EXPECT_EQ(Page(), 0);
}

TEST_F(MainWindowTest, RoadOfOneLoad)
{
    NewSystem("3", true);
    const std::string before = form->EquationGrid().Cell(2, 3);
    const std::string file = dir.File("система");
    ChooseFile("SaveDialog", file, [&] { Action("MMSaveAs").trigger(); });
    EXPECT_EQ(form->windowTitle(), " v.1.04. Система линейных уравнений файл : система.esm");
    EXPECT_EQ(boxes.Texts().back(), " УСПЕШНО СОХРАНЕН ФАЙЛ : система.ESM");

    NewSystem("2", false);
    EXPECT_EQ(form->windowTitle(), " v.1.04. Система линейных уравнений файл : (отсутствует)");
    ChooseFile("OpenDialog", file + ".esm", [&] { Click(Button("ToolButtLoadSet")); });
    EXPECT_EQ(form->EquationGrid().Cell(2, 3), before);
    EXPECT_EQ(ESet.NRows, 3);
    EXPECT_EQ(form->windowTitle(), " v.1.04. Система линейных уравнений файл : система.esm");
    EXPECT_EQ(boxes.Texts().back(), " УСПЕШНО ЗАГРУЖЕН ФАЙЛ : система.ESM");

    // Save writes back without a question; a name that names no file loads nothing.
    boxes.Clear();
    Action("MMFileSaveFile").trigger();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{" УСПЕШНО СОХРАНЕН ФАЙЛ : система.ESM"});
    Child<QTabWidget>(*form, "PageControl1").setCurrentIndex(2);
    ChooseFile("OpenDialog", dir.File("absent.esm"), [&] { Action("MMOpenFile").trigger(); });
    EXPECT_EQ(boxes.Texts().back(), " ЗАПРОШЕННЫЙ ФАЙЛ НЕ ЗАГРУЖЕН");
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(ESet.NRows, 3);
}

TEST_F(MainWindowTest, CancelledFileDialogsChangeNothing)
{
    NewSystem("2", false);
    const auto lines = Journal().size();
    auto& open = Child<QFileDialog>(*form, "OpenDialog");
    DriveModal(open, [&] { Action("MMOpenFile").trigger(); }, [&] { open.reject(); });
    EXPECT_EQ(Journal().size(), lines + 5) << "the section's start and end only";
    EXPECT_EQ(open.windowTitle(), "ЗАГРУЗИТЬ ESet ИЗ ФАЙЛА");
    EXPECT_EQ(open.nameFilters(), QStringList{"ESet matrix files (*.esm)"});
    auto& save = Child<QFileDialog>(*form, "SaveDialog");
    DriveModal(save, [&] { Action("MMSaveAs").trigger(); }, [&] { save.reject(); });
    EXPECT_EQ(save.windowTitle(), "СОХРАНИТЬ ESet КАК ...");
    EXPECT_EQ(Journal().size(), lines + 5);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MainWindowTest, CellEditCartesianAndPolarDegrees)
{
    NewSystem("2", false);
    auto& grid = form->EquationGrid();
    grid.SetRow(2);
    grid.SetCol(3);
    DriveModal(*cellEdit, [&] { Child<QAction>(*form, "PMESetCellEdit").trigger(); }, [&] {
        TypeOver(Child<QLineEdit>(*cellEdit, "EditNewXrm"), "1.5");
        TypeOver(Child<QLineEdit>(*cellEdit, "EditNewXip"), "-2");
        Click(Child<QWidget>(*cellEdit, "OKBtn"));
    });
    EXPECT_EQ(grid.Cell(3, 2), "1.500000 - J 2.000000");
    EXPECT_EQ(ESet.A[1][2].Re, 1.5L);

    grid.SetRow(1);
    grid.SetCol(1);
    DriveModal(*cellEdit, [&] { Child<QAction>(*form, "PMESetCellEdit").trigger(); }, [&] {
        Pick(Child<QComboBox>(*cellEdit, "CBoxCVPCrd"), 1);
        Pick(Child<QComboBox>(*cellEdit, "CBoxCVPPG"), 1);
        TypeOver(Child<QLineEdit>(*cellEdit, "EditNewXrm"), "2");
        TypeOver(Child<QLineEdit>(*cellEdit, "EditNewXip"), "90");
        Click(Child<QWidget>(*cellEdit, "OKBtn"));
    });
    EXPECT_NEAR(static_cast<double>(ESet.A[0][0].Re), 0, 1e-15);
    EXPECT_EQ(ESet.A[0][0].Im, 2);
    EXPECT_EQ(ESet.A[0][0].Module, 2);
    EXPECT_EQ(grid.Cell(1, 1), "0.000000 + J 2.000000");

    // The last-edited-cell button returns to that cell.
    grid.SetRow(2);
    Click(Button("SpeedButton1"));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(MainWindowTest, CellClearAnsweredYesAndNo)
{
    NewSystem("3", true);
    auto& grid = form->EquationGrid();
    grid.SetRow(3);
    grid.SetCol(4);
    const std::string before = grid.Cell(4, 3);
    Child<QAction>(*form, "PMESetCellClear").trigger();
    EXPECT_EQ(boxes.boxes().back().text, "ОЧИСТИТЬ ДАННЫЕ В СТРОКЕ = 2, КОЛОНКЕ = 3 ?");
    EXPECT_EQ(grid.Cell(4, 3), before);
    boxes.AnswerNext(true);
    Child<QAction>(*form, "PMESetCellClear").trigger();
    EXPECT_EQ(grid.Cell(4, 3), "0.000000 + J 0.000000");
    EXPECT_EQ(ESet.A[2][3].Re, 0);
}

TEST_F(MainWindowTest, NavigationButtons)
{
    NewSystem("5", false);
    auto& grid = form->EquationGrid();
    grid.SetCol(2);
    Click(Button("SButtToEndRow"));
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 2);
    Click(Button("SButtToEndCol"));
    EXPECT_EQ(grid.Col(), 6);
    Click(Button("SButtToBegRow"));
    EXPECT_EQ(grid.Row(), 1);
    Click(Button("SButtToBegCol"));
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(Text("STextShowIP"), " + J 0.0000000000000000");
}

TEST_F(MainWindowTest, MarksAndBothVectorViews)
{
    NewSystem("3", true);
    Solve();
    auto& roots = form->RootGrid();
    roots.SetRow(1);
    Child<QAction>(*form, "PM2SelectB").trigger();
    roots.SetRow(3);
    Child<QAction>(*form, "PM2SelectX").trigger();
    Child<QAction>(*form, "PM2SelectB").trigger();
    Child<QAction>(*form, "PM2DeSelectB").trigger();
    EXPECT_EQ(roots.Cell(3, 1), " +++");
    EXPECT_EQ(roots.Cell(1, 3), " +++");
    EXPECT_EQ(roots.Cell(3, 3), "");

    Pick(Child<QComboBox>(*form, "CBoxVectSelect"), 1);
    Pick(Child<QComboBox>(*form, "CBoxYScale"), 3);
    Click(Button("TBVectorsShow"));
    ASSERT_EQ(VectorSigns.size(), 2u);
    EXPECT_EQ(VectorSigns[0].Text, "b0");
    EXPECT_EQ(VectorSigns[1].Text, "X2");
    EXPECT_EQ(VectorPoints[0].X, ESet.A[0][3].Re * 0.1L) << "the free term at the chosen scale";

    Pick(Child<QComboBox>(*form, "CBoxVectSelect"), 0);
    Click(Button("TBVectorsShow"));
    EXPECT_EQ(VectorPoints.size(), 3u);
    EXPECT_TRUE(VectorsGraph->HasScale());
    Click(Button("TBVectorsClear"));
    EXPECT_FALSE(VectorsGraph->HasScale());

    ChooseFile("SaveDialog", dir.File("roots.jpeg"), [&] { Click(Button("TBVectorsSave")); });
    EXPECT_TRUE(std::filesystem::exists(dir.File("roots.jpg")));
    EXPECT_TRUE(boxes.boxes().size() == 1u) << "only the solve's box";
}

TEST_F(MainWindowTest, SavingTheDiagramAsksBeforeReplacingAnotherName)
{
    testing_support::WriteFile(dir.File("pic.jpg"), "old");
    ChooseFile("SaveDialog", dir.File("pic.old.jpeg"), [&] { Click(Button("TBVectorsSave")); });
    EXPECT_EQ(boxes.boxes().back().text, "ФАЙЛ: pic.jpg\r\nУЖЕ СУЩЕСТВУЕТ\r\nПЕРЕЗАПИСАТЬ ЭТОТ ФАЙЛ ?");
    EXPECT_EQ(testing_support::ReadFile(dir.File("pic.jpg")), "old");
    boxes.AnswerNext(true);
    ChooseFile("SaveDialog", dir.File("pic.old.jpeg"), [&] { Click(Button("TBVectorsSave")); });
    EXPECT_NE(testing_support::ReadFile(dir.File("pic.jpg")), "old");
}

TEST_F(MainWindowTest, DisplayParameters)
{
    NewSystem("3", true);
    Solve();
    DriveModal(*showCTRL, [&] { Click(Button("SButtShowParm")); }, [&] {
        Pick(Child<QComboBox>(*showCTRL, "CBoxMSel"), 1);
        Pick(Child<QComboBox>(*showCTRL, "CBoxVPCrd"), 1);
        Pick(Child<QComboBox>(*showCTRL, "CBoxVPPG"), 1);
        Pick(Child<QComboBox>(*showCTRL, "CBoxVPPrc"), 3);
        Click(Child<QWidget>(*showCTRL, "OKBtn"));
    });
    EXPECT_EQ(Text("STextShowMSel"), " Гаусова система");
    EXPECT_EQ(Text("STextShowVPCrd"), " Полярные коорд.");
    EXPECT_EQ(Text("STextShowVPPrc"), " EXP 8 цифр");
    EXPECT_EQ(Text("STextShowVPPG"), " Градусы");
    EXPECT_EQ(Page(), 1) << "the page does not change";
    TComplex g = ESet.G[2][2];
    EXPECT_EQ(form->EquationGrid().Cell(3, 3), FormatComplex(g, TShowCTRL{1, 0, 3, true}));
    EXPECT_NE(form->EquationGrid().Cell(3, 3).find("e+"), std::string::npos);
    EXPECT_NE(form->EquationGrid().Cell(3, 3).find("°"), std::string::npos);
}

TEST_F(MainWindowTest, JournalClearAndSave)
{
    NewSystem("2", false);
    Click(Button("SButtNewReport"));
    EXPECT_EQ(Journal().size(), 2u);
    ChooseFile("SaveDialog", dir.File("journal"), [&] { Action("MMReportSaveAs").trigger(); });
    EXPECT_EQ(boxes.Texts().back(), " ЖУРНАЛ УСПЕШНО СОХРАНЕН В ФАЙЛ journal.txt");
    EXPECT_EQ(Child<QFileDialog>(*form, "SaveDialog").windowTitle(), "СОХРАНИТЬ ЖУРНАЛ КАК ...");
    const std::string saved = testing_support::ReadFile(dir.File("journal.txt"));
    EXPECT_TRUE(saved.ends_with("\r\n"));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 5);
    Action("MMReportClear").trigger();
    EXPECT_EQ(Journal().size(), 2u);
}

TEST_F(MainWindowTest, DebugModeTracesAndPauses)
{
    Click(Child<QCheckBox>(*form, "ChBoxDebugOn"));
    EXPECT_TRUE(DebugMode());
    NewSystem("2", false);
    bool traced = false;
    for (const auto& line : Journal())
        traced = traced || line.find(" *** DEBUG *** ") == 0;
    EXPECT_TRUE(traced);
    EXPECT_FALSE(env.sleeps().empty());
    EXPECT_EQ(env.sleeps().front(), 3000);
    Click(Child<QCheckBox>(*form, "ChBoxDebugOn"));
    EXPECT_FALSE(DebugMode());
}

TEST_F(MainWindowTest, AboutAndExit)
{
    DriveModal(*about, [&] { Action("MMHelpAbout").trigger(); }, [&] {
        EXPECT_NE(about->findChild<QLabel*>("Version"), nullptr);
        EXPECT_EQ(Child<QLabel>(*about, "Version").text(), "Version: 1.04.  2010г");
        Click(Child<QWidget>(*about, "OKButton"));
    });
    Action("MMExit").trigger();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
