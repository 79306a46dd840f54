#include "graphics/Colors.h"
#include "graphics/Convert.h"

TEST(Colors, NamesHexAndDecimalAndRejectsWithToolkitMessage)
{
    const std::pair<const char *, ColorRef> rows[] = {{"CLWHITE", 0xFFFFFF},
                                                      {"clmaroon", 0x000080}, // names in any letter case
                                                      {"$00F2A300", 0x00F2A300},
                                                      {"$00afc6ca", 0x00AFC6CA},
                                                      {"0x10", 16},
                                                      {"255", 255},
                                                      {"  -3", -3},
                                                      {"$FFFFFFFF", -1},
                                                      {"2147483647", 2147483647},
                                                      {"-2147483648", INT32_MIN}};
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(StringToColor(QString::fromLatin1(text)), std::optional(expected)) << text;
    for (const char *bad : {"", "clNothing", "12 ", "$", "$1FFFFFFFF", "2147483648", "1a", "- 1", "$-1"}) {
        EXPECT_FALSE(StringToColor(QString::fromLatin1(bad)).has_value()) << bad;
        EXPECT_EQ(ErrorText([&] { StringToColorOrThrow(QString::fromLatin1(bad)); }),
                  QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
    }
}
