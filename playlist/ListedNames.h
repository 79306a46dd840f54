#pragma once
// The playlist's entries by the names they stand for, so a name handed in
// again finds the entry it already has instead of listing it twice: a file
// by its canonical path (the same file under another spelling, through "..",
// doubled slashes or links, is the same), a URL or other text as written.
// DVD entries are not looked up.
#include <QHash>
#include <QString>

class TZorviPlaylist;

class ListedNames {
public:
    explicit ListedNames(TZorviPlaylist &list) : m_list(list) {}

    // The first entry that stands for the name when there is one, else the
    // playlist's Add (the first entry added, or -1). Entries are indexed when
    // first needed and then as the list grows, so a hand-over of many names
    // asks the file system once per entry.
    int Add(const QString &name);

private:
    static QString key(const QString &name);
    void index();

    TZorviPlaylist &m_list;
    QHash<QString, int> m_entries;
    int m_indexed = 0;
};
