// The real handlers on the real Qt platform, ticked over one kind's folder in one mode.
#include <vector>

#include "display/window_designs.h"
#include "event_loop.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "measure.h"
#include "platform/qt/qt_ui.h"
#include "runs.h"
#include "show_phases.h"
#include "wiring.h"

namespace bench {

int runShow(const QString& folder, const ShowMode& mode)
{
    platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
    Form1 form(ui);
    wireEvents(form);
    form.Me.show();
    settle();

    form.Dir1.setPath(folder.toStdString());
    form.chkReSize.setValue(mode.fit ? 1 : 0);
    form.chkRandomPictures.setValue(mode.random ? 1 : 0);
    form.HScroll1.setValue(kPaceMilliseconds);
    const double cpuAtGo = processCpuMilliseconds();
    const Clock::time_point go = Clock::now();
    // Right after the folder and the options were set: nothing was decoded ahead for this Go.
    form.cmdGo.Click.raise();
    // From here the benchmark raises the timer's tick itself, on its own clock.
    form.Timer1.setEnabled(false);
    settle();
    const double coldGo = millisecondsSince(go);
    if (mode.paced)
        idleUntil(go, kPaceMilliseconds);

    std::vector<double> whole, held;
    for (int tick = 1; tick <= mode.ticks; ++tick) {
        const Clock::time_point start = Clock::now();
        form.Timer1.Tick.raise();
        held.push_back(millisecondsSince(start));
        settle();
        whole.push_back(millisecondsSince(start));
        if (tick == 50) {
            printFigure("rss_tick50_mb", statusMegabytes("VmRSS"));
            printFigure("peak_rss_tick50_mb", statusMegabytes("VmHWM"));
        }
        if (mode.paced)
            idleUntil(start, kPaceMilliseconds);
    }
    if (form.state.mPaused != 0)
        return 1;  // the show ended early: the figures would not be of the mode asked for
    std::vector<double> lateness;
    if (mode.timerTicks > 0) {
        lateness = timerLateness(form, mode.fit, mode.timerTicks);
        if (static_cast<int>(lateness.size()) != mode.timerTicks)
            return 1;
    }
    // The picture decoded ahead after the last one shown is counted too: a little too much, not too little.
    const double cpuPerPicture = (processCpuMilliseconds() - cpuAtGo) / (1 + mode.ticks + mode.timerTicks);

    const Spread tick = spreadOf(whole);
    const Spread hold = spreadOf(held);
    printFigure("tick_median_ms", tick.median);
    printFigure("tick_p95_ms", tick.p95);
    printFigure("hold_median_ms", hold.median);
    printFigure("hold_p95_ms", hold.p95);
    printFigure("rss_end_mb", statusMegabytes("VmRSS"));
    printFigure("peak_rss_mb", statusMegabytes("VmHWM"));
    printFigure("cpu_per_picture_ms", cpuPerPicture);
    if (mode.timerTicks > 0) {
        const Spread late = spreadOf(lateness);
        printFigure("late_median_ms", late.median);
        printFigure("late_p95_ms", late.p95);
        printFigure("go_cold_ms", coldGo);
        printFigure("go_rested_ms", goAfterRest(form, mode.fit));
    }
    return 0;
}

}  // namespace bench
