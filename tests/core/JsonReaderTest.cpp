#include "core/JsonReader.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using Kind = JsonValue::Kind;

TEST(JsonReader, ReadsEveryKindKeepingOrderAndPlaces)
{
    const JsonValue value =
        readJson(" {\"b\": [1, -0.5e+3, true, false, null],\n  \"a\": \"x\\n\\u00e9\\/\"} ");
    ASSERT_EQ(value.kind, Kind::Object);
    ASSERT_EQ(value.members.size(), 2u);
    EXPECT_EQ(value.members[0].first, "b");
    const JsonValue &list = *value.member("b");
    ASSERT_EQ(list.items.size(), 5u);
    EXPECT_EQ(list.items[1].kind, Kind::Number);
    EXPECT_EQ(list.items[1].text, "-0.5e+3");
    EXPECT_TRUE(list.items[2].boolean);
    EXPECT_EQ(list.items[3].kind, Kind::Boolean);
    EXPECT_FALSE(list.items[3].boolean);
    EXPECT_EQ(list.items[4].kind, Kind::Null);
    const JsonValue &a = *value.member("a");
    EXPECT_EQ(a.text, "x\n\xC3\xA9/");
    EXPECT_EQ(a.line, 2u);
    EXPECT_EQ(a.column, 8u);
    EXPECT_EQ(value.member("c"), nullptr);
}

// Everything RFC 8259 does not allow is refused with the place where it goes wrong.
TEST(JsonReader, RefusesWhatIsNotStrictJsonNamingLineAndColumn)
{
    const struct
    {
        const char *text;
        const char *message;
    } cases[] = {
        { "", "line 1, column 1: expected a value at the end of the text" },
        { "[1,]", "line 1, column 4: expected a value, found ']'" },
        { "{\"a\":1,}", "line 1, column 8: expected a member name in quotes, found '}'" },
        { "{\"a\":1 \"b\":2}", "line 1, column 8: expected ',' or '}', found '\"'" },
        { "[1 2]", "line 1, column 4: expected ',' or ']', found '2'" },
        { "// no\n[]", "line 1, column 1: expected a value, found '/'" },
        { "['x']", "line 1, column 2: expected a value, found '''" },
        { "\"open", "line 1, column 6: the string is not closed" },
        { "\"a\tb\"", "line 1, column 3: a control character in a string must be escaped" },
        { "\"\\x\"", "line 1, column 3: unknown escape in a string" },
        { "\"\\u12g4\"", "line 1, column 6: expected four hexadecimal digits after \\u" },
        { "\"\xFF\"", "line 1, column 2: the text is not UTF-8" },
        { "{\"a\":1,\n\"a\":2}", "line 2, column 1: the member \"a\" is given twice" },
        { "[] []", "line 1, column 4: unexpected text after the value" },
        { "01", "line 1, column 2: unexpected text after the value" },
        { "-", "line 1, column 2: expected a digit at the end of the text" },
        { "1.", "line 1, column 3: expected a digit at the end of the text" },
        { "tru", "line 1, column 1: expected a value, found 't'" },
        { "[[[", "line 1, column 3: nested more than 2 levels deep" },
    };
    for (const auto &c : cases) {
        try {
            readJson(c.text, 2);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const JsonSyntaxError &error) {
            EXPECT_EQ(std::string(error.what()), c.message) << c.text;
        }
    }
    EXPECT_NO_THROW(readJson("[[1]]", 2));
}

} // namespace
} // namespace torvex
