#include <tuple>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "grids/ESetGridService.h"
#include "journal/Progress.h"
#include "model/ESetArrayService.h"
#include "model/MAINDATA.h"
#include "platform/StaticText.h"
#include "platform/StringGrid.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "ui/DialogCommands.h"
#include "ui/ShowCTRLDialog.h"

namespace {

using namespace testing_support;

// Every status text the command shows, in order.
class RecordingStatusText : public platform::PlainStaticText {
public:
    void SetCaption(const std::string& caption) override
    {
        captions.push_back(caption);
        PlainStaticText::SetCaption(caption);
    }
    std::vector<std::string> captions;
};

auto Fields(const TShowCTRL& s) { return std::make_tuple(s.VPCrd, s.VPMod, s.VPPrc, s.VPPG); }

class ShowCTRLDialogTest : public ::testing::Test {
protected:
    ShowCTRLDialogTest()
    {
        ResetSharedState();
        InitProgress(&status, nullptr);
    }
    ~ShowCTRLDialogTest() override { InitProgress(nullptr, nullptr); }

    QComboBox& Combo(const char* name) { return Child<QComboBox>(dialog, name); }
    void Ok() { Click(Child<QPushButton>(dialog, "OKBtn")); }
    // The display parameters command, counting the window operations it calls.
    void RunCommand(const std::function<void()>& steps)
    {
        DriveModal(dialog, [&] {
            DoShowParams(dialog, grid, [&] { ++repaints; }, [&] { ++stateShows; });
        }, steps);
    }
    // A two-equation system shown in the grid, whose working matrix differs
    // from the source; every data cell of the grid reads "old".
    void MakeShownSystem()
    {
        InitESetArrays(ESet, 2);
        for (std::size_t k = 0; k < 2; ++k)
            for (std::size_t i = 0; i < 3; ++i) {
                ESet.A[k][i] = TComplex{3, 4, 5, 0.9272952180016122L};
                ESet.G[k][i] = TComplex{-1, 0, 1, Pi};
            }
        InitESetGrid(grid, 2, 3);
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 3; ++col)
                grid.SetCell(col, row, "old");
        MatrixSelect = 1;
    }

    TestEnvironment env;
    RecordingBoxes boxes;
    RecordingStatusText status;
    platform::StringGrid grid;
    int repaints = 0;
    int stateShows = 0;
    TFormShowCTRL dialog;
};

