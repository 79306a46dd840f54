#pragma once
// One playlist entry and its kinds and flags.
#include <QByteArray>
#include <QFlags>
#include <QString>

// Kinds of entry; also the engine link's OpenMode, which is None when nothing is open.
enum class EntryKind : quint8 { None = 0, Other = 1, File = 2, URL = 3, DVD = 4, DVDTitle = 5 };

enum class EntryFlag : quint16 { Selected = 1, Current = 8 };
Q_DECLARE_FLAGS(EntryFlags, EntryFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(EntryFlags)

struct TPlItem {
    EntryKind Kind = EntryKind::Other;
    QByteArray Path;  // what the engine gets; file paths are absolute UTF-8, quoted when needed
    QString Title;    // what the list box and the window show
    float Length = 0; // seconds; only DVD titles carry one
    EntryFlags Flags;
};
