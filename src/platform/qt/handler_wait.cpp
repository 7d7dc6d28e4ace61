// The window's thread waiting inside a handler, on a decode, with the windows kept painted.
#include "platform/qt/handler_wait.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>
#include <vector>

namespace platform::qt {

namespace {

int depth = 0;
std::vector<std::function<void()>> putOff;

}  // namespace

HandlerWait::HandlerWait()
{
    ++depth;
}

HandlerWait::~HandlerWait()
{
    if (--depth > 0)
        return;
    // The handler that waited is still running: what was put off runs from the event loop, after it,
    // or waits again for a wait the same handler opens next.
    for (std::function<void()>& act : std::exchange(putOff, {}))
        QTimer::singleShot(0, QCoreApplication::instance(), [act = std::move(act)] { whenEnded(act); });
}

bool HandlerWait::open()
{
    return depth > 0;
}

void HandlerWait::whenEnded(std::function<void()> act)
{
    if (open())
        putOff.push_back(std::move(act));
    else
        act();
}

}  // namespace platform::qt