TEST_F(ShowCTRLDialogTest, FirstShowingOffersTheOptionTablesAndUntouchedOkRedrawsNothing)
{
    RunCommand([&] {
        const struct {
            const char* name;
            std::vector<const char*> items;
            int selected;
        } expected[] = {
            {"CBoxMSel", {MatrixSelTexts[0], MatrixSelTexts[1]}, -1},
            {"CBoxVPCrd", {CoordsTexts[0], CoordsTexts[1]}, 0},
            {"CBoxVPMod", {ModeTexts[0], ModeTexts[1], ModeTexts[2]}, 0},
            {"CBoxVPPrc", {PrecisionTexts[0], PrecisionTexts[1], PrecisionTexts[2], PrecisionTexts[3]}, 0},
            {"CBoxVPPG", {PhaseUnitTexts[0], PhaseUnitTexts[1]}, -1},
        };
        for (const auto& combo : expected) {
            SCOPED_TRACE(combo.name);
            QComboBox& box = Combo(combo.name);
            ASSERT_EQ(box.count(), int(combo.items.size()));
            for (int i = 0; i < box.count(); ++i)
                EXPECT_EQ(box.itemText(i), QString::fromUtf8(combo.items[std::size_t(i)]));
            EXPECT_EQ(box.currentIndex(), combo.selected);
        }
        EXPECT_EQ(Combo("CBoxVPCrd").currentText(), " Декартовы коорд.");
        EXPECT_FALSE(Combo("CBoxVPPG").isEnabled());
        Ok();
    });
    EXPECT_FALSE(ShowCTRLChanged);
    EXPECT_EQ(MatrixSelect, 0);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(stateShows, 1);
    EXPECT_TRUE(status.captions.empty());

    // The triangular matrix chosen before any system exists: the choice is
    // recorded although nothing can be drawn.
    RunCommand([&] {
        Pick(Combo("CBoxMSel"), 1);
        EXPECT_EQ(MatrixSelect, 2);
        EXPECT_TRUE(ShowCTRLChanged);
        Ok();
    });
    EXPECT_EQ(MatrixSelect, 2);
    EXPECT_FALSE(ShowCTRLChanged);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(stateShows, 2);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ShowCTRLDialogTest, PicksGoInAtOnceAndOkRedrawsTheChosenMatrix)
{
    MakeShownSystem();
    RunCommand([&] {
        EXPECT_EQ(Combo("CBoxMSel").currentIndex(), 0);
        Pick(Combo("CBoxVPCrd"), 1);
        EXPECT_EQ(ShowCTRL.VPCrd, 1);
        EXPECT_TRUE(ShowCTRLChanged);
        EXPECT_TRUE(Combo("CBoxVPPG").isEnabled());
        EXPECT_EQ(Combo("CBoxVPPG").currentText(), " Радианы");

        Pick(Combo("CBoxVPPG"), 1);
        EXPECT_TRUE(ShowCTRL.VPPG);
        Pick(Combo("CBoxVPCrd"), 0);
        EXPECT_EQ(ShowCTRL.VPCrd, 0);
        EXPECT_FALSE(Combo("CBoxVPPG").isEnabled());
        EXPECT_EQ(Combo("CBoxVPPG").currentIndex(), -1);
        EXPECT_TRUE(ShowCTRL.VPPG);
        Pick(Combo("CBoxVPCrd"), 1);
        EXPECT_EQ(Combo("CBoxVPPG").currentText(), " Градусы");

        Pick(Combo("CBoxVPMod"), 1);
        Pick(Combo("CBoxVPPrc"), 3);
        Pick(Combo("CBoxMSel"), 1);
        EXPECT_EQ(Fields(ShowCTRL), Fields({1, 1, 3, true}));
        EXPECT_EQ(MatrixSelect, 2);
        Ok();
    });
    EXPECT_EQ(grid.Cell(1, 1), FormatComplex(ESet.G[0][0], ShowCTRL));
    EXPECT_EQ(grid.Cell(3, 2), "1.0000000e+000");
    EXPECT_FALSE(ShowCTRLChanged);
    EXPECT_EQ(status.captions, (std::vector<std::string>{" Новое отображение", ""}));
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(stateShows, 1);

    // The next showing opens with the settings in force.
    RunCommand([&] {
        EXPECT_EQ(Combo("CBoxMSel").currentIndex(), 1);
        EXPECT_EQ(Combo("CBoxVPCrd").currentIndex(), 1);
        EXPECT_EQ(Combo("CBoxVPMod").currentIndex(), 1);
        EXPECT_EQ(Combo("CBoxVPPrc").currentIndex(), 3);
        EXPECT_EQ(Combo("CBoxVPPG").currentIndex(), 1);
        Ok();
    });
    EXPECT_EQ(status.captions.size(), 2u);  // nothing changed, nothing redrawn
    EXPECT_EQ(stateShows, 2);
}

TEST_F(ShowCTRLDialogTest, CancelPutsBackWhatWasInForce)
{
    const struct {
        const char* label;
        std::function<void(TFormShowCTRL&)> close;
    } ways[] = {
        {"Cancel button", [](TFormShowCTRL& d) { Click(Child<QPushButton>(d, "CancelBtn")); }},
        {"Escape key",
         [](TFormShowCTRL& d) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&d, &escape);
         }},
        {"close box", [](TFormShowCTRL& d) { d.close(); }},
    };
    MakeShownSystem();
    ShowCTRL = {1, 2, 1, false};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.label);
        RunCommand([&] {
            Pick(Combo("CBoxVPCrd"), 0);
            Pick(Combo("CBoxVPMod"), 0);
            Pick(Combo("CBoxVPPrc"), 2);
            Pick(Combo("CBoxMSel"), 1);
            EXPECT_TRUE(ShowCTRLChanged);
            way.close(dialog);
        });
        EXPECT_EQ(Fields(ShowCTRL), Fields({1, 2, 1, false}));
        EXPECT_EQ(MatrixSelect, 1);
        EXPECT_FALSE(ShowCTRLChanged);
        EXPECT_EQ(grid.Cell(1, 1), "old");
        EXPECT_EQ(repaints + stateShows, 0);
        EXPECT_TRUE(status.captions.empty());
    }
}

}  // namespace
