// Go: hide the panel, lift the pause, start a new random cycle when the last one is complete, and
// show the first picture at once, its period counted from then; while the panel waits, that picture
// is named for decoding ahead.
#include "panel/go.h"

#include <exception>
#include <optional>
#include <string>

#include "engine/next_picture.h"
#include "engine/slide_tick.h"
#include "form/form1.h"
#include "form/visibility.h"

namespace {

bool cycleComplete(const Form1& f)
{
    return f.state.gShownCount >= f.File1.listCount();
}

}  // namespace

void cmdGo_Click(Form1& f)
{
    form::setVisible(form::hiddenByGo(f), false);
    f.state.mPaused = 0;
    if (cycleComplete(f))
        state::clearRandomCycle(f.state);
    f.Timer1.setEnabled(true);
    Timer1_Timer(f);
    // The first picture keeps the screen for a whole period, however long it took to load; a show its
    // tick ended stays ended.
    if (f.Timer1.enabled())
        f.Timer1.setEnabled(true);
}

namespace panel {

void prepareGo(Form1& f)
{
    // A hint that cannot be worked out costs nothing but the wait it would have saved.
    try {
        if (!f.cmdGo.visible() || (f.state.mPaused == 0 && f.Timer1.enabled()))
            return;
        // Go would start a new cycle from the same index; the prediction reads nothing else.
        state::ShowState restarted;
        restarted.mFileIndex = f.state.mFileIndex;
        const state::ShowState& from = cycleComplete(f) ? restarted : f.state;
        if (const std::optional<std::string> path = engine::nextPicturePath(f, from))
            f.Pictures.prefetchWhenIdle(*path, engine::pictureUse(f));
    } catch (const std::exception& failure) {
        f.Log.passedOver("Go's first picture", failure.what());
    }
}

}  // namespace panel
