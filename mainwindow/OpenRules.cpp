#include "mainwindow/OpenRules.h"

#include <algorithm>

namespace OpenRules {

namespace {
QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}
} // namespace

QStringList DialogFilters()
{
    const struct {
        const char *name;
        const char *patterns;
    } rows[] = {
        {"All files", "*.*"},
        {"Video files",
         "*.avi;*.ogm;*.mpeg;*.mkv;*.wmv;*.asf;*.asx;*.dat;*.vob;*.mov;*.qt;*.mp4;*.rm;*.mpg;*.flv;"
         "*.divx;*.ifo;*.dv;*.m4v;*.264;*.26l;*.jsv;*.flv;"},
        {"Audio files", "*.mp3;*.wav;*.ogg;*.wma*.mp1;*.mp2;*.mpa;*.ac3;*.m4a;*.mid;*.ape;*.flac;"},
        {"Subtitles",
         "*.srt;*.sub;*.txt;*.ssa;*.ass;*.mpl;*.smi;*.sami;*.vsf;*.rt;*.aqt;*.js;*.jss;*.pjs;*.dat;*.sst;"
         "*.ssts;"},
    };
    QStringList filters;
    for (const auto &row : rows) {
        QString patterns = QString::fromLatin1(row.patterns);
        // The audio list lost a separator between two patterns ("*.wma*.mp1").
        patterns.replace(QLatin1String("*.wma*.mp1"), QLatin1String("*.wma;*.mp1"));
        QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
        list.removeDuplicates();
        // Qt's dialog takes "*.*" as names with a dot; everything is meant.
        if (list == QStringList{QStringLiteral("*.*")})
            list = {QStringLiteral("*")};
        filters << QLatin1String(row.name) + QLatin1String(" (") + list.join(u' ') + u')';
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
