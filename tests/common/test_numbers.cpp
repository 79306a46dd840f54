// Numbers as the settings file writes and reads them; the settings tests run
// these again under a German locale.
#include "common/NumberFormat.h"

TEST(Numbers, FormatGIsFifteenDigitsOfTheFloatAndParsingIsStrict)
{
    const std::pair<float, const char *> formatted[] = {{3.5f, "3.5"},
                                                        {128.f, "128"},
                                                        {75.f, "75"},
                                                        {0.f, "0"},
                                                        {0.1f, "0.100000001490116"},
                                                        {16.f / 9.f, "1.77777779102325"},
                                                        {4.f / 3.f, "1.33333337306976"},
                                                        {-1.f, "-1"},
                                                        {3.4e38f, "3.39999995214436e+38"}};
    for (const auto &[value, text] : formatted)
        EXPECT_EQ(FormatG(value), text) << text;
    const std::pair<const char *, std::optional<long long>> ints[] = {
        {" 42 ", 42}, {"-7", -7}, {"+7", 7}, {"4x", {}}, {"", {}}, {"1.5", {}}, {"99999999999999999999", {}}};
    for (const auto &[text, value] : ints)
        EXPECT_EQ(ParseInt(text), value) << text;
    EXPECT_DOUBLE_EQ(ParseFloat("1.77777779102325").value(), 1.77777779102325);
    EXPECT_DOUBLE_EQ(ParseFloat("3.4e+38").value(), 3.4e38);
    for (const char *bad : {"abc", "1,5", ""})
        EXPECT_FALSE(ParseFloat(bad).has_value()) << bad;
}
