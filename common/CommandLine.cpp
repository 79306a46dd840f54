#include "common/CommandLine.h"

QStringList SplitCommandLine(const QString &line)
{
    QStringList args;
    QString cur;
    bool inArg = false;
    bool quoted = false;
    const int n = int(line.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c == u'\\') {
            int run = 0;
            while (i < n && line[i] == u'\\') {
                ++run;
                ++i;
            }
            if (i < n && line[i] == u'"') {
                cur += QString(run / 2, u'\\');
                if (run % 2) {
                    cur += u'"';
                } else {
                    quoted = !quoted;
                }
            } else {
                cur += QString(run, u'\\');
                --i;
            }
            inArg = true;
            continue;
        }
        if (c == u'"') {
            if (quoted && i + 1 < n && line[i + 1] == u'"') {
                cur += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
            inArg = true;
            continue;
        }
        if ((c == u' ' || c == u'\t') && !quoted) {
            if (inArg) {
                args.append(cur);
                cur.clear();
                inArg = false;
            }
            continue;
        }
        cur += c;
        inArg = true;
    }
    if (inArg)
        args.append(cur);
    return args;
}
