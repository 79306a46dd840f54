#include "playlist/ListedNames.h"

#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "playlist/ZorviPlaylist.h"

#include <filesystem>

QString ListedNames::key(const QString &name)
{
    std::error_code ec;
    const std::filesystem::path native = NativePath(name);
    if (std::filesystem::is_regular_file(native, ec)) {
        const std::filesystem::path canonical = std::filesystem::canonical(native, ec);
        if (!ec)
            return u'f' + DecodeFileName(QByteArray::fromStdString(canonical.native()));
    }
    return u't' + name;
}

void ListedNames::index()
{
    if (m_list.Count() < m_indexed) { // entries went away meanwhile: start again
        m_entries.clear();
        m_indexed = 0;
    }
    for (; m_indexed < m_list.Count(); ++m_indexed) {
        const TPlItem *item = m_list.Items(m_indexed);
        if (item->Kind != EntryKind::File && item->Kind != EntryKind::URL && item->Kind != EntryKind::Other)
            continue;
        // The path is stored as the engine gets it: quoted when it holds blanks.
        const QStringList names = SplitCommandLine(DecodeFileName(item->Path));
        if (names.size() != 1)
            continue;
        const QString entryKey = key(names.first());
        if (!m_entries.contains(entryKey)) // the first of equal entries is the one found
            m_entries.insert(entryKey, m_indexed);
    }
}

int ListedNames::Add(const QString &name)
{
    index();
    const auto found = m_entries.constFind(key(name));
    if (found != m_entries.cend() && *found < m_list.Count())
        return *found;
    return m_list.Add(name);
}
