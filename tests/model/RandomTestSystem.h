#pragma once

#include <cstdint>
#include <gtest/gtest.h>

#include "model/ESetArrayService.h"

// A random test system of n equations within the new-system dialog's default
// bounds: coefficients up to 1, roots up to 10.
inline TESetCTRL RandomTestSystem(std::int32_t n)
{
    TESetCTRL set;
    set.MaxReCoeff = 1;
    set.MaxImCoeff = 1;
    set.MaxReRoots = 10;
    set.MaxImRoots = 10;
    EXPECT_TRUE(InitESetArrays(set, n));
    EXPECT_TRUE(MakeRandomTestESet(set));
    return set;
}
