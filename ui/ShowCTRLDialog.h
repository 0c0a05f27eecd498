#pragma once

#include <cstdint>

#include <QDialog>

#include "complex/ComplexText.h"

class QComboBox;

// The display parameters dialog: which matrix the equation grid shows and
// how complex values are written. Each pick goes into ShowCTRL, MatrixSelect
// and ShowCTRLChanged at once; Cancel (or closing the dialog) puts back the
// values they had when the dialog opened, so only OK keeps the choices.
class TFormShowCTRL : public QDialog {
    Q_OBJECT

public:
    explicit TFormShowCTRL(QWidget* parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void CBoxMSelClick();
    void CBoxVPCrdClick();
    void CBoxVPModClick();
    void CBoxVPPrcClick();
    void CBoxVPPGClick();
    void ShowPhaseUnitChoice();

    QComboBox* CBoxMSel;
    QComboBox* CBoxVPCrd;
    QComboBox* CBoxVPMod;
    QComboBox* CBoxVPPrc;
    QComboBox* CBoxVPPG;

    // The settings in force when the dialog was opened.
    TShowCTRL savedShowCTRL;
    std::uint8_t savedMatrixSelect = 0;
    bool savedShowCTRLChanged = false;
};
