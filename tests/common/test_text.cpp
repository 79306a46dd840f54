#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "common/Hook.h"
#include "common/TextHelpers.h"

TEST(FormatTime, FormatTimeShortenAndSplitText)
{
    // (seconds, with hours, text): without hours the minutes wrap at 60.
    const std::tuple<int, bool, const char *> rows[] = {{3725, true, "1:02:05"}, {4000, true, "1:06:40"},
                                                        {65, false, "01:05"},    {8, false, "00:08"},
                                                        {-5, false, "00:00"},    {3725, false, "02:05"}};
    for (const auto &[seconds, hours, text] : rows)
        EXPECT_EQ(FormatTime(seconds, hours), text) << seconds;
    const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");
    EXPECT_EQ(ShortenText(forty, 28), forty.left(13) + "..." + forty.right(12));
    EXPECT_EQ(ShortenText(forty.left(28), 28), forty.left(28));
    EXPECT_EQ(ShortenText("abcdef", 3), "abc");
    EXPECT_EQ(ShortenText("abcdefgh", 7), "ab...gh");
    const std::pair<QString, QStringList> rows2[] = {
        {"a,b", {"x", "a", "b"}}, {"a,,b", {"x", "a", "", "b"}}, {"a,", {"x", "a", ""}}, {"", {"x", ""}}};
    for (const auto &[text, expected] : rows2) {
        QStringList list{"x"};
        SplitText(text, u',', list);
        EXPECT_EQ(list, expected) << text.toStdString();
    }
}

TEST(QuoteIfSpaces, QuotingRoundTripsAndWindowsSplitRules)
{
    EXPECT_EQ(QuoteIfSpaces("/usr/bin/mplayer"), "/usr/bin/mplayer");
    EXPECT_EQ(QuoteIfSpaces("/a b/c"), "\"/a b/c\"");
    EXPECT_EQ(QuoteIfSpaces(""), "");
    EXPECT_EQ(QuoteIfSpaces("back\\slash"), "back\\slash");
    const QStringList nasty = {"/m/a b.avi",      "/m/a\" -dumpfile \"x", "/m/q\"uote",   "/m/back\\\"q",
                               "/m/end\\",        "/m/sp ace\\",          "/m/two\\\\ x", "-fs.avi",
                               "/m/ü ñ 日本.mkv", "/m/tab\there"};
    for (const QString &path : nasty) {
        const QString line = "mplayer -slave " + QuoteIfSpaces(path) + " -identify";
        EXPECT_EQ(SplitCommandLine(line), QStringList({"mplayer", "-slave", path, "-identify"}))
            << line.toStdString();
    }
    const std::pair<QString, QStringList> rows[] = {{" -slave  -wid 12 ", {"-slave", "-wid", "12"}},
                                                    {"\"a b\" c", {"a b", "c"}},
                                                    {"a\\\\\"b c\"", {"a\\b c"}},
                                                    {"a\\\"b", {"a\"b"}},
                                                    {"a\\b", {"a\\b"}},
                                                    {"\"\"", {""}},
                                                    {"   ", {}}};
    for (const auto &[line, args] : rows)
        EXPECT_EQ(SplitCommandLine(line), args) << line.toStdString();
}

TEST(FileNames, FileNamesAndHook)
{
    // Invalid, overlong, truncated and surrogate-encoding bytes around valid
    // UTF-8 (U+10080 is a surrogate pair whose low half is in the held range),
    // and a byte-order mark, which is a character like any other in a name.
    const QByteArray rows[] = {"\xff\xfe.avi",  "caf\xc3\xa9",      "\xc0\xaf",
                               "\xed\xa0\x80x", "\xe2\x82",         "\xf0\x90\x82\x80\xed\xb2\x81",
                               "a\nb",          "\xf4\x90\x80\x80", "\xef\xbb\xbf\xdc\xef\xbb\xbf\xba"};
    for (const QByteArray &bytes : rows)
        EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << bytes.toHex().constData();
    EXPECT_EQ(ReadableFileName(DecodeFileName("caf\xe9 \x80.avi")), QString::fromUtf8("café €.avi"));
    EXPECT_EQ(ReadableFileName(DecodeFileName("\xf0\x90\x82\x80")), QString::fromUtf8("\xf0\x90\x82\x80"));
    const std::pair<QByteArray, bool> unsafe[] = {
        {"a\nb", true}, {"a\rb", true}, {"\xff", true}, {"caf\xc3\xa9", false}, {"\xf0\x90\x82\x80", false}};
    for (const auto &[bytes, expected] : unsafe)
        EXPECT_EQ(IsUnsafeName(DecodeFileName(bytes)), expected) << bytes.toHex().constData();
    // Dropped and handed-over "file:" URLs keep their bytes.
    const std::pair<const char *, QByteArray> urls[] = {
        {"file:///m/%FF%FE.avi", "/m/\xff\xfe.avi"},
        {"file:///m/caf%C3%A9%20x.avi", "/m/caf\xc3\xa9 x.avi"},
        {"file://localhost/m/a%25b", "/m/a%b"},
        {"file://nas/m/a", "//nas/m/a"},
        {"http://x/a", ""}};
    for (const auto &[url, bytes] : urls)
        EXPECT_EQ(EncodeFileName(LocalFileOfUrl(QUrl(QString::fromLatin1(url)))), bytes) << url;
    Hook<int(int)> hook;
    hook.Set([](int v) { return v + 1; });
    EXPECT_THROW(hook.Set([](int v) { return v; }), std::logic_error);
    EXPECT_EQ(hook(1), 2); // the first one still listens
    hook.Clear();
    hook.Set([](int v) { return v * 3; });
    EXPECT_EQ(hook(2), 6);
}
