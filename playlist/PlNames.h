#pragma once
// How the playlist reads names: extensions, extension lists, URLs.
#include <QString>

// Extensions of subtitle files, which are loaded instead of listed.
extern const QString SubtitleExtensions;

// The text from the last "." of the file name (the part after the last "/"),
// dot included; empty when the file name has no dot.
QString FileExtension(const QString &path);
// True when the extension is more than its dot and occurs in the list, case
// included (a name ending in a dot has no extension to match).
bool ExtensionMatches(const QString &path, const QString &list);
// True when "p:" starts at character 2, 3, 4 or 5 of the lower-cased text
// ("ftp://", "http://", "rtsp://").
bool LooksLikeUrl(const QString &text);
// The part of a path after its last "/".
QString FileTitle(const QString &path);
