#include "platform/MprisRootAdaptor.h"

#include "platform/MprisService.h"

namespace Platform {

MprisRootAdaptor::MprisRootAdaptor(MprisService *service) : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisRootAdaptor::identity() const
{
    return m_service->Identity().Identity;
}

QString MprisRootAdaptor::desktopEntry() const
{
    return m_service->Identity().DesktopEntry;
}

QStringList MprisRootAdaptor::supportedUriSchemes() const
{
    return m_service->Identity().UriSchemes;
}

QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    return m_service->Identity().MimeTypes;
}

void MprisRootAdaptor::Raise()
{
    m_service->Control().Raise();
}

void MprisRootAdaptor::Quit()
{
    m_service->Control().Quit();
}

} // namespace Platform
