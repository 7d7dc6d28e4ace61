// Random numbers re-seeded from a high-resolution clock.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "platform/system.h"

namespace platform {

// Each re-seeding takes the clock as read at the re-seeding before (or at construction) and reads
// it again for the next one, so a fork knows what the next re-seeding will give.
class ClockRandom : public Random {
public:
    ClockRandom();
    void reseed() override;
    double next() override;
    std::unique_ptr<Random> fork() const override;

private:
    std::mt19937_64 engine_;
    std::uint64_t nextSeed_;
};

}  // namespace platform
