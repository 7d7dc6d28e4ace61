// Go after the panel has rested: the picture it shows first should have been decoded meanwhile.
#include "event_loop.h"
#include "form/form1.h"
#include "measure.h"
#include "show_phases.h"

namespace bench {

namespace {

constexpr int kRestMilliseconds = 1000;
// Far enough from the entry the show would have shown next, which is already decoded ahead.
constexpr int kEntriesOn = 5;

}  // namespace

double goAfterRest(Form1& form, bool fitted)
{
    if (fitted)
        form.Form2.DblClick.raise();
    else
        form.Picture1.DblClick.raise();
    settle();
    // The options stay as the show had them; the selection is the user's last step.
    form.File1.setListIndex((form.state.mFileIndex + kEntriesOn) % form.File1.listCount());
    idleUntil(Clock::now(), kRestMilliseconds);
    const Clock::time_point go = Clock::now();
    form.cmdGo.Click.raise();
    settle();
    return millisecondsSince(go);
}

}  // namespace bench
