#pragma once

#include <string>

// Every number text of the program is written in two steps: the value is
// first taken to 18 significant decimal digits, correctly rounded (ties to
// even) - all the precision the 80-bit type carries - and that digit string
// is then rounded half away from zero to the digits the text shows. Carries
// propagate, so 0.9999995 shown with 6 decimals is 1.000000.

// A finite number in decimal: value = digits[0].digits[1]digits[2]... x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits = "0";  // the first digit is non-zero unless the value is zero
    int exponent = 0;          // power of ten of digits[0]; 0 for zero

    bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
    // The digit at `index` places after the first one; '0' outside the string,
    // so negative indexes give the leading zeros of a fraction.
    char DigitAt(int index) const;
};

// The first step: finite x correctly rounded to 18 significant digits.
DecimalDigits ToDecimal18(long double x);

// The second step, half away from zero: to `count` significant digits, or to
// `decimals` digits after the decimal point (which may give zero).
DecimalDigits RoundToSignificant(DecimalDigits d, int count);
DecimalDigits RoundToDecimals(DecimalDigits d, int decimals);

void DropTrailingZeros(DecimalDigits& d);

// Appends the first digit, then the separator and the next count - 1 digits
// when count > 1.
void AppendSignificand(std::string& text, const DecimalDigits& d, int count, char separator);
// Appends |exponent| with at least minDigits digits; the caller writes any sign.
void AppendExponent(std::string& text, int exponent, int minDigits);
