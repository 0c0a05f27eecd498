#include "platform/Sleep.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

std::function<void(int)>& SleepFunction()
{
    static std::function<void(int)> sleep;
    return sleep;
}

}  // namespace

void SleepMs(int milliseconds)
{
    if (SleepFunction())
        SleepFunction()(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetSleepFunction(std::function<void(int)> sleep) { SleepFunction() = std::move(sleep); }

}  // namespace platform
