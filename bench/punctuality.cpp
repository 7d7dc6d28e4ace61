// Punctuality: the program's own timer runs the show, and each picture's paint is timed against the
// period that brought it.
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <utility>
#include <vector>

#include "form/form1.h"
#include "measure.h"
#include "platform/qt/qt_picture_box.h"
#include "platform/qt/qt_window.h"
#include "show_phases.h"

namespace bench {

namespace {

// The widget a new picture is painted on: the display window when fitted, Picture1 otherwise.
QWidget* pictureSurface(Form1& form, bool fitted)
{
    if (fitted)
        return dynamic_cast<platform::qt::QtWindow&>(form.Form2).widget();
    return dynamic_cast<platform::qt::QtPictureBox&>(form.Picture1).widget();
}

// Notes the end of the first paint of the surface after each picture the tick counts as shown.
class PaintClock : public QObject {
public:
    PaintClock(const state::ShowState& state, int wanted, QEventLoop& loop)
        : state_(state), counted_(state.gShownCount), wanted_(wanted), loop_(loop)
    {}

    // For each picture, the number of ticks since the clock started and the moment it was painted.
    std::vector<std::pair<int, Clock::time_point>> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || state_.gShownCount == counted_)
            return false;
        // Painted here rather than after the filter, so that the moment taken is the painting's end.
        static_cast<QObject*>(watched)->event(event);
        painted.emplace_back(state_.gShownCount - first_, Clock::now());
        counted_ = state_.gShownCount;
        if (static_cast<int>(painted.size()) == wanted_)
            loop_.quit();
        return true;
    }

private:
    const state::ShowState& state_;
    const int first_ = state_.gShownCount;
    int counted_;
    int wanted_;
    QEventLoop& loop_;
};

}  // namespace

// The ticks come from Timer1 itself, at the interval the speed bar set, so that the timer's own
// accuracy counts; a picture's period ends a whole number of intervals after the timer was enabled.
std::vector<double> timerLateness(Form1& form, bool fitted, int ticks)
{
    QWidget* surface = pictureSurface(form, fitted);
    if (!surface)
        return {};
    QEventLoop loop;
    PaintClock clock(form.state, ticks, loop);
    surface->installEventFilter(&clock);
    // A show that stops ticking ends the wait as well.
    const int period = form.Timer1.interval();
    QTimer::singleShot((ticks + 4) * period, &loop, &QEventLoop::quit);
    const Clock::time_point enabled = Clock::now();
    form.Timer1.setEnabled(true);
    loop.exec();
    surface->removeEventFilter(&clock);

    std::vector<double> late;
    for (const auto& [tick, at] : clock.painted) {
        const Clock::time_point due = enabled + std::chrono::milliseconds(tick * period);
        // Early is as far off the beat as late: a timer that rounds its periods is caught either way.
        late.push_back(std::abs(std::chrono::duration<double, std::milli>(at - due).count()));
    }
    return late;
}

}  // namespace bench
