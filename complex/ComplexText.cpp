#include "complex/ComplexText.h"

#include <cmath>

#include "complex/DecimalDigits.h"
#include "complex/NumberText.h"
#include "platform/Regional.h"

const char* const PrecisionMasks[6] = {
    "###############0.000000",        "###############0.00000000",
    "0.00000e+000",                   "0.0000000e+000",
    "###############0.###############0", "0.################e+000",
};

namespace {

// What each mask of PrecisionMasks writes, in the same order. Only these six
// masks occur, so no general mask interpreter is needed.
enum class MaskStyle { Fixed, Scientific, ScientificTrimmed };
struct NumberMask {
    MaskStyle style;
    int digits;  // decimals of a fixed mask, significant digits of a scientific one
};
constexpr NumberMask kMasks[6] = {
    {MaskStyle::Fixed, 6},      {MaskStyle::Fixed, 8}, {MaskStyle::Scientific, 6},
    {MaskStyle::Scientific, 8}, {MaskStyle::Fixed, 16}, {MaskStyle::ScientificTrimmed, 17},
};

const char* const kDegreeSign = "°";

// No minus sign for a value that rounds to zero at the written precision.
std::string SignText(const DecimalDigits& d) { return d.negative && !d.IsZero() ? "-" : ""; }

// All integer digits (at least one), the separator and exactly `decimals` decimals.
std::string FixedText(long double x, int decimals)
{
    const DecimalDigits d = RoundToDecimals(ToDecimal18(x), decimals);
    std::string text = SignText(d);
    if (d.exponent < 0)
        text += '0';
    for (int i = 0; i <= d.exponent; ++i)
        text += d.DigitAt(i);
    text += platform::DecimalSeparator();
    for (int i = 1; i <= decimals; ++i)
        text += d.DigitAt(d.exponent + i);
    return text;
}

// d.ddddde+ddd with `digits` significant digits, trailing zeros dropped when asked.
std::string ScientificText(long double x, int digits, bool dropZeros)
{
    DecimalDigits d = RoundToSignificant(ToDecimal18(x), digits);
    if (dropZeros)
        DropTrailingZeros(d);
    std::string text = SignText(d);
    AppendSignificand(text, d, dropZeros ? static_cast<int>(d.digits.size()) : digits,
                      platform::DecimalSeparator());
    text += d.exponent < 0 ? "e-" : "e+";
    AppendExponent(text, d.exponent, 3);
    return text;
}

// m(x): x written with the mask.
std::string MaskText(long double x, const NumberMask& mask)
{
    // INF and NAN, and fixed-mask values of 1e18 and above, which the mask
    // cannot hold, are written in the general format.
    if (!std::isfinite(x) || (mask.style == MaskStyle::Fixed && std::fabs(x) >= 1e18L))
        return FormatGeneral(x);
    if (mask.style == MaskStyle::Fixed)
        return FixedText(x, mask.digits);
    return ScientificText(x, mask.digits, mask.style == MaskStyle::ScientificTrimmed);
}

// " - J " before a negative value, " + J " otherwise (negative zero included).
const char* JText(long double x) { return x < 0 ? " - J " : " + J "; }

std::string FormatRe(const TComplex& z, const NumberMask& mask) { return MaskText(z.Re, mask); }

std::string FormatImJ(const TComplex& z, const NumberMask& mask)
{
    return JText(z.Im) + MaskText(std::fabs(z.Im), mask);
}

std::string FormatIm(const TComplex& z, const NumberMask& mask) { return MaskText(z.Im, mask); }

std::string FormatCartesian(const TComplex& z, const NumberMask& mask)
{
    return FormatRe(z, mask) + FormatImJ(z, mask);
}

std::string FormatModule(const TComplex& z, const NumberMask& mask) { return MaskText(z.Module, mask); }

std::string FormatPhaseJ(const TComplex& z, const NumberMask& mask, bool degrees)
{
    if (degrees)
        return JText(z.Phase) + MaskText(std::fabs(z.Phase) * RadToDeg, mask) + kDegreeSign;
    return JText(z.Phase) + MaskText(std::fabs(z.Phase), mask);
}

std::string FormatPhase(const TComplex& z, const NumberMask& mask, bool degrees)
{
    return MaskText(degrees ? RadToDeg * z.Phase : z.Phase, mask);
}

std::string FormatPolar(const TComplex& z, const NumberMask& mask, bool degrees)
{
    return FormatModule(z, mask) + " Exp (" + FormatPhaseJ(z, mask, degrees) + " )";
}

}  // namespace

std::string FormatComplex(TComplex Z, TShowCTRL Settings)
{
    const bool known = Settings.VPPrc >= 0 && Settings.VPPrc <= 4;
    const NumberMask& mask = kMasks[known ? Settings.VPPrc : 5];
    if (Settings.VPCrd == 1) {
        switch (Settings.VPMod) {
        case 1:
            return FormatModule(Z, mask);
        case 2:
            return FormatPhaseJ(Z, mask, Settings.VPPG);
        case 3:
            return FormatPhase(Z, mask, Settings.VPPG);
        default:
            return FormatPolar(Z, mask, Settings.VPPG);
        }
    }
    switch (Settings.VPMod) {
    case 1:
        return FormatRe(Z, mask);
    case 2:
        return FormatImJ(Z, mask);
    case 3:
        return FormatIm(Z, mask);
    default:
        return FormatCartesian(Z, mask);
    }
}
