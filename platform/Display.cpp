#include "platform/Display.h"

#include <QByteArray>
#include <QtGlobal>
#include <X11/Xlib.h>

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

DisplayCheck::DisplayCheck()
{
    if (qgetenv("QT_QPA_PLATFORM") != "xcb")
        return;
    // Qt aborts without a display, telling the user to reinstall; say what is missing instead.
    m_display = XOpenDisplay(nullptr);
    if (m_display)
        return;
    const QByteArray name = qgetenv("DISPLAY");
    const QString where =
        name.isEmpty() ? QStringLiteral("DISPLAY is not set")
                       : QStringLiteral("display \"%1\" does not answer").arg(QString::fromLocal8Bit(name));
    m_missing = QStringLiteral("zorvi: no X11 display (%1). Zorvi needs an X11 display, or XWayland in a "
                               "Wayland session, because MPlayer draws into an X window.\n")
                    .arg(where);
}

DisplayCheck::~DisplayCheck()
{
    if (m_display)
        XCloseDisplay(static_cast<Display *>(m_display));
}
} // namespace Platform
