#pragma once

#include <QCheckBox>

// A check box whose caption wraps at word boundaries within the box's width;
// a click anywhere on the box toggles it.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
