// Go: hide the panel, lift the pause, start a new random cycle when the last one is complete, and
// show the first picture at once; while the panel waits, that picture is named for decoding ahead.
#include "panel/go.h"

#include <exception>
#include <optional>
#include <string>

#include "engine/next_picture.h"
#include "engine/slide_tick.h"
#include "form/form1.h"
#include "form/visibility.h"

namespace {

void startNewCycleWhenComplete(state::ShowState& s, int count)
{
    if (s.gShownCount >= count) {
        s.mShownList.clear();
        s.gShownCount = 0;
    }
}

}  // namespace

void cmdGo_Click(Form1& f)
{
    form::setVisible(form::hiddenByGo(f), false);
    f.state.mPaused = 0;
    startNewCycleWhenComplete(f.state, f.File1.listCount());
    f.Timer1.setEnabled(true);
    Timer1_Timer(f);
}

namespace panel {

void prepareGo(Form1& f)
{
    // A hint that cannot be worked out costs nothing but the wait it would have saved.
    try {
        if (!f.cmdGo.visible() || (f.state.mPaused == 0 && f.Timer1.enabled()))
            return;
        state::ShowState s = f.state;
        startNewCycleWhenComplete(s, f.File1.listCount());
        if (const std::optional<std::string> path = engine::nextPicturePath(f, s))
            f.Pictures.prefetchWhenIdle(*path, engine::pictureUse(f));
    } catch (const std::exception& failure) {
        f.Log.passedOver("Go's first picture", failure.what());
    }
}

}  // namespace panel
