// While a show runs: the screensaver held off over the session bus, the idle pointer hidden.
#pragma once

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QObject>
#include <optional>

#include "platform/system.h"

namespace platform::qt {

class QtSession : public Session {
public:
    // A bus that is not connected leaves the screensaver alone, silently.
    explicit QtSession(QDBusConnection bus = QDBusConnection::sessionBus());
    ~QtSession() override;
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    void setShowRunning(bool running) override;

private:
    void inhibit();
    void release();

    QDBusConnection bus_;
    bool running_ = false;
    // Between an Inhibit call and its reply; the reply decides what follows.
    bool asking_ = false;
    std::optional<uint> cookie_;
    std::optional<QDBusPendingCall> pending_;
    // Owns the pending replies, so that none reaches a session that is gone.
    QObject replies_;
};

}  // namespace platform::qt
