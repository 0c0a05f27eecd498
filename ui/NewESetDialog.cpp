#include "ui/NewESetDialog.h"

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "model/MAINDATA.h"
#include "platform/MessageBoxes.h"
#include "ui/DialogParts.h"
#include "ui/EditConversions.h"
#include "ui/UpDown.h"
#include "ui/WrappingCheckBox.h"

namespace {

constexpr std::int32_t kMinRows = 2;
constexpr std::int32_t kMaxRows = 1000;

// The bound each item of the four bound combo boxes stands for.
constexpr std::array<long double, 7> kBoundOfItem = {1000.0L, 100.0L, 10.0L, 1.0L, 0.1L, 0.01L, 0.001L};

QComboBox* AddBoundComboBox(QWidget& parent, const char* name, const char* label, int x, int y, int initialItem)
{
    AddLabel(parent, QString::fromUtf8(label), x, y);
    QComboBox* combo =
        AddComboBox(parent, name, x, y + 16, 129, {"1000", "100", "10", "1", "0,1", "0,01", "0,001"});
    combo->setCurrentIndex(initialItem);
    return combo;
}

// The bound of the selected item; an unselected box keeps the bound.
void TakeBound(const QComboBox& combo, long double& bound)
{
    const int item = combo.currentIndex();
    if (item >= 0 && item < int(kBoundOfItem.size()))
        bound = kBoundOfItem[std::size_t(item)];
}

}  // namespace

TNewESetForm::TNewESetForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("NewESetForm");
    SetFixedDialogFrame(*this, " Параметры для новой системы уравнений", 339, 349);

    AddBevel(*this, 8, 8, 324, 257);
    AddLabel(*this, "Число уравнений", 20, 14);
    EditESetRow = new QLineEdit(this);
    EditESetRow->setObjectName("EditESetRow");
    EditESetRow->setGeometry(20, 30, 113, kControlHeight);
    UpDownESetRow = new TUpDown(this);
    UpDownESetRow->setObjectName("UpDownESetRow");
    UpDownESetRow->setGeometry(133, 30, 17, kControlHeight);
    UpDownESetRow->SetMax(kMaxRows);
    UpDownESetRow->SetMin(kMinRows);
    UpDownESetRow->SetPosition(kMinRows);

    AddLabel(*this, "Макс. число уравнений ", 184, 14);
    STextMaxMatrixRow = AddSunkenText(*this, "STextMaxMatrixRow", 184, 30, 113);
    AddLabel(*this, "Число строк матрицы", 20, 58);
    STextMatrixRow = AddSunkenText(*this, "STextMatrixRow", 20, 74, 113);
    AddLabel(*this, "Число столбцов матрицы", 184, 58);
    STextMatrixCol = AddSunkenText(*this, "STextMatrixCol", 184, 74, 113);

    CheckBoxRqTestData = new WrappingCheckBox(
        "Сформировать случайную систему уравнений с учетом  следующих границ для коэфф. и корней:", this);
    CheckBoxRqTestData->setObjectName("CheckBoxRqTestData");
    CheckBoxRqTestData->setGeometry(20, 103, 300, 42);

    AddBevel(*this, 21, 149, 297, 105);
    CBoxMaxReCoeff = AddBoundComboBox(*this, "CBoxMaxReCoeff", "Max. Real в коэф. a [ k, i ]", 29, 155, 3);
    CBoxMaxImCoeff = AddBoundComboBox(*this, "CBoxMaxImCoeff", "Max. Img в коэф. a [ k, i ]", 177, 155, 3);
    CBoxMaxReRoots = AddBoundComboBox(*this, "CBoxMaxReRoots", "Max. Real в корнях X [ i ]", 29, 202, 2);
    CBoxMaxImRoots = AddBoundComboBox(*this, "CBoxMaxImRoots", "Max. Img в корнях X [ i ]", 177, 202, 2);

    auto* note = new QLabel(
        "Внимание! система из 1000 уравнений требует не менее 140МБ свободной  памяти (желательно физической)", this);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(8, 268, 324, 46);

    AddOkCancelButtons(*this, 48, 216, 318);

    connect(EditESetRow, &QLineEdit::textChanged, this, &TNewESetForm::EditESetRowChange);
    connect(CheckBoxRqTestData, &QCheckBox::clicked, this, &TNewESetForm::CheckBoxRqTestDataClick);
    connect(UpDownESetRow, &TUpDown::Changing, this, &TNewESetForm::UpDownESetRowChanging);
    for (QComboBox* bound : {CBoxMaxReCoeff, CBoxMaxImCoeff, CBoxMaxReRoots, CBoxMaxImRoots})
        connect(bound, &QComboBox::activated, this, &TNewESetForm::CBoxMaxBoundClick);
}

void TNewESetForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TNewESetForm::FormActivate()
{
    STextMaxMatrixRow->setText(QString::number(kMaxRows));
    RowsInDialog = 5;
    EditESetRow->setText("5");
    UpDownESetRow->SetMin(kMinRows);
    UpDownESetRow->SetMax(kMaxRows);
    UpDownESetRow->SetPosition(5);
}

void TNewESetForm::EditESetRowChange() { ValidateRows(); }

void TNewESetForm::CheckBoxRqTestDataClick() { ValidateRows(); }

// Every change of the text passes here; the request and the bounds are
// written only for a number of equations in range.
void TNewESetForm::ValidateRows()
{
    if (!EditToInteger(*EditESetRow, true, RowsInDialog))
        return;
    const std::int32_t n = RowsInDialog;
    if (n < kMinRows) {
        platform::ShowMessageBox(platform::MsgKind::Warning, "ЧИСЛО УРАВНЕНИЙ СИСТЕМЫ\r\nНЕ МОЖЕТ БЫТЬ МЕНЬШЕ ДВУХ!");
        EditESetRow->setText(QString::number(kMinRows));
        return;
    }
    if (n > kMaxRows) {
        platform::ShowMessageBox(platform::MsgKind::Warning, "ЧИСЛО УРАВНЕНИЙ СИСТЕМЫ\r\nНЕ МОЖЕТ БЫТЬ БОЛЬШЕ ТЫСЯЧИ!");
        EditESetRow->setText(QString::number(kMaxRows));
        return;
    }
    NewESetCTRL.Rows = n;
    NewESetCTRL.Cols = n + 1;
    STextMatrixRow->setText(QString::number(n));
    STextMatrixCol->setText(QString::number(n + 1));
    NewESetCTRL.RandomData = CheckBoxRqTestData->isChecked();
    if (NewESetCTRL.RandomData)
        TakeRandomBounds();
    if (UpDownESetRow->Position() != n) {
        SkipUpDownChange = true;
        UpDownESetRow->SetPosition(static_cast<std::int16_t>(n));
    }
}

// A bound picked while random data is requested is taken at once, so the
// system is always built with the bounds the dialog shows.
void TNewESetForm::CBoxMaxBoundClick()
{
    if (CheckBoxRqTestData->isChecked())
        TakeRandomBounds();
}

void TNewESetForm::TakeRandomBounds()
{
    TakeBound(*CBoxMaxReCoeff, ESet.MaxReCoeff);
    TakeBound(*CBoxMaxImCoeff, ESet.MaxImCoeff);
    TakeBound(*CBoxMaxReRoots, ESet.MaxReRoots);
    TakeBound(*CBoxMaxImRoots, ESet.MaxImRoots);
}

// The up-down writes the position it moves to into the edit box, whose
// change handler validates it; the validation's own move passes silently.
void TNewESetForm::UpDownESetRowChanging(std::int16_t newPosition)
{
    if (SkipUpDownChange) {
        SkipUpDownChange = false;
        return;
    }
    EditESetRow->setText(QString::number(newPosition));
}
