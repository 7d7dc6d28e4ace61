// The slide tick: choose the next entry, load it into Picture1, count it, size Form1 around it,
// then display and place it.
#include "engine/slide_tick.h"

#include <optional>
#include <string>

#include "display/pause_resume_stop.h"
#include "engine/checked.h"
#include "engine/display_stage.h"
#include "engine/next_picture.h"
#include "engine/placement.h"
#include "engine/resume_next.h"
#include "engine/selection.h"
#include "form/form1.h"

void Timer1_Timer(Form1& f)
{
    state::ShowState& s = f.state;
    if (s.mPaused != 0)
        return;

    engine::ResumeNext rn(f.Log);
    rn.step([&] { f.Rnd.reseed(); });
    engine::ListSelection list(f.File1, s.mShownList);
    if (engine::selectNext(f, list, f.Rnd, s, rn) == engine::RandomChoice::CycleComplete) {
        rn.step([&] { Picture1_DblClick(f); });
        rn.step([&] { f.Timer1.setEnabled(false); });
        return;
    }

    const std::string path = engine::picturePath(f, rn, [&] { return f.File1.fileName(); });
    rn.step([&] { f.Picture1.setPicture(f.Pictures.load(path, engine::pictureUse(f))); });
    rn.step([&] { s.mFileIndex = engine::checked::increment(s.mFileIndex); });
    rn.step([&] { s.gShownCount = engine::checked::increment(s.gShownCount); });
    rn.step([&] { f.Me.setWidth(engine::checked::finite(f.Picture1.width() + 5.0f)); });
    rn.step([&] { f.Me.setHeight(engine::checked::finite(f.Picture1.height() + 5.0f)); });

    engine::displayPicture(f, rn);
    engine::wrapIndex(f, rn);
    engine::placeWindows(f, rn);

    // The next picture is known now, in either order, so the platform may decode it while this one
    // is shown.
    rn.step([&] {
        if (const std::optional<std::string> next = engine::nextPicturePath(f, s))
            f.Pictures.prefetch(*next, engine::pictureUse(f));
    });
}
