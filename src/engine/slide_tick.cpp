// The slide tick: choose the next entry, load it into Picture1, count it, size Form1 around it,
// then display and place it.
#include "engine/slide_tick.h"

#include <cmath>
#include <string>

#include "display/pause_resume_stop.h"
#include "engine/checked.h"
#include "engine/display_stage.h"
#include "engine/placement.h"
#include "engine/random_choice.h"
#include "engine/resume_next.h"
#include "panel/form1.h"

namespace {

// The folder, "/" unless the folder already ends in one, then the name as listed; empty when the
// name cannot be read.
template <typename Name>
std::string picturePath(Form1& f, engine::ResumeNext& rn, Name name)
{
    std::string path;
    std::string folder;
    rn.step([&] { folder = f.Dir1.path(); });
    if (rn.test([&] { return !folder.empty() && folder.back() == '/'; }))
        rn.step([&] { path = folder + name(); });
    else
        rn.step([&] { path = folder + "/" + name(); });
    return path;
}

}  // namespace

void Timer1_Timer(Form1& f)
{
    state::ShowState& s = f.state;
    if (s.mPaused != 0)
        return;

    engine::ResumeNext rn(f.Log);
    rn.step([&] { f.Rnd.reseed(); });
    if (rn.test([&] { return f.chkRandomPictures.value() != 0; })) {
        if (engine::chooseAtRandom(f, rn) == engine::RandomChoice::CycleComplete) {
            rn.step([&] { Picture1_DblClick(f); });
            rn.step([&] { f.Timer1.setEnabled(false); });
            return;
        }
    } else {
        rn.step([&] { f.File1.setListIndex(s.mFileIndex); });
    }

    const std::string path = picturePath(f, rn, [&] { return f.File1.fileName(); });
    const auto use = [&] {
        return f.chkReSize.value() != 0 ? platform::PictureUse::Fitted : platform::PictureUse::OwnSize;
    };
    rn.step([&] { f.Picture1.setPicture(f.Pictures.load(path, use())); });
    rn.step([&] { s.mFileIndex = engine::checked::increment(s.mFileIndex); });
    rn.step([&] { s.gShownCount = engine::checked::increment(s.gShownCount); });
    rn.step([&] { f.Me.setWidth(engine::checked::finite(f.Picture1.width() + 5.0f)); });
    rn.step([&] { f.Me.setHeight(engine::checked::finite(f.Picture1.height() + 5.0f)); });

    engine::displayPicture(f, rn);
    engine::wrapIndex(f, rn);
    engine::placeWindows(f, rn);

    // In list order the next picture is known, so the platform may decode it while this one is shown.
    if (!rn.test([&] { return f.chkRandomPictures.value() != 0; })) {
        const std::string next = picturePath(f, rn, [&] { return f.File1.entry(s.mFileIndex); });
        rn.step([&] {
            if (!next.empty())
                f.Pictures.prefetch(next, use());
        });
    }
}
