// The JSON report of the problem scan is JSON for any text a menu holds: every control
// character escaped, and bytes that are not UTF-8 (stray bytes, overlong forms, lone
// surrogates) replaced. Checked with a strict reader of JSON text.
#include "editor/MenuProblems.h"

#include "support/MenuTool.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvex {
namespace {

// A reader of JSON text that accepts nothing the standard does not allow, and gives the
// strings of the text in order, decoded to UTF-8.
class StrictJson
{
public:
    // The strings of `text`; throws std::invalid_argument, naming the offset, when it is not
    // one JSON value.
    static std::vector<std::string> strings(const std::string &text)
    {
        StrictJson reader(text);
        reader.skipBlanks();
        reader.value(0);
        reader.skipBlanks();
        if (reader.m_at != text.size())
            reader.fail("text after the value");
        return reader.m_strings;
    }

private:
    explicit StrictJson(const std::string &text)
        : m_text(text)
    { }

    [[noreturn]] void fail(const std::string &why) const
    {
        throw std::invalid_argument(why + " at offset " + std::to_string(m_at));
    }

    int peek() const
    {
        return m_at < m_text.size() ? static_cast<unsigned char>(m_text[m_at]) : -1;
    }

    void expect(char c)
    {
        if (peek() != static_cast<unsigned char>(c))
            fail(std::string("expected ") + c);
        ++m_at;
    }

    void skipBlanks()
    {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')
            ++m_at;
    }

    void literal(const std::string &word)
    {
        if (m_text.compare(m_at, word.size(), word) != 0)
            fail("unknown word");
        m_at += word.size();
    }

    void value(int depth)
    {
        if (depth > 200)
            fail("nested too deep");
        switch (peek()) {
        case '{':
            ++m_at;
            skipBlanks();
            if (peek() == '}') {
                ++m_at;
                return;
            }
            for (;;) {
                skipBlanks();
                string();
                skipBlanks();
                expect(':');
                skipBlanks();
                value(depth + 1);
                skipBlanks();
                if (peek() == '}') {
                    ++m_at;
                    return;
                }
                expect(',');
            }
        case '[':
            ++m_at;
            skipBlanks();
            if (peek() == ']') {
                ++m_at;
                return;
            }
            for (;;) {
                skipBlanks();
                value(depth + 1);
                skipBlanks();
                if (peek() == ']') {
                    ++m_at;
                    return;
                }
                expect(',');
            }
        case '"':
            string();
            return;
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default:
            number();
        }
    }

    void digits()
    {
        if (peek() < '0' || peek() > '9')
            fail("expected a digit");
        while (peek() >= '0' && peek() <= '9')
            ++m_at;
    }

    void number()
    {
        if (peek() == '-')
            ++m_at;
        if (peek() == '0')
            ++m_at;
        else
            digits();
        if (peek() == '.') {
            ++m_at;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            digits();
        }
    }

    unsigned hex4()
    {
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = peek();
            unsigned digit = 0;
            if (c >= '0' && c <= '9')
                digit = static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = static_cast<unsigned>(c - 'A' + 10);
            else
                fail("bad \\u escape");
            unit = unit * 16 + digit;
            ++m_at;
        }
        return unit;
    }

