#include "mainwindow/OpenRules.h"

#include "playlist/MediaTypes.h"
#include "playlist/PlNames.h"

#include <algorithm>
#include <iterator>

namespace OpenRules {

namespace {
QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}
} // namespace

QStringList DialogFilters(const QStringList &names)
{
    const QStringList &video = MediaTypes::Extensions(MediaKind::Video);
    const QStringList &audio = MediaTypes::Extensions(MediaKind::Audio);
    QStringList subtitles;
    for (const QString &pattern : SubtitleExtensions.split(u';', Qt::SkipEmptyParts))
        subtitles << pattern.mid(2);
    const QStringList lists[] = {video + audio, {}, video, audio, subtitles};
    QStringList filters;
    for (int i = 0; i < int(std::size(lists)); ++i) {
        QStringList patterns;
        for (const QString &extension : lists[i])
            patterns << QStringLiteral("*.") + extension;
        patterns.removeDuplicates();
        if (patterns.isEmpty())
            patterns << QStringLiteral("*"); // Qt's dialog takes "*.*" as names with a dot
        filters << names.value(i) + QLatin1String(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QStringList InDialogOrder(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const QString fa = fileName(a), fb = fileName(b);
        const int c = fa.compare(fb, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : fa < fb;
    });
    return names;
}

QString UrlDefault(const QString &clipboard)
{
    QString text = clipboard.trimmed();
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(u'\t'))
        return {};
    if (text.contains(QLatin1String("//")) || text.contains(QLatin1String("\\\\")) || text.contains(u':'))
        return text;
    return {};
}

} // namespace OpenRules
