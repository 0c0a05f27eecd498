#pragma once

#include <QMargins>
#include <QObject>

class QWidget;

// Keeps a control at the distances from the four sides of its parent panel
// that it has when the anchor is made, as the panel is resized. The anchor
// is a child of the control and goes with it.
class PanelAnchor : public QObject {
public:
    explicit PanelAnchor(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    QMargins margins_;
};
