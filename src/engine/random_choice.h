// Random order without repeats within a random cycle.
#pragma once

#include "engine/selection.h"

namespace engine {

// Selects an entry not yet shown in this cycle and records it, or reports that the cycle is
// complete. Ends after a bounded number of draws whatever the random source returns.
RandomChoice chooseAtRandom(Selection& list, platform::Random& rnd, const state::ShowState& s, ResumeNext& rn);

}  // namespace engine
