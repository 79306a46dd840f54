#pragma once
// The last playlist and its current entry, kept between runs in the user's
// state folder as an M3U8 file with #EXTINF titles and lengths. Written
// atomically a short while after the list last changed (a burst of changes
// makes one write) and at exit; read back at a start without media names.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class TZorviPlaylist;

class PlaylistKeeper : public QObject {
    Q_OBJECT
public:
    // Changes are written this long after the last one.
    static constexpr int IdleMs = 2000;

    // `enabled` is the setting, read at each write: while it is off nothing
    // is kept and the file goes.
    PlaylistKeeper(TZorviPlaylist &playlist, const bool &enabled, QString path);

    // $XDG_STATE_HOME/zorvi/playlist.m3u8
    static QString DefaultPath();

    // Appends the kept entries and marks the kept current one; false when
    // nothing was kept (or keeping is off).
    bool Restore();
    // Writes now when the list differs from what was written last.
    void SaveNow();

private:
    QByteArray keptBytes() const;

    TZorviPlaylist &m_playlist;
    const bool &m_enabled;
    QString m_path;
    QByteArray m_written;
    QTimer m_idle;
};
