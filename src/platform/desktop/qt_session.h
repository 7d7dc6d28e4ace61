// While a show runs: the screensaver held off over the session bus, or by the X server itself where
// the desktop offers no screensaver service; the idle pointer hidden.
#pragma once

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "platform/desktop/x11_screensaver.h"
#include "platform/system.h"

namespace platform::qt {

class QtSession : public Session {
public:
    // A bus that is not connected, or one without a screensaver, leaves it to suspendX11: given true
    // it suspends the X server's screensaver and says whether it did, given false it lifts that.
    explicit QtSession(QDBusConnection bus = QDBusConnection::sessionBus(),
                       std::function<bool(bool)> suspendX11 = suspendX11Screensaver);
    ~QtSession() override;
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    void setShowRunning(bool running) override;

private:
    void inhibit();
    void release();
    void fallBack(const QString& reason);
    void liftX11();

    QDBusConnection bus_;
    std::function<bool(bool)> suspendX11_;
    bool running_ = false;
    // Between an Inhibit call and its reply; the reply decides what follows.
    bool asking_ = false;
    // The screensaver left while asked: a hold it still grants is gone with it.
    bool leftWhileAsking_ = false;
    std::optional<uint> cookie_;
    std::optional<QDBusPendingCall> pending_;
    bool x11Suspended_ = false;
    bool fallbackNoted_ = false;
    // Owns the pending replies, so that none reaches a session that is gone.
    QObject replies_;
    QDBusServiceWatcher serviceWatcher_;
};

}  // namespace platform::qt
