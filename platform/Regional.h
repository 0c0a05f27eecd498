#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace platform {

// The user's regional settings the program uses: the decimal separator of
// numbers and the long-time and short-date formats of time stamps. The
// program loads them from its environment (LC_NUMERIC, LC_TIME and the
// variables above them) once at start-up; tests set what they need.
void LoadRegionalSettings();

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The time format follows the C library's %X and the date format its %x for
// the loaded LC_TIME locale.
std::string LongTimeText(std::time_t when);
std::string ShortDateText(std::time_t when);

// The current time; tests may fix it (an empty function restores the clock).
std::time_t Now();
void SetClock(std::function<std::time_t()> clock);

}  // namespace platform
