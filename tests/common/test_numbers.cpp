// Numbers as the settings file writes and reads them; the settings tests run
// these again under a German locale.
#include "common/NumberFormat.h"

#include <gtest/gtest.h>

TEST(FormatG, FifteenDigitsOfTheFloat)
{
    EXPECT_EQ(FormatG(3.5f), "3.5");
    EXPECT_EQ(FormatG(128.f), "128");
    EXPECT_EQ(FormatG(75.f), "75");
    EXPECT_EQ(FormatG(0.f), "0");
    EXPECT_EQ(FormatG(0.1f), "0.100000001490116");
    EXPECT_EQ(FormatG(16.f / 9.f), "1.77777779102325");
    EXPECT_EQ(FormatG(4.f / 3.f), "1.33333337306976");
    EXPECT_EQ(FormatG(-1.f), "-1");
    EXPECT_EQ(FormatG(3.4e38f), "3.39999995214436e+38");
}

TEST(Parse, IntegersAndFloats)
{
    EXPECT_EQ(ParseInt(" 42 ").value(), 42);
    EXPECT_EQ(ParseInt("-7").value(), -7);
    EXPECT_EQ(ParseInt("+7").value(), 7);
    EXPECT_FALSE(ParseInt("4x").has_value());
    EXPECT_FALSE(ParseInt("").has_value());
    EXPECT_FALSE(ParseInt("1.5").has_value());
    EXPECT_FALSE(ParseInt("99999999999999999999").has_value());
    EXPECT_DOUBLE_EQ(ParseFloat("1.77777779102325").value(), 1.77777779102325);
    EXPECT_DOUBLE_EQ(ParseFloat("3.4e+38").value(), 3.4e38);
    EXPECT_FALSE(ParseFloat("abc").has_value());
    EXPECT_FALSE(ParseFloat("1,5").has_value());
    EXPECT_FALSE(ParseFloat("").has_value());
}
