#pragma once

#include <cfloat>

// Every real number of the system is the x87 80-bit extended type.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit x87 extended type");

// A complex number held in Cartesian and polar form at once. Arithmetic works
// on Re and Im; the polar half is a copy that only CartToPolar brings up to
// date (or, for a value typed in polar form, the input of PolarToCart).
struct TComplex {
    long double Re = 0;
    long double Im = 0;
    long double Module = 0;
    long double Phase = 0;  // radians, in [0, 2*pi) after CartToPolar
};

// pi and the unit conversions, each the extended value nearest to it.
constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double RadToDeg = 57.2957795130823208767981548141051703L;
constexpr long double DegToRad = 0.0174532925199432957692369076848861271L;
// A modulus not above this counts as zero throughout the system.
constexpr long double ModuleThreshold = 1e-10L;
