// Start-up holds the show back and centres the panel; Exit ends the program.
#include "panel/startup_exit.h"

#include "form/form1.h"

namespace form1 {

void Form_Load(Form1& f)
{
    f.state.mPaused = 1;
    const platform::Area screen = f.Screen.workArea();
    f.Me.setTop(screen.top + (screen.height - f.Me.height()) / 2.0f);
    f.Me.setLeft(screen.left + (screen.width - f.Me.width()) / 2.0f);
}

}  // namespace form1

void cmdExit_Click(Form1& f)
{
    f.App.end();
}
