#pragma once
// The engine command line is kept and logged as one text, then split into
// arguments by these rules: blanks separate; double quotes group; 2n
// backslashes before a quote give n backslashes and the quote toggles
// grouping; 2n+1 give n backslashes and a literal quote; other backslashes
// are literal; "" inside a quoted span gives a literal quote.
#include <QString>
#include <QStringList>

QStringList SplitCommandLine(const QString &commandLine);
