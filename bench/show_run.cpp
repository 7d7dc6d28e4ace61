// The real handlers on the real Qt platform, ticked over one kind's folder in one mode.
#include <pthread.h>
#include <time.h>

#include <QLoggingCategory>

#include <atomic>
#include <cstring>
#include <optional>
#include <thread>
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

namespace {

// What the program passes over goes to its "pixora" category, from any thread: a tick that passed
// over anything did not show its picture.
std::atomic<int> gPassedOver{0};
QtMessageHandler gOtherMessages = nullptr;

void countPassedOver(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::strcmp(context.category, "pixora") == 0)
        ++gPassedOver;
    else if (gOtherMessages)
        gOtherMessages(type, context, message);
}

// Keeps one core busy until destroyed, as another program on the machine would.
class BusyCore {
public:
    BusyCore() : thread_([this] { spin(); }) {}
    ~BusyCore()
    {
        stop_ = true;
        thread_.join();
    }
    BusyCore(const BusyCore&) = delete;
    BusyCore& operator=(const BusyCore&) = delete;

    // The CPU time it has spun so far, which is none of the program's.
    double cpuMilliseconds()
    {
        clockid_t clock{};
        timespec spun{};
        if (pthread_getcpuclockid(thread_.native_handle(), &clock) != 0 || clock_gettime(clock, &spun) != 0)
            return 0;
        return static_cast<double>(spun.tv_sec) * 1000 + static_cast<double>(spun.tv_nsec) / 1e6;
    }

private:
    void spin() const
    {
        while (!stop_.load(std::memory_order_relaxed)) {
        }
    }

    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

int runShow(const QString& folder, const ShowMode& mode, bool loaded)
{
    QLoggingCategory::setFilterRules("pixora.debug=true");
    gOtherMessages = qInstallMessageHandler(countPassedOver);
    std::optional<BusyCore> busy;
    if (loaded)
        busy.emplace();

    platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
    Form1 form(ui);
    wireEvents(form);
    form.Me.show();
    settle();

    form.Dir1.setPath(folder.toStdString());
    form.chkReSize.setValue(mode.fit ? 1 : 0);
    form.chkRandomPictures.setValue(mode.random ? 1 : 0);
    form.HScroll1.setValue(mode.pace > 0 ? mode.pace : kPaceMilliseconds);
    const auto programCpu = [&busy] { return processCpuMilliseconds() - (busy ? busy->cpuMilliseconds() : 0); };
    const double cpuAtGo = programCpu();
    const Clock::time_point go = Clock::now();
    // Right after the folder and the options were set: nothing was decoded ahead for this Go.
    form.cmdGo.Click.raise();
    // Go's picture has its whole period from the moment Go's handler returns; from here the benchmark
    // raises the timer's tick itself, on its own clock.
    const Clock::time_point firstPeriod = Clock::now();
    form.Timer1.setEnabled(false);
    settle();
    const double coldGo = millisecondsSince(go);
    idleUntil(firstPeriod, mode.pace);

    std::vector<double> whole, held;
    int shown = 0;
    for (int tick = 1; tick <= mode.ticks; ++tick) {
        const int passedOver = gPassedOver;
        const Clock::time_point start = Clock::now();
        form.Timer1.Tick.raise();
        held.push_back(millisecondsSince(start));
        settle();
        whole.push_back(millisecondsSince(start));
        shown += gPassedOver == passedOver ? 1 : 0;
        if (tick == 50) {
            printFigure("rss_tick50_mb", statusMegabytes("VmRSS"));
            printFigure("peak_rss_tick50_mb", statusMegabytes("VmHWM"));
        }
        idleUntil(start, mode.pace);
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
    const double cpuPerPicture = (programCpu() - cpuAtGo) / (1 + mode.ticks + mode.timerTicks);

    const Spread tick = spreadOf(whole);
    const Spread hold = spreadOf(held);
    printFigure("tick_median_ms", tick.median);
    printFigure("tick_p95_ms", tick.p95);
    printFigure("hold_median_ms", hold.median);
    printFigure("hold_p95_ms", hold.p95);
    printFigure("rss_end_mb", statusMegabytes("VmRSS"));
    printFigure("peak_rss_mb", statusMegabytes("VmHWM"));
    printFigure("cpu_per_picture_ms", cpuPerPicture);
    printFigure("shown_ticks", shown);
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
