#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace complex_tests {

// The exact decimal expansion of a binary value: every m * 2^e is a finite
// decimal, |value| = digits * 10^exponent10 with `digits` an integer.
struct ExactDecimal {
    bool negative = false;
    std::string digits;  // no leading zeros; "0" for zero
    int exponent10 = 0;
};

// Natural numbers in base 10^9, least significant limb first: just the
// operations an exact expansion needs.
class BigNatural {
public:
    explicit BigNatural(std::uint64_t value = 0);
    void MultiplyBy(std::uint32_t factor);
    BigNatural operator*(const BigNatural& other) const;
    std::string ToString() const;

private:
    std::vector<std::uint32_t> limbs_;
};

// Expands values exactly, keeping the powers of 2 and 5 it has computed so
// that many values of one binary exponent cost little.
class ExactExpander {
public:
    // mantissa * 2^binaryExponent
    ExactDecimal Expand(std::uint64_t mantissa, int binaryExponent);
    // A finite long double.
    ExactDecimal Expand(long double x);

private:
    const BigNatural& Power(std::uint32_t base, int exponent);
    std::map<std::pair<std::uint32_t, int>, BigNatural> powers_;
};

}  // namespace complex_tests
