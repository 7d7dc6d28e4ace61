// Peak memory of a show over one folder in one mode: ticked back to back through a few cycles,
// then stopped, so that the panel's picture box draws the last picture whole.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include "display/pause_resume_stop.h"
#include "display/window_designs.h"
#include "engine/slide_tick.h"
#include "measure.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "platform/qt/qt_ui.h"
#include "runs.h"
#include "wiring.h"

namespace bench {

namespace {

void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int runMemory(const QString& folder, bool fit, bool random)
{
    platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
    Form1 form(ui);
    wireEvents(form);
    form.Me.show();
    QCoreApplication::processEvents();
    form.Dir1.setPath(folder.toStdString());
    form.chkReSize.setValue(fit ? 1 : 0);
    form.chkRandomPictures.setValue(random ? 1 : 0);
    idle(100);
    printFigure("rss_panel_mb", statusMegabytes("VmRSS"));

    const int ticks = 3 * form.File1.listCount();
    form.cmdGo.Click.raise();
    form.Timer1.setEnabled(false);
    for (int tick = 1; tick < ticks; ++tick) {
        // A random cycle that ended stopped the show; Go starts the next.
        if (form.state.mPaused != 0) {
            form.cmdGo.Click.raise();
            form.Timer1.setEnabled(false);
        } else {
            Timer1_Timer(form);
        }
        QCoreApplication::processEvents();
    }
    printFigure("peak_show_rss_mb", statusMegabytes("VmHWM"));
    if (form.state.mPaused == 0)
        (form.Form2.visible() ? form.Form2.DblClick : form.Picture1.DblClick).raise();
    // Time for the picture box's whole picture to arrive and be drawn.
    idle(3000);
    printFigure("peak_stopped_rss_mb", statusMegabytes("VmHWM"));
    return 0;
}

}  // namespace bench
