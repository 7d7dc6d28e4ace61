// Random order without repeats: draw until an unrecorded name comes up or the cycle is complete.
#include "engine/random_choice.h"

#include <cmath>
#include <string>

#include "engine/resume_next.h"
#include "platform/failure.h"
#include "platform/system.h"
#include "state/show_state.h"

namespace engine {

namespace {

// Near the end of a large cycle almost every draw hits a recorded name; after this many in one
// tick the choice walks on from the last draw to the next unrecorded entry instead.
constexpr int kMaxDraws = 64;

void draw(Selection& list, platform::Random& rnd)
{
    const int count = list.count();
    const double index = std::floor(rnd.next() * count);
    list.select(static_cast<int>(index));
}

void selectNextUnrecorded(Selection& list, const state::ShowState& s)
{
    const int count = list.count();
    const int start = list.index() < 0 ? 0 : list.index();
    for (int offset = 0; offset < count; ++offset) {
        const int index = static_cast<int>((static_cast<long long>(start) + offset) % count);
        if (s.mShownList.count(list.entry(index)) == 0) {
            list.select(index);
            return;
        }
    }
    throw platform::Failure("every entry is recorded");
}

}  // namespace

RandomChoice chooseAtRandom(Selection& list, platform::Random& rnd, const state::ShowState& s, ResumeNext& rn)
{
    for (int draws = 0;; ++draws) {
        if (draws < kMaxDraws)
            rn.step([&] { draw(list, rnd); });
        else
            rn.step([&] { selectNextUnrecorded(list, s); });

        std::string name;
        rn.step([&] { name = list.name(); });
        // Whole names, letter case kept: "a.jpg" inside "banana.jpg" or "A.JPG" is another picture.
        if (!rn.test([&] { return s.mShownList.count(name) > 0; })) {
            rn.step([&] { list.record(name); });
            return RandomChoice::Chosen;
        }
        if (rn.test([&] { return s.gShownCount >= list.count(); }) || draws >= kMaxDraws)
            return RandomChoice::CycleComplete;
    }
}

}  // namespace engine
