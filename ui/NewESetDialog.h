#pragma once

#include <cstdint>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TUpDown;

// The dialog of the New command: the number of equations, checked as it is
// typed, and whether to fill the system with random data within chosen
// bounds. It writes NewESetCTRL and the four random bounds of ESet while the
// user works; OK and Cancel only close it. Created once and kept for the run,
// so the check box and the bound choices persist between showings.
class TNewESetForm : public QDialog {
    Q_OBJECT

public:
    explicit TNewESetForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void EditESetRowChange();
    void CheckBoxRqTestDataClick();
    void UpDownESetRowChanging(std::int16_t newPosition);
    void CBoxMaxBoundClick();
    void ValidateRows();
    void TakeRandomBounds();

    QLineEdit* EditESetRow;
    TUpDown* UpDownESetRow;
    QLabel* STextMaxMatrixRow;
    QLabel* STextMatrixRow;
    QLabel* STextMatrixCol;
    QCheckBox* CheckBoxRqTestData;
    QComboBox* CBoxMaxReCoeff;
    QComboBox* CBoxMaxImCoeff;
    QComboBox* CBoxMaxReRoots;
    QComboBox* CBoxMaxImRoots;

    std::int32_t RowsInDialog = 0;  // the last number converted from the edit box
    bool SkipUpDownChange = false;  // the next up-down notification only clears it
};
