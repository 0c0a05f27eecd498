#pragma once

#include <functional>

namespace platform {
class StringGrid;
}
class TESetEditForm;
class TFormShowCTRL;

// The main window's commands around its dialogs.

// The display parameters command: after OK the window is repainted, the
// equation grid redrawn when a setting changed, and the window's selection
// and display texts shown again.
void DoShowParams(TFormShowCTRL& Dialog, platform::StringGrid& GridESET, const std::function<void()>& Repaint,
                  const std::function<void()>& ShowMatrixSelectAndParams);

// The cell-edit command on the current cell of the equation grid, only
// while the grid shows the source matrix; OK writes the new value.
void PMESetCellEditClick(TESetEditForm& Dialog, platform::StringGrid& GridESET);
