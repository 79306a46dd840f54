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
} // namespace Platform
