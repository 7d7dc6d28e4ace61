// Random order without repeats: draw until an unrecorded name comes up or the cycle is complete.
#include "engine/random_choice.h"

#include <cmath>
#include <string>

#include "engine/resume_next.h"
#include "panel/form1.h"
#include "platform/failure.h"

namespace engine {

namespace {

// Near the end of a large cycle almost every draw hits a recorded name; after this many in one
// tick the choice walks on from the last draw to the next unrecorded entry instead.
constexpr int kMaxDraws = 64;

void draw(Form1& f)
{
    const int count = f.File1.listCount();
    const double index = std::floor(f.Rnd.next() * count);
    f.File1.setListIndex(static_cast<int>(index));
}

void selectNextUnrecorded(Form1& f)
{
    const int count = f.File1.listCount();
    const int start = f.File1.listIndex() < 0 ? 0 : f.File1.listIndex();
    for (int offset = 0; offset < count; ++offset) {
        const int index = static_cast<int>((static_cast<long long>(start) + offset) % count);
        if (f.state.mShownList.count(f.File1.entry(index)) == 0) {
            f.File1.setListIndex(index);
            return;
        }
    }
    throw platform::Failure("every entry is recorded");
}

}  // namespace

RandomChoice chooseAtRandom(Form1& f, ResumeNext& rn)
{
    state::ShowState& s = f.state;
    for (int draws = 0;; ++draws) {
        if (draws < kMaxDraws)
            rn.step([&] { draw(f); });
        else
            rn.step([&] { selectNextUnrecorded(f); });

        std::string name;
        rn.step([&] { name = f.File1.fileName(); });
        if (!rn.test([&] { return s.mShownList.count(name) > 0; })) {
            rn.step([&] { s.mShownList.insert(name); });
            return RandomChoice::Chosen;
        }
        if (rn.test([&] { return s.gShownCount >= f.File1.listCount(); }) || draws >= kMaxDraws)
            return RandomChoice::CycleComplete;
    }
}

}  // namespace engine
