#include "app/EnginePlayerControl.h"

#include "app/Startup.h"
#include "common/FileNames.h"
#include "common/NumberFormat.h"
#include "common/ZError.h"
#include "engine/EngineCore.h"
#include "platform/HandOver.h"
#include "playlist/ListedNames.h"
#include "playlist/ZorviPlaylist.h"

#include <QUrl>

EnginePlayerControl::EnginePlayerControl(EngineCore &engine, TZorviPlaylist &playlist,
                                         std::function<void()> raise)
    : m_engine(engine), m_playlist(playlist), m_raise(std::move(raise))
{
}

void EnginePlayerControl::Play()
{
    m_engine.ExecuteCommand(QStringLiteral("play"));
}

void EnginePlayerControl::Pause()
{
    // "pause" toggles, and starts playback when nothing plays.
    if (State() == Platform::PlayerState::Playing)
        m_engine.ExecuteCommand(QStringLiteral("pause"));
}

void EnginePlayerControl::PlayPause()
{
    m_engine.ExecuteCommand(QStringLiteral("pause"));
}

void EnginePlayerControl::Stop()
{
    m_engine.ExecuteCommand(QStringLiteral("stop"));
}

void EnginePlayerControl::Next()
{
    m_engine.ExecuteCommand(QStringLiteral("next"));
}

void EnginePlayerControl::Previous()
{
    m_engine.ExecuteCommand(QStringLiteral("prev"));
}

void EnginePlayerControl::SeekBy(double seconds)
{
    m_engine.ExecuteCommand(QStringLiteral("seek ") + FormatG15(seconds));
}

void EnginePlayerControl::SeekTo(double seconds)
{
    m_engine.ExecuteCommand(QStringLiteral("seek ") + FormatG15(seconds) + QStringLiteral(" 1"));
}

void EnginePlayerControl::SetVolume(double percent)
{
    m_engine.ExecuteCommand(QStringLiteral("volume ") + FormatG15(percent) + QStringLiteral(" 1"));
}

QString EnginePlayerControl::OpenUri(const QString &uri)
{
    if (uri.size() > HandOver::MaxNameLength)
        return TooManyOrTooLong(1);
    const QUrl url(uri);
    const QString target = url.isLocalFile() ? LocalFileOfUrl(url) : uri;
    if (target.isEmpty())
        return QStringLiteral("Nothing to open");
    try {
        // As a hand-over: what is listed already plays from where it is.
        const int index = ListedNames(m_playlist).Add(target);
        if (index >= 0)
            m_engine.PlayEntry(index);
    } catch (const ZError &e) {
        return e.message();
    }
    return {};
}

void EnginePlayerControl::Raise()
{
    m_raise();
}

void EnginePlayerControl::Quit()
{
    m_engine.ExecuteCommand(QStringLiteral("mainquit"));
}

Platform::PlayerState EnginePlayerControl::State() const
{
    if (!m_engine.IsRunning())
        return Platform::PlayerState::Stopped;
    if (m_engine.State().Paused)
        return Platform::PlayerState::Paused;
    switch (m_engine.State().Status) {
    case PlaybackStatus::Opening:
    case PlaybackStatus::Playing:
    case PlaybackStatus::Seeking:
        return Platform::PlayerState::Playing;
    case PlaybackStatus::Paused:
        return Platform::PlayerState::Paused;
    default:
        return Platform::PlayerState::Stopped;
    }
}

bool EnginePlayerControl::PlaysSoundOnly() const
{
    const PlaybackStatus status = m_engine.State().Status;
    return State() == Platform::PlayerState::Playing && !m_engine.State().HasVideo &&
           (status == PlaybackStatus::Playing || status == PlaybackStatus::Seeking);
}

QString EnginePlayerControl::Title() const
{
    const PlaybackState &s = m_engine.State();
    return s.Tags.Title.isEmpty() ? s.DisplayName : s.Tags.Title;
}

QString EnginePlayerControl::Artist() const
{
    return m_engine.State().Tags.Artist;
}

QString EnginePlayerControl::Album() const
{
    return m_engine.State().Tags.Album;
}

QString EnginePlayerControl::Url() const
{
    QString media = QString::fromUtf8(m_engine.State().MediaURL);
    // The engine gets a path with spaces in double quotes.
    if (media.size() >= 2 && media.startsWith(u'"') && media.endsWith(u'"'))
        media = media.mid(1, media.size() - 2);
    if (media.isEmpty() || media.contains(QLatin1String("://")))
        return media;
    return QUrl::fromLocalFile(media).toString(QUrl::FullyEncoded);
}

double EnginePlayerControl::Length() const
{
    return m_engine.State().PositionProp.Max;
}

double EnginePlayerControl::Position() const
{
    return m_engine.State().PositionProp.Value;
}

double EnginePlayerControl::Volume() const
{
    return m_engine.State().VolumeProp.Value;
}

bool EnginePlayerControl::CanSeek() const
{
    return m_engine.IsRunning() && m_engine.State().PositionProp.Max > 0;
}

// Repeating all or shuffling, an entry always follows (or came before).
bool EnginePlayerControl::CanGoNext() const
{
    const bool around = m_playlist.Repeat() == RepeatMode::All || m_playlist.Shuffle();
    return m_playlist.Count() > 1 && (around || m_playlist.CurrentIndex() < m_playlist.Count() - 1);
}

bool EnginePlayerControl::CanGoPrevious() const
{
    const bool around = m_playlist.Repeat() == RepeatMode::All || m_playlist.Shuffle();
    return m_playlist.Count() > 1 && (around || m_playlist.CurrentIndex() > 0);
}
