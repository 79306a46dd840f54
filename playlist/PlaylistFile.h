#pragma once
// Playlist files (M3U and M3U8 with #EXTINF, PLS, XSPF): read as entries and
// written from entries. A playlist file comes from anywhere, so reading is
// bounded (bytes, entries, line length, XML depth) and confined: an entry is
// a local name (relative ones against the file's folder) or a URL of a scheme
// the player plays; another playlist named inside is refused, never read.
// Names are held as FileNames.h holds them, so bytes that are not UTF-8
// survive a read and a write.
#include <QByteArray>
#include <QList>
#include <QString>

enum class PlaylistFormat { None, M3U, M3U8, PLS, XSPF };

struct PlaylistEntry {
    QString Name; // an absolute local name, or a URL
    bool IsUrl = false;
    QString Title;    // empty: the file name shows
    float Length = 0; // seconds; 0: not known
};

// What a read left out, each kind counted once with its first example.
enum class PlaylistProblem { Unreadable, TooLarge, TooManyEntries, LineTooLong, Nested, Scheme, BadXml };

struct PlaylistRead {
    QList<PlaylistEntry> Entries;
    int Current = -1; // the entry marked current (the program's own state file)
    struct Note {
        PlaylistProblem Problem;
        QString Example;
    };
    QList<Note> Problems;
};

namespace PlaylistFile {
constexpr qsizetype MaxBytes = qsizetype(4) * 1024 * 1024;
constexpr qsizetype MaxEntries = 20000;
constexpr qsizetype MaxLineBytes = 8192;
constexpr int MaxXmlDepth = 32;

// By the name's extension, without regard to case; None for any other name.
PlaylistFormat FormatOf(const QString &name);
// Reads the file (at most MaxBytes; a longer one is refused whole).
PlaylistRead Read(const QString &path);
// Parses bytes of that format; relative names are taken against `folder`.
PlaylistRead Parse(const QByteArray &bytes, PlaylistFormat format, const QString &folder);
// The file's bytes. M3U and M3U8 carry #EXTINF for each entry and, when
// current >= 0, a line marking the current entry that Parse reads back.
QByteArray Write(const QList<PlaylistEntry> &entries, PlaylistFormat format, int current = -1);
} // namespace PlaylistFile
