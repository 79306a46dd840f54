#include "platform/KeepAwake.h"

#include "platform/X11WindowState.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace Platform {

AwakeMethod SimulateUserActivity(const QDBusConnection &bus)
{
    if (bus.isConnected()) {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("SimulateActivity"));
        // Without the service the bus answers at once; a hung one costs at most this.
        const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return AwakeMethod::ScreenSaverService;
    }
    return ResetX11ScreenSaver() ? AwakeMethod::X11 : AwakeMethod::None;
}

} // namespace Platform
