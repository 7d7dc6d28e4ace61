// Random numbers re-seeded from a high-resolution clock.
#pragma once

#include <cstdint>
#include <random>

#include "platform/system.h"

namespace platform {

class ClockRandom : public Random {
public:
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace platform
