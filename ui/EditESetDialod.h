#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

// The dialog of the cell-edit command: shows the old value of the cell that
// ESetCellCTRL locates in the current grid and takes a new one as real and
// imaginary parts or as modulus and phase (radians or degrees). Every
// accepted entry goes into ESetCellCTRL.NewValue at once; the command writes
// it into the matrix when the dialog ends with OK.
class TESetEditForm : public QDialog {
    Q_OBJECT

public:
    explicit TESetEditForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void CBoxCVPCrdClick();
    void CBoxCVPPGClick();
    void EditNewXrmChange();
    void EditNewXipChange();
    void FillTexts();
    bool PolarView() const;
    bool PhaseInDegrees() const;

    QComboBox* CBoxCVPCrd;
    QComboBox* CBoxCVPPG;
    QLabel* STextCoeffName;
    QLabel* STextArrRow;
    QLabel* STextArrCol;
    QLabel* STextOldXrmIdn;
    QLabel* STextOldXrm;
    QLabel* STextOldXipIdn;
    QLabel* STextOldXip;
    QLabel* STextNewXrmIdn;
    QLabel* STextNewXipIdn;
    QLineEdit* EditNewXrm;
    QLineEdit* EditNewXip;

    bool FillingTexts = false;  // the dialog is writing its own edit boxes
};
