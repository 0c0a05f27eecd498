#include <cstring>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "complex/ComplexOp.h"
#include "grids/ESetGridService.h"
#include "model/ESetArrayService.h"
#include "model/MAINDATA.h"
#include "platform/StringGrid.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "commands/CellCommands.h"
#include "ui/DialogCommands.h"
#include "ui/EditESetDialod.h"

namespace {

using namespace testing_support;
using platform::MsgKind;

constexpr const char* kExtendedMessage = "Не могу преобразовать в Extended - число";
constexpr const char* kNoGrid = "SYSTYM PROBLEMS:\r\nНЕ ИНИЦИАЛИЗИРОВАН\r\n ESetCellCTRL";
constexpr const char* kNoMatrix =
    "МАТРИЦА СИСТЕМЫ УРАВНЕНИЙ\r\nЕЩЕ НЕ ИНИЦИАЛИЗИРОВАНА!\r\nВЫПОЛНИТЕ : Файлы \\ Новая система";
constexpr const char* kOutside = "SYSTYM PROBLEMS:\r\nЗАПРШЕННАЯ ЯЧЕЙКА ВНЕ ИНДЕКСОВ\r\nМАТРИЦЫ СИСТЕМЫ УРАВНЕНИЙ!";

QString Formatted(const TComplex& value, TShowCTRL settings) { return QString::fromStdString(FormatComplex(value, settings)); }

bool SameValue(const TComplex& a, const TComplex& b)
{
    return a.Re == b.Re && a.Im == b.Im && a.Module == b.Module && a.Phase == b.Phase;
}

// A shown system of three equations; entry [k][i] is (k + 1) - (i + 1)j,
// except [0][0], which is 2 (modulus 2, phase 0).
class EditESetDialodTest : public ::testing::Test {
protected:
    EditESetDialodTest()
    {
        ResetSharedState();
        InitESetArrays(ESet, 3);
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 4; ++i) {
                TComplex& entry = Entry(k, i);
                entry.Re = k + 1;
                entry.Im = -(i + 1);
                CartToPolar(entry);
            }
        Entry(0, 0) = TComplex{2, 0, 0, 0};
        CartToPolar(Entry(0, 0));
        InitESetGrid(grid, 3, 4);
        RefreshESetGrid(ESet, grid, ShowCTRL, 1);
    }

    static TComplex& Entry(int k, int i) { return ESet.A[std::size_t(k)][std::size_t(i)]; }
    void SelectCell(int k, int i)
    {
        grid.SetRow(k + 1);
        grid.SetCol(i + 1);
    }
    QLineEdit& Edit(const char* name) { return Child<QLineEdit>(dialog, name); }
    QString Text(const char* name) { return Child<QLabel>(dialog, name).text(); }
    QComboBox& Coords() { return Child<QComboBox>(dialog, "CBoxCVPCrd"); }
    QComboBox& PhaseUnit() { return Child<QComboBox>(dialog, "CBoxCVPPG"); }
    void Ok() { Click(Child<QPushButton>(dialog, "OKBtn")); }
    void Cancel() { Click(Child<QPushButton>(dialog, "CancelBtn")); }
    void ExpectCartesianView(const TComplex& old, const TComplex& entered)
    {
        EXPECT_EQ(Coords().currentIndex(), 0);
        EXPECT_FALSE(PhaseUnit().isEnabled());
        EXPECT_EQ(PhaseUnit().currentIndex(), -1);
        EXPECT_EQ(Text("STextOldXrm"), Formatted(old, {0, 1, 4, false}));
        EXPECT_EQ(Text("STextOldXip"), Formatted(old, {0, 3, 4, false}));
        EXPECT_EQ(Edit("EditNewXrm").text(), Formatted(entered, {0, 1, 4, false}));
        EXPECT_EQ(Edit("EditNewXip").text(), Formatted(entered, {0, 3, 4, false}));
        for (const char* name : {"STextOldXrmIdn", "STextNewXrmIdn"})
            EXPECT_EQ(Text(name), " Real");
        for (const char* name : {"STextOldXipIdn", "STextNewXipIdn"})
            EXPECT_EQ(Text(name), " Img");
    }
    // The matrix, the grid and the dialog's record after a dialog that must
    // not have written anything.
    void ExpectUnchanged(const TESetCTRL& before, const platform::StringGrid& gridBefore)
    {
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 4; ++i) {
                EXPECT_TRUE(SameValue(Entry(k, i), before.A[std::size_t(k)][std::size_t(i)])) << k << "," << i;
                EXPECT_EQ(grid.Cell(i + 1, k + 1), gridBefore.Cell(i + 1, k + 1));
            }
    }
    TESetCTRL Snapshot() const
    {
        TESetCTRL copy;
        InitESetArrays(copy, 3);
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 4; ++i)
                copy.A[std::size_t(k)][std::size_t(i)] = Entry(k, i);
        return copy;
    }

    TestEnvironment env;
    RecordingBoxes boxes;
    platform::StringGrid grid;
    TESetEditForm dialog;
};

