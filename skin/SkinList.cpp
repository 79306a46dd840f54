#include "skin/SkinList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
QFileInfoList sortedEntries(const QString &folder)
{
    QFileInfoList list = QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    std::stable_sort(list.begin(), list.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    return list;
}
} // namespace

QString ResolveSkinFile(const QString &folder, const QString &name)
{
    QString base = folder;
    if (!base.endsWith(u'/'))
        base += u'/';
    QString rel = name;
    rel.replace(u'\\', u'/');
    QString path = base;
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString found;
        if (QFileInfo::exists(path + part)) {
            found = part;
        } else {
            const QStringList names =
                QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString &n : names) {
                if (n.compare(part, Qt::CaseInsensitive) == 0) {
                    found = n;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return base + rel;
        path += found;
        if (i + 1 < parts.size())
            path += u'/';
    }
    return path;
}

void SkinList::Build(const QStringList &skinFolders)
{
    m_entries.clear();
    m_entries.push_back({QStringLiteral("Default"), SkinKind::BuiltIn, {}});
    m_entries.push_back({QStringLiteral("ZE6 ZO"), SkinKind::BuiltIn, {}});
    for (QString folder : skinFolders) {
        if (!folder.endsWith(u'/'))
            folder += u'/';
        for (const QFileInfo &fi : sortedEntries(folder)) {
            const QString name = fi.fileName();
            if (name.startsWith(u'.'))
                continue;
            if (fi.isDir()) {
                const QString ini = ResolveSkinFile(fi.absoluteFilePath(), QStringLiteral("skin.ini"));
                if (QFileInfo(ini).isFile()) {
                    m_entries.push_back({name, SkinKind::Folder, fi.absoluteFilePath() + u'/'});
                    continue;
                }
            }
            // Only files: a folder named *.zip without skin.ini is no archive.
            if (fi.isFile() && name.endsWith(QLatin1String(".zip"), Qt::CaseSensitive))
                m_entries.push_back({name.left(name.size() - 4), SkinKind::Archive, fi.absoluteFilePath()});
        }
    }
}

int SkinList::IndexOf(const QString &name) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}
