// Letting the program's event loop run from the benchmark: what a tick left behind, or a rest.
#pragma once

#include "measure.h"

namespace bench {

// Delivers what the last step left for the event loop, the painting of the windows above all.
void settle();

// Runs the event loop until milliseconds have passed since start, so the program's timers and the
// decoding ahead go on meanwhile.
void idleUntil(Clock::time_point start, int milliseconds);

}  // namespace bench
