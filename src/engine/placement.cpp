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

enum class Choice { Rotation, UpperLeft, LowerRight, Centred };

// The boxes in the order the tick reads them; one that cannot be read counts as checked.
Choice chosen(Form1& f, ResumeNext& rn)
{
    if (rn.test([&] { return f.chkRandomize.value() != 0; }))
        return Choice::Rotation;
    // Names and captions cross: chkLowerRight is "Upper Left of screen", chkUpperRight "Lower Right".
    if (rn.test([&] { return f.chkLowerRight.value() != 0; }))
        return Choice::UpperLeft;
    if (rn.test([&] { return f.chkUpperRight.value() != 0; }))
        return Choice::LowerRight;
    return Choice::Centred;
}

Placement placementOf(Choice choice, int cornerStep)
{
    switch (choice) {
    case Choice::Rotation:
        return kCorners[cornerStep];
    case Choice::UpperLeft:
        return kUpperLeft;
    case Choice::LowerRight:
        return kLowerRight;
    case Choice::Centred:
        break;
    }
    return kCentred;
}

}  // namespace

Placement placementOfNextTick(Form1& f, ResumeNext& rn)
{
    return placementOf(chosen(f, rn), f.state.mCornerStep);
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
    const Choice choice = chosen(f, rn);
    place(f, rn, placementOf(choice, s.mCornerStep));
    if (choice != Choice::Rotation)
        return;
    rn.step([&] { s.mCornerStep = checked::increment(s.mCornerStep); });
    if (rn.test([&] { return s.mCornerStep == 4; }))
        rn.step([&] { s.mCornerStep = 0; });
}

}  // namespace engine
