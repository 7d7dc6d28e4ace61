// Which entry of File1 the tick selects, on the list itself or on a copy worked out ahead.
#include "engine/selection.h"

#include <algorithm>

#include "engine/random_choice.h"
#include "engine/resume_next.h"
#include "form/form1.h"
#include "platform/failure.h"

namespace engine {

void SelectionAhead::select(int index)
{
    if (index < -1 || index >= count())
        throw platform::Failure("list index out of range: " + std::to_string(index));
    index_ = index;
}

RandomChoice selectNext(Form1& f, Selection& list, platform::Random& rnd, const state::ShowState& s,
                        ResumeNext& rn)
{
    if (rn.test([&] { return f.chkRandomPictures.value() != 0; }))
        return chooseAtRandom(list, rnd, s, rn);
    rn.step([&] { list.select(std::max(s.mFileIndex, 0)); });
    return RandomChoice::Chosen;
}

}  // namespace engine
