// State lists and the desktop's recently-used list on any bytes: a list reads within its bounds
// and comes back whole from what it writes; a merge leaves the file alone or gives one that reads.
#include "../FuzzTarget.h"
#include "platform/RecentlyUsed.h"
#include "settings/StateList.h"

#include <QXmlStreamReader>

ZORVI_FUZZ_TARGET(bytes)
{
    const QList<StateList::Entry> entries = StateList::Parse(bytes, 50);
    if (entries.size() > 50 || StateList::Parse(StateList::Format(entries), 50) != entries)
        std::abort();

    const QString uri = QStringLiteral("file:///m/a%20b&c.avi");
    const QByteArray merged =
        Platform::MergeRecentlyUsed(bytes, uri, QStringLiteral("video/x-msvideo"), QStringLiteral("Zorvi"),
                                    QStringLiteral("'zorvi %u'"), QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    if (merged.isEmpty())
        return 0;
    QXmlStreamReader xml(merged);
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        std::abort();
    return 0;
}
