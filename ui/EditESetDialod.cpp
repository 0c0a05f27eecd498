#include "ui/EditESetDialod.h"

#include <cstddef>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "complex/ComplexOp.h"
#include "model/MAINDATA.h"
#include "platform/MessageBoxes.h"
#include "platform/StringGrid.h"
#include "ui/DialogParts.h"
#include "ui/EditConversions.h"

namespace {

constexpr std::int32_t kMinRows = 2;
constexpr std::int32_t kMaxRows = 1000;
constexpr std::int32_t kSixteenDecimals = 4;

// The value texts: one component alone, fixed with 16 decimals.
constexpr TShowCTRL kRe{0, 1, kSixteenDecimals, false};
constexpr TShowCTRL kIm{0, 3, kSixteenDecimals, false};
constexpr TShowCTRL kModule{1, 1, kSixteenDecimals, false};
constexpr TShowCTRL kPhaseRad{1, 3, kSixteenDecimals, false};
constexpr TShowCTRL kPhaseGrad{1, 3, kSixteenDecimals, true};

QString Formatted(const TComplex& value, TShowCTRL settings)
{
    return QString::fromStdString(FormatComplex(value, settings));
}

void ResetCell(TESetCellCTRL& cell)
{
    cell.Changed = false;
    cell.GridRow = cell.GridCol = cell.MatrixRow = cell.MatrixCol = -1;
    ComplexClear(cell.OldValue);
    ComplexClear(cell.NewValue);
}

// Locates the grid's current cell in the matrix and names it " a " or " b ".
bool LocateCell(TESetCellCTRL& cell, QLabel& coeffName)
{
    const TESetArray& matrix = cell.Matrix;
    if (matrix.size() < std::size_t(kMinRows) || matrix.size() > std::size_t(kMaxRows))
        return false;
    const platform::StringGrid& grid = *cell.Grid;
    cell.GridRow = grid.Row();
    cell.GridCol = grid.Col();
    cell.MatrixRow = cell.GridRow - grid.FixedRows();
    cell.MatrixCol = cell.GridCol - grid.FixedCols();
    if (cell.MatrixRow < 0 || std::size_t(cell.MatrixRow) >= matrix.size())
        return false;
    const std::size_t rowLength = matrix[std::size_t(cell.MatrixRow)].size();
    if (cell.MatrixCol < 0 || std::size_t(cell.MatrixCol) >= rowLength)
        return false;
    coeffName.setText(std::size_t(cell.MatrixCol) + 1 == rowLength ? " b " : " a ");
    return true;
}

QLabel* AddCentredText(QWidget& parent, const char* name, int x, int y, int width)
{
    QLabel* text = AddSunkenText(parent, name, x, y, width);
    text->setAlignment(Qt::AlignCenter);
    return text;
}

}  // namespace

TESetEditForm::TESetEditForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ESetEditForm");
    SetFixedDialogFrame(*this, " Редактирование ячейки матрицы", 312, 323);

    AddLabel(*this, "Выбор координат", 9, 8);
    CBoxCVPCrd = AddComboBox(*this, "CBoxCVPCrd", 9, 24, 134, {" Декартовые", " Полярные"});
    AddLabel(*this, "Отображение фазы", 195, 8);
    CBoxCVPPG = AddComboBox(*this, "CBoxCVPPG", 195, 24, 107, {"Радианы", "Градусы"});

    AddLabel(*this, "Коэфф.", 9, 56);
    STextCoeffName = AddCentredText(*this, "STextCoeffName", 9, 72, 38);
    QFont bold = STextCoeffName->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    STextCoeffName->setFont(bold);
    AddLabel(*this, "Строка", 73, 56);
    STextArrRow = AddCentredText(*this, "STextArrRow", 73, 72, 46);
    AddLabel(*this, "Столбец", 145, 56);
    STextArrCol = AddCentredText(*this, "STextArrCol", 145, 72, 46);

    AddBevel(*this, 9, 106, 293, 173);
    AddLabel(*this, "Старые значения", 17, 113);
    STextOldXrmIdn = AddSunkenText(*this, "STextOldXrmIdn", 17, 130, 78);
    STextOldXrm = AddSunkenText(*this, "STextOldXrm", 100, 130, 190);
    STextOldXipIdn = AddSunkenText(*this, "STextOldXipIdn", 17, 156, 78);
    STextOldXip = AddSunkenText(*this, "STextOldXip", 100, 156, 190);
    AddLabel(*this, "Новые значения", 17, 190);
    STextNewXrmIdn = AddSunkenText(*this, "STextNewXrmIdn", 17, 207, 78);
    EditNewXrm = new QLineEdit(this);
    EditNewXrm->setObjectName("EditNewXrm");
    EditNewXrm->setGeometry(100, 207, 190, kControlHeight);
    STextNewXipIdn = AddSunkenText(*this, "STextNewXipIdn", 17, 239, 78);
    EditNewXip = new QLineEdit(this);
    EditNewXip->setObjectName("EditNewXip");
    EditNewXip->setGeometry(100, 239, 190, kControlHeight);

    AddOkCancelButtons(*this, 40, 197, 290);

    connect(CBoxCVPCrd, &QComboBox::activated, this, &TESetEditForm::CBoxCVPCrdClick);
    connect(CBoxCVPPG, &QComboBox::activated, this, &TESetEditForm::CBoxCVPPGClick);
    connect(EditNewXrm, &QLineEdit::textChanged, this, &TESetEditForm::EditNewXrmChange);
    connect(EditNewXip, &QLineEdit::textChanged, this, &TESetEditForm::EditNewXipChange);
}

void TESetEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

// Locates the cell and shows its value. When the record or the cell is not
// usable the dialog stays inert: Changed is false, so OK writes nothing.
void TESetEditForm::FormActivate()
{
    TESetCellCTRL& cell = ESetCellCTRL;
    ResetCell(cell);
    if (!cell.Grid) {
        platform::ShowMessageBox(platform::MsgKind::Warning, "SYSTYM PROBLEMS:\r\nНЕ ИНИЦИАЛИЗИРОВАН\r\n ESetCellCTRL");
        return;
    }
    if (cell.Matrix.empty()) {
        platform::ShowMessageBox(
            platform::MsgKind::Warning,
            "МАТРИЦА СИСТЕМЫ УРАВНЕНИЙ\r\nЕЩЕ НЕ ИНИЦИАЛИЗИРОВАНА!\r\nВЫПОЛНИТЕ : Файлы \\ Новая система");
        return;
    }
    if (!LocateCell(cell, *STextCoeffName)) {
        ResetCell(cell);
        platform::ShowMessageBox(platform::MsgKind::Warning,
                                 "SYSTYM PROBLEMS:\r\nЗАПРШЕННАЯ ЯЧЕЙКА ВНЕ ИНДЕКСОВ\r\nМАТРИЦЫ СИСТЕМЫ УРАВНЕНИЙ!");
        return;
    }
    STextArrRow->setText(QString::number(cell.MatrixRow));
    STextArrCol->setText(QString::number(cell.MatrixCol));
    ComplexCopy(cell.Matrix[std::size_t(cell.MatrixRow)][std::size_t(cell.MatrixCol)], cell.OldValue);
    ComplexCopy(cell.OldValue, cell.NewValue);
    CBoxCVPCrd->setCurrentIndex(0);
    CBoxCVPPG->setCurrentIndex(-1);
    CBoxCVPPG->setEnabled(false);
    FillTexts();
}

bool TESetEditForm::PolarView() const { return CBoxCVPCrd->currentIndex() == 1; }

bool TESetEditForm::PhaseInDegrees() const { return CBoxCVPPG->currentIndex() == 1; }

// Shows the old and the new value in the chosen view. The edit boxes then
// hold numbers the dialog wrote itself, so they get the normal background.
void TESetEditForm::FillTexts()
{
    const TESetCellCTRL& cell = ESetCellCTRL;
    FillingTexts = true;
    if (PolarView()) {
        const TShowCTRL phase = PhaseInDegrees() ? kPhaseGrad : kPhaseRad;
        STextOldXrm->setText(Formatted(cell.OldValue, kModule));
        EditNewXrm->setText(Formatted(cell.NewValue, kModule));
        STextOldXrmIdn->setText(" Module");
        STextOldXip->setText(Formatted(cell.OldValue, phase));
        EditNewXip->setText(Formatted(cell.NewValue, phase));
        STextOldXipIdn->setText(PhaseInDegrees() ? " Phase(grad)" : " Phase(rad)");
    } else {
        STextOldXrm->setText(Formatted(cell.OldValue, kRe));
        STextOldXip->setText(Formatted(cell.OldValue, kIm));
        EditNewXrm->setText(Formatted(cell.NewValue, kRe));
        EditNewXip->setText(Formatted(cell.NewValue, kIm));
        STextOldXrmIdn->setText(" Real");
        STextOldXipIdn->setText(" Img");
    }
    STextNewXrmIdn->setText(STextOldXrmIdn->text());
    STextNewXipIdn->setText(STextOldXipIdn->text());
    long double unused = 0;
    EditToFloat(*EditNewXrm, false, unused);
    EditToFloat(*EditNewXip, false, unused);
    FillingTexts = false;
}

void TESetEditForm::CBoxCVPCrdClick()
{
    if (PolarView()) {
        CBoxCVPPG->setEnabled(true);
        CBoxCVPPG->setCurrentIndex(0);
    } else {
        CBoxCVPPG->setEnabled(false);
        CBoxCVPPG->setCurrentIndex(-1);
    }
    FillTexts();
}

void TESetEditForm::CBoxCVPPGClick() { FillTexts(); }

void TESetEditForm::EditNewXrmChange()
{
    if (FillingTexts)
        return;
    long double number = 0;
    if (!EditToFloat(*EditNewXrm, true, number))
        return;
    TComplex& value = ESetCellCTRL.NewValue;
    if (PolarView()) {
        value.Module = number;
        PolarToCart(value);
    } else {
        value.Re = number;
        CartToPolar(value);
    }
    ESetCellCTRL.Changed = true;
}

void TESetEditForm::EditNewXipChange()
{
    if (FillingTexts)
        return;
    long double number = 0;
    if (!EditToFloat(*EditNewXip, true, number))
        return;
    TComplex& value = ESetCellCTRL.NewValue;
    if (PolarView()) {
        value.Phase = PhaseInDegrees() ? number * DegToRad : number;
        PolarToCart(value);
    } else {
        value.Im = number;
        CartToPolar(value);
    }
    ESetCellCTRL.Changed = true;
}