    static void appendUtf8(std::string &out, unsigned point)
    {
        if (point < 0x80) {
            out += static_cast<char>(point);
        } else if (point < 0x800) {
            out += static_cast<char>(0xC0 | (point >> 6));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            out += static_cast<char>(0xE0 | (point >> 12));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (point >> 18));
            out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        }
    }

    // One character written as it is: well-formed UTF-8, no control character.
    void rawCharacter(std::string &out)
    {
        const int lead = peek();
        if (lead < 0x20)
            fail("a control character in a string");
        std::size_t length = 1;
        unsigned point = static_cast<unsigned>(lead);
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = static_cast<unsigned>(lead & 0x07);
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = static_cast<unsigned>(lead & 0x0F);
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = static_cast<unsigned>(lead & 0x1F);
        } else if (lead >= 0x80) {
            fail("a byte that starts no UTF-8 character");
        }
        for (std::size_t i = 1; i < length; ++i) {
            const std::size_t at = m_at + i;
            const unsigned c = at < m_text.size() ? static_cast<unsigned char>(m_text[at]) : 0;
            if ((c & 0xC0) != 0x80)
                fail("a UTF-8 character cut short");
            point = (point << 6) | (c & 0x3F);
        }
        const unsigned least[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            fail("an overlong form, a surrogate or a point past U+10FFFF");
        out.append(m_text, m_at, length);
        m_at += length;
    }

    void string()
    {
        expect('"');
        std::string out;
        for (;;) {
            const int c = peek();
            if (c < 0)
                fail("an unterminated string");
            if (c == '"') {
                ++m_at;
                m_strings.push_back(out);
                return;
            }
            if (c != '\\') {
                rawCharacter(out);
                continue;
            }
            ++m_at;
            const int escaped = peek();
            ++m_at;
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                out += static_cast<char>(escaped);
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned point = hex4();
                if (point >= 0xDC00 && point <= 0xDFFF)
                    fail("a lone low surrogate");
                if (point >= 0xD800 && point <= 0xDBFF) {
                    if (peek() != '\\')
                        fail("a lone high surrogate");
                    ++m_at;
                    expect('u');
                    const unsigned low = hex4();
                    if (low < 0xDC00 || low > 0xDFFF)
                        fail("a lone high surrogate");
                    point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, point);
                break;
            }
            default:
                fail("an unknown escape");
            }
        }
    }

    const std::string &m_text;
    std::size_t m_at = 0;
    std::vector<std::string> m_strings;
};

const std::string replacement = "\xEF\xBF\xBD";

// The first title of a report of one problem: the string after the key "titlePath".
std::string firstTitle(const std::vector<std::string> &strings)
{
    const auto key = std::find(strings.begin(), strings.end(), "titlePath");
    return key == strings.end() || key + 1 == strings.end() ? "(none)" : *(key + 1);
}

TEST(StrictJsonReader, RefusesWhatTheStandardDoesNotAllow)
{
    // The reader used below must itself tell valid from invalid.
    for (const std::string &bad : { std::string("[\"\x1f\"]"),
             std::string("[\"\\u001\"]"),
             std::string("[\"\\x41\"]"),
             std::string("[\"\xFF\"]"),
             std::string("[\"\xC0\xAF\"]"),
             std::string("[\"\xED\xA0\x80\"]"),
             std::string("[\"\\ud800\"]"),
             std::string("[\"\\udc00\\ud800\"]"),
             std::string("[\"a\",]"),
             std::string("[\"a\"] x"),
             std::string("[\"a\"") })
        EXPECT_THROW(StrictJson::strings(bad), std::invalid_argument) << bad;
    EXPECT_EQ(StrictJson::strings("[\"\\ud83d\\ude00\\u0000\\/\", {\"k\": [1, -2.5e3, true]}]"),
        (std::vector<std::string> { std::string("\xF0\x9F\x98\x80\0/", 6), "k" }));
}

// Every control character, each in every kind of string of the report.
TEST(ProblemsJson, EveryControlCharacterIsEscapedAndReadsBackAsItWas)
{
    std::string controls;
    for (int c = 0; c < 0x20; ++c)
        controls += static_cast<char>(c);
    controls += '\x7f';
    MenuProblem problem;
    problem.kind = ProblemKind::BrokenCommand;
    problem.titlePath = { "a" + controls, controls + "b" };
    problem.command = "cd " + controls;
    problem.targetPath = controls;
    problem.folder = controls;
    problem.reason = controls;
    const DirMenuFinding finding { 3, "; " + controls, "a comment" };
    for (int c = 0; c < 0x20; ++c) {
        // Also alone, between plain letters.
        MenuProblem single = problem;
        single.titlePath = { std::string("x") + static_cast<char>(c) + "y" };
        const std::string json = problemsAsJson({ single });
        try {
            const auto strings = StrictJson::strings(json);
            EXPECT_EQ(firstTitle(strings), single.titlePath[0]) << c;
        } catch (const std::invalid_argument &error) {
            ADD_FAILURE() << "character " << c << ": " << error.what() << "\n" << json;
        }
    }
    const std::string json = problemsAsJson({ problem }, { finding });
    std::vector<std::string> strings;
    ASSERT_NO_THROW(strings = StrictJson::strings(json)) << json;
    const std::vector<std::string> expected = { "kind",
        "not shown",
        "line",
        "text",
        "; " + controls,
        "reason",
        "a comment",
        "kind",
        "broken path",
        "menuNumber",
        "writtenKey",
        "menu0",
        "line",
        "key",
        "",
        "titlePath",
        "a" + controls,
        controls + "b",
        "command",
        "cd " + controls,
        "targetPath",
        controls,
        "folder",
        controls,
        "reason",
        controls };
    EXPECT_EQ(strings, expected);
}

