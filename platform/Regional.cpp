#include "platform/Regional.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace platform {
namespace {

struct RegionalState {
    char decimalSeparator = '.';
    locale_t timeLocale = nullptr;  // null: the C locale
    std::function<std::time_t()> clock;
};

RegionalState& State()
{
    static RegionalState state;
    return state;
}

std::string FormatTime(std::time_t when, const char* format)
{
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[128];
    std::size_t length = 0;
    if (State().timeLocale)
        length = strftime_l(buffer, sizeof buffer, format, &local, State().timeLocale);
    else
        length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

}  // namespace

void LoadRegionalSettings()
{
    tzset();
    if (locale_t numeric = newlocale(LC_NUMERIC_MASK, "", nullptr)) {
        const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
        if (radix && radix[0] != '\0' && radix[1] == '\0')
            State().decimalSeparator = radix[0];
        freelocale(numeric);
    }
    if (locale_t time = newlocale(LC_TIME_MASK, "", nullptr)) {
        if (State().timeLocale)
            freelocale(State().timeLocale);
        State().timeLocale = time;
    }
}

char DecimalSeparator() { return State().decimalSeparator; }

void SetDecimalSeparator(char separator) { State().decimalSeparator = separator; }

std::string LongTimeText(std::time_t when) { return FormatTime(when, "%X"); }

std::string ShortDateText(std::time_t when) { return FormatTime(when, "%x"); }

std::time_t Now() { return State().clock ? State().clock() : std::time(nullptr); }

void SetClock(std::function<std::time_t()> clock) { State().clock = std::move(clock); }

}  // namespace platform
