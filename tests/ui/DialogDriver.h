#pragma once

#include <functional>
#include <stdexcept>

#include <QDialog>
#include <QString>
#include <gtest/gtest.h>

class QComboBox;
class QWidget;

namespace testing_support {

// Runs `open`, which shows the dialog modally, and once the dialog is the
// active modal window performs the user's steps, which end by closing it. A
// dialog that never becomes modal, or that the steps leave open, fails the
// test and is rejected after a deadline so the run goes on.
void DriveModal(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& steps);
// DriveModal with exec(); returns the dialog's result.
int RunModal(QDialog& dialog, const std::function<void()>& steps);

// The dialog's child of that type and object name; fails the test when absent.
template <typename Widget>
Widget& Child(QWidget& parent, const char* name)
{
    Widget* child = parent.findChild<Widget*>(name);
    if (!child) {
        ADD_FAILURE() << "no child " << name;
        throw std::runtime_error(name);
    }
    return *child;
}

// One key event per character, as typed on a keyboard.
void Type(QWidget& widget, const QString& text);
// Selects the whole text of an edit box and types over it.
void TypeOver(QWidget& edit, const QString& text);
// Presses Backspace the given number of times.
void Backspace(QWidget& widget, int times);
// Opens the combo box's list and clicks the item, as a user picks it.
void Pick(QComboBox& combo, int item);
void Click(QWidget& widget);

// The shared state the dialogs write, as it is at start-up.
void ResetSharedState();

}  // namespace testing_support
