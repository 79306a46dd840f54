#pragma once
// Keeps the computer from suspending while sound alone plays (a video keeps
// the display awake by itself, see KeepAwake.h). The desktop portal's Inhibit
// is asked first, then logind's. Neither can outlive the program: the portal
// drops what a bus connection asked for when it closes, and logind's lock is a
// file descriptor that closes with the process.
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>

namespace Platform {

enum class InhibitMethod { None, Portal, Logind };

// A QObject so that connections to it end with it.
class SleepInhibitor : public QObject {
    Q_OBJECT
public:
    // The portal is asked on the session bus, logind on the system bus.
    SleepInhibitor(const QDBusConnection &sessionBus, const QDBusConnection &systemBus)
        : m_session(sessionBus), m_system(systemBus)
    {
    }
    ~SleepInhibitor() override { SetInhibited(false); }

    // Takes or lets go of the lock; repeating the current state does nothing.
    // Without a service that answers, nothing is held and nothing is reported.
    void SetInhibited(bool inhibited);
    // What holds the lock now.
    InhibitMethod Method() const { return m_method; }

private:
    bool inhibitWithPortal();
    bool inhibitWithLogind();

    QDBusConnection m_session;
    QDBusConnection m_system;
    InhibitMethod m_method = InhibitMethod::None;
    bool m_wanted = false;
    QDBusObjectPath m_portalRequest;
    QDBusUnixFileDescriptor m_logindLock;
};

} // namespace Platform
