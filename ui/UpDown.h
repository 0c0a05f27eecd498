#pragma once

#include <cstdint>

#include <QWidget>

class QToolButton;

// An up-down control of two arrow buttons holding a 16-bit position within
// [Min, Max]. It is bound to no edit box: its owner keeps the two in step.
// Every move of the position, from an arrow or from code, first raises
// Changing with the position about to be taken.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    std::int16_t Min() const { return min_; }
    std::int16_t Max() const { return max_; }
    std::int16_t Position() const { return position_; }
    // The range keeps the position inside it without a notification.
    void SetMin(std::int16_t min);
    void SetMax(std::int16_t max);
    // Moves to the position, kept within the range; nothing happens when the
    // position does not change.
    void SetPosition(std::int16_t position);

signals:
    void Changing(std::int16_t newPosition);

private:
    void Step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    std::int16_t min_ = 0;
    std::int16_t max_ = 100;
    std::int16_t position_ = 0;
};
