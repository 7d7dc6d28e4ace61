// The tick's last stage: keep the sequential index in the list and place both windows.
#pragma once

#include "platform/picture.h"

struct Form1;

namespace engine {

class ResumeNext;

struct Placement {
    platform::Anchor horizontal;
    platform::Anchor vertical;
};

// Where the placement options put the windows on the tick that runs next, reading them as the tick
// does.
Placement placementOfNextTick(Form1& f, ResumeNext& rn);

void wrapIndex(Form1& f, ResumeNext& rn);
void placeWindows(Form1& f, ResumeNext& rn);

}  // namespace engine
