#include "core/Text.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

// Only ASCII letters fold: UTF-8 bytes and the Latin-1 range must stay as they are, whatever
// the locale, or a key "Ä" would match "ä" here but not in the file manager.
TEST(Text, CaseFoldingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(asciiLower("DirMenu [X]@Z"), "dirmenu [x]@z");
    EXPECT_EQ(asciiLower("\xC3\x84"), "\xC3\x84"); // Ä
    EXPECT_EQ(asciiUpper('z'), 'Z');
    EXPECT_EQ(asciiUpper('{'), '{');
    EXPECT_EQ(asciiLower('@'), '@');
    EXPECT_TRUE(equalsNoCase("Menu12", "mENU12"));
    EXPECT_FALSE(equalsNoCase("\xC3\x84", "\xC3\xA4")); // Ä, ä
    EXPECT_FALSE(equalsNoCase("menu", "menu1"));
}

TEST(Text, LessNoCaseOrdersAsFoldedText)
{
    EXPECT_TRUE(lessNoCase("apple", "Banana"));
    EXPECT_FALSE(lessNoCase("Banana", "apple"));
    EXPECT_FALSE(lessNoCase("KEY", "key"));
    EXPECT_FALSE(lessNoCase("key", "KEY"));
    EXPECT_TRUE(lessNoCase("key", "KEY2"));
    // '_' (0x5F) lies between the upper and lower case letters: folding decides the order.
    EXPECT_TRUE(lessNoCase("_", "A"));
}

struct CutCase
{
    const char *text;
    std::size_t limit;
    const char *expected;
};

TEST(Text, LeadingCharactersNeverSplitsACharacter)
{
    const CutCase cases[] = {
        { "abc", 5, "abc" },
        { "abc", 3, "abc" },
        { "abc", 2, "ab" },
        { "abc", 0, "" },
        { "\xC3\xA6\xC3\xB8\xC3\xA5", 2, "\xC3\xA6\xC3\xB8" }, // æøå
        { "a\xF0\x9F\x98\x80"
          "b",
            2,
            "a\xF0\x9F\x98\x80" }, // a, an emoji, b
        { "", 3, "" },
    };
    for (const CutCase &c : cases)
        EXPECT_EQ(leadingCharacters(c.text, c.limit), c.expected) << c.text << " " << c.limit;
}

TEST(Text, LeadingBytesEndsBetweenCharacters)
{
    const CutCase cases[] = {
        { "abcd", 4, "abcd" },
        { "abcd", 2, "ab" },
        { "a\xC3\xA6", 2, "a" }, // the limit falls inside æ
        { "a\xC3\xA6", 3, "a\xC3\xA6" },
        { "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 7, "\xF0\x9F\x98\x80" },
        { "\xF0\x9F\x98\x80", 0, "" },
    };
    for (const CutCase &c : cases)
        EXPECT_EQ(leadingBytes(c.text, c.limit), c.expected) << c.limit;
}

} // namespace
} // namespace torvex