TEST(ProblemsJson, WhatIsNotUtf8IsReplacedAndWhatIsStaysAsItWas)
{
    const std::vector<std::string> broken = {
        "\x80", // a continuation byte alone
        "\xBF",
        "\xC3", // cut short
        "\xE2\x82",
        "\xF0\x9F\x98",
        "\xC0\xAF", // overlong forms
        "\xC1\xBF",
        "\xE0\x80\xAF",
        "\xF0\x80\x80\xAF",
        "\xED\xA0\x80", // a lone high surrogate, as UTF-16 text can hold one
        "\xED\xBF\xBF", // a lone low surrogate
        "\xED\xA0\xBD\xED\xB8\x80", // a pair encoded one by one
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xF5\x80\x80\x80",
        "\xF8\x88\x80\x80\x80",
        "\xFE",
        "\xFF",
    };
    for (const std::string &bytes : broken) {
        MenuProblem problem;
        problem.titlePath = { "a" + bytes + "b" };
        problem.command = bytes;
        const std::string json = problemsAsJson({ problem });
        std::vector<std::string> strings;
        try {
            strings = StrictJson::strings(json);
        } catch (const std::invalid_argument &error) {
            ADD_FAILURE() << error.what() << "\n" << json;
            continue;
        }
        const std::string title = firstTitle(strings);
        ASSERT_GE(title.size(), 2 + replacement.size()) << json;
        EXPECT_EQ(title.front(), 'a');
        EXPECT_EQ(title.back(), 'b');
        std::string middle = title.substr(1, title.size() - 2);
        std::size_t replaced = 0;
        for (; middle.starts_with(replacement); middle.erase(0, replacement.size()))
            ++replaced;
        EXPECT_TRUE(middle.empty()) << "only replacement characters: " << title;
        EXPECT_GE(replaced, 1u);
        EXPECT_LE(replaced, bytes.size());
    }
    // Well-formed UTF-8 of every length, the highest code point included, stays as it is.
    MenuProblem problem;
    const std::string valid = "\x7f\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xEE\x80\x80"
                              "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    problem.titlePath = { valid };
    std::vector<std::string> strings;
    ASSERT_NO_THROW(strings = StrictJson::strings(problemsAsJson({ problem })));
    EXPECT_EQ(firstTitle(strings), valid);
}

TEST(CheckJson, TheReportOfAFileWithControlCharactersAndBrokenTextIsJson)
{
    test::TempDir dir;
    // Titles without a command, each holding a control character (line breaks end a line and
    // cannot be in one), and comments of bytes that are not UTF-8, which the menu does not show.
    std::string menu = "[DirMenu]\r\n";
    std::vector<std::string> titles;
    int n = 0;
    for (int c = 1; c < 0x20; ++c) {
        if (c == '\n' || c == '\r')
            continue;
        titles.push_back(std::string("T") + static_cast<char>(c) + "e");
        menu += "menu" + std::to_string(++n) + "=" + titles.back() + "\r\n";
    }
    menu += "; \xFF\xFE broken \xED\xA0\x80 and \x1f\r\n";
    const std::string file = dir.write("wincmd.ini", menu);
    const test::ToolStreams run = test::runMenuToolStreams("/nonexistent-prefix",
        "check --json " + file);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    std::vector<std::string> strings;
    try {
        strings = StrictJson::strings(run.out);
    } catch (const std::invalid_argument &error) {
        FAIL() << error.what() << "\n" << run.out;
    }
    for (const std::string &title : titles)
        EXPECT_NE(std::find(strings.begin(), strings.end(), title), strings.end())
            << "title with character " << static_cast<int>(title[1]);
}

} // namespace
} // namespace torvex
