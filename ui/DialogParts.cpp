#include "ui/DialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kFontPixels = 11;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

void SetFixedDialogFrame(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(width, height);
    QFont font = dialog.font();
    font.setPixelSize(kFontPixels);
    dialog.setFont(font);
}

QFrame* AddBevel(QWidget& parent, int x, int y, int width, int height)
{
    auto* bevel = new QFrame(&parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(x, y, width, height);
    bevel->lower();
    return bevel;
}

QLabel* AddLabel(QWidget& parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, &parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* AddSunkenText(QWidget& parent, const char* name, int x, int y, int width)
{
    auto* text = new QLabel(&parent);
    text->setObjectName(name);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setIndent(2);
    text->setGeometry(x, y, width, kControlHeight);
    return text;
}

QComboBox* AddComboBox(QWidget& parent, const char* name, int x, int y, int width,
                       std::initializer_list<const char*> items)
{
    auto* combo = new QComboBox(&parent);
    combo->setObjectName(name);
    for (const char* item : items)
        combo->addItem(QString::fromUtf8(item));
    combo->setCurrentIndex(-1);
    combo->setGeometry(x, y, width, kControlHeight);
    return combo;
}

void AddOkCancelButtons(QDialog& dialog, int okX, int cancelX, int y)
{
    auto* ok = new QPushButton("OK", &dialog);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    ok->setGeometry(okX, y, kButtonWidth, kButtonHeight);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* cancel = new QPushButton("Cancel", &dialog);
    cancel->setObjectName("CancelBtn");
    cancel->setAutoDefault(false);
    cancel->setGeometry(cancelX, y, kButtonWidth, kButtonHeight);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
