// Inhibit and UnInhibit on org.freedesktop.ScreenSaver, sent only when the show starts or stops running;
// the X server's own screensaver suspended while a show runs without them.
#include "platform/desktop/qt_session.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>
#include <QVariant>
#include <utility>

#include "platform/qt/click_surface.h"
#include "platform/qt/failure_log.h"

namespace platform::qt {

namespace {

// Also how long the end of the program may wait for a hold still being granted.
constexpr int kInhibitTimeoutMs = 2000;

QString screenSaverService()
{
    return QStringLiteral("org.freedesktop.ScreenSaver");
}

// Why a hold is gone when the screensaver leaves the bus.
QString leftTheBus()
{
    return QStringLiteral("it left the bus during the show");
}

QDBusMessage screenSaverCall(const QString& method)
{
    return QDBusMessage::createMethodCall(screenSaverService(), QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          screenSaverService(), method);
}

}  // namespace

QtSession::QtSession(QDBusConnection bus, std::function<bool(bool)> suspendX11)
    : bus_(std::move(bus)),
      suspendX11_(std::move(suspendX11)),
      serviceWatcher_(screenSaverService(), bus_, QDBusServiceWatcher::WatchForUnregistration)
{
    // A screensaver that goes away takes its holds with it, and the show would blank.
    QObject::connect(&serviceWatcher_, &QDBusServiceWatcher::serviceUnregistered, &replies_, [this] {
        leftWhileAsking_ = asking_;
        if (!cookie_)
            return;
        cookie_.reset();
        fallBack(leftTheBus());
    });
}

QtSession::~QtSession()
{
    ClickSurface::hidePointerWhenIdle(false);
    liftX11();
    // A hold still being granted is waited for, so that its cookie is given back too.
    if (asking_ && pending_) {
        asking_ = false;
        pending_->waitForFinished();
        const QDBusPendingReply<uint> reply = *pending_;
        if (reply.isValid() && !leftWhileAsking_)
            cookie_ = reply.value();
    }
    if (!cookie_)
        return;
    // Waited for, briefly: a call merely queued now would be lost as the program ends.
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << *cookie_;
    bus_.call(call, QDBus::Block, 500);
}

void QtSession::setShowRunning(bool running)
{
    if (running == running_)
        return;
    running_ = running;
    ClickSurface::hidePointerWhenIdle(running);
    if (!running)
        liftX11();
    if (!bus_.isConnected()) {
        if (running)
            fallBack(QStringLiteral("there is no session bus"));
        return;
    }
    if (asking_)
        return;
    if (running)
        inhibit();
    else
        release();
}

void QtSession::inhibit()
{
    if (cookie_)
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("Pixora") << QStringLiteral("Slide show");
    asking_ = true;
    pending_ = bus_.asyncCall(call, kInhibitTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(*pending_, &replies_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &replies_, [this, watcher] {
        watcher->deleteLater();
        asking_ = false;
        const QDBusPendingReply<uint> reply = *watcher;
        const bool left = std::exchange(leftWhileAsking_, false);
        if (reply.isValid() && !left)
            cookie_ = reply.value();
        else if (running_)
            fallBack(left ? leftTheBus() : reply.error().message());
        if (!running_)
            release();
    });
}

void QtSession::release()
{
    if (!cookie_)
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << *cookie_;
    cookie_.reset();
    bus_.asyncCall(call);
}

void QtSession::fallBack(const QString& reason)
{
    x11Suspended_ = suspendX11_(true);
    if (std::exchange(fallbackNoted_, true))
        return;
    passOver("screensaver",
             "org.freedesktop.ScreenSaver does not hold the screensaver off (" + reason.toStdString() +
                 (x11Suspended_ ? "); the X server's own is suspended instead" : "), nor does the X server here"));
}

void QtSession::liftX11()
{
    if (std::exchange(x11Suspended_, false))
        suspendX11_(false);
}

}  // namespace platform::qt
