#pragma once
// A track's name in the audio and subtitle menus, from what the engine says
// of it: "English (eng) – Commentary [ac3]". Every part is engine (and so
// media) text: each is cut to one bounded line.
#include <QString>

namespace TrackLabel {
// One line of at most 64 characters.
QString Part(const QString &text);
// A language code as its name and code ("English (eng)"); text that is no
// code the locale knows stays as it is.
QString Language(const QString &code);
// The label of the parts known so far (language as Language gives it).
QString Compose(const QString &language, const QString &title, const QString &codec);
} // namespace TrackLabel
