// The picture the next tick will load, worked out without touching a control, and the path and
// use it is loaded with.
#include "engine/next_picture.h"

#include <memory>

#include "engine/placement.h"
#include "engine/resume_next.h"
#include "engine/selection.h"
#include "form/form1.h"

namespace engine {

namespace {

// What a prediction passes over, the tick itself meets and reports when it runs.
struct Unreported : platform::FailureLog {
    void passedOver(const std::string&, const std::string&) override {}
};

}  // namespace

std::string picturePath(Form1& f, ResumeNext& rn, const std::function<std::string()>& name)
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

platform::PictureUse pictureUse(Form1& f)
{
    Unreported unreported;
    ResumeNext rn(unreported);
    if (rn.test([&] { return f.chkReSize.value() != 0; }))
        return platform::PictureUse::Fitted;
    const Placement placement = placementOfNextTick(f, rn);
    return {false, placement.horizontal, placement.vertical};
}

std::optional<std::string> nextPicturePath(Form1& f, const state::ShowState& s)
{
    // The tick's own units on a copy of the selection and a fork of the random source, so that they
    // fail and go on exactly as the tick's do.
    Unreported unreported;
    ResumeNext rn(unreported);
    const std::unique_ptr<platform::Random> rnd = f.Rnd.fork();
    rn.step([&] { rnd->reseed(); });
    SelectionAhead list(f.File1);
    if (selectNext(f, list, *rnd, s, rn) == RandomChoice::CycleComplete || list.index() < 0)
        return std::nullopt;
    return picturePath(f, rn, [&] { return list.name(); });
}

}  // namespace engine
