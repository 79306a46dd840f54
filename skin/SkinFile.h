#pragma once
// The files of a folder skin. A skin names its files itself, and it comes
// from the internet: every name stays inside the skin's folder (no "..", no
// absolute path, no symbolic link that leads out), only regular files are
// read, and each read stops at a size the caller gives.
#include "common/ZError.h"

#include <QByteArray>
#include <QString>

// A skin over one of its limits: the whole skin is refused, not one section.
class ESkinTooLarge : public ZError {
public:
    using ZError::ZError;
};

// The path of the file `name` (as ResolveSkinFile finds it) inside `folder`.
// Throws ZError "\"name\" lies outside the skin" when the name or the file it
// leads to is outside the folder. A file that does not exist passes: the
// caller says so in its own words.
QString ConfinedSkinFile(const QString &folder, const QString &name);

// The bytes of the regular file `path`. Throws ZError when it is no regular
// file or cannot be read, ESkinTooLarge naming `name` when it holds more than
// maxBytes (no more than that is ever read).
QByteArray ReadSkinFile(const QString &path, const QString &name, qint64 maxBytes);
