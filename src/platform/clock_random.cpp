// Clock-seeded random numbers in [0, 1).
#include "platform/clock_random.h"

#include <chrono>

namespace platform {

void ClockRandom::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint64_t>(now), static_cast<std::uint64_t>(now >> 32)};
    engine_.seed(seed);
}

double ClockRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike generate_canonical on some libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace platform
