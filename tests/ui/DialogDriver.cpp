#include "tests/ui/DialogDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QtTest/QTest>

#include "model/MAINDATA.h"

namespace testing_support {
namespace {

constexpr int kPollMs = 5;
constexpr int kDeadlineMs = 5000;

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace

void DriveModal(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& steps)
{
    bool stepsRun = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!stepsRun && QApplication::activeModalWidget() == &dialog) {
            stepsRun = true;
            try {
                steps();
            } catch (const std::exception& failure) {
                ADD_FAILURE() << "steps stopped: " << failure.what();
            }
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the steps left the dialog open";
                dialog.reject();
            }
        } else if (!stepsRun && clock.elapsed() > kDeadlineMs) {
            ADD_FAILURE() << "the dialog did not become modal";
            poll.stop();
            dialog.reject();
        }
    });
    poll.start();
    open();
    EXPECT_TRUE(stepsRun);
}

int RunModal(QDialog& dialog, const std::function<void()>& steps)
{
    int result = -1;
    DriveModal(dialog, [&] { result = dialog.exec(); }, steps);
    return result;
}

void Type(QWidget& widget, const QString& text)
{
    for (const QChar c : text)
        SendKey(widget, Qt::Key_unknown, Qt::NoModifier, QString(c));
}

void TypeOver(QWidget& edit, const QString& text)
{
    SendKey(edit, Qt::Key_A, Qt::ControlModifier, {});
    Type(edit, text);
}

void Backspace(QWidget& widget, int times)
{
    for (int i = 0; i < times; ++i)
        SendKey(widget, Qt::Key_Backspace, Qt::NoModifier, {});
}

void Pick(QComboBox& combo, int item)
{
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    const QModelIndex index = combo.model()->index(item, 0);
    list->scrollTo(index);
    const QRect place = list->visualRect(index);
    // An item may be wider than a narrow list; click within what shows.
    const QPoint at(std::min(place.center().x(), list->viewport()->width() / 2), place.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (combo.view()->isVisible()) {
        ADD_FAILURE() << "the list of " << combo.objectName().toStdString() << " stayed open";
        combo.hidePopup();
    }
}

void Click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }

void ResetSharedState()
{
    ESet = TESetCTRL{};
    ShowCTRL = TShowCTRL{};
    ShowCTRLChanged = false;
    MatrixSelect = 0;
    NewESetCTRL = TNewESetCTRL{};
    ESetCellCTRL = TESetCellCTRL{};
}

}  // namespace testing_support
