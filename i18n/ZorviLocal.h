#pragma once
// The UI texts in use: status words, the shortcut actions' descriptions,
// button words, the capture dialog's help and the two list titles. Filled
// with English until a language supplies its own (sections "Misc", "Cmds").
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

struct TZorviLocal {
    QString StatusOpening, StatusClosing, StatusPlaying, StatusSeeking, StatusPaused, StatusStopped,
        StatusError;
    QStringList Cmds; // 39 entries: 0 is the free command (" Custom: "), 1..38 the named commands
    QString Ok, Add, Remove, Change, Cancel, Custom, ShortCapHelp, Playlist, DVDTitles;
    // The playlist's title marks and its files' messages.
    QString RepeatOne, RepeatAll, ShuffleOn, SavePlaylist, PlaylistUnreadable, PlaylistTooLarge,
        PlaylistTooMany, PlaylistLongLine, PlaylistNested, PlaylistScheme, PlaylistBadXml, PlaylistNotSaved;

    // Every field at its English default.
    static TZorviLocal English();
    // The text of playback status 0..7 (0 is empty).
    QString StatusText(int status) const;
};

// A key of section "Misc" and the field it fills, in the order a written
// language file lists them.
struct MiscText {
    const char *Key;
    QString TZorviLocal::*Field;
    const char *English;
};
extern const std::array<MiscText, 28> MiscTexts;

// One language on offer: entry 0 is always the built-in English ("en").
struct TLocalsItem {
    QByteArray FileName; // "de.lng", or "en"
    QString DisplayName; // "de", or "English"
};
