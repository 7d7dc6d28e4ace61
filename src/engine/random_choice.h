// Random order without repeats within a random cycle.
#pragma once

struct Form1;

namespace engine {

class ResumeNext;

enum class RandomChoice { Chosen, CycleComplete };

// Selects in File1 an entry not yet shown in this cycle and records it, or reports that the
// cycle is complete. Ends after a bounded number of draws whatever the random source returns.
RandomChoice chooseAtRandom(Form1& f, ResumeNext& rn);

}  // namespace engine
