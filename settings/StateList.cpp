#include "settings/StateList.h"

#include "platform/FileReplace.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
// Only what cannot be on a line unescaped (and the escape itself) is encoded.
const QByteArray kKeep = QByteArrayLiteral(" !\"#$&'()*+,-./:;<=>?@[\\]^_`{|}~");
} // namespace

StateList::StateList(QString path, int maxEntries) : m_path(std::move(path)), m_maxEntries(maxEntries) {}

QList<StateList::Entry> StateList::Parse(const QByteArray &text, int maxEntries)
{
    QList<Entry> out;
    QSet<QByteArray> seen;
    qsizetype at = 0;
    const qsizetype end = qMin(text.size(), MaxFileBytes);
    while (at < end && out.size() < maxEntries) {
        qsizetype eol = text.indexOf('\n', at);
        if (eol < 0 || eol >= end) {
            if (text.size() > end)
                break; // a line cut by the bound is not read
            eol = end;
        }
        const QByteArray line = text.mid(at, eol - at);
        at = eol + 1;
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0 || line.size() - tab - 1 > MaxKeyBytes * 3)
            continue;
        Entry e{QByteArray::fromPercentEncoding(line.mid(tab + 1)),
                QByteArray::fromPercentEncoding(line.left(tab))};
        if (e.Key.isEmpty() || e.Key.size() > MaxKeyBytes || seen.contains(e.Key))
            continue;
        seen.insert(e.Key);
        out.append(std::move(e));
    }
    return out;
}

QByteArray StateList::Format(const QList<Entry> &entries)
{
    QByteArray out;
    for (const Entry &e : entries)
        out += e.Value.toPercentEncoding(kKeep) + '\t' + e.Key.toPercentEncoding(kKeep) + '\n';
    return out;
}

QList<StateList::Entry> StateList::Entries() const
{
    // A missing, unreadable or special file (a pipe, a device) reads as empty.
    if (!QFileInfo(m_path).isFile())
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Parse(file.read(MaxFileBytes), m_maxEntries);
}

QByteArray StateList::Value(const QByteArray &key) const
{
    for (const Entry &e : Entries())
        if (e.Key == key)
            return e.Value;
    return {};
}

bool StateList::write(const QList<Entry> &entries) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return Platform::ReplaceFileContents(m_path, Format(entries.mid(0, m_maxEntries)));
}

bool StateList::Put(const QByteArray &key, const QByteArray &value)
{
    if (key.isEmpty() || key.size() > MaxKeyBytes)
        return false;
    QList<Entry> entries = Entries();
    entries.removeIf([&](const Entry &e) { return e.Key == key; });
    entries.prepend({key, value});
    return write(entries);
}

bool StateList::Remove(const QByteArray &key)
{
    QList<Entry> entries = Entries();
    if (entries.removeIf([&](const Entry &e) { return e.Key == key; }) == 0)
        return true;
    return write(entries);
}

bool StateList::Clear()
{
    return write({});
}

QString StateFiles::Positions()
{
    return Platform::UserStateDirectory() + QStringLiteral("positions");
}

QString StateFiles::Recent()
{
    return Platform::UserStateDirectory() + QStringLiteral("recent");
}
