#include "platform/MprisService.h"

#include "platform/MprisPlayerAdaptor.h"
#include "platform/MprisRootAdaptor.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <utility>

namespace Platform {

namespace {
const QString ServiceBase = QStringLiteral("org.mpris.MediaPlayer2.zorvi");
const QString NoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
} // namespace

MprisService::MprisService(MediaPlayerControl &control, MprisIdentity identity, QObject *parent)
    : QObject(parent), m_control(control), m_identity(std::move(identity))
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
}

MprisService::~MprisService()
{
    if (m_serviceName.isEmpty())
        return;
    m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(ObjectPath);
}

bool MprisService::Register(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    m_bus = bus;
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    // MPRIS names a second copy of a player with an instance suffix.
    for (const QString &name : {ServiceBase, ServiceBase + QStringLiteral(".instance") +
                                                 QString::number(QCoreApplication::applicationPid())}) {
        if (m_bus.registerService(name)) {
            m_serviceName = name;
            m_announced = watchedProperties();
            return true;
        }
    }
    m_bus.unregisterObject(ObjectPath);
    return false;
}

void MprisService::RefreshSoon()
{
    if (std::exchange(m_refreshDue, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshDue = false;
            Refresh();
        },
        Qt::QueuedConnection);
}

void MprisService::RefuseCall(const QString &reason)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, reason);
}

QString MprisService::PlaybackStatus() const
{
    switch (m_control.State()) {
    case PlayerState::Playing:
        return QStringLiteral("Playing");
    case PlayerState::Paused:
        return QStringLiteral("Paused");
    case PlayerState::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QDBusObjectPath MprisService::TrackId()
{
    const QString url = m_control.Url();
    if (url.isEmpty())
        return QDBusObjectPath(NoTrack);
    if (url != m_trackUrl) {
        m_trackUrl = url;
        ++m_trackNumber;
    }
    return QDBusObjectPath(QStringLiteral("/org/zorvi/Track/") + QString::number(m_trackNumber));
}

QVariantMap MprisService::Metadata()
{
    QVariantMap map{{QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId())}};
    const QString url = m_control.Url();
    if (url.isEmpty())
        return map;
    map.insert(QStringLiteral("xesam:url"), url);
    map.insert(QStringLiteral("xesam:title"), m_control.Title());
    if (const QString artist = m_control.Artist(); !artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{artist});
    if (const QString album = m_control.Album(); !album.isEmpty())
        map.insert(QStringLiteral("xesam:album"), album);
    if (const double length = m_control.Length(); length > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(length * 1e6));
    return map;
}

QVariantMap MprisService::watchedProperties()
{
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus()},
        {QStringLiteral("Metadata"), Metadata()},
        {QStringLiteral("Volume"), m_control.Volume() / 100.0},
        {QStringLiteral("CanSeek"), m_control.CanSeek()},
        {QStringLiteral("CanGoNext"), m_control.CanGoNext()},
        {QStringLiteral("CanGoPrevious"), m_control.CanGoPrevious()},
    };
}

void MprisService::Refresh()
{
    if (m_serviceName.isEmpty())
        return;
    const QVariantMap now = watchedProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_announced = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_bus.send(signal);
}

} // namespace Platform
