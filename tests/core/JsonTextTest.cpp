#include "core/JsonText.h"
#include "core/JsonReader.h"

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

TEST(JsonText, ALoneSurrogateFromUtf16IsEscapedAndReadBackAsItWas)
{
    // The generalised forms of U+D800 and U+DFFF, as text read from UTF-16 holds them.
    const std::string lone = "a\xED\xA0\x80" "b\xED\xBF\xBF";
    EXPECT_EQ(jsonQuoted(lone), "\"a\\ud800b\\udfff\"");
    EXPECT_EQ(readJson(jsonQuoted(lone)).text, lone);
    // Two surrogates in a row that make a pair in JSON read as the character they stand for.
    EXPECT_EQ(readJson("\"\\ud83d\\ude00\"").text, "\xF0\x9F\x98\x80");
}

} // namespace
} // namespace torvex
