#pragma once

#include "complex/TComplex.h"

// Operations on TComplex records. The arithmetic touches only Re and Im of
// its result and leaves Module and Phase exactly as they were; the operations
// named "in/out" below may take the result as one of their inputs.

long double ComplexModule(TComplex& z);  // stores and returns sqrt(Re^2 + Im^2)
void CartToPolar(TComplex& z);           // refreshes Module and Phase, zero below the threshold
void PolarToCart(TComplex& z);           // Re, Im from Module and Phase, which stay as given
void ComplexClear(TComplex& z);
void ComplexCopy(const TComplex& src, TComplex& dst);
void ComplexAdd(const TComplex& a, const TComplex& b, TComplex& c);  // c may alias a or b
void ComplexSub(const TComplex& a, const TComplex& b, TComplex& c);  // c may alias a or b
void ComplexMul(const TComplex& a, const TComplex& b, TComplex& c);  // c may alias a or b
// c := a / b; division by a complex zero gives zero and a plain message box.
void ComplexDiv(const TComplex& a, const TComplex& b, TComplex& c);  // c may alias a or b
void ComplexMulSub(const TComplex& a, const TComplex& b, TComplex& c);  // c := c - a*b
void ComplexMulAdd(const TComplex& a, const TComplex& b, TComplex& c);  // c := c + a*b
// x := (a - b) / c with a zero polar half; a zero coefficient c gives zero
// and a warning box.
void ComputeRoot(const TComplex& a, const TComplex& b, const TComplex& c, TComplex& x);

// The two messages of the zero rules.
inline constexpr const char* kComplexZeroDivisionText = "Деление на комплексный ноль недопустимо";
inline constexpr const char* kZeroRootCoefficientText =
    "КОЭФФИЦИЕНТ ПРИ ВЫЧИСЛЯЕМОМ КОРНЕ РАВЕН НУЛЮ.\r\nЗНАЧЕНИЕ ТАКОГО КОРНЯ УСТАНАВЛИВАЕТСЯ В НОЛЬ.";

// The inner step of the elimination, inlined for the solver's loops:
// c := c - a*b, in the order of evaluation of ComplexMulSub.
inline void MulSubInPlace(const TComplex& a, const TComplex& b, TComplex& c)
{
    c.Re = c.Re - ((a.Re * b.Re) - (a.Im * b.Im));
    c.Im = c.Im - ((a.Re * b.Im) + (a.Im * b.Re));
}
