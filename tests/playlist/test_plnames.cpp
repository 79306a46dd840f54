// Extension and URL rules of the playlist.
#include "playlist/PlNames.h"

#include <gtest/gtest.h>

TEST(PlNames, ExtensionsComeFromTheFileNameOnly)
{
    const std::pair<const char *, const char *> rows[] = {
        {"/a/movie.AVI", ".AVI"},  {"/my.dir/file", ""}, {"archive.tar.gz", ".gz"},
        {"/x/.hidden", ".hidden"}, {"noext", ""},        {"/a/b.c/d.srt", ".srt"},
        {"dir\\x.avi", ".avi"},    {"trailing.", "."},
    };
    for (const auto &[path, extension] : rows)
        EXPECT_EQ(FileExtension(QString::fromUtf8(path)), QString::fromUtf8(extension)) << path;
}

TEST(PlNames, ExtensionListsMatchCaseSensitiveSubstrings)
{
    // (name, in the video list, in the subtitle list)
    const std::tuple<const char *, bool, bool> rows[] = {
        {"a.avi", true, false},  {"a.AVI", false, false},        {"a.srt", false, true},
        {"a.SRT", false, false}, {"a.dat", true, true},          {"a.s", false, true},
        {"a.mp3", false, false}, {"/my.avi/file", false, false}, {"a.ssts", false, true},
        {"a.mkv", true, false},  {"a.26l", true, false},
    };
    for (const auto &[path, video, subtitle] : rows)
        EXPECT_EQ(std::pair(ExtensionMatches(QString::fromUtf8(path), VideoExtensions),
                            ExtensionMatches(QString::fromUtf8(path), SubtitleExtensions)),
                  std::pair(video, subtitle))
            << path;
}

TEST(PlNames, UrlsHavePColonAtPositionsTwoToFive)
{
    const std::pair<const char *, bool> rows[] = {
        {"ftp://host/a.avi", true}, {"HTTP://host/", true}, {"rtsp://h/s", true}, {"https://host/", false},
        {"mms://host/", false},     {"p://x", false},       {"xp:", true},        {"abcdp:", true},
        {"abcdep:", false},         {"/tmp/p:x", false},    {"", false},
    };
    for (const auto &[text, url] : rows)
        EXPECT_EQ(LooksLikeUrl(QString::fromUtf8(text)), url) << text;
}
