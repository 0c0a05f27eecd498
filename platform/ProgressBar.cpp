#include "platform/ProgressBar.h"

#include <algorithm>

namespace platform {

int ProgressBar::Clamp(int value) const
{
    return std::clamp(value, min_, std::max(min_, max_));
}

void ProgressBar::SetMin(int value)
{
    min_ = value;
    position_ = Clamp(position_);
    Changed();
}

void ProgressBar::SetMax(int value)
{
    max_ = value;
    position_ = Clamp(position_);
    Changed();
}

void ProgressBar::SetStep(int value)
{
    step_ = value;
    Changed();
}

void ProgressBar::SetPosition(int value)
{
    position_ = Clamp(value);
    Changed();
}

}  // namespace platform
