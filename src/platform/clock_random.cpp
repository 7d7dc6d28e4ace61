// Clock-seeded random numbers in [0, 1).
#include "platform/clock_random.h"

#include <chrono>

namespace platform {

namespace {

std::uint64_t clockNow()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

ClockRandom::ClockRandom() : nextSeed_(clockNow()) {}

void ClockRandom::reseed()
{
    std::seed_seq seed{nextSeed_ & 0xffffffffu, nextSeed_ >> 32};
    engine_.seed(seed);
    nextSeed_ = clockNow();
}

double ClockRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike generate_canonical on some libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::unique_ptr<Random> ClockRandom::fork() const
{
    return std::make_unique<ClockRandom>(*this);
}

}  // namespace platform
