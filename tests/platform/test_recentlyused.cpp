// The desktop's recently-used list: an entry is spliced in and renewed, other
// programs' bytes stay as they were, what cannot be edited safely is left alone.
#include "platform/RecentlyUsed.h"

#include <QXmlStreamReader>

namespace {
const QString kUri = QStringLiteral("file:///m/a%20b.avi");
const QByteArray kOther =
    "  <bookmark href=\"file:///x.txt\"><info><metadata owner=\"http://freedesktop.org\">\n"
    "<bookmark:applications><bookmark:application name=\"gedit\" exec=\"&apos;gedit %u&apos;\"/>"
    "</bookmark:applications></metadata></info>\n  </bookmark>\n";
const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\"\n"
                         "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
                         "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n>\n";

QByteArray Merge(const QByteArray &old, const QString &uri = kUri)
{
    return Platform::MergeRecentlyUsed(old, uri, "video/x-msvideo", "Zorvi", "'zorvi %u'",
                                       QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
}
bool WellFormed(const QByteArray &text)
{
    QXmlStreamReader xml(text);
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}
} // namespace

TEST(RecentlyUsed, EntriesAreSplicedInOthersKeptAndUnsafeFilesLeftAlone)
{
    const QByteArray first = Merge({});
    EXPECT_TRUE(WellFormed(first));
    EXPECT_EQ(first.count("<bookmark href=\"file:///m/a%20b.avi\""), 1);

    const QByteArray old = kHead + kOther + "</xbel>\n";
    const QByteArray merged = Merge(old);
    EXPECT_TRUE(WellFormed(merged));
    EXPECT_TRUE(merged.startsWith(kHead + kOther)) << merged.toStdString();
    // Renewed, not repeated; a second file of ours comes after it.
    const QByteArray again = Merge(Merge(merged), "file:///m/%22q%22&.avi");
    EXPECT_TRUE(WellFormed(again));
    EXPECT_TRUE(again.startsWith(kHead + kOther));
    EXPECT_EQ(again.count("a%20b.avi"), 1);
    EXPECT_TRUE(again.contains("href=\"file:///m/%22q%22&amp;.avi\""));
    EXPECT_EQ(again.count("<bookmark "), 3);

    // What cannot be edited safely is left alone.
    const QByteArray shared =
        kHead + QByteArray(kOther).replace("file:///x.txt", kUri.toUtf8()) + "</xbel>\n";
    const QByteArray rows[] = {
        "<html></html>",                                                           // another format
        kHead + kOther,                                                            // cut short
        "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e \"x\">]><xbel>&e;</xbel>", // entities
        kHead + "\xff\xfe</xbel>",                                                 // not UTF-8
        shared,                                                                    // another program's entry
        kHead + QByteArray(Platform::MaxRecentlyUsedBytes, ' ') + "</xbel>",       // too large
    };
    for (const QByteArray &row : rows)
        EXPECT_TRUE(Merge(row).isEmpty()) << row.left(60).toStdString();
}
