// Index wrap and placement: centred, upper left, lower right, or turning through the corners.
#include "engine/placement.h"

#include "engine/checked.h"
#include "engine/resume_next.h"
#include "form/form1.h"

namespace engine {

namespace {

using platform::Anchor;

// Upper left, upper right, lower left, lower right.
constexpr Placement kCorners[] = {
    {Anchor::Start, Anchor::Start},
    {Anchor::End, Anchor::Start},
    {Anchor::Start, Anchor::End},
    {Anchor::End, Anchor::End},
};

// Half twips are kept and nothing is clamped: a window larger than the screen gets an edge before
// the screen's.
float edge(Anchor anchor, float screenStart, float screenSize, float windowSize)
{
    float offset = 0.0f;
    switch (anchor) {
    case Anchor::Start:
        return screenStart;
    case Anchor::End:
        offset = checked::finite(screenSize - windowSize);
        break;
    case Anchor::Centre:
        offset = checked::finite(checked::finite(screenSize - windowSize) / 2.0f);
        break;
    }
    return checked::finite(screenStart + offset);
}

void place(Form1& f, ResumeNext& rn, Placement p)
{
    for (platform::Window* w : {&f.Me, &f.Form2}) {
        rn.step([&] {
            const platform::Area screen = f.Screen.workArea();
            w->setLeft(edge(p.horizontal, screen.left, screen.width, w->width()));
        });
        rn.step([&] {
            const platform::Area screen = f.Screen.workArea();
            w->setTop(edge(p.vertical, screen.top, screen.height, w->height()));
        });
    }
}

constexpr Placement kUpperLeft{Anchor::Start, Anchor::Start};
constexpr Placement kLowerRight{Anchor::End, Anchor::End};
constexpr Placement kCentred{Anchor::Centre, Anchor::Centre};

}  // namespace

Placement placementOfNextTick(Form1& f)
{
    if (f.chkRandomize.value() != 0)
        return kCorners[f.state.mCornerStep];
    if (f.chkLowerRight.value() != 0)
        return kUpperLeft;
    return f.chkUpperRight.value() != 0 ? kLowerRight : kCentred;
}

void wrapIndex(Form1& f, ResumeNext& rn)
{
    state::ShowState& s = f.state;
    // Beyond the count too, not only at it: an index typed beyond the list would never return. One
    // below 0 is taken as the first entry where the tick selects.
    if (rn.test([&] { return s.mFileIndex >= f.File1.listCount(); }))
        rn.step([&] { s.mFileIndex = 0; });
}

void placeWindows(Form1& f, ResumeNext& rn)
{
    state::ShowState& s = f.state;
    if (rn.test([&] { return f.chkRandomize.value() != 0; })) {
        place(f, rn, kCorners[s.mCornerStep]);
        rn.step([&] { s.mCornerStep = checked::increment(s.mCornerStep); });
        if (rn.test([&] { return s.mCornerStep == 4; }))
            rn.step([&] { s.mCornerStep = 0; });
    } else if (rn.test([&] { return f.chkLowerRight.value() != 0; })) {
        // Names and captions cross: chkLowerRight is "Upper Left of screen", chkUpperRight "Lower Right".
        place(f, rn, kUpperLeft);
    } else if (rn.test([&] { return f.chkUpperRight.value() != 0; })) {
        place(f, rn, kLowerRight);
    } else {
        place(f, rn, kCentred);
    }
}

}  // namespace engine
