// Extension and URL rules of the playlist.
#include "playlist/MediaTypes.h"
#include "playlist/PlNames.h"

TEST(PlNames, ExtensionsAndUrls)
{
    // (name, extension, a media file, in the subtitle list)
    const std::tuple<const char *, const char *, bool, bool> rows[] = {
        {"/a/movie.avi", ".avi", true, false},   {"a.AVI", ".AVI", true, false},
        {"a.srt", ".srt", false, true},          {"a.SRT", ".SRT", false, false},
        {"a.dat", ".dat", true, true},           {"a.s", ".s", false, true},
        {"a.mp3", ".mp3", true, false},          {"/my.avi/file", "", false, false},
        {"a.ssts", ".ssts", false, true},        {"a.WebM", ".WebM", true, false},
        {"a.26l", ".26l", true, false},          {"archive.avi.gz", ".gz", false, false},
        {"/x/.hidden", ".hidden", false, false}, {"noext", "", false, false},
        {"/a/b.c/d.srt", ".srt", false, true},   {"dir\\x.avi", ".avi", true, false},
        {"trailing.", ".", false, false},        {"a.mp", ".mp", false, true},
        {"b.m2ts", ".m2ts", true, false},        {"c.opus", ".opus", true, false}};
    for (const auto &[path, extension, media, subtitle] : rows)
        EXPECT_EQ(std::tuple(FileExtension(QString::fromUtf8(path)),
                             MediaTypes::IsMediaFile(QString::fromUtf8(path)),
                             ExtensionMatches(QString::fromUtf8(path), SubtitleExtensions)),
                  std::tuple(QString::fromUtf8(extension), media, subtitle))
            << path;
    const std::pair<const char *, bool> urls[] = {
        {"ftp://host/a.avi", true}, {"HTTP://host/", true}, {"rtsp://h/s", true}, {"https://host/", false},
        {"mms://host/", false},     {"p://x", false},       {"xp:", true},        {"abcdp:", true},
        {"abcdep:", false},         {"/tmp/p:x", false},    {"", false}};
    for (const auto &[text, url] : urls)
        EXPECT_EQ(LooksLikeUrl(QString::fromUtf8(text)), url) << text;
}
