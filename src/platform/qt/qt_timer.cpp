// An enabled timer with a zero interval stays enabled but never ticks, rather than ticking without end.
#include "platform/qt/qt_timer.h"

#include "platform/failure.h"
#include "platform/qt/raise.h"

namespace platform::qt {

QtTimer::QtTimer(const ControlDesign& design)
{
    // Qt's default coarse timer moves each period by up to a twentieth to wake together with others,
    // so at the fastest speed a show drifts by tens of milliseconds off the beat the user set.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { raiseFromQt(Tick); });
    setInterval(design.value);
}

bool QtTimer::enabled() const
{
    return enabled_;
}

void QtTimer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    apply();
}

int QtTimer::interval() const
{
    return timer_.interval();
}

void QtTimer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw Failure("negative timer interval");
    timer_.setInterval(milliseconds);
    apply();
}

void QtTimer::apply()
{
    if (enabled_ && timer_.interval() > 0)
        timer_.start();
    else
        timer_.stop();
}

}  // namespace platform::qt
