#include "platform/Display.h"

#include <QByteArray>
#include <QtGlobal>

namespace Platform {
void SelectX11Platform()
{
    const QByteArray current = qgetenv("QT_QPA_PLATFORM");
    if (current.isEmpty() || current.toLower().contains("wayland"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void SelectEventDispatcher()
{
    if (qEnvironmentVariableIsSet("QT_NO_GLIB") || qgetenv("QT_QPA_PLATFORMTHEME").toLower().contains("gtk"))
        return;
    qputenv("QT_NO_GLIB", "1");
}
} // namespace Platform
