#pragma once
// The UI texts in use: status words, the shortcut actions' descriptions,
// button words, the capture dialog's help, the two list titles and the keys
// window's title, filled
// with English until a language supplies its own (sections "Misc", "Cmds").
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

struct TZorviLocal {
    QString StatusOpening, StatusClosing, StatusPlaying, StatusSeeking, StatusPaused, StatusStopped,
        StatusError;
    QStringList Cmds; // 0 is the free command (" Custom: "), 1..CommandCount the named commands
    QString Ok, Add, Remove, Change, Cancel, Custom, ShortCapHelp, Playlist, DVDTitles, KeysTitle;
    // What the empty video area says: how to begin, and how to reach the console.
    QString HintDrop, HintMenu, HintOpen, SeeConsole, SeeConsoleClick;
    // Why a run failed, or what the playing one leaves out.
    QString ProblemFileNotFound, ProblemUnreadable, ProblemHostNotFound, ProblemNoConnection,
        ProblemServerRefused, ProblemFailed, ProblemNoVideoCodec, ProblemNoAudioCodec, ProblemNoSoundDevice;
    // Notes shown in place of the status for a while ("%1": a time, a key, a path).
    QString NoteResumed, NoteFromStart, NoteScreenshot, NoteNoScreenshot;
    // The open dialog's filters, in the order of its list, the URL prompt,
    // the folder chooser and what a folder without media says.
    QString FilterMedia, FilterAll, FilterVideo, FilterAudio, FilterSubtitles;
    QString OpenUrlTitle, OpenUrlPrompt, OpenFolderTitle, NoMediaInFolder;
    // The playlist's title marks and its files' messages.
    QString RepeatOne, RepeatAll, ShuffleOn, SavePlaylist, PlaylistUnreadable, PlaylistTooLarge,
        PlaylistTooMany, PlaylistLongLine, PlaylistNested, PlaylistScheme, PlaylistBadXml, PlaylistNotSaved;

    // Every field at its English default.
    static TZorviLocal English();
    // The text of playback status 0..7 (0 is empty).
    QString StatusText(int status) const;
    // The reason of problem 1..9 of the engine link's list (0 is empty).
    QString ProblemText(int problem) const;
};

// A key of section "Misc" and the field it fills, in the order a written
// language file lists them.
struct MiscText {
    const char *Key;
    QString TZorviLocal::*Field;
    const char *English;
};
extern const std::array<MiscText, 56> MiscTexts;

// One language on offer: entry 0 is always the built-in English ("en").
struct TLocalsItem {
    QByteArray FileName; // "de.lng", or "en"
    QString DisplayName; // "de", or "English"
};
