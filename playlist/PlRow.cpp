#include "playlist/PlRow.h"

#include <QFontMetrics>

QString EntryNumber(int index, int count)
{
    int digits = 1;
    for (int n = count; n >= 10; n /= 10)
        ++digits;
    return QString::asprintf("%.*d ", digits, index + 1);
}

int FittingChars(const QFontMetrics &metrics, const QString &text, int width)
{
    // The widest prefix that fits; advances grow with length, so bisect.
    int low = 0, high = int(text.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    // Never end inside a surrogate pair.
    if (low > 0 && low < text.size() && text[low - 1].isHighSurrogate())
        --low;
    return low;
}

int TitleBreak(const QString &title, int fit)
{
    const int last = qMin(fit, int(title.size()));
    const int first = qMax(fit - 5, 4);
    for (int pos = last; pos >= first; --pos) {
        const QChar c = title[pos - 1];
        if (c == u'(' || c == u'.' || c == u'[' || c == u'{')
            return pos - 1;
        if (c == u' ' || c == u')' || c == u'-' || c == u']' || c == u'_' || c == u'}')
            return pos;
    }
    return fit;
}
