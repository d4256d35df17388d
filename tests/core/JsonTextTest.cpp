#include "core/JsonText.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(JsonText, QuotesBackslashesAndEveryControlCharacterAreEscaped)
{
    EXPECT_EQ(jsonQuoted("C:\\fm \"x\""), "\"C:\\\\fm \\\"x\\\"\"");
    EXPECT_EQ(jsonQuoted(std::string("a\0b", 3)), "\"a\\u0000b\"");
    EXPECT_EQ(jsonQuoted("\n\x1f\x7f"), "\"\\u000a\\u001f\\u007f\"");
    EXPECT_EQ(jsonQuoted(" ~"), "\" ~\"");
}

TEST(JsonText, WellFormedUtf8StaysAndAnythingElseBecomesTheReplacementCharacter)
{
    EXPECT_EQ(jsonQuoted("\xC3\xA6\xE2\x82\xAC\xF0\x9F\x98\x80"),
        "\"\xC3\xA6\xE2\x82\xAC\xF0\x9F\x98\x80\"");
    const std::string replacement = "\xEF\xBF\xBD";
    for (const char *bad : {
             "\xFF", // never in UTF-8
             "\xC3", // cut short
             "\xC0\xAF", // overlong
             "\xED\xA0\x80", // a surrogate
             "\xF4\x90\x80\x80", // past U+10FFFF
         }) {
        const std::string quoted = jsonQuoted(bad);
        EXPECT_EQ(quoted.find_first_not_of(replacement + "\""), std::string::npos) << quoted;
        EXPECT_NE(quoted.find(replacement), std::string::npos) << quoted;
    }
    EXPECT_EQ(jsonQuoted("a\xFF"
                         "b"),
        "\"a" + replacement + "b\"");
}

} // namespace
} // namespace torvex
