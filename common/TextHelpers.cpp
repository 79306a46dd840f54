#include "common/TextHelpers.h"

#include <algorithm>

QString FormatTime(long long seconds, bool withHours)
{
    if (seconds < 0)
        seconds = 0;
    const long long minutes = (seconds / 60) % 60;
    const long long secs = seconds % 60;
    auto two = [](long long v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (withHours)
        return QString::number(seconds / 3600) + u':' + two(minutes) + u':' + two(secs);
    return two(minutes) + u':' + two(secs);
}

QString ShortenText(const QString &text, int maxLen)
{
    if (text.size() <= maxLen)
        return text;
    if (maxLen <= 3)
        return text.left(qMax(0, maxLen));
    const int half = maxLen / 2;
    return text.left(half - 1) + QStringLiteral("...") + text.right(half + (maxLen % 2) - 2);
}

QString QuoteIfSpaces(const QString &text)
{
    const bool hasQuote = text.contains(u'"');
    if (!text.contains(u' ') && !text.contains(u'\t') && !hasQuote)
        return text;
    // Backslashes are literal except in front of a double quote, where each
    // one must be doubled; the quote itself is escaped. A trailing run of
    // backslashes stands in front of the closing quote, so it is doubled too.
    QString out;
    out.reserve(text.size() + 4);
    out += u'"';
    qsizetype backslashes = 0;
    for (QChar c : text) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') {
            out += QString(backslashes * 2 + 1, u'\\');
            out += u'"';
        } else {
            out += QString(backslashes, u'\\');
            out += c;
        }
        backslashes = 0;
    }
    out += QString(backslashes * 2, u'\\');
    out += u'"';
    return out;
}

void SplitText(const QString &text, QChar separator, QStringList &list)
{
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            list.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    list.append(text.mid(start));
}

bool HasControlChars(const QString &text)
{
    return std::any_of(text.begin(), text.end(), IsControlChar);
}

QString ReplaceControlChars(QString text, QChar with)
{
    for (QChar &c : text)
        if (IsControlChar(c))
            c = with;
    return text;
}

QString TrimBlanksAndControls(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}
