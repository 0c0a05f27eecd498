#pragma once

#include <functional>

namespace platform {

// A blocking wait on the calling thread. The program sleeps for real; tests
// install a function that only records the request.
void SleepMs(int milliseconds);
void SetSleepFunction(std::function<void(int)> sleep);  // empty restores the real sleep

}  // namespace platform
