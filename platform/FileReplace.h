#pragma once
// Replaces a file's contents so that a failure at any step (a full disk, a
// size limit, an I/O error) leaves the old file exactly as it was.
#include <QByteArray>
#include <QString>

namespace Platform {
// Writes a sibling file, syncs it and renames it over path, checking every
// write, the sync and the close. A file that may be written in a folder that
// may not is overwritten in place instead, with the space reserved first.
// Returns false, with the old file untouched, when the new one cannot be made
// whole.
bool ReplaceFileContents(const QString &path, const QByteArray &bytes);
} // namespace Platform
