// The text-to-number conversions of the dialogs fed any text, with either
// decimal separator, checked against the C library's correctly rounded
// conversion in the "C" locale: a text either converts to exactly that
// value, or is refused, and refused only when it is not plain decimal
// notation or overflows. The general number format reads back.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

#include "complex/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Regional.h"

namespace {

using fuzzing::Require;

bool SameExtended(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// [sign] digits [separator digits] [e|E [sign] digits], with digits before or after the separator.
bool PlainDecimal(const std::string& text, char separator)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t begin = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - begin;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == separator) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// The reference: glibc's strtold in the "C" locale, on the text with a point.
long double Reference(std::string text, char separator, bool& overflow)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    for (char& ch : text)
        if (ch == separator)
            ch = '.';
    errno = 0;
    const long double value = strtold_l(text.c_str(), nullptr, c);
    overflow = errno == ERANGE && std::isinf(value);
    return value;
}

void CheckFloat(const std::string& text, char separator)
{
    platform::SetDecimalSeparator(separator);
    long double value = 12345;
    const bool converted = TextToFloat(text, value);
    if (!PlainDecimal(text, separator)) {
        Require(!converted && value == 12345, "only plain decimal notation converts");
        return;
    }
    bool overflow = false;
    const long double expected = Reference(text, separator, overflow);
    if (overflow) {
        Require(!converted && value == 12345, "a text beyond the range is refused");
        return;
    }
    Require(converted, "plain decimal notation within the range converts");
    Require(SameExtended(value, expected), "the conversion is correctly rounded");

    // What the program writes reads back, to its 15 significant digits.
    long double back = 0;
    Require(TextToFloat(FormatGeneral(value), back), "the general format reads back");
    Require(value == 0 ? back == 0 : std::fabs(back - value) <= std::fabs(value) * 1e-14L,
            "the general format keeps 15 digits");
}

void CheckInteger(const std::string& text)
{
    std::int32_t value = 12345;
    if (!TextToInteger(text, value)) {
        Require(value == 12345, "a refused text leaves the target");
        return;
    }
    std::int32_t back = 0;
    Require(TextToInteger(std::to_string(value), back) && back == value, "an integer reads back");
    const std::size_t digitsFrom = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    Require(text.size() > digitsFrom && text.find_first_not_of("0123456789", digitsFrom) == std::string::npos,
            "only digits with an optional sign convert");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzEnvironment environment;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckInteger(text);
    CheckFloat(text, '.');
    CheckFloat(text, ',');
    platform::SetDecimalSeparator('.');
    return 0;
}
