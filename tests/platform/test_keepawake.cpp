// Keeping the display awake against a stand-in screen saver on a private
// session bus (the test runs under dbus-run-session).
#include "platform/KeepAwake.h"
#include "support/QtApp.h"

#include <QDBusConnection>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

namespace {
class StandInScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    std::atomic<int> calls{0};
public Q_SLOTS:
    void SimulateActivity() { ++calls; }
};
} // namespace

TEST(KeepAwake, SimulatesActivityThroughTheSessionsScreenSaver)
{
    EnsureApp<QCoreApplication>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());

    // Answers on a connection and thread of its own while the call blocks this one.
    QThread thread;
    StandInScreenSaver service;
    service.moveToThread(&thread);
    thread.start();
    QDBusConnection serviceBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
    ASSERT_TRUE(
        serviceBus.registerObject("/org/freedesktop/ScreenSaver", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.ScreenSaver"));

    EXPECT_EQ(Platform::SimulateUserActivity(bus), Platform::AwakeMethod::ScreenSaverService);
    EXPECT_EQ(service.calls, 1);

    // Without the service the X screen saver is the fallback (none without a display).
    serviceBus.unregisterService("org.freedesktop.ScreenSaver");
    EXPECT_NE(Platform::SimulateUserActivity(bus), Platform::AwakeMethod::ScreenSaverService);
    EXPECT_EQ(service.calls, 1);
    QDBusConnection::disconnectFromBus("stand-in");
    thread.quit();
    thread.wait();
}

#include "test_keepawake.moc"
