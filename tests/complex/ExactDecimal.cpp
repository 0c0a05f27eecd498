#include "tests/complex/ExactDecimal.h"

#include <cmath>

namespace complex_tests {
namespace {

constexpr std::uint64_t kBase = 1'000'000'000;

}  // namespace

BigNatural::BigNatural(std::uint64_t value)
{
    do {
        limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
        value /= kBase;
    } while (value != 0);
}

void BigNatural::MultiplyBy(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kBase);
        carry = product / kBase;
    }
    for (; carry != 0; carry /= kBase)
        limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
}

BigNatural BigNatural::operator*(const BigNatural& other) const
{
    BigNatural result;
    result.limbs_.assign(limbs_.size() + other.limbs_.size(), 0);
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < other.limbs_.size() || carry != 0; ++j) {
            const std::uint64_t term = j < other.limbs_.size() ? std::uint64_t{limbs_[i]} * other.limbs_[j] : 0;
            const std::uint64_t sum = result.limbs_[i + j] + term + carry;
            result.limbs_[i + j] = static_cast<std::uint32_t>(sum % kBase);
            carry = sum / kBase;
        }
    }
    while (result.limbs_.size() > 1 && result.limbs_.back() == 0)
        result.limbs_.pop_back();
    return result;
}

std::string BigNatural::ToString() const
{
    std::string text = std::to_string(limbs_.back());
    for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        text.append(9 - part.size(), '0');
        text += part;
    }
    return text;
}

const BigNatural& ExactExpander::Power(std::uint32_t base, int exponent)
{
    auto [entry, added] = powers_.try_emplace({base, exponent}, 1);
    if (added) {
        // Multiply by the largest power of the base that keeps a limb
        // product within 64 bits.
        const int chunk = base == 2 ? 31 : 13;
        std::uint32_t chunkFactor = 1;
        for (int i = 0; i < chunk; ++i)
            chunkFactor *= base;
        int left = exponent;
        for (; left >= chunk; left -= chunk)
            entry->second.MultiplyBy(chunkFactor);
        for (; left > 0; --left)
            entry->second.MultiplyBy(base);
    }
    return entry->second;
}

ExactDecimal ExactExpander::Expand(std::uint64_t mantissa, int binaryExponent)
{
    ExactDecimal result;
    const BigNatural m(mantissa);
    if (binaryExponent >= 0) {
        result.digits = (m * Power(2, binaryExponent)).ToString();
    } else {
        // m * 2^-n = m * 5^n * 10^-n
        result.digits = (m * Power(5, -binaryExponent)).ToString();
        result.exponent10 = binaryExponent;
    }
    return result;
}

ExactDecimal ExactExpander::Expand(long double x)
{
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    ExactDecimal result = Expand(mantissa, exponent - 64);
    result.negative = std::signbit(x);
    return result;
}

}  // namespace complex_tests
