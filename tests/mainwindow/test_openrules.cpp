#include "mainwindow/OpenRules.h"

#include <gtest/gtest.h>

TEST(OpenRules, UrlPromptOffersOnlyALinkLikeClipboard)
{
    const struct {
        const char *clipboard;
        const char *offered;
    } rows[] = {
        {"  http://example.com/a.mp4 \n", "http://example.com/a.mp4"},
        {"http://a/\nhttp://b/", ""},
        {"rtsp://cam\tx", ""},
        {"C:\\films\\a.avi", "C:\\films\\a.avi"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"film", ""},
        {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(OpenRules::UrlDefault(QString::fromLatin1(row.clipboard)), QString::fromLatin1(row.offered))
            << row.clipboard;
}

TEST(OpenRules, DialogFiltersAndOrder)
{
    const QStringList filters = OpenRules::DialogFilters();
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(filters[0], "All files (*)");
    EXPECT_TRUE(filters[2].contains(" *.wma *.mp1 ")) << filters[2].toStdString();
    EXPECT_EQ(filters[1].count("*.flv"), 1);

    EXPECT_EQ(OpenRules::InDialogOrder({"/x/c.avi", "/y/a.avi", "/x/B.avi"}),
              (QStringList{"/y/a.avi", "/x/B.avi", "/x/c.avi"}));
}
