#include "menu/gui/MenuText.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace torvex {
namespace {

using namespace std::string_literals;

TEST(MenuText, EveryTextFromAnIniFileMakesTheRoundTripUnchanged)
{
    const std::string texts[] = {
        "",
        "Home",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", // two, three and four bytes
        "a\xED\xA0\x80z", // lone high surrogate U+D800
        "\xED\xBF\xBF", // lone low surrogate U+DFFF at the end
        "\xED\xB0\x80\xED\xA0\x80", // low before high: no pair
        "nul \0 inside"s,
    };
    for (const std::string &text : texts)
        EXPECT_EQ(menuTextFromQt(menuTextToQt(text)), text);

    EXPECT_EQ(menuTextToQt("a\xED\xA0\x80z"), QString::fromUtf16(u"a\xD800z"));
    EXPECT_EQ(menuTextToQt("\xF0\x9F\x98\x80"), QString::fromUtf16(u"\U0001F600"));
    // Bytes that are not UTF-8 show as the code page characters the ini codec reads.
    EXPECT_EQ(menuTextToQt("\xE9t\xE9"), QString::fromUtf16(u"\u00E9t\u00E9"));
}

TEST(MenuText, LineBreaksAndControlCharactersBecomeOneBlankEach)
{
    const struct
    {
        std::u16string text;
        int pos;
        std::u16string expected;
        int expectedPos;
    } cases[] = {
        { u"plain", 3, u"plain", 3 },
        { u"a\r\nb", 3, u"a b", 2 },
        { u"a\r\nb", 1, u"a b", 1 },
        { u"a\r\nb", 2, u"a b", 2 },
        { u"a\n\nb\r", 5, u"a  b ", 5 },
        { u"\r\r\n\n", 4, u"   ", 3 },
        { u"x\u2028y\u2029z", 5, u"x y z", 5 },
        { std::u16string(u"t\tn\0b\x7F"
                         u"c\x9F",
              8),
            8,
            u"t n b c ",
            8 },
        { u"keep \u00A0\U0001F600", 4, u"keep \u00A0\U0001F600", 4 },
    };
    for (const auto &c : cases) {
        int pos = c.pos;
        const QString result = singleLineText(QString::fromStdU16String(c.text), pos);
        EXPECT_EQ(result.toStdU16String(), c.expected);
        EXPECT_EQ(pos, c.expectedPos);
    }
}

TEST(MenuText, AnEditWithTheValidatorTakesNoLineBreak)
{
    QLineEdit edit;
    edit.setValidator(new SingleLineValidator(&edit));
    edit.insert(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(edit.text(), QStringLiteral("one two"));
    EXPECT_EQ(edit.cursorPosition(), 7);
}

} // namespace
} // namespace torvex
