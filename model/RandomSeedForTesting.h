#pragma once

#include <cstdint>
#include <optional>

// Test hook: while a seed is set, every reseed of the random generator uses
// it instead of the clock, so a test can replay the draws; std::nullopt
// returns to clock seeding. The program never calls this.
void SetRandomSeedForTesting(std::optional<std::uint64_t> seed);
