#pragma once
// The player on the session bus as an MPRIS 2 media player
// (org.mpris.MediaPlayer2.zorvi), so desktop media controls and the keyboard's
// media keys reach it. Every call goes to a MediaPlayerControl.
#include "platform/MediaPlayerControl.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace Platform {

struct MprisIdentity {
    QString Identity;     // the name shown to the user
    QString DesktopEntry; // the desktop file's name without ".desktop"
    QStringList UriSchemes;
    QStringList MimeTypes;
};

// The call context of a bus call is kept on this object, not on its adaptors:
// an adaptor's own context is never set, so only this one may answer a call.
class MprisService : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    static inline const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
    static inline const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

    MprisService(MediaPlayerControl &control, MprisIdentity identity, QObject *parent = nullptr);
    ~MprisService() override;

    // Takes org.mpris.MediaPlayer2.zorvi, or zorvi.instance<pid> when another
    // player holds that name. False without a bus: the player runs without it.
    bool Register(const QDBusConnection &bus);
    QString ServiceName() const { return m_serviceName; }

    // Announces with PropertiesChanged what differs from the last announcement.
    // The position is not among them: clients read it when they need it.
    void Refresh();
    // Refreshes once the event at hand has been handled, however many
    // changes it made; connected to the player's change signals.
    void RefreshSoon();

    // For the bus interfaces.
    MediaPlayerControl &Control() const { return m_control; }
    const MprisIdentity &Identity() const { return m_identity; }
    QString PlaybackStatus() const;
    // Changes whenever another media is loaded.
    QDBusObjectPath TrackId();
    QVariantMap Metadata();
    // Answers the bus call being handled with an InvalidArgs error; nothing
    // outside a bus call.
    void RefuseCall(const QString &reason);

private:
    QVariantMap watchedProperties();

    MediaPlayerControl &m_control;
    MprisIdentity m_identity;
    QDBusConnection m_bus{QString()};
    QString m_serviceName;
    QVariantMap m_announced;
    QString m_trackUrl;
    int m_trackNumber = 0;
    bool m_refreshDue = false;
};

} // namespace Platform
