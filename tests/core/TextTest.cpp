#include "core/Text.h"

#include <gtest/gtest.h>
#include <string>

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

TEST(Text, Utf8SequencesAreTakenOnlyWhenWellFormed)
{
    EXPECT_EQ(utf8SequenceLength("a", 0), 1u);
    EXPECT_EQ(utf8SequenceLength("\xC3\xA9", 0), 2u);
    EXPECT_EQ(utf8SequenceLength("\xE2\x98\x83", 0), 3u);
    EXPECT_EQ(utf8SequenceLength("\xF0\x9F\x98\x80", 0), 4u);
    EXPECT_EQ(utf8SequenceLength("x\xF4\x8F\xBF\xBF", 1), 4u); // U+10FFFF
    for (const std::string_view bad : { "\x80",
             "\xC3",
             "\xC0\x80",
             "\xC1\xBF",
             "\xE0\x9F\xBF",
             "\xED\xA0\x80" /* a lone surrogate */,
             "\xF0\x8F\xBF\xBF",
             "\xF4\x90\x80\x80",
             "\xF5\x80\x80\x80",
             "\xE2\x98",
             "\xFF" })
        EXPECT_EQ(utf8SequenceLength(bad, 0), 0u) << testing::PrintToString(std::string(bad));
}

TEST(Text, VisibleTextShowsControlCharactersAndBadBytesWithoutSendingThem)
{
    EXPECT_EQ(visibleText("plain \xC3\xA9 text"), "plain \xC3\xA9 text");
    EXPECT_EQ(visibleText(std::string_view("a\x1b[2J\x00\x1f\x7f\tb", 10)),
        "a\u241b[2J\u2400\u241f\u2421\u2409b");
    // C1 controls (a CSI of its own) and what is not UTF-8.
    EXPECT_EQ(visibleText("\xC2\x9B"
                          "1m \xC2\xA0 \x9B \xED\xA0\x80"),
        "\ufffd"
        "1m \xC2\xA0 \ufffd \ufffd\ufffd\ufffd");
}

} // namespace
} // namespace torvex
