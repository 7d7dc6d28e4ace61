// The tick's last stage: keep the sequential index in the list and place both windows.
#pragma once

struct Form1;

namespace engine {

class ResumeNext;

void wrapIndex(Form1& f, ResumeNext& rn);
void placeWindows(Form1& f, ResumeNext& rn);

}  // namespace engine
