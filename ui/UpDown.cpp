#include "ui/UpDown.h"

#include <algorithm>

#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName("UpArrow");
    down_->setObjectName("DownArrow");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetMin(std::int16_t min)
{
    min_ = min;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetMax(std::int16_t max)
{
    max_ = max;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetPosition(std::int16_t position)
{
    const std::int16_t target = std::clamp(position, min_, max_);
    if (target == position_)
        return;
    emit Changing(target);
    position_ = target;
}

void TUpDown::Step(int delta)
{
    SetPosition(static_cast<std::int16_t>(std::clamp(position_ + delta, int(min_), int(max_))));
}
