// Inhibit and UnInhibit on org.freedesktop.ScreenSaver, sent only when the show starts or stops running.
#include "platform/desktop/qt_session.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>
#include <QVariant>
#include <utility>

#include "platform/qt/click_surface.h"

namespace platform::qt {

namespace {

// Also how long the end of the program may wait for a hold still being granted.
constexpr int kInhibitTimeoutMs = 2000;

QDBusMessage screenSaverCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
}

}  // namespace

QtSession::QtSession(QDBusConnection bus) : bus_(std::move(bus)) {}

QtSession::~QtSession()
{
    ClickSurface::hidePointerWhenIdle(false);
    // A hold still being granted is waited for, so that its cookie is given back too.
    if (asking_ && pending_) {
        asking_ = false;
        pending_->waitForFinished();
        const QDBusPendingReply<uint> reply = *pending_;
        if (reply.isValid())
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
    if (!bus_.isConnected() || asking_)
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
        // No screensaver on the bus is no fault: the show simply runs without holding it off.
        if (reply.isValid())
            cookie_ = reply.value();
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

}  // namespace platform::qt
