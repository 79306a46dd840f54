#pragma once
// The desktop's list of recently used files ($XDG_DATA_HOME/recently-used.xbel,
// the freedesktop bookmark format), which file managers and docks show. The
// file belongs to every program of the desktop: an entry is added by splicing
// its text into the old file, whose other bytes stay as they are, and the
// file is replaced atomically. A file that does not read as such a list, or
// is larger than the bound, is left alone.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace Platform {

constexpr qsizetype MaxRecentlyUsedBytes = 4 << 20;

// The path of the list ($XDG_DATA_HOME, ~/.local/share when unset).
QString RecentlyUsedPath();
// Adds (or renews) the entry of the file (its absolute path's exact bytes)
// under `application`; false when the list was left alone.
bool AddRecentlyUsed(const QByteArray &filePath, const QString &application, const QString &exec);
// The list with the entry of `uri` added at its end; an older entry of that
// uri made only by `application` is taken out first, and one another program
// made too is kept and nothing added. Empty when the old text is not a list
// that may be edited (or nothing is to be added).
QByteArray MergeRecentlyUsed(const QByteArray &old, const QString &uri, const QString &mimeType,
                             const QString &application, const QString &exec, const QDateTime &now);

} // namespace Platform
