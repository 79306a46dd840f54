#pragma once
// A small list the program remembers between runs (positions to resume,
// recent media): one "value<TAB>key" line per entry, newest first, each part
// percent-encoded so any bytes fit on a line. The file is another program's
// to break: it is read up to a size, malformed lines and repeated keys are
// skipped, and at most a count of entries is kept. Every change reads the
// file again first, so two copies of the program add to each other's lists.
#include <QByteArray>
#include <QList>
#include <QString>

class StateList {
public:
    struct Entry {
        QByteArray Key;
        QByteArray Value;
        bool operator==(const Entry &) const = default;
    };
    static constexpr qsizetype MaxFileBytes = 1 << 20;
    static constexpr qsizetype MaxKeyBytes = 8192;

    StateList(QString path, int maxEntries);

    const QString &Path() const { return m_path; }
    QList<Entry> Entries() const;
    // The value of key; empty when the list has none.
    QByteArray Value(const QByteArray &key) const;
    // Puts key first with value, dropping the oldest entries past the
    // count. False when the file could not be written (it is then unchanged).
    bool Put(const QByteArray &key, const QByteArray &value);
    bool Remove(const QByteArray &key);
    bool Clear();

    // The text's entries, bounded as the file's are; no entry is empty of key.
    static QList<Entry> Parse(const QByteArray &text, int maxEntries);
    static QByteArray Format(const QList<Entry> &entries);

private:
    bool write(const QList<Entry> &entries) const;

    QString m_path;
    int m_maxEntries;
};

// The lists the program keeps in the user's state folder.
namespace StateFiles {
constexpr int MaxPositions = 300;
constexpr int MaxRecent = 10;
// Where playback stopped: the key names the media, the value is seconds.
QString Positions();
// The media opened last: the key is the name as opened, the value its kind.
QString Recent();
} // namespace StateFiles
