// The complex number text and the polar conversions fed raw 10-byte x87
// patterns: every display setting writes a bounded text for any value, the
// text of a value is the text of the number arithmetic sees in it, and the
// general format reads back.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "complex/ComplexOp.h"
#include "complex/ComplexText.h"
#include "complex/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Regional.h"

namespace {

using fuzzing::Canonical;
using fuzzing::Require;

// The longest text: two components in a fixed mask below 1e18 (at most 19
// integer digits, the separator and 16 decimals each) or in a scientific
// mask, with " Exp ( + J ", " )" and the degree sign.
constexpr std::size_t kLongestText = 2 * 40 + 16;

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

void CheckGeneral(long double value)
{
    const std::string text = FormatGeneral(value);
    Require(!text.empty() && text.size() <= 24, "the general format is short");
    Require(text == FormatGeneral(Canonical(value)), "the general format writes the value arithmetic sees");
    // Reading back a denormal text takes exact big-number arithmetic; the
    // number text target covers that, here it would only slow the run.
    const long double number = Canonical(value);
    if (!std::isfinite(number) || (number != 0 && std::fabs(number) < LDBL_MIN))
        return;
    long double back = 0;
    Require(TextToFloat(text, back), "the general format reads back");
    Require(number == 0 ? back == 0 : std::fabs(back - number) <= std::fabs(number) * 1e-14L,
            "the general format keeps 15 digits");
}

void CheckAllSettings(const TComplex& z)
{
    TComplex canonical{Canonical(z.Re), Canonical(z.Im), Canonical(z.Module), Canonical(z.Phase)};
    // Values outside the dialog's choices act as one of these, which the
    // unit tests show; the degrees flag counts in polar coordinates only.
    for (const std::int32_t crd : {0, 1})
        for (const std::int32_t mod : {0, 1, 2, 3})
            for (const std::int32_t prc : {0, 1, 2, 3, 4, 5})
                for (const bool degrees : {false, true}) {
                    if (degrees && crd != 1)
                        continue;
                    const TShowCTRL settings{crd, mod, prc, degrees};
                    const std::string text = FormatComplex(z, settings);
                    Require(!text.empty() && text.size() <= kLongestText, "every setting writes a bounded text");
                    Require(text == FormatComplex(canonical, settings), "the text is that of the value arithmetic sees");
                }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzEnvironment environment;
    fuzzing::FuzzBytes input(data, size);
    platform::SetDecimalSeparator(input.TakeByte() & 1 ? ',' : '.');
    while (input.Remaining() > 0) {
        TComplex z;
        z.Re = input.TakeExtended();
        z.Im = input.TakeExtended();
        z.Module = input.TakeExtended();
        z.Phase = input.TakeExtended();
        for (const long double part : {z.Re, z.Im, z.Module, z.Phase})
            CheckGeneral(part);
        CheckAllSettings(z);

        TComplex polar = z;
        CartToPolar(polar);
        Require(!std::isnan(polar.Module) && polar.Module >= 0, "the modulus is a number, not negative");
        if (polar.Module == 0)
            Require(polar.Phase == 0, "a zero modulus has a zero phase");
        else if (std::isfinite(polar.Module) && std::isfinite(Canonical(z.Re)) && std::isfinite(Canonical(z.Im)))
            Require(polar.Phase >= 0 && polar.Phase < Pi * 2, "the phase lies in [0, 2 pi)");
        CheckAllSettings(polar);

        TComplex cartesian = z;
        PolarToCart(cartesian);
        Require(SameBits(cartesian.Module, z.Module) && SameBits(cartesian.Phase, z.Phase),
                "PolarToCart keeps the polar half as given");
        CheckAllSettings(cartesian);
    }
    platform::SetDecimalSeparator('.');
    return 0;
}
