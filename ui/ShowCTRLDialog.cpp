#include "ui/ShowCTRLDialog.h"

#include <QComboBox>
#include <QShowEvent>

#include "model/MAINDATA.h"
#include "ui/DialogParts.h"

namespace {

template <std::size_t Count>
void FillItems(QComboBox& combo, const char* const (&texts)[Count])
{
    combo.clear();
    for (const char* text : texts)
        combo.addItem(QString::fromUtf8(text));
    combo.setCurrentIndex(-1);
}

}  // namespace

TFormShowCTRL::TFormShowCTRL(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormShowCTRL");
    SetFixedDialogFrame(*this, "Параметры просмотра данных", 322, 221);

    AddBevel(*this, 8, 8, 305, 169);
    AddLabel(*this, "Выбор отображаемой системы уравнений", 20, 16);
    CBoxMSel = AddComboBox(*this, "CBoxMSel", 20, 32, 222, {});
    AddLabel(*this, "Координаты комплексов", 20, 68);
    CBoxVPCrd = AddComboBox(*this, "CBoxVPCrd", 20, 84, 137, {});
    QFont arial("Arial");
    arial.setPixelSize(12);
    CBoxVPCrd->setFont(arial);
    AddLabel(*this, "Форма отображения", 172, 68);
    CBoxVPMod = AddComboBox(*this, "CBoxVPMod", 172, 84, 137, {});
    AddLabel(*this, "Точность отображения", 20, 120);
    CBoxVPPrc = AddComboBox(*this, "CBoxVPPrc", 20, 136, 137, {});
    AddLabel(*this, "Отображение фазы", 172, 120);
    CBoxVPPG = AddComboBox(*this, "CBoxVPPG", 172, 136, 134, {});

    AddOkCancelButtons(*this, 48, 199, 188);
    FormCreate();

    connect(CBoxMSel, &QComboBox::activated, this, &TFormShowCTRL::CBoxMSelClick);
    connect(CBoxVPCrd, &QComboBox::activated, this, &TFormShowCTRL::CBoxVPCrdClick);
    connect(CBoxVPMod, &QComboBox::activated, this, &TFormShowCTRL::CBoxVPModClick);
    connect(CBoxVPPrc, &QComboBox::activated, this, &TFormShowCTRL::CBoxVPPrcClick);
    connect(CBoxVPPG, &QComboBox::activated, this, &TFormShowCTRL::CBoxVPPGClick);
}

void TFormShowCTRL::FormCreate()
{
    FillItems(*CBoxMSel, MatrixSelTexts);
    FillItems(*CBoxVPCrd, CoordsTexts);
    FillItems(*CBoxVPMod, ModeTexts);
    FillItems(*CBoxVPPrc, PrecisionTexts);
    FillItems(*CBoxVPPG, PhaseUnitTexts);
}

void TFormShowCTRL::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFormShowCTRL::FormActivate()
{
    savedShowCTRL = ShowCTRL;
    savedMatrixSelect = MatrixSelect;
    savedShowCTRLChanged = ShowCTRLChanged;

    if (MatrixSelect == 1 || MatrixSelect == 2)
        CBoxMSel->setCurrentIndex(MatrixSelect - 1);
    CBoxVPCrd->setCurrentIndex(ShowCTRL.VPCrd);
    ShowPhaseUnitChoice();
    CBoxVPMod->setCurrentIndex(ShowCTRL.VPMod);
    CBoxVPPrc->setCurrentIndex(ShowCTRL.VPPrc);
}

void TFormShowCTRL::reject()
{
    ShowCTRL = savedShowCTRL;
    MatrixSelect = savedMatrixSelect;
    ShowCTRLChanged = savedShowCTRLChanged;
    QDialog::reject();
}

// The phase unit is offered only for polar coordinates; VPPG itself keeps
// its value while the choice is hidden.
void TFormShowCTRL::ShowPhaseUnitChoice()
{
    if (ShowCTRL.VPCrd == 0) {
        CBoxVPPG->setEnabled(false);
        CBoxVPPG->setCurrentIndex(-1);
    } else {
        CBoxVPPG->setEnabled(true);
        CBoxVPPG->setCurrentIndex(ShowCTRL.VPPG ? 1 : 0);
    }
}

void TFormShowCTRL::CBoxMSelClick()
{
    const int item = CBoxMSel->currentIndex();
    if (item != 0 && item != 1)
        return;
    MatrixSelect = std::uint8_t(item + 1);
    ShowCTRLChanged = true;
}

void TFormShowCTRL::CBoxVPCrdClick()
{
    ShowCTRL.VPCrd = CBoxVPCrd->currentIndex();
    ShowPhaseUnitChoice();
    ShowCTRLChanged = true;
}

void TFormShowCTRL::CBoxVPModClick()
{
    ShowCTRL.VPMod = CBoxVPMod->currentIndex();
    ShowCTRLChanged = true;
}

void TFormShowCTRL::CBoxVPPrcClick()
{
    ShowCTRL.VPPrc = CBoxVPPrc->currentIndex();
    ShowCTRLChanged = true;
}

void TFormShowCTRL::CBoxVPPGClick()
{
    const int item = CBoxVPPG->currentIndex();
    if (item < 0)
        return;
    ShowCTRL.VPPG = item != 0;
    ShowCTRLChanged = true;
}
