#pragma once
// The playlist: the ordered entries the user can play, with the current entry
// marked in the entry's flags so the marker travels with it.
#include "common/Hook.h"
#include "playlist/PlItem.h"
#include "playlist/PlayOrder.h"
#include "playlist/PlaylistFile.h"
#include "playlist/SelectListOf.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class TZorviPlaylist : public SelectListOf<TPlItem> {
public:
    // Classify a path and add entries; index of the first entry added, or -1.
    // Local paths are made absolute against the current directory; subtitle
    // files go to LoadSubtitle instead of the list; a playlist file adds its
    // entries (what it left out goes to FileProblems).
    int Add(const QString &path);
    // The entries a read playlist file gave; index of the first, or -1.
    int AddEntries(const QList<PlaylistEntry> &entries);
    // The entries as a playlist file holds them (disc entries left out), and
    // the index of the current one among them (-1: none).
    QList<PlaylistEntry> Entries(int *current = nullptr) const;
    // Media files of a folder tree as FolderScan finds them; each folder left
    // out for its depth is named in the log, and a scan cut short by its
    // budget is reported. The scan runs on a thread of its own while this
    // thread handles its events, so the window and signals are answered; when
    // the event loop is told to end meanwhile, the scan stops there.
    void AddFolder(const QString &folder);

    // -1 when no entry is current.
    int CurrentIndex();
    // Throws ZError("Playlist Index Error") for an index outside the list.
    void SetCurrent(int index);

    // Repeat and shuffle (see PlayOrder): what follows the current entry when
    // it ends (ended) or the user asks for the next; -1 when nothing does.
    RepeatMode Repeat() const { return m_order.Repeat; }
    void SetRepeat(RepeatMode mode) { m_order.Repeat = mode; }
    bool Shuffle() const { return m_order.Shuffle(); }
    void SetShuffle(bool on);
    int NextIndex(bool ended);
    int PreviousIndex();
    // The sum of the known lengths in seconds; `unknown` gets how many entries have none.
    double TotalLength(int *unknown) const;

    // Kind 2 and 4 paths are made absolute; every Path is quoted when it
    // holds blanks or quotes, so it reaches the engine as one argument.
    static TPlItem MakeItem(const QString &path, EntryKind kind);

    bool IsSelected(int index) const override;
    // Notifies (Changed), which is held back inside BeginUpdate/EndUpdate.
    void SetSelected(int index, bool value) override;
    // The number is drawn 3 pixels smaller than the painter's font; a font
    // given in points is converted to pixels at the device's resolution first.
    void DrawItem(QPainter &canvas, int index, const QRect &rect) override;

    // Subtitle files are not listed but handed to the engine link through this.
    Hook<void(const QString &path)> LoadSubtitle;
    // Diagnostics for the program's log ("$|" lines); may be left empty.
    Hook<void(const QString &line)> Log;
    // A folder given to Add that held no media file (the window says so); may
    // be left empty.
    Hook<void(const QString &folder)> EmptyFolder;
    // What a playlist file's read left out, for the user; may be left empty.
    Hook<void(const QString &file, const QList<PlaylistRead::Note> &problems)> FileProblems;

protected:
    void ItemsChanged() override { m_current = -2; }
    void RemoveItem(int index) override;
    void RemoveAll() override;

private:
    PlayOrder::Items orderItems() const;
    int indexOf(const TPlItem *item) const;

    int m_current = -2; // -2: to be recomputed from the flags
    PlayOrder m_order;

    // Where each title breaks for the current font and title width, so a
    // repaint measures a row's title once instead of at every paint.
    struct RowLayout {
        int fit = 0;
        int split = 0;
    };
    QHash<QString, RowLayout> m_rowLayouts;
    QString m_rowLayoutKey;
};