TEST_F(EditESetDialodTest, ShowsTheCellInCartesianViewAndOkWithoutEntryWritesNothing)
{
    struct Cell {
        int k, i;
        const char* name;
    };
    for (const Cell cell : {Cell{1, 2, " a "}, Cell{2, 3, " b "}, Cell{0, 0, " a "}}) {
        SCOPED_TRACE(cell.name);
        SelectCell(cell.k, cell.i);
        const TESetCTRL before = Snapshot();
        const platform::StringGrid gridBefore = grid;
        DriveModal(dialog, [&] { PMESetCellEditClick(dialog, grid); }, [&] {
            EXPECT_EQ(Text("STextCoeffName"), cell.name);
            EXPECT_EQ(Text("STextArrRow"), QString::number(cell.k));
            EXPECT_EQ(Text("STextArrCol"), QString::number(cell.i));
            ExpectCartesianView(Entry(cell.k, cell.i), Entry(cell.k, cell.i));
            // Leave the polar view behind: the next showing starts Cartesian.
            Pick(Coords(), 1);
            Ok();
        });
        ExpectUnchanged(before, gridBefore);
        EXPECT_FALSE(ESetCellCTRL.Changed);
        EXPECT_EQ(ESetCellCTRL.GridRow, cell.k + 1);
        EXPECT_EQ(ESetCellCTRL.MatrixCol, cell.i);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(EditESetDialodTest, PolarPhaseInDegreesIsEnteredAndCommitted)
{
    SelectCell(0, 0);
    ShowCTRL = {1, 0, 0, true};
    DriveModal(dialog, [&] { PMESetCellEditClick(dialog, grid); }, [&] {
        Pick(Coords(), 1);
        EXPECT_TRUE(PhaseUnit().isEnabled());
        EXPECT_EQ(PhaseUnit().currentText(), "Радианы");
        EXPECT_EQ(Text("STextNewXrmIdn"), " Module");
        EXPECT_EQ(Text("STextNewXipIdn"), " Phase(rad)");
        EXPECT_EQ(Edit("EditNewXrm").text(), "2.0000000000000000");
        Pick(PhaseUnit(), 1);
        EXPECT_EQ(Text("STextOldXipIdn"), " Phase(grad)");
        EXPECT_EQ(Text("STextNewXipIdn"), " Phase(grad)");
        EXPECT_EQ(Edit("EditNewXip").text(), "0.0000000000000000");
        TypeOver(Edit("EditNewXip"), "90");
        const TComplex& entered = ESetCellCTRL.NewValue;
        EXPECT_NEAR(static_cast<double>(entered.Re), 0.0, 1e-15);
        EXPECT_NEAR(static_cast<double>(entered.Im), 2.0, 1e-15);
        EXPECT_EQ(entered.Module, 2.0L);
        EXPECT_EQ(entered.Phase, 90 * DegToRad);
        EXPECT_TRUE(SameValue(ESetCellCTRL.OldValue, TComplex{2, 0, 2, 0}));
        Ok();
    });
    EXPECT_TRUE(ESetCellCTRL.Changed);
    EXPECT_TRUE(SameValue(Entry(0, 0), ESetCellCTRL.NewValue));
    EXPECT_EQ(grid.Cell(1, 1), FormatComplex(Entry(0, 0), ShowCTRL));
    EXPECT_EQ(grid.Cell(1, 1), "2.000000 Exp ( + J 90.000000° )");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(EditESetDialodTest, SwitchingViewsKeepsTheEntryAndCancelWritesNothing)
{
    SelectCell(1, 2);  // 2 - 3j
    const TESetCTRL before = Snapshot();
    const platform::StringGrid gridBefore = grid;
    DriveModal(dialog, [&] { PMESetCellEditClick(dialog, grid); }, [&] {
        TypeOver(Edit("EditNewXrm"), "1.5");
        TComplex entered{1.5L, -3, 0, 0};
        CartToPolar(entered);
        EXPECT_TRUE(SameValue(ESetCellCTRL.NewValue, entered));
        Pick(Coords(), 1);
        EXPECT_EQ(Edit("EditNewXrm").text(), Formatted(entered, {1, 1, 4, false}));
        EXPECT_EQ(Edit("EditNewXip").text(), Formatted(entered, {1, 3, 4, false}));
        EXPECT_EQ(Text("STextOldXrm"), Formatted(Entry(1, 2), {1, 1, 4, false}));
        Pick(Coords(), 0);
        ExpectCartesianView(Entry(1, 2), entered);
        EXPECT_TRUE(ESetCellCTRL.Changed);
        Cancel();
    });
    ExpectUnchanged(before, gridBefore);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(EditESetDialodTest, TextThatDoesNotConvertIsNotTaken)
{
    SelectCell(2, 1);
    DriveModal(dialog, [&] { PMESetCellEditClick(dialog, grid); }, [&] {
        QLineEdit& im = Edit("EditNewXip");
        TypeOver(im, "-");
        EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{MsgKind::Plain, kExtendedMessage, false}}));
        EXPECT_EQ(im.palette().color(QPalette::Base), QColor(255, 200, 200));
        EXPECT_FALSE(ESetCellCTRL.Changed);
        EXPECT_TRUE(SameValue(ESetCellCTRL.NewValue, Entry(2, 1)));

        Type(im, "4");
        EXPECT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(ESetCellCTRL.NewValue.Im, -4.0L);
        EXPECT_TRUE(ESetCellCTRL.Changed);
        EXPECT_EQ(im.palette().color(QPalette::Base), QApplication::palette(&im).color(QPalette::Base));

        Type(im, "e");
        EXPECT_EQ(boxes.boxes().size(), 2u);
        EXPECT_EQ(ESetCellCTRL.NewValue.Im, -4.0L);

        // The view the dialog fills itself shows convertible numbers again.
        Pick(Coords(), 1);
        EXPECT_EQ(im.palette().color(QPalette::Base), QApplication::palette(&im).color(QPalette::Base));
        EXPECT_EQ(boxes.boxes().size(), 2u);
        Cancel();
    });
}

bool SameBits(const TComplex& a, const TComplex& b)
{
    const long double fields[2][4] = {{a.Re, a.Im, a.Module, a.Phase}, {b.Re, b.Im, b.Module, b.Phase}};
    for (int f = 0; f < 4; ++f)
        if (std::memcmp(&fields[0][f], &fields[1][f], 10) != 0)
            return false;
    return true;
}

// Every box in every view: a text that is not decimal notation within the
// range tints the box with the message and takes nothing; a text that is
// converts by the rule of the view.
TEST_F(EditESetDialodTest, HostileTextInEveryBoxTakesNothing)
{
    const QString hostile[] = {
        "", "-", "+", "e5", "1e", "1e+", "1e99999", "-1e99999", "nan", "inf", "-INF", "0x10", " 1", "1 ", "1,5",
        "1.5.", QString(10000, '9'), "один", "1е5", QString::fromUtf16(u"\uFF11"), "1\x01", "\t1", "1\r\n",
        QString("1") + QChar(0),
    };
    struct Box {
        const char* name;
        int view;  // the item of CBoxCVPCrd
        int unit;  // the item of CBoxCVPPG in the polar view
        long double TComplex::*field;
        long double factor;  // from the number typed to the field
    };
    const Box boxesToTry[] = {
        {"EditNewXrm", 0, -1, &TComplex::Re, 1},     {"EditNewXip", 0, -1, &TComplex::Im, 1},
        {"EditNewXrm", 1, 0, &TComplex::Module, 1},  {"EditNewXip", 1, 0, &TComplex::Phase, 1},
        {"EditNewXip", 1, 1, &TComplex::Phase, DegToRad},
    };
    SelectCell(1, 2);
    DriveModal(dialog, [&] { PMESetCellEditClick(dialog, grid); }, [&] {
        for (const Box& box : boxesToTry) {
            SCOPED_TRACE(std::string(box.name) + " view " + std::to_string(box.view) + " unit " + std::to_string(box.unit));
            Pick(Coords(), box.view);
            if (box.unit >= 0)
                Pick(PhaseUnit(), box.unit);
            QLineEdit& edit = Edit(box.name);
            for (const QString& text : hostile) {
                SCOPED_TRACE(text.left(20).toStdString());
                const TComplex before = ESetCellCTRL.NewValue;
                const bool changedBefore = ESetCellCTRL.Changed;
                boxes.Clear();
                edit.setText(text);
                EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{MsgKind::Plain, kExtendedMessage, false}}));
                EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 200, 200));
                EXPECT_TRUE(SameBits(ESetCellCTRL.NewValue, before));
                EXPECT_EQ(ESetCellCTRL.Changed, changedBefore);
            }
            boxes.Clear();
            for (const auto& [text, number] : {std::pair<QString, long double>{"+.5", 0.5L}, {"1e4932", 1e4932L},
                                               {"0." + QString(10000, '3'), 1.0L / 3}, {"-0", -0.0L}}) {
                edit.setText(text);
                EXPECT_EQ(ESetCellCTRL.NewValue.*box.field, number * box.factor) << text.left(20).toStdString();
                EXPECT_TRUE(ESetCellCTRL.Changed);
            }
            EXPECT_TRUE(boxes.boxes().empty());
            EXPECT_EQ(edit.palette().color(QPalette::Base), QApplication::palette(&edit).color(QPalette::Base));
        }
        Cancel();
    });
}

