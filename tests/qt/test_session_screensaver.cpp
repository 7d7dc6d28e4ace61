// The screensaver held off over a private session bus: one Inhibit per run, released on stop and at the end;
// without a screensaver there, or once it leaves, the X server's own suspended instead for the run.
#include <QDBusConnection>
#include <QMutex>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <atomic>

#include "platform/desktop/qt_session.h"

namespace {

using platform::qt::QtSession;

// Stands in for the desktop's screensaver: hands out cookies and writes down every call.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QString calls() const
    {
        QMutexLocker lock(&mutex_);
        return calls_;
    }

    // The next Inhibit takes the service off the bus before its reply goes out.
    std::atomic<bool> leaveWhileGranting{false};

public slots:
    uint Inhibit(const QString& application, const QString& reason)
    {
        if (leaveWhileGranting.exchange(false))
            QDBusConnection("screensaver").unregisterService("org.freedesktop.ScreenSaver");
        QMutexLocker lock(&mutex_);
        calls_ += QStringLiteral("Inhibit %1, %2 -> %3. ").arg(application, reason).arg(++cookies_);
        return cookies_;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&mutex_);
        calls_ += QStringLiteral("UnInhibit %1. ").arg(cookie);
    }

private:
    mutable QMutex mutex_;
    QString calls_;
    uint cookies_ = 0;
};

// Warnings and messages of Qt while a test runs: there must be none.
QStringList messages;

// A dbus-daemon of the test's own, and the fake screensaver answering on it from a thread of its
// own, since the session waits for the reply to its last call.
class Screensaver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            GTEST_SKIP() << "no dbus-daemon";
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        ASSERT_TRUE(QTest::qWaitFor([this] { return daemon_.canReadLine(); }, 10000)) << "dbus-daemon gave no address";
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        messages.clear();
        previousHandler_ =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { messages << m; });
    }

    void TearDown() override
    {
        qInstallMessageHandler(previousHandler_);
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
        QDBusConnection::disconnectFromBus("screensaver");
        thread_.quit();
        thread_.wait();
        QDBusConnection::disconnectFromBus("pixora");
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    QDBusConnection bus() { return QDBusConnection::connectToBus(address_, "pixora"); }

    void offerScreensaver()
    {
        fake.moveToThread(&thread_);
        thread_.start();
        QDBusConnection service = QDBusConnection::connectToBus(address_, "screensaver");
        ASSERT_TRUE(service.registerObject("/org/freedesktop/ScreenSaver", &fake, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService("org.freedesktop.ScreenSaver"));
    }

    void withdrawScreensaver()
    {
        ASSERT_TRUE(QDBusConnection("screensaver").unregisterService("org.freedesktop.ScreenSaver"));
    }

    FakeScreenSaver fake;

private:
    QProcess daemon_;
    QString address_;
    QThread thread_;
    QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(Screensaver, OneIsHeldOncePerRunReleasedOnStopEvenBeforeTheReplyAndAtTheEndWithoutOneTheXServersIsSuspended)
{
    QString x11;
    const auto suspendX11 = [&x11](bool suspend) {
        x11 += suspend ? "suspend " : "lift ";
        return true;
    };
    {
        QtSession session(bus(), suspendX11);
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return x11 == "suspend "; }, 10000));
        session.setShowRunning(false);
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return x11 == "suspend lift suspend "; }, 10000));
    }
    {
        // Stopped before the refusal comes back, then ended while asking again: nothing to suspend.
        QtSession session(bus(), suspendX11);
        session.setShowRunning(true);
        session.setShowRunning(false);
        QTest::qWait(200);
        session.setShowRunning(true);
    }
    QtSession unconnected(QDBusConnection("no bus"), suspendX11);
    for (const bool running : {true, false, true, false})
        unconnected.setShowRunning(running);
    EXPECT_EQ(x11, "suspend lift suspend lift suspend lift suspend lift ");

    x11.clear();
    offerScreensaver();
    {
        QtSession session(bus(), suspendX11);
        // Stopped, started and stopped again before the screensaver answers: its cookie is given back.
        for (const bool running : {false, true, false, true, false})
            session.setShowRunning(running);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("UnInhibit 1. "); }, 10000));
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("-> 2. "); }, 10000));
        for (const bool running : {true, false, false})
            session.setShowRunning(running);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("UnInhibit 2. "); }, 10000));
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("-> 3. "); }, 10000));
    }
    // The fake service records on its own thread, so the release may land a moment after the end.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("UnInhibit 3. "); }, 10000));
    EXPECT_EQ(fake.calls(), "Inhibit Pixora, Slide show -> 1. UnInhibit 1. Inhibit Pixora, Slide show -> 2. "
                            "UnInhibit 2. Inhibit Pixora, Slide show -> 3. UnInhibit 3. ");
    EXPECT_EQ(x11, "");

    {
        // The screensaver leaves during a show, taking its hold with it.
        QtSession session(bus(), suspendX11);
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls().endsWith("-> 4. "); }, 10000));
        withdrawScreensaver();
        ASSERT_TRUE(QTest::qWaitFor([&] { return x11 == "suspend "; }, 10000));
    }
    EXPECT_EQ(x11, "suspend lift ");

    x11.clear();
    ASSERT_TRUE(QDBusConnection("screensaver").registerService("org.freedesktop.ScreenSaver"));
    fake.leaveWhileGranting = true;
    {
        // It leaves as it grants the hold: the notice comes before the hold does.
        QtSession session(bus(), suspendX11);
        session.setShowRunning(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return x11 == "suspend "; }, 10000));
    }
    EXPECT_EQ(x11, "suspend lift ");
}

}  // namespace

#include "test_session_screensaver.moc"
