#include "playlist/PlNames.h"

const QString SubtitleExtensions =
    QStringLiteral("*.srt;*.sub;*.txt;*.ssa;*.ass;*.mpl;*.smi;*.sami;*.vsf;*.rt;*.aqt;*.js;*.jss;*.pjs;"
                   "*.dat;*.sst;*.ssts;");

QString FileTitle(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FileExtension(const QString &path)
{
    const QString name = FileTitle(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

bool ExtensionMatches(const QString &path, const QString &list)
{
    const QString ext = FileExtension(path);
    return ext.size() > 1 && list.contains(ext, Qt::CaseSensitive);
}

bool LooksLikeUrl(const QString &text)
{
    const QString lower = text.toLower();
    for (int start = 1; start <= 4; ++start)
        if (QStringView(lower).mid(start, 2) == u"p:")
            return true;
    return false;
}
