// "Blackout Screen" loads a disabled black window over the whole monitor, panels included, behind the
// program's windows; clearing the box unloads it, so the next check measures the monitor anew.
#include "display/blackout.h"

#include "display/pause_resume_stop.h"
#include "form/form1.h"

void chkBlackOut_Click(Form1& f)
{
    if (f.chkBlackOut.value() != 0) {
        f.Form3.show();
        f.Form3.setEnabled(false);
        f.Me.show();
    } else {
        f.Form3.unload();
    }
}

namespace form3 {

void Form_Load(Form1& f)
{
    const platform::Area monitor = f.Screen.monitor();
    f.Form3.setTop(monitor.top);
    f.Form3.setLeft(monitor.left);
    f.Form3.setWidth(monitor.width);
    f.Form3.setHeight(monitor.height);
}

// A show stops as Esc on its picture stops it; stopped or not, the panel comes in front.
void Form_Escape(Form1& f)
{
    if (f.Form2.loaded() && f.Form2.visible() && !f.Me.visible()) {
        form2::Form_DblClick(f);
        return;
    }
    if (!f.cmdGo.visible())
        Picture1_DblClick(f);
    f.Me.show();
}

}  // namespace form3
