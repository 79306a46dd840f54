#include "platform/SleepInhibitor.h"

#include <QDBusMessage>
#include <QVariantMap>

namespace Platform {

namespace {
const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString LogindService = QStringLiteral("org.freedesktop.login1");
const QString Reason = QStringLiteral("Playing sound");
// A missing service answers at once; a hung one costs at most this.
constexpr int CallTimeoutMs = 500;
// The portal's "suspend" flag: sound keeps the computer up, not the screen.
constexpr uint PortalSuspend = 4;
} // namespace

void SleepInhibitor::SetInhibited(bool inhibited)
{
    if (inhibited == m_wanted)
        return;
    m_wanted = inhibited;
    if (inhibited) {
        if (!inhibitWithPortal())
            inhibitWithLogind();
        return;
    }
    if (m_method == InhibitMethod::Portal) {
        const QDBusMessage close = QDBusMessage::createMethodCall(
            PortalService, m_portalRequest.path(), QStringLiteral("org.freedesktop.portal.Request"),
            QStringLiteral("Close"));
        m_session.call(close, QDBus::Block, CallTimeoutMs);
    }
    m_logindLock = QDBusUnixFileDescriptor(); // closing the descriptor ends logind's lock
    m_portalRequest = QDBusObjectPath();
    m_method = InhibitMethod::None;
}

bool SleepInhibitor::inhibitWithPortal()
{
    if (!m_session.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << PortalSuspend << QVariantMap{{QStringLiteral("reason"), Reason}};
    const QDBusMessage reply = m_session.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    m_portalRequest = reply.arguments().constFirst().value<QDBusObjectPath>();
    if (m_portalRequest.path().isEmpty())
        return false;
    m_method = InhibitMethod::Portal;
    return true;
}

bool SleepInhibitor::inhibitWithLogind()
{
    if (!m_system.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        LogindService, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Zorvi") << Reason << QStringLiteral("block");
    const QDBusMessage reply = m_system.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    m_logindLock = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    if (!m_logindLock.isValid())
        return false;
    m_method = InhibitMethod::Logind;
    return true;
}

} // namespace Platform
