// Keeping the display and the computer awake against stand-in services on a
// private session bus (the test runs under dbus-run-session).
#include "platform/KeepAwake.h"
#include "platform/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <atomic>
#include <poll.h>

namespace {
// One object answers for every service: the screen saver's SimulateActivity,
// the portal's Inhibit and the Close of the request it hands out, and
// logind's Inhibit: the write end of a pipe whose read end sees its end once
// every copy is closed.
class StandIns : public QObject {
    Q_OBJECT
public:
    std::atomic<int> calls{0};
    std::atomic<uint> flags{0};
    std::atomic<int> closed{0};
    int readEnd = -1;
public Q_SLOTS:
    void SimulateActivity() { ++calls; }
    QDBusObjectPath Inhibit(const QString &, uint f, const QVariantMap &)
    {
        flags = f;
        return QDBusObjectPath("/request");
    }
    void Close() { ++closed; }
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &, const QString &, const QString &)
    {
        int fds[2];
        if (what != "sleep" || ::pipe(fds) != 0)
            return {};
        readEnd = fds[0];
        const QDBusUnixFileDescriptor lock(fds[1]);
        ::close(fds[1]);
        return lock;
    }
};
} // namespace

TEST(KeepAwake, SimulatesActivityThroughTheSessionsScreenSaver)
{
    EnsureApp<QCoreApplication>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());

    // Answers on a connection and thread of its own while the call blocks this one.
    QThread thread;
    StandIns service;
    service.moveToThread(&thread);
    thread.start();
    QDBusConnection serviceBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
    for (const auto &[path, interface] :
         {std::pair{"/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
          {"/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit"},
          {"/request", "org.freedesktop.portal.Request"},
          {"/org/freedesktop/login1", "org.freedesktop.login1.Manager"}})
        ASSERT_TRUE(serviceBus.registerObject(path, interface, &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.ScreenSaver"));

    EXPECT_EQ(Platform::SimulateUserActivity(bus), Platform::AwakeMethod::ScreenSaverService);
    EXPECT_EQ(service.calls, 1);

    // Without the service the X screen saver is the fallback (none without a display).
    serviceBus.unregisterService("org.freedesktop.ScreenSaver");
    EXPECT_NE(Platform::SimulateUserActivity(bus), Platform::AwakeMethod::ScreenSaverService);
    EXPECT_EQ(service.calls, 1);

    // Sleep: the portal first, let go once however often asked, then logind's lock.
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.portal.Desktop"));
    {
        Platform::SleepInhibitor lock(bus, bus);
        for (bool on : {true, true, false, false, true})
            lock.SetInhibited(on);
        EXPECT_EQ(lock.Method(), Platform::InhibitMethod::Portal);
        EXPECT_EQ(service.flags, 4u); // suspend, not the screen
        EXPECT_EQ(service.closed, 1);
    } // the end of the program lets go too
    EXPECT_EQ(service.closed, 2);

    serviceBus.unregisterService("org.freedesktop.portal.Desktop");
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.login1"));
    Platform::SleepInhibitor lock(bus, bus);
    lock.SetInhibited(true);
    ASSERT_EQ(lock.Method(), Platform::InhibitMethod::Logind);
    pollfd held{service.readEnd, POLLIN, 0};
    EXPECT_EQ(::poll(&held, 1, 0), 0) << "let go while playing";
    lock.SetInhibited(false);
    EXPECT_EQ(::poll(&held, 1, 1000), 1) << "still held after the pause";
    ::close(service.readEnd);
    serviceBus.unregisterService("org.freedesktop.login1");
    lock.SetInhibited(true); // no service at all: nothing held, nothing thrown
    EXPECT_EQ(lock.Method(), Platform::InhibitMethod::None);

    QDBusConnection::disconnectFromBus("stand-in");
    thread.quit();
    thread.wait();
}

#include "test_bus.moc"
