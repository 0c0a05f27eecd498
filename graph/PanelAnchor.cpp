#include "graph/PanelAnchor.h"

#include <QEvent>
#include <QWidget>

PanelAnchor::PanelAnchor(QWidget* control) : QObject(control), control_(control)
{
    QWidget* panel = control->parentWidget();
    const QRect frame = control->geometry();
    margins_ = QMargins(frame.left(), frame.top(), panel->width() - frame.left() - frame.width(),
                        panel->height() - frame.top() - frame.height());
    panel->installEventFilter(this);
}

bool PanelAnchor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == control_->parentWidget()) {
        const QSize panel = control_->parentWidget()->size();
        control_->setGeometry(margins_.left(), margins_.top(),
                              qMax(0, panel.width() - margins_.left() - margins_.right()),
                              qMax(0, panel.height() - margins_.top() - margins_.bottom()));
    }
    return false;
}
