// A show runs while ticks change the picture and the panel is away; paused or stopped, it does not.
#include "display/show_running.h"

#include "form/form1.h"

void updateShowRunning(Form1& f)
{
    // Go's button stands for the whole panel: every way of hiding or showing the panel moves it too.
    f.Session.setShowRunning(f.state.mPaused == 0 && f.Timer1.enabled() && !f.cmdGo.visible());
}
