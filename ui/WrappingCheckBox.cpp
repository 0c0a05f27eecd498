#include "ui/WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();

    // The indicator sits beside the first line of the caption.
    const int lineHeight = fontMetrics().height();
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.moveTop((lineHeight - indicator.height()) / 2);
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicatorOption);

    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textRect = rect().adjusted(indicator.right() + 1 + spacing, 0, 0, 0);
    painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, palette(),
                         isEnabled(), caption, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }
