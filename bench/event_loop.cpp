// Letting the program's event loop run from the benchmark: what a tick left behind, or a rest.
#include "event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace bench {

void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10000);
}

void idleUntil(Clock::time_point start, int milliseconds)
{
    const int remaining = milliseconds - static_cast<int>(millisecondsSince(start));
    if (remaining <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(remaining, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace bench
