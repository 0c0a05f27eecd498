#include "ui/QtPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>

#include "graph/QtColor.h"

QString ToQString(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

namespace {

QString TitleOf(platform::MsgKind kind)
{
    switch (kind) {
    case platform::MsgKind::Information:
        return QStringLiteral("Информация");
    case platform::MsgKind::Warning:
        return QStringLiteral("Предупреждение");
    case platform::MsgKind::Error:
        return QStringLiteral("Ошибка");
    case platform::MsgKind::Confirmation:
        return QStringLiteral("Подтверждение");
    case platform::MsgKind::Plain:
        break;
    }
    return QApplication::applicationName();
}

QMessageBox::Icon IconOf(platform::MsgKind kind)
{
    switch (kind) {
    case platform::MsgKind::Information:
        return QMessageBox::Information;
    case platform::MsgKind::Warning:
        return QMessageBox::Warning;
    case platform::MsgKind::Error:
        return QMessageBox::Critical;
    case platform::MsgKind::Confirmation:
        return QMessageBox::Question;
    case platform::MsgKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::Show(platform::MsgKind kind, const std::string& text)
{
    QMessageBox box(IconOf(kind), TitleOf(kind), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessageBoxes::Ask(platform::MsgKind kind, const std::string& text)
{
    QMessageBox box(IconOf(kind), TitleOf(kind), ToQString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QtMemo::QtMemo(QPlainTextEdit& edit) : edit_(edit) {}

void QtMemo::Clear()
{
    lines_.clear();
    edit_.clear();
}

void QtMemo::Add(const std::string& text)
{
    for (auto& line : platform::SplitLines(text))
        lines_.push_back(std::move(line));
    edit_.appendPlainText(ToQString(text));
    QScrollBar* bar = edit_.verticalScrollBar();
    bar->setValue(bar->maximum());
}

void QtStaticText::SetCaption(const std::string& caption)
{
    caption_ = caption;
    label_.setText(ToQString(caption));
}

void QtStaticText::SetColor(platform::Color color)
{
    color_ = color;
    QPalette palette = label_.palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    label_.setAutoFillBackground(true);
    label_.setPalette(palette);
}

QtProgressBar::QtProgressBar(QProgressBar& bar) : bar_(bar)
{
    bar_.setTextVisible(false);
    Changed();
}

void QtProgressBar::Changed()
{
    // QProgressBar ignores values outside its range; the state is already clamped.
    bar_.setRange(Min(), std::max(Min(), Max()));
    bar_.setValue(Position());
}
