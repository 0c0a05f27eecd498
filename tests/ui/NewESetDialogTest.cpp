#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "model/MAINDATA.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/DialogDriver.h"
#include "ui/NewESetDialog.h"
#include "ui/UpDown.h"

namespace {

using namespace testing_support;
using platform::MsgKind;

constexpr const char* kIntegerMessage = "Не могу преобразовать в Integer - число";
constexpr const char* kFewerThanTwo = "ЧИСЛО УРАВНЕНИЙ СИСТЕМЫ\r\nНЕ МОЖЕТ БЫТЬ МЕНЬШЕ ДВУХ!";
constexpr const char* kMoreThanThousand = "ЧИСЛО УРАВНЕНИЙ СИСТЕМЫ\r\nНЕ МОЖЕТ БЫТЬ БОЛЬШЕ ТЫСЯЧИ!";

class NewESetDialogTest : public ::testing::Test {
protected:
    NewESetDialogTest() { ResetSharedState(); }

    QLineEdit& Edit() { return Child<QLineEdit>(dialog, "EditESetRow"); }
    TUpDown& UpDown() { return Child<TUpDown>(dialog, "UpDownESetRow"); }
    QString Text(const char* name) { return Child<QLabel>(dialog, name).text(); }
    QCheckBox& RandomBox() { return Child<QCheckBox>(dialog, "CheckBoxRqTestData"); }
    void Ok() { Click(Child<QPushButton>(dialog, "OKBtn")); }
    void Cancel() { Click(Child<QPushButton>(dialog, "CancelBtn")); }
    // Replaces the whole text at once, as pasting over a selection does.
    void Paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        Edit().selectAll();
        Edit().paste();
    }
    // The request and the two sunken texts agree on N.
    void ExpectRows(int n)
    {
        EXPECT_EQ(NewESetCTRL.Rows, n);
        EXPECT_EQ(NewESetCTRL.Cols, n + 1);
        EXPECT_EQ(Text("STextMatrixRow"), QString::number(n));
        EXPECT_EQ(Text("STextMatrixCol"), QString::number(n + 1));
        EXPECT_EQ(UpDown().Position(), n);
    }
    std::vector<RecordingBoxes::Box> TakeBoxes()
    {
        std::vector<RecordingBoxes::Box> taken = boxes.boxes();
        boxes.Clear();
        return taken;
    }

    TestEnvironment env;
    RecordingBoxes boxes;
    TNewESetForm dialog;
};

using Boxes = std::vector<RecordingBoxes::Box>;

TEST_F(NewESetDialogTest, OpensWithFiveAndOkRequestsFiveWithoutRandomData)
{
    const int result = RunModal(dialog, [&] {
        EXPECT_EQ(Edit().text(), "5");
        EXPECT_EQ(Text("STextMaxMatrixRow"), "1000");
        ExpectRows(5);
        EXPECT_EQ(UpDown().Min(), 2);
        EXPECT_EQ(UpDown().Max(), 1000);
        EXPECT_FALSE(RandomBox().isChecked());
        EXPECT_EQ(Child<QComboBox>(dialog, "CBoxMaxReCoeff").currentText(), "1");
        EXPECT_EQ(Child<QComboBox>(dialog, "CBoxMaxImCoeff").currentText(), "1");
        EXPECT_EQ(Child<QComboBox>(dialog, "CBoxMaxReRoots").currentText(), "10");
        EXPECT_EQ(Child<QComboBox>(dialog, "CBoxMaxImRoots").currentText(), "10");
        Ok();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(NewESetCTRL.Rows, 5);
    EXPECT_EQ(NewESetCTRL.Cols, 6);
    EXPECT_FALSE(NewESetCTRL.RandomData);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(NewESetDialogTest, EveryKeystrokeIsValidatedAndOutOfRangeIsPutBack)
{
    const int result = RunModal(dialog, [&] {
        TypeOver(Edit(), "1");
        EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Warning, kFewerThanTwo, false}}));
        EXPECT_EQ(Edit().text(), "2");
        ExpectRows(2);

        Type(Edit(), "7");
        EXPECT_TRUE(TakeBoxes().empty());
        ExpectRows(27);

        Backspace(Edit(), 2);
        EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Plain, kIntegerMessage, false}}));
        EXPECT_EQ(Edit().palette().color(QPalette::Base), QColor(255, 200, 200));
        ExpectRows(2);  // "2" was accepted before the text emptied

        Type(Edit(), "ж");
        EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Plain, kIntegerMessage, false}}));
        ExpectRows(2);

        Paste("1000");
        EXPECT_TRUE(TakeBoxes().empty());
        EXPECT_EQ(Edit().palette().color(QPalette::Base), QApplication::palette(&Edit()).color(QPalette::Base));
        ExpectRows(1000);

        Paste("1500");
        EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Warning, kMoreThanThousand, false}}));
        EXPECT_EQ(Edit().text(), "1000");
        ExpectRows(1000);

        Paste("-3");
        EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Warning, kFewerThanTwo, false}}));
        ExpectRows(2);
        Cancel();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(NewESetCTRL.Rows, 2);  // the last validation stays after Cancel
}

