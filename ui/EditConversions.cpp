#include "ui/EditConversions.h"

#include <string>

#include <QApplication>
#include <QLineEdit>

#include "complex/NumberText.h"
#include "platform/MessageBoxes.h"

namespace {

const QColor kFailedColor(255, 200, 200);

// Qt's edit-box background role is Base; the system colour is the one the
// application's palette gives the box.
void SetBackground(QLineEdit& edit, bool converted)
{
    QPalette palette = edit.palette();
    const QPalette system = QApplication::palette(&edit);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, converted ? system.color(group, QPalette::Base) : kFailedColor);
    edit.setPalette(palette);
}

template <typename Number, typename Convert>
bool EditToNumber(QLineEdit& edit, bool showMessage, Number& target, Convert convert, const char* failureText)
{
    Number value{};
    const bool converted = convert(edit.text().toStdString(), value);
    SetBackground(edit, converted);
    if (converted)
        target = value;
    else if (showMessage)
        platform::ShowMessageBox(platform::MsgKind::Plain, failureText);
    return converted;
}

}  // namespace

bool EditToInteger(QLineEdit& Edit, bool ShowMessage, std::int32_t& Target)
{
    return EditToNumber(Edit, ShowMessage, Target, TextToInteger, "Не могу преобразовать в Integer - число");
}

bool EditToFloat(QLineEdit& Edit, bool ShowMessage, long double& Target)
{
    return EditToNumber(Edit, ShowMessage, Target, TextToFloat, "Не могу преобразовать в Extended - число");
}
