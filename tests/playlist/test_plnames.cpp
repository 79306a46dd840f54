// Extension and URL rules of the playlist.
#include "playlist/PlNames.h"

#include <gtest/gtest.h>

TEST(PlNames, ExtensionsComeFromTheFileNameOnly)
{
    const struct {
        const char *path, *extension;
    } rows[] = {
        {"/a/movie.AVI", ".AVI"},  {"/my.dir/file", ""}, {"archive.tar.gz", ".gz"},
        {"/x/.hidden", ".hidden"}, {"noext", ""},        {"/a/b.c/d.srt", ".srt"},
        {"dir\\x.avi", ".avi"},    {"trailing.", "."},
    };
    for (const auto &r : rows)
        EXPECT_EQ(FileExtension(QString::fromUtf8(r.path)), QString::fromUtf8(r.extension)) << r.path;
}

TEST(PlNames, ExtensionListsMatchCaseSensitiveSubstrings)
{
    const struct {
        const char *path;
        bool video, subtitle;
    } rows[] = {
        {"a.avi", true, false},  {"a.AVI", false, false},        {"a.srt", false, true},
        {"a.SRT", false, false}, {"a.dat", true, true},          {"a.s", false, true},
        {"a.mp3", false, false}, {"/my.avi/file", false, false}, {"a.ssts", false, true},
        {"a.mkv", true, false},  {"a.26l", true, false},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(ExtensionMatches(QString::fromUtf8(r.path), VideoExtensions), r.video) << r.path;
        EXPECT_EQ(ExtensionMatches(QString::fromUtf8(r.path), SubtitleExtensions), r.subtitle) << r.path;
    }
}

TEST(PlNames, UrlsHavePColonAtPositionsTwoToFive)
{
    const struct {
        const char *text;
        bool url;
    } rows[] = {
        {"ftp://host/a.avi", true}, {"HTTP://host/", true}, {"rtsp://h/s", true}, {"https://host/", false},
        {"mms://host/", false},     {"p://x", false},       {"xp:", true},        {"abcdp:", true},
        {"abcdep:", false},         {"/tmp/p:x", false},    {"", false},
    };
    for (const auto &r : rows)
        EXPECT_EQ(LooksLikeUrl(QString::fromUtf8(r.text)), r.url) << r.text;
}
