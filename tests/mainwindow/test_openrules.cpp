#include "mainwindow/OpenRules.h"

TEST(OpenRules, UrlPromptAndDialogFilters)
{
    const struct {
        const char *clipboard;
        const char *offered;
    } rows[] = {{"  http://example.com/a.mp4 \n", "http://example.com/a.mp4"},
                {"http://a/\nhttp://b/", ""},
                {"rtsp://cam\tx", ""},
                {"C:\\films\\a.avi", "C:\\films\\a.avi"},
                {"\\\\server\\share", "\\\\server\\share"},
                {"film", ""},
                {"", ""}};
    for (const auto &row : rows)
        EXPECT_EQ(OpenRules::UrlDefault(QString::fromLatin1(row.clipboard)), QString::fromLatin1(row.offered))
            << row.clipboard;
    const QStringList filters = OpenRules::DialogFilters({"M", "A", "V", "S", "T"});
    ASSERT_EQ(filters.size(), 5);
    const QString media = filters[0];
    EXPECT_TRUE(media.startsWith("M (*.avi ") && media.endsWith(')')) << media.toStdString();
    EXPECT_EQ(filters[1], "A (*)");
    const auto patterns = [](const QString &filter) {
        return filter.mid(filter.indexOf(u'(') + 1).chopped(1);
    };
    EXPECT_EQ(patterns(filters[2]) + u' ' + patterns(filters[3]), patterns(media)); // video, then sound
    EXPECT_TRUE(filters[4].startsWith("T (*.srt *.sub ")) << filters[4].toStdString();

    EXPECT_EQ(OpenRules::InDialogOrder({"/x/c.avi", "/y/a.avi", "/x/B.avi"}),
              (QStringList{"/y/a.avi", "/x/B.avi", "/x/c.avi"}));
}
