#include "common/CommandLine.h"
#include "common/TextHelpers.h"

#include <gtest/gtest.h>

TEST(FormatTime, MinutesAndHours)
{
    EXPECT_EQ(FormatTime(3725, true), "1:02:05");
    EXPECT_EQ(FormatTime(65, false), "01:05");
    EXPECT_EQ(FormatTime(-5, false), "00:00");
    EXPECT_EQ(FormatTime(4000, true), "1:06:40");
    // Minutes wrap at 60 without hours: 3725 s shows 02:05.
    EXPECT_EQ(FormatTime(3725, false), "02:05");
    EXPECT_EQ(FormatTime(8, false), "00:08");
}

TEST(ShortenText, CutsInTheMiddle)
{
    const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");
    ASSERT_EQ(forty.size(), 40);
    const QString s = ShortenText(forty, 28);
    EXPECT_EQ(s.size(), 28);
    EXPECT_EQ(s, forty.left(13) + "..." + forty.right(12));
    const QString t28 = forty.left(28);
    EXPECT_EQ(ShortenText(t28, 28), t28);
    EXPECT_EQ(ShortenText("abcdef", 3), "abc");
    EXPECT_EQ(ShortenText("abcdefgh", 7), "ab...gh");
}

TEST(SplitText, KeepsEmptyPieces)
{
    auto split = [](const QString &t) {
        QStringList l;
        SplitText(t, u',', l);
        return l;
    };
    EXPECT_EQ(split("a,b"), (QStringList{"a", "b"}));
    EXPECT_EQ(split("a,,b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(split("a,"), (QStringList{"a", ""}));
    EXPECT_EQ(split(""), (QStringList{""}));
    QStringList appended{"x"};
    SplitText("y", u',', appended);
    EXPECT_EQ(appended, (QStringList{"x", "y"}));
}

TEST(QuoteIfSpaces, PlainBehaviour)
{
    EXPECT_EQ(QuoteIfSpaces("/usr/bin/mplayer"), "/usr/bin/mplayer");
    EXPECT_EQ(QuoteIfSpaces("/a b/c"), "\"/a b/c\"");
    EXPECT_EQ(QuoteIfSpaces(""), "");
    EXPECT_EQ(QuoteIfSpaces("back\\slash"), "back\\slash");
}

TEST(QuoteIfSpaces, RoundTripsThroughTheSplitter)
{
    const QStringList nasty = {
        "/m/a b.avi", "/m/a\" -dumpfile \"x", "/m/q\"uote", "/m/back\\\"q", "/m/end\\",
        "/m/sp ace\\", "/m/two\\\\ x", "-fs.avi", "/m/ü ñ 日本.mkv", "/m/tab\there",
    };
    for (const QString &path : nasty) {
        const QString line = "mplayer -slave " + QuoteIfSpaces(path) + " -identify";
        const QStringList args = SplitCommandLine(line);
        ASSERT_EQ(args.size(), 4) << line.toStdString();
        EXPECT_EQ(args[2], path) << line.toStdString();
    }
}

TEST(SplitCommandLine, WindowsRules)
{
    EXPECT_EQ(SplitCommandLine(" -slave  -wid 12 "), (QStringList{"-slave", "-wid", "12"}));
    EXPECT_EQ(SplitCommandLine("\"a b\" c"), (QStringList{"a b", "c"}));
    EXPECT_EQ(SplitCommandLine("a\\\\\"b c\""), (QStringList{"a\\b c"}));
    EXPECT_EQ(SplitCommandLine("a\\\"b"), (QStringList{"a\"b"}));
    EXPECT_EQ(SplitCommandLine("a\\b"), (QStringList{"a\\b"}));
    EXPECT_EQ(SplitCommandLine("\"\""), (QStringList{""}));
    EXPECT_TRUE(SplitCommandLine("   ").isEmpty());
}
