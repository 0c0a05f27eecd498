#include "model/RandomGenerator.h"

#include <chrono>
#include <random>

#include "model/RandomSeedForTesting.h"

namespace {

std::mt19937_64 engine;
std::optional<std::uint64_t> testSeed;

}  // namespace

void ReseedRandomGenerator()
{
    const auto clockCount = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine.seed(testSeed.value_or(static_cast<std::uint64_t>(clockCount)));
}

int RandomInteger0To999()
{
    std::uniform_int_distribution<int> draw(0, 999);
    return draw(engine);
}

void SetRandomSeedForTesting(std::optional<std::uint64_t> seed) { testSeed = seed; }
