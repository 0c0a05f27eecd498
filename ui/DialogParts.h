#pragma once

#include <initializer_list>

#include <QString>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QWidget;

// Building blocks of the program's fixed-layout dialogs. Positions and sizes
// are in pixels of the parent's client area; the dialogs use a font of fixed
// pixel size so that the layout holds on every desktop.

// A fixed client area with a title and only the close button.
void SetFixedDialogFrame(QDialog& dialog, const QString& caption, int width, int height);
// An etched frame drawn around a group of controls; it lies under them.
QFrame* AddBevel(QWidget& parent, int x, int y, int width, int height);
QLabel* AddLabel(QWidget& parent, const QString& text, int x, int y);
// A static text in a sunken border, named after its component.
QLabel* AddSunkenText(QWidget& parent, const char* name, int x, int y, int width);
// A drop-down list of fixed items; no item selected.
QComboBox* AddComboBox(QWidget& parent, const char* name, int x, int y, int width,
                       std::initializer_list<const char*> items);
// "OK" (default, accepts) at okX and "Cancel" (rejects, also on Esc) at cancelX.
void AddOkCancelButtons(QDialog& dialog, int okX, int cancelX, int y);

constexpr int kControlHeight = 22;  // edit boxes, combo boxes and sunken texts
