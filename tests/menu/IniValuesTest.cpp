#include "menu/IniValues.h"

#include <gtest/gtest.h>

using namespace torvex;

namespace {

struct IntegerCase
{
    const char *text;
    std::optional<int32_t> expected;
};

} // namespace

TEST(IniValuesTest, ParsesIntegersTheWayTheSettingsFileStoresThem)
{
    const IntegerCase cases[] = {
        { "12", 12 },
        { "2", 2 },
        { "-5", -5 },
        { "+7", 7 },
        { "007", 7 },
        { "$FF", 255 },
        { "$ff", 255 },
        { "0x10", 16 },
        { "0X1f", 31 },
        { "0x", std::nullopt }, // too short to be hexadecimal, and no decimal either
        { "0", 0 },
        { "00", 0 },
        { "$", std::nullopt },
        { "blue", std::nullopt },
        { "", std::nullopt },
        { " 1", std::nullopt },
        { "1 ", std::nullopt },
        { "-", std::nullopt },
        { "1.5", std::nullopt },
        { "12abc", std::nullopt },
        { "-$10", std::nullopt },
        { "$-10", std::nullopt },
        { "0xG", std::nullopt },
        { "2147483647", 2147483647 },
        { "-2147483648", INT32_MIN },
        { "2147483648", std::nullopt },
        { "-2147483649", std::nullopt },
        { "99999999999999999999999", std::nullopt },
        { "-2147483633", buttonFaceColour },
        { "$80000008", windowTextColour },
        { "0x80000005", windowColour },
        { "$FFFFFFFF", -1 },
        { "$00000000FF", 255 },
        { "$100000000", std::nullopt },
    };
    for (const IntegerCase &c : cases)
        EXPECT_EQ(parseInteger(c.text), c.expected) << "text: \"" << c.text << '"';
}

TEST(IniValuesTest, FormattedIntegersParseBack)
{
    for (const int32_t value :
        { 0, 1, -1, 230, INT32_MAX, INT32_MIN, buttonFaceColour, windowColour })
        EXPECT_EQ(parseInteger(formatInteger(value)), value);
    EXPECT_EQ(formatInteger(buttonFaceColour), "-2147483633");
}

TEST(IniValuesTest, ColoursSplitIntoPartsOrSystemIndexes)
{
    EXPECT_TRUE(isSystemColour(buttonFaceColour));
    EXPECT_EQ(systemColourIndex(buttonFaceColour), 15);
    EXPECT_EQ(systemColourIndex(windowTextColour), 8);
    EXPECT_FALSE(isSystemColour(rgbColour(255, 255, 255)));
    const int32_t colour = rgbColour(0x12, 0x34, 0x56);
    EXPECT_EQ(colour, 0x00563412);
    EXPECT_EQ(colourRed(colour), 0x12);
    EXPECT_EQ(colourGreen(colour), 0x34);
    EXPECT_EQ(colourBlue(colour), 0x56);
}
