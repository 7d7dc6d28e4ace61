// The program's events at a glance: which control event runs which handler.
#include "wiring.h"

#include "display/blackout.h"
#include "display/pause_resume_stop.h"
#include "display/show_running.h"
#include "engine/slide_tick.h"
#include "form/form1.h"
#include "panel/browsing.h"
#include "panel/go.h"
#include "panel/options.h"
#include "panel/speed.h"
#include "panel/startup_exit.h"

namespace {

using Handler = void (*)(Form1&);

}  // namespace

void wireEvents(Form1& f)
{
    // After each handler the desktop learns whether a show now runs, and the picture Go would
    // show first is worked out again, whichever handler changed them.
    const auto after = [&f] {
        updateShowRunning(f);
        panel::prepareGo(f);
    };
    const auto on = [&f, after](platform::Event& event, Handler handler) {
        event.connect([&f, handler, after] {
            handler(f);
            after();
        });
    };
    const auto onKeys = [&f, after](platform::KeyEvent& event, Handler click, Handler dblClick) {
        event.connect([&f, click, dblClick, after](platform::Key key) {
            // On a picture surface Space is a click and Esc a double click.
            (key == platform::Key::Space ? click : dblClick)(f);
            after();
        });
    };

    on(f.Me.Load, form1::Form_Load);
    on(f.cmdExit.Click, cmdExit_Click);
    on(f.cmdGo.Click, cmdGo_Click);
    on(f.Timer1.Tick, Timer1_Timer);
    on(f.HScroll1.Change, HScroll1_Change);

    on(f.Drive1.Change, Drive1_Change);
    on(f.Dir1.Change, Dir1_Change);
    on(f.File1.PathChange, File1_PathChange);
    on(f.File1.Click, File1_Click);
    on(f.cmdResetRandomCycle.Click, cmdResetRandomCycle_Click);
    on(f.Text1.GotFocus, Text1_GotFocus);
    on(f.Text1.LostFocus, Text1_LostFocus);
    on(f.Text1.Change, Text1_Change);

    on(f.chkLowerRight.Click, chkLowerRight_Click);
    on(f.chkRandomize.Click, chkRandomize_Click);
    on(f.chkUpperRight.Click, chkUpperRight_Click);
    on(f.chkBlackOut.Click, chkBlackOut_Click);
    // Boxes without a handler of their own still change the picture Go would show first.
    f.chkRandomPictures.Click.connect(after);
    f.chkReSize.Click.connect(after);

    on(f.Picture1.Click, Picture1_Click);
    on(f.Picture1.DblClick, Picture1_DblClick);
    onKeys(f.Picture1.KeyPress, Picture1_Click, Picture1_DblClick);
    on(f.Form2.Click, form2::Form_Click);
    on(f.Form2.DblClick, form2::Form_DblClick);
    onKeys(f.Form2.KeyPress, form2::Form_Click, form2::Form_DblClick);
    on(f.Form3.Load, form3::Form_Load);
    f.Form3.KeyPress.connect([&f, after](platform::Key key) {
        if (key == platform::Key::Escape) {
            form3::Form_Escape(f);
            after();
        }
    });
}
