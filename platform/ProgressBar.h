#pragma once

namespace platform {

// The progress bar's state. Like the toolkit's bar it keeps Position within
// Min..Max itself; a front end mirrors every change through Changed().
class ProgressBar {
public:
    virtual ~ProgressBar() = default;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Step() const { return step_; }
    int Position() const { return position_; }

    void SetMin(int value);
    void SetMax(int value);
    void SetStep(int value);
    void SetPosition(int value);

protected:
    virtual void Changed() {}

private:
    int Clamp(int value) const;

    int min_ = 0;
    int max_ = 100;
    int step_ = 10;
    int position_ = 0;
};

}  // namespace platform
