// The orders in which the handlers hide and show the panel's controls, side by side.
#pragma once

#include <vector>

#include "form/form1.h"
#include "platform/controls.h"

namespace form {

// Each order is the program's own: hiding the focused text box raises its LostFocus.
using Controls = std::vector<platform::Control*>;

// Go hides the panel.
inline Controls hiddenByGo(Form1& f)
{
    return {&f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.Text1, &f.cmdExit, &f.cmdResetRandomCycle,
            &f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkRandomize,
            &f.chkLowerRight, &f.chkUpperRight, &f.chkReSize, &f.chkBlackOut};
}

// A click on Picture1 hides the panel.
inline Controls hiddenByPictureClick(Form1& f)
{
    return {&f.cmdExit, &f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.cmdResetRandomCycle, &f.Text1,
            &f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkRandomize,
            &f.chkLowerRight, &f.chkUpperRight, &f.chkReSize, &f.chkBlackOut};
}

// A stop shows Exit first, then these before the panel is brought back to its size and onto the
// screen, then the rest (Form2's stop shows both parts at once, before it).
inline Controls shownByStopFirst(Form1& f)
{
    return {&f.Text1, &f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.cmdResetRandomCycle, &f.chkRandomize,
            &f.chkLowerRight, &f.chkReSize, &f.chkBlackOut};
}

inline Controls shownByStopThen(Form1& f)
{
    return {&f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkUpperRight};
}

inline void setVisible(const Controls& controls, bool visible)
{
    for (platform::Control* control : controls)
        control->setVisible(visible);
}

}  // namespace form
