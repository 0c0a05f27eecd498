#include "complex/ComplexOp.h"

#include <cmath>

#include "platform/MessageBoxes.h"

long double ComplexModule(TComplex& z)
{
    z.Module = std::sqrt(z.Re * z.Re + z.Im * z.Im);
    return z.Module;
}

void CartToPolar(TComplex& z)
{
    z.Module = std::sqrt(z.Re * z.Re + z.Im * z.Im);
    // The second test also catches a modulus that is not a number.
    if (z.Module <= ModuleThreshold || !(z.Module >= std::fabs(z.Im))) {
        z.Module = 0;
        z.Phase = 0;
        return;
    }
    const long double x = std::fabs(z.Im) / z.Module;
    const long double base = std::atan2(x, std::sqrt(1 - x * x));
    if (z.Im > 0 && z.Re >= 0)
        z.Phase = base;
    else if (z.Im > 0 && z.Re < 0)
        z.Phase = Pi - base;
    else if (z.Im <= 0 && z.Re < 0)
        z.Phase = Pi + base;
    else
        z.Phase = Pi * 2 - base;
    if (z.Phase >= Pi * 2)
        z.Phase = z.Phase - Pi * 2;
}

void PolarToCart(TComplex& z)
{
    z.Re = std::cos(z.Phase) * z.Module;
    z.Im = std::sin(z.Phase) * z.Module;
}

void ComplexClear(TComplex& z) { z = TComplex{}; }

void ComplexCopy(const TComplex& src, TComplex& dst) { dst = src; }

void ComplexAdd(const TComplex& a, const TComplex& b, TComplex& c)
{
    const long double re = a.Re + b.Re;
    const long double im = a.Im + b.Im;
    c.Re = re;
    c.Im = im;
}

void ComplexSub(const TComplex& a, const TComplex& b, TComplex& c)
{
    const long double re = a.Re - b.Re;
    const long double im = a.Im - b.Im;
    c.Re = re;
    c.Im = im;
}

void ComplexMul(const TComplex& a, const TComplex& b, TComplex& c)
{
    const long double re = (a.Re * b.Re) - (a.Im * b.Im);
    const long double im = (a.Re * b.Im) + (a.Im * b.Re);
    c.Re = re;
    c.Im = im;
}

void ComplexDiv(const TComplex& a, const TComplex& b, TComplex& c)
{
    const long double q = (b.Re * b.Re) + (b.Im * b.Im);
    if (q == 0 || std::isnan(q)) {
        c.Re = 0;
        c.Im = 0;
        platform::ShowMessageBox(platform::MsgKind::Plain, kComplexZeroDivisionText);
        return;
    }
    const long double re = ((a.Re * b.Re) + (a.Im * b.Im)) / q;
    const long double im = ((a.Im * b.Re) - (a.Re * b.Im)) / q;
    c.Re = re;
    c.Im = im;
}

void ComplexMulSub(const TComplex& a, const TComplex& b, TComplex& c) { MulSubInPlace(a, b, c); }

void ComplexMulAdd(const TComplex& a, const TComplex& b, TComplex& c)
{
    c.Re = ((a.Re * b.Re) - (a.Im * b.Im)) + c.Re;
    c.Im = ((a.Re * b.Im) + (a.Im * b.Re)) + c.Im;
}

void ComputeRoot(const TComplex& a, const TComplex& b, const TComplex& c, TComplex& x)
{
    const long double u = a.Re - b.Re;
    const long double v = a.Im - b.Im;
    const long double p = c.Re;
    const long double s = c.Im;
    const long double q = (p * p) + (s * s);
    if (q > 0) {
        x.Re = ((u * p) + (v * s)) / q;
        x.Im = ((v * p) - (u * s)) / q;
    } else {
        x.Re = 0;
        x.Im = 0;
        platform::ShowMessageBox(platform::MsgKind::Warning, kZeroRootCoefficientText);
    }
    x.Module = 0;
    x.Phase = 0;
}
