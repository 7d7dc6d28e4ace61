// "Blackout Screen" loads a disabled, screen-sized black window behind the panel; clearing the box
// unloads it, so the next check measures the screen anew.
#include "display/blackout.h"

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
    f.Form3.setTop(0);
    f.Form3.setLeft(0);
    f.Form3.setWidth(f.Screen.width());
    f.Form3.setHeight(f.Screen.height());
}

}  // namespace form3