TEST_F(NewESetDialogTest, UpDownWritesItsNewPositionAndStaysWithinRange)
{
    RunModal(dialog, [&] {
        QToolButton& up = Child<QToolButton>(UpDown(), "UpArrow");
        QToolButton& down = Child<QToolButton>(UpDown(), "DownArrow");
        Click(up);
        EXPECT_EQ(Edit().text(), "6");
        ExpectRows(6);
        Click(down);
        Click(down);
        EXPECT_EQ(Edit().text(), "4");
        ExpectRows(4);

        TypeOver(Edit(), "2");
        Click(down);
        EXPECT_EQ(Edit().text(), "2");
        ExpectRows(2);

        Paste("1000");
        Click(up);
        EXPECT_EQ(Edit().text(), "1000");
        ExpectRows(1000);

        // A typed value moves the up-down, so the next press starts from it.
        TypeOver(Edit(), "37");
        Click(up);
        EXPECT_EQ(Edit().text(), "38");
        ExpectRows(38);
        Ok();
    });
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(NewESetCTRL.Rows, 38);
}

TEST_F(NewESetDialogTest, BoundsAreTakenOnTickingAndOnPicksWhileTicked)
{
    RunModal(dialog, [&] {
        Click(RandomBox());
        EXPECT_TRUE(RandomBox().isChecked());
        EXPECT_TRUE(NewESetCTRL.RandomData);
        EXPECT_EQ(ESet.MaxReCoeff, 1.0L);
        EXPECT_EQ(ESet.MaxImCoeff, 1.0L);
        EXPECT_EQ(ESet.MaxReRoots, 10.0L);
        EXPECT_EQ(ESet.MaxImRoots, 10.0L);

        Click(RandomBox());
        EXPECT_FALSE(NewESetCTRL.RandomData);
        EXPECT_EQ(ESet.MaxReCoeff, 1.0L);
        EXPECT_EQ(ESet.MaxImRoots, 10.0L);

        // Without random data a pick is only remembered ...
        Pick(Child<QComboBox>(dialog, "CBoxMaxReCoeff"), 0);
        EXPECT_EQ(ESet.MaxReCoeff, 1.0L);
        Click(RandomBox());
        EXPECT_TRUE(NewESetCTRL.RandomData);
        EXPECT_EQ(ESet.MaxReCoeff, 1000.0L);
        // ... with it the pick is taken at once, so OK builds what is shown.
        Pick(Child<QComboBox>(dialog, "CBoxMaxImRoots"), 4);
        EXPECT_EQ(ESet.MaxImRoots, 0.1L);
        EXPECT_EQ(ESet.MaxReRoots, 10.0L);
        Ok();
    });
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(NewESetDialogTest, ChoicesPersistBetweenShowingsButTheSizeStartsAtFive)
{
    RunModal(dialog, [&] {
        Click(RandomBox());
        Pick(Child<QComboBox>(dialog, "CBoxMaxReRoots"), 5);
        Paste("12");
        ExpectRows(12);
        EXPECT_EQ(ESet.MaxReRoots, 0.01L);
        Ok();
    });
    ESet.MaxReRoots = 0;
    const int result = RunModal(dialog, [&] {
        EXPECT_EQ(Edit().text(), "5");
        ExpectRows(5);
        EXPECT_TRUE(RandomBox().isChecked());
        EXPECT_EQ(Child<QComboBox>(dialog, "CBoxMaxReRoots").currentIndex(), 5);
        Ok();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(NewESetCTRL.RandomData);
    EXPECT_EQ(ESet.MaxReRoots, 0.01L);
    EXPECT_TRUE(boxes.boxes().empty());
}

// Texts a user may leave in the box: none is an integer, so each tints the
// box with the message and leaves the request at the last accepted N.
TEST_F(NewESetDialogTest, HostileTextIsRefusedAndTheRequestKeepsItsValue)
{
    const QString hostile[] = {
        "", "-", "+", "e5", "1e", "1e5", "1e99999", "nan", "inf", "0x10", " 7", "7 ", "7.0", "7,0",
        QString(10000, '9'), "семь", QString::fromUtf16(u"\u0667"), "7\x01", "\t7", "7\n", QString("7") + QChar(0),
    };
    RunModal(dialog, [&] {
        Edit().setText("7");
        ExpectRows(7);
        for (const QString& text : hostile) {
            SCOPED_TRACE(text.left(20).toStdString());
            boxes.Clear();
            Edit().setText(text);
            EXPECT_EQ(TakeBoxes(), (Boxes{{MsgKind::Plain, kIntegerMessage, false}}));
            EXPECT_EQ(Edit().palette().color(QPalette::Base), QColor(255, 200, 200));
            ExpectRows(7);
        }
        // Digits with a sign convert by the rule.
        Edit().setText("+8");
        ExpectRows(8);
        Edit().setText("009");
        ExpectRows(9);
        EXPECT_EQ(Edit().palette().color(QPalette::Base), QApplication::palette(&Edit()).color(QPalette::Base));
        EXPECT_TRUE(TakeBoxes().empty());
        Ok();
    });
    EXPECT_EQ(NewESetCTRL.Rows, 9);
}

}  // namespace
