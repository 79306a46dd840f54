#include "app/PlaylistKeeper.h"

#include "common/Report.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "playlist/ZorviPlaylist.h"

#include <QDir>
#include <QFile>

PlaylistKeeper::PlaylistKeeper(TZorviPlaylist &playlist, const bool &enabled, QString path)
    : m_playlist(playlist), m_enabled(enabled), m_path(std::move(path))
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleMs);
    connect(&m_idle, &QTimer::timeout, this, [this] { RunGuarded([this] { SaveNow(); }); });
    connect(&m_playlist, &TSelectList::OnChange, this, [this] { m_idle.start(); });
}

QString PlaylistKeeper::DefaultPath()
{
    return Platform::UserStateDirectory() + QStringLiteral("playlist.m3u8");
}

bool PlaylistKeeper::Restore()
{
    if (!m_enabled)
        return false;
    const PlaylistRead kept = PlaylistFile::Read(m_path);
    if (kept.Entries.isEmpty())
        return false;
    const int first = m_playlist.AddEntries(kept.Entries);
    if (first >= 0 && kept.Current >= 0)
        m_playlist.SetCurrent(first + kept.Current);
    m_written = keptBytes();
    return true;
}

QByteArray PlaylistKeeper::keptBytes() const
{
    int current = -1;
    const QList<PlaylistEntry> entries = m_playlist.Entries(&current);
    return PlaylistFile::Write(entries, PlaylistFormat::M3U8, current);
}

void PlaylistKeeper::SaveNow()
{
    m_idle.stop();
    if (!m_enabled) {
        QFile::remove(m_path);
        m_written.clear();
        return;
    }
    const QByteArray bytes = keptBytes();
    if (bytes == m_written)
        return;
    QDir().mkpath(m_path.left(m_path.lastIndexOf(u'/')));
    // A state file that cannot be written is tried again at the next change.
    if (Platform::ReplaceFileContents(m_path, bytes))
        m_written = bytes;
}
