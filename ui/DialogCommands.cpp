#include "ui/DialogCommands.h"

#include "commands/CellCommands.h"
#include "grids/ESetGridService.h"
#include "journal/Progress.h"
#include "model/MAINDATA.h"
#include "ui/EditESetDialod.h"
#include "ui/ShowCTRLDialog.h"

void DoShowParams(TFormShowCTRL& Dialog, platform::StringGrid& GridESET, const std::function<void()>& Repaint,
                  const std::function<void()>& ShowMatrixSelectAndParams)
{
    if (Dialog.exec() != QDialog::Accepted)
        return;
    Repaint();
    if (ShowCTRLChanged) {
        ShowProgressMsg(" Новое отображение");
        RefreshESetGrid(ESet, GridESET, ShowCTRL, MatrixSelect);
        ShowProgressMsg("");
    }
    ShowMatrixSelectAndParams();
}

void PMESetCellEditClick(TESetEditForm& Dialog, platform::StringGrid& GridESET)
{
    if (MatrixSelect != 1)
        return;
    ESetCellCTRL.Grid = &GridESET;
    ESetCellCTRL.Matrix = ESet.A;
    if (Dialog.exec() == QDialog::Accepted)
        CommitESetCellEdit();
}
