#include "graphics/Colors.h"
#include "graphics/Convert.h"

#include <gtest/gtest.h>

TEST(Colors, NamesHexAndDecimal)
{
    struct Row {
        const char *text;
        ColorRef expected;
    } rows[] = {
        {"clBlack", 0x000000},
        {"CLWHITE", 0xFFFFFF},
        {"clmaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clMoneyGreen", 0xC0DCC0},
        {"clSkyBlue", 0xF0CAA6},
        {"clCream", 0xF0FBFF},
        {"clMedGray", 0xA4A0A0},
        {"$00F2A300", 0x00F2A300},
        {"$00afc6ca", 0x00AFC6CA},
        {"0x10", 16},
        {"255", 255},
        {"  -3", -3},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.text);
        ASSERT_TRUE(StringToColor(QString::fromLatin1(r.text)).has_value());
        EXPECT_EQ(*StringToColor(QString::fromLatin1(r.text)), r.expected);
    }
}

TEST(Colors, RejectsWithToolkitMessage)
{
    for (const char *bad : {"", "clNothing", "12 ", "$", "$1FFFFFFFF", "2147483648", "1a", "- 1", "$-1"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(StringToColor(QString::fromLatin1(bad)).has_value());
        try {
            StringToColorOrThrow(QString::fromLatin1(bad));
            ADD_FAILURE() << "no error";
        } catch (const ConvertError &e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
        }
    }
}

TEST(Colors, QColorRoundTrip)
{
    EXPECT_EQ(ColorToQColor(0x00F2A300), QColor(0x00, 0xA3, 0xF2));
    EXPECT_EQ(ColorToQColor(clRed), QColor(Qt::red));
    EXPECT_EQ(QColorToColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(QColorToColor(ColorToQColor(clSkyBlue)), clSkyBlue);
}
