#pragma once
// Small text helpers shared by every subsystem.
#include <QString>
#include <QStringList>

// Seconds as "mm:ss", or "h:mm:ss" when withHours; negative counts as 0.
QString FormatTime(long long seconds, bool withHours);

// Cut in the middle with "..." so the result has at most maxLen characters.
QString ShortenText(const QString &text, int maxLen);

// Double quotes around a text that contains a space (or a tab, which the
// splitter also takes as a separator). A text holding a double
// quote is quoted too, with the escaping of the command-line splitter, so it
// always comes back from SplitCommandLine as exactly one argument.
QString QuoteIfSpaces(const QString &text);

// Appends every piece between separators, empty ones included, as if the text
// ended with one more separator: "a,,b" gives a, "", b; "" gives one "".
void SplitText(const QString &text, QChar separator, QStringList &list);

// Characters below a space, and DEL: what must never reach a log line, a menu
// or a name another program reads as one line.
inline bool IsControlChar(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}
bool HasControlChars(const QString &text);
// Each control character replaced by the given one.
QString ReplaceControlChars(QString text, QChar with);
// Blanks and control characters removed from both ends (QString::trimmed
// leaves control characters and takes other spaces).
QString TrimBlanksAndControls(const QString &text);
