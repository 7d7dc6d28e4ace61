// Go: hide the panel, lift the pause, start a new random cycle when the last one is complete, and
// show the first picture at once.
#include "panel/go.h"

#include "engine/slide_tick.h"
#include "panel/form1.h"
#include "panel/visibility.h"

void cmdGo_Click(Form1& f)
{
    panel::setVisible({&f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.Text1, &f.cmdExit, &f.cmdResetRandomCycle,
                       &f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkRandomize,
                       &f.chkLowerRight, &f.chkUpperRight, &f.chkReSize, &f.chkBlackOut},
                      false);
    f.state.mPaused = 0;
    if (f.state.gShownCount >= f.File1.listCount()) {
        f.state.mShownList.clear();
        f.state.gShownCount = 0;
    }
    f.Timer1.setEnabled(true);
    Timer1_Timer(f);
}