TEST_F(EditESetDialodTest, ActivationWarnsAndStaysInertWithoutAUsableCell)
{
    struct Case {
        const char* label;
        std::function<void()> arrange;
        const char* warning;
    };
    const std::vector<Case> cases = {
        {"no grid", [] { ESetCellCTRL.Grid = nullptr; }, kNoGrid},
        {"no matrix yet", [] { ESetCellCTRL.Matrix = TESetArray{}; }, kNoMatrix},
        {"cell outside the matrix",
         [&] {
             grid.SetRowCount(6);
             grid.SetRow(5);
         },
         kOutside},
        {"one equation", [] { ESetCellCTRL.Matrix.resize(1); }, kOutside},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        InitESetArrays(ESet, 3);
        InitESetGrid(grid, 3, 4);
        SelectCell(1, 1);
        ESetCellCTRL = TESetCellCTRL{};
        ESetCellCTRL.Grid = &grid;
        ESetCellCTRL.Matrix = ESet.A;
        c.arrange();
        boxes.Clear();
        RunModal(dialog, [&] {
            TypeOver(Edit("EditNewXrm"), "3");
            Ok();
        });
        EXPECT_EQ(boxes.Texts().at(0), c.warning);
        EXPECT_EQ(boxes.boxes().at(0).kind, MsgKind::Warning);
        EXPECT_EQ(ESetCellCTRL.GridRow, -1);
        EXPECT_EQ(ESetCellCTRL.MatrixCol, -1);
        // What the command would do after OK writes nothing anywhere.
        CommitESetCellEdit();
        for (std::size_t k = 0; k < ESet.A.size(); ++k)
            for (const TComplex& entry : ESet.A[k])
                EXPECT_TRUE(SameValue(entry, TComplex{}));
    }
}

TEST_F(EditESetDialodTest, CommandRunsOnlyOnTheSourceMatrix)
{
    MatrixSelect = 2;
    bool opened = false;
    QTimer guard;  // closes the dialog should the command open it
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    guard.start(50);
    PMESetCellEditClick(dialog, grid);
    EXPECT_FALSE(opened);
    EXPECT_EQ(ESetCellCTRL.Grid, nullptr);
}

}  // namespace
