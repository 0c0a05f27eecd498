#pragma once

#include <cstdint>
#include <string>

#include "complex/TComplex.h"

// The display settings of complex numbers.
struct TShowCTRL {
    std::int32_t VPCrd = 0;  // 1 polar; anything else Cartesian
    std::int32_t VPMod = 0;  // 1 first component, 2 second with " + J ", 3 second bare; else both
    std::int32_t VPPrc = 0;  // precision code 0..5; outside 0..4 acts as 5
    bool VPPG = false;       // phase in degrees (polar only)
};

// The numeric masks of the precision codes.
extern const char* const PrecisionMasks[6];

// Writes Z by the settings, with the regional decimal separator. The polar
// forms use Module and Phase as stored; they are never recomputed here.
std::string FormatComplex(TComplex Z, TShowCTRL Settings);
