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
